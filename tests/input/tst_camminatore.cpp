#include "input/ControlloreInput.h"
#include "input/Evidenziazione.h"
#include "core/Colori.h"
#include "core/StatoProgramma.h"

#include "SequenzaTasti.h"

#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

namespace {

const QColor Evidenza = Colori::daBGR(0x00FFFF);  // yellow
const QColor Riposo(224, 224, 224);

// An exercise-like screen: the number and sign buttons of an exercise, the
// real walkers, and a selection that only writes down what was chosen.
class EsercizioFinto : public QWidget, public BersaglioScansione
{
public:
    explicit EsercizioFinto(StatoProgramma &stato)
        : m_stato(stato)
    {
        for (int i = 0; i <= 10; ++i) {
            auto *b = new QPushButton(QString::number(i), this);
            b->setGeometry(10 + 40 * i, 10, 36, 36);
            numeri << b;
        }
        const QStringList segni{QStringLiteral("+"), QStringLiteral("-"), QStringLiteral("=")};
        for (int i = 0; i < 3; ++i) {
            auto *b = new QPushButton(segni[i], this);
            b->setGeometry(10 + 40 * i, 60, 36, 36);
            this->segni << b;
        }
        resize(480, 120);
        camminatore = std::make_unique<CamminatoreScelte>(
            QVector<QWidget *>(numeri.begin(), numeri.end()), QVector<QWidget *>(this->segni.begin(), this->segni.end()),
            stato.SceltaCorrente, [this] { return Colori::scansione(m_stato.ColoreScansione); });
        controllo = std::make_unique<ControlloreInput>(this, *this, TipoSchermata::Esercizio, stato);
    }

    // What a step start does: rest everywhere, choice 0 highlighted.
    void iniziaPasso(int passo)
    {
        passoCorrente = passo;
        for (QPushButton *b : numeri)
            Evidenziazione::colora(b, Riposo);
        for (QPushButton *b : segni)
            Evidenziazione::colora(b, Riposo);
        m_stato.SceltaCorrente = 0;
        QPushButton *primo = gruppoDelPasso(passo) == GruppoScelte::Segni ? segni[0] : numeri[0];
        Evidenziazione::colora(primo, Colori::scansione(m_stato.ColoreScansione));
    }

    QString evidenziati() const
    {
        QStringList nomi;
        for (QPushButton *b : numeri)
            if (Evidenziazione::colore(b) == Evidenza)
                nomi << b->text();
        for (QPushButton *b : segni)
            if (Evidenziazione::colore(b) == Evidenza)
                nomi << b->text();
        return nomi.join(QLatin1Char(','));
    }

    void seguente() override
    {
        camminatore->ColoraSeguente(passoCorrente);
        percorso << evidenziati();
    }
    void precedente() override
    {
        camminatore->ColoraPrecedente(passoCorrente);
        percorso << evidenziati();
    }
    void seleziona() override { scelte << m_stato.SceltaCorrente; }

    QVector<QPushButton *> numeri;
    QVector<QPushButton *> segni;
    std::unique_ptr<CamminatoreScelte> camminatore;
    std::unique_ptr<ControlloreInput> controllo;
    int passoCorrente = 1;
    QStringList percorso;
    QList<int> scelte;

private:
    StatoProgramma &m_stato;
};

}

class TestCamminatore : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void gruppoPerPasso_data();
    void gruppoPerPasso();
    void unPasso_data();
    void unPasso();
    void soloUnBottoneEvidenziatoAncheTraINascosti();
    void scansioneDiUnEsercizio_data();
    void scansioneDiUnEsercizio();
};

void TestCamminatore::gruppoPerPasso_data()
{
    QTest::addColumn<int>("passo");
    QTest::addColumn<int>("gruppo");
    const int numeri = int(GruppoScelte::Numeri);
    const int segni = int(GruppoScelte::Segni);
    const int nessuno = int(GruppoScelte::Nessuno);
    for (int passo : {1, 2, 3, 4, 6, 8, 51, 52})
        QTest::addRow("step %d: numbers", passo) << passo << numeri;
    for (int passo : {5, 7})
        QTest::addRow("step %d: signs", passo) << passo << segni;
    for (int passo : {0, 9, 50, 53, -1, 100})
        QTest::addRow("step %d: none", passo) << passo << nessuno;
}

void TestCamminatore::gruppoPerPasso()
{
    QFETCH(int, passo);
    QFETCH(int, gruppo);
    QCOMPARE(int(gruppoDelPasso(passo)), gruppo);
}

