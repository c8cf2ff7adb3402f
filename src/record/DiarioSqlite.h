#pragma once

#include "record/Diario.h"

#include <QThread>

#include <memory>

class QSqlDatabase;
class QSqlError;
class QTemporaryDir;
class ScrittoreDiario;
struct CondivisoDiario;

// The record in an SQLite file (Qt SQL). A worker thread with a connection of
// its own does all the writing, one short transaction per answer, in WAL mode;
// the interface thread only queues calls. The progress screen's reads go
// through a second, read-only connection on the calling thread, which WAL lets
// run beside the writer.
//
// While another program locks the file, the work waits in memory and is tried
// again. Faults (a read-only or full disk, a schema from a newer program, a
// pipe or a device in the file's place) are logged once and stop the recording
// for the run. A file that is not a sound database of this program is renamed
// aside, never changed, and a new one begins.
class DiarioSqlite : public Diario
{
public:
    static constexpr int Versione = 3;

    // attesaBloccoMs: how long the writer waits on a file locked by someone else.
    explicit DiarioSqlite(const QString &percorso, int attesaBloccoMs = 2000);
    // Only the adult's side, beside a program that may be writing the same
    // file: nothing is ever written, migrated or put aside.
    static std::unique_ptr<DiarioSqlite> soloLettura(const QString &percorso);
    ~DiarioSqlite() override;

    void impostaBambino(int numero) override;
    quint64 apriEsercizio(const EsercizioRegistrato &esercizio) override;
    void rispondi(quint64 esercizio, const RispostaRegistrata &risposta) override;
    void chiudiEsercizio(quint64 esercizio, qint64 fineMs, bool finito) override;
    QString avviso() const override;
    QString percorso() const override { return m_percorso; }
    Riepilogo riepilogo(qint64 dalMs, int intervalloMs, const FiltroDiario &filtro = {}) override;
    bool esporta(const QString &file, QString &errore) override;
    bool cancella(QString &errore) override;
    bool esportaBambino(const QString &file, int numero, const QMap<QString, QByteArray> &documenti,
                        QString &errore) override;
    bool leggiBambino(const QString &file, QMap<QString, QByteArray> &documenti, QString &errore) override;
    bool importaBambino(const QString &file, int numero, QString &errore) override;
    bool cancellaBambino(int numero, QString &errore) override;

    // The statements that make an empty record of this version (or an
    // earlier one) in `db`.
    static bool creaSchema(QSqlDatabase &db, int versione = Versione);

    void attendi() override;

    // Why the record cannot be at `percorso`, in Italian: something that is not
    // an ordinary file, or a link to one outside its folder. Empty when it can.
    static QString ostacolo(const QString &percorso);

    // Why a read failed, in an Italian phrase for the adult (SQLite's own
    // words go to the log).
    static QString motivoLettura(const QSqlError &errore);

private:
    friend class ScrittoreDiario;
    DiarioSqlite(const QString &percorso, int attesaBloccoMs, bool scrive);
    template <typename Funzione>
    void manda(Funzione &&funzione);
    bool apriLettura(QString &errore);
    // `copia` becomes an up-to-date copy of a moved child's file of an earlier
    // version, in `cartella`; it stays `file` when that is up to date.
    static bool aggiornaCopia(const QString &file, const QTemporaryDir &cartella, QString &copia);
    void chiudiLettura();

    QString m_percorso;
    std::shared_ptr<CondivisoDiario> m_condiviso;
    QThread m_thread;
    ScrittoreDiario *m_scrittore = nullptr;  // lives on m_thread
    quint64 m_prossimo = 0;
    int m_bambino = 1;  // whose record the adult's side reads
    QString m_lettura;  // the read connection's name, once opened
};
