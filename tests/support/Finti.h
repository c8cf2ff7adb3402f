#pragma once

// Fakes of the program's services for the tests. Every fake writes what it is
// asked into one shared log, so a test can compare the order of calls across
// speech, pauses, sounds and the animation player.

#include "media/AnimationPlayer.h"
#include "media/SpeechEngine.h"
#include "media/Voce.h"
#include "core/Avvisi.h"
#include "core/Chiusura.h"
#include "core/Generatore.h"
#include "core/Servizi.h"
#include "core/StatoProgramma.h"

#include <QStringList>
#include <QVector>
#include <functional>
#include <memory>

class Registro
{
public:
    QStringList voci;
    void scrivi(const QString &voce) { voci << voce; }
    void svuota() { voci.clear(); }
};

// Draws from a script; when the script runs out it starts again.
class GeneratoreScriptato : public Generatore
{
public:
    QVector<double> valori;
    int prossimo = 0;
    double Rnd() override;
    void imposta(const QVector<double> &nuovi) { valori = nuovi; prossimo = 0; }
};

// The draw that makes Int(n) give k.
inline double estrai(int k, int n) { return (k + 0.5) / n; }

// Draws for one exercise: total, the zero rule, part, scene, order.
inline QVector<double> estrazioni(int totale, int parte, bool addizione, int ordine = 0, int scena = 1)
{
    const int zeri = parte == 0 || parte == totale ? 0 : 1;
    QVector<double> v{estrai(totale - 2, 9), estrai(zeri, 3), estrai(parte, totale + 1),
                      estrai(scena - 1, addizione ? 30 : 23)};
    if (addizione)
        v << estrai(ordine, 2);
    return v;
}

// A speech engine that speaks for as long as the test says: by default speech
// ends on the next turn of the event loop.
class MotoreFinto : public SpeechEngine
{
    Q_OBJECT
public:
    explicit MotoreFinto(Registro *registro = nullptr) : m_registro(registro) {}
    void speak(const QString &text) override;
    void stop() override;
    bool isSpeaking() const override { return m_parla; }
    void setRate(int velocita) override;
    int voiceCount() const override { return nomi.size(); }
    QString voiceName(int numero) const override { return nomi.value(numero - 1); }
    bool selectVoice(int numero) override;
    bool writeAfterVoiceChange(int16_t valore) override;
    void finisci();  // ends the current speech now

    QStringList nomi{QStringLiteral("Voce uno"), QStringLiteral("Voce due")};
    QVector<int> rifiutate;      // voice numbers that selectVoice refuses
    bool fineAutomatica = true;  // end speech on the next event-loop turn
    int velocita = 0;

private:
    Registro *m_registro;
    bool m_parla = false;
    int m_generazione = 0;
};

// Parla and Pausa that log and, when asked, run a hook in the middle of the
// wait, as a click or key handled during speech would.
class VoceFinta : public Voce
{
public:
    explicit VoceFinta(Registro &registro) : m_registro(registro), m_motore(&registro) {}
    SpeechEngine &motore() override { return m_motore; }
    bool Parla(const QString &testo) override;
    std::function<void(const QString &)> durante;  // runs inside Parla
    bool esito = true;

private:
    Registro &m_registro;
    MotoreFinto m_motore;
};

class AttesaFinta : public Attesa
{
public:
    explicit AttesaFinta(Registro &registro) : m_registro(registro) {}
    bool Pausa(double secondi) override;
    std::function<void(double)> durante;  // runs inside Pausa
    bool esito = true;

private:
    Registro &m_registro;
};

class SuoniFinti : public Suoni
{
public:
    explicit SuoniFinti(Registro &registro) : m_registro(registro) {}
    void SuonoSi() override { m_registro.scrivi(QStringLiteral("SuonoSi")); }
    void SuonoNo() override { m_registro.scrivi(QStringLiteral("SuonoNo")); }
    void SuonoAnnullato() override { m_registro.scrivi(QStringLiteral("SuonoAnnullato")); }
    int durataUltimoMs() const override { return durata; }
    int durata = 0;  // how long every sound plays

private:
    Registro &m_registro;
};

class DialoghiFinti : public Dialoghi
{
public:
    explicit DialoghiFinti(Registro &registro) : m_registro(registro) {}
    void errore(QWidget *, const QString &titolo, const QString &testo) override;
    bool domanda(QWidget *, const QString &titolo, const QString &testo) override;
    void avviso(QWidget *, const QString &titolo, const QString &testo) override;
    bool testo(QWidget *, const QString &titolo, const QString &domanda, QString &valore) override;
    bool risposta = true;  // the answer to the Yes/No question
    QString scritto;       // what the adult writes in a text box; empty: cancelled

private:
    Registro &m_registro;
};

class SceltaColoreFinta : public SceltaColore
{
public:
    bool ScegliColore(QWidget *finestra, QLabel *portatore) override;
    std::function<void(QWidget *)> durante;  // runs while the chooser is open
    bool conferma = true;
    QColor colore = Qt::blue;
};

class DocumentiFinti : public Documenti
{
public:
    bool ApriDocumento(QWidget *, const QString &percorso) override { aperti << percorso; return apre; }
    QStringList aperti;
    bool apre = true;  // a viewer is there
};

// Records the five operations, e.g. "TSetProperty _root.a3 7 1".
class LettoreFinto : public AnimationPlayer
{
    Q_OBJECT
public:
    LettoreFinto(Registro &registro, QWidget *parent) : AnimationPlayer(parent), m_registro(registro) {}
    void Movie(const QString &percorso) override;
    void BGColor(const QString &rrggbb) override;
    void TSetProperty(const QString &clip, int proprieta, const QString &valore) override;
    void TStopPlay(const QString &clip) override;
    void TPlay(const QString &clip) override;

private:
    Registro &m_registro;
};

// A whole set of fake services, ready to hand to a screen.
class ServiziFinti
{
public:
    ServiziFinti();
    Registro registro;
    StatoProgramma stato;
    GeneratoreScriptato casuale;
    VoceFinta voce{registro};
    AttesaFinta attesa{registro};
    SuoniFinti suoni{registro};
    DialoghiFinti dialoghi{registro};
    SceltaColoreFinta colore;
    DocumentiFinti documenti;
    Chiusura chiusura;
    int salvataggi = 0;  // settings saves asked for
    int terminazioni = 0;
    Avvisi avvisi;
    Servizi servizi;
};
