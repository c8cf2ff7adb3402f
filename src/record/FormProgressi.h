#pragma once

#include "core/Schermata.h"
#include "record/Diario.h"
#include "resources/CaratteriInScala.h"

#include <memory>

class QChartView;
class QComboBox;
class QLabel;
class QTableWidget;
class QTabWidget;
struct StatoProgramma;

// The adult's view of the record, one child at a time: for a period and the
// answers an adult picks (input mode, counting or writing the operation), the
// answers and finished exercises per day, week or month, the median response
// time per level, a table per level, the newest exercises, the suggested speed
// of one-switch scanning, export, the printed report and deletion. Mouse and
// keyboard only; it goes back to a fresh menu with "Esci" or the close box.
class FormProgressi : public Schermata
{
    Q_OBJECT
public:
    enum Periodo { Settimana, Mese, Anno, Tutto };

    explicit FormProgressi(Servizi &servizi, QWidget *parent = nullptr);
    ~FormProgressi() override;

    void mostraPeriodo(Periodo periodo);
    // Where the period begins: local midnight, ms since the epoch (0 for Tutto).
    static qint64 inizioPeriodo(Periodo periodo);
    // The period in words, with its first day: "ultimi 30 giorni (dal 08/11/2026)".
    static QString nomePeriodo(Periodo periodo);
    const Riepilogo &riepilogo() const { return m_riepilogo; }

protected:
    void resizeEvent(QResizeEvent *evento) override;
    bool eventFilter(QObject *oggetto, QEvent *evento) override;

private:
    void aggiorna();
    void ridisegna();
    void riempiLivelli();
    void riempiRecenti();
    FiltroDiario filtro() const;
    QString nomeBambino() const;
    const StatoProgramma &impostazioniDelBambino();
    // A file to write, asked of the adult from the home folder; empty when cancelled.
    QString fileDaScrivere(const QString &titolo, const QString &nome, const QString &filtro);
    void esito(bool fatto, const QString &comeFatto, const QString &comeNonFatto);
    void esporta();
    void stampa();
    void cancella();
    void esci();

    QComboBox *m_bambino = nullptr;
    QComboBox *m_periodo = nullptr;
    QComboBox *m_modalita = nullptr;
    QComboBox *m_passi = nullptr;
    QLabel *m_avviso = nullptr;
    QTabWidget *m_schede = nullptr;
    QChartView *m_giorni = nullptr;
    QChartView *m_tempi = nullptr;
    QTableWidget *m_tabella = nullptr;
    QTableWidget *m_recenti = nullptr;
    QLabel *m_consiglio = nullptr;
    QLabel *m_dove = nullptr;
    Riepilogo m_riepilogo;
    int m_bambinoCheGioca = 1;
    std::unique_ptr<StatoProgramma> m_altro;  // the chosen child's settings, when another child's
    int m_altroNumero = 0;
    CaratteriInScala m_caratteri;
};
