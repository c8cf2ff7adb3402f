#pragma once

#include <QString>

struct StatoProgramma;

// The settings file: seven positional lines, read once at start and written
// only when the program is left through the menu's "Esci".
namespace ModuloPerIni {

// The shared settings folder and the settings file inside it. On Windows the
// folder is C:\ImpostazioniProgrammiLumba; elsewhere it lives in the user's
// configuration folder ($XDG_CONFIG_HOME, by default ~/.config).
QString CartellaImpostazioni();
QString PercorsoIniPredefinito();
QString PercorsoLeggimi();

void ImpostazioniPredefinite(StatoProgramma &stato);
void LeggiImpostazioni(StatoProgramma &stato);
// Returns false when the file could not be written; the old file is then left
// as it was. Saves through a link only when it leads to an ordinary file.
bool SalvaImpostazioni(const StatoProgramma &stato);
// The same, telling why not in Italian; empty when saved.
QString SalvaImpostazioniOMotivo(const StatoProgramma &stato);
bool CreaCartellaImpostazioni(const QString &cartella);
// Why a file of the program could not be saved at `percorso`, in Italian; empty
// when nothing stands in the way.
QString OstacoloAlSalvataggio(const QString &percorso);
// Writes `dati` into a new file beside `percorso` and renames it over the old
// one, so a crash never leaves half a file; empty on success, else why not.
QString ScriviSostituendo(const QString &percorso, const QByteArray &dati);
bool EsisteCartella(const QString &percorso);
bool EsisteFile(const QString &percorso);

// The reader and the writer on bytes, for the file functions and the tests.
bool LeggiDaTesto(const QByteArray &contenuto, StatoProgramma &stato);
QByteArray ScriviInTesto(const StatoProgramma &stato);

}
