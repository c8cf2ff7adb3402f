#pragma once

#include <QEventLoop>

class Chiusura;

// The program's waits (speech, pauses) run a nested event loop that sleeps
// until something wakes it, so the interface stays alive at no cost.
//
// Once the program is ending (Chiusura), every wait returns at once and
// reports false.
namespace Attese {

// One nested wait: esegui() sleeps until sveglia() and returns true, or
// returns false when the program is quitting.
class Ciclo
{
public:
    explicit Ciclo(Chiusura &chiusura);
    bool esegui();
    void sveglia();
    QObject *contesto() { return &m_ciclo; }  // receiver of the waking signals

private:
    Chiusura &m_chiusura;
    QEventLoop m_ciclo;
    bool m_svegliato = false;
};

}
