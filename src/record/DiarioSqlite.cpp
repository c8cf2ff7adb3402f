#include "record/DiarioSqlite.h"

#include "core/Registri.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QMutex>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <algorithm>
#include <atomic>

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
};
static_assert(DiarioSqlite::Versione == 1, "one migration per version");

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
        return {QStringLiteral("non si può scrivere (%1)").arg(errore.text()), QStringLiteral("not writable")};
    }
}

QVariant oNull(int valore)
{
    return valore < 0 ? QVariant() : QVariant(valore);
}

}

// The writer, on its own thread with its own connection.
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
    void inizia(quint64 chiave, const EsercizioRegistrato &esercizio);
    void risposta(quint64 chiave, const RispostaRegistrata &risposta);
    void chiudi(quint64 chiave, qint64 fineMs, bool finito);
    QString cancella();
    void termina();

private:
    bool apriConnessione(QSqlError &errore);
    void chiudiConnessione();
    bool mettiDaParte();
    bool esegui(QSqlQuery &query);
    bool esegui(const QString &sql);
    void guasto(const QSqlError &errore);
    void avvisa(const QString &frase, const QString &registro);
    bool fermo() const { return m_condiviso->fermo.load(); }

    QString m_percorso;
    int m_attesa;
    std::shared_ptr<CondivisoDiario> m_condiviso;
    QString m_nome;
    QSqlDatabase m_db;
    bool somma(qint64 istanteMs, const QString &livello, const QVector<int> &conteggi);
    std::unique_ptr<QSqlQuery> m_inserisci, m_somma, m_tempo;
    quint64 m_aperto = 0;  // the exercise whose transaction is open
    qint64 m_riga = -1;
    qint64 m_inizioMs = 0;
    QString m_livello;
    int m_giuste = 0, m_sbagliate = 0;
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
    const auto [italiano, inglese] = motivo(errore);
    avvisa(QStringLiteral("Il diario %1 %2: in questa sessione gli esercizi non vengono registrati.")
               .arg(QDir::toNativeSeparators(m_percorso), italiano),
           QStringLiteral("%1, recording stopped for this run: %2 (%3)").arg(inglese, m_percorso, errore.text()));
    if (m_db.isOpen() && m_aperto)
        m_db.rollback();
    m_aperto = 0;
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
    return true;
}

void ScrittoreDiario::chiudiConnessione()
{
    m_inserisci.reset();
    m_somma.reset();
    m_tempo.reset();
    if (m_db.isValid())
        m_db.close();
}

// The damaged file and its journals go aside under a name of their own.
bool ScrittoreDiario::mettiDaParte()
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
    avvisa(QStringLiteral("Il diario era danneggiato: è stato messo da parte come %1 e ne è cominciato uno nuovo.")
               .arg(QDir::toNativeSeparators(destinazione)),
           QStringLiteral("damaged, kept aside as %1; a new record begins").arg(destinazione));
    return true;
}

bool ScrittoreDiario::esegui(QSqlQuery &query)
{
    if (query.exec())
        return true;
    guasto(query.lastError());
    return false;
}

bool ScrittoreDiario::esegui(const QString &sql)
{
    QSqlQuery query(m_db);
    if (query.exec(sql))
        return true;
    guasto(query.lastError());
    return false;
}

