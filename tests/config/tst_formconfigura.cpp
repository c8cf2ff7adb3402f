#include "BancoSchermate.h"
#include "config/FormConfigura.h"
#include "core/Colori.h"
#include "shell/FormMenu.h"

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLocale>
#include <QRadioButton>
#include <QScrollBar>
#include <QTemporaryDir>

class TestFormConfigura : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }
    void cleanup()
    {
        QLocale::setDefault(QLocale::c());
        chiudiFinestre();
    }

    void activationShowsTheControlsOfTheStoredMode_data();
    void activationShowsTheControlsOfTheStoredMode();
    void choosingAModeSwitchesControlsAndKeepsTheFlag_data();
    void choosingAModeSwitchesControlsAndKeepsTheFlag();
    void systemPointerBoxStoresTheFlag_data();
    void systemPointerBoxStoresTheFlag();
    void speedTextFollowsTheBarInTheUsersLocale_data();
    void speedTextFollowsTheBarInTheUsersLocale();
    void colourChooserOkStoresAndCancelKeeps_data();
    void colourChooserOkStoresAndCancelKeeps();
    void esciHandsOverToAFreshMenuKeepingChanges();
    void leavingWhileTheColourDialogIsOpenIsHarmless();
    void controlsKeepTheirProportionsWhenResized();

private:
    static QRadioButton *opzione(QWidget *form, int indice)
    {
        return form->findChild<QRadioButton *>(QStringLiteral("Option4_%1").arg(indice));
    }
    static QScrollBar *barra(QWidget *form) { return form->findChild<QScrollBar *>(QStringLiteral("HScroll3")); }
    static QLabel *testo(QWidget *form) { return form->findChild<QLabel *>(QStringLiteral("Label7")); }
    static QCheckBox *casella(QWidget *form)
    {
        return form->findChild<QCheckBox *>(QStringLiteral("CheckDisabilitaMousePersonalizzato"));
    }
    static int opzioneScelta(QWidget *form)
    {
        int scelta = -1;
        for (int i = 0; i < 4; ++i)
            if (opzione(form, i)->isChecked()) {
                if (scelta != -1)
                    return -2;
                scelta = i;
            }
        return scelta;
    }
};

void TestFormConfigura::activationShowsTheControlsOfTheStoredMode_data()
{
    QTest::addColumn<int>("modalita");
    QTest::addColumn<int>("velocita");
    QTest::addColumn<bool>("barraVisibile");
    QTest::addColumn<bool>("casellaVisibile");
    QTest::addColumn<int>("opzioneAttesa");
    QTest::addColumn<int>("velocitaDopo");
    QTest::addColumn<QString>("testoAtteso");

    const QString unSecondo = QStringLiteral("Velocità scansione: 1.00 secondi");
    QTest::newRow("mouse shows only the pointer box") << 0 << 9 << false << true << 0 << 9 << unSecondo;
    QTest::newRow("manual scanning hides both") << 1 << 9 << false << false << 1 << 9 << unSecondo;
    QTest::newRow("automatic scanning shows the stored speed")
        << 2 << 23 << true << false << 2 << 23 << QStringLiteral("Velocità scansione: 5.75 secondi");
    QTest::newRow("keyboard hides both") << 3 << 9 << false << false << 3 << 9 << unSecondo;
    QTest::newRow("unknown mode selects nothing and leaves the layout")
        << 7 << 9 << true << true << -1 << 9 << unSecondo;
    QTest::newRow("speed above the bar is brought to 15 s")
        << 2 << 200 << true << false << 2 << 60 << QStringLiteral("Velocità scansione: 15.00 secondi");
    QTest::newRow("speed below the bar is brought to 1 s")
        << 2 << 1 << true << false << 2 << 4 << unSecondo;
}

void TestFormConfigura::activationShowsTheControlsOfTheStoredMode()
{
    QFETCH(int, modalita);
    QFETCH(int, velocita);
    QFETCH(bool, barraVisibile);
    QFETCH(bool, casellaVisibile);
    QFETCH(int, opzioneAttesa);
    QFETCH(int, velocitaDopo);
    QFETCH(QString, testoAtteso);

    Banco banco;
    banco.finti.stato.ModalitaInput = int16_t(modalita);
    banco.finti.stato.VelocitaScansione = int16_t(velocita);
    auto *form = new FormConfigura(banco.finti.servizi);
    QVERIFY(mostraEAttiva(form));

    QCOMPARE(barra(form)->isVisible(), barraVisibile);
    QCOMPARE(testo(form)->isVisible(), barraVisibile);
    QCOMPARE(casella(form)->isVisible(), casellaVisibile);
    QCOMPARE(opzioneScelta(form), opzioneAttesa);
    QCOMPARE(int(banco.finti.stato.ModalitaInput), modalita);
    QCOMPARE(int(banco.finti.stato.VelocitaScansione), velocitaDopo);
    QCOMPARE(testo(form)->text(), testoAtteso);
    if (barraVisibile && modalita == 2)
        QCOMPARE(barra(form)->value(), velocitaDopo);
}

