// The record's CSV export, for the adult's spreadsheet: the answers of the
// current child, read through the progress screen's read-only connection.
#include "record/DiarioSqlite.h"

#include "core/Registri.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStorageInfo>
#include <QVariant>

namespace {

const QString IntestazioneCsv = QStringLiteral(
    "istante_utc,livello,scena,passo,scelta,giusta,modalita,intervallo_ms,tempo_risposta_ms,ignorate,giri,"
    "reazione_ms,esercizio");

QString campoCsv(const QVariant &v)
{
    if (v.isNull())
        return {};
    QString testo = v.toString();
    // A text a spreadsheet would take for a formula is kept a text.
    if (v.typeId() == QMetaType::QString && !testo.isEmpty()
        && QStringLiteral("=+-@\t").contains(testo.front()))
        testo.prepend(QLatin1Char('\''));
    if (testo.contains(QLatin1Char(',')) || testo.contains(QLatin1Char('"')) || testo.contains(QLatin1Char('\n'))
        || testo.contains(QLatin1Char('\r'))) {
        testo.replace(QLatin1Char('"'), QStringLiteral("\"\""));
        testo = QLatin1Char('"') + testo + QLatin1Char('"');
    }
    return testo;
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
        errore = query.lastError().text();
        return false;
    }
    // Written beside and renamed over an earlier export only when every byte
    // is out: a full disk leaves the earlier file whole, and says so.
    QSaveFile uscita(file);
    if (!uscita.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        errore = QStringLiteral("Non si può scrivere il file %1.").arg(QDir::toNativeSeparators(file));
        return false;
    }
    QByteArray testo = IntestazioneCsv.toUtf8() + '\n';
    auto scrivi = [&uscita, &testo] {
        const bool scritto = uscita.write(testo) == testo.size();
        testo.clear();
        return scritto;
    };
    bool intero = true;
    while (intero && query.next()) {
        QStringList campi{QDateTime::fromMSecsSinceEpoch(query.value(0).toLongLong(), Qt::UTC)
                              .toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss.zzzZ"))};
        for (int i = 1; i < 13; ++i)
            campi << campoCsv(query.value(i));
        testo += campi.join(QLatin1Char(',')).toUtf8() + '\n';
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
