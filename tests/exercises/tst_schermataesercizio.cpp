// What all nine exercise screens share: the draws, the score, the input modes'
// clicks, the highlight walkers, leaving (also in the middle of a spoken or
// paused step), the layout, and the turns of the two mixed levels.

#include "Banco.h"
#include "core/Twips.h"

#include <QAction>
#include <QStatusBar>
#include <QTimer>
#include <random>
#include <set>

class TestSchermataEsercizio : public QObject
{
    Q_OBJECT
private slots:
    void leEstrazioniRispettanoLeRegole_data();
    void leEstrazioniRispettanoLeRegole();
    void leEstrazioniScriptateSiRipetonoDoveServe_data();
    void leEstrazioniScriptateSiRipetonoDoveServe();
    void laStessaScenaNonTornaDueVolteDiSeguito();

    void ilPunteggioParteDaZeroAdOgniAttivazione();
    void azzeraConteggioNonToccaLEsercizio();
    void iConteggiSiFermanoA32767();

    void iClicSulleSceltePassanoSoloColMouse_data();
    void iClicSulleSceltePassanoSoloColMouse();
    void ilCamminatoreGiraNelGruppoDelPasso_data();
    void ilCamminatoreGiraNelGruppoDelPasso();
    void laScansioneSiFermaSuAvanti();

    void tornareAlMenuChiedePrima_data();
    void tornareAlMenuChiedePrima();
    void chiudereDuranteUnAttesaFermaLaSequenza_data();
    void chiudereDuranteUnAttesaFermaLaSequenza();
    void unaVoceInterrottaPerLUscitaFermaLaSequenza();
    void avantiDuranteLaLetturaDellOperazioneNonLasciaCode_data();
    void avantiDuranteLaLetturaDellOperazioneNonLasciaCode();

    void unEsercizioCompletoSiLeggeCosi_data();
    void unEsercizioCompletoSiLeggeCosi();
    void laDisposizioneSegueLaDescrizione_data();
    void laDisposizioneSegueLaDescrizione();

    void ilLivelloMistoCominciaDaUnaSchermataEstratta_data();
    void ilLivelloMistoCominciaDaUnaSchermataEstratta();
    void avantiColMouseCambiaTurnoSecondoLEstrazione_data();
    void avantiColMouseCambiaTurnoSecondoLEstrazione();
    void avantiDaTastieraOScansioneNonCambiaMai_data();
    void avantiDaTastieraOScansioneNonCambiaMai();
    void lasciareIlLivelloMistoDistruggeAncheIlCompagno();
};

namespace {

int indovina(const FormEsercizio *s)
{
    return s->modello().rispostaGiusta();
}

// Answers with the mouse until "avanti" shows.
void completaColMouse(FormEsercizio *s)
{
    auto *avanti = s->findChild<QPushButton *>(QStringLiteral("Command3"));
    for (int giri = 0; avanti->isHidden() && giri < 10; ++giri) {
        const int passo = s->modello().PassoCorrente();
        if (passo == 5 || passo == 7)
            s->Command2_Click(indovina(s));
        else
            s->Command1_Click(indovina(s));
    }
}

bool attendiAttivazione(FormEsercizio *s)
{
    QSignalSpy attivata(s, &Schermata::attivata);
    return attivata.wait(2000);
}

}

void TestSchermataEsercizio::leEstrazioniRispettanoLeRegole_data()
{
    QTest::addColumn<int>("schermata");
    QTest::newRow("sottrazione") << 4;
    QTest::newRow("addizione") << 1;
}

void TestSchermataEsercizio::leEstrazioniRispettanoLeRegole()
{
    QFETCH(int, schermata);
    Banco b(schermata, Esercizio{}, Modalita::Mouse);
    b.f.voce.durante = nullptr;
    b.f.attesa.durante = nullptr;
    std::mt19937 motore(20260106);
    std::uniform_real_distribution<double> uniforme(0.0, 1.0);
    QVector<double> valori(200000);
    for (double &v : valori)
        v = uniforme(motore);
    b.f.casuale.imposta(valori);
    QVERIFY(b.avvia());

    std::set<int> totali, scene;
    int zeri = 0;
    int precedente = b.s->modello().Scena();
    const int numeroScene = b.s->modello().NumeroScene();
    QCOMPARE(numeroScene, b.addizione ? 30 : 23);
    for (int i = 0; i < 3000; ++i) {
        b.f.registro.svuota();
        b.s->GeneraEsercizio();
        const int t = b.s->modello().Totale(), p = b.s->modello().Parte(), r = b.s->modello().Resto();
        QVERIFY2(t >= 2 && t <= 10, qPrintable(QString::number(t)));
        QVERIFY(p >= 0 && r >= 0);
        QCOMPARE(p + r, t);
        if (p == 0 || r == 0) {
            ++zeri;
            QCOMPARE(b.f.stato.Casuale, int16_t(0));
        }
        QVERIFY(b.s->modello().Scena() >= 1 && b.s->modello().Scena() <= numeroScene);
        QVERIFY(b.s->modello().Scena() != precedente);
        QCOMPARE(b.s->modello().ScenaPrecedente(), b.s->modello().Scena());
        precedente = b.s->modello().Scena();
        totali.insert(t);
        scene.insert(b.s->modello().Scena());
    }
    QCOMPARE(int(totali.size()), 9);
    QCOMPARE(*totali.begin(), 2);
    QCOMPARE(int(scene.size()), numeroScene);
    QVERIFY(zeri > 0);
}

