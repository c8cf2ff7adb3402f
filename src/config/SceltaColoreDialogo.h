#pragma once

#include "core/Servizi.h"

// The colour chooser over Qt's colour dialog. Custom colours are not
// remembered: every opening starts with all of them black, and nothing is
// written to Qt's settings file shared by every Qt program.
class SceltaColoreDialogo : public SceltaColore
{
public:
    bool ScegliColore(QWidget *finestra, QLabel *portatore) override;
};
