#include "input/ControlloreInput.h"
#include "core/StatoProgramma.h"

#include "SequenzaTasti.h"

#include <QCheckBox>
#include <QPointer>
#include <QPushButton>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

namespace {

// A screen that only records what the input model asks of it. A button and a
// check box stand where the user last clicked: they must never see a key.
class SchermataFinta : public QWidget, public BersaglioScansione
{
public:
    SchermataFinta(TipoSchermata tipo, const StatoProgramma &stato)
        : controllo(this, *this, tipo, stato)
    {
        auto *disposizione = new QVBoxLayout(this);
        bottone = new QPushButton(QStringLiteral("Bottone"), this);
        casella = new QCheckBox(QStringLiteral("Casella"), this);
        disposizione->addWidget(bottone);
        disposizione->addWidget(casella);
    }
    void seguente() override { chiamate << QStringLiteral("seguente"); }
    void precedente() override { chiamate << QStringLiteral("precedente"); }
    void seleziona() override
    {
        chiamate << QStringLiteral("seleziona");
        if (durante)
            durante();
    }
    bool scansioneSospesa() const override { return sospesa; }

    ControlloreInput controllo;
    QPushButton *bottone;
    QCheckBox *casella;
    QStringList chiamate;
    bool sospesa = false;
    std::function<void()> durante;
};

}

class TestControlloreInput : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void tastiETimer_data();
    void tastiETimer();
    void intervalloPerModo_data();
    void intervalloPerModo();
    void schermataNascostaNonScansionaNeAscolta();
    void schermataSospesaTaceFinoAllaPreparazione();
    void preparazioneLasciaIlFuocoSoloAllaSchermata();
    void selezioneCheNascondeLaSchermataNonRiavviaIlTimer();
    void selezioneCheChiudeLaSchermataNonFaCrash();
    void tastiDiAltreFinestreNonToccano();
    void ripetizioniSenzaMarcaNonSpezzanoLaCoppia_data();
    void ripetizioniSenzaMarcaNonSpezzanoLaCoppia();
};

