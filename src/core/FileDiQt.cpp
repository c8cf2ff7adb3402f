#include "core/FileDiQt.h"

#include <QSettings>

void nessunFileDiQt()
{
#ifndef Q_OS_WIN
    for (QSettings::Format formato : {QSettings::NativeFormat, QSettings::IniFormat})
        QSettings::setPath(formato, QSettings::UserScope, QStringLiteral("/dev/null"));
#endif
}