void ScrittoreDiario::apri()
{
    if (!QDir().mkpath(QFileInfo(m_percorso).absolutePath())) {
        guasto(QSqlError(QStringLiteral("mkpath"), QStringLiteral("cannot create the folder"),
                         QSqlError::ConnectionError, QString::number(SqliteCantopen)));
        return;
    }
    QSqlError errore;
    if (!apriConnessione(errore)) {
        chiudiConnessione();
        if (!danneggiato(errore)) {
            guasto(errore);
            return;
        }
        if (!mettiDaParte()) {
            guasto(errore);
            return;
        }
        if (!apriConnessione(errore)) {
            guasto(errore);
            return;
        }
    }
    QSqlQuery query(m_db);
    if (!query.exec(QStringLiteral("PRAGMA journal_mode=WAL")) || !query.next()
        || query.value(0).toString() != QLatin1String("wal")) {
        guasto(query.lastError().isValid() ? query.lastError()
                                           : QSqlError(QStringLiteral("WAL"), QStringLiteral("no WAL"),
                                                       QSqlError::StatementError, QString::number(SqliteReadonly)));
        return;
    }
    if (!esegui(QStringLiteral("PRAGMA synchronous=NORMAL")))
        return;
    int versione = 0;
    if (!query.exec(QStringLiteral("SELECT count(*) FROM sqlite_master WHERE name = 'versione'")) || !query.next()) {
        guasto(query.lastError());
        return;
    }
    if (query.value(0).toInt() > 0) {
        if (!query.exec(QStringLiteral("SELECT max(numero) FROM versione")) || !query.next()) {
            guasto(query.lastError());
            return;
        }
        versione = query.value(0).toInt();
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
        return;
    }
    if (versione < DiarioSqlite::Versione) {
        if (!esegui(QStringLiteral("BEGIN IMMEDIATE")))
            return;
        for (int v = versione; v < DiarioSqlite::Versione; ++v)
            for (const QString &sql : Migrazioni[v])
                if (!esegui(sql))
                    return;
        if (!esegui(QStringLiteral("DELETE FROM versione"))
            || !esegui(QStringLiteral("INSERT INTO versione VALUES (%1)").arg(DiarioSqlite::Versione))
            || !esegui(QStringLiteral("COMMIT")))
            return;
    }
    m_inserisci = std::make_unique<QSqlQuery>(m_db);
    m_inserisci->prepare(QStringLiteral(
        "INSERT INTO risposte (esercizio, istante, livello, scena, passo, scelta, giusta, modalita, intervallo_ms,"
        " tempo_risposta_ms, ignorate, giri, reazione_ms) VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?)"));
    m_somma = std::make_unique<QSqlQuery>(m_db);
    m_somma->prepare(QStringLiteral(
        "INSERT INTO giorni VALUES (?,?,?,?,?,?,?) ON CONFLICT (giorno, livello) DO UPDATE SET"
        " giuste = giuste + excluded.giuste, sbagliate = sbagliate + excluded.sbagliate,"
        " ignorate = ignorate + excluded.ignorate, finiti = finiti + excluded.finiti,"
        " non_finiti = non_finiti + excluded.non_finiti"));
    m_tempo = std::make_unique<QSqlQuery>(m_db);
    m_tempo->prepare(QStringLiteral("INSERT INTO tempi VALUES (?,?,?,1) ON CONFLICT (giorno, livello, decimi)"
                                    " DO UPDATE SET quante = quante + 1"));
}

// Adds giuste, sbagliate, ignorate, finiti, non finiti to the day's totals of the level.
bool ScrittoreDiario::somma(qint64 istanteMs, const QString &livello, const QVector<int> &conteggi)
{
    m_somma->bindValue(0, QDateTime::fromMSecsSinceEpoch(istanteMs).date().toJulianDay());
    m_somma->bindValue(1, livello);
    for (int i = 0; i < conteggi.size(); ++i)
        m_somma->bindValue(2 + i, conteggi[i]);
    return esegui(*m_somma);
}

void ScrittoreDiario::inizia(quint64 chiave, const EsercizioRegistrato &esercizio)
{
    if (fermo())
        return;
    // One exercise at a time: one left open ends, unfinished, where this begins.
    if (m_aperto)
        chiudi(m_aperto, esercizio.inizioMs, false);
    if (fermo() || !esegui(QStringLiteral("BEGIN")))
        return;
    QSqlQuery query(m_db);
    query.prepare(QStringLiteral("INSERT INTO esercizi (inizio, livello, scena, famiglia) VALUES (?,?,?,?)"));
    query.addBindValue(esercizio.inizioMs);
    query.addBindValue(esercizio.livello);
    query.addBindValue(esercizio.scena);
    query.addBindValue(esercizio.famiglia);
    m_aperto = chiave;
    if (!esegui(query))
        return;
    m_riga = query.lastInsertId().toLongLong();
    m_giuste = m_sbagliate = 0;
    m_ultimoMs = m_inizioMs = esercizio.inizioMs;
    m_livello = esercizio.livello;
}