void TestControlloreInput::tastiETimer_data()
{
    QTest::addColumn<int>("tipo");
    QTest::addColumn<int>("modo");
    QTest::addColumn<bool>("sospesa");
    QTest::addColumn<QString>("sequenza");
    QTest::addColumn<QStringList>("attese");
    QTest::addColumn<bool>("timerAcceso");

    const int menu = int(TipoSchermata::Menu);
    const int esercizio = int(TipoSchermata::Esercizio);
    const QString seg = QStringLiteral("seguente");
    const QString prec = QStringLiteral("precedente");
    const QString sel = QStringLiteral("seleziona");

    QTest::newRow("menu m1: Space moves, Enter selects") << menu << 1 << false
        << "Space Space Enter" << QStringList{seg, seg, sel} << true;
    QTest::newRow("menu m1: held Space repeats") << menu << 1 << false
        << "Space+ Space* Space* Space-" << QStringList{seg, seg, seg} << true;
    QTest::newRow("menu m1: held Enter selects once") << menu << 1 << false
        << "Enter+ Enter* Enter* Enter-" << QStringList{sel} << true;
    QTest::newRow("menu m1: keypad Enter selects") << menu << 1 << false
        << "Invio" << QStringList{sel} << true;
    QTest::newRow("menu m1: arrows and ticks do nothing") << menu << 1 << false
        << "Right Down T T" << QStringList{} << true;
    QTest::newRow("menu m2: every tick moves") << menu << 2 << false
        << "T T T" << QStringList{seg, seg, seg} << true;
    QTest::newRow("menu m2: Space down stops, up selects") << menu << 2 << false
        << "T Space+ T T Space-" << QStringList{seg, sel} << false;
    QTest::newRow("menu m2: held Space selects once on the last release") << menu << 2 << false
        << "Space+ Space* Space* T Space-" << QStringList{sel} << false;
    QTest::newRow("menu m2: Enter freezes the scan for good") << menu << 2 << false
        << "T Enter T T T" << QStringList{seg} << false;
    QTest::newRow("menu m2: frozen scan still selects on Space") << menu << 2 << false
        << "Enter T Space" << QStringList{sel} << false;
    QTest::newRow("menu m2: a release without its press is ignored") << menu << 2 << false
        << "Space- T" << QStringList{seg} << true;
    QTest::newRow("menu m3: arrows move on press") << menu << 3 << false
        << "Right+ Down+ Left+ Up+" << QStringList{seg, seg, prec, prec} << true;
    QTest::newRow("menu m3: held arrow repeats") << menu << 3 << false
        << "Down+ Down* Down* Down-" << QStringList{seg, seg, seg} << true;
    QTest::newRow("menu m3: Space selects") << menu << 3 << false
        << "Space+" << QStringList{sel} << true;
    QTest::newRow("menu m3: Enter selects") << menu << 3 << false
        << "Enter+" << QStringList{sel} << true;
    QTest::newRow("menu m3: ticks only keep the focus") << menu << 3 << false
        << "T T" << QStringList{} << true;
    QTest::newRow("menu m2: repeats of a key held from before do not stop the scan") << menu << 2 << false
        << "Enter* Enter* T Enter-" << QStringList{seg} << true;
    QTest::newRow("menu m3: repeats of an arrow held from before do not move") << menu << 3 << false
        << "Down* Down* Down- Down" << QStringList{seg} << true;
    QTest::newRow("menu m0: keys and ticks do nothing") << menu << 0 << false
        << "Space Enter Right T" << QStringList{} << false;
    QTest::newRow("menu mode 9: nothing at all") << menu << 9 << false
        << "Space Enter Right Left T" << QStringList{} << false;

    QTest::newRow("exercise m1: Space moves, Enter selects") << esercizio << 1 << false
        << "Space Enter Space" << QStringList{seg, sel, seg} << true;
    QTest::newRow("exercise m2: ticks move") << esercizio << 2 << false
        << "T T" << QStringList{seg, seg} << true;
    QTest::newRow("exercise m2: ticks stand still while avanti waits") << esercizio << 2 << true
        << "T T" << QStringList{} << true;
    QTest::newRow("exercise m2: holding Space stops, release selects and resumes") << esercizio << 2
        << false << "Space+ T Space* Space* T Space- T" << QStringList{sel, seg} << true;
    QTest::newRow("exercise m2: another key pauses while held") << esercizio << 2 << false
        << "A+ T T A- T" << QStringList{seg} << true;
    QTest::newRow("exercise m2: avanti is selected with Space") << esercizio << 2 << true
        << "T Space T" << QStringList{sel} << true;
    QTest::newRow("exercise m2: a release without its press is ignored") << esercizio << 2 << false
        << "Space- T" << QStringList{seg} << true;
    QTest::newRow("exercise m3: arrows act on release") << esercizio << 3 << false
        << "Right+ Down+ Right- Down- Left Up" << QStringList{seg, seg, prec, prec} << true;
    QTest::newRow("exercise m3: a held arrow moves once") << esercizio << 3 << false
        << "Right+ Right* Right* Right* Right-" << QStringList{seg} << true;
    QTest::newRow("exercise m3: Space does nothing") << esercizio << 3 << false
        << "Space Space+ Space* Space-" << QStringList{} << true;
    QTest::newRow("exercise m3: Enter selects on release") << esercizio << 3 << false
        << "Enter+ Enter-" << QStringList{sel} << true;
    QTest::newRow("exercise m3: the menu's Enter release is not a selection") << esercizio << 3
        << false << "Enter- Right" << QStringList{seg} << true;
    QTest::newRow("exercise m0: keys and ticks do nothing") << esercizio << 0 << false
        << "Space Enter Right T" << QStringList{} << false;
    QTest::newRow("exercise mode -1: nothing at all") << esercizio << -1 << false
        << "Space Enter Right T" << QStringList{} << false;
}