void TestSchermataEsercizio::leEstrazioniScriptateSiRipetonoDoveServe_data()
{
    QTest::addColumn<QVector<double>>("estrazioni");
    QTest::addColumn<int>("totale");
    QTest::addColumn<int>("parte");
    QTest::addColumn<int>("scena");

    QTest::newRow("la parte 0 si rifiuta se l'estrazione dello zero non e' 0")
        << QVector<double>{estrai(3, 9), estrai(1, 3), estrai(0, 6), estrai(5, 6), estrai(2, 6), estrai(6, 23)}
        << 5 << 2 << 7;
    QTest::newRow("la parte 0 resta se l'estrazione dello zero e' 0")
        << QVector<double>{estrai(3, 9), estrai(0, 3), estrai(0, 6), estrai(6, 23)} << 5 << 0 << 7;
    QTest::newRow("il resto 0 resta se l'estrazione dello zero e' 0")
        << QVector<double>{estrai(8, 9), estrai(0, 3), estrai(10, 11), estrai(22, 23)} << 10 << 10 << 23;
    QTest::newRow("totale 2, il piu' piccolo")
        << QVector<double>{estrai(0, 9), estrai(2, 3), estrai(1, 3), estrai(0, 23)} << 2 << 1 << 1;
}

void TestSchermataEsercizio::leEstrazioniScriptateSiRipetonoDoveServe()
{
    QFETCH(QVector<double>, estrazioni);
    QFETCH(int, totale);
    QFETCH(int, parte);
    QFETCH(int, scena);

    Banco b(4, Esercizio{}, Modalita::Mouse);
    b.f.casuale.imposta(estrazioni);
    QVERIFY(b.avvia());
    QCOMPARE(int(b.s->modello().Totale()), totale);
    QCOMPARE(int(b.s->modello().Parte()), parte);
    QCOMPARE(int(b.s->modello().Resto()), totale - parte);
    QCOMPARE(int(b.s->modello().Scena()), scena);
    QCOMPARE(b.f.casuale.prossimo, estrazioni.size());
}

void TestSchermataEsercizio::laStessaScenaNonTornaDueVolteDiSeguito()
{
    Banco b(5, Esercizio{}, Modalita::Mouse);
    b.f.casuale.imposta({estrai(3, 9), estrai(1, 3), estrai(2, 6), estrai(6, 23),
                         estrai(3, 9), estrai(1, 3), estrai(2, 6), estrai(6, 23), estrai(6, 23), estrai(8, 23)});
    QVERIFY(b.avvia());
    QCOMPARE(int(b.s->modello().Scena()), 7);
    b.completa();
    b.f.registro.svuota();
    b.s->seleziona();  // "avanti"
    QCOMPARE(int(b.s->modello().Scena()), 9);
    QCOMPARE(b.f.registro.voci.value(0), QStringLiteral("Movie %1/scenes/b9.svg").arg(b.f.servizi.cartellaProgramma));
    QCOMPARE(int(b.s->modello().PassoCorrente()), 1);
    QVERIFY(b.avanti()->isHidden());
}

void TestSchermataEsercizio::ilPunteggioParteDaZeroAdOgniAttivazione()
{
    Banco b(4, Esercizio{});
    b.f.stato.Esatti = 12;
    b.f.stato.Errati = 3;
    QVERIFY(b.avvia());
    QCOMPARE(b.s->testoPannello(1), QStringLiteral("Esatti  0"));
    QCOMPARE(b.s->testoPannello(2), QStringLiteral("Errati  0"));
    QCOMPARE(b.s->testoPannello(3), QStringLiteral("Avanti"));
    QCOMPARE(b.f.stato.Esatti, int16_t(0));
    QCOMPARE(b.f.stato.Errati, int16_t(0));
}

