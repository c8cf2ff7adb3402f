// How long a screen waits for its pictures and pointers: everything the menu
// and an exercise screen ask for when they open, drawn from scratch.
#include "Misure.h"
#include "resources/Immagini.h"

#include <QApplication>
#include <QElapsedTimer>

#include <cstdio>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    Misure::intestazione("bench_immagini", 1);
    auto misura = [](const char *cosa, int volte, auto &&lavoro) {
        lavoro();  // the first call loads the files
        QElapsedTimer t;
        t.start();
        for (int i = 0; i < volte; ++i)
            lavoro();
        std::printf("%-44s %8.3f ms\n", cosa, t.nsecsElapsed() / 1e6 / volte);
    };
    misura("menu: 8 pictures at 81x73", 50, [] {
        for (int i = int(Immagine::MenuUccelli); i <= int(Immagine::MenuEsci); ++i)
            Immagini::immagine(Immagine(i), QSize(81, 73));
    });
    misura("menu: 8 pictures at 324x292 (4x window)", 20, [] {
        for (int i = int(Immagine::MenuUccelli); i <= int(Immagine::MenuEsci); ++i)
            Immagini::immagine(Immagine(i), QSize(324, 292));
    });
    misura("exercise: 11 number + 3 sign + 2 pointers", 50, [] {
        for (int n = 0; n <= 10; ++n)
            Immagini::puntatoreNumero(n);
        for (Puntatore p : {Puntatore::Piu, Puntatore::Meno, Puntatore::Uguale, Puntatore::FrecciaGrigia,
                            Puntatore::FacciaMusica})
            Immagini::puntatore(p);
    });
    misura("program icon (8 sizes)", 20, [] { Immagini::iconaProgramma(); });
    misura("status-bar face, one frame at 49x32", 200, [] {
        Immagini::fotogramma(Immagine::FacciaEsatti, 1, QSize(49, 32));
    });
    Misure::chiusura();
    return 0;
}
