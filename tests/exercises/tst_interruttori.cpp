#include "BancoSchermate.h"
#include "exercises/FormEsercizio.h"
#include "input/ConfermaScansione.h"
#include "shell/FormMenu.h"

#include <QLabel>
#include <QtTest>

// A child with one switch (automatic scanning, Space only) or two switches
// (Space moves, Enter chooses) plays whole levels and goes back, on a clock
// that moves only when the test says: everything a mouse user can do.
namespace {

double estrai(int k, int n) { return (k + 0.5) / n; }

QStringList righe;
QtMessageHandler precedente = nullptr;

void registra(QtMsgType tipo, const QMessageLogContext &contesto, const QString &testo)
{
    if (QByteArray(contesto.category).startsWith("calcolotti."))
        righe << QString::fromLatin1(contesto.category) + QLatin1Char(' ') + testo;
    else if (precedente)
        precedente(tipo, contesto, testo);
}

}

class TestInterruttori : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void unLivelloEIndietro_data();
    void unLivelloEIndietro();
    void ilLivelloMistoCambiaAncheDaInterruttore();

private:
    // Lights `scelta` the way the mode does, and chooses it.
    void scegli(Banco &b, QWidget *scelta);
    ControlloreInput *controllo() const;
    void rispondi(Banco &b, FormEsercizio *s, bool primaSbagliata);
    int m_modo = 0;
};

void TestInterruttori::initTestCase()
{
    QLoggingCategory::setFilterRules(QStringLiteral("calcolotti.*=true"));
    precedente = qInstallMessageHandler(registra);
}

ControlloreInput *TestInterruttori::controllo() const
{
    QWidget *w = visibile();
    if (auto *menu = qobject_cast<FormMenu *>(w))
        return menu->conferma() ? &menu->conferma()->controllo() : &menu->controllo();
    if (auto *e = qobject_cast<FormEsercizio *>(w))
        return e->conferma() ? &e->conferma()->controllo() : &e->controllo();
    return nullptr;
}

void TestInterruttori::scegli(Banco &b, QWidget *scelta)
{
    QVERIFY(scelta);
    for (int i = 0; i < 1000 && controllo()->evidenziata() != scelta; ++i) {
        if (m_modo == Modalita::ScansioneAutomatica)
            b.passa(50);
        else
            b.premi(Qt::Key_Space);
    }
    QCOMPARE(controllo()->evidenziata(), scelta);
    // Assistive technology is told where the highlight stands.
    QCOMPARE(QApplication::focusWidget(), scelta);
    // A child sees what is lit before pressing; sooner would be a bounce.
    b.passa(b.finti.stato.Scansione.pausaDopoSceltaMs);
    b.premi(m_modo == Modalita::ScansioneAutomatica ? Qt::Key_Space : Qt::Key_Return);
}

void TestInterruttori::rispondi(Banco &b, FormEsercizio *s, bool primaSbagliata)
{
    auto bottone = [s](int scelta) {
        const bool segno = s->modello().gruppo() == Esercizi::Gruppo::Segni;
        return s->findChild<QPushButton *>(QStringLiteral("Command%1_%2").arg(segno ? 2 : 1).arg(scelta));
    };
    for (int passi = 0; !s->modello().completo() && passi < 8; ++passi) {
        const int giusta = s->modello().rispostaGiusta();
        const int errati = b.finti.stato.Errati;
        if (primaSbagliata) {
            const int sbagliata = s->modello().gruppo() == Esercizi::Gruppo::Segni ? (giusta + 1) % 3
                                                                                  : (giusta + 1) % 11;
            scegli(b, bottone(sbagliata));
            QCOMPARE(int(b.finti.stato.Errati), errati + 1);
            QVERIFY(FormEsercizio::segnatoSbagliato(bottone(sbagliata)));
        }
        const int esatti = b.finti.stato.Esatti;
        scegli(b, bottone(giusta));
        QCOMPARE(int(b.finti.stato.Esatti), esatti + 1);
    }
    QVERIFY(s->modello().completo());
}

void TestInterruttori::unLivelloEIndietro_data()
{
    QTest::addColumn<int>("modo");
    QTest::newRow("one switch") << int(Modalita::ScansioneAutomatica);
    QTest::newRow("two switches") << int(Modalita::ScansioneManuale);
}

