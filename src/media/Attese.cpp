#include "media/Attese.h"

#include <QCoreApplication>

namespace {
bool g_chiusura = false;
}

namespace Attese {

bool programmaInChiusura()
{
    return g_chiusura;
}

void segnalaChiusura()
{
    g_chiusura = true;
}

Ciclo::Ciclo()
{
    static const bool collegato = [] {
        if (auto *app = QCoreApplication::instance())
            QObject::connect(app, &QCoreApplication::aboutToQuit, [] { g_chiusura = true; });
        return true;
    }();
    Q_UNUSED(collegato);
}

bool Ciclo::esegui()
{
    if (g_chiusura)
        return false;
    m_svegliato = false;
    m_ciclo.exec();
    // Only QCoreApplication::exit ends a nested loop that we did not wake (and
    // after it, exec returns at once).
    if (!m_svegliato)
        g_chiusura = true;
    return !g_chiusura;
}

void Ciclo::sveglia()
{
    m_svegliato = true;
    m_ciclo.quit();
}

}
