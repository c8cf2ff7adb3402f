// The addition screens Form1, Form2, Form3, Form6 and Form8 in both orders of
// the questions: the clip set-up per level, every counting step's order of
// speaking, pausing, moving on and dimming, the two addends in either order,
// and the wrong answers.

#include "Banco.h"

class TestAddizione : public QObject
{
    Q_OBJECT
private slots:
    void ogniPassoSegueLaSuaSequenza_data();
    void ogniPassoSegueLaSuaSequenza();
    void gliAddendiSiScrivonoInQualsiasiOrdine_data();
    void gliAddendiSiScrivonoInQualsiasiOrdine();
    void unaRispostaSbagliataContaESegnaSoloIlBottone_data();
    void unaRispostaSbagliataContaESegnaSoloIlBottone();
    void laSecondaFilaDelLivello2ArrivaDopoIlPrimoConteggio_data();
    void laSecondaFilaDelLivello2ArrivaDopoIlPrimoConteggio();
};

namespace {

// Expected sequences per screen, keyed by step (0 = start, 50 = start reversed).
QMap<int, QString> attesePer(int schermata)
{
    const QString terzo = QStringLiteral("Parla 6; @4.; Pausa 0.5; @4.; Parla 7; @4.");
    const QString altri = QStringLiteral("Parla 4; @3*; Pausa 0.5; @3.; Parla 5; @3.");
    QMap<int, QString> a{{3, terzo}};
    switch (schermata) {
    case 1:
    case 6:
        a[0] = a[50] = QStringLiteral("Movie; BGColor; Mostra Primo; Tenue Secondo; Parla 1; @0.");
        break;
    case 2:
        a[0] = a[50] = QStringLiteral("Movie; BGColor; Mostra Primo; Parla 1; @0.");
        break;
    default:
        a[0] = QStringLiteral("Movie; BGColor; Mostra Primo; Mostra Secondo; Parla 1; @1.");
        a[50] = QStringLiteral("Movie; BGColor; Mostra Primo; Mostra Secondo; Parla 1; @0.");
        break;
    }
    switch (schermata) {
    case 1:
        a[1] = "Parla 2; @2*; Pausa 0.5; @2.; Op Secondo 100; Op Primo 35; Parla 3; @2.";
        a[2] = "Parla 4; @3.; Pausa 0.5; @3.; Op Primo 100; Parla 5; @3.";
        a[51] = "Parla 2; @52*; Pausa 0.5; @52.; Op Secondo 100; Op Primo 35; Parla 3; @52.";
        a[52] = "Parla 4; @3.; Op Primo 100; Pausa 0.5; @3.; Parla 5; @3.";
        break;
    case 6:
        a[1] = "Parla 2; @2*; Pausa 0.5; @2.; Parla 3; @2.; Op Secondo 100; Op Primo 35";
        a[2] = "Parla 4; @3*; Op Primo 100; Pausa 0.5; @3.; Parla 5; @3.";
        a[51] = "Parla 2; @51*; Op Secondo 100; Op Primo 35; Pausa 0.5; @52.; Parla 3; @52.";
        a[52] = "Parla 4; @52*; Op Primo 100; Pausa 0.5; @3.; Parla 5; @3.";
        break;
    case 2:
        a[1] = "Parla 2; @2*; Mostra Secondo; Pausa 0.5; @2.; Parla 3; @2.";
        a[2] = altri;
        a[51] = "Parla 2; @52*; Pausa 0.5; @52.; Mostra Secondo; Parla 3; @52.";
        a[52] = altri;
        break;
    case 3:
        a[1] = "Parla 2; @1*; Pausa 0.5; @2.; Parla 3; @2.";
        a[2] = altri;
        a[51] = "Parla 2; @51*; Pausa 0.5; @52.; Parla 3; @52.";
        a[52] = "Parla 4; @52*; Pausa 0.5; @3.; Parla 5; @3.";
        break;
    case 8:
        a[1] = "Parla 2; @2*; Pausa 0.5; @2.; Parla 3; @2.";
        a[2] = altri;
        a[51] = "Parla 2; @51*; Pausa 0.5; @52*; Parla 3; @52.";
        a[52] = "Parla 4; @52*; Pausa 0.5; @3.; Parla 5; @3.";
        break;
    }
    return a;
}

Esercizio esercizio(int totale, int parte, int ordine)
{
    Esercizio e;
    e.totale = totale;
    e.parte = parte;
    e.ordine = ordine;
    e.scena = 12;
    e.casuale = parte == 0 || parte == totale ? 0 : 1;
    return e;
}

}

