#include "media/FormBocca.h"

#include "media/Bocca.h"
#include "media/SpeechEngine.h"
#include "core/Twips.h"

FormBocca::FormBocca(std::unique_ptr<SpeechEngine> motore)
    : m_motore(std::move(motore))
{
    setObjectName(QStringLiteral("FormBocca"));
    setWindowTitle(QStringLiteral("Form11"));
    m_bocca = new ::Bocca(*m_motore, this);
    m_bocca->setGeometry(Twips::rect(720, 480, 3495, 2175));
}

// The mouth goes first: it watches the engine.
FormBocca::~FormBocca()
{
    delete m_bocca;
}
