#include "config/Form10.h"

Form10::Form10(Servizi &servizi, QWidget *parent)
    : Schermata(servizi, parent)
{
    resize(640, 480);
}
