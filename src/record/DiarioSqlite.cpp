#include "record/DiarioSqlite.h"

#include "core/Registri.h"
#include "exercises/Esercizio.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QSet>
#include <QTemporaryDir>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTimer>
#include <QVariant>

#include <algorithm>
#include <atomic>
#include <deque>
#include <functional>

struct CondivisoDiario {
    mutable QMutex mutex;
    QString avviso;
    std::atomic<bool> fermo{false};
};

namespace {

// Each entry takes the schema one version up; the version is the number of entries.
const QVector<QStringList> Migrazioni = {
    {
        QStringLiteral("CREATE TABLE versione (numero INTEGER NOT NULL)"),
        QStringLiteral("CREATE TABLE esercizi (id INTEGER PRIMARY KEY, inizio INTEGER NOT NULL, fine INTEGER,"
                       " livello TEXT NOT NULL, scena INTEGER NOT NULL, famiglia TEXT NOT NULL,"
                       " giuste INTEGER NOT NULL DEFAULT 0, sbagliate INTEGER NOT NULL DEFAULT 0,"
                       " finito INTEGER NOT NULL DEFAULT 0)"),
        QStringLiteral("CREATE INDEX esercizi_inizio ON esercizi(inizio)"),
        QStringLiteral("CREATE TABLE risposte (id INTEGER PRIMARY KEY, esercizio INTEGER NOT NULL,"
                       " istante INTEGER NOT NULL, livello TEXT NOT NULL, scena INTEGER NOT NULL,"
                       " passo INTEGER NOT NULL, scelta INTEGER NOT NULL, giusta INTEGER NOT NULL,"
                       " modalita INTEGER NOT NULL, intervallo_ms INTEGER NOT NULL, tempo_risposta_ms INTEGER,"
                       " ignorate INTEGER NOT NULL, giri INTEGER, reazione_ms INTEGER)"),
        QStringLiteral("CREATE INDEX risposte_istante ON risposte(istante)"),
        QStringLiteral("CREATE INDEX risposte_scansione ON risposte(modalita, intervallo_ms, istante)"),
        // Totals per local day and level, and the response times in tenths of a
        // second, kept with every answer: the progress screen reads these, never
        // the answers one by one.
        QStringLiteral("CREATE TABLE giorni (giorno INTEGER NOT NULL, livello TEXT NOT NULL,"
                       " giuste INTEGER NOT NULL, sbagliate INTEGER NOT NULL, ignorate INTEGER NOT NULL,"
                       " finiti INTEGER NOT NULL, non_finiti INTEGER NOT NULL, PRIMARY KEY (giorno, livello))"
                       " WITHOUT ROWID"),
        QStringLiteral("CREATE TABLE tempi (giorno INTEGER NOT NULL, livello TEXT NOT NULL, decimi INTEGER NOT NULL,"
                       " quante INTEGER NOT NULL, PRIMARY KEY (giorno, livello, decimi)) WITHOUT ROWID"),
    },
    {
        // Several children on one computer: every row belongs to one; what was
        // there before is the first child's.
        QStringLiteral("ALTER TABLE esercizi ADD COLUMN bambino INTEGER NOT NULL DEFAULT 1"),
        QStringLiteral("ALTER TABLE risposte ADD COLUMN bambino INTEGER NOT NULL DEFAULT 1"),
        QStringLiteral("CREATE INDEX risposte_bambino ON risposte(bambino, istante)"),
        QStringLiteral("CREATE TABLE giorni_bambini (bambino INTEGER NOT NULL, giorno INTEGER NOT NULL,"
                       " livello TEXT NOT NULL, giuste INTEGER NOT NULL, sbagliate INTEGER NOT NULL,"
                       " ignorate INTEGER NOT NULL, finiti INTEGER NOT NULL, non_finiti INTEGER NOT NULL,"
                       " PRIMARY KEY (bambino, giorno, livello)) WITHOUT ROWID"),
        QStringLiteral("INSERT INTO giorni_bambini SELECT 1, giorno, livello, giuste, sbagliate, ignorate, finiti,"
                       " non_finiti FROM giorni"),
        QStringLiteral("DROP TABLE giorni"),
        QStringLiteral("ALTER TABLE giorni_bambini RENAME TO giorni"),
        QStringLiteral("CREATE TABLE tempi_bambini (bambino INTEGER NOT NULL, giorno INTEGER NOT NULL,"
                       " livello TEXT NOT NULL, decimi INTEGER NOT NULL, quante INTEGER NOT NULL,"
                       " PRIMARY KEY (bambino, giorno, livello, decimi)) WITHOUT ROWID"),
        QStringLiteral("INSERT INTO tempi_bambini SELECT 1, giorno, livello, decimi, quante FROM tempi"),
        QStringLiteral("DROP TABLE tempi"),
        QStringLiteral("ALTER TABLE tempi_bambini RENAME TO tempi"),
    },
    {
        // What the adult asks: the totals by input mode and by kind of step
        // (counting, or writing the operation: "operazione"), whether a step
        // was right at the first try, and the response times by month too, so
        // that a year reads a few thousand rows. All of it from the answers.
        QStringLiteral("ALTER TABLE esercizi ADD COLUMN modalita INTEGER NOT NULL DEFAULT 0"),
        QStringLiteral("ALTER TABLE risposte ADD COLUMN primo INTEGER NOT NULL DEFAULT 0"),
        QStringLiteral("CREATE INDEX risposte_esercizio ON risposte(esercizio, passo)"),
        // Covers the time to finish per level: a year of exercises read from the index alone.
        QStringLiteral("CREATE INDEX esercizi_bambino ON esercizi(bambino, inizio, modalita, finito, livello, fine)"),
        QStringLiteral("UPDATE risposte SET primo = 1 WHERE id IN (SELECT min(id) FROM risposte GROUP BY esercizio, passo)"),
        QStringLiteral("UPDATE esercizi SET modalita = coalesce((SELECT modalita FROM risposte WHERE esercizio = esercizi.id"
                       " ORDER BY id LIMIT 1), 0)"),
        QStringLiteral("DROP TABLE giorni"),
        QStringLiteral("CREATE TABLE giorni (bambino INTEGER NOT NULL, giorno INTEGER NOT NULL, livello TEXT NOT NULL,"
                       " modalita INTEGER NOT NULL, operazione INTEGER NOT NULL, giuste INTEGER NOT NULL,"
                       " sbagliate INTEGER NOT NULL, ignorate INTEGER NOT NULL, finiti INTEGER NOT NULL,"
                       " non_finiti INTEGER NOT NULL, domande INTEGER NOT NULL, giuste_al_primo INTEGER NOT NULL,"
                       " PRIMARY KEY (bambino, giorno, livello, modalita, operazione)) WITHOUT ROWID"),
        QStringLiteral("INSERT INTO giorni SELECT bambino, CAST(julianday(istante / 1000.0, 'unixepoch', 'localtime') + 0.5 AS INTEGER), livello, modalita, passo BETWEEN 4 AND 8,"
                       " sum(giusta), sum(1 - giusta), sum(ignorate), 0, 0, sum(primo), sum(primo * giusta)"
                       " FROM risposte GROUP BY 1, 2, 3, 4, 5"),
        QStringLiteral("INSERT INTO giorni SELECT bambino, CAST(julianday(inizio / 1000.0, 'unixepoch', 'localtime') + 0.5 AS INTEGER), livello, modalita, 0, 0, 0, 0, sum(finito),"
                       " sum(1 - finito), 0, 0 FROM esercizi WHERE true GROUP BY 1, 2, 3, 4"
                       " ON CONFLICT (bambino, giorno, livello, modalita, operazione) DO UPDATE SET"
                       " finiti = excluded.finiti, non_finiti = excluded.non_finiti"),
        QStringLiteral("DROP TABLE tempi"),
        QStringLiteral("CREATE TABLE tempi (bambino INTEGER NOT NULL, giorno INTEGER NOT NULL, livello TEXT NOT NULL,"
                       " modalita INTEGER NOT NULL, operazione INTEGER NOT NULL, decimi INTEGER NOT NULL,"
                       " quante INTEGER NOT NULL, PRIMARY KEY (bambino, giorno, livello, modalita, operazione, decimi))"
                       " WITHOUT ROWID"),
        QStringLiteral("INSERT INTO tempi SELECT bambino, CAST(julianday(istante / 1000.0, 'unixepoch', 'localtime') + 0.5 AS INTEGER), livello, modalita, passo BETWEEN 4 AND 8,"
                       " tempo_risposta_ms / 100, count(*) FROM risposte WHERE tempo_risposta_ms IS NOT NULL"
                       " GROUP BY 1, 2, 3, 4, 5, 6"),
        QStringLiteral("CREATE TABLE tempi_mesi (bambino INTEGER NOT NULL, mese INTEGER NOT NULL, livello TEXT NOT NULL,"
                       " modalita INTEGER NOT NULL, operazione INTEGER NOT NULL, decimi INTEGER NOT NULL,"
                       " quante INTEGER NOT NULL, PRIMARY KEY (bambino, mese, livello, modalita, operazione, decimi))"
                       " WITHOUT ROWID"),
        QStringLiteral("INSERT INTO tempi_mesi SELECT bambino, CAST(strftime('%Y%m', giorno) AS INTEGER), livello, modalita,"
                       " operazione, decimi, sum(quante) FROM tempi GROUP BY 1, 2, 3, 4, 5, 6"),
    },
};
static_assert(DiarioSqlite::Versione == 3, "one migration per version");

// Takes a record from version `da` to version `a` and says so in its version
// table; the caller holds the transaction. False with the error in `query`.
bool migra(QSqlQuery &query, int da, int a)
{
    for (int v = da; v < a; ++v)
        for (const QString &sql : Migrazioni[v])
            if (!query.exec(sql))
                return false;
    return query.exec(QStringLiteral("DELETE FROM versione"))
           && query.exec(QStringLiteral("INSERT INTO versione VALUES (%1)").arg(a));
}

constexpr int SqliteBusy = 5, SqliteLocked = 6, SqlitePerm = 3, SqliteReadonly = 8, SqliteCorrupt = 11,
              SqliteFull = 13, SqliteCantopen = 14, SqliteAuth = 23, SqliteNotadb = 26;

int codice(const QSqlError &errore)
{
    return errore.nativeErrorCode().toInt() & 0xff;
}

bool danneggiato(const QSqlError &errore)
{
    return codice(errore) == SqliteCorrupt || codice(errore) == SqliteNotadb;
}

// The reason in Italian for the progress screen, and in English for the log.
QPair<QString, QString> motivo(const QSqlError &errore)
{
    switch (codice(errore)) {
    case SqliteBusy:
    case SqliteLocked:
        return {QStringLiteral("è bloccato da un altro programma"), QStringLiteral("locked")};
    case SqlitePerm:
    case SqliteReadonly:
    case SqliteCantopen:
    case SqliteAuth:
        return {QStringLiteral("non si può scrivere: la cartella o il disco è di sola lettura"),
                QStringLiteral("read-only")};
    case SqliteFull:
        return {QStringLiteral("non si può scrivere: il disco è pieno"), QStringLiteral("disk full")};
    case SqliteCorrupt:
    case SqliteNotadb:
        return {QStringLiteral("è danneggiato"), QStringLiteral("damaged")};
    default:
        return {QStringLiteral("non si può scrivere (errore %1 di SQLite)").arg(codice(errore)),
                QStringLiteral("not writable: %1").arg(errore.text())};
    }
}

QVariant oNull(int valore)
{
    return valore < 0 ? QVariant() : QVariant(valore);
}

}

