#pragma once

#include <QString>

// Texts the configuration screens compose at run time.
namespace TestiConfigurazione {

// Caption of the input-mode option with index ModalitaInput (0 to 3).
QString didascaliaModalita(int modalita);

// "Velocità scansione: 1,50 secondi": quarter seconds shown in seconds with two
// decimals and the decimal separator of the default locale.
QString testoVelocitaScansione(int quartiDiSecondo);

// "Velocità =  135": the rate written with a sign position, a blank when the
// number is not negative.
QString testoVelocitaVoce(int velocita);

}
