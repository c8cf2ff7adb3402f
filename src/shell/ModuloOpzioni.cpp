#include "shell/ModuloOpzioni.h"

#include "core/Registri.h"
#include "core/StatoProgramma.h"
#include "shell/ModuloPerIni.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

#include <optional>

namespace ModuloOpzioni {

namespace {

const QString NomeFile = QStringLiteral("calcolotti-scansione.ini");

bool comeBooleano(const QVariant &valore, bool *ok)
{
    const QString testo = valore.toString().trimmed().toLower();
    *ok = testo == QLatin1String("true") || testo == QLatin1String("false");
    return testo == QLatin1String("true");
}

// `anche`: one more value taken outside the range (the "off" of an option).
template <typename T>
void leggi(QSettings &file, const char *chiave, T minimo, T massimo, T &campo, std::optional<T> anche = {})
{
    if (!file.contains(QLatin1String(chiave)))
        return;
    const QVariant valore = file.value(QLatin1String(chiave));
    bool ok = false;
    T letto{};
    if constexpr (std::is_same_v<T, bool>)
        letto = comeBooleano(valore, &ok);
    else if constexpr (std::is_same_v<T, double>)
        letto = valore.toString().trimmed().toDouble(&ok);
    else
        letto = T(valore.toString().trimmed().toInt(&ok));
    if (ok && ((letto >= minimo && letto <= massimo) || (anche && letto == *anche))) {
        campo = letto;
        return;
    }
    qCWarning(lcInput).noquote() << Registri::momento() << "scanning option" << chiave << "="
                                 << valore.toString() << "is not valid: the default is kept";
}

}

QString percorso(const StatoProgramma &stato)
{
    return QFileInfo(stato.PercorsoIni).dir().filePath(NomeFile);
}

void LeggiOpzioni(StatoProgramma &stato)
{
    stato.Scansione = OpzioniScansione();
    const QFileInfo info(percorso(stato));
    if (!info.exists())
        return;
    // A pipe or a device would hang or harm the start: only ordinary files.
    if (!info.isFile() || !info.isReadable()) {
        qCWarning(lcInput).noquote() << Registri::momento() << "scanning options not readable:" << info.filePath();
        return;
    }
    QSettings file(info.filePath(), QSettings::IniFormat);
    if (file.status() != QSettings::NoError) {
        qCWarning(lcInput).noquote() << Registri::momento() << "scanning options not readable:" << info.filePath();
        return;
    }
    file.beginGroup(QStringLiteral("scansione"));
    OpzioniScansione &o = stato.Scansione;
    leggi(file, "voce", false, true, o.voce);
    leggi(file, "suono", false, true, o.suono);
    leggi(file, "ritardoPrimo", 1.0, 3.0, o.ritardoPrimo);
    leggi(file, "giri", 0, 10, o.giri);
    leggi(file, "pressioneMinimaMs", 0, 2000, o.pressioneMinimaMs);
    leggi(file, "ignoraRipetuteMs", 0, 2000, o.ignoraRipetuteMs);
    leggi(file, "gruppi", false, true, o.gruppi);
    leggi(file, "bordo", false, true, o.bordo);
    leggi(file, "ingrandisci", false, true, o.ingrandisci);
    leggi(file, "pausaDopoSceltaMs", 0, 2000, o.pausaDopoSceltaMs);
    // 0 turns it off; a limit under a second would cancel ordinary presses.
    leggi(file, "pressioneMassimaMs", 1000, 10000, o.pressioneMassimaMs, std::optional<int>(0));
}

bool SalvaOpzioni(const StatoProgramma &stato)
{
    return SalvaOpzioniOMotivo(stato).isEmpty();
}

QString SalvaOpzioniOMotivo(const StatoProgramma &stato)
{
    const OpzioniScansione &o = stato.Scansione;
    auto si = [](bool b) { return b ? QStringLiteral("true") : QStringLiteral("false"); };
    const QString testo = QStringLiteral(
                              "[scansione]\nvoce=%1\nsuono=%2\nritardoPrimo=%3\ngiri=%4\npressioneMinimaMs=%5\n"
                              "ignoraRipetuteMs=%6\ngruppi=%7\nbordo=%8\ningrandisci=%9\n")
                              .arg(si(o.voce), si(o.suono), QString::number(o.ritardoPrimo, 'g', 3))
                              .arg(o.giri)
                              .arg(o.pressioneMinimaMs)
                              .arg(o.ignoraRipetuteMs)
                              .arg(si(o.gruppi), si(o.bordo), si(o.ingrandisci))
        + QStringLiteral("pausaDopoSceltaMs=%1\npressioneMassimaMs=%2\n")
              .arg(o.pausaDopoSceltaMs)
              .arg(o.pressioneMassimaMs);
    const QString dove = percorso(stato);
    const QFileInfo info(dove);
    QString motivo;
    if (info.isSymLink()) {
        const QFileInfo bersaglio(info.symLinkTarget());
        if (bersaglio.isFile() && bersaglio.canonicalPath() != QFileInfo(info.absolutePath()).canonicalFilePath())
            motivo = QStringLiteral("il collegamento %1 porta fuori dalla cartella delle impostazioni").arg(dove);
    }
    if (motivo.isEmpty() && !info.exists() && !info.isSymLink())
        QDir().mkpath(info.absolutePath());
    if (motivo.isEmpty())
        motivo = ModuloPerIni::OstacoloAlSalvataggio(dove);
    if (motivo.isEmpty())
        motivo = ModuloPerIni::ScriviSostituendo(dove, testo.toUtf8());
    if (!motivo.isEmpty())
        qCWarning(lcInput).noquote() << Registri::momento() << "scanning options not saved:" << motivo;
    return motivo;
}

}
