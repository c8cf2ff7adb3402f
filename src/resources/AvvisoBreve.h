#pragma once

class QString;
class QWidget;

// A short notice in the top right corner of a screen, such as the new scanning
// speed after F7 or F8: shown for a couple of seconds, then gone. Asked again,
// the same notice takes the new text and its time starts anew.
namespace AvvisoBreve {

void mostra(QWidget *schermata, const QString &nome, const QString &testo);

}
