#include "resources/Immagini.h"

#include <QApplication>
#include <QLabel>
#include <QSet>
#include <QTest>

Q_DECLARE_METATYPE(Immagine)
Q_DECLARE_METATYPE(Puntatore)

namespace {

struct Analisi {
    int opachi = 0;
    int colori = 0;
    QRect contorno;  // of the opaque pixels
};

Analisi analizza(const QImage &originale)
{
    const QImage img = originale.convertToFormat(QImage::Format_ARGB32);
    Analisi a;
    QSet<QRgb> colori;
    int x1 = img.width(), y1 = img.height(), x2 = -1, y2 = -1;
    for (int y = 0; y < img.height(); ++y) {
        for (int x = 0; x < img.width(); ++x) {
            const QRgb p = img.pixel(x, y);
            if (qAlpha(p) < 128) {
                colori.insert(0x1000000);  // the transparent ground counts as a colour
                continue;
            }
            ++a.opachi;
            colori.insert(p & 0xF0F0F0);
            x1 = std::min(x1, x);
            y1 = std::min(y1, y);
            x2 = std::max(x2, x);
            y2 = std::max(y2, y);
        }
    }
    a.colori = colori.size();
    if (x2 >= 0)
        a.contorno = QRect(QPoint(x1, y1), QPoint(x2, y2));
    return a;
}

bool vicino(QRgb p, QColor c, int tolleranza)
{
    return qAlpha(p) > 200 && qAbs(qRed(p) - c.red()) <= tolleranza
        && qAbs(qGreen(p) - c.green()) <= tolleranza && qAbs(qBlue(p) - c.blue()) <= tolleranza;
}

QImage alDoppio(const QPixmap &pm)
{
    return pm.toImage().convertToFormat(QImage::Format_ARGB32);
}

}

class TestImmagini : public QObject
{
    Q_OBJECT
private slots:
    void everyPictureIsDrawn_data();
    void everyPictureIsDrawn();
    void picturesKeepTheirProportionsInAnyBox_data();
    void picturesKeepTheirProportionsInAnyBox();
    void stretchedPictureFillsItsBox_data();
    void stretchedPictureFillsItsBox();
    void pictureBoxRedrawsAtItsNewSize();
    void statusBarFacesMove_data();
    void statusBarFacesMove();
    void faceMovesOnlyWhileShown();
    void iconsComeInEveryCommonSize();
    void everyPointerIsDrawn_data();
    void everyPointerIsDrawn();
    void pointersAreSharpAtTheScreenDensity();
    void whiteArrowPointsWithItsTipAtThreeOne();
    void numberPointersDifferFromOneAnother();
    void numberPointerShowsDarkBlueDigitsInsideALightBlueSquare_data();
    void numberPointerShowsDarkBlueDigitsInsideALightBlueSquare();
};

void TestImmagini::everyPictureIsDrawn_data()
{
    QTest::addColumn<Immagine>("quale");
    QTest::addColumn<int>("coloriMinimi");
    QTest::newRow("Orsetto") << Immagine::Orsetto << 6;
    QTest::newRow("Emblema") << Immagine::Emblema << 8;
    QTest::newRow("MenuUccelli") << Immagine::MenuUccelli << 8;
    QTest::newRow("MenuPereMele") << Immagine::MenuPereMele << 8;
    QTest::newRow("MenuStelleMarine") << Immagine::MenuStelleMarine << 8;
    QTest::newRow("MenuLocomotive") << Immagine::MenuLocomotive << 8;
    QTest::newRow("MenuCandele") << Immagine::MenuCandele << 8;
    QTest::newRow("MenuLampadine") << Immagine::MenuLampadine << 8;
    QTest::newRow("MenuFoche") << Immagine::MenuFoche << 8;
    QTest::newRow("MenuEsci") << Immagine::MenuEsci << 5;
    QTest::newRow("FacciaEsatti") << Immagine::FacciaEsatti << 5;
    QTest::newRow("FacciaErrati") << Immagine::FacciaErrati << 5;
    QTest::newRow("FrecciaVerde") << Immagine::FrecciaVerde << 3;
    QTest::newRow("FrecciaAvanti") << Immagine::FrecciaAvanti << 3;
    // A black check mark: black and the grey of its smoothed edges.
    QTest::newRow("Conferma") << Immagine::Conferma << 2;
}

