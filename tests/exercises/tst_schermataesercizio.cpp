#include "BancoSchermate.h"
#include "core/Colori.h"
#include "exercises/FormEsercizio.h"
#include "shell/FormMenu.h"

#include <QAction>
#include <QLabel>

// What only the screen shows: the order of speech, pauses, sounds and clip
// operations, the hand-over, and a screen closed in the middle of a wait.
namespace {

// The fakes' log in short: P speech, Z pause, s/n sounds, M movie, B colour;
// clip operations by group letter: V shown, T35 shown dimmed, O40 opacity,
// G plays (any group), F frozen. Repeats of one token count once.
QString firma(const QStringList &voci)
{
    QStringList t;
    auto gruppo = [](const QString &clip) { return clip.mid(6, 1); };
    for (int i = 0; i < voci.size(); ++i) {
        const QStringList p = voci[i].split(QLatin1Char(' '));
        QString token;
        if (p[0] == QLatin1String("TSetProperty") && p[2] == QLatin1String("7")) {
            const bool tenue = voci.value(i + 1).startsWith(QStringLiteral("TSetProperty %1 6").arg(p[1]));
            token = (tenue ? QStringLiteral("T") + voci[i + 1].section(QLatin1Char(' '), 3) : QStringLiteral("V"))
                + gruppo(p[1]);
            i += tenue ? 2 : 1;  // the TStopPlay that freezes it
        } else if (p[0] == QLatin1String("TSetProperty")) {
            token = QStringLiteral("O") + p[3] + gruppo(p[1]);
        } else if (p[0] == QLatin1String("TPlay")) {
            token = QStringLiteral("G");
        } else if (p[0] == QLatin1String("TStopPlay")) {
            token = QStringLiteral("F") + gruppo(p[1]);
        } else {
            static const QHash<QString, QString> altri{{"Parla", "P"}, {"Pausa", "Z"}, {"SuonoSi", "s"},
                                                      {"SuonoNo", "n"}, {"Movie", "M"}, {"BGColor", "B"}};
            token = altri.value(p[0]);
        }
        if (!token.isEmpty() && t.value(t.size() - 1) != token)
            t << token;
    }
    return t.join(QLatin1Char(' '));
}

struct Schermo {
    Banco b;
    QPointer<FormEsercizio> s;
    Schermo(int numero, int ordine = 0, int16_t modo = Modalita::Mouse)
    {
        b.finti.stato.ModalitaInput = modo;
        // 7 objects, 3 acting (subtraction) or 4 + 3 (addition), scene 1.
        b.finti.casuale.imposta(estrazioni(7, 3, Esercizi::descrizione(numero).famiglia == Catalogo::Famiglia::Addizione, ordine));
        s = b.navigatore.creaEsercizio(numero);
    }
    QStringList &log() { return b.finti.registro.voci; }
    void rispondiGiusto()
    {
        b.passa(b.finti.stato.Scansione.pausaDopoSceltaMs);  // a click sooner would be a double click
        const int giusta = s->modello().rispostaGiusta();
        if (s->modello().gruppo() == Esercizi::Gruppo::Segni)
            s->Command2_Click(giusta);
        else
            s->Command1_Click(giusta);
    }
};

}

class TestSchermataEsercizio : public QObject
{
    Q_OBJECT
private slots:
    void ogniSchermataNelSuoOrdine_data();
    void ogniSchermataNelSuoOrdine();
    void chiudereDuranteUnAttesaFermaLaSequenza_data();
    void chiudereDuranteUnAttesaFermaLaSequenza();
    void punteggioERispostaSbagliata();
    void iClicSulleScelteValgonoSoloColMouse();
    void tornareAlMenuChiedePrimaEPortaViaIlCompagno();
};

