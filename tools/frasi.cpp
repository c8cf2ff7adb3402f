// Prints every sentence the exercise screens build from the two story
// catalogs, one a line, for proofreading: family and scene, slot, count (or
// "-" for a question), the lines it takes in its label, and the text.
// Statements come in every form the screens build: none, one, and 2 to 10.
// Usage: QT_QPA_PLATFORM=offscreen frasi [--oltre-due] [--fonemi]
//   --oltre-due  prints only the sentences that need more than two lines;
//   --fonemi     adds what the program's voice says, in espeak-ng's phonemes.

#include "core/Twips.h"
#include "exercises/AspettoEsercizio.h"
#include "exercises/catalog/Catalogo.h"
#include "media/AudioOutput.h"
#include "media/EspeakEngine.h"
#include "media/VoceProgramma.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <cstdio>

using namespace Catalogo;

namespace {

// Lines the text takes in a label of the exercise screen (questions italic,
// statements bold, as the screen sets them).
int righe(const QString &testo, bool domanda)
{
    const QFont font = AspettoEsercizio::carattere(QStringLiteral("Verdana"), 9.75, !domanda, domanda);
    const QFontMetrics metrica(font);
    const QRect spazio(0, 0, Twips::px(4455), 100000);
    const int altezza = metrica.boundingRect(spazio, Qt::TextWordWrap, testo).height();
    return (altezza + metrica.lineSpacing() / 2) / metrica.lineSpacing();
}

}

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    const bool soloLunghe = app.arguments().contains(QStringLiteral("--oltre-due"));
    std::unique_ptr<EspeakEngine> voce;
    if (app.arguments().contains(QStringLiteral("--fonemi")))
        voce = std::make_unique<EspeakEngine>(std::make_unique<NullAudioOutput>());
    int stampate = 0;
    auto stampa = [&](const char *famiglia, int scena, int slot, int n, const QString &testo, bool domanda) {
        const int r = righe(testo, domanda);
        if (soloLunghe && r <= 2)
            return;
        const QByteArray conteggio = n < 0 ? QByteArray("-") : QByteArray::number(n);
        const QString fonemi = voce ? QStringLiteral(" | ") + voce->fonemi(testoPerLaVoce(testo)) : QString();
        std::printf("%s%-2d slot %-2d n=%-2s righe=%d | %s%s\n", famiglia, scena, slot, conteggio.constData(), r,
                    testo.toUtf8().constData(), fonemi.toUtf8().constData());
        ++stampate;
    };

    for (const Famiglia famiglia : {Famiglia::Sottrazione, Famiglia::Addizione}) {
        const bool addizione = famiglia == Famiglia::Addizione;
        const char *sigla = addizione ? "A" : "S";
        TabellaFrasi tabella;
        LeggiFrasi(famiglia, tabella);
        // Slots of the questions, and of each statement's pieces: lead words,
        // noun phrase, one, none.
        const QVector<int> domande = addizione ? QVector<int>{0, 5, 10} : QVector<int>{0, 4, 9};
        const QVector<QPair<Quantita, QVector<int>>> enunciati = addizione
            ? QVector<QPair<Quantita, QVector<int>>>{{Quantita::GruppoA, {1, 2, 3, 4}},
                                                     {Quantita::GruppoB, {6, 7, 8, 9}},
                                                     {Quantita::Intero, {11, 12, 13, -1}}}
            : QVector<QPair<Quantita, QVector<int>>>{{Quantita::Totale, {1, 2, 3, -1}},
                                                     {Quantita::Parte, {5, 6, 7, 8}},
                                                     {Quantita::Resto, {10, 11, 12, 13}}};
        for (int scena = 1; scena <= numeroScene(famiglia); ++scena) {
            for (int q = 0; q < 3; ++q) {
                stampa(sigla, scena, domande[q], -1, tabella.frase(scena, domande[q]), true);
                const auto &[quantita, posti] = enunciati[q];
                if (posti[3] >= 0)
                    stampa(sigla, scena, posti[3], 0, enunciato(tabella, scena, quantita, 0), false);
                stampa(sigla, scena, posti[2], 1, enunciato(tabella, scena, quantita, 1), false);
                for (int n = 2; n <= 10; ++n)
                    stampa(sigla, scena, posti[1], n, enunciato(tabella, scena, quantita, n), false);
            }
        }
    }
    std::fprintf(stderr, "%d sentences\n", stampate);
    return 0;
}
