#pragma once

#include "shell/Schermata.h"

class FormInfo : public Schermata
{
    Q_OBJECT
public:
    explicit FormInfo(Servizi &servizi, QWidget *parent = nullptr);
};
