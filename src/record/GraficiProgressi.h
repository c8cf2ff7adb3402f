#pragma once

#include "record/Diario.h"

#include <QColor>
#include <QFont>
#include <QString>
#include <QStringList>
#include <QVector>

class QChart;

// The progress charts and tables, for the screen and for the printed report alike.
namespace GraficiProgressi {

// Answers per column as stacked right and wrong bars, with the finished
// exercises as a line on an axis of their own.
QChart *risposte(const Riepilogo &r);
// The median response time per level and column.
QChart *tempi(const Riepilogo &r);

// The column labels: as many as `larghezza` pixels hold side by side in the
// chart's font, never cut. Called again when the chart changes size.
void etichettaColonne(QChart *grafico, const Riepilogo &r, int larghezza);
// The chart's texts in `base`, titles bold.
void caratteri(QChart *grafico, const QFont &base);

// A column's name in full ("lunedì 28/09/2026", "settimana dal 28/09/2026",
// "settembre 2026") and as the axis shows it ("28/09", "sett. 28/09/2026", "set 2026").
QString colonna(const Riepilogo &r, int indice, bool breve);
// "Add 1°", "Sott 2°", "Misto 1°": a level's name where room is short.
QString livelloBreve(const QString &livello);

// The tables' cells as an adult reads them ("0,9" seconds, "67" per cent, "–"
// for nothing to tell), so that the screen and the report show the same.
QStringList intestazioniLivelli();
// One row per level with something recorded in the period, in the menu's order.
QVector<QStringList> righeLivelli(const Riepilogo &r);
QStringList intestazioniRecenti();
// Date, time, level, story, outcome, right, wrong, duration, mode.
QStringList rigaRecente(const EsercizioRecente &e);

inline QColor coloreGiuste() { return QColor(0x2e, 0x9d, 0x3a); }
inline QColor coloreSbagliate() { return QColor(0xd0, 0x30, 0x30); }
inline QColor coloreEsercizi() { return QColor(0x1f, 0x4e, 0xb4); }

}