void TestImmagini::everyPictureIsDrawn()
{
    QFETCH(Immagine, quale);
    QFETCH(int, coloriMinimi);
    const QSize naturale = Immagini::dimensioneNaturale(quale);
    QVERIFY(!naturale.isEmpty());
    for (const QSize &s : {naturale, QSize(81, 73), QSize(16, 16)}) {
        const QPixmap pm = Immagini::immagine(quale, s);
        QCOMPARE(pm.deviceIndependentSize().toSize(), s);
        const Analisi a = analizza(pm.toImage());
        // A missing or broken file draws nothing at all.
        QVERIFY2(a.opachi > pm.width() * pm.height() / 10, qPrintable(QString::number(a.opachi)));
        if (s.width() >= 32)
            QVERIFY2(a.colori >= coloriMinimi, qPrintable(QString::number(a.colori)));
    }
    // An empty size asks for the picture as designed.
    QCOMPARE(Immagini::immagine(quale, QSize()).deviceIndependentSize().toSize(), naturale);
}

void TestImmagini::picturesKeepTheirProportionsInAnyBox_data()
{
    QTest::addColumn<Immagine>("quale");
    QTest::addColumn<QSize>("riquadro");
    // Pictures painted edge to edge show their proportions in their opaque area.
    QTest::newRow("birds in a wide box") << Immagine::MenuUccelli << QSize(400, 100);
    QTest::newRow("birds in a tall box") << Immagine::MenuUccelli << QSize(100, 400);
    QTest::newRow("starfish in a menu box") << Immagine::MenuStelleMarine << QSize(81, 73);
    QTest::newRow("seals in a square") << Immagine::MenuFoche << QSize(200, 200);
    QTest::newRow("door in a wide box") << Immagine::MenuEsci << QSize(300, 96);
}

void TestImmagini::picturesKeepTheirProportionsInAnyBox()
{
    QFETCH(Immagine, quale);
    QFETCH(QSize, riquadro);
    const QPixmap pm = Immagini::immagine(quale, riquadro);
    const Analisi a = analizza(pm.toImage());
    const QSizeF atteso = QSizeF(Immagini::dimensioneNaturale(quale))
                              .scaled(QSizeF(pm.size()), Qt::KeepAspectRatio);
    if (quale != Immagine::MenuEsci) {
        QVERIFY2(qAbs(a.contorno.width() - atteso.width()) <= 2, qPrintable(QString::number(a.contorno.width())));
        QVERIFY2(qAbs(a.contorno.height() - atteso.height()) <= 2, qPrintable(QString::number(a.contorno.height())));
        // Centred in the box.
        QVERIFY(qAbs(a.contorno.center().x() - pm.width() / 2) <= 2);
        QVERIFY(qAbs(a.contorno.center().y() - pm.height() / 2) <= 2);
    } else {
        QVERIFY(a.contorno.width() <= atteso.width() + 1);
    }
}

void TestImmagini::stretchedPictureFillsItsBox_data()
{
    QTest::addColumn<Immagine>("quale");
    QTest::addColumn<QSize>("riquadro");
    QTest::newRow("birds, wide") << Immagine::MenuUccelli << QSize(400, 100);
    QTest::newRow("candles, tall") << Immagine::MenuCandele << QSize(60, 200);
    QTest::newRow("locomotives, menu box") << Immagine::MenuLocomotive << QSize(81, 73);
}

