#include "media/AudioOutput.h"

#include "media/QtAudioOutput.h"

#include <QElapsedTimer>
#include <QMediaDevices>
#include <QAudioDevice>

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
    m_durata = 0;
}

void NullAudioOutput::write(const QByteArray &pcm)
{
    // The stream "plays" from its first sample on, and never faster than real
    // time: after a gap it goes on from where the samples run out.
    const qint64 adesso = orologioUs();
    if (m_inizio < 0)
        m_inizio = adesso;
    else if (adesso - m_inizio > m_durata)
        m_inizio = adesso - m_durata;
    m_durata += qint64(pcm.size() / 2) * 1000000 / m_frequenza;
}

void NullAudioOutput::stopStream()
{
    m_inizio = -1;
    m_durata = 0;
}

qint64 NullAudioOutput::playedUs() const
{
    if (m_inizio < 0)
        return 0;
    return qMin(orologioUs() - m_inizio, m_durata);
}

std::unique_ptr<AudioOutput> creaUscitaAudio()
{
    if (QMediaDevices::defaultAudioOutput().isNull())
        return std::make_unique<NullAudioOutput>();
    return std::make_unique<QtAudioOutput>();
}
