#include "exercises/FormEsercizio.h"

FormEsercizio::FormEsercizio(Servizi &servizi, int numero, QWidget *parent)
    : Schermata(servizi, parent)
    , m_numero(numero)
{
    resize(708, 454);
}
