#pragma once

#include "core/Schermata.h"

#include <array>

class AreaCliente;
class QCheckBox;
class QLabel;
class QMenuBar;
class QPushButton;
class QRadioButton;
class QScrollBar;

// The input-mode screen: mode, scanning speed, system pointer and highlight
// colour. It changes the settings record only; the menu saves it.
class FormConfigura : public Schermata
{
    Q_OBJECT
public:
    explicit FormConfigura(Servizi &servizi, QWidget *parent = nullptr);

    // Brings the controls in line with the settings record.
    void ImpostaConfigurazioni();

protected:
    void Form_Activate() override;

private:
    void creaMenu(QMenuBar *menu);
    void creaControlli(QWidget *cliente);

    void Option4_Click(int indice);
    void HScroll3_Change();
    void CheckDisabilitaMousePersonalizzato_Click();
    void Command1_Click();
    void mnuEsci_Click();

    void mostraVelocita();
    void coloraCommand1();

    AreaCliente *m_cliente = nullptr;
    std::array<QRadioButton *, 4> m_option4{};
    QScrollBar *m_hScroll3 = nullptr;
    QLabel *m_label7 = nullptr;
    QCheckBox *m_check = nullptr;
    QPushButton *m_command1 = nullptr;
    QLabel *m_labelPerColore = nullptr;
};
