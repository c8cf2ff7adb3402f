#pragma once

#include "media/AudioOutput.h"

#include <QIODevice>
#include <memory>

class QAudioSink;
class QSoundEffect;

// A growing queue of samples that the sink pulls from: speech arrives in
// pieces while the first ones already play.
class FlussoPcm : public QIODevice
{
    Q_OBJECT
public:
    using QIODevice::QIODevice;
    void svuota();
    void accoda(const QByteArray &pcm);
    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override;

protected:
    qint64 readData(char *data, qint64 maxSize) override;
    qint64 writeData(const char *data, qint64 size) override;

private:
    QByteArray m_dati;
    qint64 m_letti = 0;
};

// Speech through a QAudioSink on the default device, effects through
// QSoundEffect. When the sink cannot open, the stream keeps time like the
// null output, so the speech keeps its pace.
class QtAudioOutput : public AudioOutput
{
    Q_OBJECT
public:
    explicit QtAudioOutput(QObject *parent = nullptr);
    ~QtAudioOutput() override;

    void startStream(int sampleRate) override;
    void write(const QByteArray &pcm) override;
    void stopStream() override;
    qint64 playedUs() const override;
    void playEffect(const QString &path) override;

private:
    bool sinkFunziona() const;

    std::unique_ptr<QAudioSink> m_sink;
    int m_frequenzaSink = 0;
    FlussoPcm m_flusso;
    NullAudioOutput m_orologio;  // stands in when the sink fails
    qint64 m_campioni = 0;       // written to the current stream
    bool m_avviato = false;      // the sink is playing the current stream
    QSoundEffect *m_effetto = nullptr;
};