void TestSchermataEsercizio::ogniSchermataNelSuoOrdine_data()
{
    QTest::addColumn<int>("schermata");
    QTest::addColumn<int>("ordine");
    QTest::addColumn<QString>("atteso");  // start | each right answer in turn

    const QString op = QStringLiteral(" | s | s | s | s | P");  // the written operation, subtraction
    const QString opA = QStringLiteral(" | s | s | s | s | G P");
    QTest::newRow("Form4") << 4 << 0 << "M B Va P | P G O40a Z P | P O100a O40a Z P | P Z P O100a" + op;
    QTest::newRow("Form5") << 5 << 0 << "M B Va P | P G Z P | P Z P | P Z P" + op;
    QTest::newRow("Form7") << 7 << 0 << "M B Va P | P Z G O40a P | P Z O100a O40a P | P Z P O100a" + op;
    QTest::newRow("Form9") << 9 << 0 << "M B Va P | P Z G P | P Z P | P Z P" + op;
    QTest::newRow("Form1") << 1 << 0 << "M B Va T35b P | P Z O100b O35a P | P Z O100a P | P Z P" + opA;
    QTest::newRow("Form1 reversed") << 1 << 1 << "M B Vb T35a P | P Z O100a O35b P | P O100b Z P | P Z P" + opA;
    QTest::newRow("Form6") << 6 << 0 << "M B Va T35b P | P Z P O100b O35a | P O100a Z P | P Z P" + opA;
    QTest::newRow("Form6 reversed") << 6 << 1 << "M B Vb T35a P | P O100a O35b Z P | P O100b Z P | P Z P" + opA;
    QTest::newRow("Form2") << 2 << 0 << "M B Va P | P Vb Z P | P Z P | P Z P" + opA;
    QTest::newRow("Form2 reversed") << 2 << 1 << "M B Vb P | P Z Va P | P Z P | P Z P" + opA;
    QTest::newRow("Form3") << 3 << 0 << "M B Va Vb P | P Z P | P Z P | P Z P" + opA;
    QTest::newRow("Form3 reversed") << 3 << 1 << "M B Vb Va P | P Z P | P Z P | P Z P" + opA;
    QTest::newRow("Form8") << 8 << 0 << "M B Va Vb P | P Z P | P Z P | P Z P" + opA;
    QTest::newRow("Form8 reversed") << 8 << 1 << "M B Vb Va P | P Z P | P Z P | P Z P" + opA;
}

void TestSchermataEsercizio::ogniSchermataNelSuoOrdine()
{
    QFETCH(int, schermata);
    QFETCH(int, ordine);
    QFETCH(QString, atteso);
    Schermo x(schermata, ordine);
    QVERIFY(mostraEAttiva(x.s));
    QStringList passi{firma(x.log())};
    while (!x.s->modello().completo() && passi.size() < 10) {
        x.log().clear();
        x.rispondiGiusto();
        passi << firma(x.log());
    }
    QCOMPARE(passi.join(QStringLiteral(" | ")), atteso);
}

void TestSchermataEsercizio::chiudereDuranteUnAttesaFermaLaSequenza_data()
{
    QTest::addColumn<int>("schermata");
    QTest::addColumn<int>("attesa");  // which speech or pause the screen is closed in
    for (int schermata : {4, 1})
        for (int attesa = 0; attesa < 9; ++attesa)
            QTest::addRow("Form%d, wait %d", schermata, attesa) << schermata << attesa;
}

void TestSchermataEsercizio::chiudereDuranteUnAttesaFermaLaSequenza()
{
    QFETCH(int, schermata);
    QFETCH(int, attesa);
    Schermo x(schermata);
    int attese = 0;
    int dopo = -1;  // log entries when the screen went
    auto forse = [&] {
        if (attese++ == attesa && x.s) {
            x.s->TornaAlMenu();  // the fake dialog answers yes
            dopo = x.log().size();
        }
    };
    x.b.finti.voce.durante = [&](const QString &) { forse(); };
    x.b.finti.attesa.durante = [&](double) { forse(); };
    QVERIFY(mostraEAttiva(x.s));
    while (x.s && !x.s->congedata() && !x.s->modello().completo())
        x.rispondiGiusto();
    QVERIFY(dopo >= 0);
    // Nothing more was said, waited for or played once the screen had gone.
    const QStringList resto = x.log().mid(dopo);
    QVERIFY2(firma(resto).isEmpty(), qPrintable(resto.join(QLatin1Char(','))));
    QVERIFY(visibile<FormMenu>());
}

