// What several children cost the start: reading their profiles and the last
// child's settings, then the first screen after the splash made, shown and
// painted ("Chi gioca?" with five children, the menu with one). Offscreen, each
// run from scratch (the badges' pictures are drawn again).
//   bench_bambini [runs, default 20]
#include "Misure.h"
#include "core/StatoProgramma.h"
#include "shell/FabbricaSchermate.h"
#include "shell/ProfiliBambini.h"
#include "shell/ServiziProgramma.h"
#include "shell/Percorsi.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPixmapCache>
#include <QSettings>
#include <QTemporaryDir>

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int corse = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
    Misure::intestazione("bench_bambini", corse);
    QTemporaryDir casa;
    std::vector<double> tempi[2];
    for (int caso = 0; caso < 2; ++caso) {
        const int quanti = caso == 0 ? 1 : 5;
        const QString cartella = casa.filePath(QStringLiteral("impostazioni%1").arg(quanti));
        {
            StatoProgramma stato;
            ProfiliBambini profili(stato, cartella);
            for (int n = 2; n <= quanti; ++n)
                profili.aggiungi(QStringLiteral("Bambino numero %1").arg(n), QString());
        }
        for (int corsa = 0; corsa < corse; ++corsa) {
            QPixmapCache::clear();
            QElapsedTimer t;
            t.start();
            StatoProgramma stato;
            ProfiliBambini profili(stato, cartella);
            profili.caricaUltimo();
            ServiziProgramma programma(stato, Percorsi::cartellaProgramma());
            programma.servizi().bambini = &profili;
            FabbricaSchermate navigatore(programma.servizi());
            const double prima = t.nsecsElapsed() / 1e6;
            QElapsedTimer s;
            s.start();
            Schermata *schermata = navigatore.crea(quanti > 1 ? IdSchermata::ChiGioca : IdSchermata::Menu);
            schermata->show();
            schermata->grab();
            tempi[caso].push_back(prima + s.nsecsElapsed() / 1e6);
            delete schermata;
        }
    }
    Misure::riga("start's share, one child: profiles, settings, menu painted", tempi[0], "ms", "-", [](double) { return true; });
    Misure::riga("start's share, five children: ... 'Chi gioca?' painted", tempi[1], "ms", "-", [](double) { return true; });
    std::vector<double> differenza;
    for (size_t i = 0; i < tempi[0].size(); ++i)
        differenza.push_back(tempi[1][i] - Misure::quantile(tempi[0], 0.5));
    Misure::riga("five children against one (each run against one's median)", differenza, "ms", "<= 20 ms",
                 [](double d) { return d <= 20; });
    Misure::chiusura();
    return 0;
}
