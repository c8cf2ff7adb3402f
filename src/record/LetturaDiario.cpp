// The record's reading side: the progress screen's totals and the CSV export,
// on the interface thread with a read-only connection of their own, beside
// the writer thread's.
#include "record/DiarioSqlite.h"

#include "core/Registri.h"
#include "core/StatoProgramma.h"
#include "exercises/Descrizioni.h"
#include "record/ConsiglioVelocita.h"

#include <QDateTime>
#include <QFileInfo>
#include <QDir>
#include <QStorageInfo>
#include <QMap>
#include <QSaveFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace {

// The median of counts per tenth of a second, in ms (the lower edge of its
// tenth); -1 when there is nothing.
int mediana(const QMap<int, int> &quante)
{
    int totale = 0;
    for (int n : quante)
        totale += n;
    if (totale == 0)
        return -1;
    // The two middle ranks (the same one for an odd count), from 1.
    const int bassa = (totale + 1) / 2, alta = totale / 2 + 1;
    int visti = 0, decimiBassa = -1;
    for (auto q = quante.begin(); q != quante.end(); ++q) {
        visti += q.value();
        if (decimiBassa < 0 && visti >= bassa)
            decimiBassa = q.key();
        if (visti >= alta)
            return (decimiBassa + q.key()) * 50;
    }
    return decimiBassa * 100;
}

}

bool DiarioSqlite::apriLettura(QString &errore)
{
    // Opening a pipe would wait for a writer for ever.
    if (const QString perche = ostacolo(m_percorso); !perche.isEmpty()) {
        errore = QStringLiteral("Il diario non si può leggere: %1.").arg(perche);
        return false;
    }
    if (m_lettura.isEmpty()) {
        m_lettura = QStringLiteral("diario-lettura-%1").arg(quintptr(this));
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_lettura);
        db.setDatabaseName(m_percorso);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=500"));
    }
    QSqlDatabase db = QSqlDatabase::database(m_lettura, false);
    if (!db.isOpen() && !db.open()) {
        errore = QStringLiteral("Il diario non si può leggere: %1").arg(db.lastError().text());
        return false;
    }
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("SELECT max(numero) FROM versione")) || !query.next()) {
        errore = QStringLiteral("Il diario non si può leggere: %1").arg(query.lastError().text());
        return false;
    }
    if (query.value(0).toInt() != Versione) {
        errore = QStringLiteral("Il diario è di un'altra versione di Calcolotti (schema %1).").arg(query.value(0).toInt());
        return false;
    }
    return true;
}

void DiarioSqlite::chiudiLettura()
{
    if (m_lettura.isEmpty())
        return;
    QSqlDatabase::database(m_lettura, false).close();
    QSqlDatabase::removeDatabase(m_lettura);
    m_lettura.clear();
}

