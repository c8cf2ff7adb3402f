#include "shell/Percorsi.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace Percorsi {

QString cartellaProgramma()
{
    const QString accanto = QCoreApplication::applicationDirPath();
    if (QFileInfo(accanto + QStringLiteral("/scenes")).isDir())
        return accanto;
    const QString installata = QDir::cleanPath(accanto + QStringLiteral("/../share/calcolotti"));
    if (QFileInfo(installata).isDir())
        return installata;
    return accanto;
}

QString guida(const QString &cartellaProgramma)
{
    const QString nome = QStringLiteral("calcolottisv.pdf");
    const QString accanto = cartellaProgramma + QLatin1Char('/') + nome;
    if (QFileInfo(accanto).isFile())
        return accanto;
    const QString installata = QDir::cleanPath(cartellaProgramma + QStringLiteral("/../doc/calcolotti/") + nome);
    if (QFileInfo(installata).isFile())
        return installata;
    return accanto;
}

QString fileBlocco()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
           + QStringLiteral("/calcolotti/calcolotti.lock");
}

QString fileDiario()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
           + QStringLiteral("/calcolotti/diario.sqlite");
}

}
