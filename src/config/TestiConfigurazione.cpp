#include "config/TestiConfigurazione.h"

#include <QLocale>

namespace TestiConfigurazione {

QString didascaliaModalita(int modalita)
{
    switch (modalita) {
    case 0:
        return QStringLiteral("Mouse");
    case 1:
        return QStringLiteral("Scansione manuale - spazio e invio ");
    case 2:
        return QStringLiteral("Scansione automatica - spazio");
    case 3:
        return QStringLiteral("Tastiera - frecce e invio");
    }
    return QString();
}

QString testoVelocitaScansione(int quartiDiSecondo)
{
    QLocale locale(QLocale::Italian);
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return QStringLiteral("Velocità scansione: ") + locale.toString(quartiDiSecondo / 4.0, 'f', 2)
        + QStringLiteral(" secondi");
}

QString testoVelocitaVoce(int velocita)
{
    const QString cifre = QString::number(velocita);
    return QStringLiteral("Velocità = ") + (velocita < 0 ? cifre : QLatin1Char(' ') + cifre);
}

}
