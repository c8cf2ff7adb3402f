#include "BancoSchermate.h"
#include "config/Form10.h"
#include "shell/FormMenu.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QScrollBar>

namespace {

const QString Saluto = QStringLiteral("speak Clicca sulla bocca per ascoltare la voce impostata.");
const QString Anteprima = QStringLiteral("speak Questa e' la voce che hai selezionato");
const QString Rifiuto = QStringLiteral("avviso Calcolotti: non posso selezionare questa voce");

// The fake engine, able to refuse the write that follows a voice change too.
class MotoreSchizzinoso : public MotoreFinto
{
public:
    using MotoreFinto::MotoreFinto;
    bool writeAfterVoiceChange(int16_t valore) override
    {
        MotoreFinto::writeAfterVoiceChange(valore);
        return !rifiuta62;
    }
    bool rifiuta62 = false;
};

struct BancoVoce : Banco {
    QStringList nomi{QStringLiteral("Voce uno"), QStringLiteral("Voce due"), QStringLiteral("Voce tre")};
    QList<int> rifiutate;
    bool rifiuta62 = false;
    bool fineAutomatica = true;
    QPointer<MotoreSchizzinoso> motore;

    BancoVoce()
    {
        finti.servizi.creaMotoreVoce = [this] {
            auto nuovo = std::make_unique<MotoreSchizzinoso>(&finti.registro);
            nuovo->nomi = nomi;
            nuovo->rifiutate = QVector<int>(rifiutate.begin(), rifiutate.end());
            nuovo->rifiuta62 = rifiuta62;
            nuovo->fineAutomatica = fineAutomatica;
            motore = nuovo.get();
            return std::unique_ptr<SpeechEngine>(std::move(nuovo));
        };
    }

    // A shown and activated voice screen, with the log emptied if asked.
    Form10 *apri(bool svuota = true)
    {
        auto *form = new Form10(finti.servizi);
        if (!mostraEAttiva(form))
            return nullptr;
        if (svuota)
            finti.registro.svuota();
        return form;
    }
};

QComboBox *lista(QWidget *form) { return form->findChild<QComboBox *>(QStringLiteral("Combo1")); }
QScrollBar *barra(QWidget *form) { return form->findChild<QScrollBar *>(QStringLiteral("HScroll2")); }
QLabel *velocita(QWidget *form) { return form->findChild<QLabel *>(QStringLiteral("Label2")); }

}

class TestForm10 : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { chiudiFinestre(); }

    void openingFillsSelectsAndGreets_data();
    void openingFillsSelectsAndGreets();
    void rateBarSetsTextRecordAndEngine_data();
    void rateBarSetsTextRecordAndEngine();
    void choosingAVoice_data();
    void choosingAVoice();
    void mouthClickCutsInWithThePreview_data();
    void mouthClickCutsInWithThePreview();
    void leavingKeepsTheChoicesForTheMenu_data();
    void leavingKeepsTheChoicesForTheMenu();
    void leavingDuringTheRefusalMessageSpeaksNoGreeting();
    void worksSilentlyWithoutAnEngine();
};

void TestForm10::openingFillsSelectsAndGreets_data()
{
    QTest::addColumn<QStringList>("nomi");
    QTest::addColumn<QList<int>>("rifiutate");
    QTest::addColumn<int>("numeroVoce");
    QTest::addColumn<int>("velocitaVoce");
    QTest::addColumn<QStringList>("registro");
    QTest::addColumn<int>("selezionata");
    QTest::addColumn<int>("numeroDopo");
    QTest::addColumn<int>("velocitaDopo");

    const QStringList tre{"Voce uno", "Voce due", "Voce tre"};
    QTest::newRow("defaults: stored voice and rate applied on load, then the list choice")
        << tre << QList<int>{} << 1 << 135
        << QStringList{"voice 1", "rate 135", "voice 1", "op62 0", "stop", Saluto} << 0 << 1 << 135;
    QTest::newRow("rate 70 is the bar's own value: nothing applied on load")
        << tre << QList<int>{} << 2 << 70 << QStringList{"voice 2", "op62 0", "stop", Saluto} << 1 << 2 << 70;
    QTest::newRow("voice beyond the list: no selection, number kept")
        << tre << QList<int>{} << 5 << 100 << QStringList{"voice 5", "rate 100", "stop", Saluto} << -1 << 5 << 100;
    QTest::newRow("voice zero: no selection, number kept")
        << tre << QList<int>{} << 0 << 70 << QStringList{"stop", Saluto} << -1 << 0 << 70;
    QTest::newRow("no voices: empty list, number kept")
        << QStringList{} << QList<int>{} << 1 << 70 << QStringList{"stop", Saluto} << -1 << 1 << 70;
    QTest::newRow("stored voice refused: message and back to 1")
        << tre << QList<int>{3} << 3 << 70 << QStringList{"voice 3", Rifiuto, "stop", Saluto} << 2 << 1 << 70;
    QTest::newRow("rate above the bar is brought to 200")
        << tre << QList<int>{} << 1 << 250
        << QStringList{"voice 1", "rate 200", "voice 1", "op62 0", "stop", Saluto} << 0 << 1 << 200;
    QTest::newRow("rate below the bar is brought to 70")
        << tre << QList<int>{} << 1 << 20 << QStringList{"voice 1", "op62 0", "stop", Saluto} << 0 << 1 << 70;
}

