#include "core/Tempo.h"

#include <algorithm>

TempoReale &TempoReale::programma()
{
    static TempoReale tempo;
    return tempo;
}

Sveglia::Sveglia(Tempo &tempo, QObject *parent)
    : QObject(parent)
    , m_tempo(tempo)
{
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &Sveglia::controlla);
    connect(&m_tempo, &Tempo::avanzato, this, &Sveglia::controlla);
}

void Sveglia::punta(qint64 istanteMs)
{
    m_istante = istanteMs;
    m_attiva = true;
    if (!m_tempo.manuale())
        m_timer.start(int(std::clamp<qint64>(istanteMs - m_tempo.adessoMs(), 0, 24 * 3600 * 1000)));
}

void Sveglia::ferma()
{
    m_attiva = false;
    m_timer.stop();
}

void Sveglia::controlla()
{
    // A ring may set the next alarm at an instant that has already passed.
    while (m_attiva && m_tempo.adessoMs() >= m_istante) {
        m_attiva = false;
        emit suona();
    }
    if (m_attiva && !m_tempo.manuale() && !m_timer.isActive())
        m_timer.start(int(std::max<qint64>(0, m_istante - m_tempo.adessoMs())));
}
