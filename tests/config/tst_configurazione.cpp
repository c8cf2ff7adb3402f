#include "BancoSchermate.h"
#include "config/Form10.h"
#include "config/FormConfigura.h"
#include "core/Colori.h"
#include "shell/FormMenu.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLocale>
#include <QRadioButton>
#include <QScrollBar>

// The input-mode screen and the voice screen.
class TestConfigurazione : public QObject
{
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale::c()); }
    void modalita_data();
    void modalita();
    void velocitaNelLocale_data();
    void velocitaNelLocale();
    void colore_data();
    void colore();
    void voce_data();
    void voce();
    void uscita_data();
    void uscita();
    void uscitaDuranteUnaFinestraModale_data();
    void uscitaDuranteUnaFinestraModale();
};

namespace {

template <typename T = QWidget>
T *figlio(QWidget *schermata, const char *nome)
{
    return schermata->findChild<T *>(QString::fromLatin1(nome));
}

int opzioneScelta(QWidget *form)
{
    int scelta = -1;
    for (int i = 0; i < 4; ++i)
        if (form->findChild<QRadioButton *>(QStringLiteral("Option4_%1").arg(i))->isChecked())
            scelta = scelta == -1 ? i : -2;
    return scelta;
}

void clicca(QWidget *controllo)
{
    QTest::mouseClick(controllo, Qt::LeftButton, {}, QPoint(10, controllo->height() / 2));
}

}

void TestConfigurazione::modalita_data()
{
    QTest::addColumn<int>("prima");
    QTest::addColumn<int>("scelta");  // -1: none, as opened
    QTest::addColumn<int>("velocita");
    QTest::addColumn<bool>("barra");
    QTest::addColumn<bool>("casella");
    QTest::addColumn<int>("opzione");
    QTest::addColumn<int>("velocitaDopo");
    QTest::addColumn<QString>("testo");
    const QString unSecondo = QStringLiteral("Velocità scansione: 1.00 secondi");
    QTest::newRow("mouse shows only the pointer box") << 0 << -1 << 9 << false << true << 0 << 9 << unSecondo;
    QTest::newRow("keyboard hides both") << 3 << -1 << 9 << false << false << 3 << 9 << unSecondo;
    QTest::newRow("automatic scanning shows the stored speed")
        << 2 << -1 << 23 << true << false << 2 << 23 << "Velocità scansione: 5.75 secondi";
    QTest::newRow("an unknown mode selects nothing") << 7 << -1 << 9 << true << true << -1 << 9 << unSecondo;
    QTest::newRow("a speed above the bar is brought to 15 s")
        << 2 << -1 << 200 << true << false << 2 << 60 << "Velocità scansione: 15.00 secondi";
    QTest::newRow("a speed below the bar is brought to 1 s") << 2 << -1 << 2 << true << false << 2 << 4 << unSecondo;
    QTest::newRow("mouse to automatic") << 0 << 2 << 10 << true << false << 2 << 10 << "Velocità scansione: 2.50 secondi";
    QTest::newRow("automatic to mouse") << 2 << 0 << 10 << false << true << 0 << 10 << "Velocità scansione: 2.50 secondi";
    QTest::newRow("unknown to manual") << 9 << 1 << 10 << false << false << 1 << 10 << unSecondo;
}

void TestConfigurazione::modalita()
{
    QFETCH(int, prima);
    QFETCH(int, scelta);
    QFETCH(int, velocita);
    QFETCH(bool, barra);
    QFETCH(bool, casella);
    QFETCH(int, opzione);
    QFETCH(int, velocitaDopo);
    QFETCH(QString, testo);
    Banco banco;
    StatoProgramma &stato = banco.finti.stato;
    stato.ModalitaInput = int16_t(prima);
    stato.VelocitaScansione = int16_t(velocita);
    stato.DisabilitaMousePersonalizzato = true;
    auto *form = new FormConfigura(banco.finti.servizi);
    QVERIFY(mostraEAttiva(form));
    if (scelta >= 0)
        clicca(figlio(form, qPrintable(QStringLiteral("Option4_%1").arg(scelta))));

    QCOMPARE(figlio(form, "HScroll3")->isVisible(), barra);
    QCOMPARE(figlio(form, "Label7")->isVisible(), barra);
    QCOMPARE(figlio<QLabel>(form, "Label7")->text(), testo);
    QCOMPARE(figlio(form, "CheckDisabilitaMousePersonalizzato")->isVisible(), casella);
    QCOMPARE(opzioneScelta(form), opzione);
    QCOMPARE(int(stato.ModalitaInput), scelta >= 0 ? scelta : prima);
    QCOMPARE(int(stato.VelocitaScansione), velocitaDopo);
    QVERIFY(stato.DisabilitaMousePersonalizzato);
    // The pointer box sets the flag and clears it again.
    auto *box = figlio<QCheckBox>(form, "CheckDisabilitaMousePersonalizzato");
    if (casella) {
        clicca(box);
        QVERIFY(!stato.DisabilitaMousePersonalizzato && !box->isChecked());
    }
}

