#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

// The clock the input model reads. The real one is monotonic; the manual one
// moves only when a test steps it, so a scan can be followed tick by tick.
class Tempo : public QObject
{
    Q_OBJECT
public:
    virtual qint64 adessoMs() const = 0;
    virtual bool manuale() const { return false; }

signals:
    void avanzato();  // a manual clock moved: alarms that are due ring
};

class TempoReale : public Tempo
{
    Q_OBJECT
public:
    TempoReale() { m_avvio.start(); }
    qint64 adessoMs() const override { return m_avvio.elapsed(); }
    static TempoReale &programma();

private:
    QElapsedTimer m_avvio;
};

class TempoManuale : public Tempo
{
    Q_OBJECT
public:
    qint64 adessoMs() const override { return m_ora; }
    bool manuale() const override { return true; }
    void avanza(qint64 ms)
    {
        m_ora += ms;
        emit avanzato();
    }

private:
    qint64 m_ora = 0;
};

// A one-shot alarm at an instant of a Tempo.
class Sveglia : public QObject
{
    Q_OBJECT
public:
    explicit Sveglia(Tempo &tempo, QObject *parent = nullptr);
    void punta(qint64 istanteMs);
    void ferma();
    bool attiva() const { return m_attiva; }
    qint64 istante() const { return m_istante; }

signals:
    void suona();

private:
    void controlla();

    Tempo &m_tempo;
    QTimer m_timer;
    qint64 m_istante = 0;
    bool m_attiva = false;
};
