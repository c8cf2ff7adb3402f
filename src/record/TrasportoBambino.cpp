// Moving a child to another computer: one SQLite file with the child's record
// (the record's own tables, for that child only) and their profile and settings
// files, kept whole in a table of documents.
#include "record/DiarioSqlite.h"

#include "core/Registri.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace {

const QString Formato = QStringLiteral("calcolotti-bambino");
constexpr int VersioneFormato = 1;
// The record's version when children could first be moved; a file from then on
// is brought up to date when it comes in.
constexpr int PrimaVersioneDeiBambini = 2;

// A connection of its own for one file, closed and forgotten on leaving.
class Connessione
{
public:
    Connessione(const QString &file, bool soloLettura)
        : m_nome(QStringLiteral("trasporto-%1").arg(quintptr(this)))
    {
        m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_nome);
        m_db.setDatabaseName(file);
        if (soloLettura)
            m_db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
    }
    ~Connessione()
    {
        m_db.close();
        m_db = QSqlDatabase();
        QSqlDatabase::removeDatabase(m_nome);
    }
    QSqlDatabase &db() { return m_db; }

private:
    QString m_nome;
    QSqlDatabase m_db;
};

}

bool DiarioSqlite::esportaBambino(const QString &file, int numero, const QMap<QString, QByteArray> &documenti,
                                  QString &errore)
{
    attendi();
    // Written beside and renamed over the file only once whole.
    const QString nuovo = file + QStringLiteral(".nuovo");
    QFile::remove(nuovo);
    bool fatto = false;
    {
        Connessione uscita(nuovo, false);
        QSqlDatabase &db = uscita.db();
        QSqlQuery query(db);
        fatto = db.open() && query.exec(QStringLiteral("BEGIN")) && creaSchema(db)
                && query.exec(QStringLiteral("CREATE TABLE formato (nome TEXT NOT NULL, versione INTEGER NOT NULL)"))
                && query.exec(QStringLiteral("INSERT INTO formato VALUES ('%1', %2)").arg(Formato).arg(VersioneFormato))
                && query.exec(QStringLiteral("CREATE TABLE documenti (nome TEXT PRIMARY KEY, dati BLOB)"));
        for (auto d = documenti.constBegin(); fatto && d != documenti.constEnd(); ++d) {
            query.prepare(QStringLiteral("INSERT INTO documenti VALUES (?, ?)"));
            query.addBindValue(d.key());
            query.addBindValue(d.value());
            fatto = query.exec();
        }
        if (fatto && QFileInfo(m_percorso).isFile() && ostacolo(m_percorso).isEmpty()) {
            query.prepare(QStringLiteral("ATTACH DATABASE ? AS diario"));
            query.addBindValue(m_percorso);
            fatto = query.exec();
            for (const char *tabella : {"esercizi", "risposte", "giorni", "tempi", "tempi_mesi"})
                fatto = fatto && query.exec(QStringLiteral("INSERT INTO %1 SELECT * FROM diario.%1 WHERE bambino = %2")
                                                .arg(QLatin1String(tabella))
                                                .arg(numero));
        }
        fatto = fatto && query.exec(QStringLiteral("COMMIT"));
        if (!fatto)
            qCWarning(lcEsercizio).noquote() << "record: exporting child" << numero << "failed:" << query.lastError().text();
    }
    if (fatto && QFileInfo::exists(file) && !QFile::remove(file))
        fatto = false;
    if (fatto)
        fatto = QFile::rename(nuovo, file);
    QFile::remove(nuovo);
    if (!fatto)
        errore = QStringLiteral("Il bambino non è stato esportato in %1.").arg(QDir::toNativeSeparators(file));
    return fatto;
}

bool DiarioSqlite::leggiBambino(const QString &file, QMap<QString, QByteArray> &documenti, QString &errore)
{
    const QString nome = QDir::toNativeSeparators(file);
    if (!ostacolo(file).isEmpty() || !QFileInfo(file).isFile()) {
        errore = QStringLiteral("%1 non è un file normale.").arg(nome);
        return false;
    }
    Connessione entrata(file, true);
    QSqlQuery query(entrata.db());
    const bool sano = entrata.db().open() && query.exec(QStringLiteral("PRAGMA quick_check")) && query.next()
                      && query.value(0).toString() == QLatin1String("ok");
    if (!sano) {
        errore = QStringLiteral("Il file %1 è danneggiato o non è un bambino esportato da Calcolotti.").arg(nome);
        return false;
    }
    const bool nostro = query.exec(QStringLiteral("SELECT nome, versione FROM formato")) && query.next()
                        && query.value(0).toString() == Formato && query.value(1).toInt() == VersioneFormato
                        && query.exec(QStringLiteral("SELECT max(numero) FROM versione")) && query.next()
                        && query.value(0).toInt() >= PrimaVersioneDeiBambini && query.value(0).toInt() <= Versione;
    if (!nostro) {
        errore = QStringLiteral("Il file %1 non è un bambino esportato da questa versione di Calcolotti.").arg(nome);
        return false;
    }
    documenti.clear();
    if (!query.exec(QStringLiteral("SELECT nome, dati FROM documenti")))
        return false;
    while (query.next())
        documenti.insert(query.value(0).toString(), query.value(1).toByteArray());
    return true;
}
