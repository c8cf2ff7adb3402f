#include "resources/Immagini.h"

#include <QApplication>
#include <QLabel>
#include <QSet>
#include <QTest>

Q_DECLARE_METATYPE(Immagine)

namespace {

struct Analisi {
    int opachi = 0;
    int colori = 0;
    QRect contorno;  // of the opaque pixels
};

Analisi analizza(const QPixmap &figura)
{
    const QImage img = figura.toImage().convertToFormat(QImage::Format_ARGB32);
    Analisi a;
    QSet<QRgb> colori;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const QRgb p = img.pixel(x, y);
            colori.insert(qAlpha(p) < 128 ? 0x1000000 : p & 0xF0F0F0);  // the transparent ground counts
            if (qAlpha(p) >= 128) {
                ++a.opachi;
                a.contorno |= QRect(x, y, 1, 1);
            }
        }
    a.colori = int(colori.size());
    return a;
}

}

// Every picture and pointer, drawn at the screen's density: main() runs the
// test at twice the density, as on a high-density screen.
class TestImmagini : public QObject
{
    Q_OBJECT
private slots:
    void figure_data();
    void figure();
    void puntatori_data();
    void puntatori();
    void riquadroRidisegnaAllaNuovaMisura();
};

void TestImmagini::figure_data()
{
    QTest::addColumn<Immagine>("quale");
    QTest::addColumn<int>("coloriMinimi");
    QTest::addColumn<bool>("bordoABordo");  // painted to its edges, so the opaque area shows its proportions
    QTest::addColumn<int>("fotogrammi");
    const char *nomi[] = {"Orsetto", "Emblema", "MenuUccelli", "MenuPereMele", "MenuStelleMarine", "MenuLocomotive",
                          "MenuCandele", "MenuLampadine", "MenuFoche", "MenuEsci", "FacciaEsatti", "FacciaErrati",
                          "FrecciaVerde", "FrecciaAvanti", "Conferma"};
    const int colori[] = {6, 8, 8, 8, 8, 8, 8, 8, 8, 5, 5, 5, 3, 3, 2};
    for (int i = 0; i <= int(Immagine::Conferma); ++i) {
        const auto quale = Immagine(i);
        QTest::newRow(nomi[i]) << quale << colori[i] << (quale >= Immagine::MenuUccelli && quale <= Immagine::MenuFoche)
                               << (quale == Immagine::FacciaEsatti || quale == Immagine::FacciaErrati ? 2 : 1);
    }
}

void TestImmagini::figure()
{
    QFETCH(Immagine, quale);
    QFETCH(int, coloriMinimi);
    QFETCH(bool, bordoABordo);
    QFETCH(int, fotogrammi);
    const QSize naturale = Immagini::dimensioneNaturale(quale);
    QCOMPARE(Immagini::immagine(quale, QSize()).deviceIndependentSize().toSize(), naturale);
    for (const QSize &s : {naturale, QSize(81, 73), QSize(400, 100), QSize(16, 16)}) {
        const QPixmap pm = Immagini::immagine(quale, s);
        QCOMPARE(pm.deviceIndependentSize().toSize(), s);
        QCOMPARE(pm.devicePixelRatio(), 2.0);
        const Analisi a = analizza(pm);
        // A missing or broken file draws nothing at all.
        QVERIFY2(a.opachi > pm.width() * pm.height() / 10 || s.width() > 2 * s.height(), qPrintable(QString::number(a.opachi)));
        QVERIFY2(s.width() < 32 || a.colori >= coloriMinimi, qPrintable(QString::number(a.colori)));
        if (!bordoABordo)
            continue;
        // In proportion and centred; stretched on request, filling the box.
        const QSizeF atteso = QSizeF(naturale).scaled(QSizeF(pm.size()), Qt::KeepAspectRatio);
        QVERIFY(qAbs(a.contorno.width() - atteso.width()) <= 2 && qAbs(a.contorno.height() - atteso.height()) <= 2);
        QVERIFY(qAbs(a.contorno.center().x() - pm.width() / 2) <= 2 && qAbs(a.contorno.center().y() - pm.height() / 2) <= 2);
        QCOMPARE(analizza(Immagini::immagine(quale, s, Qt::IgnoreAspectRatio)).contorno, QRect(QPoint(0, 0), pm.size()));
    }
    // The status bar's faces move: another frame, mostly in place; past the last, the first.
    QCOMPARE(Immagini::numeroFotogrammi(quale), fotogrammi);
    const QImage primo = Immagini::fotogramma(quale, 0, naturale).toImage();
    QCOMPARE(primo, Immagini::immagine(quale, naturale).toImage());
    QCOMPARE(Immagini::fotogramma(quale, fotogrammi, naturale).toImage(), primo);
    for (int n = 1; n < fotogrammi; ++n) {
        const QImage altro = Immagini::fotogramma(quale, n, naturale).toImage();
        int uguali = 0;
        for (int y = 0; y < altro.height(); ++y)
            for (int x = 0; x < altro.width(); ++x)
                uguali += altro.pixel(x, y) == primo.pixel(x, y);
        QVERIFY(altro != primo && uguali > altro.width() * altro.height() / 2);
    }
}

