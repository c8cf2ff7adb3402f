#pragma once

#include <QString>

class SpeechEngine;

// The program-wide speech: the engine of FormBocca (created on first use) and
// Parla. Parla returns false when the wait was cut short because the program
// is ending, so a caller's sequence knows to stop.
class Voce
{
public:
    virtual ~Voce() = default;
    virtual SpeechEngine &motore() = 0;
    virtual bool Parla(const QString &testo) = 0;
};

// Pausa: waits the given seconds while the interface stays alive. Returns
// false when the program is ending.
class Attesa
{
public:
    virtual ~Attesa() = default;
    virtual bool Pausa(double secondi) = 0;
};

// SuonoSi and SuonoNo: a random reward or error sound when SuoniAttivati.
class Suoni
{
public:
    virtual ~Suoni() = default;
    virtual void SuonoSi() = 0;
    virtual void SuonoNo() = 0;
    // How long the sound just started lasts, in ms; 0 when none plays.
    virtual int durataUltimoMs() const { return 0; }
    // The soft tick of a scan step.
    virtual void SuonoPasso() {}
    // A press held too long was let go and chose nothing.
    virtual void SuonoAnnullato() {}
};
