#pragma once

#include "core/StatoProgramma.h"

#include <QHash>
#include <QString>
#include <QVector>
#include <limits>

// The scan of one screen as a state machine on times the caller reads from
// its clock: which choice is lit, when the next automatic step is due, and
// what a press or release means in the current mode with the current options.
// No widgets and no timers, so every rule can be stepped in a table.
//
// The screen offers its choices as groups (entries). With group scanning an
// entry of several items is lit as a whole and a selection enters it; without
// it every item is an entry of its own.
class ModelloScansione
{
public:
    enum class Modo { Spento, Manuale, Automatica, Frecce };

    struct Config {
        Modo modo = Modo::Spento;
        bool menu = false;  // the menu's arrows act on press, an exercise's on release
        int intervalloMs = 1000;
        OpzioniScansione opzioni;
    };

    enum class Cosa {
        Nulla,    // nothing to show
        Sposta,   // the highlight moved (evidenza() says where)
        Scegli,   // the item voce was chosen
        Spegni,   // the scan rests: no highlight
        Ignora,   // a press or release was not taken (motivo says why)
        Annulla,  // a press held too long was let go: nothing chosen (motivo says why)
    };
    struct Esito {
        Esito(Cosa c = Cosa::Nulla, int v = -1, QString m = {}) : cosa(c), voce(v), motivo(std::move(m)) {}
        Cosa cosa;
        int voce;
        QString motivo;
    };

    // What is lit: one item, a whole group (an entry of several items), or nothing.
    struct Evidenza {
        int voce = -1;     // item index when an item is lit
        int gruppo = -1;   // entry index when a whole group is lit
        bool nessuna() const { return voce < 0 && gruppo < 0; }
    };

    static constexpr qint64 Mai = std::numeric_limits<qint64>::max();

    void configura(const Config &config);
    // A new speed takes effect from the next step; nothing else changes.
    void impostaIntervallo(int intervalloMs) { m_config.intervalloMs = intervalloMs; }
    const Config &config() const { return m_config; }
    // The choices on offer: the number of items of each entry, in scan order.
    void imposta(const QVector<int> &dimensioni);
    int quanteVoci() const { return m_voci; }
    // The items of entry `gruppo` as the scan walks them.
    QVector<int> vociDelGruppo(int gruppo) const;

    // Lights the first entry (or, for riprendi, the item lit before); in the
    // automatic scan it stays lit for the first-item delay.
    Esito avvia(qint64 ora);
    Esito riprendi(qint64 ora);
    // While the program speaks or pauses inside a step nothing moves and every
    // press is ignored; when it stops, presses wait the pause after a choice.
    void occupa(bool occupato, qint64 ora);
    bool occupato() const { return m_occupato; }
    // The pause after a choice taken on another screen (or another model) holds here too.
    qint64 quieteFino() const { return m_quieteFino; }
    void quieteAlmenoFino(qint64 fino);

    // `ora` is when the key went down or up, whenever the caller hands it on.
    Esito premi(int tasto, qint64 ora, bool ripetuto);
    Esito rilascia(int tasto, qint64 ora);
    // A mouse click on a choice: Scegli when it counts, Ignora when it does not.
    Esito clic(qint64 ora);
    // The automatic step; call it when prossimaScadenza() has come.
    Esito scadenza(qint64 ora);
    // The lit item is saying its name: its step lasts the word plus the interval.
    void parolaIniziata() { m_parola = true; }
    void parolaFinita(qint64 ora);
    bool parolaInCorso() const { return m_parola; }

    qint64 prossimaScadenza() const;
    Evidenza evidenza() const;
    bool aRiposo() const { return m_riposo; }
    // Presses ignored since the scan last (re)started, for the record.
    int ignorate() const { return m_ignorate; }
    // For the record: presses ignored since the model was made; whole loops
    // the automatic scan made since the choices were offered; the time from
    // the lit item lighting up to the last press taken.
    int ignorateInTutto() const { return m_ignorateInTutto; }
    int giriPrimaDellaScelta() const { return m_giriFatti; }
    qint64 reazioneMs() const { return m_reazione; }

private:
    struct Pressione {
        qint64 inizio = 0;
        bool ignorata = false;
        QString motivo;
    };
    enum class Azione { Nessuna, Avanti, Indietro, Scegli };

    Azione azioneDel(int tasto) const;
    bool agisceAlRilascio(Azione azione) const;
    Esito esegui(Azione azione, qint64 ora);
    Esito muovi(int verso, qint64 ora, bool automatico);
    Esito scegli(qint64 ora);
    Esito accendi(qint64 ora, qint64 durata);
    Esito ignora(const QString &motivo, bool contata = true);
    // Presses wait the pause after a choice from `ora` on.
    void quiete(qint64 ora, const char *dopo);
    QString motivoQuiete(qint64 ora) const;
    int lunghezzaLista() const;
    qint64 primaDurata() const;

    Config m_config;
    QVector<int> m_dimensioni;
    QVector<QVector<int>> m_entrate;
    int m_voci = 0;
    int m_dentro = -1;  // the entry whose items are walked, -1 at the top
    int m_pos = 0;
    bool m_acceso = false;
    bool m_riposo = false;
    bool m_occupato = false;
    bool m_tenuto = false;  // the automatic scan's switch is down
    bool m_parola = false;
    qint64 m_inizio = 0;
    qint64 m_durata = 0;
    int m_giri = 0;
    int m_ignorate = 0;
    int m_ignorateInTutto = 0;
    int m_giriFatti = 0;
    qint64 m_reazione = 0;
    qint64 m_ultimaPresa = std::numeric_limits<qint64>::min() / 2;
    qint64 m_quieteDa = 0, m_quieteFino = std::numeric_limits<qint64>::min() / 2;
    const char *m_quieteDopo = "";
    QHash<int, Pressione> m_giu;
};
