#pragma once

#include <QByteArray>
#include <QDate>
#include <QMap>
#include <QString>
#include <QVector>

// The record of the child's work, kept for the adult's progress screen.

// One judged answer.
struct RispostaRegistrata {
    qint64 istanteMs = 0;         // UTC, ms since the epoch
    QString livello;              // as the menu names it
    int scena = 0;
    int passo = 0;
    int scelta = 0;
    bool giusta = false;
    int modalita = 0;             // StatoProgramma::ModalitaInput
    int intervalloMs = 0;         // the scanning interval in force
    int tempoRispostaMs = -1;     // from the choices being ready to the press; -1: before they were
    int ignorate = 0;             // presses ignored since the previous answer
    int giri = -1;                // whole loops the scan made before the choice; -1 without a scan
    int reazioneMs = -1;          // from the chosen item lighting up to the press; -1 without a scan
};

struct EsercizioRegistrato {
    qint64 inizioMs = 0;
    QString livello;
    int scena = 0;
    QString famiglia;             // "addizione" or "sottrazione"
    int modalita = 0;             // StatoProgramma::ModalitaInput at its start
};

// One-switch answers, as the speed suggestion reads them.
struct CampioneScansione {
    int giri = 0;
    int reazioneMs = 0;
};

struct LivelloRiepilogo {
    QString livello;
    int finiti = 0, nonFiniti = 0;
    int giuste = 0, sbagliate = 0, ignorate = 0;
    int domande = 0, giusteAlPrimoTentativo = 0;  // steps answered, and right at the first try
    int medianaMs = -1;           // response time; -1: no timed answer
    int medianaEsercizioMs = -1;  // from the start to the end of a finished exercise; -1: none
};

// One of the newest exercises, as the adult's list shows it.
struct EsercizioRecente {
    qint64 inizioMs = 0;
    int durataMs = -1;            // -1 while it has no end
    QString livello;
    QString famiglia;             // "addizione" or "sottrazione"
    int scena = 0;
    int giuste = 0, sbagliate = 0;
    bool finito = false;
    int modalita = 0;             // the input mode it was played in
};

// Which answers the adult looks at.
struct FiltroDiario {
    enum Passi { TuttiIPassi, Conteggio, Operazione };
    int modalita = -1;            // StatoProgramma::ModalitaInput; -1 every mode
    Passi passi = TuttiIPassi;    // the counting questions, or writing the operation
};

// What the progress screen shows for a period.
struct Riepilogo {
    // One column per day up to a month, per week up to some seven months,
    // per month beyond: the first day of each column with something recorded.
    enum Grana { Giorno, Settimana, Mese };
    QVector<QDate> giorni;
    Grana grana = Giorno;
    QVector<int> finiti, giuste, sbagliate;  // per column
    // Per level in the menu's order: the median response time per column (-1: none),
    // to the tenth of a second.
    QVector<QPair<QString, QVector<int>>> mediane;
    QVector<LivelloRiepilogo> livelli;       // in the menu's order
    QVector<EsercizioRecente> recenti;       // newest first
    QVector<CampioneScansione> campioni;     // one-switch answers at the interval asked, newest first
    QString errore;               // why nothing could be read
};

// The record as a service. Writing is called on the interface thread and never
// waits for the disk; a fault stops the recording for the run, never the child.
class Diario
{
public:
    virtual ~Diario() = default;

    // The child whose exercises are written, and read, from now on (1 when
    // only one child plays on this computer).
    virtual void impostaBambino(int numero) { Q_UNUSED(numero); }
    // Returns the key of the exercise for the two calls below.
    virtual quint64 apriEsercizio(const EsercizioRegistrato &esercizio) = 0;
    virtual void rispondi(quint64 esercizio, const RispostaRegistrata &risposta) = 0;
    virtual void chiudiEsercizio(quint64 esercizio, qint64 fineMs, bool finito) = 0;

    // What went wrong in this run, in one Italian sentence; empty when nothing did.
    virtual QString avviso() const = 0;
    // Waits until everything asked so far is written (the program is ending).
    virtual void attendi() {}
    virtual QString percorso() const = 0;

    // The adult's side: these may wait.
    static constexpr int EserciziRecenti = 20;
    virtual Riepilogo riepilogo(qint64 dalMs, int intervalloMs, const FiltroDiario &filtro = {}) = 0;
    // One row per answer, header first, for an Italian spreadsheet (UTF-8 with
    // a byte-order mark, ';' between fields). False with the reason in `errore`.
    virtual bool esporta(const QString &file, QString &errore) = 0;
    virtual bool cancella(QString &errore) = 0;

    // Moving a child to another computer: one file with the child's record and
    // the documents given (their profile and settings files, by name).
    virtual bool esportaBambino(const QString &file, int numero, const QMap<QString, QByteArray> &documenti,
                                QString &errore) = 0;
    // The documents of such a file; false, with the reason, for a damaged file
    // or one that is not a child moved by this program.
    virtual bool leggiBambino(const QString &file, QMap<QString, QByteArray> &documenti, QString &errore) = 0;
    // The record in such a file added to child `numero`'s.
    virtual bool importaBambino(const QString &file, int numero, QString &errore) = 0;
    // A child's whole record goes.
    virtual bool cancellaBambino(int numero, QString &errore) = 0;
};
