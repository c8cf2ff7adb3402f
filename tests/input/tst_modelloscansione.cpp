#include "input/ModelloScansione.h"

#include <QtTest>

// The scan's rules as tables. A script is a line of tokens on a clock that
// starts at 0:
//   +N    N ms pass; every automatic step that falls due is taken
//   vS ^S a key goes down / up (S Space, E Enter, R Right, L Left, U Up, D Down, X a key of no mode);
//         vS* is one of the keyboard's auto-repeats of a held key
//   A P   the scan starts on the first choice / on the one lit before
//   B b   the program starts / stops speaking inside a step
//   W w   the lit item starts / stops saying its name
//   C     a mouse click on a choice
// The outcome lists what each token produced: the lit item (3), a whole group
// lit (g1), a choice (!3; !3/2 after two whole loops; ! a click), the scan
// resting (.), an ignored press or release (x), a press held too long (~).
// Rows run without the pause after a choice unless they set it.
namespace {

using Modo = ModelloScansione::Modo;
using Cosa = ModelloScansione::Cosa;

int tasto(QChar c)
{
    switch (c.toLatin1()) {
    case 'S': return Qt::Key_Space;
    case 'E': return Qt::Key_Return;
    case 'R': return Qt::Key_Right;
    case 'L': return Qt::Key_Left;
    case 'U': return Qt::Key_Up;
    case 'D': return Qt::Key_Down;
    default: return Qt::Key_A;
    }
}

QString descrivi(const ModelloScansione &m, const ModelloScansione::Esito &e)
{
    switch (e.cosa) {
    case Cosa::Sposta: {
        const auto ev = m.evidenza();
        return ev.gruppo >= 0 ? QStringLiteral("g%1").arg(ev.gruppo) : QString::number(ev.voce);
    }
    case Cosa::Scegli: {
        const QString scelta = e.voce < 0 ? QStringLiteral("!") : QStringLiteral("!%1").arg(e.voce);
        return m.giriPrimaDellaScelta() > 0 ? scelta + QStringLiteral("/%1").arg(m.giriPrimaDellaScelta()) : scelta;
    }
    case Cosa::Spegni: return QStringLiteral(".");
    case Cosa::Ignora: return QStringLiteral("x");
    case Cosa::Annulla: return QStringLiteral("~");
    case Cosa::Nulla: break;
    }
    return {};
}

QString gioca(ModelloScansione &m, const QString &script)
{
    QStringList esiti;
    qint64 ora = 0;
    auto annota = [&](const ModelloScansione::Esito &e) {
        const QString d = descrivi(m, e);
        if (!d.isEmpty())
            esiti << d;
    };
    for (const QString &t : script.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (t.startsWith(QLatin1Char('+'))) {
            const qint64 fine = ora + t.mid(1).toLongLong();
            while (m.prossimaScadenza() <= fine) {
                ora = std::max(ora, m.prossimaScadenza());
                annota(m.scadenza(ora));
            }
            ora = fine;
        } else if (t.startsWith(QLatin1Char('v'))) {
            annota(m.premi(tasto(t.at(1)), ora, t.endsWith(QLatin1Char('*'))));
        } else if (t.startsWith(QLatin1Char('^'))) {
            annota(m.rilascia(tasto(t.at(1)), ora));
        } else if (t == QLatin1String("A")) {
            annota(m.avvia(ora));
        } else if (t == QLatin1String("P")) {
            annota(m.riprendi(ora));
        } else if (t == QLatin1String("B") || t == QLatin1String("b")) {
            m.occupa(t == QLatin1String("B"), ora);
        } else if (t == QLatin1String("W")) {
            m.parolaIniziata();
        } else if (t == QLatin1String("w")) {
            m.parolaFinita(ora);
        } else if (t == QLatin1String("C")) {
            annota(m.clic(ora));
        }
    }
    return esiti.join(QLatin1Char(' '));
}

}

class TestModelloScansione : public QObject
{
    Q_OBJECT
private slots:
    void regole_data();
    void regole();
};