Riepilogo DiarioSqlite::riepilogo(qint64 dalMs, int intervalloMs)
{
    Riepilogo r;
    attendi();
    if (!QFileInfo::exists(m_percorso) || !apriLettura(r.errore))
        return r;
    const QSqlDatabase db = QSqlDatabase::database(m_lettura, false);
    const qint64 primo = dalMs > 0 ? QDateTime::fromMSecsSinceEpoch(dalMs).date().toJulianDay() : 0;

    // The levels in the menu's order, then any the menu no longer has.
    QHash<QString, int> indice;
    auto livello = [&](const QString &nome) {
        auto trovato = indice.constFind(nome);
        if (trovato != indice.constEnd())
            return *trovato;
        indice.insert(nome, int(r.livelli.size()));
        r.livelli.append({nome});
        return int(r.livelli.size()) - 1;
    };
    for (int numero : Esercizi::LivelliDelMenu)
        livello(QString::fromUtf8(Esercizi::descrizione(numero).nomeLivello));

    QSqlQuery query(db);
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT giorno, livello, giuste, sbagliate, ignorate, finiti, non_finiti FROM giorni"
                                 " WHERE bambino = ? AND giorno >= ? ORDER BY giorno"));
    query.addBindValue(m_bambino);
    query.addBindValue(primo);
    if (!query.exec()) {
        r.errore = query.lastError().text();
        return r;
    }
    struct Somma {
        qint64 giorno;
        int livello, giuste, sbagliate, ignorate, finiti, nonFiniti;
    };
    QVector<Somma> somme;
    while (query.next())
        somme.append({query.value(0).toLongLong(), livello(query.value(1).toString()), query.value(2).toInt(),
                      query.value(3).toInt(), query.value(4).toInt(), query.value(5).toInt(), query.value(6).toInt()});
    query.finish();
    if (somme.isEmpty())
        return r;

    // A long span is drawn week by week, each week under its Monday.
    r.settimane = somme.last().giorno - somme.first().giorno >= 62;
    auto gruppo = [&r](qint64 giorno) {
        return r.settimane ? giorno - QDate::fromJulianDay(giorno).dayOfWeek() + 1 : giorno;
    };
    QMap<qint64, int> colonne;
    for (const Somma &s : std::as_const(somme))
        colonne.insert(gruppo(s.giorno), 0);
    for (auto c = colonne.begin(); c != colonne.end(); ++c) {
        c.value() = int(r.giorni.size());
        r.giorni << QDate::fromJulianDay(c.key());
    }
    r.finiti.fill(0, r.giorni.size());
    r.giuste.fill(0, r.giorni.size());
    r.sbagliate.fill(0, r.giorni.size());
    for (const Somma &s : std::as_const(somme)) {
        const int c = colonne.value(gruppo(s.giorno));
        r.finiti[c] += s.finiti;
        r.giuste[c] += s.giuste;
        r.sbagliate[c] += s.sbagliate;
        LivelloRiepilogo &l = r.livelli[s.livello];
        l.finiti += s.finiti;
        l.nonFiniti += s.nonFiniti;
        l.giuste += s.giuste;
        l.sbagliate += s.sbagliate;
        l.ignorate += s.ignorate;
    }

    // Medians from the counts per tenth of a second, per column and per level.
    query.prepare(QStringLiteral("SELECT giorno, livello, decimi, quante FROM tempi WHERE bambino = ? AND giorno >= ?"));
    query.addBindValue(m_bambino);
    query.addBindValue(primo);
    if (!query.exec()) {
        r.errore = query.lastError().text();
        return r;
    }
    QHash<QPair<int, int>, QMap<int, int>> perColonna;
    QHash<int, QMap<int, int>> perLivello;
    while (query.next()) {
        const int l = livello(query.value(1).toString());
        const int decimi = query.value(2).toInt(), quante = query.value(3).toInt();
        perColonna[{colonne.value(gruppo(query.value(0).toLongLong())), l}][decimi] += quante;
        perLivello[l][decimi] += quante;
    }
    r.mediane.resize(r.livelli.size());
    for (int l = 0; l < r.livelli.size(); ++l) {
        r.livelli[l].medianaMs = mediana(perLivello.value(l));
        r.mediane[l].first = r.livelli[l].livello;
        for (int c = 0; c < r.giorni.size(); ++c)
            r.mediane[l].second << mediana(perColonna.value({c, l}));
    }

    query.prepare(QStringLiteral("SELECT giri, reazione_ms FROM risposte WHERE modalita = ? AND intervallo_ms = ?"
                                 " AND istante >= ? AND bambino = ? AND giri IS NOT NULL AND reazione_ms IS NOT NULL"
                                 " ORDER BY istante DESC LIMIT ?"));
    query.addBindValue(int(Modalita::ScansioneAutomatica));
    query.addBindValue(intervalloMs);
    query.addBindValue(dalMs);
    query.addBindValue(m_bambino);
    query.addBindValue(ConsiglioVelocita::MassimoCampioni);
    if (query.exec())
        while (query.next())
            r.campioni.append({query.value(0).toInt(), query.value(1).toInt()});
    return r;
}
