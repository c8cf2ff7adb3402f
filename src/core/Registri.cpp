#include "core/Registri.h"

#include <QElapsedTimer>

Q_LOGGING_CATEGORY(lcInput, "calcolotti.input", QtWarningMsg)
Q_LOGGING_CATEGORY(lcVoce, "calcolotti.voce", QtWarningMsg)
Q_LOGGING_CATEGORY(lcEsercizio, "calcolotti.esercizio", QtWarningMsg)
Q_LOGGING_CATEGORY(lcAvvio, "calcolotti.avvio", QtWarningMsg)

namespace Registri {

qint64 momento()
{
    static const QElapsedTimer orologio = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    return orologio.elapsed();
}

}