void TestControlloreInput::tastiETimer()
{
    QFETCH(int, tipo);
    QFETCH(int, modo);
    QFETCH(bool, sospesa);
    QFETCH(QString, sequenza);
    QFETCH(QStringList, attese);
    QFETCH(bool, timerAcceso);

    StatoProgramma stato;
    stato.ModalitaInput = int16_t(modo);
    SchermataFinta schermata(TipoSchermata(tipo), stato);
    schermata.sospesa = sospesa;
    schermata.show();
    QVERIFY(QTest::qWaitForWindowExposed(&schermata));
    schermata.controllo.prepara();
    QSignalSpy clic(schermata.bottone, &QPushButton::clicked);

    // Keys go to the button, as if the user had clicked it last.
    SequenzaTasti::riproduci(
        sequenza, [&] { return schermata.bottone; },
        SequenzaTasti::tickSe(schermata.controllo.timer(), [&] { schermata.controllo.Timer1_Timer(); }));

    QCOMPARE(schermata.chiamate, attese);
    QCOMPARE(schermata.controllo.timer().isActive(), timerAcceso);
    if (modo >= 1 && modo <= 3) {
        QCOMPARE(clic.count(), 0);
        QVERIFY(!schermata.bottone->isDown());
    }
}

void TestControlloreInput::intervalloPerModo_data()
{
    QTest::addColumn<int>("modo");
    QTest::addColumn<int>("velocita");
    QTest::addColumn<bool>("acceso");
    QTest::addColumn<int>("intervallo");

    QTest::newRow("mouse: off") << 0 << 4 << false << 0;
    QTest::newRow("manual: 100 ms") << 1 << 40 << true << 100;
    QTest::newRow("arrows: 100 ms") << 3 << 40 << true << 100;
    QTest::newRow("automatic, 4 quarters: 1 s") << 2 << 4 << true << 1000;
    QTest::newRow("automatic, 10 quarters") << 2 << 10 << true << 2500;
    QTest::newRow("automatic, 60 quarters: 15 s") << 2 << 60 << true << 15000;
    QTest::newRow("automatic, 0 from a hand-edited file") << 2 << 0 << true << 1000;
    QTest::newRow("automatic, negative") << 2 << -300 << true << 1000;
    QTest::newRow("automatic, huge") << 2 << 32767 << true << 15000;
    QTest::newRow("unknown mode: off") << 4 << 4 << false << 0;
}

void TestControlloreInput::intervalloPerModo()
{
    QFETCH(int, modo);
    QFETCH(int, velocita);
    QFETCH(bool, acceso);
    QFETCH(int, intervallo);

    for (TipoSchermata tipo : {TipoSchermata::Menu, TipoSchermata::Esercizio}) {
        StatoProgramma stato;
        stato.ModalitaInput = int16_t(modo);
        stato.VelocitaScansione = int16_t(velocita);
        SchermataFinta schermata(tipo, stato);
        QVERIFY(!schermata.controllo.timer().isActive());
        schermata.controllo.prepara();
        QCOMPARE(schermata.controllo.timer().isActive(), acceso);
        if (acceso)
            QCOMPARE(schermata.controllo.timer().interval(), intervallo);
    }
}

void TestControlloreInput::schermataNascostaNonScansionaNeAscolta()
{
    StatoProgramma stato;
    stato.ModalitaInput = Modalita::ScansioneAutomatica;
    SchermataFinta schermata(TipoSchermata::Esercizio, stato);
    schermata.controllo.prepara();
    // Never shown: the resting partner of a mixed level.
    schermata.controllo.Timer1_Timer();
    QTest::keyClick(&schermata, Qt::Key_Space);
    QTest::keyClick(schermata.bottone, Qt::Key_Space);
    QVERIFY(schermata.chiamate.isEmpty());
    QVERIFY(!schermata.controllo.inAscolto());

    schermata.show();
    QVERIFY(QTest::qWaitForWindowExposed(&schermata));
    QVERIFY(schermata.controllo.inAscolto());
    schermata.controllo.Timer1_Timer();
    QCOMPARE(schermata.chiamate, QStringList{QStringLiteral("seguente")});
}