void TestSchermataEsercizio::azzeraConteggioNonToccaLEsercizio()
{
    Banco b(4, Esercizio{}, Modalita::Mouse);
    QVERIFY(b.avvia());
    b.scegli(5);
    b.scegli(9);  // wrong at step 2
    b.scegli(2);
    QCOMPARE(b.s->testoPannello(1), QStringLiteral("Esatti  2"));
    QCOMPARE(b.s->testoPannello(2), QStringLiteral("Errati  1"));
    QStringList etichette;
    for (int n = 1; n <= 8; ++n)
        etichette << b.etichetta(n)->text();
    b.f.registro.svuota();

    b.s->findChild<QAction *>(QStringLiteral("mnuAzzera"))->trigger();

    QCOMPARE(b.s->testoPannello(1), QStringLiteral("Esatti  0"));
    QCOMPARE(b.s->testoPannello(2), QStringLiteral("Errati  0"));
    QCOMPARE(b.f.stato.Esatti, int16_t(0));
    QCOMPARE(b.f.stato.Errati, int16_t(0));
    QCOMPARE(int(b.s->modello().PassoCorrente()), 3);
    for (int n = 1; n <= 8; ++n)
        QCOMPARE(b.etichetta(n)->text(), etichette.at(n - 1));
    QVERIFY(b.f.registro.voci.isEmpty());
}

void TestSchermataEsercizio::iConteggiSiFermanoA32767()
{
    Banco b(4, Esercizio{}, Modalita::Mouse);
    QVERIFY(b.avvia());
    b.f.stato.Errati = 32766;
    b.f.stato.Esatti = 32767;
    b.scegli(0);
    b.scegli(0);
    QCOMPARE(b.f.stato.Errati, int16_t(32767));
    QCOMPARE(b.s->testoPannello(2), QStringLiteral("Errati  32767"));
    b.scegli(5);
    QCOMPARE(b.f.stato.Esatti, int16_t(32767));
    QCOMPARE(b.s->testoPannello(1), QStringLiteral("Esatti  32767"));
}

void TestSchermataEsercizio::iClicSulleSceltePassanoSoloColMouse_data()
{
    QTest::addColumn<int>("modo");
    QTest::newRow("mouse") << 0;
    QTest::newRow("scansione manuale") << 1;
    QTest::newRow("scansione automatica") << 2;
    QTest::newRow("frecce") << 3;
    QTest::newRow("valore sconosciuto") << 7;
}

void TestSchermataEsercizio::iClicSulleSceltePassanoSoloColMouse()
{
    QFETCH(int, modo);
    Banco b(4, Esercizio{}, int16_t(modo));
    QVERIFY(b.avvia());
    b.f.registro.svuota();

    // A real click on the right number button.
    QTest::mouseClick(b.numero(5), Qt::LeftButton);
    QCOMPARE(int(b.s->modello().PassoCorrente()), modo == 0 ? 2 : 1);
    if (modo != 0)
        QVERIFY(b.f.registro.voci.isEmpty());

    // Labels speak when clicked in every mode; Label7 never does.
    b.f.registro.svuota();
    QTest::mouseClick(b.etichetta(1), Qt::LeftButton);
    QCOMPARE(b.f.registro.voci.value(0), QStringLiteral("Parla %1").arg(b.testo(1)));
    b.f.registro.svuota();
    b.etichetta(7)->show();
    QTest::mouseClick(b.etichetta(7), Qt::LeftButton);
    QVERIFY(b.f.registro.voci.isEmpty());

    // "avanti" answers clicks in every mode.
    b.f.stato.ModalitaInput = Modalita::Mouse;
    completaColMouse(b.s);
    b.f.stato.ModalitaInput = int16_t(modo);
    QVERIFY(!b.avanti()->isHidden());
    b.f.registro.svuota();
    QTest::mouseClick(b.avanti(), Qt::LeftButton);
    QVERIFY(b.avanti()->isHidden());
    QCOMPARE(int(b.s->modello().PassoCorrente()), 1);
    QVERIFY(b.f.registro.voci.value(0).startsWith(QStringLiteral("Movie ")));
}

void TestSchermataEsercizio::ilCamminatoreGiraNelGruppoDelPasso_data()
{
    QTest::addColumn<int>("passo");
    QTest::addColumn<int>("da");
    QTest::addColumn<int>("verso");
    QTest::addColumn<int>("a");
    QTest::newRow("numeri avanti") << 1 << 0 << 1 << 1;
    QTest::newRow("numeri, da 10 torna a 0") << 2 << 10 << 1 << 0;
    QTest::newRow("numeri indietro da 0 va a 10") << 3 << 0 << -1 << 10;
    QTest::newRow("segni: + poi -") << 5 << 0 << 1 << 1;
    QTest::newRow("segni: - poi =") << 5 << 1 << 1 << 2;
    QTest::newRow("segni: = torna a +") << 7 << 2 << 1 << 0;
    QTest::newRow("segni indietro da + va a =") << 7 << 0 << -1 << 2;
    QTest::newRow("numeri al passo 8") << 8 << 4 << -1 << 3;
}