void TestConfigurazione::velocitaNelLocale_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<int>("partenza");
    QTest::addColumn<int>("tasto");
    QTest::addColumn<int>("velocita");
    QTest::addColumn<QString>("testo");
    QTest::newRow("Italian, left end") << "it_IT" << 30 << int(Qt::Key_Home) << 4 << "Velocità scansione: 1,00 secondi";
    QTest::newRow("C, right end") << "C" << 30 << int(Qt::Key_End) << 60 << "Velocità scansione: 15.00 secondi";
    QTest::newRow("German, a page is a second") << "de_DE" << 9 << int(Qt::Key_PageUp) << 13
                                                << "Velocità scansione: 3,25 secondi";
}

void TestConfigurazione::velocitaNelLocale()
{
    QFETCH(QString, locale);
    QFETCH(int, partenza);
    QFETCH(int, tasto);
    QFETCH(int, velocita);
    QFETCH(QString, testo);
    QLocale::setDefault(QLocale(locale));
    Banco banco;
    banco.finti.stato.ModalitaInput = Modalita::ScansioneAutomatica;
    banco.finti.stato.VelocitaScansione = int16_t(partenza);
    auto *form = new FormConfigura(banco.finti.servizi);
    QVERIFY(mostraEAttiva(form));
    QTest::keyClick(figlio(form, "HScroll3"), Qt::Key(tasto));
    QCOMPARE(int(banco.finti.stato.VelocitaScansione), velocita);
    QCOMPARE(figlio<QLabel>(form, "Label7")->text(), testo);
}

void TestConfigurazione::colore_data()
{
    QTest::addColumn<double>("salvato");
    QTest::addColumn<QList<bool>>("conferme");  // one per opening of the chooser
    QTest::addColumn<QColor>("atteso");
    const QColor verde(0, 200, 0), scuro(10, 20, 30);  // the first pick, then the second
    QTest::newRow("the default shows red") << 255.0 << QList<bool>{} << QColor(255, 0, 0);
    QTest::newRow("stored in BGR order") << double(0xFF0000) << QList<bool>{} << QColor(0, 0, 255);
    QTest::newRow("a fraction rounds to the nearest colour") << 65279.6 << QList<bool>{} << QColor(0, 255, 0);
    QTest::newRow("OK then cancel keeps the first pick") << 255.0 << QList<bool>{true, false} << verde;
    QTest::newRow("cancel twice keeps the stored colour") << double(0x30A0C0) << QList<bool>{false, false}
                                                          << QColor(0xC0, 0xA0, 0x30);
    QTest::newRow("cancel then OK takes the pick") << 255.0 << QList<bool>{false, true} << scuro;
}

void TestConfigurazione::colore()
{
    QFETCH(double, salvato);
    QFETCH(QList<bool>, conferme);
    QFETCH(QColor, atteso);
    Banco banco;
    banco.finti.stato.ColoreScansione = salvato;
    auto *form = new FormConfigura(banco.finti.servizi);
    QVERIFY(mostraEAttiva(form));
    auto *bottone = figlio<QPushButton>(form, "Command1");
    const QColor scelte[] = {QColor(0, 200, 0), QColor(10, 20, 30)};
    for (int i = 0; i < conferme.size(); ++i) {
        banco.finti.colore.conferma = conferme[i];
        banco.finti.colore.colore = scelte[i];
        QTest::mouseClick(bottone, Qt::LeftButton);
    }
    QCOMPARE(coloreFaccia(bottone), atteso);
    QCOMPARE(banco.finti.stato.ColoreScansione, conferme.contains(true) ? double(Colori::aBGR(atteso)) : salvato);
}

