#include "resources/Ridimensionatore.h"
#include "shell/FabbricaSchermate.h"
#include "core/Schermata.h"

#include "Finti.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTest>

namespace {

// A screen with one control, built as the program's screens are.
class Prova : public Schermata
{
public:
    Prova(Servizi &servizi, const QSize &progetto)
        : Schermata(servizi)
    {
        etichetta = new QLabel(QStringLiteral("Calcolotti"), this);
        etichetta->setGeometry(20, 20, progetto.width() / 2, progetto.height() / 4);
        resize(progetto);
        ridimensionatore = std::make_unique<Ridimensionatore>(this);
        ridimensionatore->registra(progetto);
    }
    QLabel *etichetta;
    std::unique_ptr<Ridimensionatore> ridimensionatore;

protected:
    void resizeEvent(QResizeEvent *e) override
    {
        Schermata::resizeEvent(e);
        ridimensionatore->ridimensiona();
    }
    void richiestaChiusura() override {}
};

}

class TestFinestre : public QObject
{
    Q_OBJECT
private slots:
    void firstScreenOpensCentredAndLarger_data();
    void firstScreenOpensCentredAndLarger();
    void handOverKeepsPlaceSizeAndState_data();
    void handOverKeepsPlaceSizeAndState();
};

void TestFinestre::firstScreenOpensCentredAndLarger_data()
{
    QTest::addColumn<QSize>("progetto");
    QTest::newRow("menu") << QSize(627, 413);
    QTest::newRow("exercise") << QSize(708, 454);
    QTest::newRow("tall") << QSize(300, 500);
}

void TestFinestre::firstScreenOpensCentredAndLarger()
{
    QFETCH(QSize, progetto);
    ServiziFinti finti;
    FabbricaSchermate navigatore(finti.servizi);
    Prova schermata(finti.servizi, progetto);
    navigatore.mostraPrimo(&schermata);
    QVERIFY(schermata.isVisible());
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    const QRect g = schermata.geometry();
    QVERIFY2(area.contains(g), qPrintable(QStringLiteral("%1,%2 %3x%4").arg(g.x()).arg(g.y()).arg(g.width()).arg(g.height())));
    // Centred give or take the window frame, which is not known before the
    // window is shown.
    const QRect f = schermata.frameGeometry();
    const int cornice = std::max(f.width() - g.width(), f.height() - g.height());
    QVERIFY(qAbs(f.center().x() - area.center().x()) <= cornice + 1);
    QVERIFY(qAbs(f.center().y() - area.center().y()) <= cornice + 1);
    // As large as the desktop comfortably allows, in the designed proportions.
    QVERIFY(g.width() >= progetto.width() && g.height() >= progetto.height());
    QVERIFY(g.width() >= area.width() * 0.8 || g.height() >= area.height() * 0.8);
    QVERIFY(qAbs(double(g.width()) / g.height() - double(progetto.width()) / progetto.height()) < 0.01);
    // The controls came along.
    const double scala = double(g.width()) / progetto.width();
    QVERIFY(qAbs(schermata.etichetta->width() - progetto.width() / 2 * scala) <= 1);
}

void TestFinestre::handOverKeepsPlaceSizeAndState_data()
{
    QTest::addColumn<Qt::WindowState>("stato");
    QTest::newRow("normal") << Qt::WindowNoState;
    QTest::newRow("maximised") << Qt::WindowMaximized;
}

void TestFinestre::handOverKeepsPlaceSizeAndState()
{
    QFETCH(Qt::WindowState, stato);
    ServiziFinti finti;
    auto *prima = new Prova(finti.servizi, QSize(627, 413));
    prima->setGeometry(40, 30, 700, 480);
    prima->setWindowState(stato);
    prima->show();
    QCoreApplication::processEvents();
    const QRect posto = prima->geometry();
    QPointer<Prova> dopo = new Prova(finti.servizi, QSize(708, 454));
    QPointer<Prova> vecchia = prima;
    prima->cediA(dopo);
    QCoreApplication::processEvents();
    QVERIFY(dopo->isVisible());
    QCOMPARE(dopo->geometry(), posto);
    QCOMPARE(dopo->windowState(), stato);
    // The screen handed over goes away.
    QTRY_VERIFY(vecchia.isNull());
    delete dopo;
}

QTEST_MAIN(TestFinestre)
#include "tst_finestre.moc"
