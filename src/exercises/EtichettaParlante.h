#pragma once

#include <QLabel>
#include <QMouseEvent>

// A sentence label that the child can click to hear it again.
class EtichettaParlante : public QLabel
{
    Q_OBJECT
public:
    using QLabel::QLabel;

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *evento) override
    {
        QLabel::mouseReleaseEvent(evento);
        if (evento->button() == Qt::LeftButton && rect().contains(evento->position().toPoint()))
            emit clicked();
    }
};
