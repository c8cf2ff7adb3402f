// What waiting costs: CPU time while Parla speaks a long text with the real
// engine, while Pausa waits, and while the menu scans on its own once a
// second; and how long it takes from Parla to the first audio sample.
//   QT_QPA_PLATFORM=offscreen bench_attese [seconds per wait, default 10]

#include "config/SceltaColoreDialogo.h"
#include "media/AudioOutput.h"
#include "media/EspeakEngine.h"
#include "media/SuoniProgramma.h"
#include "media/VoceProgramma.h"
#include "shell/FormMenu.h"
#include "shell/Generatore.h"
#include "shell/Piattaforma.h"
#include "shell/Servizi.h"
#include "shell/StatoProgramma.h"

#include <QApplication>
#include <QEventLoop>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <sys/resource.h>
#include <vector>

namespace {

double secondiCpu()
{
    rusage uso{};
    getrusage(RUSAGE_SELF, &uso);
    return uso.ru_utime.tv_sec + uso.ru_stime.tv_sec + (uso.ru_utime.tv_usec + uso.ru_stime.tv_usec) / 1e6;
}

// Wall time and CPU time of one call, as a share of one core.
template <typename F>
double percentoCpu(F &&attesa, double *secondiTrascorsi = nullptr)
{
    const qint64 inizio = orologioUs();
    const double cpu = secondiCpu();
    attesa();
    const double trascorsi = (orologioUs() - inizio) / 1e6;
    if (secondiTrascorsi)
        *secondiTrascorsi = trascorsi;
    return trascorsi > 0 ? 100.0 * (secondiCpu() - cpu) / trascorsi : 0;
}

// Silent output that notes when the engine hands over its first samples.
class UscitaCronometrata : public NullAudioOutput
{
public:
    qint64 primoCampione = -1;
    void startStream(int frequenza) override
    {
        primoCampione = -1;
        NullAudioOutput::startStream(frequenza);
    }
    void write(const QByteArray &pcm) override
    {
        if (primoCampione < 0 && !pcm.isEmpty())
            primoCampione = orologioUs();
        NullAudioOutput::write(pcm);
    }
};

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
    GeneratoreOrologio casuale;
    auto creaMotore = [] { return std::unique_ptr<SpeechEngine>(new EspeakEngine(std::make_unique<NullAudioOutput>())); };
    VoceProgramma voce(creaMotore);
    AttesaProgramma attesa;
    SuoniProgramma suoni(stato, casuale, QCoreApplication::applicationDirPath());
    DialoghiMessaggi dialoghi;
    SceltaColoreDialogo colore;
    DocumentiDesktop documenti;
    Servizi servizi{stato, casuale, voce, attesa, suoni, dialoghi, colore, documenti, nullptr, creaMotore,
                    QCoreApplication::applicationDirPath()};

    // Parla to the first sample: the engine works on its own thread, so the
    // first chunk of samples is what a child would hear first.
    {
        auto uscita = std::make_unique<UscitaCronometrata>();
        UscitaCronometrata *cronometro = uscita.get();
        EspeakEngine motore(std::move(uscita));
        motore.setRate(stato.VelocitaVoce);
        std::vector<double> ritardi;
        for (int i = 0; i < 21; ++i) {
            const qint64 inizio = orologioUs();
            motore.speak(QStringLiteral("Quante locomotive rimangono ferme?"));
            while (cronometro->primoCampione < 0 && orologioUs() - inizio < 2000000)
                QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
            if (cronometro->primoCampione >= 0 && i > 0)  // the first one also loads the voice
                ritardi.push_back((cronometro->primoCampione - inizio) / 1000.0);
            motore.stop();
            aspetta(20);
        }
        std::sort(ritardi.begin(), ritardi.end());
        const double mediana = ritardi.empty() ? -1 : ritardi[ritardi.size() / 2];
        const double massimo = ritardi.empty() ? -1 : ritardi.back();
        riga("Parla to first audio sample, median of 20", mediana, "ms", "< 20 ms", mediana >= 0 && mediana < 20);
        riga("Parla to first audio sample, worst of 20", massimo, "ms", "< 20 ms", massimo >= 0 && massimo < 20);
    }

    // A text that speaks for about the chosen time.
    QString lungo;
    while (lungo.size() < secondi * 16)
        lungo += QStringLiteral("Quante locomotive rimangono ferme? ");
    double parlato = 0;
    const double cpuParla = percentoCpu([&] { voce.Parla(lungo); }, &parlato);
    riga(qPrintable(QStringLiteral("CPU while Parla speaks (%1 s)").arg(parlato, 0, 'f', 1)), cpuParla, "%",
         "< 1 %", cpuParla < 1);

    const double cpuPausa = percentoCpu([&] { attesa.Pausa(secondi); });
    riga(qPrintable(QStringLiteral("CPU while Pausa waits (%1 s)").arg(secondi)), cpuPausa, "%", "< 1 %",
         cpuPausa < 1);

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