// The writer, on its own thread with its own connection. Every call becomes
// a short transaction of its own, so an answer is on disk as soon as it is
// written (a killed program loses nothing the writer got to). While another
// program holds the file, the work waits in memory and is tried again, at
// growing intervals.
class ScrittoreDiario : public QObject
{
public:
    ScrittoreDiario(const QString &percorso, int attesaBloccoMs, std::shared_ptr<CondivisoDiario> condiviso)
        : m_percorso(percorso)
        , m_attesa(attesaBloccoMs)
        , m_condiviso(std::move(condiviso))
        , m_nome(QStringLiteral("diario-scrittura-%1").arg(quintptr(this)))
    {
    }

    void apri();
    void impostaBambino(int bambino) { m_bambino = bambino; }
    void inizia(quint64 chiave, const EsercizioRegistrato &esercizio);
    void risposta(quint64 chiave, const RispostaRegistrata &risposta);
    void chiudi(quint64 chiave, qint64 fineMs, bool finito);
    // The record of one child.
    QString cancella(int bambino);
    // The record in a moved child's file, added to child `bambino`'s.
    QString importa(const QString &file, int bambino);
    void termina();

private:
    // One transaction's work; false when a statement failed (m_errore says why).
    using Lavoro = std::function<bool()>;
    void accoda(Lavoro lavoro);
    void svuota();
    bool apriSchema();
    bool apriConnessione(QSqlError &errore);
    void chiudiConnessione();
    bool mettiDaParte(const QString &perche, const QString &comeInInglese);
    bool esegui(QSqlQuery &query);
    bool esegui(const QString &sql);
    bool annulla();  // rolls back; always false
    bool somma(qint64 istanteMs, const QString &livello, int modalita, bool operazione, const QVector<int> &conteggi);
    void guasto(const QSqlError &errore);
    void avvisa(const QString &frase, const QString &registro);
    bool fermo() const { return m_condiviso->fermo.load(); }

