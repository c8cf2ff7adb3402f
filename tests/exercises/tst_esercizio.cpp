#include "Finti.h"
#include "exercises/Descrizioni.h"
#include "exercises/Esercizio.h"

#include <QtTest>
#include <random>

using namespace Esercizi;

namespace {

class RealGenerator : public Generatore
{
public:
    std::mt19937_64 motore{42};
    double Rnd() override { return std::uniform_real_distribution<double>(0.0, 1.0)(motore); }
};

}

class TestEsercizio : public QObject
{
    Q_OBJECT
private slots:
    void unEsercizioPassoPerPasso_data();
    void unEsercizioPassoPerPasso();
    void leEstrazioniRispettanoLeRegole();
    void ilPunteggioSiFermaA32767();
    void ilTurnoDelLivelloMisto_data();
    void ilTurnoDelLivelloMisto();
};

void TestEsercizio::unEsercizioPassoPerPasso_data()
{
    QTest::addColumn<int>("schermata");
    QTest::addColumn<int>("totale");
    QTest::addColumn<int>("parte");
    QTest::addColumn<int>("ordine");
    QTest::addColumn<QString>("scelte");  // numbers, or sign indices (0 +, 1 -, 2 =) at the sign steps
    QTest::addColumn<QString>("esiti");   // + right, - wrong
    QTest::addColumn<QString>("passi");   // the steps met, in order
    QTest::addColumn<QString>("operazione");

    QTest::newRow("subtraction, a wrong try at every step") << 4 << 7 << 3 << 0
        << "6 7 4 3 3 4 6 7 0 1 4 3 1 2 3 4" << "- + - + - + - + - + - + - + - +"
        << "1 2 3 4 5 6 7 8" << " 7 - 3 = 4";
    QTest::newRow("subtraction, nothing acts") << 9 << 5 << 0 << 0 << "5 0 5 5 1 0 2 5"
        << "+ + + + + + + +" << "1 2 3 4 5 6 7 8" << " 5 - 0 = 5";
    QTest::newRow("addition, addends in asking order") << 1 << 7 << 3 << 0 << "4 3 7 4 1 0 3 2 7"
        << "+ + + + - + + + +" << "1 2 3 4 5 6 7 8" << " 4 + 3 = 7";
    QTest::newRow("addition, addends the other way round, the used one refused") << 6 << 7 << 3 << 0
        << "4 3 7 3 0 3 4 2 7" << "+ + + + + - + + +" << "1 2 3 4 5 6 7 8" << " 3 + 4 = 7";
    QTest::newRow("addition, equal addends") << 3 << 6 << 3 << 0 << "3 3 6 3 0 3 2 6"
        << "+ + + + + + + +" << "1 2 3 4 5 6 7 8" << " 3 + 3 = 6";
    QTest::newRow("addition, reversed order asks group B first") << 2 << 9 << 2 << 1 << "7 2 9 2 0 7 2 9"
        << "+ + + + + + + +" << "51 52 3 4 5 6 7 8" << " 2 + 7 = 9";
}

void TestEsercizio::unEsercizioPassoPerPasso()
{
    QFETCH(int, schermata);
    QFETCH(int, totale);
    QFETCH(int, parte);
    QFETCH(int, ordine);
    QFETCH(QString, scelte);
    QFETCH(QString, esiti);
    QFETCH(QString, passi);
    QFETCH(QString, operazione);

    ServiziFinti f;
    const Descrizione &d = descrizione(schermata);
    const bool addizione = d.famiglia == Catalogo::Famiglia::Addizione;
    f.casuale.imposta(estrazioni(totale, parte, addizione, ordine));
    Esercizio e(d.famiglia, f.casuale, f.stato);
    e.genera();
    QCOMPARE(e.PassoCorrente(), int16_t(Passo::Nessuno));
    QCOMPARE(e.scegli(totale), Esercizio::Esito::Ignorata);  // no question asked yet
    e.primoPasso();

    QStringList visti, incontrati;
    for (const QString &s : scelte.split(QLatin1Char(' '))) {
        const int passo = e.PassoCorrente();
        if (!incontrati.contains(QString::number(passo)))
            incontrati << QString::number(passo);
        const Esercizio::Esito esito = e.scegli(s.toInt());
        visti << (esito == Esercizio::Esito::Giusta ? QStringLiteral("+") : QStringLiteral("-"));
        // A counting step moves on as the screen's action list says.
        if (const Sequenza *seq = sequenza(schermata, passo); seq && esito == Esercizio::Esito::Giusta)
            for (const Istruzione &i : *seq)
                if (i.op == Op::Passo)
                    e.vaiAlPasso(i.n);
    }
    QCOMPARE(visti.join(QLatin1Char(' ')), esiti);
    QCOMPARE(incontrati.join(QLatin1Char(' ')), passi);
    QCOMPARE(e.operazione(), operazione);
    QVERIFY(e.completo());
    QCOMPARE(f.stato.Esatti, int16_t(8));
    QCOMPARE(e.scegli(totale), Esercizio::Esito::Ignorata);  // what follows is "avanti"
    QCOMPARE(int(f.stato.Errati), esiti.count(QLatin1Char('-')));
}