void TestModelloScansione::regole_data()
{
    QTest::addColumn<int>("modo");
    QTest::addColumn<bool>("menu");
    QTest::addColumn<QString>("opzioni");  // key=value, blank separated
    QTest::addColumn<QString>("gruppi");   // sizes of the screen's groups
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("atteso");

    const int A = int(Modo::Automatica), M = int(Modo::Manuale), F = int(Modo::Frecce), O = int(Modo::Spento);
    // An exercise's numbers (0-5, 6-10) and "ripeti"/"menù": items 0..12.
    const QString numeri = QStringLiteral("6 5 2");

    QTest::newRow("automatic: one step an interval, wrapping") << A << false << "" << "3"
        << "A +999 +1 +1000 +1000" << "0 1 2 0";
    QTest::newRow("automatic: the first item waits the first-item delay") << A << false << "ritardo=2.5" << "3"
        << "A +2499 +1 +1000" << "0 1 2";
    QTest::newRow("automatic: a held switch stops the scan, release chooses") << A << false << "" << "3"
        << "A +1000 vS +5000 ^S" << "0 1 !1";
    QTest::newRow("automatic: after a choice nobody takes up, the scan goes on") << A << false << "ritardo=2" << "3"
        << "A vS ^S +1999 +1" << "0 !0 1";
    QTest::newRow("automatic: a key of no mode neither chooses nor freezes") << A << true << "" << "3"
        << "A vX +1000 ^X vE +1000 ^E" << "0 x 1 x 2";
    QTest::newRow("automatic: a press shorter than the minimum is ignored, to the ms") << A << false << "minima=200" << "3"
        << "A vS +199 ^S vS +200 ^S" << "0 x !0";
    QTest::newRow("automatic: a tremor of short taps does not slow the scan") << A << false << "minima=200" << "9"
        << "A +650 vS +50 ^S +650 vS +50 ^S +650 vS +50 ^S +650 vS +50 ^S +650 vS +50 ^S +650 vS +50 ^S"
           " +650 vS +50 ^S +650 vS +50 ^S +650 vS +50 ^S +650 vS +50 ^S +650 vS +50 ^S +650"
        << "0 x 1 x 2 x x 3 x 4 x x 5 x 6 x x 7 x 8";
    QTest::newRow("automatic: a press held too long chooses nothing, the item stays a whole step")
        << A << false << "massima=1000" << "3"
        << "A vS +1001 ^S +999 +1 vS +1000 ^S" << "0 ~ 1 !1";
    QTest::newRow("two switches: a press held too long chooses nothing") << M << false << "massima=2000" << "3"
        << "A vE +2500 ^E vS ^S vE +100 ^E" << "0 ~ 1 !1";
    QTest::newRow("automatic: a bounce after a choice is ignored, the next press is not") << A << false << "pausa=300" << "3"
        << "A vS ^S +100 vS ^S +250 vS ^S" << "0 !0 x x !0";
    QTest::newRow("two switches: presses wait the pause once the program is silent") << M << false << "pausa=300" << "3"
        << "A vE ^E B +500 b A vE ^E +299 vE ^E +1 vE ^E" << "0 !0 0 x x x x !0";
    QTest::newRow("automatic: the first item stays its whole time after the pause") << A << false << "pausa=300" << "3"
        << "A vS ^S B +1000 b A +1299 +1" << "0 !0 0 1";
    QTest::newRow("automatic: the press that wakes the scan is followed by the pause") << A << false
        << "giri=1 pausa=300" << "2" << "A +1000 +1000 vS ^S +100 vS ^S" << "0 1 . 0 x x";
    QTest::newRow("mouse: no click while the program speaks, nor within the pause") << O << false << "pausa=300" << "3"
        << "B C b C +299 C +1 C +100 C" << "x x x ! x";
    QTest::newRow("automatic: a press soon after a taken one is ignored") << A << false << "ripetute=500" << "3"
        << "A vS ^S +499 vS ^S +1 vS ^S" << "0 !0 x x !0";
    QTest::newRow("automatic: presses while the program speaks are ignored, release too") << A << false << "" << "3"
        << "A B vS +300 b ^S +1000" << "0 x x 1";
    QTest::newRow("automatic: nothing moves while the program speaks") << A << false << "" << "3"
        << "A B +5000 b A +1000" << "0 0 1";
    QTest::newRow("automatic: a release whose press came before this screen is not a choice") << A << false << "" << "3"
        << "A ^S vS* +1000" << "0 x 1";
    QTest::newRow("automatic: rest after two whole loops, a press wakes without choosing") << A << false << "giri=2" << "2"
        << "A +1000 +1000 +1000 +1000 +9000 vS ^S +1000 vS ^S" << "0 1 0 1 . 0 1 !1/2";
    QTest::newRow("automatic: a spoken name lengthens its step by the word") << A << false << "" << "3"
        << "A W +1500 w +999 +1" << "0 1";
    QTest::newRow("automatic: a press while the name is spoken chooses that item") << A << false << "" << "3"
        << "A +1000 W vS ^S" << "0 1 !1";
    QTest::newRow("automatic: riprendi stays on the item lit before") << A << false << "" << "3"
        << "A +1000 vS ^S B +700 b P +1000" << "0 1 !1 1 2";
    QTest::newRow("groups: groups, then items, then back after a loop inside") << A << false << "gruppi" << numeri
        << "A +1000 vS ^S +1000 +1000 +1000 +1000 +1000" << "g0 g1 6 7 8 9 10 g1";
    QTest::newRow("groups: choosing inside a group") << A << false << "gruppi" << numeri
        << "A vS ^S +1000 +1000 vS ^S" << "g0 0 1 2 !2";
    QTest::newRow("groups: a group of one is an item") << A << false << "gruppi" << "1 2"
        << "A vS ^S" << "0 !0";
    QTest::newRow("groups: off, every item on its own") << A << false << "" << numeri
        << "A +1000 +1000" << "0 1 2";
    QTest::newRow("two switches: Space moves, Enter chooses, held Space walks on") << M << false << "" << "3"
        << "A vS ^S vE ^E vS vS* vS* ^S" << "0 1 !1 2 0 1";
    QTest::newRow("two switches: a held Enter chooses once") << M << false << "" << "3"
        << "A vE vE* vE* ^E" << "0 !0";
    QTest::newRow("two switches: no automatic steps") << M << false << "giri=1 ritardo=3" << "3"
        << "A +10000 vS ^S" << "0 1";
    QTest::newRow("two switches: with a minimum press, act on release") << M << false << "minima=200" << "3"
        << "A vS +100 ^S vS +200 ^S vE +250 ^E" << "0 x 1 !1";
    QTest::newRow("two switches: groups entered with Enter, left past the end") << M << false << "gruppi" << "3 2"
        << "A vE ^E vS ^S vS ^S vS ^S" << "g0 0 1 2 g0";
    QTest::newRow("arrows, menu: on press, wrapping both ways, Space chooses") << F << true << "" << "3"
        << "A vU ^U vD ^D vR vR* ^R vS ^S" << "0 2 0 1 2 !2";
    QTest::newRow("arrows, exercise: on release, Space does nothing") << F << false << "" << "3"
        << "A vR ^R vL ^L vL ^L vS ^S vE ^E" << "0 1 0 2 x !2";
}

