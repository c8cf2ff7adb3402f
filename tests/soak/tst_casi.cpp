// Faults the soak robot found, replayed step by step so that each stays fixed.

#include "../exercises/Banco.h"
#include "Finti.h"
#include "shell/FormMenu.h"
#include "shell/FabbricaSchermate.h"

#include <QApplication>

namespace {

int evidenziati(FormEsercizio *s, uint32_t colore)
{
    int n = 0;
    const auto bottoni = s->findChildren<QPushButton *>();
    for (QPushButton *b : bottoni)
        if (b->isVisible() && FormEsercizio::colore(b) == colore)
            ++n;
    return n;
}

QList<FormEsercizio *> esercizi()
{
    QList<FormEsercizio *> tutti;
    const auto finestre = QApplication::topLevelWidgets();
    for (QWidget *w : finestre)
        if (auto *e = qobject_cast<FormEsercizio *>(w))
            tutti << e;
    return tutti;
}

// Only the screens: their menus' popups go with them.
void chiudiSchermate()
{
    QList<QPointer<Schermata>> vive;
    const auto finestre = QApplication::topLevelWidgets();
    for (QWidget *w : finestre)
        if (auto *s = qobject_cast<Schermata *>(w))
            vive << s;
    for (const QPointer<Schermata> &s : std::as_const(vive))
        delete s.data();
}

void assesta()
{
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

}

class TestCasi : public QObject
{
    Q_OBJECT

private slots:
    void cleanup()
    {
        chiudiSchermate();
        assesta();
    }

    // A key that moves the highlight while a right answer's statement is
    // being read must not leave a second button lit when the next step starts.
    void unSoloEvidenziatoDopoUnTastoDuranteLaFrase_data()
    {
        QTest::addColumn<int>("schermata");
        QTest::addColumn<int>("modo");
        QTest::addColumn<int>("passi");  // how many moves during the speech
        QTest::newRow("Form4 scansione manuale") << 4 << int(Modalita::ScansioneManuale) << 3;
        QTest::newRow("Form1 frecce") << 1 << int(Modalita::Frecce) << 5;
        QTest::newRow("Form9 scansione automatica") << 9 << int(Modalita::ScansioneAutomatica) << 1;
    }
    void unSoloEvidenziatoDopoUnTastoDuranteLaFrase()
    {
        QFETCH(int, schermata);
        QFETCH(int, modo);
        QFETCH(int, passi);
        Banco b(schermata, Esercizio{}, int16_t(modo));
        QVERIFY(b.avvia());
        const int primo = b.s->modello().PassoCorrente();
        // Moves at every wait of the step, the last one after the group was
        // repainted.
        int attese = 0;
        auto muovi = [&] {
            ++attese;
            for (int i = 0; i < passi; ++i)
                b.s->seguente();
        };
        b.f.voce.durante = [&](const QString &) { muovi(); };
        b.f.attesa.durante = [&](double) { muovi(); };
        b.scegli(b.giusta(primo));
        QVERIFY(attese >= 2);
        QVERIFY(b.s->modello().PassoCorrente() != primo);
        QCOMPARE(evidenziati(b.s, ColoreEvidenziato), 1);
        QCOMPARE(FormEsercizio::colore(b.numero(0)), ColoreEvidenziato);
        QCOMPARE(b.f.stato.SceltaCorrente, int16_t(0));
    }

    // A choice made while a new exercise's first question is read must not be
    // taken as the last answer of the exercise before.
    void laPrimaDomandaNonRispondeAlPassoPrecedente_data()
    {
        QTest::addColumn<int>("schermata");
        QTest::newRow("Form4") << 4;
        QTest::newRow("Form2") << 2;
    }
    void laPrimaDomandaNonRispondeAlPassoPrecedente()
    {
        QFETCH(int, schermata);
        const Esercizio primo{5, 2, 7, 1, 0};
        Banco b(schermata, primo, Modalita::Mouse);
        QVERIFY(b.avvia());
        b.completa();
        QVERIFY(b.avanti()->isVisible());
        QCOMPARE(b.s->modello().PassoCorrente(), int16_t(8));

        const Esercizio secondo{6, 4, 9, 1, 0};
        b.f.casuale.imposta(estrazioni(secondo, b.addizione));
        const int esatti = b.f.stato.Esatti;
        QString operazioneDurante = QStringLiteral("(non parlato)");
        bool cliccato = false;
        b.f.voce.durante = [&](const QString &) {
            if (cliccato)
                return;
            cliccato = true;
            // The right result of the new exercise, had step 8 still held.
            b.s->Command1_Click(b.addizione ? secondo.totale : secondo.resto());
            operazioneDurante = b.etichetta(8)->text();
        };
        b.avanti()->click();
        QVERIFY(cliccato);
        QCOMPARE(operazioneDurante, QString());
        QCOMPARE(b.etichetta(8)->text(), QString());
        QCOMPARE(b.f.stato.Esatti, int16_t(esatti));
        QVERIFY(!b.avanti()->isVisible());
        QCOMPARE(b.s->modello().PassoCorrente(), int16_t(1));
    }

