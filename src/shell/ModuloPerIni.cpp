#include "shell/ModuloPerIni.h"

#include "core/Registri.h"
#include "core/StatoProgramma.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QStorageInfo>

#include <cmath>
#include <optional>

namespace ModuloPerIni {

namespace {

const char *const NomeCartella = "ImpostazioniProgrammiLumba";
const char *const NomeFile = "calcolotti.ini";

// A cursor over the file's bytes with the field rules of the positional format:
// a field ends at a comma or a line end, blanks before it are skipped, and a
// number also ends at a blank.
class Campi
{
public:
    explicit Campi(const QByteArray &testo) : m_testo(testo) {}

    // The text of the next field, or nothing at the end of the file.
    std::optional<QByteArray> testo()
    {
        if (!inizia())
            return std::nullopt;
        const int inizio = m_pos;
        while (m_pos < m_testo.size() && !fineCampo(m_testo[m_pos]))
            ++m_pos;
        QByteArray campo = m_testo.mid(inizio, m_pos - inizio);
        consumaSeparatore();
        return campo.trimmed();
    }

    std::optional<QByteArray> numero()
    {
        if (!inizia())
            return std::nullopt;
        const int inizio = m_pos;
        while (m_pos < m_testo.size() && !fineCampo(m_testo[m_pos]) && m_testo[m_pos] != ' ')
            ++m_pos;
        QByteArray campo = m_testo.mid(inizio, m_pos - inizio);
        // Blanks after a number, then the comma or line end that closes it.
        while (m_pos < m_testo.size() && m_testo[m_pos] == ' ')
            ++m_pos;
        consumaSeparatore();
        return campo;
    }

private:
    static bool fineCampo(char c) { return c == ',' || c == '\r' || c == '\n'; }

    bool inizia()
    {
        while (m_pos < m_testo.size() && (m_testo[m_pos] == ' ' || m_testo[m_pos] == '\t'))
            ++m_pos;
        return m_pos < m_testo.size();
    }

    void consumaSeparatore()
    {
        if (m_pos >= m_testo.size())
            return;
        if (m_testo[m_pos] == ',') {
            ++m_pos;
        } else if (m_testo[m_pos] == '\r') {
            ++m_pos;
            if (m_pos < m_testo.size() && m_testo[m_pos] == '\n')
                ++m_pos;
        } else if (m_testo[m_pos] == '\n') {
            ++m_pos;
        }
    }

