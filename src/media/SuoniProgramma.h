#pragma once

#include "media/Voce.h"

#include <QString>

class Generatore;
struct StatoProgramma;

// SuonoSi and SuonoNo over the numbered wave files of suoni/si and suoni/no.
class SuoniProgramma : public Suoni
{
public:
    SuoniProgramma(const StatoProgramma &stato, Generatore &casuale, const QString &cartellaProgramma);
    void SuonoSi() override;
    void SuonoNo() override;

private:
    const StatoProgramma &m_stato;
    Generatore &m_casuale;
    QString m_cartella;
};
