#pragma once

// Qt keeps its dialogs' own memory (custom colours, the file dialog's history
// and last folder) in ~/.config/QtProject.conf, a file every Qt program of the
// user shares. The program writes only its own files: after this call, made
// once at start, Qt's user settings go nowhere.
void nessunFileDiQt();
