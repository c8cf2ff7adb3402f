#pragma once

#include <QString>

#include <optional>

// The school technician's commands, run without a window and beside a running
// copy (they only read the record and take no lock):
//   calcolotti --esporta-diario FILE.csv [--bambino NOME]
//   calcolotti --relazione FILE.pdf [--bambino NOME] [--giorni N]
namespace ComandiDiario {

struct Richiesta {
    bool relazione = false;  // the report; else the CSV
    QString file;
    QString bambino;         // empty: the child who played last
    int giorni = 30;         // the report's last days; 0 the whole record
    QString errore;          // how the command line is wrong, in Italian
};

// What the arguments ask; nothing when they name neither command.
std::optional<Richiesta> leggi(int argc, char **argv);
// Runs it once the application exists, telling a failure on standard error.
// The exit status: 0 written, 1 not written.
int esegui(const Richiesta &richiesta);

}
