#pragma once

#include <QFont>
#include <QPointer>
#include <QRect>
#include <QSize>
#include <QVector>

class QWidget;

// Keeps a screen's controls in proportion to its window: registra() records the
// designed geometry and font of every control once the screen is laid out,
// ridimensiona() rescales them all to the window's current size.
class Ridimensionatore
{
public:
    explicit Ridimensionatore(QWidget *schermata);

    void registra();
    void ridimensiona();
    QSize dimensioneProgettata() const { return m_progetto; }

private:
    struct Controllo {
        QPointer<QWidget> widget;
        QRect geometria;
        QFont carattere;
        bool haCarattere;
    };
    QWidget *m_schermata;
    QSize m_progetto;
    QVector<Controllo> m_controlli;
};
