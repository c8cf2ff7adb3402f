#include "shell/Percorsi.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#ifndef Q_OS_WIN
#include <unistd.h>
#endif

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
#ifdef Q_OS_WIN
    const QString utente = qEnvironmentVariable("USERNAME");
#else
    const QString utente = QString::number(::getuid());
#endif
    // The runtime folder belongs to this user on this machine and is emptied at
    // logout: a lock there is never shared with another host nor left for ever.
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    // A missing temporary folder comes back empty: then there is nowhere to lock.
    const QString cartella = !runtime.isEmpty() && QFileInfo(runtime).isDir() ? runtime : QDir::tempPath();
    return cartella.isEmpty() ? QString() : cartella + QStringLiteral("/calcolotti-%1.lock").arg(utente);
}

QString fileDiario()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
           + QStringLiteral("/calcolotti/diario.sqlite");
}

}
