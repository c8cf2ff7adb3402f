#pragma once

#include <QLoggingCategory>

// The program's logging categories. Their events (debug level) are off unless
// enabled, e.g. QT_LOGGING_RULES="calcolotti.*=true"; faults (warnings) show
// by default. Every event line begins with momento(): milliseconds on a
// monotonic clock since the program started.
Q_DECLARE_LOGGING_CATEGORY(lcInput)      // calcolotti.input: presses, releases, highlight moves
Q_DECLARE_LOGGING_CATEGORY(lcVoce)       // calcolotti.voce: sentences handed to the synthesizer
Q_DECLARE_LOGGING_CATEGORY(lcEsercizio)  // calcolotti.esercizio: steps, answers, score, the record
Q_DECLARE_LOGGING_CATEGORY(lcAvvio)      // calcolotti.avvio: start-up marks

namespace Registri {
qint64 momento();
}
