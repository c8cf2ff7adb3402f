#include "media/Attese.h"

#include "core/Chiusura.h"

namespace Attese {

Ciclo::Ciclo(Chiusura &chiusura)
    : m_chiusura(chiusura)
{
}

bool Ciclo::esegui()
{
    if (m_chiusura.inCorso())
        return false;
    m_svegliato = false;
    m_ciclo.exec();
    // Only QCoreApplication::exit ends a nested loop that we did not wake (and
    // after it, exec returns at once).
    if (!m_svegliato)
        m_chiusura.segnala();
    return !m_chiusura.inCorso();
}

void Ciclo::sveglia()
{
    m_svegliato = true;
    m_ciclo.quit();
}

}
