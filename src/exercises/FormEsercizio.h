#pragma once

#include "shell/Schermata.h"

// One exercise screen; Form1 .. Form9 are descriptions of this one class.
class FormEsercizio : public Schermata
{
    Q_OBJECT
public:
    FormEsercizio(Servizi &servizi, int numero, QWidget *parent = nullptr);
    int numero() const { return m_numero; }

private:
    int m_numero;
};
