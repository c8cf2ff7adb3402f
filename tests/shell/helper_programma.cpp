// Parts of the program in a process of their own: "blocca PATH" holds the lock as a running
// copy does ("prova PATH" only says whether it could be had); "salva crash|errore PATH" saves under a file-size limit too small for the file,
// which kills the process mid-write or makes the write fail; "avvia esci|estrai|gioca" runs the
// program with message boxes that print, then goes to the menu's "Esci", prints three draws and
// ends, or answers until it is ended.
#include "BancoSchermate.h"
#include "exercises/FormEsercizio.h"
#include "shell/FormAvvio.h"
#include "shell/FormMenu.h"
#include "shell/Istanza.h"
#include "shell/Main.h"
#include "shell/ModuloPerIni.h"

#include <QTimer>
#include <csignal>
#include <cstdio>
#include <sys/resource.h>

namespace {

struct DialoghiStampati : Dialoghi {
    void errore(QWidget *, const QString &t, const QString &s) override { std::printf("errore %s: %s\n", qPrintable(t), qPrintable(s)); }
    bool domanda(QWidget *, const QString &, const QString &) override { return true; }
    void avviso(QWidget *, const QString &, const QString &) override {}
    bool testo(QWidget *, const QString &, const QString &, QString &) override { return false; }
};

// One step at a time, each once its screen is there, as a user would.
void esci()
{
    if (auto *avvio = visibile<FormAvvio>())
        avvio->Command1()->click();
    if (auto *menu = visibile<FormMenu>()) {
        std::printf("impostazioni %s\n", QFileInfo::exists(ModuloPerIni::CartellaImpostazioni()) ? "presenti" : "assenti");
        return menu->AvviaEsercizi(FormMenu::VoceEsci);
    }
    QTimer::singleShot(20, &esci);
}

// The first exercise the run draws, as the menu's first level shows it; then the end.
void estrai()
{
    if (auto *avvio = visibile<FormAvvio>())
        avvio->Command1()->click();
    if (auto *menu = visibile<FormMenu>())
        menu->AvviaEsercizi(3);
    if (auto *esercizio = visibile<FormEsercizio>(); esercizio && esercizio->modello().Scena() > 0) {
        const auto &m = esercizio->modello();
        std::printf("%d %d %d ", int(m.Totale()), int(m.Parte()), int(m.Scena()));
        QCoreApplication::exit(0);
        return;
    }
    QTimer::singleShot(20, &estrai);
}

// The first exercise of "Sottrazione - 1°" answered wrong as fast as the
// program takes a click, each answer taken printed; the test ends the process.
void gioca()
{
    static int date = 0;
    // The record opens while the splash is up.
    if (auto *avvio = visibile<FormAvvio>(); avvio && avvio->servizi().diario)
        avvio->Command1()->click();
    if (auto *menu = visibile<FormMenu>())
        menu->AvviaEsercizi(3);
    if (auto *esercizio = visibile<FormEsercizio>(); esercizio && esercizio->modello().PassoCorrente() > 0) {
        const int errati = esercizio->servizi().stato.Errati;
        esercizio->Command1_Click((esercizio->modello().rispostaGiusta() + 1) % 11);
        if (esercizio->servizi().stato.Errati != errati)
            std::printf("risposta %d\n", ++date);
    }
    QTimer::singleShot(20, &gioca);
}

}

int main(int argc, char **argv)
{
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    if (argc < 3)
        return 2;
    const QByteArray modo = argv[1], come = argv[2];
    if (modo == "blocca" || modo == "prova") {
        QCoreApplication app(argc, argv);
        const Istanza istanza = bloccaIstanza(QString::fromLocal8Bit(argv[2]));
        std::printf(istanza.blocco ? "preso\n" : istanza.altraCopia ? "altra copia\n" : "senza\n");
        return istanza.blocco && modo == "blocca" ? app.exec() : 0;
    }
    if (modo == "salva" && argc > 3) {
        StatoProgramma stato;
        stato.PercorsoIni = QString::fromLocal8Bit(argv[3]);
        stato.SuoniAttivati = false;
        if (come == "errore")
            std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limite{8, 8};
        setrlimit(RLIMIT_FSIZE, &limite);
        return ModuloPerIni::SalvaImpostazioni(stato) ? 0 : 1;
    }
    QApplication app(argc, argv);
    PreparaApplicazione();
    DialoghiStampati dialoghi;
    // Runs once the program's own loop turns, as a user's first action would.
    QTimer::singleShot(0, [&come] { come == "esci" ? esci() : come == "gioca" ? gioca() : estrai(); });
    const int esito = Esegui(dialoghi);
    std::printf("esito %d\n", esito);
    return esito;
}
