#pragma once

#include <QString>
#include <QStringList>

// The start-up self-check, `calcolotti --verifica`: does this copy of the
// program find its scenes, sounds, guide and Italian voice? For whoever
// installs it, from a terminal, without opening a window.
struct EsitoVerifica
{
    QStringList trovati;   // one plain line per thing found
    QStringList mancanti;  // one plain line per thing missing or unusable
};

namespace Verifica {
// Every scene the catalogs name, loadable as a scene; the numbered sounds of
// suoni/si and suoni/no, each a wave file; the guide.
EsitoVerifica dati(const QString &cartellaProgramma);
// The Italian espeak-ng voice, selected and speaking. Initialises the
// library: call it before any speech engine exists.
void voce(EsitoVerifica &esito);
// Both checks, printed on standard output; the exit code of the process
// (0 when nothing is missing).
int esegui(const QString &cartellaProgramma);
}
