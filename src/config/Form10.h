#pragma once

#include "core/Schermata.h"

#include <memory>

class AreaCliente;
class Bocca;
class QComboBox;
class QLabel;
class QMenuBar;
class QScrollBar;
class QToolButton;
class SpeechEngine;

// The voice screen: choice of voice and rate, with previews on an engine of
// its own. It changes the settings record only; the menu applies them to the
// program-wide engine when it becomes active.
class Form10 : public Schermata
{
    Q_OBJECT
public:
    explicit Form10(Servizi &servizi, QWidget *parent = nullptr);
    ~Form10() override;

    void ImpostaVoce();

protected:
    void Form_Activate() override;

private:
    void creaMenu(QMenuBar *menu);
    void creaControlli(QWidget *cliente);

    void Combo1_Click(int indice);
    void HScroll2_Change();
    void Bocca_Click();
    void BottoneEsci_Click();

    void mostraVelocita();

    std::unique_ptr<SpeechEngine> m_motore;
    AreaCliente *m_cliente = nullptr;
    QLabel *m_label2 = nullptr;
    QScrollBar *m_hScroll2 = nullptr;
    QComboBox *m_combo1 = nullptr;
    Bocca *m_bocca = nullptr;
    QToolButton *m_bottoneEsci = nullptr;
};
