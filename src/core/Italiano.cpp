#include "core/Italiano.h"

#include <QDate>
#include <QLocale>

namespace Italiano {

QString decimale(double valore, int cifre)
{
    QLocale italiano(QLocale::Italian, QLocale::Italy);
    italiano.setNumberOptions(QLocale::OmitGroupSeparator);
    return italiano.toString(valore, 'f', cifre);
}

QString testoVelocitaScansione(int quartiDiSecondo)
{
    return QStringLiteral("Velocità scansione: ") + decimale(quartiDiSecondo / 4.0, 2) + QStringLiteral(" secondi");
}

QString data(const QDate &giorno)
{
    return giorno.toString(QStringLiteral("dd/MM/yyyy"));
}

QString nomeModalita(int modalita)
{
    switch (modalita) {
    case 0:
        return QStringLiteral("mouse");
    case 1:
        return QStringLiteral("scansione manuale (due sensori)");
    case 2:
        return QStringLiteral("scansione automatica (un sensore)");
    case 3:
        return QStringLiteral("tastiera (frecce e Invio)");
    }
    return QStringLiteral("modo %1").arg(modalita);
}

}