void TestSchermataEsercizio::ilCamminatoreGiraNelGruppoDelPasso()
{
    QFETCH(int, passo);
    QFETCH(int, da);
    QFETCH(int, verso);
    QFETCH(int, a);

    Banco b(9, Esercizio{});
    QVERIFY(b.avvia());
    b.portaA(passo);
    QCOMPARE(int(b.s->modello().PassoCorrente()), passo);
    b.f.stato.SceltaCorrente = int16_t(da);
    if (verso > 0)
        b.s->seguente();
    else
        b.s->precedente();
    QCOMPARE(int(b.f.stato.SceltaCorrente), a);
    const bool segni = Banco::segni(passo);
    for (int i = 0; i < (segni ? 3 : 11); ++i) {
        QPushButton *bottone = segni ? b.segno(i) : b.numero(i);
        QCOMPARE(FormEsercizio::colore(bottone), i == a ? ColoreEvidenziato : Colori::Neutro);
    }
}

void TestSchermataEsercizio::laScansioneSiFermaSuAvanti()
{
    Banco b(4, Esercizio{}, Modalita::ScansioneAutomatica);
    QVERIFY(b.avvia());
    QVERIFY(!b.s->scansioneSospesa());
    b.completa();
    QVERIFY(b.s->scansioneSospesa());
    QCOMPARE(FormEsercizio::colore(b.avanti()), ColoreEvidenziato);
    b.s->seleziona();
    QVERIFY(!b.s->scansioneSospesa());
}

void TestSchermataEsercizio::tornareAlMenuChiedePrima_data()
{
    QTest::addColumn<int>("schermata");
    QTest::addColumn<bool>("risposta");
    QTest::newRow("sottrazione, no") << 4 << false;
    QTest::newRow("sottrazione, si'") << 4 << true;
    QTest::newRow("addizione, si'") << 3 << true;
}

void TestSchermataEsercizio::tornareAlMenuChiedePrima()
{
    QFETCH(int, schermata);
    QFETCH(bool, risposta);
    Banco b(schermata, Esercizio{}, Modalita::Mouse);
    QVERIFY(b.avvia());
    b.scegli(b.giusta(1));
    const int passo = b.s->modello().PassoCorrente();
    b.f.registro.svuota();
    b.f.dialoghi.risposta = risposta;

    b.s->findChild<QAction *>(QStringLiteral("mnuEsci"))->trigger();

    QStringList atteso{QStringLiteral("stop"), QStringLiteral("domanda Calcolotti: Vuoi tornare al menù?")};
    if (risposta) {
        for (int i = 1; i <= 10; ++i) {
            atteso << QStringLiteral("TStopPlay _root.a%1").arg(i);
            if (b.addizione)
                atteso << QStringLiteral("TStopPlay _root.b%1").arg(i);
        }
    }
    QCOMPARE(b.f.registro.voci, atteso);
    if (!risposta) {
        QCOMPARE(int(b.s->modello().PassoCorrente()), passo);
        QVERIFY(b.s->isVisible());
        return;
    }
    QVERIFY(QTest::qWaitFor([&] { return b.s.isNull(); }));
}

void TestSchermataEsercizio::chiudereDuranteUnAttesaFermaLaSequenza_data()
{
    QTest::addColumn<int>("schermata");
    QTest::addColumn<QString>("momento");
    for (int schermata : {4, 7, 1, 8}) {
        for (const char *momento : {"voce della prima domanda", "voce del passo 1", "pausa del passo 1",
                                    "voce del passo 3", "voce dell'operazione", "caricamento della scena"})
            QTest::addRow("Form%d %s", schermata, momento) << schermata << QString::fromUtf8(momento);
    }
    QTest::newRow("Form1 animazione finale") << 1 << QStringLiteral("animazione finale");
}

