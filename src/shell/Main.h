#pragma once

// The program's entry: refuses a second copy, loads the settings, seeds the
// random generator and opens the splash screen.
int Main(int argc, char **argv);
