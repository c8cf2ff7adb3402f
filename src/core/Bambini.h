#pragma once

#include <QString>
#include <QVector>

// A child who plays on this computer, with settings and a record of their own.
struct Bambino {
    int numero = 1;     // 1: the first child, whose files lie in the settings folder itself
    QString nome;
    QString immagine;   // one of the program's pictures, by name ("b7")
    int ordine = 0;     // the adult's order
};

// The children of this computer's account. With one child the program is as it
// always was: no chooser, no file but the settings and the scanning options.
class Bambini
{
public:
    virtual ~Bambini() = default;
    // In the adult's order; never empty.
    virtual QVector<Bambino> elenco() const = 0;
    virtual Bambino attuale() const = 0;
    // The child who plays from now on: the current child's settings saved as
    // "Esci" saves them, this one's read into the settings record, the record
    // of the child's work following. False, and nothing changed, for a number
    // that is no child's.
    virtual bool gioca(int numero) = 0;
    // A new child with the settings the program starts with; its number, or 0
    // when its folder could not be made.
    virtual int aggiungi(const QString &nome, const QString &immagine) = 0;
    // Name, picture and order as given; false when the file could not be written.
    virtual bool modifica(const Bambino &bambino) = 0;
    // The child's files go; the first child's settings and the one playing stay.
    virtual bool rimuovi(int numero) = 0;
    // Where a child's settings file is; the scanning options lie beside it.
    virtual QString percorsoImpostazioni(int numero) const = 0;
};
