#pragma once

#include "exercises/Descrizioni.h"
#include "exercises/catalog/Catalogo.h"
#include "input/ControlloreInput.h"
#include "shell/Schermata.h"

#include <QPointer>
#include <array>
#include <cstdint>
#include <memory>

class AnimationPlayer;
class QAction;
class QLabel;
class QPushButton;
class Ridimensionatore;
class CamminatoreScelte;
class EtichettaParlante;

// One exercise screen; Form1 .. Form9 are descriptions of this one class
// (Descrizioni.h): the family, the level, the mixed-level partner and the order
// of the actions inside the counting steps.
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
    FormEsercizio *partner() const { return m_partner; }
    bool inTurno() const { return m_inTurno; }

    int16_t Totale() const { return m_totale; }
    int16_t Parte() const { return m_parte; }
    int16_t Resto() const { return m_resto; }
    int16_t Scena() const { return m_scena; }
    int16_t NumeroScene() const { return m_numeroScene; }
    int16_t ScenaPrecedente() const { return m_scenaPrecedente; }
    int16_t PassoCorrente() const { return m_passoCorrente; }

    // The colour a button was last painted with (0x00BBGGRR).
    static uint32_t colore(const QWidget *bottone);
    QString testoPannello(int pannello) const;  // status bar panels 1..3

    void GeneraEsercizio();
    void SelezionaScelte();
    void AzzeraConteggio();
    void TornaAlMenu();
    void Command1_Click(int indice);
    void Command2_Click(int indice);
    void Command3_Click();
    void Label_Click(int etichetta);

    void ColoraSeguente();
    void ColoraPrecedente();

    // BersaglioScansione
    void seguente() override;
    void precedente() override;
    void seleziona() override;
    bool scansioneSospesa() const override;

protected:
    void Form_Activate() override;
    void richiestaChiusura() override;
    bool eventFilter(QObject *oggetto, QEvent *evento) override;

private:
    void creaControlli();
    void creaBarraStato();
    void ImpostaModalitaInput();

    // Runs a step's actions; false when the rest of the caller must not run
    // (the screen went away, lost its turn, or a new exercise began meanwhile).
    bool esegui(const Esercizi::Sequenza &azioni);
    static bool proseguibile(const QPointer<FormEsercizio> &io, unsigned esercizio);
    void azioneClip(const Esercizi::Azione &azione);
    QString testoEtichetta(int etichetta) const;
    QString clip(char gruppo, int i) const;

    void passoConteggio(int passo);
    void passoOperazione(int passo);
    int giusta(int passo) const;
    bool rispostaGiusta(int passo, int scelta) const;
    void contaEsatto();
    void contaErrato(int passo);

    void dipingi(QWidget *bottone, uint32_t colore);
    void ridipingiNumeri();
    void ridipingiSegni();
    void mostraNumeri(bool visibili);
    void mostraSegni(bool visibili);
    void ricominciaEvidenziazione(bool segni);
    uint32_t coloreScansione() const;
    void lascia();

    const Esercizi::Descrizione &m_descrizione;
    bool m_addizione;

    QWidget *m_client = nullptr;
    QWidget *m_picture1 = nullptr;
    AnimationPlayer *m_lettore = nullptr;
    std::array<EtichettaParlante *, 9> m_label{};  // 1..8
    std::array<QPushButton *, 11> m_command1{};
    std::array<QPushButton *, 3> m_command2{};
    QPushButton *m_command3 = nullptr;
    std::array<QLabel *, 4> m_pannello{};  // 1..3
    QAction *m_mnuAzzera = nullptr;
    QAction *m_mnuEsci = nullptr;
    std::unique_ptr<Ridimensionatore> m_ridimensionatore;
    std::unique_ptr<CamminatoreScelte> m_camminatore;
    ControlloreInput *m_input = nullptr;

    int16_t m_totale = 0;
    int16_t m_parte = 0;
    int16_t m_resto = 0;
    int16_t m_scena = 0;
    int16_t m_numeroScene = 0;
    int16_t m_passoCorrente = 0;
    int16_t m_scenaPrecedente = 0;
    bool m_ordineInverso = false;
    Catalogo::TabellaFrasi m_frasi;

    QPointer<FormEsercizio> m_partner;
    bool m_inTurno = false;
    bool m_lettoreAttivato = false;
    unsigned m_esercizio = 0;  // counts GeneraEsercizio runs
};