void TestImmagini::puntatori_data()
{
    QTest::addColumn<QCursor>("puntatore");
    QTest::addColumn<QPoint>("punta");
    QTest::addColumn<bool>("puntaSulDisegno");
    QTest::addColumn<int>("numero");  // of a number pointer, else -1
    QTest::newRow("Mano") << Immagini::puntatore(Puntatore::Mano) << QPoint(9, 1) << true << -1;
    QTest::newRow("FrecciaBianca") << Immagini::puntatore(Puntatore::FrecciaBianca) << QPoint(3, 1) << true << -1;
    const char *figure[] = {"ChiaveDiViolino", "FacciaMusica", "Orsetto", "Piu", "Meno", "Uguale", "FrecciaGrigia"};
    for (int i = 0; i < 7; ++i)
        QTest::newRow(figure[i]) << Immagini::puntatore(Puntatore(int(Puntatore::ChiaveDiViolino) + i)) << QPoint(16, 16)
                                 << (i != 5) << -1;
    for (int n = 0; n <= 10; ++n)
        QTest::addRow("number %d", n) << Immagini::puntatoreNumero(n) << QPoint(16, 16) << false << n;
}

void TestImmagini::puntatori()
{
    QFETCH(QCursor, puntatore);
    QFETCH(QPoint, punta);
    QFETCH(bool, puntaSulDisegno);
    QFETCH(int, numero);
    QCOMPARE(puntatore.shape(), Qt::BitmapCursor);
    QCOMPARE(puntatore.hotSpot(), punta);
    const QImage img = puntatore.pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(img.size(), QSize(64, 64));
    const Analisi a = analizza(puntatore.pixmap());
    QVERIFY(a.opachi > 64 * 64 / 20 && a.colori >= 2);
    if (puntaSulDisegno)
        QVERIFY2(qAlpha(img.pixel(punta.x() * 2 + 1, punta.y() * 2 + 1)) > 100, "the hot spot is off the drawing");
    // Drawn at the density, not enlarged: a 32x32 drawing blown up would
    // repeat every pixel in 2x2 blocks.
    int differenze = 0;
    for (int y = 0; y < 64; y += 2)
        for (int x = 0; x < 64; x += 2)
            differenze += img.pixel(x, y) != img.pixel(x + 1, y + 1);
    QVERIFY2(differenze > 10, qPrintable(QString::number(differenze)));
    // Numbers: dark blue digits on a light blue square, each unlike the one before.
    if (numero < 0)
        return;
    const int n = numero;
    const QImage figura = Immagini::figuraNumero(n, 1.0).toImage().convertToFormat(QImage::Format_ARGB32);
    QVERIFY(n == 0 || figura != Immagini::figuraNumero(n - 1, 1.0).toImage().convertToFormat(QImage::Format_ARGB32));
    int chiari = 0;
    QRect cifre;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            const QColor c = figura.pixelColor(x, y);
            const auto vicino = [&c](QColor atteso, int tolleranza) {
                return c.alpha() > 200 && qAbs(c.red() - atteso.red()) <= tolleranza
                    && qAbs(c.green() - atteso.green()) <= tolleranza && qAbs(c.blue() - atteso.blue()) <= tolleranza;
            };
            chiari += vicino(QColor(0xa8, 0xd8, 0xff), 20);
            if (vicino(QColor(0x00, 0x1a, 0x7a), 40) && x > 2 && x < 29 && y > 2 && y < 29)
                cifre |= QRect(x, y, 1, 1);
        }
    QVERIFY2(chiari > 300, qPrintable(QString::number(chiari)));
    QVERIFY(QRect(4, 4, 24, 24).contains(cifre) && cifre.height() >= 12);
}

void TestImmagini::riquadroRidisegnaAllaNuovaMisura()
{
    QLabel riquadro;
    riquadro.resize(81, 73);
    Immagini::mostra(&riquadro, Immagine::MenuLampadine);
    Immagini::mostra(&riquadro, Immagine::MenuFoche, Qt::IgnoreAspectRatio);
    riquadro.show();
    riquadro.resize(243, 100);
    QCoreApplication::processEvents();
    // Drawn afresh at the new size, not a small picture stretched; the second call replaced the first.
    QCOMPARE(riquadro.pixmap().toImage(),
             Immagini::immagine(Immagine::MenuFoche, QSize(243, 100), Qt::IgnoreAspectRatio).toImage());
    QCOMPARE(riquadro.findChildren<QObject *>(QStringLiteral("figuraViva")).size(), 1);
}

int main(int argc, char **argv)
{
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    TestImmagini test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_immagini.moc"
