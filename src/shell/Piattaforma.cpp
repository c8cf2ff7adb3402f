#include "shell/Piattaforma.h"

#include <QDesktopServices>
#include <QMessageBox>
#include <QUrl>

void DialoghiMessaggi::errore(QWidget *finestra, const QString &titolo, const QString &testo)
{
    QMessageBox::critical(finestra, titolo, testo, QMessageBox::Ok);
}

bool DialoghiMessaggi::domanda(QWidget *finestra, const QString &titolo, const QString &testo)
{
    return QMessageBox::question(finestra, titolo, testo, QMessageBox::Yes | QMessageBox::No)
        == QMessageBox::Yes;
}

void DialoghiMessaggi::avviso(QWidget *finestra, const QString &titolo, const QString &testo)
{
    QMessageBox::information(finestra, titolo, testo, QMessageBox::Ok);
}

void DocumentiDesktop::ApriDocumento(QWidget *, const QString &percorso)
{
    // The result is not looked at: a missing file or viewer is silent.
    QDesktopServices::openUrl(QUrl::fromLocalFile(percorso));
}