    QString m_percorso;
    int m_attesa;
    std::shared_ptr<CondivisoDiario> m_condiviso;
    QString m_nome;
    QSqlDatabase m_db;
    bool m_pronto = false;  // opened, schema in place
    QSqlError m_errore;
    std::deque<Lavoro> m_coda;
    QTimer *m_riprova = nullptr;
    int m_pausaMs = 0;  // before the next try on a locked file; 0 while none is locked
    std::unique_ptr<QSqlQuery> m_inserisci, m_somma, m_tempo, m_tempoMese;
    int m_bambino = 1;        // whose the next exercise is
    int m_bambinoAperto = 1;  // whose the exercise in progress is
    quint64 m_aperto = 0;  // the exercise in progress
    qint64 m_riga = -1;
    qint64 m_inizioMs = 0;
    QString m_livello;
    int m_modalitaAperta = 0;
    QSet<int> m_passiRisposti;  // of the exercise in progress: a step's first answer is its first try
    qint64 m_ultimoMs = 0;
};

void ScrittoreDiario::avvisa(const QString &frase, const QString &registro)
{
    {
        QMutexLocker blocco(&m_condiviso->mutex);
        m_condiviso->avviso = frase;
    }
    qCWarning(lcEsercizio).noquote() << Registri::momento() << "record:" << registro;
}

void ScrittoreDiario::guasto(const QSqlError &errore)
{
    if (fermo())
        return;
    m_condiviso->fermo = true;
    m_coda.clear();
    const auto [italiano, inglese] = motivo(errore);
    avvisa(QStringLiteral("Il diario %1 %2: in questa sessione gli esercizi non vengono registrati.")
               .arg(QDir::toNativeSeparators(m_percorso), italiano),
           QStringLiteral("%1, recording stopped for this run: %2 (%3)").arg(inglese, m_percorso, errore.text()));
    chiudiConnessione();
}

bool ScrittoreDiario::apriConnessione(QSqlError &errore)
{
    if (!m_db.isValid()) {
        m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_nome);
        m_db.setDatabaseName(m_percorso);
        m_db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(m_attesa));
    }
    if (!m_db.open()) {
        errore = m_db.lastError();
        return false;
    }
    QSqlQuery controllo(m_db);
    if (!controllo.exec(QStringLiteral("PRAGMA quick_check")) || !controllo.next()) {
        errore = controllo.lastError();
        return false;
    }
    if (controllo.value(0).toString() != QLatin1String("ok")) {
        errore = QSqlError(QStringLiteral("quick_check"), controllo.value(0).toString(), QSqlError::StatementError,
                           QString::number(SqliteCorrupt));
        return false;
    }
    // Another program's database is not ours to change: it goes aside, as a
    // damaged one does, before anything is written into it.
    if (!controllo.exec(QStringLiteral("SELECT count(*), count(CASE name WHEN 'versione' THEN 1 END) FROM sqlite_master"
                                       " WHERE type = 'table'"))
        || !controllo.next()) {
        errore = controllo.lastError();
        return false;
    }
    if (controllo.value(0).toInt() > 0 && controllo.value(1).toInt() == 0) {
        errore = QSqlError(QStringLiteral("estraneo"), QStringLiteral("not a record of this program"),
                           QSqlError::StatementError, QString::number(SqliteNotadb));
        return false;
    }
    return true;
}