void TestModelloScansione::regole()
{
    QFETCH(int, modo);
    QFETCH(bool, menu);
    QFETCH(QString, opzioni);
    QFETCH(QString, gruppi);
    QFETCH(QString, script);
    QFETCH(QString, atteso);

    ModelloScansione::Config config;
    config.modo = Modo(modo);
    config.menu = menu;
    config.intervalloMs = 1000;
    config.opzioni.pausaDopoSceltaMs = 0;
    for (const QString &o : opzioni.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QString chiave = o.section(QLatin1Char('='), 0, 0);
        const double valore = o.section(QLatin1Char('='), 1).toDouble();
        if (chiave == QLatin1String("ritardo")) config.opzioni.ritardoPrimo = valore;
        else if (chiave == QLatin1String("giri")) config.opzioni.giri = int(valore);
        else if (chiave == QLatin1String("minima")) config.opzioni.pressioneMinimaMs = int(valore);
        else if (chiave == QLatin1String("ripetute")) config.opzioni.ignoraRipetuteMs = int(valore);
        else if (chiave == QLatin1String("pausa")) config.opzioni.pausaDopoSceltaMs = int(valore);
        else if (chiave == QLatin1String("massima")) config.opzioni.pressioneMassimaMs = int(valore);
        else if (chiave == QLatin1String("gruppi")) config.opzioni.gruppi = true;
    }
    ModelloScansione m;
    m.configura(config);
    QVector<int> dimensioni;
    for (const QString &d : gruppi.split(QLatin1Char(' ')))
        dimensioni << d.toInt();
    m.imposta(dimensioni);
    QCOMPARE(gioca(m, script), atteso);
}

QTEST_GUILESS_MAIN(TestModelloScansione)
#include "tst_modelloscansione.moc"
