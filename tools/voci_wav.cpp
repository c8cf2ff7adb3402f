// Reads the voice screen's greeting and a few catalog sentences with every
// voice offered, into WAV files to listen to and check with sox.
// Usage: voci_wav FOLDER [VelocitaVoce]

#include "media/AudioOutput.h"
#include "media/EspeakEngine.h"
#include "media/VoceProgramma.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QtEndian>
#include <cstdio>

namespace {

// Keeps the samples; everything counts as played at once.
class Registratore : public AudioOutput
{
public:
    QByteArray pcm;
    int frequenza = 22050;
    void startStream(int f) override { frequenza = f; pcm.clear(); }
    void write(const QByteArray &dati) override { pcm += dati; }
    void stopStream() override {}
    qint64 playedUs() const override { return qint64(pcm.size() / 2) * 1000000 / frequenza; }
    void playEffect(const QString &) override {}
};

bool scriviWav(const QString &percorso, const QByteArray &pcm, int frequenza)
{
    QFile f(percorso);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    auto u32 = [&f](quint32 v) { v = qToLittleEndian(v); f.write(reinterpret_cast<const char *>(&v), 4); };
    auto u16 = [&f](quint16 v) { v = qToLittleEndian(v); f.write(reinterpret_cast<const char *>(&v), 2); };
    f.write("RIFF");
    u32(36 + quint32(pcm.size()));
    f.write("WAVEfmt ");
    u32(16);
    u16(1);
    u16(1);
    u32(quint32(frequenza));
    u32(quint32(frequenza) * 2);
    u16(2);
    u16(16);
    f.write("data");
    u32(quint32(pcm.size()));
    f.write(pcm);
    return true;
}

}

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: voci_wav FOLDER [VelocitaVoce]\n");
        return 2;
    }
    const QDir cartella(QString::fromLocal8Bit(argv[1]));
    QDir().mkpath(cartella.path());
    const int velocita = argc > 2 ? QByteArray(argv[2]).toInt() : 135;

    const QStringList frasi{
        QStringLiteral("Clicca sulla bocca per ascoltare la voce impostata."),
        QStringLiteral("Quante locomotive rimangono ferme?"),
        QStringLiteral("C'è una sola tartaruga chiusa nel guscio."),
        QStringLiteral("Ci sono 7 stelle marine color arancio."),
    };

    auto *registratore = new Registratore;
    EspeakEngine motore{std::unique_ptr<AudioOutput>(registratore)};
    motore.setRate(velocita);
    for (int v = 1; v <= motore.voiceCount(); ++v) {
        motore.selectVoice(v);
        for (int i = 0; i < frasi.size(); ++i) {
            motore.speak(testoPerLaVoce(frasi.at(i)));
            QElapsedTimer t;
            t.start();
            while (motore.isSpeaking() && t.elapsed() < 20000)
                QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
            const QString nome = QStringLiteral("voce%1_frase%2.wav").arg(v).arg(i + 1);
            scriviWav(cartella.filePath(nome), registratore->pcm, registratore->frequenza);
            std::printf("%s\t%s\t%s\t%.2f s\n", qPrintable(nome), qPrintable(motore.nomeEspeak(v)),
                        qPrintable(motore.voiceName(v)),
                        double(registratore->pcm.size() / 2) / registratore->frequenza);
        }
    }
    return 0;
}
