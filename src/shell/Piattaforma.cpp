#include "shell/Piattaforma.h"

#include <QDesktopServices>
#include <QFileInfo>
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

bool DocumentiDesktop::ApriDocumento(QWidget *, const QString &percorso)
{
    return QFileInfo(percorso).isFile() && QDesktopServices::openUrl(QUrl::fromLocalFile(percorso));
}
