#include "config/FormConfigura.h"

FormConfigura::FormConfigura(Servizi &servizi, QWidget *parent)
    : Schermata(servizi, parent)
{
    resize(640, 480);
}
