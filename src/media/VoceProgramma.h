#pragma once

#include "media/Voce.h"

#include <QPointer>
#include <functional>
#include <memory>

class Chiusura;
class FormBocca;

// The text as the engine should read it: Italian accented letters as letter
// plus apostrophe, "’" as "'", "&" spelled out, "·" and "_" dropped; every
// other character as it is.
QString testoPerLaVoce(const QString &testo);

// Parla over the program-wide engine, which lives on the hidden FormBocca,
// created on first use. Parla returns false when it gave up waiting because
// the program is quitting (see Attese).
class VoceProgramma : public Voce
{
public:
    VoceProgramma(std::function<std::unique_ptr<SpeechEngine>()> creaMotore, Chiusura &chiusura);
    ~VoceProgramma() override;

    SpeechEngine &motore() override;
    bool Parla(const QString &testo) override;

private:
    std::function<std::unique_ptr<SpeechEngine>()> m_creaMotore;
    Chiusura &m_chiusura;
    // A top-level widget: whoever tears the program down may delete it first.
    QPointer<FormBocca> m_formBocca;
};

// Pausa on a monotonic clock; false when the program is quitting.
class AttesaProgramma : public Attesa
{
public:
    explicit AttesaProgramma(Chiusura &chiusura) : m_chiusura(chiusura) {}
    bool Pausa(double secondi) override;

private:
    Chiusura &m_chiusura;
};
