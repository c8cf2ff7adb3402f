// Draws every picture and pointer of the program on one sheet, to look at them
// side by side: provino_immagini <file.png> [device pixel ratio]
#include "resources/Immagini.h"

#include <QApplication>
#include <QPainter>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    if (argc < 2)
        return 2;
    const qreal dpr = argc > 2 ? QString::fromLocal8Bit(argv[2]).toDouble() : 1.0;
    QImage foglio(QSize(1100, 1100) * dpr, QImage::Format_ARGB32);
    foglio.setDevicePixelRatio(dpr);
    foglio.fill(QColor(200, 230, 200));
    QPainter p(&foglio);
    int x = 10, y = 10, riga = 0;
    auto metti = [&](const QPixmap &pm) {
        const QSizeF s = pm.deviceIndependentSize();
        if (x + s.width() > 1090) {
            x = 10;
            y += riga + 10;
            riga = 0;
        }
        p.drawPixmap(QPointF(x, y), pm);
        x += int(s.width()) + 10;
        riga = std::max(riga, int(s.height()));
    };
    for (int i = 0; i <= int(Immagine::Conferma); ++i) {
        const auto quale = Immagine(i);
        metti(Immagini::immagine(quale, Immagini::dimensioneNaturale(quale)));
    }
    for (int i = 0; i <= int(Immagine::Conferma); ++i)
        metti(Immagini::immagine(Immagine(i), QSize(81, 73)));
    for (int i = 0; i <= int(Immagine::Conferma); ++i)
        for (int n = 1; n < Immagini::numeroFotogrammi(Immagine(i)); ++n)
            metti(Immagini::fotogramma(Immagine(i), n, QSize(98, 64)));
    x = 10;
    y += riga + 20;
    riga = 0;
    for (int i = 0; i <= int(Puntatore::FrecciaGrigia); ++i) {
        const QCursor c = Immagini::puntatore(Puntatore(i));
        metti(c.pixmap());
        p.setPen(Qt::red);
        p.drawPoint(x - 42 + c.hotSpot().x(), y + c.hotSpot().y());
    }
    for (int n = 0; n <= 10; ++n)
        metti(Immagini::puntatoreNumero(n).pixmap());
    for (int i = 0; i <= int(Puntatore::FrecciaGrigia); ++i)
        metti(Immagini::puntatore(Puntatore(i)).pixmap().scaled(96 * dpr, 96 * dpr));
    p.end();
    return foglio.save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