    // The menu's mixed levels: the two screens know each other, "avanti"
    // can hand the turn over, and leaving takes the hidden one away too.
    void ilLivelloMistoDalMenuEUnaCoppia_data()
    {
        QTest::addColumn<int>("voce");
        QTest::addColumn<double>("estrazione");
        QTest::addColumn<QString>("mostrata");
        QTest::addColumn<QString>("nascosta");
        QTest::newRow("voce 5, addizione") << 5 << 0.2 << "Form6" << "Form7";
        QTest::newRow("voce 5, sottrazione") << 5 << 0.7 << "Form7" << "Form6";
        QTest::newRow("voce 6, addizione") << 6 << 0.2 << "Form8" << "Form9";
        QTest::newRow("voce 6, sottrazione") << 6 << 0.7 << "Form9" << "Form8";
    }
    void ilLivelloMistoDalMenuEUnaCoppia()
    {
        QFETCH(int, voce);
        QFETCH(double, estrazione);
        QFETCH(QString, mostrata);
        QFETCH(QString, nascosta);
        ServiziFinti f;
        FabbricaSchermate navigatore(f.servizi);
        QVector<double> draws{estrazione};
        draws << estrazioni(Esercizio{}, mostrata == QLatin1String("Form6") || mostrata == QLatin1String("Form8"));
        f.casuale.imposta(draws);
        QPointer<Schermata> menu = navigatore.crea(IdSchermata::Menu);
        menu->show();
        static_cast<FormMenu *>(menu.data())->AvviaEsercizi(int16_t(voce));
        assesta();
        QVERIFY(!menu);

        const QList<FormEsercizio *> coppia = esercizi();
        QCOMPARE(coppia.size(), 2);
        FormEsercizio *visibile = coppia[0]->isVisible() ? coppia[0] : coppia[1];
        FormEsercizio *altra = visibile == coppia[0] ? coppia[1] : coppia[0];
        QCOMPARE(visibile->objectName(), mostrata);
        QCOMPARE(altra->objectName(), nascosta);
        QVERIFY(!altra->isVisible());
        QCOMPARE(visibile->partner(), altra);
        QCOMPARE(altra->partner(), visibile);

        f.dialoghi.risposta = true;
        visibile->TornaAlMenu();
        assesta();
        QVERIFY(esercizi().isEmpty());
        chiudiSchermate();
    }

    // Once the menu hands over it waits hidden for its deletion, maybe while
    // the next screen speaks: its scan must be still by then.
    void ilMenuLasciatoNonScandisce_data()
    {
        QTest::addColumn<int>("modo");
        QTest::addColumn<QString>("azione");
        QTest::newRow("scansione automatica, livello") << int(Modalita::ScansioneAutomatica) << QString();
        QTest::newRow("scansione manuale, livello") << int(Modalita::ScansioneManuale) << QString();
        QTest::newRow("frecce, Modalità di input") << int(Modalita::Frecce) << "mnuConf";
        QTest::newRow("scansione manuale, Voce") << int(Modalita::ScansioneManuale) << "mnuVoce";
    }
    void ilMenuLasciatoNonScandisce()
    {
        QFETCH(int, modo);
        QFETCH(QString, azione);
        ServiziFinti f;
        f.stato.ModalitaInput = int16_t(modo);
        f.casuale.imposta(estrazioni(Esercizio{}, false));
        FabbricaSchermate navigatore(f.servizi);
        QPointer<FormMenu> menu = static_cast<FormMenu *>(navigatore.crea(IdSchermata::Menu));
        menu->show();
        QVERIFY(menu->controllo().timer().isActive());
        if (azione.isEmpty())
            menu->AvviaEsercizi(3);
        else
            menu->findChild<QAction *>(azione)->trigger();
        QVERIFY(menu);  // not deleted yet: the hand-over defers it
        QVERIFY(menu->congedata());
        QVERIFY(!menu->controllo().timer().isActive());
        assesta();
        chiudiSchermate();
    }
};

QTEST_MAIN(TestCasi)
#include "tst_casi.moc"
