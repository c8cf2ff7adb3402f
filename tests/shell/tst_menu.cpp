#include "BancoSchermate.h"
#include "exercises/FormEsercizio.h"
#include "input/Evidenziazione.h"
#include "config/FormConfigura.h"
#include "shell/FormMenu.h"
#include "shell/Percorsi.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QMouseEvent>

class TestMenu : public QObject
{
    Q_OBJECT
private slots:
    void ogniVoceApreIlSuoLivello_data();
    void ogniVoceApreIlSuoLivello();
    void colMouseEsciSalvaETermina_data();
    void colMouseEsciSalvaETermina();
    void ilPassaggioDelMouseLasciaUnaSolaVoce();
    void iTastiDelloSpecialista();
    void laGuidaSiApreOSiDiceDovE();
};

void TestMenu::ogniVoceApreIlSuoLivello_data()
{
    QTest::addColumn<int>("voce");
    QTest::addColumn<QList<int>>("schermate");  // the screens made: shown first, hidden partner
    QTest::newRow("Addizione - 1°") << 0 << QList<int>{1};
    QTest::newRow("Sottrazione - 2°") << 4 << QList<int>{5};
    QTest::newRow("Addizione e sottrazione - 1°, subtraction drawn") << 5 << QList<int>{7, 6};
    QTest::newRow("Addizione e sottrazione - 2°, addition drawn") << 6 << QList<int>{8, 9};
}

void TestMenu::ogniVoceApreIlSuoLivello()
{
    QFETCH(int, voce);
    QFETCH(QList<int>, schermate);
    Banco b;
    b.finti.stato.ModalitaInput = Modalita::Frecce;
    b.finti.casuale.imposta({schermate.size() > 1 && schermate[0] % 2 ? 0.75 : 0.25});
    QVERIFY(mostraEAttiva(b.navigatore.crea(IdSchermata::Menu)));
    for (int i = 0; i < voce; ++i)
        b.premi(Qt::Key_Down);
    // Held, the Enter that opens a level opens one, and is not an answer on the level.
    QTest::keyPress(Banco::destinatario(), Qt::Key_Return);
    QKeyEvent ripetuto(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QString(), true);
    QApplication::sendEvent(Banco::destinatario(), &ripetuto);
    QCoreApplication::processEvents();
    QTest::keyRelease(Banco::destinatario(), Qt::Key_Return);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QList<int> fatte;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (auto *e = qobject_cast<FormEsercizio *>(w))
            fatte.prepend(e->numero());
    QCOMPARE(visibile<FormEsercizio>()->numero(), schermate.first());
    std::sort(fatte.begin(), fatte.end());
    std::sort(schermate.begin(), schermate.end());
    QCOMPARE(fatte, schermate);
    QCOMPARE(b.finti.stato.Errati, int16_t(0));
}

void TestMenu::colMouseEsciSalvaETermina_data()
{
    QTest::addColumn<bool>("cornice");  // the window's close box instead of "Esci"
    QTest::newRow("Esci") << false;
    QTest::newRow("close box") << true;
}

void TestMenu::colMouseEsciSalvaETermina()
{
    QFETCH(bool, cornice);
    Banco b;
    auto *menu = static_cast<FormMenu *>(b.navigatore.crea(IdSchermata::Menu));
    QVERIFY(mostraEAttiva(menu));
    menu->Check1()->click();
    QVERIFY(!b.finti.stato.SuoniAttivati);
    if (cornice) {
        menu->close();
    } else {
        const QPoint centro = menu->Label1(FormMenu::VoceEsci)->rect().center();
        QTest::mouseClick(menu->Label1(FormMenu::VoceEsci), Qt::LeftButton, {}, centro);
    }
    QCOMPARE(b.finti.registro.voci.filter(QRegularExpression(QStringLiteral("^(salva|termina)$"))),
             (QStringList{"salva", "termina"}));
}

