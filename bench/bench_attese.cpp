// What the menu costs while it waits for a single switch: CPU time while it
// scans on its own, one step a second. (Speech and pauses: bench_voce.)
//   QT_QPA_PLATFORM=offscreen bench_attese [seconds, default 10]

#include "media/AudioOutput.h"
#include "media/EspeakEngine.h"
#include "shell/FormMenu.h"
#include "shell/ServiziProgramma.h"
#include "core/StatoProgramma.h"

#include <QApplication>
#include <QEventLoop>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <sys/resource.h>

namespace {

double secondiCpu()
{
    rusage uso{};
    getrusage(RUSAGE_SELF, &uso);
    return uso.ru_utime.tv_sec + uso.ru_stime.tv_sec + (uso.ru_utime.tv_usec + uso.ru_stime.tv_usec) / 1e6;
}

// Wall time and CPU time of one call, as a share of one core.
template <typename F>
double percentoCpu(F &&attesa)
{
    const qint64 inizio = orologioUs();
    const double cpu = secondiCpu();
    attesa();
    const double trascorsi = (orologioUs() - inizio) / 1e6;
    return trascorsi > 0 ? 100.0 * (secondiCpu() - cpu) / trascorsi : 0;
}

void aspetta(int ms)
{
    QEventLoop ciclo;
    QTimer::singleShot(ms, &ciclo, &QEventLoop::quit);
    ciclo.exec();
}

void riga(const char *cosa, double valore, const char *unita, const char *obiettivo, bool raggiunto)
{
    std::printf("%-52s %9.3f %-3s target %-10s %s\n", cosa, valore, unita, obiettivo, raggiunto ? "ok" : "MISSED");
    std::fflush(stdout);
}

}

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const int secondi = argc > 1 ? std::max(1, QString::fromLocal8Bit(argv[1]).toInt()) : 10;

    StatoProgramma stato;
    auto creaMotore = [] { return std::unique_ptr<SpeechEngine>(new EspeakEngine(std::make_unique<NullAudioOutput>())); };
    ServiziProgramma programma(stato, QCoreApplication::applicationDirPath(), creaMotore);
    Servizi &servizi = programma.servizi();

    // The menu scanning on its own, one step a second.
    stato.ModalitaInput = Modalita::ScansioneAutomatica;
    stato.VelocitaScansione = 4;
    {
        FormMenu menu(servizi);
        menu.show();
        aspetta(500);
        int passi = 0;
        QObject::connect(&menu.controllo().timer(), &QTimer::timeout, [&passi] { ++passi; });
        const double cpuMenu = percentoCpu([&] { aspetta(secondi * 1000); });
        riga(qPrintable(QStringLiteral("CPU while the menu scans at 1 s (%1 s, %2 steps)").arg(secondi).arg(passi)),
             cpuMenu, "%", "< 1 %", cpuMenu < 1);
    }
    return 0;
}
