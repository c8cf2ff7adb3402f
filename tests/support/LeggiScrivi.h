#pragma once

// Whole files in one call, for what the tests prepare and look at afterwards.

#include <QDir>
#include <QFile>
#include <QFileInfo>

// Its bytes, or "(assente)" when it cannot be read.
inline QByteArray leggi(const QString &percorso)
{
    QFile file(percorso);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(assente)");
}

// Written whole, in a folder made first if need be.
inline bool scrivi(const QString &percorso, const QByteArray &testo)
{
    QFile file(percorso);
    return QDir().mkpath(QFileInfo(percorso).path()) && file.open(QIODevice::WriteOnly)
        && file.write(testo) == testo.size();
}
