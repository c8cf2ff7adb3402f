#pragma once

#include "core/Schermata.h"
#include "resources/CaratteriInScala.h"
#include "input/ControlloreInput.h"

#include <QVector>

class QCheckBox;
class QDoubleSpinBox;
class QPushButton;
class QSpinBox;
class QWidget;

// The adult's screen for the scanning options. Every change goes into the
// settings record at once; "Prova" scans a row of sample buttons with them,
// in the chosen input mode (automatic scanning when the mouse is chosen).
class FormOpzioniScansione : public Schermata, public BersaglioScansione
{
    Q_OBJECT
public:
    explicit FormOpzioniScansione(Servizi &servizi, QWidget *parent = nullptr);

    bool inProva() const { return m_inProva; }
    void prova(bool avvia);
    ControlloreInput &controllo() { return *m_controllo; }

    QVector<QVector<QWidget *>> scelte() const override;
    void colora(QWidget *scelta, bool evidenziata) override;
    void scegli(QWidget *scelta) override;

protected:
    void resizeEvent(QResizeEvent *evento) override;
    void Form_Activate() override;
    void richiestaChiusura() override;

private:
    void leggi();
    void scrivi();
    void esci();

    QCheckBox *m_voce, *m_suono, *m_gruppi, *m_bordo, *m_ingrandisci;
    QDoubleSpinBox *m_ritardo;
    QSpinBox *m_giri, *m_minima, *m_ripetute, *m_pausa, *m_massima;
    QPushButton *m_prova;
    QWidget *m_fila;
    QVector<QWidget *> m_campioni;
    ControlloreInput *m_controllo;
    bool m_inProva = false;
    CaratteriInScala m_caratteri;
};
