#include "BancoSchermate.h"
#include "config/Form10.h"
#include "config/FormConfigura.h"
#include "core/Colori.h"
#include "shell/FormMenu.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QRadioButton>

namespace {

void clicca(QWidget *controllo)
{
    QTest::mouseClick(controllo, Qt::LeftButton, {}, QPoint(10, controllo->height() / 2));
}

// The input-mode screen: the stored mode and speed, a mode then chosen (-1:
// none), whether the bar and the pointer box show, the speed after, its text.
struct Modo {
    int prima, velocita, scelta;
    bool barra, casella;
    int velocitaDopo;
    QString testo;
};

// The voice screen: how many voices the engine has (-1: no engine) and those it
// refuses, the stored voice and rate, one chosen later (-1: none), the engine's
// log, the voice and rate after.
struct CasoVoce {
    int voci;
    QVector<int> rifiutate;
    int numero, velocita, scelta;
    QStringList registro;
    int numeroDopo, velocitaDopo;
};

const QString Saluto = QStringLiteral("speak Clicca sulla bocca per ascoltare la voce impostata.");
const QString Rifiuto = QStringLiteral("avviso Calcolotti: non posso selezionare questa voce");

}

Q_DECLARE_METATYPE(Modo)
Q_DECLARE_METATYPE(CasoVoce)

// The input-mode screen and the voice screen.
class TestConfigurazione : public QObject
{
    Q_OBJECT

private slots:
    void modalita_data()
    {
        QTest::addColumn<Modo>("m");
        const QString s1 = QStringLiteral("Velocità scansione: 1,00 secondi"), s2 = QStringLiteral("Velocità scansione: 2,50 secondi");
        QTest::newRow("mouse shows only the pointer box") << Modo{0, 9, -1, false, true, 9, s1};
        QTest::newRow("automatic scanning shows the speed") << Modo{2, 23, -1, true, false, 23, "Velocità scansione: 5,75 secondi"};
        QTest::newRow("an unknown mode selects nothing") << Modo{7, 9, -1, true, true, 9, s1};
        QTest::newRow("above the bar: 15 s") << Modo{2, 200, -1, true, false, 60, "Velocità scansione: 15,00 secondi"};
        QTest::newRow("a quick step set with F8 is kept") << Modo{2, 2, -1, true, false, 2, "Velocità scansione: 0,50 secondi"};
        QTest::newRow("zero or less: a quarter second") << Modo{2, -3, -1, true, false, 1, "Velocità scansione: 0,25 secondi"};
        QTest::newRow("mouse to automatic") << Modo{0, 10, 2, true, false, 10, s2};
        QTest::newRow("automatic to mouse") << Modo{2, 10, 0, false, true, 10, s2};
        QTest::newRow("unknown to keyboard: both hidden") << Modo{9, 10, 3, false, false, 10, s1};
    }

    void modalita()
    {
        QFETCH(Modo, m);
        Banco banco;
        StatoProgramma &stato = banco.finti.stato;
        stato.ModalitaInput = int16_t(m.prima);
        stato.VelocitaScansione = int16_t(m.velocita);
        stato.DisabilitaMousePersonalizzato = true;
        auto *form = new FormConfigura(banco.finti.servizi);
        QVERIFY(mostraEAttiva(form));
        if (m.scelta >= 0)
            clicca(form->findChild<QWidget *>(QStringLiteral("Option4_%1").arg(m.scelta)));
        const int modo = m.scelta >= 0 ? m.scelta : m.prima;
        for (int i = 0; i < 4; ++i)  // none for an unknown mode
            QCOMPARE(form->findChild<QRadioButton *>(QStringLiteral("Option4_%1").arg(i))->isChecked(), i == modo);
        QVERIFY(stato.ModalitaInput == modo && stato.VelocitaScansione == m.velocitaDopo);
        auto *testo = form->findChild<QLabel *>("Label7");
        QVERIFY(form->findChild<QWidget *>("HScroll3")->isVisible() == m.barra && testo->isVisible() == m.barra);
        QCOMPARE(testo->text(), m.testo);
        auto *casella = form->findChild<QCheckBox *>("CheckDisabilitaMousePersonalizzato");
        QVERIFY(casella->isVisible() == m.casella && casella->isChecked());
        if (m.casella)
            clicca(casella);
        QCOMPARE(stato.DisabilitaMousePersonalizzato, !m.casella);
    }

    void colore_data()
    {
        QTest::addColumn<double>("salvato");
        QTest::addColumn<QList<bool>>("conferme");  // one per opening: `primo` is picked first, then dark
        QTest::addColumn<QColor>("primo");
        QTest::addColumn<QColor>("atteso");
        const QColor verde(0, 100, 0);
        QTest::newRow("stored in BGR order") << double(0xFF0000) << QList<bool>{} << verde << QColor(0, 0, 255);
        QTest::newRow("a fraction rounds to the nearest colour") << 65279.6 << QList<bool>{} << verde << QColor(0, 255, 0);
        QTest::newRow("OK then cancel keeps the first pick") << 255.0 << QList<bool>{true, false} << verde << verde;
        QTest::newRow("cancel twice keeps the stored colour") << double(0x30A0C0) << QList<bool>{false, false} << verde << QColor(0xC0, 0xA0, 0x30);
        QTest::newRow("a grey like the buttons' is refused") << 255.0 << QList<bool>{true} << QColor(200, 200, 200) << QColor(255, 0, 0);
    }

