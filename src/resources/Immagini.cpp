#include "resources/Immagini.h"

#include <QPainter>

// Placeholder drawings until the real pictures are drawn.
namespace Immagini {

QPixmap immagine(Immagine quale, const QSize &dimensione)
{
    QPixmap pixmap(dimensione.isEmpty() ? QSize(32, 32) : dimensione);
    pixmap.fill(QColor::fromHsv((int(quale) * 37) % 360, 120, 230));
    return pixmap;
}

QIcon icona(Immagine quale)
{
    return QIcon(immagine(quale, QSize(64, 64)));
}

QIcon iconaProgramma()
{
    return icona(Immagine::Orsetto);
}

QCursor puntatore(Puntatore quale)
{
    return quale == Puntatore::Mano ? QCursor(Qt::PointingHandCursor) : QCursor(Qt::ArrowCursor);
}

QCursor puntatoreNumero(int)
{
    return QCursor(Qt::PointingHandCursor);
}

}
