#pragma once

#include <QString>

struct StatoProgramma;

// The scanning options' file, calcolotti-scansione.ini beside the settings
// file, in Qt's INI format under [scansione]. The seven-line settings file
// stays as it is.
namespace ModuloOpzioni {

QString percorso(const StatoProgramma &stato);
// A missing, unreadable or out-of-range value keeps its default; each one is
// reported in the input log.
void LeggiOpzioni(StatoProgramma &stato);
// Written whole into a new file that then replaces the old one; false when
// it could not be written (the old file stays as it was). The file is never
// written outside the settings folder: a link is followed only to an
// ordinary file in that same folder.
bool SalvaOpzioni(const StatoProgramma &stato);
// The same; empty on success, else why not, in Italian (and in the log).
QString SalvaOpzioniOMotivo(const StatoProgramma &stato);

}
