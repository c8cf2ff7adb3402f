// The record's CSV export, for the adult's spreadsheet: the answers of the
// current child in words and Italian numbers, read through the progress
// screen's read-only connection.
#include "record/DiarioSqlite.h"

#include "core/Italiano.h"
#include "core/Registri.h"
#include "core/StatoProgramma.h"
#include "exercises/Esercizio.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QSaveFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStorageInfo>
#include <QVariant>

namespace {

using namespace Esercizi;

// An Italian spreadsheet splits at ';' (its decimal point is the comma) and
// reads UTF-8 only after a byte-order mark; the first line names the columns.
const QString IntestazioneCsv = QStringLiteral(
    "Data;Ora;Livello;Storia;Passo;Scelta;Risposta;Modo di comando;Velocità della scansione (s);"
    "Tempo di risposta (s);Pressioni ignorate;Giri della scansione;Reazione (s);Esercizio");

// Italian numbers and dates whatever the program's default, without a
// thousands separator: a spreadsheet would take "1.234" for a decimal point
// in another language, and it gains nothing here.
QLocale italiano()
{
    QLocale locale(QLocale::Italian, QLocale::Italy);
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale;
}

// Quoted, its quotes doubled, when it holds the separator, a quote or a line end.
QString campoCsv(QString testo, bool traVirgolette = false)
{
    if (traVirgolette || testo.contains(QLatin1Char(';')) || testo.contains(QLatin1Char('"'))
        || testo.contains(QLatin1Char('\n')) || testo.contains(QLatin1Char('\r'))) {
        testo.replace(QLatin1Char('"'), QStringLiteral("\"\""));
        testo = QLatin1Char('"') + testo + QLatin1Char('"');
    }
    return testo;
}

// A text from the record, such as a level's name from an imported file: one a
// spreadsheet would take for a formula (quoted or not) is kept a text.
QString testoCsv(QString testo)
{
    if (!testo.isEmpty() && QStringLiteral("=+-@\t").contains(testo.front()))
        testo.prepend(QLatin1Char('\''));
    return campoCsv(testo);
}

// Milliseconds as seconds with a decimal comma; empty where there is no time.
QString secondi(const QVariant &ms, const QLocale &locale)
{
    if (ms.isNull() || ms.toInt() < 0)
        return {};
    return locale.toString(ms.toInt() / 1000.0, 'f', QLocale::FloatingPointShortest);
}

// The step as the adult sees the screen: three counting questions (the
// first two asked the other way round in some additions), then the
// operation written a piece at a time.
QString nomePasso(int passo, const QLocale &locale)
{
    switch (passo) {
    case Passo::Totale: return QStringLiteral("domanda 1");
    case Passo::Secondo: return QStringLiteral("domanda 2");
    case Passo::Intero: return QStringLiteral("domanda 3");
    case Passo::PrimoInverso: return QStringLiteral("domanda 1 (ordine inverso)");
    case Passo::SecondoInverso: return QStringLiteral("domanda 2 (ordine inverso)");
    case Passo::PrimoTermine: return QStringLiteral("operazione: primo numero");
    case Passo::PrimoSegno: return QStringLiteral("operazione: segno");
    case Passo::SecondoTermine: return QStringLiteral("operazione: secondo numero");
    case Passo::Uguale: return QStringLiteral("operazione: uguale");
    case Passo::Risultato: return QStringLiteral("operazione: risultato");
    }
    return locale.toString(passo);
}

// The button the child chose: a number, or at the sign steps the sign on it.
// A sign alone is read as a text, not a formula, and quoted it says so to
// every reader; an apostrophe, as before a level's name, would show in the cell.
QString sceltaCsv(int passo, int scelta, const QLocale &locale)
{
    if (gruppoDelPasso(passo) == Gruppo::Segni) {
        switch (scelta) {
        case Segno::Piu: return campoCsv(QStringLiteral("+"), true);
        case Segno::Meno: return campoCsv(QStringLiteral("-"), true);
        case Segno::Uguale: return campoCsv(QStringLiteral("="), true);
        }
    }
    return locale.toString(scelta);
}

}

bool DiarioSqlite::esporta(const QString &file, QString &errore)
{
    attendi();
    if (!QFileInfo::exists(m_percorso)) {
        errore = QStringLiteral("Il diario è vuoto.");
        return false;
    }
    if (!apriLettura(errore))
        return false;
    QSqlQuery query(QSqlDatabase::database(m_lettura, false));
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT istante, livello, scena, passo, scelta, giusta, modalita, intervallo_ms,"
                                 " tempo_risposta_ms, ignorate, giri, reazione_ms, esercizio FROM risposte"
                                 " WHERE bambino = ? ORDER BY istante, id"));
    query.addBindValue(m_bambino);
    if (!query.exec()) {
        qCWarning(lcEsercizio).noquote() << "record: export query failed:" << query.lastError().text();
        errore = QStringLiteral("il diario non si può leggere: %1.").arg(motivoLettura(query.lastError()));
        return false;
    }
    // Written beside and renamed over an earlier export only when every byte
    // is out: a full disk leaves the earlier file whole, and says so.
    QSaveFile uscita(file);
    if (!uscita.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        errore = QStringLiteral("Non si può scrivere il file %1.").arg(QDir::toNativeSeparators(file));
        return false;
    }
    QByteArray testo = "\xEF\xBB\xBF" + IntestazioneCsv.toUtf8() + '\n';
    auto scrivi = [&uscita, &testo] {
        const bool scritto = uscita.write(testo) == testo.size();
        testo.clear();
        return scritto;
    };
    const QLocale locale = italiano();
    bool intero = true;
    while (intero && query.next()) {
        // The adult's own clock, as the progress screen counts days.
        const QDateTime quando = QDateTime::fromMSecsSinceEpoch(query.value(0).toLongLong());
        const int passo = query.value(3).toInt(), modalita = query.value(6).toInt();
        const QStringList campi{
            Italiano::data(quando.date()),
            locale.toString(quando.time(), QStringLiteral("HH:mm:ss")),
            testoCsv(query.value(1).toString()),
            locale.toString(query.value(2).toInt()),
            nomePasso(passo, locale),
            sceltaCsv(passo, query.value(4).toInt(), locale),
            query.value(5).toBool() ? QStringLiteral("giusta") : QStringLiteral("sbagliata"),
            Italiano::nomeModalita(modalita),
            // Only the automatic scan has a speed.
            modalita == Modalita::ScansioneAutomatica ? secondi(query.value(7), locale) : QString(),
            secondi(query.value(8), locale),
            locale.toString(query.value(9).toInt()),
            query.value(10).isNull() ? QString() : locale.toString(query.value(10).toInt()),
            secondi(query.value(11), locale),
            locale.toString(query.value(12).toLongLong()),
        };
        testo += campi.join(QLatin1Char(';')).toUtf8() + '\n';
        if (testo.size() > (1 << 20))
            intero = scrivi();
    }
    if (!intero || !scrivi() || !uscita.commit()) {
        uscita.cancelWriting();
        const QStorageInfo disco(QFileInfo(file).absolutePath());
        errore = disco.bytesAvailable() < (1 << 20)
            ? QStringLiteral("Il disco è pieno: il diario non è stato esportato in %1.").arg(QDir::toNativeSeparators(file))
            : QStringLiteral("La scrittura di %1 non è riuscita: il diario non è stato esportato.")
                  .arg(QDir::toNativeSeparators(file));
        qCWarning(lcEsercizio).noquote() << "record: export to" << file << "failed:" << uscita.errorString();
        return false;
    }
    return true;
}
