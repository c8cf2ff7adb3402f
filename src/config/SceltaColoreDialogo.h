#pragma once

#include "shell/Servizi.h"

// The colour chooser over Qt's colour dialog.
class SceltaColoreDialogo : public SceltaColore
{
public:
    bool ScegliColore(QWidget *finestra, QLabel *portatore) override;
};
