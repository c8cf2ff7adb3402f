#pragma once

#include "resources/Immagini.h"

#include <QString>
#include <QStringList>

class QWidget;

// Names for screen readers. Every control that a child or an adult can reach
// must say what it is: a button that shows only a picture has no text of its
// own, so it gets the spoken name of its picture.
namespace Accessibilita {

// Sets the accessible name (and description, when given) of a control.
void nomina(QWidget *controllo, const QString &nome, const QString &descrizione = QString());

// The Italian name a screen reader speaks for a picture, e.g. "avanti".
QString nomeParlato(Immagine quale);

// The controls under radice that a screen reader would announce without a
// name: buttons, check boxes, scroll bars, lists and picture-only labels with
// neither text nor accessible name. Each is given by its objectName (or its
// class name when it has none). Screens' tests expect this list to be empty.
QStringList senzaNome(const QWidget *radice);

}
