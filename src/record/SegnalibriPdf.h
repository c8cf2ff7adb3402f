// What QPdfWriter cannot write (the guide, the progress report), added
// afterwards to what it wrote: the bookmarks, the document's language and its
// author.
#pragma once

#include <QByteArray>
#include <QString>
#include <QVector>

struct Segnalibro {
    QString titolo;
    int pagina = 0;     // counted from 0
    qreal altezza = 0;  // where the viewer scrolls to, in points from the page's bottom edge
    QVector<Segnalibro> figli;
};

struct Aggiunte {
    QVector<Segnalibro> segnalibri;
    int pagine = 0;         // the pages the bookmarks were measured on
    QByteArray lingua;      // e.g. "it-IT"
    QString autore;
};

// Appends an incremental update to the PDF that QPdfWriter wrote: the bytes it
// wrote stay as they are. False, with the reason, when the file is not laid
// out as expected or its pages are not those the bookmarks were measured on.
bool completaPdf(const QString &percorso, const Aggiunte &aggiunte, QString &errore);
// The same on the PDF's bytes in memory, before they are saved.
bool completaPdf(QByteArray &pdf, const Aggiunte &aggiunte, QString &errore);
