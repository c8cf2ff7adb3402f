#include "media/SuoniProgramma.h"

#include "media/AudioOutput.h"
#include "core/Generatore.h"
#include "core/StatoProgramma.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtEndian>
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
    m_durataUltimo = 0;
    if (!m_stato.SuoniAttivati)
        return;
    const QString cartella = QDir(m_cartella).filePath(sottocartella);
    const QString file = fileScelto(cartella, m_casuale.Rnd());
    m_durataUltimo = durataMs(file);
    m_uscita.playEffect(file);
}

void SuoniProgramma::SuonoPasso()
{
    m_uscita.playEffect(QDir(m_cartella).filePath(QStringLiteral("suoni/passo.wav")));
}

void SuoniProgramma::SuonoAnnullato()
{
    m_uscita.playEffect(QDir(m_cartella).filePath(QStringLiteral("suoni/annullata.wav")));
}

int SuoniProgramma::durataMs(const QString &file)
{
    QFile wav(file);
    if (!QFileInfo(file).isFile() || !wav.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray testa = wav.read(4096);
    if (testa.size() < 12 || !testa.startsWith("RIFF") || testa.mid(8, 4) != "WAVE")
        return 0;
    auto parola32 = [&testa](qsizetype i) { return qFromLittleEndian<quint32>(testa.constData() + i); };
    quint32 byteAlSecondo = 0;
    for (qsizetype i = 12; i + 8 <= testa.size();) {
        const QByteArray nome = testa.mid(i, 4);
        const quint32 lunghezza = parola32(i + 4);
        if (nome == "fmt " && i + 20 <= testa.size())
            byteAlSecondo = parola32(i + 8 + 8);
        if (nome == "data")
            return byteAlSecondo ? int(qint64(lunghezza) * 1000 / byteAlSecondo) : 0;
        i += 8 + lunghezza + (lunghezza & 1);
    }
    return 0;
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
