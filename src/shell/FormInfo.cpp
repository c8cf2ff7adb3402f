#include "shell/FormInfo.h"

FormInfo::FormInfo(Servizi &servizi, QWidget *parent)
    : Schermata(servizi, parent)
{
    resize(640, 480);
}