void TestControlloreInput::schermataSospesaTaceFinoAllaPreparazione()
{
    StatoProgramma stato;
    stato.ModalitaInput = Modalita::ScansioneManuale;
    SchermataFinta schermata(TipoSchermata::Esercizio, stato);
    schermata.show();
    QVERIFY(QTest::qWaitForWindowExposed(&schermata));

    // Not yet prepared: silent.
    QTest::keyClick(&schermata, Qt::Key_Space);
    QVERIFY(schermata.chiamate.isEmpty());

    schermata.controllo.prepara();
    schermata.controllo.sospendi();
    QVERIFY(!schermata.controllo.timer().isActive());
    QTest::keyClick(&schermata, Qt::Key_Space);
    QTest::keyClick(&schermata, Qt::Key_Return);
    QVERIFY(schermata.chiamate.isEmpty());

    schermata.controllo.prepara();
    QVERIFY(schermata.controllo.timer().isActive());
    QTest::keyClick(&schermata, Qt::Key_Space);
    QCOMPARE(schermata.chiamate, QStringList{QStringLiteral("seguente")});
}

void TestControlloreInput::preparazioneLasciaIlFuocoSoloAllaSchermata()
{
    StatoProgramma stato;
    stato.ModalitaInput = Modalita::Frecce;
    SchermataFinta schermata(TipoSchermata::Menu, stato);
    schermata.show();
    schermata.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&schermata));
    schermata.bottone->setFocus();
    schermata.controllo.prepara();
    QCOMPARE(schermata.bottone->focusPolicy(), Qt::NoFocus);
    QCOMPARE(schermata.casella->focusPolicy(), Qt::NoFocus);
    QCOMPARE(schermata.focusPolicy(), Qt::StrongFocus);
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(&schermata));

    // A click elsewhere moves the focus; the next tick brings it back.
    schermata.casella->setFocusPolicy(Qt::StrongFocus);
    schermata.casella->setFocus();
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(schermata.casella));
    schermata.controllo.Timer1_Timer();
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(&schermata));

    // Space on the check box reaches the input model, not the box.
    QTest::keyClick(schermata.casella, Qt::Key_Space);
    QVERIFY(!schermata.casella->isChecked());
    QCOMPARE(schermata.chiamate, QStringList{QStringLiteral("seleziona")});
}

void TestControlloreInput::selezioneCheNascondeLaSchermataNonRiavviaIlTimer()
{
    StatoProgramma stato;
    stato.ModalitaInput = Modalita::ScansioneAutomatica;
    SchermataFinta schermata(TipoSchermata::Esercizio, stato);
    schermata.show();
    QVERIFY(QTest::qWaitForWindowExposed(&schermata));
    schermata.controllo.prepara();
    // "avanti" hands over to the mixed level's partner and this screen rests.
    schermata.durante = [&] { schermata.hide(); };
    QTest::keyClick(&schermata, Qt::Key_Space);
    QCOMPARE(schermata.chiamate, QStringList{QStringLiteral("seleziona")});
    QVERIFY(!schermata.controllo.timer().isActive());
}

void TestControlloreInput::selezioneCheChiudeLaSchermataNonFaCrash()
{
    StatoProgramma stato;
    stato.ModalitaInput = Modalita::ScansioneAutomatica;
    auto *schermata = new SchermataFinta(TipoSchermata::Esercizio, stato);
    QPointer<QWidget> guardia(schermata);
    schermata->show();
    QVERIFY(QTest::qWaitForWindowExposed(schermata));
    schermata->controllo.prepara();
    // The screen goes away inside a wait of the selection, as after the leave
    // confirmation handled during speech.
    schermata->durante = [schermata] {
        QEventLoop attesa;
        QTimer::singleShot(0, schermata, [schermata] { schermata->deleteLater(); });
        QTimer::singleShot(20, &attesa, &QEventLoop::quit);
        attesa.exec();
    };
    QTest::keyPress(schermata, Qt::Key_Space);
    QTest::keyRelease(schermata, Qt::Key_Space);
    QTRY_VERIFY(guardia.isNull());
}

