#include "shell/ModuloPerIni.h"

#include "core/StatoProgramma.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include <cmath>
#include <cstdio>
#include <optional>

namespace ModuloPerIni {

const char *const SitoProduttore = "https://calcolotti.example.org";

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

// A 16-bit field takes the number rounded half to even, as the original
// integer fields did; a value that does not fit is a read failure.
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
    if (!EsisteFile(stato.PercorsoIni))
        ImpostazioniPredefinite(stato);
    QFile file(stato.PercorsoIni);
    // The seven fields sit at the top; a huge file is not read past its start.
    if (!file.open(QIODevice::ReadOnly) || !LeggiDaTesto(file.read(64 * 1024), stato))
        ImpostazioniPredefinite(stato);
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
    const QString cartella = CartellaImpostazioni();
    if (!EsisteCartella(cartella))
        CreaCartellaImpostazioni(cartella);
    // Written beside and then renamed over the old file, so a crash in the
    // middle never leaves a half-written settings file.
    // Unbuffered, so a short write (a full disk) shows in write()'s count
    // instead of being lost in a flush that reports success.
    QSaveFile file(stato.PercorsoIni);
    const QByteArray testo = ScriviInTesto(stato);
    bool ok = file.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    if (ok && file.write(testo) != testo.size()) {
        file.cancelWriting();
        ok = false;
    }
    ok = ok && file.commit();
    if (!ok)
        std::fprintf(stderr, "calcolotti: impossibile salvare le impostazioni in %s\n",
                     qPrintable(stato.PercorsoIni));
    return ok;
}

bool CreaCartellaImpostazioni(const QString &cartella)
{
    // Missing parents are made too: on a fresh account the configuration
    // folder itself may not exist yet.
    if (!QDir().mkpath(cartella))
        return false;
    QFile leggimi(PercorsoLeggimi());
    if (!leggimi.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    const QString righe = QStringLiteral(
        "Questa cartella contiene i files di impostazione dei programmi presenti nel sito %1.\r\n"
        " \r\n"
        "Se qualche programma presenta problemi di funzionamento può essere utile cancellare il "
        "file *.ini relativo al programma in quata cartella.\r\n"
        " \r\n"
        "Non cancellare questo file.\r\n")
                              .arg(QLatin1String(SitoProduttore));
    return leggimi.write(righe.toLatin1()) >= 0;
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
