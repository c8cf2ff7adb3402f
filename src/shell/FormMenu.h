#pragma once

#include "input/ControlloreInput.h"
#include "resources/Ridimensionatore.h"
#include "core/Schermata.h"

#include <QPointer>
#include <QVector>
#include <cstdint>

class BottoneColorato;
class ConfermaScansione;
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

    // The item the scan lights, -1 when none.
    int16_t VoceCorrente() const;
    QLabel *Label1(int indice) const { return m_label1.value(indice); }
    QLabel *Image1(int indice) const { return m_image1.value(indice); }
    QCheckBox *Check1() const { return m_check1; }
    // With several children: who plays, in the menu bar; choosing it goes to "Chi gioca?".
    QWidget *bambino() const;
    ControlloreInput &controllo() { return m_controllo; }
    QWidget *areaCliente() const { return m_area; }
    static QColor coloreSfondo() { return QColor(128, 255, 128); }

    // BersaglioScansione: the items in two columns, the groups of group scanning.
    QVector<QVector<QWidget *>> scelte() const override;
    void colora(QWidget *scelta, bool evidenziata) override;
    void scegli(QWidget *scelta) override;
    ConfermaScansione *conferma() const;  // the scanned question on screen, if any

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
    void chiediUscita();
    void chiediCambio();
    void conferma(const QString &domanda, void (FormMenu::*seSi)());
    void cambiaBambino();
    void disegnaBambino();
    QColor coloreEvidenza() const;

    QWidget *m_area;  // the designed client area, below the menu bar
    Ridimensionatore m_ridimensionatore;
    ControlloreInput m_controllo;
    QMenuBar *m_barra = nullptr;
    QVector<QLabel *> m_label1;
    QVector<QLabel *> m_image1;
    QCheckBox *m_check1 = nullptr;
    BottoneColorato *m_bambino = nullptr;  // who plays, and the way to another child
    QPointer<ConfermaScansione> m_conferma;
    bool m_uscito = false;
};