void TestControlloreInput::tastiDiAltreFinestreNonToccano()
{
    StatoProgramma stato;
    stato.ModalitaInput = Modalita::ScansioneManuale;
    SchermataFinta schermata(TipoSchermata::Menu, stato);
    schermata.show();
    QVERIFY(QTest::qWaitForWindowExposed(&schermata));
    schermata.controllo.prepara();

    // A dialog of its own (the leave confirmation) keeps its keys.
    QWidget altra;
    auto *bottone = new QPushButton(QStringLiteral("Sì"), &altra);
    altra.show();
    QVERIFY(QTest::qWaitForWindowExposed(&altra));
    QSignalSpy clic(bottone, &QPushButton::clicked);
    QTest::keyClick(bottone, Qt::Key_Space);
    QCOMPARE(clic.count(), 1);
    QVERIFY(schermata.chiamate.isEmpty());
}

void TestControlloreInput::ripetizioniSenzaMarcaNonSpezzanoLaCoppia_data()
{
    QTest::addColumn<int>("tipo");
    QTest::addColumn<int>("modo");
    QTest::addColumn<QString>("tenuto");
    QTest::addColumn<QStringList>("durante");
    QTest::addColumn<bool>("timerDurante");
    QTest::addColumn<QString>("lasciato");
    QTest::addColumn<QStringList>("dopo");
    QTest::addColumn<bool>("timerDopo");

    const int menu = int(TipoSchermata::Menu);
    const int esercizio = int(TipoSchermata::Esercizio);
    const QString seg = QStringLiteral("seguente");
    const QString prec = QStringLiteral("precedente");
    const QString sel = QStringLiteral("seleziona");

    QTest::newRow("menu m2: held Space selects once, on the real release")
        << menu << 2 << "Space+ Space~ W Space~ Space~ W" << QStringList{} << false
        << "Space- W" << QStringList{sel} << false;
    QTest::newRow("exercise m2: the scan resumes only after the real release")
        << esercizio << 2 << "Space+ Space~ Space~ W" << QStringList{} << false
        << "Space- W T" << QStringList{sel, seg} << true;
    QTest::newRow("exercise m3: held Right moves once")
        << esercizio << 3 << "Right+ Right~ Right~ W Right~ W" << QStringList{} << true
        << "Right- W" << QStringList{seg} << true;
    QTest::newRow("exercise m3: another key completes the stroke before it")
        << esercizio << 3 << "Right Left+" << QStringList{seg} << true
        << "Left- W" << QStringList{seg, prec} << true;
    QTest::newRow("menu m2: Enter then Space, each its own stroke")
        << menu << 2 << "Enter Space+" << QStringList{} << false
        << "Space- W" << QStringList{sel} << false;
}

void TestControlloreInput::ripetizioniSenzaMarcaNonSpezzanoLaCoppia()
{
    QFETCH(int, tipo);
    QFETCH(int, modo);
    QFETCH(QString, tenuto);
    QFETCH(QStringList, durante);
    QFETCH(bool, timerDurante);
    QFETCH(QString, lasciato);
    QFETCH(QStringList, dopo);
    QFETCH(bool, timerDopo);

    ControlloreInput::impostaAttesaRilascio(30);
    auto ripristina = qScopeGuard([] { ControlloreInput::impostaAttesaRilascio(0); });
    StatoProgramma stato;
    stato.ModalitaInput = int16_t(modo);
    SchermataFinta schermata(TipoSchermata(tipo), stato);
    schermata.show();
    QVERIFY(QTest::qWaitForWindowExposed(&schermata));
    schermata.controllo.prepara();
    const auto tick =
        SequenzaTasti::tickSe(schermata.controllo.timer(), [&] { schermata.controllo.Timer1_Timer(); });

    SequenzaTasti::riproduci(tenuto, [&] { return schermata.bottone; }, tick);
    QCOMPARE(schermata.chiamate, durante);
    QCOMPARE(schermata.controllo.timer().isActive(), timerDurante);
    SequenzaTasti::riproduci(lasciato, [&] { return schermata.bottone; }, tick);
    QCOMPARE(schermata.chiamate, dopo);
    QCOMPARE(schermata.controllo.timer().isActive(), timerDopo);
}

void TestControlloreInput::initTestCase()
{
    // Key releases are handled at once; the wait for a late repeat has a test of its own.
    ControlloreInput::impostaAttesaRilascio(0);
}

QTEST_MAIN(TestControlloreInput)
#include "tst_controlloreinput.moc"