    const QByteArray &m_testo;
    int m_pos = 0;
};

// A decimal number: sign, digits, an optional fraction and exponent. Anything
// else (letters, an empty field) is a read failure.
std::optional<double> comeDouble(const QByteArray &campo)
{
    if (campo.isEmpty())
        return std::nullopt;
    int i = 0;
    const int n = campo.size();
    if (campo[i] == '+' || campo[i] == '-')
        ++i;
    int cifre = 0;
    while (i < n && std::isdigit(static_cast<unsigned char>(campo[i]))) {
        ++i;
        ++cifre;
    }
    if (i < n && campo[i] == '.') {
        ++i;
        while (i < n && std::isdigit(static_cast<unsigned char>(campo[i]))) {
            ++i;
            ++cifre;
        }
    }
    if (cifre == 0)
        return std::nullopt;
    if (i < n && (campo[i] == 'e' || campo[i] == 'E')) {
        ++i;
        if (i < n && (campo[i] == '+' || campo[i] == '-'))
            ++i;
        int esponente = 0;
        while (i < n && std::isdigit(static_cast<unsigned char>(campo[i]))) {
            ++i;
            ++esponente;
        }
        if (esponente == 0)
            return std::nullopt;
    }
    if (i != n)
        return std::nullopt;
    bool ok = false;
    const double valore = campo.toDouble(&ok);
    if (!ok || !std::isfinite(valore))
        return std::nullopt;
    return valore;
}

// The file stores the voice, the two speeds and the input mode as whole
// numbers. A hand-edited value with a fraction is still read, rounded half to
// even (nearbyint in the default rounding mode: 2.5 gives 2, 3.5 gives 4), so a
// value halfway between two settings leans neither up nor down; one that does
// not fit 16 bits is a read failure.
std::optional<int16_t> comeIntero16(const QByteArray &campo)
{
    const auto valore = comeDouble(campo);
    if (!valore)
        return std::nullopt;
    const double arrotondato = std::nearbyint(*valore);
    if (arrotondato < -32768.0 || arrotondato > 32767.0)
        return std::nullopt;
    return static_cast<int16_t>(arrotondato);
}

QByteArray numeroConSegno(double valore)
{
    // One blank where a minus sign would stand, one blank after.
    QByteArray testo = QByteArray::number(valore, 'g', 15);
    return (valore < 0 ? testo : " " + testo) + " ";
}

QByteArray testoLeggimi()
{
    return QStringLiteral(
               "Questa cartella contiene i files di impostazione di Calcolotti e dei programmi che la "
               "condividono.\r\n"
               " \r\n"
               "Se qualche programma presenta problemi di funzionamento può essere utile cancellare il "
               "file *.ini relativo al programma in quata cartella.\r\n"
               " \r\n"
               "Non cancellare questo file.\r\n")
        .toLatin1();
}

// Written beside and renamed over, as the settings are: never left half-written.
bool scriviLeggimi()
{
    QSaveFile file(PercorsoLeggimi());
    const QByteArray testo = testoLeggimi();
    return file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) && file.write(testo) == testo.size()
        && file.commit();
}

// A readme that an earlier save left empty or cut short (a full disk) is
// written whole; one the user deleted or changed is left alone.
void completaLeggimi()
{
    QFile file(PercorsoLeggimi());
    if (!QFileInfo(file).isFile() || !file.open(QIODevice::ReadOnly))
        return;
    const QByteArray presente = file.read(64 * 1024);
    const QByteArray atteso = testoLeggimi();
    file.close();
    if (presente.size() < atteso.size() && atteso.startsWith(presente))
        scriviLeggimi();
}

// Why the settings file cannot be replaced, before anything is touched; empty
// when nothing stands in the way.
bool salva(const StatoProgramma &stato, QString &motivo)
{
    const QString cartella = CartellaImpostazioni();
    if (!EsisteCartella(cartella))
        CreaCartellaImpostazioni(cartella);
    else
        completaLeggimi();
    motivo = OstacoloAlSalvataggio(stato.PercorsoIni);
    if (motivo.isEmpty())
        motivo = ScriviSostituendo(stato.PercorsoIni, ScriviInTesto(stato));
    return motivo.isEmpty();
}

}

QString OstacoloAlSalvataggio(const QString &percorso)
{
    const QFileInfo info(percorso);
    if (info.isDir())
        return QStringLiteral("al posto del file %1 c'è una cartella").arg(percorso);
    if (info.isSymLink() && !info.isFile())
        return QStringLiteral("il collegamento %1 non porta a un file normale").arg(percorso);
    if (info.exists() && !info.isFile())
        return QStringLiteral("%1 non è un file normale").arg(percorso);
    if (info.exists() && !info.isWritable())
        return QStringLiteral("il file %1 è di sola lettura").arg(percorso);
    // Through a link the new file is written in the target's folder.
    const QFileInfo cartella(QFileInfo(info.isSymLink() ? info.symLinkTarget() : percorso).absolutePath());
    if (cartella.exists() && !cartella.isDir())
        return QStringLiteral("al posto della cartella %1 c'è un file").arg(cartella.filePath());
    if (!cartella.isDir())
        return QStringLiteral("la cartella %1 non esiste").arg(cartella.filePath());
    if (!cartella.isWritable())
        return QStringLiteral("nella cartella %1 non si può scrivere").arg(cartella.filePath());
    return QString();
}

QString ScriviSostituendo(const QString &percorso, const QByteArray &dati)
{
    // Unbuffered, so a short write (a full disk) shows in write()'s count
    // instead of being lost in a flush that reports success.
    QSaveFile file(percorso);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return QStringLiteral("non si può creare il nuovo file accanto a %1").arg(percorso);
    if (file.write(dati) != dati.size()) {
        file.cancelWriting();
        const QStorageInfo disco(QFileInfo(percorso).absolutePath());
        return disco.bytesAvailable() < dati.size() ? QStringLiteral("il disco è pieno")
                                                    : QStringLiteral("la scrittura di %1 si è interrotta").arg(percorso);
    }
    if (!file.commit())
        return QStringLiteral("non si può sostituire il file %1").arg(percorso);
    return QString();
}

QString CartellaImpostazioni()
{
#ifdef Q_OS_WIN
    return QStringLiteral("C:/") + NomeCartella;
#else
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QLatin1Char('/')
        + QLatin1String(NomeCartella);
#endif
}

QString PercorsoIniPredefinito()
{
    return CartellaImpostazioni() + QLatin1Char('/') + QLatin1String(NomeFile);
}

