#include "media/AudioOutput.h"

#include "core/Estensioni.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QMutex>
#include <QThread>
#include <QTimer>

qint64 orologioUs()
{
    static QElapsedTimer orologio = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    return orologio.nsecsElapsed() / 1000;
}

void NullAudioOutput::startStream(int sampleRate)
{
    m_frequenza = sampleRate > 0 ? sampleRate : 22050;
    m_inizio = -1;
    m_campioni = 0;
}

// From the sample count, never summed per piece: rounding each piece down
// would leave the stream forever short of the speech's own length.
qint64 NullAudioOutput::durataUs() const
{
    return m_campioni * 1000000 / m_frequenza;
}

void NullAudioOutput::write(const QByteArray &pcm)
{
    // The stream "plays" from its first sample on, and never faster than real
    // time: after a gap it goes on from where the samples run out.
    const qint64 adesso = orologioUs();
    if (m_inizio < 0)
        m_inizio = adesso;
    else if (adesso - m_inizio > durataUs())
        m_inizio = adesso - durataUs();
    m_campioni += pcm.size() / 2;
}

void NullAudioOutput::stopStream()
{
    m_inizio = -1;
    m_campioni = 0;
}

qint64 NullAudioOutput::playedUs() const
{
    if (m_inizio < 0)
        return 0;
    return qMin(orologioUs() - m_inizio, durataUs());
}

namespace {

QThread *g_filoSonoro = nullptr;
QObject *g_contestoSonoro = nullptr;  // lives on the sound thread
bool g_trattenuto = false;  // the thread waits for liberaSuono()

// At the application's end, after the outputs' last work. A thread still stuck
// in the sound server is left to the process's exit: waiting for it would hang
// the program's last step.
void fermaFiloSonoro()
{
    if (!g_filoSonoro)
        return;
    QMetaObject::invokeMethod(g_contestoSonoro, [] { QThread::currentThread()->quit(); }, Qt::QueuedConnection);
    if (g_filoSonoro->wait(2000)) {
        delete g_contestoSonoro;
        delete g_filoSonoro;
    }
    g_filoSonoro = nullptr;
    g_contestoSonoro = nullptr;
}

// Made on the interface thread, on first use, and kept until the application ends:
// Qt Multimedia's objects made on it must not outlive it.
QObject *contestoSonoro()
{
    if (!g_filoSonoro) {
        g_filoSonoro = new QThread;
        g_filoSonoro->setObjectName(QStringLiteral("suono"));
        g_contestoSonoro = new QObject;
        g_contestoSonoro->moveToThread(g_filoSonoro);
        if (!g_trattenuto)
            g_filoSonoro->start();
        qAddPostRoutine(fermaFiloSonoro);
    }
    return g_contestoSonoro;
}

}

void trattieniSuono()
{
    g_trattenuto = true;
}

void liberaSuono()
{
    g_trattenuto = false;
    if (g_filoSonoro && !g_filoSonoro->isRunning() && !g_filoSonoro->isFinished())
        g_filoSonoro->start();
}

// Touched on the sound thread only, but for the report, which the interface
// thread reads under the lock.
struct UscitaAsincrona::Interna
{
    std::unique_ptr<AudioOutput> uscita;
    std::unique_ptr<QTimer> sonda;  // reads the inner clock while a stream plays
    quint64 flusso = 0;

    mutable QMutex lucchetto;
    quint64 flussoRiferito = 0;
    qint64 suonatiUs = 0;

    void riferisci(qint64 us)
    {
        QMutexLocker chiave(&lucchetto);
        flussoRiferito = flusso;
        suonatiUs = us;
    }
};

UscitaAsincrona::UscitaAsincrona(std::function<std::unique_ptr<AudioOutput>()> crea, QObject *parent)
    : AudioOutput(parent)
    , m_interna(std::make_shared<Interna>())
{
    esegui([crea = std::move(crea)](Interna &interna) {
        interna.uscita = crea();
        interna.sonda = std::make_unique<QTimer>();
        interna.sonda->setInterval(10);
        QObject::connect(interna.sonda.get(), &QTimer::timeout, [&interna] {
            interna.riferisci(interna.uscita->playedUs());
        });
    });
}

UscitaAsincrona::~UscitaAsincrona()
{
    esegui([](Interna &interna) {
        interna.sonda.reset();
        interna.uscita.reset();
    });
}

void UscitaAsincrona::esegui(std::function<void(Interna &)> compito)
{
    QMetaObject::invokeMethod(contestoSonoro(), [interna = m_interna, compito = std::move(compito)] {
        compito(*interna);
    }, Qt::QueuedConnection);
}

void UscitaAsincrona::startStream(int sampleRate)
{
    const quint64 flusso = ++m_flusso;
    esegui([flusso, sampleRate](Interna &interna) {
        interna.uscita->startStream(sampleRate);
        interna.flusso = flusso;
        interna.riferisci(0);
        interna.sonda->start();
    });
}

void UscitaAsincrona::write(const QByteArray &pcm)
{
    esegui([pcm](Interna &interna) { interna.uscita->write(pcm); });
}

void UscitaAsincrona::stopStream()
{
    ++m_flusso;
    esegui([](Interna &interna) {
        interna.sonda->stop();
        interna.uscita->stopStream();
    });
}

qint64 UscitaAsincrona::playedUs() const
{
    QMutexLocker chiave(&m_interna->lucchetto);
    return m_interna->flussoRiferito == m_flusso ? m_interna->suonatiUs : 0;
}

void UscitaAsincrona::playEffect(const QString &path)
{
    esegui([path](Interna &interna) { interna.uscita->playEffect(path); });
}

std::unique_ptr<AudioOutput> creaUscitaAudio()
{
    return std::make_unique<UscitaAsincrona>([]() -> std::unique_ptr<AudioOutput> {
        Estensioni *estensioni = Estensioni::istanza();
        std::unique_ptr<AudioOutput> uscita = estensioni ? estensioni->uscitaAudio() : nullptr;
        if (!uscita)
            return std::make_unique<NullAudioOutput>();
        return uscita;
    });
}
