#pragma once

#include <QMutex>
#include <QObject>
#include <QStringList>

// Notices for the adult about something the program misses (a scene, the
// Italian voice). Each kind is noted once per run, by whichever part finds it;
// the menu shows them. Safe to add to from any thread.
class Avvisi : public QObject
{
    Q_OBJECT
public:
    // The program's own list, for parts that have no services at hand.
    static Avvisi &programma();

    // A kind already noted keeps its first text.
    void aggiungi(const QString &tipo, const QString &testo);
    QStringList testi() const;

signals:
    void cambiati();

private:
    mutable QMutex m_mutex;
    QStringList m_tipi;
    QStringList m_testi;
};