void TestAddizione::ogniPassoSegueLaSuaSequenza_data()
{
    QTest::addColumn<int>("schermata");
    QTest::addColumn<Esercizio>("esercizio");
    QTest::addColumn<int>("passo");
    QTest::addColumn<QString>("atteso");
    QTest::addColumn<QString>("operazione");

    for (int schermata : {1, 2, 3, 6, 8}) {
        const QMap<int, QString> a = attesePer(schermata);
        for (int ordine : {0, 1}) {
            const Esercizio e = esercizio(7, 4, ordine);  // 3 + 4 = 7
            const char *nome = ordine ? "inverso" : "normale";
            auto riga = [&](const char *passoNome, const Esercizio &es, int passo, const QString &atteso, const QString &op) {
                QTest::addRow("Form%d %s %s", schermata, nome, passoNome) << schermata << es << passo << atteso << op;
            };
            const int primo = ordine ? 51 : 1, secondo = ordine ? 52 : 2;
            riga("inizio", e, 0, a[ordine ? 50 : 0], QString());
            riga("primo conteggio", e, primo, a[primo], QString());
            riga("secondo conteggio", e, secondo, a[secondo], QString());
            riga("intero", e, 3, a[3], QString());
            riga("passo 4", e, 4, "SuonoSi", " 3");
            riga("passo 5", e, 5, "SuonoSi", " 3 + ");
            riga("passo 6", e, 6, "SuonoSi", " 3 + 4");
            riga("passo 7", e, 7, "SuonoSi", " 3 + 4 = ");
            riga("passo 8", e, 8, "Tutte; Parla op; @8*", " 3 + 4 = 7");
            const Esercizio senzaSecondo = esercizio(5, 0, ordine);
            riga("secondo vuoto inizio", senzaSecondo, 0, a[ordine ? 50 : 0], QString());
            riga("secondo vuoto primo conteggio", senzaSecondo, primo, a[primo], QString());
            riga("secondo vuoto secondo conteggio", senzaSecondo, secondo, a[secondo], QString());
            const Esercizio senzaPrimo = esercizio(4, 4, ordine);
            riga("primo vuoto inizio", senzaPrimo, 0, a[ordine ? 50 : 0], QString());
            riga("primo vuoto primo conteggio", senzaPrimo, primo, a[primo], QString());
            riga("primo vuoto secondo conteggio", senzaPrimo, secondo, a[secondo], QString());
        }
    }
}

