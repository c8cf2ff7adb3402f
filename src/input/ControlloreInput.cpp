#include "input/ControlloreInput.h"

#include "shell/StatoProgramma.h"

#include <QWidget>

ControlloreInput::ControlloreInput(QWidget *schermata, BersaglioScansione &bersaglio,
                                   TipoSchermata tipo, const StatoProgramma &stato)
    : QObject(schermata)
    , m_schermata(schermata)
    , m_bersaglio(bersaglio)
    , m_tipo(tipo)
    , m_stato(stato)
{
    m_timer.setInterval(100);
}

void ControlloreInput::prepara()
{
}

void ControlloreInput::sospendi()
{
    m_timer.stop();
}
