#pragma once

#include "resources/Ridimensionatore.h"
#include "core/Schermata.h"

class QLabel;
class QPushButton;

// The splash: the program's name over a white-to-green gradient and one button,
// which holds the keyboard focus, to the menu.
class FormAvvio : public Schermata
{
    Q_OBJECT
public:
    explicit FormAvvio(Servizi &servizi, QWidget *parent = nullptr);

    QPushButton *Command1() const { return m_command1; }
    // The colour of band i (0 at the top, 255 at the bottom) of the background.
    static QColor coloreFascia(int i);

protected:
    void Form_Activate() override;
    void paintEvent(QPaintEvent *evento) override;
    void resizeEvent(QResizeEvent *evento) override;

private:
    void Command1_Click();

    Ridimensionatore m_ridimensionatore;
    QPushButton *m_command1 = nullptr;
};
