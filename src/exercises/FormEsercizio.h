#pragma once

#include "core/Schermata.h"
#include "exercises/Descrizioni.h"
#include "exercises/Esercizio.h"
#include "exercises/catalog/Catalogo.h"
#include "input/ControlloreInput.h"

#include <QPointer>
#include <array>
#include <cstdint>
#include <memory>

class AnimationPlayer;
class ConfermaScansione;
class QAction;
class QLabel;
class BottoneColorato;
class Ridimensionatore;
class EtichettaParlante;

// One exercise screen; Form1 .. Form9 are descriptions of this one class
// (Descrizioni.h). The rules live in the model (Esercizio.h); the screen runs
// the step's action lists and paints what the model says.
class FormEsercizio : public Schermata, public BersaglioScansione
{
    Q_OBJECT
public:
    FormEsercizio(Servizi &servizi, int numero, QWidget *parent = nullptr);
    ~FormEsercizio() override;

    // Starts a mixed level from the menu: creates both screens of the pair of
    // `primo` (6 or 7: Form6 + Form7; 8 or 9: Form8 + Form9), draws which one
    // begins and hands the menu over to it. Returns the screen shown.
    static FormEsercizio *avviaLivelloMisto(Servizi &servizi, Schermata *menu, int primo);

    int numero() const { return m_descrizione.numero; }
    const Esercizi::Descrizione &descrizione() const { return m_descrizione; }
    const Esercizi::Esercizio &modello() const { return m_modello; }
    FormEsercizio *partner() const { return m_partner; }
    bool inTurno() const { return m_inTurno; }
    ControlloreInput &controllo() const { return *m_input; }
    ConfermaScansione *conferma() const;  // the scanned question on screen, if any

    // The colour a button was last painted with (0x00BBGGRR).
    static uint32_t colore(const QWidget *bottone);
    // Whether a button carries the wrong-answer mark.
    static bool segnatoSbagliato(const QWidget *bottone);
    QString testoPannello(int pannello) const;  // status bar panels 1..3

    void GeneraEsercizio();
    void SelezionaScelte();
    void AzzeraConteggio();
    void TornaAlMenu();
    void Command1_Click(int indice);
    void Command2_Click(int indice);
    void Command3_Click();
    void Label_Click(int etichetta);

    // BersaglioScansione
    QVector<QVector<QWidget *>> scelte() const override;
    void colora(QWidget *scelta, bool evidenziata) override;
    void scegli(QWidget *scelta) override;

signals:
    // An answer was judged, for the record: the step, the choice, right or not.
    void risposta(int passo, int scelta, bool giusta);
    void esercizioIniziato();
    void esercizioFinito();

protected:
    void Form_Activate() override;
    void richiestaChiusura() override;
    bool eventFilter(QObject *oggetto, QEvent *evento) override;

private:
    void creaControlli();
    void creaBarraStato();
    void creaComandiScansione();
    void ImpostaModalitaInput();

    // Runs a step's actions; false when the rest of the caller must not run
    // (the screen went away, lost its turn, or a new exercise began meanwhile).
    bool esegui(const Esercizi::Sequenza &istruzioni);
    static bool proseguibile(const QPointer<FormEsercizio> &io, unsigned esercizio);
    void azioneClip(const Esercizi::Istruzione &istruzione);
    QString testoEtichetta(int etichetta) const;
    static QString clip(char gruppo, int i);

    void passoOperazione(int passo);
    void mostraPunteggio();
    void segnaErrore(int passo, int scelta);
    // "avanti": the next exercise here, or on a mixed level perhaps the partner's turn.
    void avanti();
    void clicSuScelta(QWidget *bottone, int indice);
    void ripeti();
    void chiediMenu();
    void parlaEtichetta(int etichetta);

    void dipingi(QWidget *bottone, uint32_t colore, bool sbagliato = false);
    void dipingiSbagliato(QWidget *bottone);
    void ridipingi(Esercizi::Gruppo gruppo);
    void mostraGruppo(Esercizi::Gruppo gruppo);
    void ricominciaEvidenziazione();
    uint32_t coloreScansione() const;
    void fermaClip();
    void lascia();

    const Esercizi::Descrizione &m_descrizione;
    Esercizi::Esercizio m_modello;

    QWidget *m_client = nullptr;
    QWidget *m_picture1 = nullptr;
    AnimationPlayer *m_lettore = nullptr;
    std::array<EtichettaParlante *, 9> m_label{};  // 1..8
    std::array<BottoneColorato *, 11> m_command1{};
    std::array<BottoneColorato *, 3> m_command2{};
    BottoneColorato *m_command3 = nullptr;
    BottoneColorato *m_ripeti = nullptr;
    BottoneColorato *m_menu = nullptr;
    std::array<QLabel *, 4> m_pannello{};  // 1..3
    QAction *m_mnuAzzera = nullptr;
    QAction *m_mnuEsci = nullptr;
    std::unique_ptr<Ridimensionatore> m_ridimensionatore;
    ControlloreInput *m_input = nullptr;
    QPointer<ConfermaScansione> m_conferma;
    Catalogo::TabellaFrasi m_frasi;

    QPointer<FormEsercizio> m_partner;
    bool m_inTurno = false;
    bool m_lettoreAttivato = false;
    unsigned m_esercizio = 0;  // counts GeneraEsercizio runs
};