void TestInterruttori::unLivelloEIndietro()
{
    QFETCH(int, modo);
    m_modo = modo;
    righe.clear();
    Banco b;
    b.finti.stato.ModalitaInput = int16_t(modo);
    b.finti.stato.ColoreScansione = 0x00FF00;
    // Subtraction 7 - 3 = 4, then addition 2 + 5 = 7.
    b.finti.casuale.imposta({estrai(5, 9), estrai(1, 3), estrai(3, 8), estrai(4, 23),
                             estrai(5, 9), estrai(1, 3), estrai(5, 8), estrai(2, 30), estrai(0, 2)});
    QVERIFY(mostraEAttiva(b.navigatore.crea(IdSchermata::Menu)));

    // While the first question is spoken, nothing is lit and presses are not answers.
    QPointer<QWidget> accesaDuranteLaDomanda;
    bool domandaSentita = false;
    b.finti.voce.durante = [&](const QString &) {
        if (domandaSentita)
            return;
        domandaSentita = true;
        accesaDuranteLaDomanda = controllo()->evidenziata();
        b.premi(modo == Modalita::ScansioneAutomatica ? Qt::Key_Space : Qt::Key_Return);
    };
    auto *menu = qobject_cast<FormMenu *>(visibile());
    scegli(b, menu->Label1(3));  // "Sottrazione - 1°"
    auto *s = qobject_cast<FormEsercizio *>(visibile());
    QVERIFY(s);
    QCOMPARE(s->accessibleName(), QStringLiteral("Calcolotti – Sottrazione - 1°"));
    QVERIFY(domandaSentita);
    QVERIFY(!accesaDuranteLaDomanda);
    QCOMPARE(b.finti.stato.Errati + b.finti.stato.Esatti, 0);
    QVERIFY(righe.filter(QStringLiteral("ignored: the program is speaking")).size() >= 1);
    b.finti.voce.durante = nullptr;
    QCOMPARE(controllo()->evidenziata(), s->findChild<QWidget *>(QStringLiteral("Command1_0")));

    // "ripeti" says the question again and scores nothing.
    b.finti.registro.svuota();
    scegli(b, s->findChild<QWidget *>(QStringLiteral("ripeti")));
    QCOMPARE(b.finti.registro.voci.filter(QStringLiteral("Parla ")).value(0),
             QStringLiteral("Parla ") + s->findChild<QLabel *>(QStringLiteral("Label1"))->text());
    QCOMPARE(b.finti.stato.Errati + b.finti.stato.Esatti, 0);

    rispondi(b, s, true);
    QCOMPARE(b.finti.stato.Esatti, int16_t(8));
    QCOMPARE(b.finti.stato.Errati, int16_t(8));
    QCOMPARE(s->findChild<QLabel *>(QStringLiteral("Label8"))->text(), QStringLiteral(" 7 - 3 = 4"));
    QCOMPARE(righe.filter(QRegularExpression(QStringLiteral("^calcolotti.esercizio \\d+ Form4 step \\d+ answer"))).size(), 16);

    // "menù", then "No": the exercise goes on where it was.
    scegli(b, s->findChild<QWidget *>(QStringLiteral("menu")));
    QVERIFY(s->conferma());
    QCOMPARE(controllo()->evidenziata(), s->conferma()->no());
    scegli(b, s->conferma()->no());
    QCOMPARE(visibile(), s);
    QVERIFY(!s->conferma() || s->conferma()->isHidden());
    QVERIFY(s->modello().completo());

    // "avanti" draws the next exercise; then "menù", "Sì" goes back to a fresh menu.
    scegli(b, s->findChild<QWidget *>(QStringLiteral("Command3")));
    QCOMPARE(s->modello().PassoCorrente(), int16_t(Esercizi::Passo::Totale));
    scegli(b, s->findChild<QWidget *>(QStringLiteral("menu")));
    scegli(b, s->conferma()->si());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    menu = qobject_cast<FormMenu *>(visibile());
    QVERIFY(menu);

    // An addition level, then "Esci", "Sì": the settings are saved and the program ends.
    b.finti.casuale.imposta({estrai(5, 9), estrai(1, 3), estrai(5, 8), estrai(2, 30), estrai(0, 2)});
    scegli(b, menu->Label1(0));
    s = qobject_cast<FormEsercizio *>(visibile());
    QVERIFY(s);
    rispondi(b, s, false);
    QCOMPARE(s->findChild<QLabel *>(QStringLiteral("Label8"))->text(), QStringLiteral(" 2 + 5 = 7"));
    scegli(b, s->findChild<QWidget *>(QStringLiteral("menu")));
    scegli(b, s->conferma()->si());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    menu = qobject_cast<FormMenu *>(visibile());
    QVERIFY(menu);
    scegli(b, menu->Label1(FormMenu::VoceEsci));
    QCOMPARE(b.finti.terminazioni, 0);  // asked first, "No" lit
    QCOMPARE(controllo()->evidenziata(), menu->conferma()->no());
    scegli(b, menu->conferma()->si());
    QCOMPARE(b.finti.salvataggi, 1);
    QCOMPARE(b.finti.terminazioni, 1);
    QVERIFY(righe.filter(QStringLiteral("calcolotti.input")).filter(QStringLiteral("highlight Torna al menù")).size() >= 1);
}

void TestInterruttori::ilLivelloMistoCambiaAncheDaInterruttore()
{
    m_modo = Modalita::ScansioneAutomatica;
    Banco b;
    b.finti.stato.ModalitaInput = Modalita::ScansioneAutomatica;
    // Form6 (addition) starts; after its exercise the turn draw gives 1: Form7.
    b.finti.casuale.imposta({estrai(0, 2), estrai(5, 9), estrai(1, 3), estrai(5, 8), estrai(2, 30), estrai(0, 2),
                             estrai(1, 2), estrai(5, 9), estrai(1, 3), estrai(3, 8), estrai(4, 23)});
    QVERIFY(mostraEAttiva(b.navigatore.crea(IdSchermata::Menu)));
    scegli(b, qobject_cast<FormMenu *>(visibile())->Label1(5));
    auto *s = qobject_cast<FormEsercizio *>(visibile());
    QCOMPARE(s->numero(), 6);
    rispondi(b, s, false);
    QSignalSpy attivata(s->partner(), &Schermata::attivata);
    scegli(b, s->findChild<QWidget *>(QStringLiteral("Command3")));
    QVERIFY(attivata.count() == 1 || attivata.wait(2000));
    QCOMPARE(qobject_cast<FormEsercizio *>(visibile())->numero(), 7);
}

QTEST_MAIN(TestInterruttori)
#include "tst_interruttori.moc"