void TestConfigurazione::voce_data()
{
    QTest::addColumn<int>("voci");          // the engine offers "Voce 1" ..; -1: no engine at all
    QTest::addColumn<QList<int>>("rifiutate");
    QTest::addColumn<int>("numeroVoce");
    QTest::addColumn<int>("velocitaVoce");
    QTest::addColumn<int>("scelta");        // a later choice in the list, or -1
    QTest::addColumn<QStringList>("registro");
    QTest::addColumn<int>("numeroDopo");
    QTest::addColumn<int>("velocitaDopo");
    const QString saluto = QStringLiteral("speak Clicca sulla bocca per ascoltare la voce impostata.");
    const QString rifiuto = QStringLiteral("avviso Calcolotti: non posso selezionare questa voce");
    QTest::newRow("the stored voice and rate, then the greeting")
        << 3 << QList<int>{} << 2 << 135 << -1 << QStringList{"voice 2", "rate 135", "voice 2", "op62 0", "stop", saluto} << 2 << 135;
    QTest::newRow("a voice beyond the list: none selected, number kept")
        << 3 << QList<int>{} << 5 << 70 << -1 << QStringList{"stop", saluto} << 5 << 70;
    QTest::newRow("a refused stored voice: message and back to 1")
        << 3 << QList<int>{3} << 3 << 70 << -1 << QStringList{"voice 3", rifiuto, "stop", saluto} << 1 << 70;
    QTest::newRow("a rate above the bar is brought to 200")
        << 3 << QList<int>{} << 0 << 250 << -1 << QStringList{"voice 0", "rate 200", "stop", saluto} << 0 << 200;
    QTest::newRow("no engine: silent, number kept") << -1 << QList<int>{} << 2 << 20 << -1 << QStringList{} << 2 << 70;
    QTest::newRow("choosing an accepted voice") << 3 << QList<int>{} << 1 << 70 << 2
                                                << QStringList{"voice 3", "op62 0"} << 3 << 70;
    QTest::newRow("choosing a refused voice") << 3 << QList<int>{2} << 1 << 70 << 1
                                              << QStringList{"voice 2", rifiuto} << 1 << 70;
}

void TestConfigurazione::voce()
{
    QFETCH(int, voci);
    QFETCH(QList<int>, rifiutate);
    QFETCH(int, numeroVoce);
    QFETCH(int, velocitaVoce);
    QFETCH(int, scelta);
    QFETCH(QStringList, registro);
    QFETCH(int, numeroDopo);
    QFETCH(int, velocitaDopo);
    Banco banco;
    banco.finti.servizi.creaMotoreVoce = [&] {
        auto motore = std::make_unique<MotoreFinto>(&banco.finti.registro);
        motore->nomi.clear();
        for (int i = 1; i <= voci; ++i)
            motore->nomi << QStringLiteral("Voce %1").arg(i);
        motore->rifiutate = QVector<int>(rifiutate.begin(), rifiutate.end());
        return std::unique_ptr<SpeechEngine>(voci < 0 ? nullptr : motore.release());
    };
    banco.finti.stato.NumeroVoce = int16_t(numeroVoce);
    banco.finti.stato.VelocitaVoce = int16_t(velocitaVoce);
    auto *form = new Form10(banco.finti.servizi);
    QVERIFY(mostraEAttiva(form));
    auto *lista = figlio<QComboBox>(form, "Combo1");
    QCOMPARE(lista->count(), std::max(voci, 0));
    if (scelta >= 0) {
        banco.finti.registro.svuota();
        lista->setCurrentIndex(scelta);
    }
    QCOMPARE(banco.finti.registro.voci, registro);
    QCOMPARE(int(banco.finti.stato.NumeroVoce), numeroDopo);
    QCOMPARE(int(banco.finti.stato.VelocitaVoce), velocitaDopo);
    QCOMPARE(figlio<QLabel>(form, "Label2")->text(), QStringLiteral("Velocità =  %1").arg(velocitaDopo));
    // The bar moves the rate, voice first; the mouth cuts in with a preview.
    banco.finti.registro.svuota();
    const int passo = velocitaDopo < 200 ? 1 : -1;
    QTest::keyClick(figlio(form, "HScroll2"), passo > 0 ? Qt::Key_Right : Qt::Key_Left);
    QTest::mouseClick(figlio(form, "Bocca"), Qt::LeftButton);
    const QStringList dopo{QStringLiteral("voice %1").arg(numeroDopo), QStringLiteral("rate %1").arg(velocitaDopo + passo),
                           "stop", "speak Questa e' la voce che hai selezionato"};
    QCOMPARE(banco.finti.registro.voci, voci < 0 ? QStringList{} : dopo);
    QCOMPARE(int(banco.finti.stato.VelocitaVoce), velocitaDopo + passo);
}

void TestConfigurazione::uscita_data()
{
    QTest::addColumn<bool>("voce");  // else the input-mode screen
    QTest::addColumn<QString>("come");
    QTest::newRow("input mode: Esci") << false << "mnuEsci";
    QTest::newRow("input mode: close box") << false << "cornice";
    QTest::newRow("voice: conferma") << true << "BottoneEsci";
    QTest::newRow("voice: Esci") << true << "mnuEsci";
    QTest::newRow("voice: close box") << true << "cornice";
}

