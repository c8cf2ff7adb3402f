#pragma once

class Dialoghi;

// The program's entry: prepares the application, then runs Esegui with the
// real message boxes.
int Main(int argc, char **argv);

// Names, icon, Qt's Italian translations and the designed fonts' free
// look-alikes, for the application object just made.
void PreparaApplicazione();

// Refuses a second copy, loads the settings, seeds the random generator, opens
// the splash screen and runs until the program ends, with these message boxes.
int Esegui(Dialoghi &dialoghi);
