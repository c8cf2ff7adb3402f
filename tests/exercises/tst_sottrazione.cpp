// The subtraction screens Form4, Form5, Form7 and Form9 step by step: what each
// right answer says, shows, pauses and tells the clips, in which order, and
// what a wrong answer does at every step.

#include "Banco.h"

class TestSottrazione : public QObject
{
    Q_OBJECT
private slots:
    void ogniPassoSegueLaSuaSequenza_data();
    void ogniPassoSegueLaSuaSequenza();
    void unaRispostaSbagliataContaESegnaSoloIlBottone_data();
    void unaRispostaSbagliataContaESegnaSoloIlBottone();
    void unaRispostaDuranteLaVoceValePerIlPassoGiaAvanzato_data();
    void unaRispostaDuranteLaVoceValePerIlPassoGiaAvanzato();
    void lOperazioneCompletaSiLeggeUnaVolta();
};

namespace {

struct Attese {
    QString inizio, passo1, passo2, passo3;
};

Attese attesePer(int schermata)
{
    const QString inizio = QStringLiteral("Movie; BGColor; Mostra Tutti; Parla 1; @0.");
    const QString terzoLivello1 = QStringLiteral("Parla 6; @4.; Pausa 0.5; @4.; Parla 7; @4.; Op Tutti 100");
    const QString terzoLivello2 = QStringLiteral("Parla 6; @4.; Pausa 0.5; @4.; Parla 7; @4.");
    switch (schermata) {
    case 4:
        return {inizio,
                "Parla 2; @1*; TPlay Agenti; Op Fermi 40; Pausa 0.5; @2.; Parla 3; @2.",
                "Parla 4; @2*; Op Fermi 100; Op Agenti 40; Pausa 0.5; @3.; Parla 5; @3.", terzoLivello1};
    case 5:
        return {inizio, "Parla 2; @2*; TPlay Agenti; Pausa 0.5; @2.; Parla 3; @2.",
                "Parla 4; @2*; Pausa 0.5; @3.; Parla 5; @3.", terzoLivello2};
    case 7:
        return {inizio, "Parla 2; @2.; Pausa 0.3; @2.; TPlay Agenti; Op Fermi 40; Parla 3; @2.",
                "Parla 4; @3*; Pausa 0.5; @3*; Op Fermi 100; Op Agenti 40; Parla 5; @3.", terzoLivello1};
    default:
        return {inizio, "Parla 2; @2*; Pausa 0.3; @2*; TPlay Agenti; Parla 3; @2.",
                "Parla 4; @2*; Pausa 0.5; @2*; Parla 5; @3.", terzoLivello2};
    }
}

}

void TestSottrazione::ogniPassoSegueLaSuaSequenza_data()
{
    QTest::addColumn<int>("schermata");
    QTest::addColumn<Esercizio>("esercizio");
    QTest::addColumn<int>("passo");
    QTest::addColumn<QString>("atteso");
    QTest::addColumn<QString>("operazione");

    Esercizio normale;  // 5 - 2 = 3
    Esercizio senzaParte;
    senzaParte.totale = 6, senzaParte.parte = 0, senzaParte.casuale = 0;
    Esercizio senzaResto;
    senzaResto.totale = 4, senzaResto.parte = 4, senzaResto.casuale = 0;

    for (int schermata : {4, 5, 7, 9}) {
        const Attese a = attesePer(schermata);
        auto riga = [&](const char *nome, const Esercizio &e, int passo, const QString &atteso, const QString &op) {
            QTest::addRow("Form%d %s", schermata, nome) << schermata << e << passo << atteso << op;
        };
        riga("inizio", normale, 0, a.inizio, QString());
        riga("passo 1", normale, 1, a.passo1, QString());
        riga("passo 2", normale, 2, a.passo2, QString());
        riga("passo 3", normale, 3, a.passo3, QString());
        riga("passo 4", normale, 4, "SuonoSi", " 5");
        riga("passo 5", normale, 5, "SuonoSi", " 5 - ");
        riga("passo 6", normale, 6, "SuonoSi", " 5 - 2");
        riga("passo 7", normale, 7, "SuonoSi", " 5 - 2 = ");
        riga("passo 8", normale, 8, "Parla op; @8*", " 5 - 2 = 3");
        riga("parte 0 passo 1", senzaParte, 1, a.passo1, QString());
        riga("parte 0 passo 2", senzaParte, 2, a.passo2, QString());
        riga("parte 0 passo 8", senzaParte, 8, "Parla op; @8*", " 6 - 0 = 6");
        riga("resto 0 inizio", senzaResto, 0, a.inizio, QString());
        riga("resto 0 passo 1", senzaResto, 1, a.passo1, QString());
        riga("resto 0 passo 3", senzaResto, 3, a.passo3, QString());
        riga("resto 0 passo 8", senzaResto, 8, "Parla op; @8*", " 4 - 4 = 0");
    }
}

