#pragma once

#include <QEventLoop>

// The program's waits (speech, pauses) run a nested event loop that sleeps
// until something wakes it, so the interface stays alive at no cost.
//
// Once the application has been told to quit (QCoreApplication::quit/exit,
// or aboutToQuit), every wait returns at once and reports false: a sequence
// of speak–pause–speak must then stop instead of rushing through.
namespace Attese {

bool programmaInChiusura();
// For whoever ends the program without going through QCoreApplication.
void segnalaChiusura();

// One nested wait: esegui() sleeps until sveglia() and returns true, or
// returns false when the program is quitting.
class Ciclo
{
public:
    Ciclo();
    bool esegui();
    void sveglia();
    QObject *contesto() { return &m_ciclo; }  // receiver of the waking signals

private:
    QEventLoop m_ciclo;
    bool m_svegliato = false;
};

}
