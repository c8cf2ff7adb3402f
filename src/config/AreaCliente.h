#pragma once

#include "resources/Ridimensionatore.h"

#include <QWidget>

class QMenuBar;

// The designed client area of a screen with a menu bar: controls sit on it at
// their designed positions and keep their proportions when the window is
// resized.
class AreaCliente : public QWidget
{
    Q_OBJECT
public:
    // Puts the menu bar and this area into the screen's layout.
    AreaCliente(QWidget *schermata, QMenuBar *menu, const QSize &progetto);

    // Call once every control is placed at its designed geometry.
    void registra();
    // The window size that shows this area at its designed size.
    QSize dimensioneFinestra() const;

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    QMenuBar *m_menu;
    QSize m_progetto;
    Ridimensionatore m_ridimensionatore;
    bool m_registrato = false;
};