void TestSchermataEsercizio::chiudereDuranteUnAttesaFermaLaSequenza()
{
    QFETCH(int, schermata);
    QFETCH(QString, momento);

    Banco b(schermata, Esercizio{}, Modalita::Mouse);
    b.f.dialoghi.risposta = true;
    bool chiusa = false;
    bool armata = false;
    const auto chiudi = [&] {
        if (chiusa || !armata || !b.s)
            return;
        chiusa = true;
        b.s->TornaAlMenu();
        // What the nested loop of a real wait does with the deferred deletion.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        b.f.registro.scrivi(QStringLiteral("chiusa"));
    };
    b.f.voce.durante = [&](const QString &) { chiudi(); };
    b.f.attesa.durante = [&](double) { chiudi(); };

    if (momento == QLatin1String("voce della prima domanda")) {
        armata = true;
        b.s->show();
        QVERIFY(QTest::qWaitFor([&] { return b.s.isNull(); }));
    } else {
        QVERIFY(b.avvia());
        if (momento == QLatin1String("voce del passo 3")) {
            b.portaA(3);
        } else if (momento == QLatin1String("voce dell'operazione") || momento == QLatin1String("animazione finale")) {
            b.portaA(8);
        } else if (momento == QLatin1String("caricamento della scena")) {
            b.completa();
        }
        b.f.registro.svuota();
        if (momento == QLatin1String("pausa del passo 1"))
            b.f.voce.durante = nullptr;
        if (momento == QLatin1String("caricamento della scena") || momento == QLatin1String("animazione finale")) {
            b.f.voce.durante = nullptr;
            b.f.attesa.durante = nullptr;
            QTimer::singleShot(0, [&] { armata = true; chiudi(); });
        } else {
            armata = true;
        }
        if (momento == QLatin1String("caricamento della scena"))
            b.s->seleziona();
        else
            b.scegli(b.giusta(b.s->modello().PassoCorrente()));
    }
    QVERIFY(chiusa);
    QVERIFY(b.s.isNull());
    // Nothing of the interrupted sequence ran after the screen went away.
    QCOMPARE(b.f.registro.voci.last(), QStringLiteral("chiusa"));
    QCOMPARE(b.f.registro.voci.count(QStringLiteral("chiusa")), 1);
}

void TestSchermataEsercizio::unaVoceInterrottaPerLUscitaFermaLaSequenza()
{
    Banco b(4, Esercizio{}, Modalita::Mouse);
    QVERIFY(b.avvia());
    b.f.registro.svuota();
    b.f.voce.durante = nullptr;
    b.f.voce.esito = false;  // the program is ending
    b.scegli(5);
    QCOMPARE(b.f.registro.voci, QStringList{QStringLiteral("Parla %1").arg(b.testo(2))});
    QCOMPARE(int(b.s->modello().PassoCorrente()), 1);
}

void TestSchermataEsercizio::unEsercizioCompletoSiLeggeCosi_data()
{
    QTest::addColumn<int>("schermata");
    QTest::addColumn<Esercizio>("esercizio");
    QTest::addColumn<QString>("colore");
    QTest::addColumn<QStringList>("etichette");

    Esercizio locomotive;
    locomotive.totale = 7, locomotive.parte = 3, locomotive.scena = 1;
    QTest::newRow("locomotive") << 5 << locomotive << "FFCC99"
        << QStringList{"Quante locomotive?", "Ci sono 7 locomotive.", "Quante locomotive partono?",
                       "Sono partite 3 locomotive.", "Quante locomotive rimangono ferme?",
                       "Rimangono ferme 4 locomotive.", "Ora scrivi l'operazione", " 7 - 3 = 4"};
    Esercizio uccelli;
    uccelli.totale = 5, uccelli.parte = 1, uccelli.scena = 1, uccelli.ordine = 1;
    QTest::newRow("uccelli, prima i gialli") << 3 << uccelli << "66ffff"
        << QStringList{"Quanti uccelli gialli?", "Ci sono 4 uccelli gialli.", "Quanti uccelli blu?",
                       "C'\u00e8 un solo uccello blu.", "Quanti uccelli?", "Ci sono 5 uccelli.",
                       "Ora scrivi l'operazione", " 4 + 1 = 5"};
}

void TestSchermataEsercizio::unEsercizioCompletoSiLeggeCosi()
{
    QFETCH(int, schermata);
    QFETCH(Esercizio, esercizio);
    QFETCH(QString, colore);
    QFETCH(QStringList, etichette);

    Banco b(schermata, esercizio, Modalita::Mouse);
    QVERIFY(b.avvia());
    QVERIFY(b.f.registro.voci.contains(QStringLiteral("BGColor ") + colore));
    b.completa();
    for (int n = 1; n <= 8; ++n)
        QCOMPARE(b.etichetta(n)->text(), etichette.at(n - 1));
    QCOMPARE(b.f.registro.voci.last(), QStringLiteral("@ p8 ..........."));
    QCOMPARE(b.f.registro.voci.at(b.f.registro.voci.size() - 2), QStringLiteral("Parla ") + etichette.last());
}

void TestSchermataEsercizio::avantiDuranteLaLetturaDellOperazioneNonLasciaCode_data()
{
    QTest::addColumn<bool>("misto");
    QTest::newRow("livello singolo: nuovo esercizio") << false;
    QTest::newRow("livello misto: tocca al compagno") << true;
}