void TestConfigurazione::uscita()
{
    QFETCH(bool, voce);
    QFETCH(QString, come);
    Banco banco;
    QPointer<Schermata> form = banco.navigatore.crea(voce ? IdSchermata::Voce : IdSchermata::Configura);
    QVERIFY(mostraEAttiva(form));
    if (voce) {
        figlio<QComboBox>(form, "Combo1")->setCurrentIndex(1);
        QTest::keyClick(figlio(form, "HScroll2"), Qt::Key_End);
    } else {
        clicca(figlio(form, "Option4_2"));
        QTest::keyClick(figlio(form, "HScroll3"), Qt::Key_End);
        banco.finti.colore.colore = QColor(1, 2, 3);
        QTest::mouseClick(figlio(form, "Command1"), Qt::LeftButton);
    }
    banco.finti.registro.svuota();
    if (come == QLatin1String("cornice"))
        form->close();
    else if (come == QLatin1String("mnuEsci"))
        figlio<QAction>(form, "mnuEsci")->trigger();
    else
        QTest::mouseClick(figlio(form, "BottoneEsci"), Qt::LeftButton);

    QTRY_VERIFY(!form);
    QTRY_VERIFY(unicaVisibile<FormMenu>());
    const StatoProgramma &stato = banco.finti.stato;
    if (voce) {
        QCOMPARE(int(stato.NumeroVoce), 2);
        QCOMPARE(int(stato.VelocitaVoce), 200);
        // The new menu gives both to the program's engine, the voice first.
        const QStringList &registro = banco.finti.registro.voci;
        QTRY_VERIFY(registro.contains(QStringLiteral("rate 200")));
        QVERIFY(registro.indexOf(QStringLiteral("voice 2")) >= 0
                && registro.indexOf(QStringLiteral("voice 2")) < registro.indexOf(QStringLiteral("rate 200")));
    } else {
        QCOMPARE(int(stato.ModalitaInput), 2);
        QCOMPARE(int(stato.VelocitaScansione), 60);
        QCOMPARE(stato.ColoreScansione, double(0x030201));
    }
    // Only the menu's "Esci" saves.
    QCOMPARE(banco.finti.salvataggi, 0);
}

namespace {

// A chooser and message boxes whose answer comes after the user has already
// left the screen, as an event handled inside their own loop could make it.
struct Uscite : SceltaColore, DialoghiFinti {
    using DialoghiFinti::DialoghiFinti;
    static void esci(QWidget *finestra)
    {
        finestra->findChild<QAction *>(QStringLiteral("mnuEsci"))->trigger();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    bool ScegliColore(QWidget *finestra, QLabel *) override
    {
        esci(finestra);
        return true;
    }
    void avviso(QWidget *finestra, const QString &titolo, const QString &testo) override
    {
        DialoghiFinti::avviso(finestra, titolo, testo);
        esci(finestra);
    }
};

}

void TestConfigurazione::uscitaDuranteUnaFinestraModale_data()
{
    QTest::addColumn<bool>("voce");
    QTest::newRow("input mode: the colour chooser") << false;
    QTest::newRow("voice: the refusal of the stored voice") << true;
}

void TestConfigurazione::uscitaDuranteUnaFinestraModale()
{
    QFETCH(bool, voce);
    Banco banco;
    Uscite uscite(banco.finti.registro);
    ServiziFinti &f = banco.finti;
    const auto rifiutaLaDue = [&f] {
        auto motore = std::make_unique<MotoreFinto>(&f.registro);
        motore->rifiutate = {2};
        return std::unique_ptr<SpeechEngine>(std::move(motore));
    };
    Servizi servizi{f.stato, f.casuale, f.voce, f.attesa, f.suoni, uscite, uscite, f.documenti,
                    f.servizi.creaLettore, rifiutaLaDue, f.servizi.cartellaProgramma, f.chiusura};
    FabbricaSchermate navigatore(servizi);
    f.stato.NumeroVoce = 2;
    QPointer<Schermata> form = navigatore.crea(voce ? IdSchermata::Voce : IdSchermata::Configura);
    form->show();
    if (!voce) {
        QVERIFY(QTest::qWaitForWindowExposed(form));
        QTest::mouseClick(figlio(form, "Command1"), Qt::LeftButton);
    }
    QTRY_VERIFY(!form);
    QCOMPARE(f.stato.ColoreScansione, 255.0);
    QVERIFY(!f.registro.voci.contains(QStringLiteral("speak Clicca sulla bocca per ascoltare la voce impostata.")));
    QTRY_VERIFY(unicaVisibile<FormMenu>());
    chiudiFinestre();  // the menu uses these local services: it goes before them
}

QTEST_MAIN(TestConfigurazione)
#include "tst_configurazione.moc"