void TestSottrazione::ogniPassoSegueLaSuaSequenza()
{
    QFETCH(int, schermata);
    QFETCH(Esercizio, esercizio);
    QFETCH(int, passo);
    QFETCH(QString, atteso);
    QFETCH(QString, operazione);

    Banco b(schermata, esercizio);
    QVERIFY(b.avvia());
    if (passo == 0) {
        QCOMPARE(b.f.registro.voci, b.atteso(atteso, 0));
        QCOMPARE(b.s->modello().PassoCorrente(), 1);
        QCOMPARE(b.colori(), QStringLiteral("h.........."));
        QCOMPARE(b.etichetta(1)->text(), b.testo(1));
        QVERIFY(b.etichetta(7)->isHidden());
        return;
    }
    b.portaA(passo);
    QCOMPARE(int(b.s->modello().PassoCorrente()), passo);
    b.f.registro.svuota();
    const int scelta = b.giusta(passo);
    b.scegli(scelta);
    QCOMPARE(b.f.registro.voci, b.atteso(atteso, scelta));

    QCOMPARE(b.f.stato.Esatti, int16_t(passo));
    QCOMPARE(b.s->testoPannello(1), QStringLiteral("Esatti  %1").arg(passo));
    QCOMPARE(b.f.stato.SceltaCorrente, int16_t(0));
    if (passo <= 3) {
        QCOMPARE(int(b.s->modello().PassoCorrente()), passo + 1);
        for (int n = 1; n <= 6; ++n)
            QCOMPARE(b.etichetta(n)->text(), n <= 2 * passo + 1 ? b.testo(n) : QString());
        QCOMPARE(b.etichetta(7)->isHidden(), passo < 3);
        QCOMPARE(b.colori(), QStringLiteral("h.........."));
        return;
    }
    QCOMPARE(b.etichetta(8)->text(), operazione);
    if (passo == 8) {
        QCOMPARE(int(b.s->modello().PassoCorrente()), 8);
        QVERIFY(!b.avanti()->isHidden());
        QCOMPARE(FormEsercizio::colore(b.avanti()), ColoreEvidenziato);
        for (int i = 0; i <= 10; ++i)
            QVERIFY(b.numero(i)->isHidden());
        return;
    }
    QCOMPARE(int(b.s->modello().PassoCorrente()), passo + 1);
    const bool segni = passo == 4 || passo == 6;
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(b.segno(i)->isHidden(), !segni);
        if (segni)
            QCOMPARE(FormEsercizio::colore(b.segno(i)), i == 0 ? ColoreEvidenziato : Colori::Neutro);
    }
    for (int i = 0; i <= 10; ++i)
        QCOMPARE(b.numero(i)->isHidden(), segni);
    if (!segni)
        QCOMPARE(b.colori(), QStringLiteral("h.........."));
}

void TestSottrazione::unaRispostaSbagliataContaESegnaSoloIlBottone_data()
{
    QTest::addColumn<int>("schermata");
    QTest::addColumn<int>("passo");
    QTest::addColumn<int>("sbagliata");
    // 5 - 2 = 3: the wrong choices are mostly another step's right answer.
    const int sbagliate[9] = {0, 2, 3, 5, 2, 0, 5, 1, 2};
    for (int schermata : {4, 5, 7, 9}) {
        for (int passo = 1; passo <= 8; ++passo)
            QTest::addRow("Form%d passo %d sceglie %d", schermata, passo, sbagliate[passo])
                << schermata << passo << sbagliate[passo];
        QTest::addRow("Form%d passo 5 sceglie =", schermata) << schermata << 5 << 2;
        QTest::addRow("Form%d passo 7 sceglie +", schermata) << schermata << 7 << 0;
    }
}

