// Holds the single-instance lock at the given path until killed, as a running
// copy of the program does.
#include "shell/Istanza.h"

#include <QCoreApplication>
#include <QLockFile>
#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 2)
        return 2;
    const auto blocco = bloccaIstanza(QString::fromLocal8Bit(argv[1]));
    std::printf(blocco ? "preso\n" : "rifiutato\n");
    std::fflush(stdout);
    if (!blocco)
        return 1;
    return app.exec();
}