void TestMenu::ilPassaggioDelMouseLasciaUnaSolaVoce()
{
    Banco b;
    b.finti.stato.ColoreScansione = 0x0000FF;
    auto *menu = static_cast<FormMenu *>(b.navigatore.crea(IdSchermata::Menu));
    QVERIFY(mostraEAttiva(menu));
    auto accese = [menu] {
        QList<int> v;
        for (int i = 0; i < FormMenu::NumeroVoci; ++i)
            if (Evidenziazione::colore(menu->Label1(i)) == QColor(Qt::red))
                v << i;
        return v;
    };
    QTest::mouseMove(menu->Image1(2));
    QTest::mouseMove(menu->Label1(5));
    QCOMPARE(accese(), QList<int>{5});
    QTest::mouseMove(menu->areaCliente(), QPoint(menu->areaCliente()->width() / 2, 2));
    QCOMPARE(accese(), QList<int>{});
}

void TestMenu::iTastiDelloSpecialista()
{
    Banco b;
    b.finti.stato.ModalitaInput = Modalita::ScansioneAutomatica;
    auto *menu = static_cast<FormMenu *>(b.navigatore.crea(IdSchermata::Menu));
    QVERIFY(mostraEAttiva(menu));
    // A key of no mode, Enter among them, neither chooses nor stops the scan.
    b.premi(Qt::Key_Return, 500);
    b.premi(Qt::Key_A, 500);
    QCOMPARE(menu->VoceCorrente(), int16_t(1));
    QTest::keyClick(Banco::destinatario(), Qt::Key_F7);
    QCOMPARE(b.finti.stato.VelocitaScansione, int16_t(5));
    QCOMPARE(menu->findChild<QLabel *>(QStringLiteral("avvisoVelocita"))->text(),
             QStringLiteral("Velocità scansione: 1,25 secondi"));
    // From the next step on.
    b.passa(1000);
    b.passa(1249);
    QCOMPARE(menu->VoceCorrente(), int16_t(2));
    b.passa(1);
    QCOMPARE(menu->VoceCorrente(), int16_t(3));
    for (int i = 0; i < 10; ++i)
        QTest::keyClick(Banco::destinatario(), Qt::Key_F8);
    QCOMPARE(b.finti.stato.VelocitaScansione, int16_t(1));  // never faster than a quarter second
    QCOMPARE(menu->findChild<QLabel *>(QStringLiteral("avvisoVelocita"))->text(),
             QStringLiteral("Velocità scansione: 0,25 secondi"));
    QCOMPARE(menu->VoceCorrente(), int16_t(3));  // never a switch
    // F10 opens the menu bar; its menus take the arrows and Enter, the scan stands.
    QTest::keyClick(Banco::destinatario(), Qt::Key_F10);
    QWidget *tendina = QApplication::activePopupWidget();
    QVERIFY(tendina);
    QCOMPARE(tendina->objectName(), QStringLiteral("mnuImposta"));
    QTest::keyClick(tendina, Qt::Key_Down);
    QTest::keyClick(tendina, Qt::Key_Down);  // "Voce", "Modalità di input"
    QTest::keyClick(tendina, Qt::Key_Return);
    QVERIFY(QTest::qWaitFor([] { return visibile<FormConfigura>() != nullptr; }));
}

void TestMenu::laGuidaSiApreOSiDiceDovE()
{
    Banco b;
    auto *menu = static_cast<FormMenu *>(b.navigatore.crea(IdSchermata::Menu));
    auto *documentazione = menu->findChild<QAction *>(QStringLiteral("mnuDoc"));
    documentazione->trigger();
    QCOMPARE(b.finti.documenti.aperti.value(0), Percorsi::guida(b.finti.servizi.cartellaProgramma));
    QVERIFY(b.finti.registro.voci.filter(QStringLiteral("avviso")).isEmpty());
    // Nothing to open it with: the adult learns where the file is.
    b.finti.documenti.apre = false;
    documentazione->trigger();
    QVERIFY2(b.finti.registro.voci.last().contains(QDir::toNativeSeparators(b.finti.documenti.aperti.value(1))),
             qPrintable(b.finti.registro.voci.last()));
}

QTEST_MAIN(TestMenu)
#include "tst_menu.moc"
