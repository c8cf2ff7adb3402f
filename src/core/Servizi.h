#pragma once

#include <QString>
#include <functional>
#include <memory>

class QWidget;
class QLabel;
class AnimationPlayer;
class Chiusura;
class Diario;
class Attesa;
class Avvisi;
class Bambini;
class Generatore;
class Navigatore;
class SpeechEngine;
class Suoni;
class Tempo;
class Voce;
struct StatoProgramma;

// The message boxes of the program.
class Dialoghi
{
public:
    virtual ~Dialoghi() = default;
    // OK with a stop icon.
    virtual void errore(QWidget *finestra, const QString &titolo, const QString &testo) = 0;
    // Yes/No with a question icon; true for Yes.
    virtual bool domanda(QWidget *finestra, const QString &titolo, const QString &testo) = 0;
    // OK only.
    virtual void avviso(QWidget *finestra, const QString &titolo, const QString &testo) = 0;
    // A line of text, such as a name; true when confirmed (with `valore` as written).
    virtual bool testo(QWidget *finestra, const QString &titolo, const QString &domanda, QString &valore) = 0;
};

// The colour chooser: on OK writes the picked colour into the carrier's text
// colour and returns true; on cancel changes nothing and returns false.
class SceltaColore
{
public:
    virtual ~SceltaColore() = default;
    virtual bool ScegliColore(QWidget *finestra, QLabel *portatore) = 0;
};

// Opens a document with the desktop's default application; false when nothing
// could be started to show it.
class Documenti
{
public:
    virtual ~Documenti() = default;
    virtual bool ApriDocumento(QWidget *finestra, const QString &percorso) = 0;
};

// Everything a screen needs from outside itself, injected so that tests can
// pass fakes. The program builds one in Main; tests build their own.
struct Servizi {
    StatoProgramma &stato;
    Generatore &casuale;
    Voce &voce;
    Attesa &attesa;
    Suoni &suoni;
    Dialoghi &dialoghi;
    SceltaColore &colore;
    Documenti &documenti;
    // A new animation player for an exercise screen.
    std::function<AnimationPlayer *(QWidget *parent)> creaLettore;
    // A speech engine of the voice screen's own, for previews.
    std::function<std::unique_ptr<SpeechEngine>()> creaMotoreVoce;
    // The folder that holds the program's data files (scenes, sounds, guide).
    QString cartellaProgramma;
    // Whether the program is ending; every wait watches it.
    Chiusura &chiusura;
    // Writes the settings file; false when it could not.
    std::function<bool(const StatoProgramma &)> salvaImpostazioni;
    // Ends the process once the menu's "Esci" has saved.
    std::function<void()> termina;
    // How long a key release waits for the press that would make it one of
    // the keyboard's auto-repeats; 0 takes releases at once.
    int attesaRilascioMs = 30;
    // The clock of the scan; the real one when null (tests step their own).
    Tempo *tempo = nullptr;
    // Creates screens and hands over between them; set by whoever owns it.
    Navigatore *navigatore = nullptr;
    // The record of the child's work; none is kept when null.
    Diario *diario = nullptr;
    // Notices for the adult, shown on the menu; none when null.
    Avvisi *avvisi = nullptr;
    // The children who play on this computer; one child as always when null.
    Bambini *bambini = nullptr;
};