void TestForm10::openingFillsSelectsAndGreets()
{
    QFETCH(QStringList, nomi);
    QFETCH(QList<int>, rifiutate);
    QFETCH(int, numeroVoce);
    QFETCH(int, velocitaVoce);
    QFETCH(QStringList, registro);
    QFETCH(int, selezionata);
    QFETCH(int, numeroDopo);
    QFETCH(int, velocitaDopo);

    BancoVoce banco;
    banco.nomi = nomi;
    banco.rifiutate = rifiutate;
    banco.finti.stato.NumeroVoce = int16_t(numeroVoce);
    banco.finti.stato.VelocitaVoce = int16_t(velocitaVoce);
    Form10 *form = banco.apri(false);
    QVERIFY(form);

    QCOMPARE(banco.finti.registro.voci, registro);
    QStringList mostrate;
    for (int i = 0; i < lista(form)->count(); ++i)
        mostrate << lista(form)->itemText(i);
    QCOMPARE(mostrate, nomi);
    QCOMPARE(lista(form)->currentIndex(), selezionata);
    QCOMPARE(int(banco.finti.stato.NumeroVoce), numeroDopo);
    QCOMPARE(int(banco.finti.stato.VelocitaVoce), velocitaDopo);
    QCOMPARE(barra(form)->value(), velocitaDopo);
    QCOMPARE(velocita(form)->text(), QStringLiteral("Velocità =  %1").arg(velocitaDopo));
}

void TestForm10::rateBarSetsTextRecordAndEngine_data()
{
    QTest::addColumn<int>("partenza");
    QTest::addColumn<int>("tasto");
    QTest::addColumn<int>("atteso");
    QTest::addColumn<QString>("testo");

    QTest::newRow("Home gives the slowest") << 135 << int(Qt::Key_Home) << 70 << "Velocità =  70";
    QTest::newRow("End gives the fastest") << 135 << int(Qt::Key_End) << 200 << "Velocità =  200";
    QTest::newRow("Left steps back to the default") << 136 << int(Qt::Key_Left) << 135 << "Velocità =  135";
    QTest::newRow("Right steps by one") << 135 << int(Qt::Key_Right) << 136 << "Velocità =  136";
    QTest::newRow("a page is ten") << 100 << int(Qt::Key_PageUp) << 110 << "Velocità =  110";
    QTest::newRow("no move at the end changes nothing") << 200 << int(Qt::Key_End) << 200 << "Velocità =  200";
}

void TestForm10::rateBarSetsTextRecordAndEngine()
{
    QFETCH(int, partenza);
    QFETCH(int, tasto);
    QFETCH(int, atteso);
    QFETCH(QString, testo);

    BancoVoce banco;
    banco.finti.stato.NumeroVoce = 2;
    banco.finti.stato.VelocitaVoce = int16_t(partenza);
    Form10 *form = banco.apri();
    QVERIFY(form);

    QTest::keyClick(barra(form), Qt::Key(tasto));
    QCOMPARE(velocita(form)->text(), testo);
    QCOMPARE(int(banco.finti.stato.VelocitaVoce), atteso);
    QCOMPARE(banco.motore->velocita, atteso);
    // Voice before rate, every time the bar moves; nothing when it cannot move.
    const QStringList attesi = atteso == partenza ? QStringList{}
                                                  : QStringList{"voice 2", QStringLiteral("rate %1").arg(atteso)};
    QCOMPARE(banco.finti.registro.voci, attesi);
}

