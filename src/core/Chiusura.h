#pragma once

// Whether the program is ending. Once it is, every wait (speech, a pause)
// returns at once and reports false, so a speak–pause–speak sequence stops
// instead of rushing through. One per run, shared through the services.
class Chiusura
{
public:
    bool inCorso() const { return m_inCorso; }
    void segnala() { m_inCorso = true; }

private:
    bool m_inCorso = false;
};
