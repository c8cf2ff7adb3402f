#include "Finti.h"

#include "core/Chiusura.h"
#include "media/FormBocca.h"
#include "media/VoceProgramma.h"

#include <QPointer>
#include <QTimer>
#include <QtTest>

class TestParla : public QObject
{
    Q_OBJECT
    Chiusura m_chiusura;

private:
    Registro registro;
    QVector<MotoreFinto *> motori;
    std::unique_ptr<VoceProgramma> voce;

    MotoreFinto &motore() { return static_cast<MotoreFinto &>(voce->motore()); }

private slots:
    void init()
    {
        registro.svuota();
        motori.clear();
        voce = std::make_unique<VoceProgramma>([this] {
            auto m = std::make_unique<MotoreFinto>(&registro);
            motori << m.get();
            return std::unique_ptr<SpeechEngine>(std::move(m));
        }, m_chiusura);
    }
    void cleanup() { voce.reset(); }

    void riscrittura_data()
    {
        QTest::addColumn<QString>("testo");
        QTest::addColumn<QString>("parlato");
        QTest::newRow("accenti gravi e acuti") << QStringLiteral("Perché è così?") << QStringLiteral("Perche' e' cosi'?");
        QTest::newRow("e commerciale") << QStringLiteral("Città & paese") << QStringLiteral("Citta' e commerciale paese");
        QTest::newRow("apostrofo tipografico") << QStringLiteral("L\u2019uovo") << QStringLiteral("L'uovo");
        QTest::newRow("È maiuscola da sola") << QStringLiteral("È") << QStringLiteral("e'");
        QTest::newRow("maiuscole accentate") << QStringLiteral("ÀÒÙÌÉ") << QStringLiteral("a'o'u'i'e'");
        QTest::newRow("solo punto medio e trattino basso") << QStringLiteral("·_·__") << QString();
        QTest::newRow("punto medio e trattino in mezzo") << QStringLiteral("tre·nta_uno") << QStringLiteral("trentauno");
        QTest::newRow("maiuscole senza accento restano") << QStringLiteral("Quante LOCOMOTIVE?") << QStringLiteral("Quante LOCOMOTIVE?");
        QTest::newRow("cifre segni e a capo intatti") << QStringLiteral(" 7 - 3 = 4\n\t'x'") << QStringLiteral(" 7 - 3 = 4\n\t'x'");
        QTest::newRow("altri accenti non toccati") << QStringLiteral("àâäá") << QStringLiteral("a'âäá");
        QTest::newRow("apostrofo semplice resta") << QStringLiteral("l'ape") << QStringLiteral("l'ape");
        QTest::newRow("vuoto") << QString() << QString();
    }
    void riscrittura()
    {
        QFETCH(QString, testo);
        QFETCH(QString, parlato);
        QCOMPARE(testoPerLaVoce(testo), parlato);
    }

    void ordineDelleChiamate_data()
    {
        QTest::addColumn<QString>("testo");
        QTest::addColumn<QStringList>("atteso");
        QTest::newRow("testo normale") << QStringLiteral("Quante api?")
                                       << QStringList{"stop", "speak Quante api?"};
        QTest::newRow("testo vuoto ferma soltanto") << QString() << QStringList{"stop"};
        QTest::newRow("solo simboli scartati parla il vuoto") << QStringLiteral("·_")
                                                             << QStringList{"stop", "speak "};
        QTest::newRow("riscritto prima di parlare") << QStringLiteral("Perché?")
                                                   << QStringList{"stop", "speak Perche'?"};
    }
    void ordineDelleChiamate()
    {
        QFETCH(QString, testo);
        QFETCH(QStringList, atteso);
        QVERIFY(voce->Parla(testo));
        QCOMPARE(registro.voci, atteso);
        QVERIFY(!motore().isSpeaking());
    }

    void parlaAttendeLaFineDelDiscorso()
    {
        motore().fineAutomatica = false;
        QTimer::singleShot(30, &motore(), [this] {
            registro.scrivi(QStringLiteral("fine"));
            motore().finisci();
        });
        QVERIFY(voce->Parla(QStringLiteral("uno")));
        QCOMPARE(registro.voci, (QStringList{"stop", "speak uno", "fine"}));
    }

    void eventiGestitiDuranteLaVoce()
    {
        motore().fineAutomatica = false;
        int scatti = 0;
        QTimer ticchettio;
        connect(&ticchettio, &QTimer::timeout, [&] {
            if (++scatti == 3)
                motore().finisci();
        });
        ticchettio.start(5);
        QVERIFY(voce->Parla(QStringLiteral("uno")));
        QCOMPARE(scatti, 3);
    }

    void chiamataAnnidataTaglialEsterna()
    {
        motore().fineAutomatica = false;
        bool annidataFatta = false;
        QTimer::singleShot(10, [&] {
            // A click handled during the outer speech speaks again.
            motore().fineAutomatica = true;
            QVERIFY(voce->Parla(QStringLiteral("interna")));
            annidataFatta = true;
        });
        QVERIFY(voce->Parla(QStringLiteral("esterna")));
        QVERIFY(annidataFatta);
        QCOMPARE(registro.voci, (QStringList{"stop", "speak esterna", "stop", "speak interna"}));
        QVERIFY(!motore().isSpeaking());
    }

    void esternaAspettaLaVoceDellAnnidata()
    {
        // The outer call must not return while the nested speech still plays.
        motore().fineAutomatica = false;
        bool esternaTornata = false;
        QTimer::singleShot(10, [&] {
            QTimer::singleShot(40, [&] {
                registro.scrivi(esternaTornata ? QStringLiteral("troppo presto") : QStringLiteral("fine interna"));
                motore().finisci();
            });
            voce->Parla(QStringLiteral("interna"));
        });
        voce->Parla(QStringLiteral("esterna"));
        esternaTornata = true;
        QCOMPARE(registro.voci.last(), QStringLiteral("fine interna"));
    }

    void duePrimeChiamateUnSoloFormBocca()
    {
        voce->Parla(QStringLiteral("a"));
        voce->Parla(QStringLiteral("b"));
        QCOMPARE(motori.size(), 1);
    }

    void formBoccaDistruttoDaFuoriNonFaDanni()
    {
        voce->motore();
        // The program deletes every top-level widget when it ends, FormBocca too.
        const auto finestre = QApplication::topLevelWidgets();
        for (QWidget *w : finestre)
            if (qobject_cast<FormBocca *>(w))
                delete w;
        QVERIFY(voce->Parla(QStringLiteral("di nuovo")));
        QCOMPARE(motori.size(), 2);
        voce.reset();  // must not delete it twice
    }

    void motoreDistruttoDuranteLaVoce()
    {
        motore().fineAutomatica = false;
        QTimer::singleShot(10, [] {
            const auto finestre = QApplication::topLevelWidgets();
            for (QWidget *w : finestre)
                if (qobject_cast<FormBocca *>(w))
                    delete w;
        });
        QVERIFY(voce->Parla(QStringLiteral("uno")));
    }

    void formBoccaMaiMostrato()
    {
        voce->Parla(QStringLiteral("a"));
        const auto finestre = QApplication::topLevelWidgets();
        int trovati = 0;
        for (QWidget *w : finestre)
            if (qobject_cast<FormBocca *>(w)) {
                ++trovati;
                QVERIFY(!w->isVisible());
            }
        QCOMPARE(trovati, 1);
    }
};

QTEST_MAIN(TestParla)
#include "tst_parla.moc"
