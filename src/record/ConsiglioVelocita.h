#pragma once

#include "record/Diario.h"

#include <QString>
#include <QVector>

// The suggested speed of one-switch scanning, from the child's recent answers
// at the interval in force. The rule, as the guide states it:
//  - it needs at least MinimoCampioni answers and reads the newest MassimoCampioni;
//  - "later" answers are those chosen after the scan had gone round whole at
//    least once; the reaction is the time from the chosen item lighting up to
//    the press, as a share of the interval (its median);
//  - later >= 50 %: half a second slower; later >= 20 %: a quarter slower;
//  - else a median reaction >= 75 % of the interval: a quarter slower;
//  - else later <= 5 % and a median reaction <= 40 %: a quarter faster;
//  - else the speed stays. Never below 1 s nor above 15 s, the settings' range.
struct Consiglio {
    int intervalloMs = 0;  // the one to try; the current one when it stays
    QString frase;         // one Italian sentence with the reason
};

namespace ConsiglioVelocita {
constexpr int MinimoCampioni = 10;
constexpr int MassimoCampioni = 50;

Consiglio consiglia(const QVector<CampioneScansione> &campioniRecentiPrima, int intervalloMs);
QString secondi(int ms);  // "1.50"
}
