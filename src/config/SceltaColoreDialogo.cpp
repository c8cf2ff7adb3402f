#include "config/SceltaColoreDialogo.h"

#include <QColorDialog>
#include <QLabel>
#include <QPointer>

bool SceltaColoreDialogo::ScegliColore(QWidget *finestra, QLabel *portatore)
{
    // Qt keeps custom colours for the whole process; the chooser must not
    // show the last user's picks.
    for (int i = 0; i < QColorDialog::customCount(); ++i)
        QColorDialog::setCustomColor(i, QColor(Qt::black));

    // On the heap and watched: the owner, and the carrier with it, may go while
    // the dialog's loop runs. No colour is preselected: it opens on black.
    QPointer<QLabel> vivo(portatore);
    QPointer<QColorDialog> dialogo = new QColorDialog(QColor(Qt::black), finestra);
    dialogo->setWindowTitle(QStringLiteral("Colore"));
    const bool confermato = dialogo->exec() == QDialog::Accepted;
    if (!dialogo)
        return false;
    const QColor colore = dialogo->selectedColor();
    delete dialogo;
    if (!confermato || !colore.isValid() || !vivo)
        return false;
    QPalette palette = portatore->palette();
    palette.setColor(QPalette::WindowText, colore);
    portatore->setPalette(palette);
    return true;
}
