#pragma once

#include <QString>

class QDate;

// Numbers as an Italian adult reads them: "1,25", never "1.25".
namespace Italiano {

QString decimale(double valore, int cifre);
// "Velocità scansione: 1,50 secondi", for a step of that many quarter seconds.
QString testoVelocitaScansione(int quartiDiSecondo);
// "07/12/2026".
QString data(const QDate &giorno);
// An input mode (StatoProgramma::ModalitaInput) as an adult names it: "un sensore".
QString nomeModalita(int modalita);

}