void TestSchermataEsercizio::avantiDuranteLaLetturaDellOperazioneNonLasciaCode()
{
    QFETCH(bool, misto);

    ServiziFinti f;
    f.stato.ModalitaInput = Modalita::ScansioneManuale;
    f.stato.ColoreScansione = ColoreEvidenziato;
    QPointer<FormEsercizio> s;
    if (misto) {
        f.casuale.imposta(QVector<double>{estrai(0, 2)} + estrazioni(Esercizio{}, true));
        s = FormEsercizio::avviaLivelloMisto(f.servizi, nullptr, 6);
    } else {
        f.casuale.imposta(estrazioni(Esercizio{}, false));
        s = new FormEsercizio(f.servizi, 4);
        s->show();
    }
    QPointer<FormEsercizio> compagno = s->partner();
    QVERIFY(attendiAttivazione(s));
    auto *avanti = s->findChild<QPushButton *>(QStringLiteral("Command3"));
    f.stato.ModalitaInput = Modalita::Mouse;
    for (int giri = 0; s->modello().PassoCorrente() != 8 && giri < 10; ++giri) {
        const int passo = s->modello().PassoCorrente();
        if (passo == 5 || passo == 7)
            s->Command2_Click(indovina(s));
        else
            s->Command1_Click(indovina(s));
    }
    QCOMPARE(int(s->modello().PassoCorrente()), 8);
    f.stato.ModalitaInput = Modalita::ScansioneManuale;

    bool fatto = false;
    f.voce.durante = [&](const QString &testo) {
        if (fatto || !testo.contains(QLatin1Char('=')))
            return;
        fatto = true;
        f.stato.ModalitaInput = Modalita::ScansioneManuale;
        // "avanti" is already shown while the operation is read out.
        f.casuale.imposta(QVector<double>{estrai(1, 2)} + estrazioni(Esercizio{}, false));
        QTest::mouseClick(avanti, Qt::LeftButton);
    };
    s->Command1_Click(0);  // ignored outside the mouse mode
    f.stato.ModalitaInput = Modalita::Mouse;
    s->Command1_Click(indovina(s));
    f.stato.ModalitaInput = Modalita::ScansioneManuale;
    QVERIFY(fatto);

    // The interrupted step did not go on to highlight "avanti" afterwards.
    QVERIFY(avanti->isHidden());
    QCOMPARE(FormEsercizio::colore(avanti), Colori::Neutro);
    if (misto) {
        QVERIFY(!s->inTurno());
        QVERIFY(QTest::qWaitFor([&] { return compagno->inTurno(); }));
        QCOMPARE(compagno->numero(), 7);
    } else {
        QCOMPARE(int(s->modello().PassoCorrente()), 1);
        QCOMPARE(f.stato.SceltaCorrente, int16_t(0));
    }
    delete s.data();
    delete compagno.data();
}

void TestSchermataEsercizio::laDisposizioneSegueLaDescrizione_data()
{
    QTest::addColumn<int>("schermata");
    QTest::addColumn<int>("larghezza");
    QTest::addColumn<int>("sinistra");
    QTest::addColumn<int>("cima");
    QTest::addColumn<QColor>("sfondo");
    QTest::newRow("Form1") << 1 << 10620 << 5880 << 240 << QColor(128, 128, 255);
    QTest::newRow("Form2") << 2 << 10620 << 6000 << 360 << QColor(0, 128, 0);
    QTest::newRow("Form3") << 3 << 10620 << 6000 << 240 << QColor(0, 128, 128);
    QTest::newRow("Form4") << 4 << 10515 << 6000 << 360 << QColor(0, 192, 0);
    QTest::newRow("Form5") << 5 << 10515 << 6000 << 240 << QColor(0, 0, 192);
    QTest::newRow("Form6") << 6 << 10620 << 6000 << 240 << QColor(255, 192, 128);
    QTest::newRow("Form7") << 7 << 10515 << 6000 << 240 << QColor(255, 192, 128);
    QTest::newRow("Form8") << 8 << 10620 << 6000 << 240 << QColor(192, 0, 192);
    QTest::newRow("Form9") << 9 << 10515 << 6000 << 240 << QColor(192, 0, 192);
}