void TestImmagini::stretchedPictureFillsItsBox()
{
    QFETCH(Immagine, quale);
    QFETCH(QSize, riquadro);
    const QPixmap pm = Immagini::immagine(quale, riquadro, Qt::IgnoreAspectRatio);
    QCOMPARE(pm.deviceIndependentSize().toSize(), riquadro);
    QCOMPARE(analizza(pm.toImage()).contorno, QRect(QPoint(0, 0), pm.size()));
    // The default keeps the proportions, so it does not fill a box of another shape.
    if (riquadro.width() > 2 * riquadro.height() || riquadro.height() > 2 * riquadro.width())
        QVERIFY(analizza(Immagini::immagine(quale, riquadro).toImage()).contorno != QRect(QPoint(0, 0), pm.size()));
}

void TestImmagini::pictureBoxRedrawsAtItsNewSize()
{
    QLabel riquadro;
    riquadro.resize(81, 73);
    Immagini::mostra(&riquadro, Immagine::MenuLampadine);
    Immagini::mostra(&riquadro, Immagine::MenuFoche, Qt::IgnoreAspectRatio);
    QCOMPARE(riquadro.pixmap().deviceIndependentSize().toSize(), QSize(81, 73));
    riquadro.show();
    riquadro.resize(243, 100);
    QCoreApplication::processEvents();
    // Drawn afresh at the new size, not a small picture stretched.
    QCOMPARE(riquadro.pixmap().deviceIndependentSize().toSize(), QSize(243, 100));
    QCOMPARE(riquadro.pixmap().devicePixelRatio(), qApp->devicePixelRatio());
    // The second call replaced the first picture.
    QCOMPARE(riquadro.pixmap().toImage(),
             Immagini::immagine(Immagine::MenuFoche, QSize(243, 100), Qt::IgnoreAspectRatio).toImage());
    QCOMPARE(riquadro.findChildren<QObject *>(QStringLiteral("figuraViva")).size(), 1);
}

void TestImmagini::statusBarFacesMove_data()
{
    QTest::addColumn<Immagine>("quale");
    QTest::addColumn<int>("fotogrammi");
    QTest::newRow("right answers") << Immagine::FacciaEsatti << 2;
    QTest::newRow("wrong answers") << Immagine::FacciaErrati << 2;
    QTest::newRow("a still picture") << Immagine::MenuFoche << 1;
}

void TestImmagini::statusBarFacesMove()
{
    QFETCH(Immagine, quale);
    QFETCH(int, fotogrammi);
    QCOMPARE(Immagini::numeroFotogrammi(quale), fotogrammi);
    const QSize s = Immagini::dimensioneNaturale(quale);
    const QImage primo = Immagini::fotogramma(quale, 0, s).toImage();
    QCOMPARE(primo, Immagini::immagine(quale, s).toImage());
    for (int n = 1; n < fotogrammi; ++n) {
        const QImage altro = Immagini::fotogramma(quale, n, s).toImage();
        QVERIFY(altro != primo);
        // The same face, moved a little: most of it stays in place.
        int uguali = 0;
        for (int y = 0; y < altro.height(); ++y)
            for (int x = 0; x < altro.width(); ++x)
                uguali += altro.pixel(x, y) == primo.pixel(x, y);
        QVERIFY2(uguali > altro.width() * altro.height() / 2, qPrintable(QString::number(uguali)));
    }
    // Past the last frame: the first again.
    QCOMPARE(Immagini::fotogramma(quale, fotogrammi, s).toImage(), primo);
}

void TestImmagini::faceMovesOnlyWhileShown()
{
    QLabel faccia;
    faccia.resize(49, 32);
    Immagini::mostra(&faccia, Immagine::FacciaEsatti);
    const QImage primo = faccia.pixmap().toImage();
    QTest::qWait(Immagini::DurataFotogramma * 2 + 100);
    QCOMPARE(faccia.pixmap().toImage(), primo);
    faccia.show();
    QTRY_VERIFY_WITH_TIMEOUT(faccia.pixmap().toImage() != primo, Immagini::DurataFotogramma * 5);
    QTRY_VERIFY_WITH_TIMEOUT(faccia.pixmap().toImage() == primo, Immagini::DurataFotogramma * 5);
}

