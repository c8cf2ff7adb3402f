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
    // A small inner margin, in step with the text as the screen scales it, so
    // that the words never touch the edge of their white box.
    void changeEvent(QEvent *evento) override
    {
        QLabel::changeEvent(evento);
        if (evento->type() == QEvent::FontChange) {
            const int margine = fontMetrics().averageCharWidth() / 2;
            setContentsMargins(margine, 0, margine, 0);
        }
    }

    void mouseReleaseEvent(QMouseEvent *evento) override
    {
        QLabel::mouseReleaseEvent(evento);
        if (evento->button() == Qt::LeftButton && rect().contains(evento->position().toPoint()))
            emit clicked();
    }
};
