#pragma once

#include <QString>
#include <QStringList>

#include <memory>

class AudioOutput;
class Diario;
class Schermata;
class SpeechEngine;
struct Servizi;
struct StatoProgramma;

// What the technician's command line asks of the record, with no window.
struct ComandoDiario {
    enum Cosa { Csv, Relazione };
    Cosa cosa = Csv;
    QString file;     // where to write
    QString diario;   // the record's file
    int bambino = 1;  // whose record
    QString nome;     // the child's name, for the report
    int giorni = 30;  // the report's period: the last days, today's included; 0 the whole record
};

// The parts that need the large libraries: sound, speech, the record's
// database and its charts, some thirty libraries in all. The program loads
// them as a module on first use, after the splash is painted, so that
// starting waits for none of them; tests and benchmarks link them in.
class Estensioni
{
public:
    virtual ~Estensioni() = default;

    // The default device's output, made on the sound thread; null when there
    // is no device.
    virtual std::unique_ptr<AudioOutput> uscitaAudio() = 0;
    virtual std::unique_ptr<SpeechEngine> motoreVoce() = 0;
    virtual std::unique_ptr<Diario> diario(const QString &percorso) = 0;
    virtual Schermata *progressi(Servizi &servizi) = 0;
    // The self-check of the voice: one line for what it found or what is missing.
    virtual void verificaVoce(QStringList &trovati, QStringList &mancanti) = 0;
    // The CSV or the report, with the child's settings in `stato`; the record
    // is only read, so a running copy may go on writing it. False with an
    // Italian sentence in `errore`.
    virtual bool eseguiComando(const ComandoDiario &comando, const StatoProgramma &stato, QString &errore) = 0;

    // The parts linked in, or else loaded from the module on the first call
    // (from any thread): beside the executable in the build folder, in a
    // private library folder once installed. Null when the module cannot be
    // loaded, and then errore() says why.
    static Estensioni *istanza();
    static QString errore();
    // Called by the parts themselves as they are linked in or loaded.
    static void registra(Estensioni *estensioni);
};