void TestAddizione::ogniPassoSegueLaSuaSequenza()
{
    QFETCH(int, schermata);
    QFETCH(Esercizio, esercizio);
    QFETCH(int, passo);
    QFETCH(QString, atteso);
    QFETCH(QString, operazione);

    Banco b(schermata, esercizio);
    QVERIFY(b.avvia());
    const bool inverso = esercizio.ordine == 1;
    if (passo == 0) {
        QCOMPARE(b.f.registro.voci, b.atteso(atteso, 0));
        QCOMPARE(int(b.s->modello().PassoCorrente()), inverso ? 51 : 1);
        QCOMPARE(b.etichetta(1)->text(), b.testo(1));
        QCOMPARE(b.colori(), QStringLiteral("h.........."));
        return;
    }
    b.portaA(passo);
    QCOMPARE(int(b.s->modello().PassoCorrente()), passo);
    b.f.registro.svuota();
    const int scelta = b.giusta(passo);
    b.scegli(scelta);
    QCOMPARE(b.f.registro.voci, b.atteso(atteso, scelta));
    QCOMPARE(b.f.stato.SceltaCorrente, int16_t(0));

    const QVector<int> percorso = b.percorso();
    const int indice = percorso.indexOf(passo);
    QCOMPARE(b.f.stato.Esatti, int16_t(indice + 1));
    if (indice < 3) {
        QCOMPARE(int(b.s->modello().PassoCorrente()), percorso.at(indice + 1));
        for (int n = 1; n <= 6; ++n)
            QCOMPARE(b.etichetta(n)->text(), n <= 2 * indice + 3 ? b.testo(n) : QString());
        QCOMPARE(b.etichetta(7)->isHidden(), indice < 2);
        return;
    }
    QCOMPARE(b.etichetta(8)->text(), operazione);
    if (passo == 8) {
        QVERIFY(!b.avanti()->isHidden());
        QCOMPARE(FormEsercizio::colore(b.avanti()), ColoreEvidenziato);
    } else {
        QCOMPARE(int(b.s->modello().PassoCorrente()), passo + 1);
    }
}

void TestAddizione::gliAddendiSiScrivonoInQualsiasiOrdine_data()
{
    QTest::addColumn<Esercizio>("esercizio");
    QTest::addColumn<int>("primo");
    QTest::addColumn<int>("secondo");
    QTest::addColumn<bool>("primoGiusto");
    QTest::addColumn<bool>("secondoGiusto");
    QTest::addColumn<QString>("operazione");

    QTest::newRow("3 poi 4") << esercizio(7, 4, 0) << 3 << 4 << true << true << " 3 + 4 = 7";
    QTest::newRow("4 poi 3") << esercizio(7, 4, 0) << 4 << 3 << true << true << " 4 + 3 = 7";
    QTest::newRow("4 poi 3, ordine inverso") << esercizio(7, 4, 1) << 4 << 3 << true << true << " 4 + 3 = 7";
    QTest::newRow("l'intero non e' un addendo") << esercizio(7, 4, 0) << 7 << 3 << false << true << "";
    QTest::newRow("lo stesso addendo due volte") << esercizio(7, 4, 0) << 3 << 3 << true << false << " 3 + ";
    QTest::newRow("addendi uguali") << esercizio(6, 3, 0) << 3 << 3 << true << true << " 3 + 3 = 6";
    QTest::newRow("zero per secondo") << esercizio(5, 0, 0) << 5 << 0 << true << true << " 5 + 0 = 5";
    QTest::newRow("zero per primo") << esercizio(5, 0, 0) << 0 << 5 << true << true << " 0 + 5 = 5";
}

void TestAddizione::gliAddendiSiScrivonoInQualsiasiOrdine()
{
    QFETCH(Esercizio, esercizio);
    QFETCH(int, primo);
    QFETCH(int, secondo);
    QFETCH(bool, primoGiusto);
    QFETCH(bool, secondoGiusto);
    QFETCH(QString, operazione);

    Banco b(1, esercizio, Modalita::Mouse);
    QVERIFY(b.avvia());
    b.portaA(4);
    b.scegli(primo);
    QCOMPARE(int(b.s->modello().PassoCorrente()), primoGiusto ? 5 : 4);
    if (primoGiusto) {
        b.scegli(0);  // "+"
        b.scegli(secondo);
        QCOMPARE(int(b.s->modello().PassoCorrente()), secondoGiusto ? 7 : 6);
        if (secondoGiusto) {
            b.scegli(2);  // "="
            b.scegli(esercizio.totale);
            QVERIFY(!b.avanti()->isHidden());
        }
    }
    QCOMPARE(b.etichetta(8)->text(), operazione);
    QCOMPARE(int(b.f.stato.Errati), int(!primoGiusto) + int(primoGiusto && !secondoGiusto));
}

