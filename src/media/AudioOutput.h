#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <functional>
#include <memory>

// Where speech samples and sound effects are heard. The real one plays through
// Qt Multimedia; the null one stays silent but keeps time, so a machine
// without sound (or a test) paces speech exactly as one with sound would.
class AudioOutput : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;
    ~AudioOutput() override = default;

    // Speech: a stream of 16-bit mono samples. startStream drops whatever the
    // previous stream still had queued.
    virtual void startStream(int sampleRate) = 0;
    virtual void write(const QByteArray &pcm) = 0;
    virtual void stopStream() = 0;
    // Microseconds of the current stream already played. Speech ends when this
    // reaches its own length; nobody waits for a playback signal.
    virtual qint64 playedUs() const = 0;

    // Plays a wave file in the background in place of the effect still
    // playing. A missing or unreadable file plays nothing.
    virtual void playEffect(const QString &path) = 0;
};

// Keeps time without making a sound.
class NullAudioOutput : public AudioOutput
{
    Q_OBJECT
public:
    using AudioOutput::AudioOutput;
    void startStream(int sampleRate) override;
    void write(const QByteArray &pcm) override;
    void stopStream() override;
    qint64 playedUs() const override;
    void playEffect(const QString &) override {}

private:
    qint64 durataUs() const;

    qint64 m_inizio = -1;   // monotonic µs of the first sample, -1 before it
    qint64 m_campioni = 0;  // written to the stream
    int m_frequenza = 22050;
};

// Runs another output on the sound thread (one for the whole process), so that
// a sound server that stalls never holds up the interface: every call here
// returns at once. Samples and effects reach the inner output in order;
// playedUs() is what it last reported for the current stream, 0 until then, so
// speech held up in the server ends by the engine's watchdog.
class UscitaAsincrona : public AudioOutput
{
    Q_OBJECT
public:
    // `crea` runs on the sound thread; the inner output lives and dies there.
    explicit UscitaAsincrona(std::function<std::unique_ptr<AudioOutput>()> crea, QObject *parent = nullptr);
    ~UscitaAsincrona() override;
    void startStream(int sampleRate) override;
    void write(const QByteArray &pcm) override;
    void stopStream() override;
    qint64 playedUs() const override;
    void playEffect(const QString &path) override;

    struct Interna;

private:
    void esegui(std::function<void(Interna &)> compito);

    std::shared_ptr<Interna> m_interna;
    quint64 m_flusso = 0;  // the current stream; its predecessors' reports are stale
};

// On the sound thread: the Qt Multimedia output of the default device when
// there is one, otherwise the null output.
std::unique_ptr<AudioOutput> creaUscitaAudio();

// On the interface thread. The program holds the sound thread back until its
// splash is painted: the first output loads the sound and speech libraries,
// which the splash must not wait for. Work given to outputs meanwhile is done
// once the thread is let go.
void trattieniSuono();
void liberaSuono();

// Monotonic microseconds, for the outputs and the engine's watchdog.
qint64 orologioUs();