void TestSchermataEsercizio::laDisposizioneSegueLaDescrizione()
{
    QFETCH(int, schermata);
    QFETCH(int, larghezza);
    QFETCH(int, sinistra);
    QFETCH(int, cima);
    QFETCH(QColor, sfondo);

    ServiziFinti f;
    FormEsercizio s(f.servizi, schermata);
    auto *client = s.findChild<QWidget *>(QStringLiteral("client"));
    QCOMPARE(client->size(), Twips::size(larghezza, 6810));
    QCOMPARE(client->palette().color(QPalette::Window), sfondo);
    QCOMPARE(s.findChild<QLabel *>(QStringLiteral("Label1"))->geometry(), Twips::rect(sinistra, cima, 4455, 495));
    QCOMPARE(s.findChild<QLabel *>(QStringLiteral("Label7"))->text(), QStringLiteral("Ora scrivi l'operazione"));
    QCOMPARE(s.findChild<QStatusBar *>(QStringLiteral("StatusBar1"))->geometry(), Twips::rect(0, 6315, larghezza, 495));
    for (int i = 0; i <= 10; ++i) {
        auto *bottone = s.findChild<QPushButton *>(QStringLiteral("Command1_%1").arg(i));
        QCOMPARE(bottone->text(), QString::number(i));
        QCOMPARE(bottone->geometry(), Twips::rect(120 + 840 * i, 5640, 615, 615));
        QCOMPARE(bottone->focusPolicy(), Qt::NoFocus);
        QVERIFY(!bottone->accessibleName().isEmpty());
    }
    const QStringList segni{QStringLiteral("+"), QStringLiteral("-"), QStringLiteral("=")};
    for (int i = 0; i < 3; ++i) {
        auto *bottone = s.findChild<QPushButton *>(QStringLiteral("Command2_%1").arg(i));
        QCOMPARE(bottone->text(), segni.at(i));
        QVERIFY(bottone->isHidden());
    }
    QVERIFY(s.findChild<QPushButton *>(QStringLiteral("Command3"))->isHidden());
    QVERIFY(s.findChild<AnimationPlayer *>(QStringLiteral("ShockwaveFlash1")));
}

void TestSchermataEsercizio::ilLivelloMistoCominciaDaUnaSchermataEstratta_data()
{
    QTest::addColumn<int>("primo");
    QTest::addColumn<int>("estrazione");
    QTest::addColumn<int>("mostrata");
    QTest::newRow("livello 1, 0: addizione") << 6 << 0 << 6;
    QTest::newRow("livello 1, 1: sottrazione") << 6 << 1 << 7;
    QTest::newRow("livello 2, 0: addizione") << 8 << 0 << 8;
    QTest::newRow("livello 2, 1: sottrazione") << 8 << 1 << 9;
    QTest::newRow("livello 2 chiesto con Form9") << 9 << 1 << 9;
}

void TestSchermataEsercizio::ilLivelloMistoCominciaDaUnaSchermataEstratta()
{
    QFETCH(int, primo);
    QFETCH(int, estrazione);
    QFETCH(int, mostrata);

    ServiziFinti f;
    f.casuale.imposta(QVector<double>{estrai(estrazione, 2)} + estrazioni(Esercizio{}, mostrata % 2 == 0));
    QPointer<FormEsercizio> s = FormEsercizio::avviaLivelloMisto(f.servizi, nullptr, primo);
    QPointer<FormEsercizio> compagno = s->partner();
    QCOMPARE(s->numero(), mostrata);
    QVERIFY(compagno);
    QCOMPARE(compagno->numero(), mostrata % 2 == 0 ? mostrata + 1 : mostrata - 1);
    QCOMPARE(compagno->partner(), s.data());
    QVERIFY(attendiAttivazione(s));
    QVERIFY(s->isVisible());
    QVERIFY(!compagno->isVisible());
    QVERIFY(!compagno->inTurno());
    QCOMPARE(int(s->modello().Totale()), 5);
    delete s.data();
    delete compagno.data();
}

void TestSchermataEsercizio::avantiColMouseCambiaTurnoSecondoLEstrazione_data()
{
    QTest::addColumn<int>("schermata");
    QTest::addColumn<int>("estrazione");
    QTest::addColumn<bool>("cambia");
    QTest::newRow("Form6, 1 passa a Form7") << 6 << 1 << true;
    QTest::newRow("Form6, 0 resta") << 6 << 0 << false;
    QTest::newRow("Form7, 0 passa a Form6") << 7 << 0 << true;
    QTest::newRow("Form7, 1 resta") << 7 << 1 << false;
    QTest::newRow("Form8, 0 passa a Form9") << 8 << 0 << true;
    QTest::newRow("Form8, 1 resta") << 8 << 1 << false;
    QTest::newRow("Form9, 0 passa a Form8") << 9 << 0 << true;
    QTest::newRow("Form9, 1 resta") << 9 << 1 << false;
}

