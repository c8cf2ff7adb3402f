#pragma once

#include "media/Voce.h"

#include <functional>
#include <memory>

class FormBocca;

// Parla over the program-wide engine, which lives on the hidden FormBocca,
// created on first use.
class VoceProgramma : public Voce
{
public:
    explicit VoceProgramma(std::function<std::unique_ptr<SpeechEngine>()> creaMotore);
    ~VoceProgramma() override;

    SpeechEngine &motore() override;
    bool Parla(const QString &testo) override;

private:
    std::function<std::unique_ptr<SpeechEngine>()> m_creaMotore;
    std::unique_ptr<FormBocca> m_formBocca;
};

// Pausa on a monotonic clock.
class AttesaProgramma : public Attesa
{
public:
    bool Pausa(double secondi) override;
};
