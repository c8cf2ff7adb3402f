#pragma once

#include <QString>

// Numbers as an Italian adult reads them: "1,25", never "1.25".
namespace Italiano {

QString decimale(double valore, int cifre);
// "Velocità scansione: 1,50 secondi", for a step of that many quarter seconds.
QString testoVelocitaScansione(int quartiDiSecondo);
// An input mode (StatoProgramma::ModalitaInput) as an adult names it: "un sensore".
QString nomeModalita(int modalita);

}
