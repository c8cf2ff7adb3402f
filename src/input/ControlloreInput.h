#pragma once

#include <QObject>
#include <QSet>
#include <QTimer>

#include <cstdint>

class QWidget;
struct StatoProgramma;

// What a scanned screen (the menu, an exercise screen) offers the input model.
class BersaglioScansione
{
public:
    virtual ~BersaglioScansione() = default;
    virtual void seguente() = 0;    // move the highlight to the next choice
    virtual void precedente() = 0;  // move it to the previous choice
    virtual void seleziona() = 0;   // select the highlighted choice
    // Automatic scanning stands still while this holds ("avanti" shown).
    virtual bool scansioneSospesa() const { return false; }
};

enum class TipoSchermata { Menu, Esercizio };

// The input model of one screen: the scanning timer (Timer1) and the routing of
// the keys of the current input mode to the screen, wherever the user last
// clicked. The screen owns it.
//
// Keys are caught by an application event filter for every widget of the
// screen's window, so no button, check box or menu bar of the screen ever sees
// Space or Enter in the scanning modes: they reach only the handlers below.
// The three handlers keep the names of the focus boxes they stand for.
class ControlloreInput : public QObject
{
    Q_OBJECT
public:
    // attesaRilascioMs: how long a key release waits for the press that would
    // make it one of the keyboard's auto-repeats; 0 takes releases at once.
    ControlloreInput(QWidget *schermata, BersaglioScansione &bersaglio, TipoSchermata tipo,
                     const StatoProgramma &stato, int attesaRilascioMs);

    // The timer part of the screen's preparation for the current input mode;
    // also makes the screen the keeper of the keyboard focus. Ends a suspension.
    void prepara();
    // A screen that is hidden (a mixed level's resting partner) neither scans
    // nor takes keys, until prepared again.
    void sospendi();

    QTimer &timer() { return m_timer; }

    // True while the screen takes keys and timer ticks.
    bool inAscolto() const;
    // On an exercise screen a click on a number or sign button counts only in
    // the mouse mode; the others must use their switches or keys.
    bool clicSuSceltaAccettato() const;

    // The key handlers, with Qt key codes. `ripetuto` marks the keyboard's
    // auto-repeat events.
    void PictureScansioneManuale_KeyDown(int tasto, bool ripetuto);
    void PictureScansioneAutomatica_KeyDown(int tasto, bool ripetuto);
    void PictureScansioneAutomatica_KeyUp(int tasto);
    void PictureFrecce_KeyDown(int tasto, bool ripetuto);
    void PictureFrecce_KeyUp(int tasto);
    void Timer1_Timer();

protected:
    bool eventFilter(QObject *oggetto, QEvent *evento) override;

private:
    void tastoGiu(int tasto, bool ripetuto);
    void tastoSu(int tasto, bool ripetuto);
    void completaRilascio();
    void rilascia(int tasto);
    void tieniFuoco();
    int16_t modalita() const;

    QWidget *m_schermata;
    BersaglioScansione &m_bersaglio;
    TipoSchermata m_tipo;
    const StatoProgramma &m_stato;
    QTimer m_timer;
    bool m_sospeso = true;
    // Keys whose press this screen saw: a release is only a keystroke when its
    // press came here too, not when the press went to the screen before.
    QSet<int> m_premuti;
    // The window system may miss the mark of an auto-repeated release; its
    // press follows at once, so a release is held back for a moment.
    QTimer m_rilascio;
    int m_tastoRilasciato = 0;
    int m_attesaRilascioMs;
};
