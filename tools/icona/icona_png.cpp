// Draws the program's SVG icon as square PNGs for the desktop's icon theme:
//   icona_png orsetto.svg <output folder> 48 64 128 256
// writes <output folder>/calcolotti-48.png and so on.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTextStream>

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTextStream errori(stderr);
    const QStringList argomenti = app.arguments();
    if (argomenti.size() < 4) {
        errori << "uso: icona_png <icona.svg> <cartella> <lato>...\n";
        return 2;
    }
    QSvgRenderer disegno(argomenti.at(1));
    if (!disegno.isValid()) {
        errori << "icona_png: non riesco a leggere " << argomenti.at(1) << '\n';
        return 1;
    }
    const QDir cartella(argomenti.at(2));
    for (int i = 3; i < argomenti.size(); ++i) {
        bool numero = false;
        const int lato = argomenti.at(i).toInt(&numero);
        if (!numero || lato <= 0) {
            errori << "icona_png: lato non valido " << argomenti.at(i) << '\n';
            return 2;
        }
        QImage immagine(lato, lato, QImage::Format_ARGB32_Premultiplied);
        immagine.fill(Qt::transparent);
        // A drawing that is not square keeps its proportions, centred.
        QSizeF misura = disegno.defaultSize();
        misura.scale(lato, lato, Qt::KeepAspectRatio);
        const QRectF dove(QPointF((lato - misura.width()) / 2, (lato - misura.height()) / 2), misura);
        QPainter pittore(&immagine);
        pittore.setRenderHint(QPainter::Antialiasing);
        pittore.setRenderHint(QPainter::SmoothPixmapTransform);
        disegno.render(&pittore, dove);
        pittore.end();
        const QString uscita = cartella.filePath(QStringLiteral("calcolotti-%1.png").arg(lato));
        if (!immagine.save(uscita)) {
            errori << "icona_png: non riesco a scrivere " << uscita << '\n';
            return 1;
        }
    }
    return 0;
}
