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

std::unique_ptr<AudioOutput> creaUscitaAudio()
{
    if (QMediaDevices::defaultAudioOutput().isNull())
        return std::make_unique<NullAudioOutput>();
    return std::make_unique<QtAudioOutput>();
}