void TestForm10::choosingAVoice_data()
{
    QTest::addColumn<QList<int>>("rifiutate");
    QTest::addColumn<bool>("rifiuta62");
    QTest::addColumn<int>("voce");
    QTest::addColumn<int>("numeroDopo");
    QTest::addColumn<QStringList>("registro");

    QTest::newRow("accepted voice is stored")
        << QList<int>{} << false << 1 << 2 << QStringList{"voice 2", "op62 0"};
    QTest::newRow("third voice accepted") << QList<int>{} << false << 2 << 3 << QStringList{"voice 3", "op62 0"};
    QTest::newRow("refused voice: message, number 1, engine not told")
        << QList<int>{2} << false << 1 << 1 << QStringList{"voice 2", Rifiuto};
    QTest::newRow("refused write after the change counts as a refusal")
        << QList<int>{} << true << 2 << 1 << QStringList{"voice 3", "op62 0", Rifiuto};
}

void TestForm10::choosingAVoice()
{
    QFETCH(QList<int>, rifiutate);
    QFETCH(bool, rifiuta62);
    QFETCH(int, voce);
    QFETCH(int, numeroDopo);
    QFETCH(QStringList, registro);

    BancoVoce banco;
    banco.rifiutate = rifiutate;
    Form10 *form = banco.apri();
    QVERIFY(form);
    // Only from here on does the engine refuse the write after a change.
    banco.motore->rifiuta62 = rifiuta62;

    lista(form)->setCurrentIndex(voce);
    QCOMPARE(int(banco.finti.stato.NumeroVoce), numeroDopo);
    QCOMPARE(banco.finti.registro.voci, registro);
    QCOMPARE(lista(form)->currentIndex(), voce);
}

void TestForm10::mouthClickCutsInWithThePreview_data()
{
    QTest::addColumn<bool>("salutoInCorso");
    QTest::addColumn<int>("nuovaVelocita");
    QTest::addColumn<QStringList>("registro");

    QTest::newRow("while silent") << false << 0 << QStringList{"stop", Anteprima};
    QTest::newRow("cuts the greeting off") << true << 0 << QStringList{"stop", Anteprima};
    QTest::newRow("uses the rate just set")
        << true << 180 << QStringList{"voice 1", "rate 180", "stop", Anteprima};
}

void TestForm10::mouthClickCutsInWithThePreview()
{
    QFETCH(bool, salutoInCorso);
    QFETCH(int, nuovaVelocita);
    QFETCH(QStringList, registro);

    BancoVoce banco;
    banco.fineAutomatica = !salutoInCorso;
    Form10 *form = banco.apri();
    QVERIFY(form);
    QTRY_COMPARE(banco.motore->isSpeaking(), salutoInCorso);

    if (nuovaVelocita)
        barra(form)->setValue(nuovaVelocita);
    QSignalSpy parlato(banco.motore.data(), &SpeechEngine::speakingChanged);
    QTest::mouseClick(form->findChild<QWidget *>(QStringLiteral("Bocca")), Qt::LeftButton);

    QCOMPARE(banco.finti.registro.voci, registro);
    if (nuovaVelocita)
        QCOMPARE(banco.motore->velocita, nuovaVelocita);
    // A greeting in progress is stopped before the preview starts.
    QVERIFY(!parlato.isEmpty());
    QCOMPARE(parlato.last().at(0).toBool(), true);
    if (salutoInCorso)
        QCOMPARE(parlato.first().at(0).toBool(), false);
}

void TestForm10::leavingKeepsTheChoicesForTheMenu_data()
{
    QTest::addColumn<bool>("conBottone");
    QTest::newRow("conferma") << true;
    QTest::newRow("Esci menu") << false;
}