QString PercorsoLeggimi()
{
    return CartellaImpostazioni() + QStringLiteral("/leggimi.txt");
}

void ImpostazioniPredefinite(StatoProgramma &stato)
{
    stato.SuoniAttivati = true;
    stato.DisabilitaMousePersonalizzato = false;
    stato.ColoreScansione = 255;
    stato.NumeroVoce = 1;
    stato.VelocitaVoce = 135;
    stato.VelocitaScansione = 4;
    stato.ModalitaInput = Modalita::Mouse;
}

bool LeggiDaTesto(const QByteArray &contenuto, StatoProgramma &stato)
{
    // Some editors begin a file with a UTF-8 byte-order mark; it is no field.
    static const QByteArray Bom("\xEF\xBB\xBF");
    if (contenuto.startsWith(Bom))
        return LeggiDaTesto(contenuto.mid(Bom.size()), stato);
    Campi campi(contenuto);
    const auto suoni = campi.testo();
    const auto mouse = campi.testo();
    if (!suoni || !mouse)
        return false;
    const auto colore = campi.numero();
    if (!colore)
        return false;
    const auto coloreValore = comeDouble(*colore);
    if (!coloreValore)
        return false;
    int16_t interi[4];
    for (int16_t &intero : interi) {
        const auto campo = campi.numero();
        if (!campo)
            return false;
        const auto valore = comeIntero16(*campo);
        if (!valore)
            return false;
        intero = *valore;
    }
    stato.SuoniAttivati = suoni->startsWith('T');
    stato.DisabilitaMousePersonalizzato = mouse->startsWith('T');
    stato.ColoreScansione = *coloreValore;
    stato.NumeroVoce = interi[0];
    stato.VelocitaVoce = interi[1];
    stato.VelocitaScansione = interi[2];
    stato.ModalitaInput = interi[3];
    return true;
}

void LeggiImpostazioni(StatoProgramma &stato)
{
    // Only an ordinary file is opened: a named pipe would wait for a writer for
    // ever, a device may never end.
    if (!EsisteFile(stato.PercorsoIni)) {
        const QFileInfo info(stato.PercorsoIni);
        if (info.exists() || info.isSymLink())
            qCWarning(lcAvvio).noquote()
                << QStringLiteral("impostazioni: %1 non è un file normale; valori predefiniti").arg(stato.PercorsoIni);
        ImpostazioniPredefinite(stato);
        return;
    }
    QFile file(stato.PercorsoIni);
    // The seven fields sit at the top; a huge file is not read past its start.
    if (!file.open(QIODevice::ReadOnly) || !LeggiDaTesto(file.read(64 * 1024), stato)) {
        qCWarning(lcAvvio).noquote()
            << QStringLiteral("impostazioni: %1 illeggibile o incompleto; valori predefiniti").arg(stato.PercorsoIni);
        ImpostazioniPredefinite(stato);
    }
}

QByteArray ScriviInTesto(const StatoProgramma &stato)
{
    QByteArray testo;
    testo += stato.SuoniAttivati ? "T\r\n" : "F\r\n";
    testo += stato.DisabilitaMousePersonalizzato ? "T\r\n" : "F\r\n";
    for (double valore : {stato.ColoreScansione, double(stato.NumeroVoce), double(stato.VelocitaVoce),
                          double(stato.VelocitaScansione), double(stato.ModalitaInput)})
        testo += numeroConSegno(valore) + "\r\n";
    return testo;
}

bool SalvaImpostazioni(const StatoProgramma &stato)
{
    return SalvaImpostazioniOMotivo(stato).isEmpty();
}

QString SalvaImpostazioniOMotivo(const StatoProgramma &stato)
{
    QString motivo;
    if (!salva(stato, motivo))
        qCWarning(lcAvvio).noquote() << "impossibile salvare le impostazioni:" << motivo;
    return motivo;
}

bool CreaCartellaImpostazioni(const QString &cartella)
{
    // Missing parents are made too: on a fresh account the configuration
    // folder itself may not exist yet.
    return QDir().mkpath(cartella) && scriviLeggimi();
}

bool EsisteCartella(const QString &percorso)
{
    return !percorso.isEmpty() && QFileInfo::exists(percorso);
}

bool EsisteFile(const QString &percorso)
{
    const QFileInfo info(percorso);
    return !percorso.isEmpty() && info.exists() && info.isFile() && !info.isHidden();
}

}
