#include "media/QtAudioOutput.h"

#include <QAudioFormat>
#include <QAudioSink>
#include <QFileInfo>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

#include <cstring>

void FlussoPcm::svuota()
{
    m_dati.clear();
    m_letti = 0;
}

void FlussoPcm::accoda(const QByteArray &pcm)
{
    // Drop what has been read before growing, so a long session stays small.
    if (m_letti > 0 && m_letti == m_dati.size())
        svuota();
    m_dati.append(pcm);
    emit readyRead();
}

qint64 FlussoPcm::bytesAvailable() const
{
    return m_dati.size() - m_letti + QIODevice::bytesAvailable();
}

qint64 FlussoPcm::readData(char *data, qint64 maxSize)
{
    const qint64 n = qMin(maxSize, qint64(m_dati.size()) - m_letti);
    if (n <= 0)
        return 0;
    std::memcpy(data, m_dati.constData() + m_letti, size_t(n));
    m_letti += n;
    return n;
}

qint64 FlussoPcm::writeData(const char *data, qint64 size)
{
    accoda(QByteArray(data, int(size)));
    return size;
}

QtAudioOutput::QtAudioOutput(QObject *parent)
    : AudioOutput(parent)
{
    m_flusso.open(QIODevice::ReadWrite);
}

QtAudioOutput::~QtAudioOutput()
{
    if (m_sink)
        m_sink->stop();
}

bool QtAudioOutput::sinkFunziona() const
{
    return m_sink && m_sink->error() != QAudio::OpenError && m_sink->state() != QAudio::StoppedState;
}

void QtAudioOutput::startStream(int sampleRate)
{
    if (m_sink)
        m_sink->stop();
    m_flusso.svuota();
    m_campioni = 0;
    m_avviato = false;
    m_orologio.startStream(sampleRate);
    // A fresh sink for every speech: a pulse stream stopped and started again
    // stalls for seconds before it plays on.
    {
        m_sink.reset();
        QAudioFormat formato;
        formato.setSampleRate(sampleRate);
        formato.setChannelCount(1);
        formato.setSampleFormat(QAudioFormat::Int16);
        m_sink = std::make_unique<QAudioSink>(QMediaDevices::defaultAudioOutput(), formato);
        m_frequenzaSink = sampleRate;
    }
}

void QtAudioOutput::write(const QByteArray &pcm)
{
    m_flusso.accoda(pcm);
    m_orologio.write(pcm);
    m_campioni += pcm.size() / 2;
    // The sink starts with the first samples, so its first pull finds some
    // and its clock counts from the speech's start.
    if (!m_avviato && m_sink) {
        m_avviato = true;
        m_sink->start(&m_flusso);
    }
}

void QtAudioOutput::stopStream()
{
    if (m_sink)
        m_sink->stop();
    m_flusso.svuota();
    m_orologio.stopStream();
    m_campioni = 0;
    m_avviato = false;
}

qint64 QtAudioOutput::playedUs() const
{
    if (!sinkFunziona())
        return m_orologio.playedUs();
    return qMin(m_sink->processedUSecs(), m_campioni * 1000000 / m_frequenzaSink);
}

void QtAudioOutput::playEffect(const QString &path)
{
    if (!QFileInfo(path).isFile())
        return;
    // Made on first use: the speech engines' outputs never play effects.
    if (!m_effetto)
        m_effetto = new QSoundEffect(this);
    m_effetto->stop();
    m_effetto->setSource(QUrl::fromLocalFile(path));
    m_effetto->play();
}