void TestImmagini::iconsComeInEveryCommonSize()
{
    const QIcon icona = Immagini::iconaProgramma();
    QVERIFY(!icona.isNull());
    for (int lato : {16, 32, 48, 256}) {
        QVERIFY(icona.availableSizes().contains(QSize(lato, lato)));
        const Analisi a = analizza(icona.pixmap(QSize(lato, lato), 1.0).toImage());
        QVERIFY(a.opachi > lato * lato / 5);
    }
    // The program icon is the teddy bear, mostly pink.
    const QImage img = icona.pixmap(QSize(64, 64), 1.0).toImage();
    int rosa = 0;
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x) {
            const QColor c = img.pixelColor(x, y);
            if (c.alpha() > 200 && c.red() > 200 && c.green() < c.red() - 20 && c.blue() > c.green())
                ++rosa;
        }
    QVERIFY2(rosa > 64 * 64 / 6, qPrintable(QString::number(rosa)));
}

void TestImmagini::everyPointerIsDrawn_data()
{
    QTest::addColumn<Puntatore>("quale");
    QTest::addColumn<QPoint>("punta");
    QTest::addColumn<bool>("puntaSulDisegno");
    QTest::newRow("Mano") << Puntatore::Mano << QPoint(9, 1) << true;
    QTest::newRow("FrecciaBianca") << Puntatore::FrecciaBianca << QPoint(3, 1) << true;
    QTest::newRow("ChiaveDiViolino") << Puntatore::ChiaveDiViolino << QPoint(16, 16) << true;
    QTest::newRow("FacciaMusica") << Puntatore::FacciaMusica << QPoint(16, 16) << true;
    QTest::newRow("Orsetto") << Puntatore::Orsetto << QPoint(16, 16) << true;
    QTest::newRow("Piu") << Puntatore::Piu << QPoint(16, 16) << true;
    QTest::newRow("Meno") << Puntatore::Meno << QPoint(16, 16) << true;
    QTest::newRow("Uguale") << Puntatore::Uguale << QPoint(16, 16) << false;
    QTest::newRow("FrecciaGrigia") << Puntatore::FrecciaGrigia << QPoint(16, 16) << true;
}

void TestImmagini::everyPointerIsDrawn()
{
    QFETCH(Puntatore, quale);
    QFETCH(QPoint, punta);
    QFETCH(bool, puntaSulDisegno);
    const QCursor c = Immagini::puntatore(quale);
    QCOMPARE(c.shape(), Qt::BitmapCursor);
    QCOMPARE(c.pixmap().deviceIndependentSize().toSize(), QSize(32, 32));
    QCOMPARE(c.hotSpot(), punta);
    QCOMPARE(Immagini::puntaDi(quale), punta);
    const QImage img = alDoppio(c.pixmap());
    const Analisi a = analizza(img);
    QVERIFY(a.opachi > 32 * 32 * img.devicePixelRatio() * img.devicePixelRatio() / 20);
    QVERIFY(a.colori >= 2);
    if (puntaSulDisegno) {
        const qreal d = img.devicePixelRatio();
        QVERIFY2(qAlpha(img.pixel(int((punta.x() + 0.5) * d), int((punta.y() + 0.5) * d))) > 100,
                 "the hot spot is not on the drawing");
    }
}

