#pragma once

#include <QFont>
#include <QHash>
#include <QPointer>
#include <QRect>
#include <QSize>
#include <QVector>

class QMenuBar;
class QWidget;

// Keeps a screen's controls in proportion to its window: registra() records the
// designed geometry and font of every control once the screen is laid out,
// ridimensiona() rescales them all to the window's current size.
//
// The widget given is the designed client area. Controls placed by a layout
// (the panels of a status bar) keep their place and only have their font
// scaled; so does the window's menu bar, by the window's own growth; the parts of a compound control (a combo box's list, a scroll
// area's bars) follow their owner. An animation player keeps its aspect and is
// centred in its proportional box; so does any widget with the dynamic property
// "mantieniProporzioni" set to true. Fonts, inherited ones included, and the
// pictures on buttons scale with the smaller of the two factors, so that text
// always fits its control.
class Ridimensionatore
{
public:
    explicit Ridimensionatore(QWidget *schermata);

    void registra();
    // For a client area whose size is not yet settled when the screen is built.
    void registra(const QSize &progettata);
    void ridimensiona();
    QSize dimensioneProgettata() const { return m_progetto; }

    // Below this fraction of the designed size text and buttons become too
    // small to read or to hit, so the window does not shrink further.
    static constexpr double ScalaMinima = 0.5;

private:
    struct Controllo {
        QPointer<QWidget> widget;
        QPointer<QWidget> genitore;
        QPointer<QWidget> riferimento; // whose scale the font follows
        QRect geometria;
        QFont carattere;
        QSize icona;        // of a button showing a picture
        bool posizionato;   // false: a layout places it
        bool proporzionato; // keeps its aspect
    };
    void raccogli(QWidget *contenitore, QWidget *riferimento);
    QSize progettoDi(const QWidget *genitore) const;
    bool scala(const QWidget *contenitore, double &sx, double &sy) const;

    void scalaMenu();

    QPointer<QWidget> m_schermata;
    QSize m_progetto;
    QPointer<QMenuBar> m_menu;  // the window's, above the client area
    QFont m_caratteriMenu;
    QSize m_progettoFinestra;
    QVector<Controllo> m_controlli;
    QHash<const QWidget *, QSize> m_progettoContenitori;
};
