#include "core/FileDiQt.h"

#include <QSettings>

void nessunFileDiQt()
{
#ifndef Q_OS_WIN
    static const bool fatto = [] {
        for (QSettings::Format formato : {QSettings::NativeFormat, QSettings::IniFormat})
            QSettings::setPath(formato, QSettings::UserScope, QStringLiteral("/dev/null"));
        return true;
    }();
    Q_UNUSED(fatto);
#endif
}
