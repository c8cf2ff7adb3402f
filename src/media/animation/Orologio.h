#pragma once

#include <QElapsedTimer>

// Where the player reads the time. The scenes move by the clock, never by
// counting frames, so a manual clock can step them exactly (tests, contact sheet).
class Orologio
{
public:
    virtual ~Orologio() = default;
    virtual qint64 millisecondi() const = 0;
};

class OrologioReale : public Orologio
{
public:
    OrologioReale() { m_avvio.start(); }
    qint64 millisecondi() const override { return m_avvio.elapsed(); }

private:
    QElapsedTimer m_avvio;
};

// Moves only when told to.
class OrologioManuale : public Orologio
{
public:
    qint64 millisecondi() const override { return m_ora; }
    void avanza(qint64 ms) { m_ora += ms; }

private:
    qint64 m_ora = 0;
};