void ScrittoreDiario::risposta(quint64 chiave, const RispostaRegistrata &r)
{
    if (fermo() || chiave != m_aperto)
        return;
    QSqlQuery &q = *m_inserisci;
    const QVariantList valori{m_riga,         r.istanteMs,    r.livello,          r.scena,
                              r.passo,        r.scelta,       int(r.giusta),      r.modalita,
                              r.intervalloMs, oNull(r.tempoRispostaMs), r.ignorate, oNull(r.giri),
                              oNull(r.reazioneMs)};
    for (int i = 0; i < valori.size(); ++i)
        q.bindValue(i, valori[i]);
    if (!esegui(q) || !somma(r.istanteMs, r.livello, {int(r.giusta), int(!r.giusta), r.ignorate, 0, 0}))
        return;
    if (r.tempoRispostaMs >= 0) {
        m_tempo->bindValue(0, QDateTime::fromMSecsSinceEpoch(r.istanteMs).date().toJulianDay());
        m_tempo->bindValue(1, r.livello);
        m_tempo->bindValue(2, r.tempoRispostaMs / 100);
        if (!esegui(*m_tempo))
            return;
    }
    (r.giusta ? m_giuste : m_sbagliate)++;
    m_ultimoMs = r.istanteMs;
}

void ScrittoreDiario::chiudi(quint64 chiave, qint64 fineMs, bool finito)
{
    if (fermo() || chiave != m_aperto)
        return;
    QSqlQuery query(m_db);
    query.prepare(QStringLiteral("UPDATE esercizi SET fine = ?, giuste = ?, sbagliate = ?, finito = ? WHERE id = ?"));
    for (const QVariant &v : {QVariant(fineMs), QVariant(m_giuste), QVariant(m_sbagliate), QVariant(int(finito)),
                              QVariant(m_riga)})
        query.addBindValue(v);
    if (!esegui(query) || !somma(m_inizioMs, m_livello, {0, 0, 0, int(finito), int(!finito)})
        || !esegui(QStringLiteral("COMMIT")))
        return;
    m_aperto = 0;
}

QString ScrittoreDiario::cancella()
{
    if (fermo() || !m_db.isOpen()) {
        QMutexLocker blocco(&m_condiviso->mutex);
        return m_condiviso->avviso.isEmpty() ? QStringLiteral("Il diario non è disponibile.") : m_condiviso->avviso;
    }
    for (const char *tabella : {"risposte", "esercizi", "giorni", "tempi"})
        if (!esegui(QStringLiteral("DELETE FROM %1").arg(QLatin1String(tabella))))
            return m_condiviso->avviso;
    // Nothing deleted may linger in free pages or in the journal.
    if (!m_aperto) {
        QSqlQuery(m_db).exec(QStringLiteral("VACUUM"));
        QSqlQuery(m_db).exec(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"));
    }
    return {};
}

void ScrittoreDiario::termina()
{
    if (m_aperto)
        chiudi(m_aperto, std::max(m_ultimoMs, QDateTime::currentMSecsSinceEpoch()), false);
    chiudiConnessione();
    m_db = QSqlDatabase();
    if (QSqlDatabase::contains(m_nome))
        QSqlDatabase::removeDatabase(m_nome);
    QThread::currentThread()->quit();
}

DiarioSqlite::DiarioSqlite(const QString &percorso, int attesaBloccoMs)
    : m_percorso(percorso)
    , m_condiviso(std::make_shared<CondivisoDiario>())
{
    m_thread.setObjectName(QStringLiteral("diario"));
    m_scrittore = new ScrittoreDiario(percorso, attesaBloccoMs, m_condiviso);
    m_scrittore->moveToThread(&m_thread);
    m_thread.start(QThread::LowPriority);
    manda([s = m_scrittore] { s->apri(); });
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
        m_scrittore, [s = m_scrittore, &errore] { errore = s->cancella(); }, Qt::BlockingQueuedConnection);
    return errore.isEmpty();
}