void TestForm10::leavingKeepsTheChoicesForTheMenu()
{
    QFETCH(bool, conBottone);

    BancoVoce banco;
    QPointer<Form10> form = banco.apri();
    QVERIFY(form);
    lista(form)->setCurrentIndex(2);
    QTest::keyClick(barra(form), Qt::Key_End);
    QTest::keyClick(barra(form), Qt::Key_PageDown);
    banco.finti.registro.svuota();

    if (conBottone)
        QTest::mouseClick(form->findChild<QAbstractButton *>(QStringLiteral("BottoneEsci")), Qt::LeftButton);
    else
        form->findChild<QAction *>(QStringLiteral("mnuEsci"))->trigger();

    QVERIFY(form->congedata());
    QTRY_VERIFY(!form);
    // The screen's own engine goes with it.
    QVERIFY(!banco.motore);
    QTRY_VERIFY(unicaVisibile<FormMenu>());
    QCOMPARE(int(banco.finti.stato.NumeroVoce), 3);
    QCOMPARE(int(banco.finti.stato.VelocitaVoce), 190);

    // The new menu hands both to the program-wide engine, the voice first, so
    // the next exercise speaks with them.
    const QStringList &registro = banco.finti.registro.voci;
    QTRY_VERIFY(registro.contains(QStringLiteral("rate 190")));
    const int voce = registro.indexOf(QStringLiteral("voice 3"));
    QVERIFY2(voce >= 0 && voce < registro.indexOf(QStringLiteral("rate 190")), qPrintable(registro.join(u'|')));
    QCOMPARE(static_cast<MotoreFinto &>(banco.finti.voce.motore()).velocita, 190);
}

namespace {

// Message boxes whose OK arrives after the user has already left the screen,
// as an event handled inside the box's own loop would do it.
class DialoghiConUscita : public DialoghiFinti
{
public:
    using DialoghiFinti::DialoghiFinti;
    void avviso(QWidget *finestra, const QString &titolo, const QString &testo) override
    {
        DialoghiFinti::avviso(finestra, titolo, testo);
        if (auto *esci = finestra->findChild<QAction *>(QStringLiteral("mnuEsci")))
            esci->trigger();
    }
};

}

void TestForm10::leavingDuringTheRefusalMessageSpeaksNoGreeting()
{
    BancoVoce banco;
    DialoghiConUscita dialoghi(banco.finti.registro);
    Servizi servizi{banco.finti.stato,  banco.finti.casuale,  banco.finti.voce,
                    banco.finti.attesa, banco.finti.suoni,    dialoghi,
                    banco.finti.colore, banco.finti.documenti, banco.finti.servizi.creaLettore,
                    banco.finti.servizi.creaMotoreVoce, banco.finti.servizi.cartellaProgramma, banco.finti.chiusura};
    FabbricaSchermate navigatore(servizi);
    banco.rifiutate = {2};
    banco.finti.stato.NumeroVoce = 2;
    banco.finti.stato.VelocitaVoce = 70;

    QPointer<Form10> form = new Form10(servizi);
    form->show();
    QTRY_VERIFY(!form);

    QCOMPARE(banco.finti.registro.voci, (QStringList{"voice 2", Rifiuto}));
    QCOMPARE(int(banco.finti.stato.NumeroVoce), 1);
    QTRY_VERIFY(unicaVisibile<FormMenu>());
    // The menu uses these local services: it goes before them.
    chiudiFinestre();
}

void TestForm10::worksSilentlyWithoutAnEngine()
{
    BancoVoce banco;
    banco.finti.servizi.creaMotoreVoce = [] { return std::unique_ptr<SpeechEngine>(); };
    banco.finti.stato.NumeroVoce = 2;
    banco.finti.stato.VelocitaVoce = 150;
    QPointer<Form10> form = banco.apri();
    QVERIFY(form);

    QCOMPARE(lista(form)->count(), 0);
    QCOMPARE(velocita(form)->text(), QStringLiteral("Velocità =  150"));
    QTest::mouseClick(form->findChild<QWidget *>(QStringLiteral("Bocca")), Qt::LeftButton);
    QTest::keyClick(barra(form), Qt::Key_Home);
    QCOMPARE(int(banco.finti.stato.VelocitaVoce), 70);
    QCOMPARE(int(banco.finti.stato.NumeroVoce), 2);
    QCOMPARE(banco.finti.registro.voci, QStringList{});
}

QTEST_MAIN(TestForm10)
#include "tst_form10.moc"