void ScrittoreDiario::chiudiConnessione()
{
    m_inserisci.reset();
    m_somma.reset();
    m_tempo.reset();
    m_tempoMese.reset();
    if (m_db.isValid())
        m_db.close();
    m_pronto = false;
}

// A damaged or foreign file and its journals go aside under a name of their own.
bool ScrittoreDiario::mettiDaParte(const QString &perche, const QString &comeInInglese)
{
    const QFileInfo info(m_percorso);
    const QString base = info.absolutePath() + QStringLiteral("/") + info.completeBaseName()
                         + QStringLiteral("-danneggiato-")
                         + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString destinazione = base + QStringLiteral(".sqlite");
    for (int n = 2; QFileInfo::exists(destinazione); ++n)
        destinazione = base + QStringLiteral("-%1.sqlite").arg(n);
    if (!QFile::rename(m_percorso, destinazione))
        return false;
    for (const char *coda : {"-wal", "-shm"})
        if (QFileInfo::exists(m_percorso + QLatin1String(coda)))
            QFile::rename(m_percorso + QLatin1String(coda), destinazione + QLatin1String(coda));
    avvisa(QStringLiteral("Il diario %1: è stato messo da parte come %2 e ne è cominciato uno nuovo.")
               .arg(perche, QDir::toNativeSeparators(destinazione)),
           QStringLiteral("%1, kept aside as %2; a new record begins").arg(comeInInglese, destinazione));
    return true;
}

bool ScrittoreDiario::esegui(QSqlQuery &query)
{
    if (query.exec())
        return true;
    m_errore = query.lastError();
    return false;
}

bool ScrittoreDiario::esegui(const QString &sql)
{
    QSqlQuery query(m_db);
    if (query.exec(sql))
        return true;
    m_errore = query.lastError();
    return false;
}

bool ScrittoreDiario::annulla()
{
    QSqlQuery(m_db).exec(QStringLiteral("ROLLBACK"));
    return false;
}

void ScrittoreDiario::apri()
{
    m_riprova = new QTimer(this);
    m_riprova->setSingleShot(true);
    connect(m_riprova, &QTimer::timeout, this, &ScrittoreDiario::svuota);
    // A pipe or a device in the record's place would hang or harm: only an
    // ordinary file, or none, is opened.
    if (const QString perche = DiarioSqlite::ostacolo(m_percorso); !perche.isEmpty()) {
        m_condiviso->fermo = true;
        avvisa(QStringLiteral("Il diario %1: in questa sessione gli esercizi non vengono registrati.").arg(perche),
               QStringLiteral("not an ordinary file, recording stopped for this run: %1").arg(m_percorso));
        return;
    }
    if (!QDir().mkpath(QFileInfo(m_percorso).absolutePath())) {
        guasto(QSqlError(QStringLiteral("mkpath"), QStringLiteral("cannot create the folder"),
                         QSqlError::ConnectionError, QString::number(SqliteCantopen)));
        return;
    }
    svuota();
}

