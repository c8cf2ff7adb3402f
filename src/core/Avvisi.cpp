#include "core/Avvisi.h"

#include <QCoreApplication>
#include <QMutexLocker>

Avvisi &Avvisi::programma()
{
    // The speech worker may be the first to ask: the list still lives on the
    // interface thread, where the menu reads it. Never destroyed, so no part
    // can outlive it.
    static Avvisi *const avvisi = [] {
        auto *nuovi = new Avvisi;
        if (auto *app = QCoreApplication::instance())
            nuovi->moveToThread(app->thread());
        return nuovi;
    }();
    return *avvisi;
}

void Avvisi::aggiungi(const QString &tipo, const QString &testo)
{
    {
        QMutexLocker blocco(&m_mutex);
        if (m_tipi.contains(tipo))
            return;
        m_tipi << tipo;
        m_testi << testo;
    }
    emit cambiati();
}

QStringList Avvisi::testi() const
{
    QMutexLocker blocco(&m_mutex);
    return m_testi;
}