void TestEsercizio::leEstrazioniRispettanoLeRegole()
{
    RealGenerator casuale;
    for (auto famiglia : {Catalogo::Famiglia::Sottrazione, Catalogo::Famiglia::Addizione}) {
        StatoProgramma stato;
        Esercizio e(famiglia, casuale, stato);
        QSet<int> totali;
        int vuote = 0, inverse = 0, precedente = 0;
        for (int i = 0; i < 3000; ++i) {
            e.genera();
            totali << e.Totale();
            QVERIFY(e.Parte() >= 0 && e.Resto() >= 0 && e.Parte() + e.Resto() == e.Totale());
            // An empty part or rest only when the zero rule's draw allows it.
            if (e.Parte() == 0 || e.Resto() == 0) {
                QCOMPARE(stato.Casuale, int16_t(0));
                ++vuote;
            }
            QVERIFY(e.Scena() >= 1 && e.Scena() <= e.NumeroScene());
            QVERIFY(e.Scena() != precedente);
            precedente = e.Scena();
            e.segnaScena();
            inverse += e.ordineInverso();
        }
        QCOMPARE(totali, (QSet<int>{2, 3, 4, 5, 6, 7, 8, 9, 10}));
        QVERIFY(vuote > 100);
        QCOMPARE(inverse > 1200, famiglia == Catalogo::Famiglia::Addizione);
        QCOMPARE(e.NumeroScene(), int16_t(famiglia == Catalogo::Famiglia::Addizione ? 30 : 23));
    }
}

void TestEsercizio::ilPunteggioSiFermaA32767()
{
    ServiziFinti f;
    f.casuale.imposta(estrazioni(5, 2, false));
    Esercizio e(Catalogo::Famiglia::Sottrazione, f.casuale, f.stato);
    e.genera();
    e.primoPasso();
    f.stato.Esatti = 32766;
    f.stato.Errati = 32767;
    e.scegli(9);
    e.scegli(5);
    e.scegli(5);
    QCOMPARE(f.stato.Esatti, int16_t(32767));
    QCOMPARE(f.stato.Errati, int16_t(32767));
    e.azzeraPunteggio();
    QCOMPARE(f.stato.Esatti + f.stato.Errati, 0);
}

void TestEsercizio::ilTurnoDelLivelloMisto_data()
{
    QTest::addColumn<int>("schermata");
    QTest::addColumn<int>("estratto");
    for (int schermata : {6, 7, 8, 9})
        for (int estratto : {0, 1})
            QTest::addRow("Form%d draws %d", schermata, estratto) << schermata << estratto;
}

void TestEsercizio::ilTurnoDelLivelloMisto()
{
    QFETCH(int, schermata);
    QFETCH(int, estratto);
    ServiziFinti f;
    Esercizio e(descrizione(schermata).famiglia, f.casuale, f.stato);
    f.casuale.imposta({estrai(estratto, 2)});
    // Form6 hands over on 1, the others on 0.
    QCOMPARE(e.turnoAlPartner(descrizione(schermata).valoreCambio), estratto == (schermata == 6 ? 1 : 0));
    QCOMPARE(f.stato.Casuale, int16_t(estratto));
}

QTEST_GUILESS_MAIN(TestEsercizio)
#include "tst_esercizio.moc"
