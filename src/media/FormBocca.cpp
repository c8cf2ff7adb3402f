#include "media/FormBocca.h"

#include "media/SpeechEngine.h"

FormBocca::FormBocca(std::unique_ptr<SpeechEngine> motore)
    : m_motore(std::move(motore))
{
    setWindowTitle(QStringLiteral("Form11"));
}

FormBocca::~FormBocca() = default;