void TestSchermataEsercizio::punteggioERispostaSbagliata()
{
    Schermo x(4, 0, Modalita::ScansioneAutomatica);
    QVERIFY(mostraEAttiva(x.s));
    QCOMPARE(x.s->testoPannello(1), QStringLiteral("Esatti  0"));
    QCOMPARE(x.s->testoPannello(3), QStringLiteral("Avanti"));
    auto *otto = x.s->findChild<QPushButton *>(QStringLiteral("Command1_8"));
    x.s->scegli(otto);
    QCOMPARE(x.s->testoPannello(2), QStringLiteral("Errati  1"));
    QCOMPARE(FormEsercizio::colore(otto), Colori::Sbagliato);
    QVERIFY(FormEsercizio::segnatoSbagliato(otto) && !otto->icon().isNull());
    QCOMPARE(otto->accessibleDescription(), QStringLiteral("sbagliato"));
    QCOMPARE(x.log().last(), QStringLiteral("SuonoNo"));
    // "Azzera conteggio" clears the score, not the exercise; an adult with a
    // keyboard reaches it with F10, the scan's keys notwithstanding.
    QTest::keyClick(Banco::destinatario(), Qt::Key_F10);
    QWidget *tendina = QApplication::activePopupWidget();
    QVERIFY(tendina);
    QTest::keyClick(tendina, Qt::Key_Return);
    QCOMPARE(x.s->testoPannello(2), QStringLiteral("Errati  0"));
    QCOMPARE(x.s->modello().PassoCorrente(), int16_t(1));
    // The cross goes when the highlight moves on, with the red: the pause after
    // the choice, then a whole step.
    x.b.passa(1299);
    QVERIFY(FormEsercizio::segnatoSbagliato(otto));
    x.b.passa(1);
    QVERIFY(!FormEsercizio::segnatoSbagliato(otto) && otto->icon().isNull());
    QCOMPARE(FormEsercizio::colore(otto), Colori::Neutro);
    // The highlight's default red is the wrong answer's red, but not its cross.
    QCOMPARE(FormEsercizio::colore(x.s->controllo().evidenziata()), Colori::Sbagliato);
    QVERIFY(!FormEsercizio::segnatoSbagliato(x.s->controllo().evidenziata()));
    QCOMPARE(x.s->accessibleName(), QStringLiteral("Calcolotti – Sottrazione - 1°"));
}

void TestSchermataEsercizio::iClicSulleScelteValgonoSoloColMouse()
{
    for (int16_t modo : {Modalita::Mouse, Modalita::ScansioneManuale, Modalita::Frecce}) {
        Schermo x(4, 0, modo);
        QVERIFY(mostraEAttiva(x.s));
        x.b.passa(300);  // the pause once the question has been read
        QTest::mouseClick(x.s->findChild<QPushButton *>(QStringLiteral("Command1_7")), Qt::LeftButton);
        QCOMPARE(x.b.finti.stato.Esatti, int16_t(modo == Modalita::Mouse ? 1 : 0));
        // "ripeti" and "menù" are for the scanning modes only.
        QCOMPARE(x.s->findChild<QWidget *>(QStringLiteral("ripeti"))->isVisible(), modo != Modalita::Mouse);
        // A label still speaks when clicked.
        x.log().clear();
        QTest::mouseClick(x.s->findChild<QLabel *>(QStringLiteral("Label1")), Qt::LeftButton);
        QCOMPARE(firma(x.log()), QStringLiteral("P"));
    }
}

void TestSchermataEsercizio::tornareAlMenuChiedePrimaEPortaViaIlCompagno()
{
    Banco b;
    b.finti.casuale.imposta(QVector<double>{estrai(1, 2)} + estrazioni(7, 3, false));
    QPointer<FormEsercizio> s = FormEsercizio::avviaLivelloMisto(b.finti.servizi, nullptr, 6);
    QPointer<FormEsercizio> compagno = s->partner();
    QCOMPARE(s->numero(), 7);
    QVERIFY(mostraEAttiva(s) || s->inTurno());
    b.finti.dialoghi.risposta = false;
    s->findChild<QAction *>(QStringLiteral("mnuEsci"))->trigger();
    QVERIFY(b.finti.registro.voci.contains(QStringLiteral("domanda Calcolotti: Vuoi tornare al menù?")));
    QVERIFY(s->inTurno() && s->isVisible());
    b.finti.dialoghi.risposta = true;
    s->close();  // the window's close box asks the same
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!s && !compagno);
    QVERIFY(visibile<FormMenu>());
}

QTEST_MAIN(TestSchermataEsercizio)
#include "tst_schermataesercizio.moc"