void TestFormConfigura::choosingAModeSwitchesControlsAndKeepsTheFlag_data()
{
    QTest::addColumn<int>("prima");
    QTest::addColumn<int>("scelta");
    QTest::addColumn<bool>("barraVisibile");
    QTest::addColumn<bool>("casellaVisibile");

    QTest::newRow("mouse to automatic") << 0 << 2 << true << false;
    QTest::newRow("automatic to mouse") << 2 << 0 << false << true;
    QTest::newRow("mouse to keyboard") << 0 << 3 << false << false;
    QTest::newRow("keyboard to manual") << 3 << 1 << false << false;
    QTest::newRow("automatic to keyboard") << 2 << 3 << false << false;
    QTest::newRow("unknown mode to mouse") << 9 << 0 << false << true;
}

void TestFormConfigura::choosingAModeSwitchesControlsAndKeepsTheFlag()
{
    QFETCH(int, prima);
    QFETCH(int, scelta);
    QFETCH(bool, barraVisibile);
    QFETCH(bool, casellaVisibile);

    Banco banco;
    banco.finti.stato.ModalitaInput = int16_t(prima);
    banco.finti.stato.VelocitaScansione = 10;
    banco.finti.stato.DisabilitaMousePersonalizzato = true;
    auto *form = new FormConfigura(banco.finti.servizi);
    QVERIFY(mostraEAttiva(form));

    QRadioButton *bottone = opzione(form, scelta);
    QTest::mouseClick(bottone, Qt::LeftButton, {}, QPoint(10, bottone->height() / 2));

    QCOMPARE(int(banco.finti.stato.ModalitaInput), scelta);
    QCOMPARE(opzioneScelta(form), scelta);
    QCOMPARE(barra(form)->isVisible(), barraVisibile);
    QCOMPARE(testo(form)->isVisible(), barraVisibile);
    QCOMPARE(casella(form)->isVisible(), casellaVisibile);
    if (barraVisibile) {
        QCOMPARE(barra(form)->value(), 10);
        QCOMPARE(testo(form)->text(), QStringLiteral("Velocità scansione: 2.50 secondi"));
    }
    QVERIFY(banco.finti.stato.DisabilitaMousePersonalizzato);
    QVERIFY(casella(form)->isChecked());
    QCOMPARE(int(banco.finti.stato.VelocitaScansione), 10);
}

void TestFormConfigura::systemPointerBoxStoresTheFlag_data()
{
    QTest::addColumn<bool>("prima");
    QTest::addColumn<int>("clic");
    QTest::addColumn<bool>("dopo");

    QTest::newRow("ticking sets it") << false << 1 << true;
    QTest::newRow("unticking clears it") << true << 1 << false;
    QTest::newRow("two clicks restore it") << false << 2 << false;
}

void TestFormConfigura::systemPointerBoxStoresTheFlag()
{
    QFETCH(bool, prima);
    QFETCH(int, clic);
    QFETCH(bool, dopo);

    Banco banco;
    banco.finti.stato.DisabilitaMousePersonalizzato = prima;
    auto *form = new FormConfigura(banco.finti.servizi);
    QVERIFY(mostraEAttiva(form));
    QCOMPARE(casella(form)->isChecked(), prima);

    for (int i = 0; i < clic; ++i)
        QTest::mouseClick(casella(form), Qt::LeftButton, {}, QPoint(8, casella(form)->height() / 2));
    QCOMPARE(banco.finti.stato.DisabilitaMousePersonalizzato, dopo);
    QCOMPARE(casella(form)->isChecked(), dopo);
}

