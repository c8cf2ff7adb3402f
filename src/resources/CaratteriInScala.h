#pragma once

#include <QFont>
#include <QPointer>
#include <QSize>
#include <QVector>

class QWidget;

// The fonts of a screen laid out by layouts (the adult's screens), grown and
// shrunk with its window like those of the screens the resizer keeps in
// proportion: every font the screen or a control sets is scaled by the
// smaller of the window's two factors against the designed size.
class CaratteriInScala
{
public:
    // Call once the screen is built, at its designed size.
    void registra(QWidget *schermata, const QSize &progettata);
    void ridimensiona();
    // The box of a check box or an option button, as large as its text.
    static void scalaIndicatore(QWidget *controllo, const QFont &carattere);

private:
    struct Voce {
        QPointer<QWidget> widget;
        QFont carattere;
    };
    QPointer<QWidget> m_schermata;
    QSize m_progetto;
    QVector<Voce> m_voci;
};
