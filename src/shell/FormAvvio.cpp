#include "shell/FormAvvio.h"

FormAvvio::FormAvvio(Servizi &servizi, QWidget *parent)
    : Schermata(servizi, parent)
{
    resize(640, 480);
}
