// The record's reading side: the progress screen's totals, on the interface thread with a read-only connection of their own, beside
// the writer thread's.
#include "record/DiarioSqlite.h"

#include "core/Registri.h"
#include "core/StatoProgramma.h"
#include "exercises/Descrizioni.h"
#include "record/ConsiglioVelocita.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QMap>
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
        qCWarning(lcEsercizio).noquote() << "record: cannot open for reading:" << db.lastError().text();
        errore = QStringLiteral("Il diario non si può leggere: %1.").arg(motivoLettura(db.lastError()));
        return false;
    }
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("SELECT max(numero) FROM versione")) || !query.next()) {
        qCWarning(lcEsercizio).noquote() << "record: cannot read its version:" << query.lastError().text();
        errore = QStringLiteral("Il diario non si può leggere: %1.").arg(motivoLettura(query.lastError()));
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

namespace {

// A column's key in SQL from a local Julian day `giorno`, and back to its first day.
QString colonnaSql(Riepilogo::Grana grana, const QString &giorno)
{
    switch (grana) {
    case Riepilogo::Giorno:
        return giorno;
    case Riepilogo::Settimana:  // Julian day 0 was a Monday
        return QStringLiteral("(%1 - %1 % 7)").arg(giorno);
    case Riepilogo::Mese:
        return QStringLiteral("CAST(strftime('%Y%m', %1) AS INTEGER)").arg(giorno);
    }
    return giorno;
}

QDate primoGiorno(Riepilogo::Grana grana, qint64 chiave)
{
    return grana == Riepilogo::Mese ? QDate(int(chiave / 100), int(chiave % 100), 1) : QDate::fromJulianDay(chiave);
}

// Columns up to a month of days, then weeks while they stay as many, then months.
Riepilogo::Grana granaPer(qint64 giorni)
{
    return giorni <= 31 ? Riepilogo::Giorno : giorni <= 31 * 7 ? Riepilogo::Settimana : Riepilogo::Mese;
}

}

Riepilogo DiarioSqlite::riepilogo(qint64 dalMs, int intervalloMs, const FiltroDiario &filtro)
{
    Riepilogo r;
    attendi();
    if (!QFileInfo::exists(m_percorso) || !apriLettura(r.errore))
        return r;
    QElapsedTimer orologio;
    orologio.start();
    QStringList tappe;  // how long each read took, for the log
    auto tappa = [&](const char *nome) { tappe << QStringLiteral("%1 %2 ms").arg(QLatin1String(nome)).arg(orologio.restart()); };
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
    auto esegui = [&](const QString &sql, const QVariantList &valori) {
        query.prepare(sql);
        for (const QVariant &v : valori)
            query.addBindValue(v);
        if (query.exec())
            return true;
        qCWarning(lcEsercizio).noquote() << "record: a read failed:" << query.lastError().text();
        r.errore = QStringLiteral("Il diario non si può leggere: %1.").arg(motivoLettura(query.lastError()));
        return false;
    };

    // The span decides the columns; every filter shares them.
    if (!esegui(QStringLiteral("SELECT min(giorno), max(giorno) FROM giorni WHERE bambino = ? AND giorno >= ?"),
                {m_bambino, primo})
        || !query.next() || query.isNull(0))
        return r;
    r.grana = granaPer(query.value(1).toLongLong() - query.value(0).toLongLong() + 1);
    query.finish();

    // The filter: the mode picks rows, the kind of step picks the answers'
    // columns only (exercises are not steps).
    const QString perModo = filtro.modalita >= 0 ? QStringLiteral(" AND modalita = ?") : QString();
    // Every read takes the child, where the period begins (in its table's
    // unit) and the mode when one is picked.
    auto parametri = [&](const QVariant &dal) {
        QVariantList valori{m_bambino, dal};
        if (filtro.modalita >= 0)
            valori << filtro.modalita;
        return valori;
    };
    const QVariantList valori = parametri(primo);
    const QString passi = filtro.passi == FiltroDiario::TuttiIPassi ? QStringLiteral("1")
                          : filtro.passi == FiltroDiario::Operazione ? QStringLiteral("operazione = 1")
                                                                     : QStringLiteral("operazione = 0");
    const QString colonnaGiorni = colonnaSql(r.grana, QStringLiteral("giorno"));

    struct Somma {
        qint64 colonna;
        int livello;
        int conti[7];  // giuste, sbagliate, ignorate, finiti, non finiti, domande, giuste al primo
    };
    QVector<Somma> somme;
    if (!esegui(QStringLiteral("SELECT %1, livello, sum(CASE WHEN %2 THEN giuste ELSE 0 END),"
                               " sum(CASE WHEN %2 THEN sbagliate ELSE 0 END), sum(CASE WHEN %2 THEN ignorate ELSE 0 END),"
                               " sum(finiti), sum(non_finiti), sum(CASE WHEN %2 THEN domande ELSE 0 END),"
                               " sum(CASE WHEN %2 THEN giuste_al_primo ELSE 0 END) FROM giorni"
                               " WHERE bambino = ? AND giorno >= ?%3 GROUP BY 1, 2")
                    .arg(colonnaGiorni, passi, perModo),
                valori))
        return r;
    while (query.next()) {
        Somma s{query.value(0).toLongLong(), livello(query.value(1).toString()), {}};
        for (int i = 0; i < 7; ++i)
            s.conti[i] = query.value(2 + i).toInt();
        somme.append(s);
    }
    query.finish();
    tappa("totals");

    QMap<qint64, int> colonne;
    for (const Somma &s : std::as_const(somme))
        colonne.insert(s.colonna, 0);
    for (auto c = colonne.begin(); c != colonne.end(); ++c) {
        c.value() = int(r.giorni.size());
        r.giorni << primoGiorno(r.grana, c.key());
    }
    r.finiti.fill(0, r.giorni.size());
    r.giuste.fill(0, r.giorni.size());
    r.sbagliate.fill(0, r.giorni.size());
    for (const Somma &s : std::as_const(somme)) {
        const int c = colonne.value(s.colonna);
        r.giuste[c] += s.conti[0];
        r.sbagliate[c] += s.conti[1];
        r.finiti[c] += s.conti[3];
        LivelloRiepilogo &l = r.livelli[s.livello];
        l.giuste += s.conti[0];
        l.sbagliate += s.conti[1];
        l.ignorate += s.conti[2];
        l.finiti += s.conti[3];
        l.nonFiniti += s.conti[4];
        l.domande += s.conti[5];
        l.giusteAlPrimoTentativo += s.conti[6];
    }

    // Medians from the counts per tenth of a second, per column and per level:
    // whole months from their own totals, the first month of a period that
    // begins inside one from its days.
    const QString perPassi = filtro.passi == FiltroDiario::TuttiIPassi ? QString() : QStringLiteral(" AND ") + passi;
    QString tempi = QStringLiteral("SELECT %1, livello, decimi, sum(quante) FROM tempi WHERE bambino = ? AND giorno >= ?%2%3")
                        .arg(colonnaGiorni, perModo, perPassi);
    QVariantList valoriTempi = valori;
    if (r.grana == Riepilogo::Mese) {
        const QDate inizio = QDate::fromJulianDay(primo);
        const bool meseAMeta = primo > 0 && inizio.day() > 1;
        const QDate primoIntero = meseAMeta ? QDate(inizio.year(), inizio.month(), 1).addMonths(1) : inizio;
        const QString mesi = QStringLiteral("SELECT mese, livello, decimi, sum(quante) FROM tempi_mesi"
                                            " WHERE bambino = ? AND mese >= ?%1%2").arg(perModo, perPassi);
        const QVariantList valoriMesi = parametri(primo > 0 ? primoIntero.year() * 100 + primoIntero.month() : 0);
        if (meseAMeta) {
            tempi += QStringLiteral(" AND giorno < %1 GROUP BY 1, 2, 3 UNION ALL ").arg(primoIntero.toJulianDay()) + mesi;
            valoriTempi += valoriMesi;
        } else {
            tempi = mesi;
            valoriTempi = valoriMesi;
        }
    }
    if (!esegui(tempi + QStringLiteral(" GROUP BY 1, 2, 3"), valoriTempi))
        return r;
    QHash<QPair<int, int>, QMap<int, int>> perColonna;
    QHash<int, QMap<int, int>> perLivello;
    while (query.next()) {
        const int l = livello(query.value(1).toString());
        const int decimi = query.value(2).toInt(), quante = query.value(3).toInt();
        perColonna[{colonne.value(query.value(0).toLongLong()), l}][decimi] += quante;
        perLivello[l][decimi] += quante;
    }
    query.finish();
    tappa("times");

    // The exercises: time to finish, and the newest.
    const QString esercizi = QStringLiteral(" FROM esercizi WHERE bambino = ? AND inizio >= ?") + perModo;
    const QVariantList valoriEsercizi = parametri(dalMs);
    if (!esegui(QStringLiteral("SELECT livello, (fine - inizio) / 100, count(*)%1 AND finito = 1 AND fine IS NOT NULL"
                               " GROUP BY 1, 2").arg(esercizi),
                valoriEsercizi))
        return r;
    QHash<int, QMap<int, int>> durate;
    while (query.next())
        durate[livello(query.value(0).toString())][query.value(1).toInt()] += query.value(2).toInt();
    query.finish();

    r.mediane.resize(r.livelli.size());
    for (int l = 0; l < r.livelli.size(); ++l) {
        r.livelli[l].medianaMs = mediana(perLivello.value(l));
        r.livelli[l].medianaEsercizioMs = mediana(durate.value(l));
        r.mediane[l].first = r.livelli[l].livello;
        for (int c = 0; c < r.giorni.size(); ++c)
            r.mediane[l].second << mediana(perColonna.value({c, l}));
    }

    if (!esegui(QStringLiteral("SELECT inizio, fine, livello, famiglia, scena, giuste, sbagliate, finito, modalita%1"
                               " ORDER BY inizio DESC, id DESC LIMIT %2").arg(esercizi).arg(EserciziRecenti),
                valoriEsercizi))
        return r;
    while (query.next()) {
        EsercizioRecente e;
        e.inizioMs = query.value(0).toLongLong();
        e.durataMs = query.isNull(1) ? -1 : int(query.value(1).toLongLong() - e.inizioMs);
        e.livello = query.value(2).toString();
        e.famiglia = query.value(3).toString();
        e.scena = query.value(4).toInt();
        e.giuste = query.value(5).toInt();
        e.sbagliate = query.value(6).toInt();
        e.finito = query.value(7).toInt() != 0;
        e.modalita = query.value(8).toInt();
        r.recenti << e;
    }
    query.finish();
    tappa("exercises");

    esegui(QStringLiteral("SELECT giri, reazione_ms FROM risposte WHERE modalita = ? AND intervallo_ms = ?"
                          " AND istante >= ? AND bambino = ? AND giri IS NOT NULL AND reazione_ms IS NOT NULL"
                          " ORDER BY istante DESC LIMIT ?"),
           {int(Modalita::ScansioneAutomatica), intervalloMs, dalMs, m_bambino, ConsiglioVelocita::MassimoCampioni});
    while (query.next())
        r.campioni.append({query.value(0).toInt(), query.value(1).toInt()});
    tappa("one-switch answers");
    qCDebug(lcEsercizio).noquote() << "record: summary of" << r.giorni.size() << "columns:" << tappe.join(QStringLiteral(", "));
    return r;
}
