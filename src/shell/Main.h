#pragma once

#include <functional>

class Dialoghi;
struct Servizi;

// The program's entry: prepares the application, then runs Esegui with the
// real message boxes.
int Main(int argc, char **argv);

// Names, icon, Qt's Italian translations and the designed fonts' free
// look-alikes, for the application object just made.
void PreparaApplicazione();

// Refuses a second copy, loads the settings, seeds the random generator, opens
// the splash screen and runs until the program ends. dopoAvvio, when given,
// runs once the splash is shown (test programs drive the run from there).
int Esegui(Dialoghi &dialoghi, const std::function<void(Servizi &)> &dopoAvvio = {});
