#include "media/VoceProgramma.h"

#include "media/FormBocca.h"
#include "media/SpeechEngine.h"

VoceProgramma::VoceProgramma(std::function<std::unique_ptr<SpeechEngine>()> creaMotore)
    : m_creaMotore(std::move(creaMotore))
{
}

VoceProgramma::~VoceProgramma() = default;

SpeechEngine &VoceProgramma::motore()
{
    if (!m_formBocca)
        m_formBocca = std::make_unique<FormBocca>(m_creaMotore());
    return m_formBocca->Bocca();
}

bool VoceProgramma::Parla(const QString &testo)
{
    SpeechEngine &bocca = motore();
    bocca.stop();
    if (!testo.isEmpty())
        bocca.speak(testo);
    return true;
}

bool AttesaProgramma::Pausa(double)
{
    return true;
}
