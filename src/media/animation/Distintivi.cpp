#include "media/animation/Distintivi.h"

#include <QColor>
#include <QFileInfo>
#include <QPainter>
#include <QPainterPath>
#include <QPixmapCache>
#include <QSvgRenderer>

#include <cmath>

namespace Distintivi {

QStringList nomi()
{
    QStringList elenco;
    for (int n = 1; n <= 23; ++n)
        elenco << QStringLiteral("b%1").arg(n);
    for (int n = 1; n <= 30; ++n)
        elenco << QStringLiteral("a%1").arg(n);
    return elenco;
}

QString perNumero(int numero)
{
    // Far apart in the list, so that the first children differ at a glance.
    const QStringList elenco = nomi();
    return elenco.at((std::max(1, numero) - 1) * 7 % elenco.size());
}

QPixmap disegna(const QString &cartellaProgramma, const QString &nome, int lato)
{
    const QString chiave = QStringLiteral("distintivo-%1-%2").arg(nome).arg(lato);
    QPixmap pronto;
    if (QPixmapCache::find(chiave, &pronto))
        return pronto;
    QPixmap disegno(lato, lato);
    disegno.fill(Qt::transparent);
    QPainter pittore(&disegno);
    pittore.setRenderHint(QPainter::Antialiasing);
    // A soft colour of its own for each picture, and a dark ring.
    const int indice = std::max(0, int(nomi().indexOf(nome)));
    const QColor fondo = QColor::fromHsv((indice * 47) % 360, 60, 250);
    const qreal anello = std::max(2.0, lato * 0.04);
    const QRectF cerchio = QRectF(0, 0, lato, lato).adjusted(anello / 2, anello / 2, -anello / 2, -anello / 2);
    pittore.setPen(QPen(QColor(60, 60, 60), anello));
    pittore.setBrush(fondo);
    pittore.drawEllipse(cerchio);

    const QString file = cartellaProgramma + QStringLiteral("/scenes/") + nome + QStringLiteral(".svg");
    QSvgRenderer scena;
    if (QFileInfo(file).isFile() && scena.load(file)) {
        const QString parte = scena.elementExists(QStringLiteral("a1-prima")) ? QStringLiteral("a1-prima")
                                                                             : QStringLiteral("a1");
        if (scena.elementExists(parte)) {
            const QRectF proprio = scena.boundsOnElement(parte);  // with its transforms
            QRectF dove(QPointF(), proprio.size().scaled(QSizeF(lato, lato) * 0.62, Qt::KeepAspectRatio));
            dove.moveCenter(cerchio.center());
            QPainterPath bordo;
            bordo.addEllipse(cerchio);
            pittore.setClipPath(bordo);
            scena.render(&pittore, parte, dove);
        }
    }
    pittore.end();
    QPixmapCache::insert(chiave, disegno);
    return disegno;
}

}
