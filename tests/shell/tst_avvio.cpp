#include "shell/FormAvvio.h"
#include "shell/FormMenu.h"
#include "shell/FabbricaSchermate.h"

#include "BancoSchermate.h"
#include "Finti.h"
#include "SequenzaTasti.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>

namespace {

bool vicino(const QColor &a, const QColor &b)
{
    return qAbs(a.red() - b.red()) <= 3 && qAbs(a.green() - b.green()) <= 3 && qAbs(a.blue() - b.blue()) <= 3;
}

}

class TestAvvio : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void sfondoResisteARidimensionamentiECoperture_data();
    void sfondoResisteARidimensionamentiECoperture();
    void pulsanteApreIlMenu_data();
    void pulsanteApreIlMenu();
    void chiusuraDallaCorniceApreIlMenu();
    void controlli();

private:
    FormAvvio *apri();

    std::unique_ptr<ServiziFinti> m_finti;
    std::unique_ptr<FabbricaSchermate> m_navigatore;
};

void TestAvvio::init()
{
    m_finti = std::make_unique<ServiziFinti>();
    m_navigatore = std::make_unique<FabbricaSchermate>(m_finti->servizi);
}

void TestAvvio::cleanup()
{
    chiudiSchermate();
    m_navigatore.reset();
    m_finti.reset();
}

FormAvvio *TestAvvio::apri()
{
    auto *avvio = qobject_cast<FormAvvio *>(m_navigatore->crea(IdSchermata::Avvio));
    avvio->show();
    avvio->activateWindow();
    if (!QTest::qWaitForWindowActive(avvio))
        return nullptr;
    QCoreApplication::processEvents();
    return avvio;
}

void TestAvvio::sfondoResisteARidimensionamentiECoperture_data()
{
    QTest::addColumn<QSize>("dimensione");
    QTest::addColumn<bool>("copri");
    QTest::newRow("as designed") << QSize() << false;
    QTest::newRow("larger") << QSize(1100, 820) << false;
    QTest::newRow("smaller than 256 bands") << QSize(400, 200) << false;
    QTest::newRow("covered and uncovered") << QSize() << true;
    QTest::newRow("larger, then covered") << QSize(900, 700) << true;
}

void TestAvvio::sfondoResisteARidimensionamentiECoperture()
{
    QFETCH(QSize, dimensione);
    QFETCH(bool, copri);
    FormAvvio *avvio = apri();
    QVERIFY(avvio);
    if (dimensione.isValid())
        avvio->resize(dimensione);
    if (copri) {
        QWidget coperta;
        coperta.setGeometry(avvio->geometry());
        coperta.show();
        QVERIFY(QTest::qWaitForWindowExposed(&coperta));
        coperta.hide();
    }
    QCoreApplication::processEvents();
    const QImage immagine = avvio->grab().toImage();
    const int h = immagine.height();
    // Sample the left edge, clear of labels, picture and button.
    QVERIFY2(vicino(immagine.pixelColor(2, 0), QColor(255, 255, 255)), "top is not white");
    QVERIFY2(vicino(immagine.pixelColor(2, h - 1), QColor(0, 255, 0)), "bottom is not green");
    QVERIFY2(vicino(immagine.pixelColor(immagine.width() - 2, h / 2), QColor(127, 255, 127)),
             "middle is not pale green");
    // Darker going down: a gradient, not one colour.
    QVERIFY(immagine.pixelColor(2, h / 4).red() > immagine.pixelColor(2, 3 * h / 4).red());
}

void TestAvvio::pulsanteApreIlMenu_data()
{
    QTest::addColumn<int>("modo");
    QTest::addColumn<QString>("sequenza");  // empty: a mouse click

    QTest::newRow("mouse: click") << 0 << "";
    QTest::newRow("manual scanning: Space") << 1 << "Space";
    QTest::newRow("automatic scanning: Space") << 2 << "Space";
    QTest::newRow("automatic scanning: Enter, released on the menu") << 2 << "Enter+ Enter-";
    QTest::newRow("arrows: Enter, released on the menu") << 3 << "Enter+ Enter-";
    QTest::newRow("arrows: keypad Enter") << 3 << "Invio";
}

void TestAvvio::pulsanteApreIlMenu()
{
    QFETCH(int, modo);
    QFETCH(QString, sequenza);
    m_finti->stato.ModalitaInput = int16_t(modo);
    QPointer<FormAvvio> avvio = apri();
    QVERIFY(avvio);
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(avvio->Command1()));

    if (sequenza.isEmpty())
        QTest::mouseClick(avvio->Command1(), Qt::LeftButton);
    else
        SequenzaTasti::riproduci(
            sequenza, [] { return QApplication::focusWidget() ? QApplication::focusWidget() : visibile(); },
            [] {});

    auto *menu = qobject_cast<FormMenu *>(visibile());
    QVERIFY(menu);
    QTRY_VERIFY(avvio.isNull());
    // The key that opened the menu did nothing there.
    QCOMPARE(int(menu->VoceCorrente()), modo != 0 ? 0 : -1);
    QCOMPARE(menu->controllo().modello().prossimaScadenza() != ModelloScansione::Mai, modo == 2);
}

void TestAvvio::chiusuraDallaCorniceApreIlMenu()
{
    QPointer<FormAvvio> avvio = apri();
    QVERIFY(avvio);
    avvio->close();
    QVERIFY(qobject_cast<FormMenu *>(visibile()));
    QTRY_VERIFY(avvio.isNull());
}

void TestAvvio::controlli()
{
    FormAvvio avvio(m_finti->servizi);
    auto *nome = avvio.findChild<QLabel *>(QStringLiteral("Label2_0"));
    auto *data = avvio.findChild<QLabel *>(QStringLiteral("Label2_1"));
    QVERIFY(nome && data);
    QCOMPARE(nome->text(), QStringLiteral("Calcolotti"));
    QCOMPARE(data->text(), QStringLiteral("28/01/2006"));
    QCOMPARE(avvio.Command1()->text(), QString());
    QVERIFY(!avvio.Command1()->icon().isNull());
    QVERIFY(!avvio.Command1()->accessibleName().isEmpty());
    QVERIFY(!avvio.findChild<QLabel *>(QStringLiteral("Image1"))->accessibleName().isEmpty());
    QCOMPARE(avvio.windowTitle(), QString());
}

void TestAvvio::initTestCase()
{
}

QTEST_MAIN(TestAvvio)
#include "tst_avvio.moc"
