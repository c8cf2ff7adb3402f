#pragma once

#include "shell/Schermata.h"

class FormConfigura : public Schermata
{
    Q_OBJECT
public:
    explicit FormConfigura(Servizi &servizi, QWidget *parent = nullptr);
};
