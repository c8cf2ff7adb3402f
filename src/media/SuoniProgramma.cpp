#include "media/SuoniProgramma.h"

#include "media/AudioOutput.h"
#include "core/Generatore.h"
#include "core/StatoProgramma.h"

#include <QDir>
#include <cmath>

SuoniProgramma::SuoniProgramma(const StatoProgramma &stato, Generatore &casuale,
                               const QString &cartellaProgramma)
    : m_stato(stato)
    , m_casuale(casuale)
    , m_cartella(cartellaProgramma)
    , m_propria(creaUscitaAudio())
    , m_uscita(*m_propria)
{
}

SuoniProgramma::SuoniProgramma(const StatoProgramma &stato, Generatore &casuale,
                               const QString &cartellaProgramma, AudioOutput &uscita)
    : m_stato(stato)
    , m_casuale(casuale)
    , m_cartella(cartellaProgramma)
    , m_uscita(uscita)
{
}

SuoniProgramma::~SuoniProgramma() = default;

void SuoniProgramma::SuonoSi()
{
    suona(QStringLiteral("suoni/si"));
}

void SuoniProgramma::SuonoNo()
{
    suona(QStringLiteral("suoni/no"));
}

void SuoniProgramma::suona(const QString &sottocartella)
{
    if (!m_stato.SuoniAttivati)
        return;
    const QString cartella = QDir(m_cartella).filePath(sottocartella);
    m_uscita.playEffect(fileScelto(cartella, m_casuale.Rnd()));
}

QString SuoniProgramma::fileScelto(const QString &cartellaSuoni, double r)
{
    // Every entry matching *.wav counts, folders too; a badly named file
    // counts but is never played, as a gap in the numbering names a file
    // that is not there.
    const QStringList voci = QDir(cartellaSuoni).entryList(
        {QStringLiteral("*.wav")}, QDir::AllEntries | QDir::Hidden | QDir::System, QDir::Name);
    qint64 conteggio = 0;
    for (const QString &voce : voci)
        if (voce != QLatin1String(".") && voce != QLatin1String(".."))
            ++conteggio;
    const qint64 n = qint64(std::floor(double(conteggio) * r)) + 1;
    return QDir(cartellaSuoni).filePath(QString::number(n) + QStringLiteral(".wav"));
}
