#pragma once

#include <QWidget>

struct Servizi;

// A top-level screen of the program. Screens hand over to one another with
// cediA: the next screen takes this one's place, size and window state and is
// shown, then this one goes away. Only one screen is visible at a time.
class Schermata : public QWidget
{
    Q_OBJECT
public:
    enum class Cessione {
        Distruggi,  // the usual hand-over: this screen is destroyed
        Nascondi,   // a mixed level's partner takes the turn: this one waits hidden
    };

    explicit Schermata(Servizi &servizi, QWidget *parent = nullptr);

    Servizi &servizi() const { return m_servizi; }

    void cediA(Schermata *altra, Cessione modo = Cessione::Distruggi);

    // True once this screen has handed over and is going away: a sequence that
    // waited (speech, a pause) must not go on.
    bool congedata() const { return m_congedata; }

signals:
    void attivata();

protected:
    // Runs each time the program shows this screen, after the hand-over is
    // complete; not when the window merely regains focus from another program.
    virtual void Form_Activate() {}
    // The window frame's close box. By default the screen returns to a fresh menu.
    virtual void richiestaChiusura();

    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    Servizi &m_servizi;
    bool m_congedata = false;
    bool m_attivazioneInAttesa = false;
};
