#include "config/SceltaColoreDialogo.h"

#include <QColorDialog>
#include <QLabel>

bool SceltaColoreDialogo::ScegliColore(QWidget *finestra, QLabel *portatore)
{
    const QColor colore = QColorDialog::getColor(Qt::black, finestra);
    if (!colore.isValid())
        return false;
    QPalette palette = portatore->palette();
    palette.setColor(QPalette::WindowText, colore);
    portatore->setPalette(palette);
    return true;
}