void TestSottrazione::unaRispostaSbagliataContaESegnaSoloIlBottone()
{
    QFETCH(int, schermata);
    QFETCH(int, passo);
    QFETCH(int, sbagliata);

    Banco b(schermata, Esercizio{}, Modalita::Mouse);
    QVERIFY(b.avvia());
    b.portaA(passo);
    QStringList etichette;
    for (int n = 1; n <= 8; ++n)
        etichette << b.etichetta(n)->text();
    b.f.registro.svuota();

    b.scegli(sbagliata);

    QCOMPARE(b.f.registro.voci, QStringList{QStringLiteral("SuonoNo")});
    QCOMPARE(int(b.s->modello().PassoCorrente()), passo);
    QCOMPARE(b.f.stato.Errati, int16_t(1));
    QCOMPARE(b.s->testoPannello(2), QStringLiteral("Errati  1"));
    QCOMPARE(b.s->testoPannello(1), QStringLiteral("Esatti  %1").arg(passo - 1));
    QPushButton *rosso = Banco::segni(passo) ? b.segno(sbagliata) : b.numero(sbagliata);
    QCOMPARE(FormEsercizio::colore(rosso), Colori::Sbagliato);
    for (int n = 1; n <= 8; ++n)
        QCOMPARE(b.etichetta(n)->text(), etichette.at(n - 1));

    // The step is still open: the right answer now moves on and clears the mark.
    b.scegli(b.giusta(passo));
    QCOMPARE(int(b.s->modello().PassoCorrente()), passo == 8 ? 8 : passo + 1);
    for (QPushButton *bottone : b.s->findChildren<QPushButton *>()) {
        if (!bottone->isHidden() && bottone != b.avanti())
            QCOMPARE(FormEsercizio::colore(bottone), Colori::Neutro);
    }
}

void TestSottrazione::unaRispostaDuranteLaVoceValePerIlPassoGiaAvanzato_data()
{
    QTest::addColumn<int>("schermata");
    QTest::addColumn<int>("passoDurante");
    // While the statement on the total is spoken, Form5/Form7/Form9 already
    // stand at step 2; Form4 moves on only after speaking.
    QTest::newRow("Form4") << 4 << 1;
    QTest::newRow("Form5") << 5 << 2;
    QTest::newRow("Form7") << 7 << 2;
    QTest::newRow("Form9") << 9 << 2;
}

void TestSottrazione::unaRispostaDuranteLaVoceValePerIlPassoGiaAvanzato()
{
    QFETCH(int, schermata);
    QFETCH(int, passoDurante);

    Banco b(schermata, Esercizio{}, Modalita::Mouse);
    QVERIFY(b.avvia());
    bool fatto = false;
    int passoVisto = 0;
    b.f.voce.durante = [&](const QString &testo) {
        if (fatto || testo != b.testo(2))
            return;
        fatto = true;
        passoVisto = b.s->modello().PassoCorrente();
        b.s->Command1_Click(b.e.parte);  // the answer to step 2
    };
    b.scegli(b.e.totale);
    QVERIFY(fatto);
    QCOMPARE(passoVisto, passoDurante);
    // Taken as step 2's answer where the step had moved on, as a wrong step-1 answer elsewhere.
    QCOMPARE(b.f.stato.Errati, int16_t(passoDurante == 2 ? 0 : 1));
    QCOMPARE(b.etichetta(4)->text(), passoDurante == 2 ? b.testo(4) : QString());
}

void TestSottrazione::lOperazioneCompletaSiLeggeUnaVolta()
{
    Banco b(5, Esercizio{}, Modalita::Mouse);
    QVERIFY(b.avvia());
    b.completa();
    QCOMPARE(b.f.registro.voci.count(QStringLiteral("Parla  5 - 2 = 3")), 1);
    QVERIFY(!b.avanti()->isHidden());
    // In mouse mode "avanti" is not highlighted.
    QCOMPARE(FormEsercizio::colore(b.avanti()), Colori::Neutro);
}

QTEST_MAIN(TestSottrazione)
#include "tst_sottrazione.moc"
