#pragma once

#include <QString>

// Texts the configuration screens compose at run time.
namespace TestiConfigurazione {

// Caption of the input-mode option with index ModalitaInput (0 to 3).
QString didascaliaModalita(int modalita);

// "Velocità =  135": the rate written with a sign position, a blank when the
// number is not negative.
QString testoVelocitaVoce(int velocita);

}
