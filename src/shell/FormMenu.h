#pragma once

#include "shell/Schermata.h"

class FormMenu : public Schermata
{
    Q_OBJECT
public:
    explicit FormMenu(Servizi &servizi, QWidget *parent = nullptr);
};
