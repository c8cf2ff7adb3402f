#pragma once

#include "core/Servizi.h"

// The real message boxes.
class DialoghiMessaggi : public Dialoghi
{
public:
    void errore(QWidget *finestra, const QString &titolo, const QString &testo) override;
    bool domanda(QWidget *finestra, const QString &titolo, const QString &testo) override;
    void avviso(QWidget *finestra, const QString &titolo, const QString &testo) override;
    bool testo(QWidget *finestra, const QString &titolo, const QString &domanda, QString &valore) override;
};

// Opens documents with the desktop's default viewer.
class DocumentiDesktop : public Documenti
{
public:
    bool ApriDocumento(QWidget *finestra, const QString &percorso) override;
};
