#include "shell/Piattaforma.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QUrl>

void DialoghiMessaggi::errore(QWidget *finestra, const QString &titolo, const QString &testo)
{
    QMessageBox::critical(finestra, titolo, testo, QMessageBox::Ok);
}

bool DialoghiMessaggi::domanda(QWidget *finestra, const QString &titolo, const QString &testo)
{
    // "No" by default: an Enter pressed by chance never leaves, deletes or ends.
    return QMessageBox::question(finestra, titolo, testo, QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
        == QMessageBox::Yes;
}

bool DialoghiMessaggi::testo(QWidget *finestra, const QString &titolo, const QString &domanda, QString &valore)
{
    bool confermato = false;
    const QString scritto = QInputDialog::getText(finestra, titolo, domanda, QLineEdit::Normal, valore, &confermato);
    if (confermato)
        valore = scritto;
    return confermato;
}

void DialoghiMessaggi::avviso(QWidget *finestra, const QString &titolo, const QString &testo)
{
    QMessageBox::information(finestra, titolo, testo, QMessageBox::Ok);
}

bool DocumentiDesktop::ApriDocumento(QWidget *, const QString &percorso)
{
    return QFileInfo(percorso).isFile() && QDesktopServices::openUrl(QUrl::fromLocalFile(percorso));
}