void TestImmagini::pointersAreSharpAtTheScreenDensity()
{
    // main() runs the test at twice the density, as on a high-density screen.
    const qreal densita = qApp->devicePixelRatio();
    QCOMPARE(densita, 2.0);
    const QPixmap pm = Immagini::puntatore(Puntatore::Mano).pixmap();
    QCOMPARE(pm.devicePixelRatio(), densita);
    QCOMPARE(pm.size(), QSize(64, 64));
    const QPixmap numero = Immagini::puntatoreNumero(7).pixmap();
    QCOMPARE(numero.size(), QSize(64, 64));
    QCOMPARE(Immagini::immagine(Immagine::MenuCandele, QSize(81, 73)).size(), QSize(162, 146));
    // Drawn at that density, not enlarged: a 32x32 drawing blown up to 64x64
    // would repeat every pixel in 2x2 blocks.
    const QImage fine = alDoppio(pm);
    int differenze = 0;
    for (int y = 0; y < 64; y += 2)
        for (int x = 0; x < 64; x += 2)
            differenze += fine.pixel(x, y) != fine.pixel(x + 1, y + 1);
    QVERIFY2(differenze > 10, qPrintable(QString::number(differenze)));
}

void TestImmagini::whiteArrowPointsWithItsTipAtThreeOne()
{
    const QCursor c = Immagini::puntatore(Puntatore::FrecciaBianca);
    QCOMPARE(c.hotSpot(), QPoint(3, 1));
    // At 32x32 the tip of the drawing is the hot spot: nothing is drawn above
    // it or to its left.
    const QImage img = Immagini::puntatore(Puntatore::FrecciaBianca).pixmap().toImage()
                           .scaled(32, 32, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                           .convertToFormat(QImage::Format_ARGB32);
    const Analisi a = analizza(img);
    QVERIFY2(qAbs(a.contorno.top() - 1) <= 1, qPrintable(QString::number(a.contorno.top())));
    QVERIFY2(qAbs(a.contorno.left() - 3) <= 1, qPrintable(QString::number(a.contorno.left())));
    // White inside, dark outline.
    QVERIFY(vicino(img.pixel(6, 14), Qt::white, 30));
}

void TestImmagini::numberPointersDifferFromOneAnother()
{
    QVector<QImage> figure;
    for (int n = 0; n <= 10; ++n)
        figure << Immagini::figuraNumero(n, 1.0).toImage();
    for (int i = 0; i < figure.size(); ++i)
        for (int j = i + 1; j < figure.size(); ++j)
            QVERIFY2(figure[i] != figure[j], qPrintable(QStringLiteral("%1 == %2").arg(i).arg(j)));
    const QCursor c = Immagini::puntatoreNumero(4);
    QCOMPARE(c.shape(), Qt::BitmapCursor);
    QCOMPARE(c.hotSpot(), QPoint(16, 16));
}

void TestImmagini::numberPointerShowsDarkBlueDigitsInsideALightBlueSquare_data()
{
    QTest::addColumn<int>("numero");
    for (int n = 0; n <= 10; ++n)
        QTest::newRow(qPrintable(QString::number(n))) << n;
}

void TestImmagini::numberPointerShowsDarkBlueDigitsInsideALightBlueSquare()
{
    QFETCH(int, numero);
    const QImage img = Immagini::figuraNumero(numero, 1.0).toImage().convertToFormat(QImage::Format_ARGB32);
    int chiari = 0, scuri = 0;
    QRect cifre;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const QRgb p = img.pixel(x, y);
            if (vicino(p, QColor(0xa8, 0xd8, 0xff), 20))
                ++chiari;
            if (vicino(p, QColor(0x00, 0x1a, 0x7a), 40) && x > 2 && x < 29 && y > 2 && y < 29) {
                ++scuri;
                cifre |= QRect(x, y, 1, 1);
            }
        }
    QVERIFY2(chiari > 300, qPrintable(QString::number(chiari)));
    QVERIFY2(scuri > 20, qPrintable(QString::number(scuri)));
    // The digits sit inside the square's border, "10" included, and fill a
    // good part of it so a child can read them.
    QVERIFY(QRect(4, 4, 24, 24).contains(cifre));
    QVERIFY2(cifre.height() >= 12, qPrintable(QString::number(cifre.height())));
}

int main(int argc, char **argv)
{
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    TestImmagini test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_immagini.moc"
