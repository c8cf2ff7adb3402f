#pragma once

#include "input/ControlloreInput.h"
#include "resources/Ridimensionatore.h"
#include "core/Schermata.h"

#include <QVector>
#include <cstdint>

class QAction;
class QCheckBox;
class QLabel;
class QMenu;
class QMenuBar;

// The program's hub: seven levels and "Esci", the sound switch and the menu
// bar. Rebuilt each time the user comes back, so it always follows the current
// settings.
class FormMenu : public Schermata, public BersaglioScansione
{
    Q_OBJECT
public:
    static constexpr int NumeroVoci = 8;
    static constexpr int VoceEsci = 7;

    explicit FormMenu(Servizi &servizi, QWidget *parent = nullptr);

    void AvviaEsercizi(int16_t Scelta);

    int16_t VoceCorrente() const { return m_voceCorrente; }
    QLabel *Label1(int indice) const { return m_label1.value(indice); }
    QLabel *Image1(int indice) const { return m_image1.value(indice); }
    QCheckBox *Check1() const { return m_check1; }
    ControlloreInput &controllo() { return m_controllo; }
    QWidget *areaCliente() const { return m_area; }
    static QColor coloreSfondo() { return QColor(128, 255, 128); }

    // BersaglioScansione: the menu's movement and selection.
    void seguente() override;
    void precedente() override;
    void seleziona() override;

    void Label1_MouseMove(int indice);
    void Image1_MouseMove(int indice);
    void Check1_MouseMove();
    void Form_MouseMove();

protected:
    void Form_Activate() override;
    void richiestaChiusura() override;
    bool eventFilter(QObject *oggetto, QEvent *evento) override;

private:
    void creaControlli();
    void creaMenu();
    void ImpostaModalitaInput();
    void Check1_Click(bool spuntata);
    void Esci();
    void avviaLivelloMisto(int formAddizione);
    QColor coloreEvidenza() const;

    QWidget *m_area;  // the designed client area, below the menu bar
    Ridimensionatore m_ridimensionatore;
    ControlloreInput m_controllo;
    QMenuBar *m_barra = nullptr;
    QVector<QLabel *> m_label1;
    QVector<QLabel *> m_image1;
    QCheckBox *m_check1 = nullptr;
    int16_t m_voceCorrente = 0;
    bool m_uscito = false;
};
