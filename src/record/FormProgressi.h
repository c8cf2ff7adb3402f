#pragma once

#include "core/Schermata.h"
#include "record/Diario.h"
#include "resources/CaratteriInScala.h"

class QChartView;
class QComboBox;
class QLabel;
class QTableWidget;

// The adult's view of the record: for a period, the answers and finished
// exercises per day, the median response time per level, a table per level,
// the suggested speed of one-switch scanning, export and deletion. Mouse and
// keyboard only; it goes back to a fresh menu with "Esci" or the close box.
class FormProgressi : public Schermata
{
    Q_OBJECT
public:
    enum Periodo { Settimana, Mese, Tutto };

    explicit FormProgressi(Servizi &servizi, QWidget *parent = nullptr);

    void mostraPeriodo(Periodo periodo);
    // Where the period begins: local midnight, ms since the epoch (0 for Tutto).
    static qint64 inizioPeriodo(Periodo periodo);

    // The colours of the stacked bars, for whoever checks the drawing.
    static QColor coloreGiuste() { return QColor(0x2e, 0x9d, 0x3a); }
    static QColor coloreSbagliate() { return QColor(0xd0, 0x30, 0x30); }

protected:
    void resizeEvent(QResizeEvent *evento) override;

private:
    void aggiorna();
    void disegnaGiorni(const Riepilogo &r);
    void disegnaTempi(const Riepilogo &r);
    void riempiTabella(const Riepilogo &r);
    void esporta();
    void cancella();
    void esci();

    QComboBox *m_periodo = nullptr;
    QLabel *m_avviso = nullptr;
    QChartView *m_giorni = nullptr;
    QChartView *m_tempi = nullptr;
    QTableWidget *m_tabella = nullptr;
    QLabel *m_consiglio = nullptr;
    QLabel *m_dove = nullptr;
    CaratteriInScala m_caratteri;
};
