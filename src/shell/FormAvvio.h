#pragma once

#include "shell/Schermata.h"

class FormAvvio : public Schermata
{
    Q_OBJECT
public:
    explicit FormAvvio(Servizi &servizi, QWidget *parent = nullptr);
};
