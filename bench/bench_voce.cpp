// How fast speech starts and what waiting costs.
// - Latency: from Parla to the first sample handed to the audio output, for
//   catalog sentences, after one warm-up sentence.
// - CPU: process time while Parla waits for speech and while Pausa waits,
//   against a loop that polls the event queue for the same time.

#include "Misure.h"
#include "core/Chiusura.h"
#include "media/AudioOutput.h"
#include "media/EspeakEngine.h"
#include "media/VoceProgramma.h"

#include <QApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <sys/resource.h>

namespace {

// Silent and keeping time like the null output; notes when the first sample of
// each stream arrives.
class Cronometro : public NullAudioOutput
{
public:
    qint64 primoUs = -1;
    void startStream(int f) override { primoUs = -1; NullAudioOutput::startStream(f); }
    void write(const QByteArray &pcm) override
    {
        if (primoUs < 0)
            primoUs = orologioUs();
        NullAudioOutput::write(pcm);
    }
};

double cpuSecondi()
{
    rusage uso{};
    getrusage(RUSAGE_SELF, &uso);
    return uso.ru_utime.tv_sec + uso.ru_stime.tv_sec + (uso.ru_utime.tv_usec + uso.ru_stime.tv_usec) / 1e6;
}

template<typename F>
void misuraCpu(const char *nome, F &&attendi)
{
    QElapsedTimer muro;
    muro.start();
    const double prima = cpuSecondi();
    attendi();
    const double cpu = cpuSecondi() - prima;
    const double secondi = muro.nsecsElapsed() / 1e9;
    std::printf("%-34s %6.2f s waited  %6.3f s CPU  %5.1f %% of a core\n", nome, secondi, cpu,
                100.0 * cpu / secondi);
}

}

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    Misure::intestazione("bench_voce", 30);
    Cronometro *cronometro = nullptr;
    Chiusura chiusura;
    VoceProgramma voce([&cronometro] {
        auto uscita = std::make_unique<Cronometro>();
        cronometro = uscita.get();
        return std::unique_ptr<SpeechEngine>(new EspeakEngine(std::move(uscita)));
    }, chiusura);
    voce.motore().setRate(200);  // latency does not depend on the rate; keeps the run short

    const QStringList frasi{
        QStringLiteral("Quante locomotive rimangono ferme?"),
        QStringLiteral("C'è una sola tartaruga chiusa nel guscio."),
        QStringLiteral("Ci sono 7 stelle marine color arancio."),
        QStringLiteral("Quante automobili senza portapacchi?"),
        QStringLiteral("Non ci sono galline."),
        QStringLiteral("Ora scrivi l'operazione"),
    };
    voce.Parla(QStringLiteral("Pronti."));

    QVector<double> ritardi;
    for (int giro = 0; giro < 5; ++giro)
        for (const QString &frase : frasi) {
            const qint64 inizio = orologioUs();
            voce.Parla(frase);
            ritardi << (cronometro->primoUs - inizio) / 1000.0;
        }
    std::sort(ritardi.begin(), ritardi.end());
    std::printf("Parla -> first sample, %d sentences: min %.2f ms  median %.2f ms  max %.2f ms\n",
                int(ritardi.size()), ritardi.first(), ritardi.at(ritardi.size() / 2), ritardi.last());

    voce.motore().setRate(135);
    misuraCpu("Parla (catalog sentence, 135)", [&] { voce.Parla(QStringLiteral("Clicca sulla bocca per ascoltare la voce impostata.")); });
    VoceProgramma voceVera([] { return std::unique_ptr<SpeechEngine>(new EspeakEngine); }, chiusura);
    voceVera.Parla(QStringLiteral("Pronti."));
    misuraCpu("Parla on the default output", [&] { voceVera.Parla(QStringLiteral("Clicca sulla bocca per ascoltare la voce impostata.")); });
    AttesaProgramma attesa(chiusura);
    misuraCpu("Pausa(2.0)", [&] { attesa.Pausa(2.0); });
    misuraCpu("polling loop, 2 s (for comparison)", [] {
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < 2000)
            QCoreApplication::processEvents();
    });
    Misure::chiusura();
    return 0;
}
