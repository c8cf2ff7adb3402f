#include "shell/FormInfo.h"
#include "shell/FormMenu.h"
#include "shell/ModuloPerIni.h"
#include "shell/FabbricaSchermate.h"

#include "BancoSchermate.h"
#include "Finti.h"
#include "SequenzaTasti.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>

class TestInfo : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void testi_data();
    void testi();
    void formaDellAttribuzione();
    void chiudiTornaAUnMenuNuovo_data();
    void chiudiTornaAUnMenuNuovo();

private:
    FormInfo *apri();

    std::unique_ptr<ServiziFinti> m_finti;
    std::unique_ptr<FabbricaSchermate> m_navigatore;
};

void TestInfo::init()
{
    m_finti = std::make_unique<ServiziFinti>();
    m_navigatore = std::make_unique<FabbricaSchermate>(m_finti->servizi);
}

void TestInfo::cleanup()
{
    chiudiSchermate();
    m_navigatore.reset();
    m_finti.reset();
}

FormInfo *TestInfo::apri()
{
    auto *info = qobject_cast<FormInfo *>(m_navigatore->crea(IdSchermata::Info));
    info->show();
    info->activateWindow();
    if (!QTest::qWaitForWindowActive(info))
        return nullptr;
    QCoreApplication::processEvents();
    return info;
}

void TestInfo::testi_data()
{
    QTest::addColumn<QString>("etichetta");
    QTest::addColumn<QString>("frammento");
    QTest::newRow("maker: the program's name") << "Label1" << "Calcolotti";
    QTest::newRow("maker: the home page") << "Label1" << QString::fromLatin1(ModuloPerIni::SitoProduttore);
    QTest::newRow("maker: a contact address") << "Label1" << "@";
    QTest::newRow("terms: free software") << "Label3" << "software libero";
    QTest::newRow("terms: the licence") << "Label3" << "GPL-3.0-or-later";
    QTest::newRow("terms: no warranty") << "Label3" << "SENZA ALCUNA GARANZIA";
}

void TestInfo::testi()
{
    QFETCH(QString, etichetta);
    QFETCH(QString, frammento);
    FormInfo *info = apri();
    QVERIFY(info);
    auto *label = info->findChild<QLabel *>(etichetta);
    QVERIFY(label);
    QVERIFY2(label->text().contains(frammento), qPrintable(label->text()));
    QVERIFY(label->accessibleName().contains(frammento));
    QCOMPARE(label->palette().color(QPalette::Window), QColor(255, 255, 192));
}

void TestInfo::formaDellAttribuzione()
{
    const QString testo = FormInfo::testoAttribuzione();
    QVERIFY(testo.startsWith(QStringLiteral("Software di\n    ")));
    QVERIFY(testo.endsWith(QLatin1Char('\n')));
    QCOMPARE(testo.mid(16).chopped(1), FormInfo::rigaAttribuzione());
    QCOMPARE(FormInfo::rigaAttribuzione().split(QStringLiteral(" - ")).size(), 3);
    QCOMPARE(FormInfo::testoCondizioni().count(QLatin1Char('\n')), 1);
}

void TestInfo::chiudiTornaAUnMenuNuovo_data()
{
    QTest::addColumn<int>("modo");
    QTest::addColumn<QString>("come");  // a key sequence, "clic" or "cornice"

    QTest::newRow("mouse: click") << 0 << "clic";
    QTest::newRow("mouse: close box") << 0 << "cornice";
    QTest::newRow("manual scanning: Enter") << 1 << "Enter";
    QTest::newRow("automatic scanning: Space") << 2 << "Space";
    QTest::newRow("arrows: Enter, released on the menu") << 3 << "Enter+ Enter-";
    QTest::newRow("arrows: close box") << 3 << "cornice";
}

void TestInfo::chiudiTornaAUnMenuNuovo()
{
    QFETCH(int, modo);
    QFETCH(QString, come);
    m_finti->stato.ModalitaInput = int16_t(modo);
    m_finti->stato.ColoreScansione = 0x00FFFF;
    QPointer<FormInfo> info = apri();
    QVERIFY(info);
    QCOMPARE(info->Command1()->text(), QStringLiteral("Chiudi"));
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(info->Command1()));

    if (come == QLatin1String("clic"))
        QTest::mouseClick(info->Command1(), Qt::LeftButton);
    else if (come == QLatin1String("cornice"))
        info->close();
    else
        SequenzaTasti::riproduci(
            come, [] { return QApplication::focusWidget() ? QApplication::focusWidget() : visibile(); }, [] {});

    auto *menu = qobject_cast<FormMenu *>(visibile());
    QVERIFY(menu);
    QTRY_VERIFY(info.isNull());
    QCOMPARE(int(menu->VoceCorrente()), modo != 0 ? 0 : -1);
    const bool scansione = modo != 0;
    QCOMPARE(menu->Label1(0)->palette().color(QPalette::Window) == QColor(255, 255, 0), scansione);
}

void TestInfo::initTestCase()
{
}

QTEST_MAIN(TestInfo)
#include "tst_info.moc"
