#pragma once

// What a record holds, read back as the tests compare it.

#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringList>

// The rows of a query on an SQLite file, columns joined by '|'; none when the
// file is not there (opening would make it).
inline QStringList righe(const QString &file, const QString &sql)
{
    QStringList uscita;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("verifica"));
        db.setDatabaseName(file);
        QSqlQuery q(db);
        for (bool letto = QFileInfo::exists(file) && db.open() && q.exec(sql); letto && q.next();) {
            uscita << q.value(0).toString();
            for (int i = 1; i < q.record().count(); ++i)
                uscita.last() += QLatin1Char('|') + q.value(i).toString();
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("verifica"));
    return uscita;
}