void TestAddizione::unaRispostaSbagliataContaESegnaSoloIlBottone_data()
{
    QTest::addColumn<int>("schermata");
    QTest::addColumn<int>("ordine");
    QTest::addColumn<int>("passo");
    QTest::addColumn<int>("sbagliata");
    // 3 + 4 = 7; at step 6 the addend already written (3) is wrong.
    const QMap<int, int> sbagliate{{1, 4}, {2, 3}, {51, 4}, {52, 3}, {3, 3}, {4, 7},
                                   {5, 1}, {6, 3}, {7, 0}, {8, 4}};
    for (int schermata : {1, 2, 3, 6, 8}) {
        for (int passo : {1, 2, 3, 4, 5, 6, 7, 8})
            QTest::addRow("Form%d passo %d", schermata, passo) << schermata << 0 << passo << sbagliate[passo];
        for (int passo : {51, 52})
            QTest::addRow("Form%d passo %d", schermata, passo) << schermata << 1 << passo << sbagliate[passo];
    }
    QTest::newRow("Form1 passo 5 sceglie =") << 1 << 0 << 5 << 2;
    QTest::newRow("Form1 passo 7 sceglie -") << 1 << 0 << 7 << 1;
}

void TestAddizione::unaRispostaSbagliataContaESegnaSoloIlBottone()
{
    QFETCH(int, schermata);
    QFETCH(int, ordine);
    QFETCH(int, passo);
    QFETCH(int, sbagliata);

    Banco b(schermata, esercizio(7, 4, ordine), Modalita::Mouse);
    QVERIFY(b.avvia());
    b.portaA(passo);
    QCOMPARE(int(b.s->modello().PassoCorrente()), passo);
    const QString operazione = b.etichetta(8)->text();
    b.f.registro.svuota();

    b.scegli(sbagliata);

    QCOMPARE(b.f.registro.voci, QStringList{QStringLiteral("SuonoNo")});
    QCOMPARE(int(b.s->modello().PassoCorrente()), passo);
    QCOMPARE(b.s->testoPannello(2), QStringLiteral("Errati  1"));
    QCOMPARE(b.etichetta(8)->text(), operazione);
    QPushButton *rosso = Banco::segni(passo) ? b.segno(sbagliata) : b.numero(sbagliata);
    QCOMPARE(FormEsercizio::colore(rosso), Colori::Sbagliato);

    b.scegli(b.giusta(passo));
    QVERIFY(b.s->modello().PassoCorrente() != passo || passo == 8);
    QCOMPARE(b.s->testoPannello(2), QStringLiteral("Errati  1"));
}

void TestAddizione::laSecondaFilaDelLivello2ArrivaDopoIlPrimoConteggio_data()
{
    QTest::addColumn<int>("ordine");
    QTest::addColumn<int>("parte");
    QTest::newRow("normale") << 0 << 4;
    QTest::newRow("inverso") << 1 << 4;
    QTest::newRow("normale, seconda fila vuota") << 0 << 0;
}

void TestAddizione::laSecondaFilaDelLivello2ArrivaDopoIlPrimoConteggio()
{
    QFETCH(int, ordine);
    QFETCH(int, parte);

    Banco b(2, esercizio(7, parte, ordine), Modalita::Mouse);
    QVERIFY(b.avvia());
    const QString secondaFila = ordine ? QStringLiteral("_root.a") : QStringLiteral("_root.b");
    auto mostrateSeconda = [&] {
        int n = 0;
        for (const QString &voce : std::as_const(b.f.registro.voci))
            if (voce.startsWith(QStringLiteral("TSetProperty ") + secondaFila) && voce.endsWith(QStringLiteral(" 7 1")))
                ++n;
        return n;
    };
    QCOMPARE(mostrateSeconda(), 0);
    b.scegli(b.giusta(ordine ? 51 : 1) + 1);  // a wrong count shows nothing
    QCOMPARE(mostrateSeconda(), 0);
    b.scegli(b.giusta(ordine ? 51 : 1));
    QCOMPARE(mostrateSeconda(), parte);
}

QTEST_MAIN(TestAddizione)
#include "tst_addizione.moc"
