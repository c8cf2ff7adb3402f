#pragma once

#include "resources/Ridimensionatore.h"
#include "core/Schermata.h"

class QLabel;
class QPushButton;

// The program's name and version, where its guide is, and the terms it comes
// under; "Chiudi" goes back to a fresh menu.
class FormInfo : public Schermata
{
    Q_OBJECT
public:
    explicit FormInfo(Servizi &servizi, QWidget *parent = nullptr);

    static QString testoAttribuzione();  // Label1
    static QString testoVersione();      // Label2: the version CMake's project declares
    static QString testoCondizioni();    // Label3

    QLabel *Label1() const { return m_label1; }
    QLabel *Label2() const { return m_label2; }
    QLabel *Label3() const { return m_label3; }
    QPushButton *Command1() const { return m_command1; }

protected:
    void Form_Activate() override;
    void resizeEvent(QResizeEvent *evento) override;

private:
    void Command1_Click();

    Ridimensionatore m_ridimensionatore;
    QLabel *m_label1 = nullptr;
    QLabel *m_label2 = nullptr;
    QLabel *m_label3 = nullptr;
    QPushButton *m_command1 = nullptr;
};
