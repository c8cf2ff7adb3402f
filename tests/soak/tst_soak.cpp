#include "BancoSchermate.h"
#include "exercises/FormEsercizio.h"
#include "input/ConfermaScansione.h"
#include "shell/FormMenu.h"

#include <QLabel>
#include <random>

// A robot that plays for a long time the way a child with switches does:
// presses too early, too often, too long, also while the program speaks,
// through every level and mode. After every action the program must be in one
// piece: one screen shown, the score it shows is the score it keeps, no
// crash (the sanitizer build checks memory too).
class TestSoak : public QObject
{
    Q_OBJECT
private slots:
    void gioca_data();
    void gioca();

private:
    void azione(Banco &b, std::mt19937 &caso);
    void controlla(Banco &b, const QString &dove);
    int m_durante = 0;  // actions taken inside the program's speech or pauses
    int m_finiti = 0;   // checks that found an exercise done
};

void TestSoak::gioca_data()
{
    QTest::addColumn<int>("modo");
    QTest::addColumn<bool>("opzioni");
    for (int modo : {0, 1, 2, 3})
        for (bool opzioni : {false, true})
            QTest::addRow("mode %d%s", modo, opzioni ? ", all options" : "") << modo << opzioni;
}

void TestSoak::azione(Banco &b, std::mt19937 &caso)
{
    static const Qt::Key tasti[] = {Qt::Key_Space, Qt::Key_Space, Qt::Key_Return, Qt::Key_Right,
                                    Qt::Key_Left, Qt::Key_A, Qt::Key_F7, Qt::Key_F8};
    const int dado = int(caso() % 12);
    QWidget *schermata = visibile();
    if (dado < 5) {
        b.premi(tasti[caso() % 8], int(caso() % 700));
    } else if (dado < 6) {
        b.passa(int(caso() % 3000));
    } else if (auto *e = qobject_cast<FormEsercizio *>(schermata); e && b.finti.stato.ModalitaInput == Modalita::Mouse) {
        // A mouse user answers, right most of the time.
        const int giusta = e->modello().rispostaGiusta();
        const int scelta = caso() % 4 ? giusta : int(caso() % 11);
        if (e->modello().completo())
            e->Command3_Click();
        else if (e->modello().gruppo() == Esercizi::Gruppo::Segni)
            e->Command2_Click(scelta % 3);
        else
            e->Command1_Click(scelta);
    } else if (auto *e = qobject_cast<FormEsercizio *>(schermata); e && !e->conferma()) {
        // A switch user aims at the right answer, or at "avanti".
        const auto &m = e->modello();
        const QString nome = m.completo() ? QStringLiteral("Command3")
            : QStringLiteral("Command%1_%2").arg(m.gruppo() == Esercizi::Gruppo::Segni ? 2 : 1).arg(m.rispostaGiusta());
        const int modo = b.finti.stato.ModalitaInput;
        if (e->controllo().evidenziata() && e->controllo().evidenziata()->objectName() == nome)
            b.premi(modo == Modalita::ScansioneAutomatica ? Qt::Key_Space : Qt::Key_Return, 300);
        else if (modo == Modalita::ScansioneAutomatica)
            b.passa(1000);
        else
            b.premi(modo == Modalita::Frecce ? Qt::Key_Right : Qt::Key_Space, 300);
    } else if (auto *m = qobject_cast<FormMenu *>(schermata); m && !m->conferma()) {
        m->AvviaEsercizi(int16_t(caso() % 7));
    } else {
        b.passa(1000);
    }
}

void TestSoak::controlla(Banco &b, const QString &dove)
{
    // A screen just handed over to activates on the next turn of the loop.
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    Schermata *s = visibile();
    QVERIFY2(s, qPrintable(QStringLiteral("not exactly one screen shown after ") + dove));
    if (auto *e = qobject_cast<FormEsercizio *>(s)) {
        QCOMPARE(e->testoPannello(1), QStringLiteral("Esatti  %1").arg(b.finti.stato.Esatti));
        QCOMPARE(e->testoPannello(2), QStringLiteral("Errati  %1").arg(b.finti.stato.Errati));
        const auto &m = e->modello();
        m_finiti += m.completo();
        QVERIFY(m.Parte() + m.Resto() == m.Totale() || m.Scena() == 0);
        QVERIFY2(m.operazione().isEmpty() || !m.completo() || m.operazione().count(QLatin1Char('=')) == 1,
                 qPrintable(m.operazione()));
    }
}

void TestSoak::gioca()
{
    QFETCH(int, modo);
    QFETCH(bool, opzioni);
    std::mt19937 caso(1234u + unsigned(modo) * 7u + opzioni);
    Banco b;
    QVector<double> estrazioni;
    for (int i = 0; i < 10007; ++i)
        estrazioni << std::uniform_real_distribution<double>(0.0, 1.0)(caso);
    b.finti.casuale.imposta(estrazioni);
    b.finti.stato.ModalitaInput = int16_t(modo);
    if (opzioni)
        b.finti.stato.Scansione = {true, true, 2.0, 2, 100, 200, true, true, true};
    // Now and then the child presses while the program speaks or pauses.
    bool dentro = false;
    auto durante = [&] {
        if (dentro || caso() % 5 != 0)
            return;
        dentro = true;
        ++m_durante;
        azione(b, caso);
        dentro = false;
    };
    b.finti.voce.durante = [&](const QString &) { durante(); };
    b.finti.attesa.durante = [&](double) { durante(); };
    b.finti.servizi.termina = [&] { ++b.finti.terminazioni; };
    QVERIFY(mostraEAttiva(b.navigatore.crea(IdSchermata::Menu)));
    for (int i = 0; i < 1000; ++i) {
        azione(b, caso);
        controlla(b, QString::number(i));
        if (QTest::currentTestFailed())
            return;
        if (b.finti.terminazioni > 0) {
            // "Esci" ended the run: a new one starts, as the child would.
            b.finti.terminazioni = 0;
            chiudiFinestre();
            QVERIFY(mostraEAttiva(b.navigatore.crea(IdSchermata::Menu)));
        }
    }
    // The robot really played.
    QVERIFY(m_finiti > 0);
    QVERIFY(m_durante > 0);
    m_finiti = m_durante = 0;
}

QTEST_MAIN(TestSoak)
#include "tst_soak.moc"