void TestFormConfigura::speedTextFollowsTheBarInTheUsersLocale_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<int>("partenza");
    QTest::addColumn<int>("tasto");
    QTest::addColumn<int>("velocita");
    QTest::addColumn<QString>("testoAtteso");

    QTest::newRow("Italian, left end") << "it_IT" << 30 << int(Qt::Key_Home) << 4
                                       << QStringLiteral("Velocità scansione: 1,00 secondi");
    QTest::newRow("Italian, right end") << "it_IT" << 30 << int(Qt::Key_End) << 60
                                        << QStringLiteral("Velocità scansione: 15,00 secondi");
    QTest::newRow("C, left end") << "C" << 30 << int(Qt::Key_Home) << 4
                                 << QStringLiteral("Velocità scansione: 1.00 secondi");
    QTest::newRow("English, right end") << "en_US" << 30 << int(Qt::Key_End) << 60
                                        << QStringLiteral("Velocità scansione: 15.00 secondi");
    QTest::newRow("Italian, one step right") << "it_IT" << 5 << int(Qt::Key_Right) << 6
                                             << QStringLiteral("Velocità scansione: 1,50 secondi");
    QTest::newRow("C, one step left") << "C" << 11 << int(Qt::Key_Left) << 10
                                      << QStringLiteral("Velocità scansione: 2.50 secondi");
    QTest::newRow("German, a page is a second") << "de_DE" << 9 << int(Qt::Key_PageUp) << 13
                                                << QStringLiteral("Velocità scansione: 3,25 secondi");
}

void TestFormConfigura::speedTextFollowsTheBarInTheUsersLocale()
{
    QFETCH(QString, locale);
    QFETCH(int, partenza);
    QFETCH(int, tasto);
    QFETCH(int, velocita);
    QFETCH(QString, testoAtteso);

    QLocale::setDefault(QLocale(locale));
    Banco banco;
    banco.finti.stato.ModalitaInput = Modalita::ScansioneAutomatica;
    banco.finti.stato.VelocitaScansione = int16_t(partenza);
    auto *form = new FormConfigura(banco.finti.servizi);
    QVERIFY(mostraEAttiva(form));

    QTest::keyClick(barra(form), Qt::Key(tasto));
    QCOMPARE(barra(form)->value(), velocita);
    QCOMPARE(int(banco.finti.stato.VelocitaScansione), velocita);
    QCOMPARE(testo(form)->text(), testoAtteso);
}

void TestFormConfigura::colourChooserOkStoresAndCancelKeeps_data()
{
    QTest::addColumn<double>("salvato");
    QTest::addColumn<int>("clic");
    QTest::addColumn<bool>("primoOk");
    QTest::addColumn<bool>("secondoOk");
    QTest::addColumn<QColor>("atteso");

    // Picks: green on the first opening, dark on the second.
    const QColor verde(0, 100, 0);
    const QColor scuro(10, 20, 30);
    QTest::newRow("opening shows the default red") << 255.0 << 0 << false << false << QColor(255, 0, 0);
    QTest::newRow("opening shows blue in BGR order") << double(0xFF0000) << 0 << false << false << QColor(0, 0, 255);
    QTest::newRow("a fraction rounds to the nearest colour") << 65279.6 << 0 << false << false << QColor(0, 255, 0);
    QTest::newRow("ok then cancel keeps the first pick") << 255.0 << 2 << true << false << verde;
    QTest::newRow("ok twice keeps the second pick") << 255.0 << 2 << true << true << scuro;
    QTest::newRow("cancel twice keeps the stored colour")
        << double(0x30A0C0) << 2 << false << false << QColor(0xC0, 0xA0, 0x30);
    QTest::newRow("cancel then ok takes the pick") << 255.0 << 2 << false << true << scuro;
}

void TestFormConfigura::colourChooserOkStoresAndCancelKeeps()
{
    QFETCH(double, salvato);
    QFETCH(int, clic);
    QFETCH(bool, primoOk);
    QFETCH(bool, secondoOk);
    QFETCH(QColor, atteso);

    Banco banco;
    banco.finti.stato.ColoreScansione = salvato;
    auto *form = new FormConfigura(banco.finti.servizi);
    QVERIFY(mostraEAttiva(form));
    auto *bottone = form->findChild<QPushButton *>(QStringLiteral("Command1"));

    const QColor scelte[] = {QColor(0, 100, 0), QColor(10, 20, 30)};
    const bool conferme[] = {primoOk, secondoOk};
    for (int i = 0; i < clic; ++i) {
        banco.finti.colore.conferma = conferme[i];
        banco.finti.colore.colore = scelte[i];
        QTest::mouseClick(bottone, Qt::LeftButton);
    }

    QCOMPARE(banco.finti.colore.aperture, clic);
    QCOMPARE(coloreFaccia(bottone), atteso);
    if (clic > 0 && (primoOk || secondoOk))
        QCOMPARE(banco.finti.stato.ColoreScansione, double(Colori::aBGR(atteso)));
    else
        QCOMPARE(banco.finti.stato.ColoreScansione, salvato);
}

