// Saves the settings with a file-size limit too small for the file, so the
// write breaks in the middle: "crash" lets the limit kill the process, "errore"
// lets the write fail and the save report it.
#include "shell/ModuloPerIni.h"
#include "core/StatoProgramma.h"

#include <QCoreApplication>
#include <csignal>
#include <cstring>
#include <sys/resource.h>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 3)
        return 2;
    StatoProgramma stato;
    stato.PercorsoIni = QString::fromLocal8Bit(argv[2]);
    stato.SuoniAttivati = false;
    stato.ColoreScansione = 16711680;
    if (std::strcmp(argv[1], "errore") == 0)
        std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limite{8, 8};
    setrlimit(RLIMIT_FSIZE, &limite);
    return ModuloPerIni::SalvaImpostazioni(stato) ? 0 : 1;
}
