#include "config/TestiConfigurazione.h"

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

QString testoVelocitaVoce(int velocita)
{
    const QString cifre = QString::number(velocita);
    return QStringLiteral("Velocità = ") + (velocita < 0 ? cifre : QLatin1Char(' ') + cifre);
}

}
