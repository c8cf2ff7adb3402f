#include "media/SuoniProgramma.h"

SuoniProgramma::SuoniProgramma(const StatoProgramma &stato, Generatore &casuale,
                               const QString &cartellaProgramma)
    : m_stato(stato), m_casuale(casuale), m_cartella(cartellaProgramma)
{
}

void SuoniProgramma::SuonoSi() {}
void SuoniProgramma::SuonoNo() {}
