#pragma once

#include <QPixmap>
#include <QString>
#include <QStringList>

// The pictures a child can have beside their name: one object of each story
// (a locomotive, a candle, a bird...), drawn in a round badge.
namespace Distintivi {

// Their names, the names of the stories they come from: "b1" … "b23", "a1" … "a30".
QStringList nomi();
// The picture for the child numbered `numero` until the adult chooses one.
QString perNumero(int numero);
// A badge `lato` pixels across; a plain coloured disc for an unknown name.
QPixmap disegna(const QString &cartellaProgramma, const QString &nome, int lato);

}
