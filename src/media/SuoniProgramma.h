#pragma once

#include "media/Voce.h"

#include <QString>
#include <memory>

class AudioOutput;
class Generatore;
struct StatoProgramma;

// SuonoSi and SuonoNo over the numbered wave files of suoni/si and suoni/no.
// The folder is listed again at every call, so sounds added while the program
// runs are heard at once.
class SuoniProgramma : public Suoni
{
public:
    // Plays on the default audio output.
    SuoniProgramma(const StatoProgramma &stato, Generatore &casuale, const QString &cartellaProgramma);
    SuoniProgramma(const StatoProgramma &stato, Generatore &casuale, const QString &cartellaProgramma,
                   AudioOutput &uscita);
    ~SuoniProgramma() override;

    void SuonoSi() override;
    void SuonoNo() override;
    int durataUltimoMs() const override { return m_durataUltimo; }
    // The scan's tick plays whether or not the reward sounds are on: it is
    // the scan's own option.
    void SuonoPasso() override;
    void SuonoAnnullato() override;

    // How long a wave file plays, from its header; 0 when it cannot be read.
    static int durataMs(const QString &file);

    // The file a sound folder would play for the draw r in [0, 1).
    static QString fileScelto(const QString &cartellaSuoni, double r);

private:
    void suona(const QString &sottocartella);

    const StatoProgramma &m_stato;
    Generatore &m_casuale;
    QString m_cartella;
    std::unique_ptr<AudioOutput> m_propria;
    AudioOutput &m_uscita;
    int m_durataUltimo = 0;
};