bool ScrittoreDiario::apriSchema()
{
    QSqlError errore;
    if (!apriConnessione(errore)) {
        chiudiConnessione();
        const bool estraneo = errore.driverText() == QLatin1String("estraneo");
        if (!danneggiato(errore)
            || !mettiDaParte(estraneo ? QStringLiteral("era il database di un altro programma")
                                      : QStringLiteral("era danneggiato"),
                             estraneo ? QStringLiteral("foreign") : QStringLiteral("damaged"))
            || !apriConnessione(errore)) {
            m_errore = errore;
            return false;
        }
    }
    QSqlQuery query(m_db);
    if (!query.exec(QStringLiteral("PRAGMA journal_mode=WAL")) || !query.next()
        || query.value(0).toString() != QLatin1String("wal")) {
        m_errore = query.lastError().isValid() ? query.lastError()
                                               : QSqlError(QStringLiteral("WAL"), QStringLiteral("no WAL"),
                                                           QSqlError::StatementError, QString::number(SqliteReadonly));
        return false;
    }
    if (!esegui(QStringLiteral("PRAGMA synchronous=NORMAL")))
        return false;
    int versione = 0;
    // A new file has no table yet, whose name SQLite would not take in a query.
    bool letta = query.exec(QStringLiteral("SELECT count(*) FROM sqlite_master WHERE name = 'versione'")) && query.next();
    if (letta && query.value(0).toInt() > 0)
        letta = query.exec(QStringLiteral("SELECT max(numero) FROM versione")) && query.next()
                && ((versione = query.value(0).toInt()), true);
    if (!letta) {
        m_errore = query.lastError();
        return false;
    }
    query.finish();
    if (versione > DiarioSqlite::Versione) {
        m_condiviso->fermo = true;
        avvisa(QStringLiteral("Il diario %1 è stato scritto da una versione più recente di Calcolotti (schema %2): "
                              "non viene toccato e in questa sessione gli esercizi non vengono registrati.")
                   .arg(QDir::toNativeSeparators(m_percorso))
                   .arg(versione),
               QStringLiteral("schema %1 is newer than %2, recording stopped for this run: %3")
                   .arg(versione)
                   .arg(DiarioSqlite::Versione)
                   .arg(m_percorso));
        chiudiConnessione();
        return true;
    }
    if (versione < DiarioSqlite::Versione) {
        if (!esegui(QStringLiteral("BEGIN IMMEDIATE")))
            return false;
        QSqlQuery aggiorna(m_db);
        if (!migra(aggiorna, versione, DiarioSqlite::Versione)) {
            m_errore = aggiorna.lastError();
            return annulla();
        }
        if (!esegui(QStringLiteral("COMMIT")))
            return annulla();
    }
    // Exercises a killed run left open end where their last answer did; they
    // were counted as not finished when they began.
    if (!esegui(QStringLiteral("UPDATE esercizi SET fine = coalesce((SELECT max(istante) FROM risposte"
                               " WHERE esercizio = esercizi.id), inizio) WHERE fine IS NULL")))
        return false;
    m_inserisci = std::make_unique<QSqlQuery>(m_db);
    m_inserisci->prepare(QStringLiteral(
        "INSERT INTO risposte (esercizio, istante, livello, scena, passo, scelta, giusta, modalita, intervallo_ms,"
        " tempo_risposta_ms, ignorate, giri, reazione_ms, bambino, primo) VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)"));
    m_somma = std::make_unique<QSqlQuery>(m_db);
    m_somma->prepare(QStringLiteral(
        "INSERT INTO giorni VALUES (?,?,?,?,?,?,?,?,?,?,?,?)"
        " ON CONFLICT (bambino, giorno, livello, modalita, operazione) DO UPDATE SET"
        " giuste = giuste + excluded.giuste, sbagliate = sbagliate + excluded.sbagliate,"
        " ignorate = ignorate + excluded.ignorate, finiti = finiti + excluded.finiti,"
        " non_finiti = non_finiti + excluded.non_finiti, domande = domande + excluded.domande,"
        " giuste_al_primo = giuste_al_primo + excluded.giuste_al_primo"));
    m_tempo = std::make_unique<QSqlQuery>(m_db);
    m_tempo->prepare(QStringLiteral("INSERT INTO tempi VALUES (?,?,?,?,?,?,1)"
                                    " ON CONFLICT (bambino, giorno, livello, modalita, operazione, decimi)"
                                    " DO UPDATE SET quante = quante + 1"));
    m_tempoMese = std::make_unique<QSqlQuery>(m_db);
    m_tempoMese->prepare(QStringLiteral("INSERT INTO tempi_mesi VALUES (?,?,?,?,?,?,1)"
                                        " ON CONFLICT (bambino, mese, livello, modalita, operazione, decimi)"
                                        " DO UPDATE SET quante = quante + 1"));
    m_pronto = true;
    return true;
}

void ScrittoreDiario::accoda(Lavoro lavoro)
{
    if (fermo())
        return;
    m_coda.push_back(std::move(lavoro));
    if (!m_riprova->isActive())
        svuota();
}

void ScrittoreDiario::svuota()
{
    while (!fermo()) {
        bool fatto = m_pronto || apriSchema();
        if (fatto && !fermo() && !m_coda.empty()) {
            fatto = esegui(QStringLiteral("BEGIN IMMEDIATE"))
                    && ((m_coda.front()() && esegui(QStringLiteral("COMMIT"))) || annulla());
        }
        if (!fatto) {
            const int errore = codice(m_errore);
            if (errore != SqliteBusy && errore != SqliteLocked) {
                guasto(m_errore);
                return;
            }
            // Another program holds the file: the answers wait here.
            if (m_pausaMs == 0)
                avvisa(QStringLiteral("Il diario %1 è bloccato da un altro programma: le risposte vengono tenute "
                                      "e scritte appena si libera.")
                           .arg(QDir::toNativeSeparators(m_percorso)),
                       QStringLiteral("locked, the answers wait in memory: %1").arg(m_percorso));
            m_pausaMs = std::clamp(m_pausaMs * 2, 250, 60000);
            m_riprova->start(m_pausaMs);
            return;
        }
        if (m_pausaMs > 0) {
            m_pausaMs = 0;
            avvisa(QString(), QStringLiteral("free again, the waiting answers are written: %1").arg(m_percorso));
        }
        if (m_coda.empty() || fermo())
            return;
        m_coda.pop_front();
    }
}

// Adds giuste, sbagliate, ignorate, finiti, non finiti, domande, giuste al primo
// tentativo to the day's totals of the level, mode and kind of step.
bool ScrittoreDiario::somma(qint64 istanteMs, const QString &livello, int modalita, bool operazione,
                            const QVector<int> &conteggi)
{
    const QVariantList chiave{m_bambinoAperto, QDateTime::fromMSecsSinceEpoch(istanteMs).date().toJulianDay(), livello,
                              modalita, int(operazione)};
    for (int i = 0; i < chiave.size(); ++i)
        m_somma->bindValue(i, chiave[i]);
    for (int i = 0; i < 7; ++i)
        m_somma->bindValue(5 + i, conteggi.value(i));
    return esegui(*m_somma);
}

void ScrittoreDiario::inizia(quint64 chiave, const EsercizioRegistrato &esercizio)
{
    // One exercise at a time: one left open ends, unfinished, where this begins.
    if (m_aperto)
        chiudi(m_aperto, esercizio.inizioMs, false);
    m_aperto = chiave;
    // The row exists from the start and counts as not finished until it ends:
    // a run that is killed leaves it so.
    accoda([this, esercizio, bambino = m_bambino] {
        m_bambinoAperto = bambino;
        QSqlQuery query(m_db);
        query.prepare(QStringLiteral("INSERT INTO esercizi (inizio, livello, scena, famiglia, bambino, modalita)"
                                     " VALUES (?,?,?,?,?,?)"));
        for (const QVariant &v : {QVariant(esercizio.inizioMs), QVariant(esercizio.livello), QVariant(esercizio.scena),
                                  QVariant(esercizio.famiglia), QVariant(bambino), QVariant(esercizio.modalita)})
            query.addBindValue(v);
        m_modalitaAperta = esercizio.modalita;
        if (!esegui(query) || !somma(esercizio.inizioMs, esercizio.livello, m_modalitaAperta, false, {0, 0, 0, 0, 1}))
            return false;
        m_riga = query.lastInsertId().toLongLong();
        m_passiRisposti.clear();
        m_ultimoMs = m_inizioMs = esercizio.inizioMs;
        m_livello = esercizio.livello;
        return true;
    });
}

