#include "config/SceltaColoreDialogo.h"

#include <QColorDialog>
#include <QLabel>

bool SceltaColoreDialogo::ScegliColore(QWidget *finestra, QLabel *portatore)
{
    // Qt keeps custom colours for the whole process (and in its settings);
    // the chooser must not show the last user's picks.
    for (int i = 0; i < QColorDialog::customCount(); ++i)
        QColorDialog::setCustomColor(i, QColor(Qt::black));

    // No colour is preselected: the dialog opens on black.
    const QColor colore = QColorDialog::getColor(QColor(Qt::black), finestra, QStringLiteral("Colore"));
    if (!colore.isValid() || !portatore)
        return false;
    QPalette palette = portatore->palette();
    palette.setColor(QPalette::WindowText, colore);
    portatore->setPalette(palette);
    return true;
}