void TestSchermataEsercizio::avantiColMouseCambiaTurnoSecondoLEstrazione()
{
    QFETCH(int, schermata);
    QFETCH(int, estrazione);
    QFETCH(bool, cambia);

    ServiziFinti f;
    const bool addizione = schermata % 2 == 0;
    f.casuale.imposta(QVector<double>{estrai(addizione ? 0 : 1, 2)} + estrazioni(Esercizio{}, addizione));
    QPointer<FormEsercizio> s = FormEsercizio::avviaLivelloMisto(f.servizi, nullptr, schermata);
    QPointer<FormEsercizio> compagno = s->partner();
    QCOMPARE(s->numero(), schermata);
    QVERIFY(attendiAttivazione(s));
    completaColMouse(s);
    QCOMPARE(f.stato.Esatti, int16_t(8));
    const int totale = s->modello().Totale(), scena = s->modello().Scena();

    Esercizio prossimo;
    prossimo.totale = 9, prossimo.parte = 3, prossimo.scena = 2;
    const bool prossimoAddizione = cambia ? !addizione : addizione;
    f.casuale.imposta(QVector<double>{estrai(estrazione, 2)} + estrazioni(prossimo, prossimoAddizione));
    QSignalSpy attivazioneCompagno(compagno.data(), &Schermata::attivata);
    QTest::mouseClick(s->findChild<QPushButton *>(QStringLiteral("Command3")), Qt::LeftButton);

    if (!cambia) {
        QVERIFY(s->inTurno());
        QVERIFY(s->isVisible());
        QVERIFY(!compagno->isVisible());
        QCOMPARE(int(s->modello().Totale()), 9);
        QCOMPARE(f.stato.Esatti, int16_t(8));  // the score goes on
        QCOMPARE(attivazioneCompagno.count(), 0);
    } else {
        QVERIFY(attivazioneCompagno.wait(2000));
        QVERIFY(compagno->isVisible());
        QVERIFY(compagno->inTurno());
        QVERIFY(!s->isVisible());
        QVERIFY(!s->inTurno());
        QCOMPARE(int(compagno->modello().Totale()), 9);
        QCOMPARE(f.stato.Esatti, int16_t(0));
        QCOMPARE(compagno->testoPannello(1), QStringLiteral("Esatti  0"));
        // The resting screen keeps its exercise and does nothing.
        QCOMPARE(int(s->modello().Totale()), totale);
        QCOMPARE(int(s->modello().Scena()), scena);
        QCOMPARE(int(s->modello().ScenaPrecedente()), scena);
        QCOMPARE(int(s->modello().PassoCorrente()), 8);
        f.registro.svuota();
        s->seguente();
        s->seleziona();
        s->Command3_Click();
        QVERIFY(f.registro.voci.isEmpty());
        auto *input = s->findChild<ControlloreInput *>();
        QVERIFY(input && !input->timer().isActive());
    }
    delete s.data();
    delete compagno.data();
}

void TestSchermataEsercizio::avantiDaTastieraOScansioneNonCambiaMai_data()
{
    QTest::addColumn<int>("modo");
    QTest::newRow("scansione manuale") << 1;
    QTest::newRow("scansione automatica") << 2;
    QTest::newRow("frecce") << 3;
}

void TestSchermataEsercizio::avantiDaTastieraOScansioneNonCambiaMai()
{
    QFETCH(int, modo);
    ServiziFinti f;
    f.stato.ModalitaInput = int16_t(modo);
    f.casuale.imposta(QVector<double>{estrai(0, 2)} + estrazioni(Esercizio{}, true));
    QPointer<FormEsercizio> s = FormEsercizio::avviaLivelloMisto(f.servizi, nullptr, 6);
    QPointer<FormEsercizio> compagno = s->partner();
    QCOMPARE(s->numero(), 6);
    QVERIFY(attendiAttivazione(s));
    f.stato.ModalitaInput = Modalita::Mouse;
    completaColMouse(s);
    f.stato.ModalitaInput = int16_t(modo);
    // On Form6 a draw of 1 would switch, if a draw were made.
    for (int volta = 0; volta < 3; ++volta) {
        f.casuale.imposta(QVector<double>{estrai(1, 2)} + estrazioni(Esercizio{}, true));
        QVERIFY(!s->findChild<QPushButton *>(QStringLiteral("Command3"))->isHidden());
        s->seleziona();
        QVERIFY(s->inTurno());
        QVERIFY(!compagno->isVisible());
        // No turn was drawn: estrai(1, 2) became the total, Int(0.75 × 9) + 2.
        QCOMPARE(int(s->modello().PassoCorrente()), 1);
        QCOMPARE(int(s->modello().Totale()), 8);
        f.stato.ModalitaInput = Modalita::Mouse;
        completaColMouse(s);
        f.stato.ModalitaInput = int16_t(modo);
    }
    delete s.data();
    delete compagno.data();
}

void TestSchermataEsercizio::lasciareIlLivelloMistoDistruggeAncheIlCompagno()
{
    ServiziFinti f;
    f.casuale.imposta(QVector<double>{estrai(1, 2)} + estrazioni(Esercizio{}, false));
    QPointer<FormEsercizio> s = FormEsercizio::avviaLivelloMisto(f.servizi, nullptr, 8);
    QPointer<FormEsercizio> compagno = s->partner();
    QCOMPARE(s->numero(), 9);
    QVERIFY(attendiAttivazione(s));
    f.dialoghi.risposta = true;
    s->TornaAlMenu();
    QVERIFY(QTest::qWaitFor([&] { return s.isNull() && compagno.isNull(); }));
}

QTEST_MAIN(TestSchermataEsercizio)
#include "tst_schermataesercizio.moc"