void ScrittoreDiario::risposta(quint64 chiave, const RispostaRegistrata &r)
{
    if (chiave != m_aperto)
        return;
    accoda([this, r] {
        QSqlQuery &q = *m_inserisci;
        const int primo = m_passiRisposti.contains(r.passo) ? 0 : 1;
        const QVariantList valori{m_riga,         r.istanteMs,    r.livello,          r.scena,
                                  r.passo,        r.scelta,       int(r.giusta),      r.modalita,
                                  r.intervalloMs, oNull(r.tempoRispostaMs), r.ignorate, oNull(r.giri),
                                  oNull(r.reazioneMs), m_bambinoAperto, primo};
        for (int i = 0; i < valori.size(); ++i)
            q.bindValue(i, valori[i]);
        const bool operazione = Esercizi::Passo::dellOperazione(r.passo);
        if (!esegui(q)
            || !somma(r.istanteMs, r.livello, r.modalita, operazione,
                      {int(r.giusta), int(!r.giusta), r.ignorate, 0, 0, primo, primo * int(r.giusta)}))
            return false;
        if (r.tempoRispostaMs >= 0) {
            const QDate giorno = QDateTime::fromMSecsSinceEpoch(r.istanteMs).date();
            const QVariantList valori{m_bambinoAperto, giorno.toJulianDay(), r.livello, r.modalita, int(operazione),
                                      r.tempoRispostaMs / 100};
            for (int i = 0; i < valori.size(); ++i) {
                m_tempo->bindValue(i, valori[i]);
                m_tempoMese->bindValue(i, i == 1 ? QVariant(giorno.year() * 100 + giorno.month()) : valori[i]);
            }
            if (!esegui(*m_tempo) || !esegui(*m_tempoMese))
                return false;
        }
        QSqlQuery conto(m_db);
        conto.prepare(QStringLiteral("UPDATE esercizi SET giuste = giuste + ?, sbagliate = sbagliate + ? WHERE id = ?"));
        for (const QVariant &v : {QVariant(int(r.giusta)), QVariant(int(!r.giusta)), QVariant(m_riga)})
            conto.addBindValue(v);
        if (!esegui(conto))
            return false;
        m_passiRisposti.insert(r.passo);
        m_ultimoMs = r.istanteMs;
        return true;
    });
}

void ScrittoreDiario::chiudi(quint64 chiave, qint64 fineMs, bool finito)
{
    if (chiave != m_aperto)
        return;
    m_aperto = 0;
    accoda([this, fineMs, finito] {
        QSqlQuery query(m_db);
        query.prepare(QStringLiteral("UPDATE esercizi SET fine = ?, finito = ? WHERE id = ?"));
        for (const QVariant &v : {QVariant(fineMs), QVariant(int(finito)), QVariant(m_riga)})
            query.addBindValue(v);
        return esegui(query) && (!finito || somma(m_inizioMs, m_livello, m_modalitaAperta, false, {0, 0, 0, 1, -1}));
    });
}

