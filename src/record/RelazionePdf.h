#pragma once

#include "record/Diario.h"

#include <QString>
#include <QStringList>

struct StatoProgramma;

// What the printed report tells of one child over one period.
struct DatiRelazione {
    QString bambino;            // the child's name
    QString periodo;            // in words, with its dates
    QStringList impostazioni;   // the child's settings in words, one line each
    Riepilogo riepilogo;
    QString consiglio;          // the one-switch speed suggestion
};

// The progress report an adult brings to a meeting: an A4 PDF in Italian with
// a title, bookmarks per section and the language tag.
namespace RelazionePdf {

// Everything the report needs, read from the record (for the child the record
// is set to) from `dalMs` (0: all of it); `periodo` names the period in words.
DatiRelazione raccogli(Diario &diario, const StatoProgramma &stato, const QString &bambino, qint64 dalMs,
                       const QString &periodo);
// The settings in words: input mode, speed, options.
QStringList impostazioniInParole(const StatoProgramma &stato);
// The last `giorni` days, today's included, from local midnight (0: the whole
// record), and the same in words: "ultimi 30 giorni (dal 08/11/2026)".
qint64 inizioUltimiGiorni(int giorni);
QString nomeUltimiGiorni(int giorni);
// False, with an Italian reason, when the file could not be written whole
// (an earlier file at `file` is then left as it was).
bool scrivi(const QString &file, const DatiRelazione &dati, QString &errore);

}