    void colore()
    {
        QFETCH(double, salvato);
        QFETCH(QList<bool>, conferme);
        QFETCH(QColor, primo);
        QFETCH(QColor, atteso);
        Banco banco;
        banco.finti.stato.ColoreScansione = salvato;
        auto *form = new FormConfigura(banco.finti.servizi);
        QVERIFY(mostraEAttiva(form));
        for (int i = 0; i < conferme.size(); ++i) {
            banco.finti.colore.conferma = conferme[i];
            banco.finti.colore.colore = i == 0 ? primo : QColor(10, 20, 30);
            QTest::mouseClick(form->findChild<QWidget *>("Command1"), Qt::LeftButton);
        }
        QCOMPARE(coloreFaccia(form->findChild<QPushButton *>("Command1")), atteso);
        QCOMPARE(banco.finti.stato.ColoreScansione, conferme.contains(true) ? double(Colori::aBGR(atteso)) : salvato);
        const bool rifiutato = conferme.value(0) && atteso != primo;  // and the adult is told why
        QCOMPARE(banco.finti.registro.voci.filter(QStringLiteral("avviso")).size(), int(rifiutato));
    }

    void voce_data()
    {
        QTest::addColumn<CasoVoce>("v");
        QTest::newRow("the stored voice and rate, then the greeting")
            << CasoVoce{3, {}, 2, 135, -1, {"voice 2", "rate 135", "voice 2", "op62 0", "stop", Saluto}, 2, 135};
        QTest::newRow("a refused stored voice: message, back to 1") << CasoVoce{3, {3}, 3, 70, -1, {"voice 3", Rifiuto, "stop", Saluto}, 1, 70};
        QTest::newRow("a rate above the bar: 200") << CasoVoce{3, {}, 0, 250, -1, {"voice 0", "rate 200", "stop", Saluto}, 0, 200};
        QTest::newRow("no engine: silent, voice kept") << CasoVoce{-1, {}, 2, 20, -1, {}, 2, 70};
        QTest::newRow("choosing an accepted voice") << CasoVoce{3, {}, 1, 70, 2, {"voice 3", "op62 0"}, 3, 70};
        QTest::newRow("choosing a refused voice") << CasoVoce{3, {2}, 1, 70, 1, {"voice 2", Rifiuto}, 1, 70};
    }

    void voce()
    {
        QFETCH(CasoVoce, v);
        Banco banco;
        banco.finti.servizi.creaMotoreVoce = [&] {
            auto motore = std::make_unique<MotoreFinto>(&banco.finti.registro);
            motore->nomi = QStringList{"uno", "due", "tre"}.mid(0, v.voci);
            motore->rifiutate = v.rifiutate;
            return std::unique_ptr<SpeechEngine>(v.voci < 0 ? nullptr : motore.release());
        };
        banco.finti.stato.NumeroVoce = int16_t(v.numero);
        banco.finti.stato.VelocitaVoce = int16_t(v.velocita);
        auto *form = new Form10(banco.finti.servizi);
        QVERIFY(mostraEAttiva(form));
        QCOMPARE(form->findChild<QComboBox *>("Combo1")->count(), std::max(v.voci, 0));
        if (v.scelta >= 0) {
            banco.finti.registro.svuota();
            form->findChild<QComboBox *>("Combo1")->setCurrentIndex(v.scelta);
        }
        QCOMPARE(banco.finti.registro.voci, v.registro);
        QVERIFY(banco.finti.stato.NumeroVoce == v.numeroDopo && banco.finti.stato.VelocitaVoce == v.velocitaDopo);
        QCOMPARE(form->findChild<QLabel *>("Label2")->text(), QStringLiteral("Velocità =  %1").arg(v.velocitaDopo));
    }

    void uscita_data()
    {
        QTest::addColumn<int>("schermata");
        QTest::addColumn<QString>("come");
        // Command1: an event handled while the colour chooser is open leaves the screen.
        for (const char *come : {"mnuEsci", "cornice", "Command1"})
            QTest::addRow("input mode: %s", come) << int(IdSchermata::Configura) << come;
        for (const char *come : {"mnuEsci", "cornice", "BottoneEsci"})
            QTest::addRow("voice: %s", come) << int(IdSchermata::Voce) << come;
    }

    void uscita()
    {
        QFETCH(int, schermata);
        QFETCH(QString, come);
        Banco banco;
        const bool voce = schermata == int(IdSchermata::Voce);
        QPointer<Schermata> form = banco.navigatore.crea(IdSchermata(schermata));
        QVERIFY(mostraEAttiva(form));
        QTest::keyClick(form->findChild<QWidget *>(voce ? "HScroll2" : "HScroll3"), Qt::Key_End);
        if (voce)
            form->findChild<QComboBox *>("Combo1")->setCurrentIndex(1);
        else
            clicca(form->findChild<QWidget *>("Option4_2"));
        banco.finti.registro.svuota();
        banco.finti.colore.durante = [](QWidget *finestra) {
            finestra->findChild<QAction *>("mnuEsci")->trigger();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        };
        if (come == QLatin1String("cornice"))
            form->close();
        else if (auto *azione = form->findChild<QAction *>(come))
            azione->trigger();
        else
            QTest::mouseClick(form->findChild<QWidget *>(come), Qt::LeftButton);
        QTRY_VERIFY(!form && visibile<FormMenu>());
        // The changes stay for the menu; only its "Esci" saves.
        const StatoProgramma &s = banco.finti.stato;
        QVERIFY(voce ? s.NumeroVoce == 2 && s.VelocitaVoce == 200 : s.ModalitaInput == 2 && s.VelocitaScansione == 60);
        QVERIFY(s.ColoreScansione == 255.0 && banco.finti.salvataggi == 0);
    }
};

QTEST_MAIN(TestConfigurazione)
#include "tst_configurazione.moc"
