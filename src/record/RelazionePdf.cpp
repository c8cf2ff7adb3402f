#include "record/RelazionePdf.h"
namespace RelazionePdf {
DatiRelazione raccogli(Diario &, const StatoProgramma &, const QString &, qint64, const QString &) { return {}; }
QStringList impostazioniInParole(const StatoProgramma &) { return {}; }
bool scrivi(const QString &, const DatiRelazione &, QString &) { return false; }
}
