#pragma once

#include "core/Schermata.h"
#include "input/ControlloreInput.h"

#include <QVector>

class BottoneColorato;
class QLabel;

// "Chi gioca?": with two or more children on this computer, the first screen
// after the splash and the one "Cambia bambino" leads to. The children are big
// badges with their names, scanned in the input mode of the child who played
// last (each name said when lit, with spoken items on); the mouse always works.
// Choosing one loads that child's settings and opens the menu.
class FormChiGioca : public Schermata, public BersaglioScansione
{
    Q_OBJECT
public:
    explicit FormChiGioca(Servizi &servizi, QWidget *parent = nullptr);

    QVector<BottoneColorato *> bambini() const { return m_bottoni; }
    ControlloreInput &controllo() { return *m_controllo; }

    // BersaglioScansione: the badges, a row a group.
    QVector<QVector<QWidget *>> scelte() const override;
    void colora(QWidget *scelta, bool evidenziata) override;
    void scegli(QWidget *scelta) override;

protected:
    void Form_Activate() override;
    void richiestaChiusura() override;
    void resizeEvent(QResizeEvent *evento) override;

private:
    void disponi();

    QLabel *m_titolo;
    QVector<BottoneColorato *> m_bottoni;
    QVector<int> m_numeri;
    ControlloreInput *m_controllo;
};
