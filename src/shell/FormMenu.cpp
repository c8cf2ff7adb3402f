#include "shell/FormMenu.h"

FormMenu::FormMenu(Servizi &servizi, QWidget *parent)
    : Schermata(servizi, parent)
{
    resize(640, 480);
}
