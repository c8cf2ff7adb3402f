#pragma once

#include <QObject>
#include <QTimer>

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
class ControlloreInput : public QObject
{
    Q_OBJECT
public:
    ControlloreInput(QWidget *schermata, BersaglioScansione &bersaglio, TipoSchermata tipo,
                     const StatoProgramma &stato);

    // The timer part of the screen's preparation for the current input mode.
    void prepara();
    // A screen that is hidden (a mixed level's resting partner) neither scans
    // nor takes keys.
    void sospendi();

    QTimer &timer() { return m_timer; }

private:
    QWidget *m_schermata;
    BersaglioScansione &m_bersaglio;
    TipoSchermata m_tipo;
    const StatoProgramma &m_stato;
    QTimer m_timer;
};