void TestCamminatore::unPasso_data()
{
    QTest::addColumn<int>("passo");
    QTest::addColumn<int>("partenza");
    QTest::addColumn<bool>("avanti");
    QTest::addColumn<int>("arrivo");
    QTest::addColumn<QString>("evidenziato");

    QTest::newRow("numbers forward") << 1 << 3 << true << 4 << "4";
    QTest::newRow("numbers wrap after 10") << 2 << 10 << true << 0 << "0";
    QTest::newRow("numbers back") << 8 << 5 << false << 4 << "4";
    QTest::newRow("numbers wrap before 0") << 51 << 0 << false << 10 << "10";
    QTest::newRow("signs forward") << 5 << 0 << true << 1 << "-";
    QTest::newRow("signs wrap after =") << 7 << 2 << true << 0 << "+";
    QTest::newRow("signs wrap before +") << 5 << 0 << false << 2 << "=";
    QTest::newRow("signs with a cursor left by the numbers") << 5 << 7 << true << 0 << "+";
    QTest::newRow("numbers with a cursor out of range") << 1 << 40 << false << 10 << "10";
    QTest::newRow("no group: nothing moves") << 9 << 3 << true << 3 << "";
}

void TestCamminatore::unPasso()
{
    QFETCH(int, passo);
    QFETCH(int, partenza);
    QFETCH(bool, avanti);
    QFETCH(int, arrivo);
    QFETCH(QString, evidenziato);

    StatoProgramma stato;
    stato.ColoreScansione = 0x00FFFF;
    EsercizioFinto schermata(stato);
    schermata.passoCorrente = passo;
    stato.SceltaCorrente = int16_t(partenza);
    if (avanti)
        schermata.seguente();
    else
        schermata.precedente();
    QCOMPARE(int(stato.SceltaCorrente), arrivo);
    QCOMPARE(schermata.evidenziati(), evidenziato);
}

void TestCamminatore::soloUnBottoneEvidenziatoAncheTraINascosti()
{
    StatoProgramma stato;
    stato.ColoreScansione = 0x00FFFF;
    EsercizioFinto schermata(stato);
    schermata.iniziaPasso(1);
    // A highlight left on a button that the step hid.
    schermata.numeri[7]->hide();
    Evidenziazione::colora(schermata.numeri[7], Evidenza);
    schermata.seguente();
    QCOMPARE(schermata.evidenziati(), QStringLiteral("1"));
    QCOMPARE(Evidenziazione::colore(schermata.numeri[7]), Riposo);
    QCOMPARE(Evidenziazione::colore(schermata.numeri[0]), Riposo);
}

void TestCamminatore::scansioneDiUnEsercizio_data()
{
    QTest::addColumn<int>("modo");
    QTest::addColumn<int>("passo");
    QTest::addColumn<QString>("sequenza");
    QTest::addColumn<QStringList>("percorso");
    QTest::addColumn<QList<int>>("scelte");

    const QStringList segni{"-", "=", "+"};
    QTest::newRow("m1 sign step: Space cycles + - = +, Enter selects")
        << 1 << 5 << "Space Space Space Enter" << segni << QList<int>{0};
    QTest::newRow("m2 sign step: ticks cycle, Space selects")
        << 2 << 7 << "T T T Space" << segni << QList<int>{0};
    QTest::newRow("m3 sign step: Right cycles, Enter selects")
        << 3 << 5 << "Right Right Right Enter" << segni << QList<int>{0};
    QTest::newRow("m3 number step: Left wraps to 10, Space does nothing")
        << 3 << 1 << "Left Space Left Enter" << QStringList{"10", "9"} << QList<int>{9};
    QTest::newRow("m1 number step: Space to 3, Enter, Space on")
        << 1 << 4 << "Space Space Space Enter Space" << QStringList{"1", "2", "3", "4"} << QList<int>{3};
    QTest::newRow("m2 number step: held Space freezes on 2")
        << 2 << 2 << "T T Space+ T T Space* Space-" << QStringList{"1", "2"} << QList<int>{2};
    QTest::newRow("m0: keys move nothing")
        << 0 << 1 << "Space Right Enter T" << QStringList{} << QList<int>{};
}

void TestCamminatore::scansioneDiUnEsercizio()
{
    QFETCH(int, modo);
    QFETCH(int, passo);
    QFETCH(QString, sequenza);
    QFETCH(QStringList, percorso);
    QFETCH(QList<int>, scelte);

    StatoProgramma stato;
    stato.ColoreScansione = 0x00FFFF;
    stato.ModalitaInput = int16_t(modo);
    EsercizioFinto schermata(stato);
    schermata.show();
    QVERIFY(QTest::qWaitForWindowExposed(&schermata));
    schermata.controllo->prepara();
    schermata.iniziaPasso(passo);
    QSignalSpy clic(schermata.segni[0], &QPushButton::clicked);

    SequenzaTasti::riproduci(
        sequenza, [&] { return schermata.segni[0]; },
        SequenzaTasti::tickSe(schermata.controllo->timer(), [&] { schermata.controllo->Timer1_Timer(); }));

    QCOMPARE(schermata.percorso, percorso);
    QCOMPARE(schermata.scelte, scelte);
    if (modo != Modalita::Mouse)
        QCOMPARE(clic.count(), 0);
}

void TestCamminatore::initTestCase()
{
    // Key releases are handled at once; the wait for a late repeat has a test of its own.
    ControlloreInput::impostaAttesaRilascio(0);
}

QTEST_MAIN(TestCamminatore)
#include "tst_camminatore.moc"
