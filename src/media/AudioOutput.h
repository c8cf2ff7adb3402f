#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
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

// The Qt Multimedia output of the default device when there is one, otherwise
// the null output.
std::unique_ptr<AudioOutput> creaUscitaAudio();

// Monotonic microseconds, for the outputs and the engine's watchdog.
qint64 orologioUs();