QString ScrittoreDiario::cancella(int bambino)
{
    if (fermo() || !m_pronto || !m_coda.empty()) {
        QMutexLocker blocco(&m_condiviso->mutex);
        return m_condiviso->avviso.isEmpty() ? QStringLiteral("Il diario non è disponibile.") : m_condiviso->avviso;
    }
    for (const char *tabella : {"risposte", "esercizi", "giorni", "tempi", "tempi_mesi"}) {
        if (!esegui(QStringLiteral("DELETE FROM %1 WHERE bambino = %2").arg(QLatin1String(tabella)).arg(bambino))) {
            guasto(m_errore);
            QMutexLocker blocco(&m_condiviso->mutex);
            return m_condiviso->avviso;
        }
    }
    // Nothing deleted may linger in free pages or in the journal.
    QSqlQuery(m_db).exec(QStringLiteral("VACUUM"));
    QSqlQuery(m_db).exec(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"));
    m_aperto = 0;
    return {};
}

QString ScrittoreDiario::importa(const QString &file, int bambino)
{
    if (fermo() || !m_pronto || !m_coda.empty()) {
        QMutexLocker blocco(&m_condiviso->mutex);
        return m_condiviso->avviso.isEmpty() ? QStringLiteral("Il diario non è disponibile.") : m_condiviso->avviso;
    }
    QSqlQuery query(m_db);
    query.prepare(QStringLiteral("ATTACH DATABASE ? AS arrivo"));
    query.addBindValue(file);
    if (!query.exec())
        return QStringLiteral("Il file %1 non si può leggere.").arg(QDir::toNativeSeparators(file));
    // Exercise by exercise, so that each answer follows its exercise's new number.
    bool fatto = esegui(QStringLiteral("BEGIN IMMEDIATE"));
    QSqlQuery esercizi(m_db), nuovo(m_db), risposte(m_db);
    esercizi.setForwardOnly(true);
    fatto = fatto && esercizi.exec(QStringLiteral("SELECT id, inizio, fine, livello, scena, famiglia, giuste, sbagliate,"
                                                  " finito, modalita FROM arrivo.esercizi ORDER BY id"));
    nuovo.prepare(QStringLiteral("INSERT INTO esercizi (inizio, fine, livello, scena, famiglia, giuste, sbagliate,"
                                 " finito, modalita, bambino) VALUES (?,?,?,?,?,?,?,?,?,?)"));
    risposte.prepare(QStringLiteral(
        "INSERT INTO risposte (esercizio, istante, livello, scena, passo, scelta, giusta, modalita, intervallo_ms,"
        " tempo_risposta_ms, ignorate, giri, reazione_ms, primo, bambino) SELECT ?, istante, livello, scena, passo,"
        " scelta, giusta, modalita, intervallo_ms, tempo_risposta_ms, ignorate, giri, reazione_ms, primo, ?"
        " FROM arrivo.risposte WHERE esercizio = ?"));
    while (fatto && esercizi.next()) {
        for (int i = 1; i <= 9; ++i)
            nuovo.bindValue(i - 1, esercizi.value(i));
        nuovo.bindValue(9, bambino);
        fatto = esegui(nuovo);
        risposte.bindValue(0, nuovo.lastInsertId());
        risposte.bindValue(1, bambino);
        risposte.bindValue(2, esercizi.value(0));
        fatto = fatto && esegui(risposte);
    }
    esercizi.finish();
    fatto = fatto
            && esegui(QStringLiteral("INSERT INTO giorni SELECT %1, giorno, livello, modalita, operazione, giuste, sbagliate,"
                                     " ignorate, finiti, non_finiti, domande, giuste_al_primo FROM arrivo.giorni WHERE true"
                                     " ON CONFLICT (bambino, giorno, livello, modalita, operazione)"
                                     " DO UPDATE SET giuste = giuste + excluded.giuste, sbagliate = sbagliate +"
                                     " excluded.sbagliate, ignorate = ignorate + excluded.ignorate, finiti = finiti +"
                                     " excluded.finiti, non_finiti = non_finiti + excluded.non_finiti, domande ="
                                     " domande + excluded.domande, giuste_al_primo = giuste_al_primo +"
                                     " excluded.giuste_al_primo")
                               .arg(bambino))
            && esegui(QStringLiteral("INSERT INTO tempi SELECT %1, giorno, livello, modalita, operazione, decimi, quante"
                                     " FROM arrivo.tempi WHERE true ON CONFLICT (bambino, giorno, livello, modalita,"
                                     " operazione, decimi) DO UPDATE SET quante = quante + excluded.quante")
                               .arg(bambino))
            && esegui(QStringLiteral("INSERT INTO tempi_mesi SELECT %1, mese, livello, modalita, operazione, decimi, quante"
                                     " FROM arrivo.tempi_mesi WHERE true ON CONFLICT (bambino, mese, livello, modalita,"
                                     " operazione, decimi) DO UPDATE SET quante = quante + excluded.quante")
                               .arg(bambino))
            && esegui(QStringLiteral("COMMIT"));
    if (!fatto)
        annulla();
    QSqlQuery(m_db).exec(QStringLiteral("DETACH DATABASE arrivo"));
    if (!fatto)
        qCWarning(lcEsercizio).noquote() << Registri::momento() << "record: import failed:" << m_errore.text();
    return fatto ? QString() : QStringLiteral("Il diario del file non è stato aggiunto: %1").arg(motivo(m_errore).first);
}

void ScrittoreDiario::termina()
{
    if (m_aperto)
        chiudi(m_aperto, std::max(m_ultimoMs, QDateTime::currentMSecsSinceEpoch()), false);
    // A last try for what waits on a locked file; what cannot go is said.
    if (m_riprova && m_riprova->isActive()) {
        m_riprova->stop();
        svuota();
    }
    if (!m_coda.empty())
        qCWarning(lcEsercizio).noquote() << Registri::momento() << "record:" << m_coda.size()
                                         << "operations could not be written, the file stayed locked:" << m_percorso;
    chiudiConnessione();
    m_db = QSqlDatabase();
    if (QSqlDatabase::contains(m_nome))
        QSqlDatabase::removeDatabase(m_nome);
    QThread::currentThread()->quit();
}

QString DiarioSqlite::motivoLettura(const QSqlError &errore)
{
    switch (codice(errore)) {
    case SqliteBusy:
    case SqliteLocked:
        return QStringLiteral("è bloccato da un altro programma");
    case SqliteCorrupt:
    case SqliteNotadb:
        return QStringLiteral("è danneggiato");
    case SqlitePerm:
    case SqliteCantopen:
    case SqliteAuth:
        return QStringLiteral("mancano i permessi per aprirlo");
    case 1:  // a table or column it should have is missing
        return QStringLiteral("non ha la forma di un diario di Calcolotti");
    default:
        return QStringLiteral("errore %1 di SQLite").arg(codice(errore));
    }
}

bool DiarioSqlite::creaSchema(QSqlDatabase &db, int versione)
{
    QSqlQuery query(db);
    return migra(query, 0, versione);
}

bool DiarioSqlite::importaBambino(const QString &file, int numero, QString &errore)
{
    if (m_condiviso->fermo) {
        errore = avviso();
        return false;
    }
    chiudiLettura();
    // A child moved by an earlier version comes in through an updated copy;
    // the file given is never changed.
    QTemporaryDir cartella;
    QString daLeggere = file;
    if (!aggiornaCopia(file, cartella, daLeggere)) {
        errore = QStringLiteral("Il diario del file non è stato aggiunto: il file non si può aggiornare.");
        return false;
    }
    QMetaObject::invokeMethod(
        m_scrittore, [s = m_scrittore, &errore, daLeggere, numero] { errore = s->importa(daLeggere, numero); },
        Qt::BlockingQueuedConnection);
    return errore.isEmpty();
}

bool DiarioSqlite::aggiornaCopia(const QString &file, const QTemporaryDir &cartella, QString &copia)
{
    const QString nome = QStringLiteral("aggiorna-%1").arg(quintptr(&cartella));
    bool fatto = true;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), nome);
        db.setDatabaseName(file);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        QSqlQuery query(db);
        const int versione = db.open() && query.exec(QStringLiteral("SELECT max(numero) FROM versione")) && query.next()
                                 ? query.value(0).toInt()
                                 : Versione;
        query.finish();
        db.close();
        if (versione < Versione) {
            copia = cartella.filePath(QStringLiteral("bambino.sqlite"));
            db.setDatabaseName(copia);
            db.setConnectOptions();
            fatto = cartella.isValid() && QFile::copy(file, copia) && QFile::setPermissions(copia, QFile::ReadOwner | QFile::WriteOwner)
                    && db.open() && query.exec(QStringLiteral("BEGIN")) && migra(query, versione, Versione)
                    && query.exec(QStringLiteral("COMMIT"));
            if (!fatto)
                qCWarning(lcEsercizio).noquote() << "record: a moved child's file could not be updated:"
                                                 << query.lastError().text();
            query.finish();
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(nome);
    return fatto;
}

