#include "media/Bocca.h"

#include "media/SpeechEngine.h"

#include <QMouseEvent>

// Undrawn stand-in until the real mouth is drawn.
Bocca::Bocca(SpeechEngine &motore, QWidget *parent)
    : QWidget(parent)
    , m_motore(motore)
{
}

void Bocca::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit cliccata();
}