void TestFormConfigura::esciHandsOverToAFreshMenuKeepingChanges()
{
    QTemporaryDir cartella;
    QVERIFY(cartella.isValid());
    Banco banco;
    banco.finti.stato.PercorsoIni = cartella.filePath(QStringLiteral("calcolotti.ini"));
    QPointer<FormConfigura> form = new FormConfigura(banco.finti.servizi);
    QVERIFY(mostraEAttiva(form));

    QTest::mouseClick(opzione(form, 2), Qt::LeftButton, {}, QPoint(10, opzione(form, 2)->height() / 2));
    QTest::keyClick(barra(form), Qt::Key_End);
    banco.finti.colore.colore = QColor(1, 2, 3);
    QTest::mouseClick(form->findChild<QPushButton *>(QStringLiteral("Command1")), Qt::LeftButton);

    auto *esci = form->findChild<QAction *>(QStringLiteral("mnuEsci"));
    QVERIFY(esci);
    esci->trigger();

    QVERIFY(form->congedata());
    QTRY_VERIFY(!form);
    QTRY_VERIFY(unicaVisibile<FormMenu>());
    QCOMPARE(int(banco.finti.stato.ModalitaInput), 2);
    QCOMPARE(int(banco.finti.stato.VelocitaScansione), 60);
    QCOMPARE(banco.finti.stato.ColoreScansione, double(0x030201));
    QVERIFY(!QFile::exists(banco.finti.stato.PercorsoIni));
}

namespace {

// A chooser whose OK comes after the screen has already gone, as an event
// handled inside the dialog's own loop could make it happen.
class SceltaConUscita : public SceltaColore
{
public:
    bool ScegliColore(QWidget *finestra, QLabel *portatore) override
    {
        QPointer<QLabel> vivo(portatore);
        finestra->findChild<QAction *>(QStringLiteral("mnuEsci"))->trigger();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        if (vivo) {
            QPalette palette = vivo->palette();
            palette.setColor(QPalette::WindowText, QColor(1, 2, 3));
            vivo->setPalette(palette);
        }
        return true;
    }
};

}

void TestFormConfigura::leavingWhileTheColourDialogIsOpenIsHarmless()
{
    Banco banco;
    SceltaConUscita colore;
    Servizi servizi{banco.finti.stato,  banco.finti.casuale,  banco.finti.voce,
                    banco.finti.attesa, banco.finti.suoni,    banco.finti.dialoghi,
                    colore,             banco.finti.documenti, banco.finti.servizi.creaLettore,
                    banco.finti.servizi.creaMotoreVoce, banco.finti.servizi.cartellaProgramma, banco.finti.chiusura};
    FabbricaSchermate navigatore(servizi);
    QPointer<FormConfigura> form = new FormConfigura(servizi);
    QVERIFY(mostraEAttiva(form));

    QTest::mouseClick(form->findChild<QPushButton *>(QStringLiteral("Command1")), Qt::LeftButton);
    QVERIFY(!form);
    QCOMPARE(banco.finti.stato.ColoreScansione, 255.0);
    QTRY_VERIFY(unicaVisibile<FormMenu>());
    // The menu uses these local services: it goes before them.
    chiudiFinestre();
}

void TestFormConfigura::controlsKeepTheirProportionsWhenResized()
{
    Banco banco;
    banco.finti.stato.ModalitaInput = Modalita::ScansioneAutomatica;
    auto *form = new FormConfigura(banco.finti.servizi);
    QVERIFY(mostraEAttiva(form));
    auto *cliente = barra(form)->parentWidget()->parentWidget();
    const QSize progetto = cliente->size();
    const QRect prima = barra(form)->geometry();

    form->resize(form->width() + progetto.width(), form->height() + progetto.height());
    QTRY_COMPARE(cliente->size(), progetto * 2);
    const QRect dopo = barra(form)->geometry();
    QVERIFY2(qAbs(dopo.left() - 2 * prima.left()) <= 2 && qAbs(dopo.width() - 2 * prima.width()) <= 2,
             qPrintable(QStringLiteral("%1 -> %2").arg(prima.width()).arg(dopo.width())));
    QVERIFY(qAbs(dopo.top() - 2 * prima.top()) <= 2);
}

QTEST_MAIN(TestFormConfigura)
#include "tst_formconfigura.moc"