bool DiarioSqlite::cancellaBambino(int numero, QString &errore)
{
    chiudiLettura();
    QMetaObject::invokeMethod(
        m_scrittore, [s = m_scrittore, &errore, numero] { errore = s->cancella(numero); }, Qt::BlockingQueuedConnection);
    return errore.isEmpty();
}

QString DiarioSqlite::ostacolo(const QString &percorso)
{
    const QFileInfo info(percorso);
    if (info.isSymLink()) {
        const QFileInfo bersaglio(info.symLinkTarget());
        if (!bersaglio.isFile() || bersaglio.canonicalPath() != QFileInfo(info.absolutePath()).canonicalFilePath())
            return QStringLiteral("%1 è un collegamento che non porta a un file normale della sua cartella")
                .arg(QDir::toNativeSeparators(percorso));
    }
    if (info.exists() && !info.isFile())
        return QStringLiteral("%1 non è un file normale").arg(QDir::toNativeSeparators(percorso));
    return QString();
}

DiarioSqlite::DiarioSqlite(const QString &percorso, int attesaBloccoMs)
    : DiarioSqlite(percorso, attesaBloccoMs, true)
{
}

DiarioSqlite::DiarioSqlite(const QString &percorso, int attesaBloccoMs, bool scrive)
    : m_percorso(percorso)
    , m_condiviso(std::make_shared<CondivisoDiario>())
{
    m_thread.setObjectName(QStringLiteral("diario"));
    m_scrittore = new ScrittoreDiario(percorso, attesaBloccoMs, m_condiviso);
    m_scrittore->moveToThread(&m_thread);
    m_thread.start(QThread::LowPriority);
    // A writer stopped from the start never opens the file.
    m_condiviso->fermo = !scrive;
    if (scrive)
        manda([s = m_scrittore] { s->apri(); });
}

std::unique_ptr<DiarioSqlite> DiarioSqlite::soloLettura(const QString &percorso)
{
    return std::unique_ptr<DiarioSqlite>(new DiarioSqlite(percorso, 0, false));
}

DiarioSqlite::~DiarioSqlite()
{
    chiudiLettura();
    manda([s = m_scrittore] { s->termina(); });
    m_thread.wait();
    delete m_scrittore;
}

template <typename Funzione>
void DiarioSqlite::manda(Funzione &&funzione)
{
    QMetaObject::invokeMethod(m_scrittore, std::forward<Funzione>(funzione), Qt::QueuedConnection);
}

void DiarioSqlite::attendi()
{
    QMetaObject::invokeMethod(m_scrittore, [] {}, Qt::BlockingQueuedConnection);
}

void DiarioSqlite::impostaBambino(int numero)
{
    m_bambino = numero;
    manda([s = m_scrittore, numero] { s->impostaBambino(numero); });
}

quint64 DiarioSqlite::apriEsercizio(const EsercizioRegistrato &esercizio)
{
    const quint64 chiave = ++m_prossimo;
    if (!m_condiviso->fermo)
        manda([s = m_scrittore, chiave, esercizio] { s->inizia(chiave, esercizio); });
    return chiave;
}

void DiarioSqlite::rispondi(quint64 esercizio, const RispostaRegistrata &risposta)
{
    if (!m_condiviso->fermo)
        manda([s = m_scrittore, esercizio, risposta] { s->risposta(esercizio, risposta); });
}

void DiarioSqlite::chiudiEsercizio(quint64 esercizio, qint64 fineMs, bool finito)
{
    if (!m_condiviso->fermo)
        manda([s = m_scrittore, esercizio, fineMs, finito] { s->chiudi(esercizio, fineMs, finito); });
}

QString DiarioSqlite::avviso() const
{
    QMutexLocker blocco(&m_condiviso->mutex);
    return m_condiviso->avviso;
}

bool DiarioSqlite::cancella(QString &errore)
{
    chiudiLettura();
    QMetaObject::invokeMethod(
        m_scrittore, [s = m_scrittore, &errore, bambino = m_bambino] { errore = s->cancella(bambino); },
        Qt::BlockingQueuedConnection);
    return errore.isEmpty();
}
