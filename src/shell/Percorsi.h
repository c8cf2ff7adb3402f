#pragma once

#include <QString>

// The one place that decides where the program's data files are.
namespace Percorsi {
// The program folder: the executable's own folder when the data lies beside it
// (the build folder), otherwise the installed data folder.
QString cartellaProgramma();
// The user guide: beside the data in the build folder, in the documentation
// folder (share/doc/calcolotti) of an installed copy. When neither has it, the
// first, so a message names a real place.
QString guida(const QString &cartellaProgramma);
// The single-instance lock of this user, beside the record in the user's own
// data folder: one place whatever the session sets (a terminal may have no
// runtime folder), and no folder another account can write in.
QString fileBlocco();
// The record of the child's work: $XDG_DATA_HOME/calcolotti/diario.sqlite, or
// the platform's data folder.
QString fileDiario();
}
