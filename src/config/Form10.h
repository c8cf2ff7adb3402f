#pragma once

#include "shell/Schermata.h"

class Form10 : public Schermata
{
    Q_OBJECT
public:
    explicit Form10(Servizi &servizi, QWidget *parent = nullptr);
};
