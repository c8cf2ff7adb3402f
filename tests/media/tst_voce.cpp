#include "Finti.h"
#include "UscitaFinta.h"

#include "media/EspeakEngine.h"
#include "media/FormBocca.h"
#include "media/SuoniProgramma.h"
#include "media/VoceProgramma.h"

#include <QTemporaryDir>
#include <QtTest>
#include <cmath>

// What the child hears and how long the program waits for it: rewrites down to phonemes, Parla, Pausa, sounds.
class TestVoce : public QObject
{
    Q_OBJECT
    Chiusura m_chiusura;
    Registro registro;
    QVector<MotoreFinto *> motori;
    std::unique_ptr<VoceProgramma> voce;

    MotoreFinto &motore() { return static_cast<MotoreFinto &>(voce->motore()); }
    static void chiudiFormBocca() { qDeleteAll(QApplication::topLevelWidgets()); }

private slots:
    void init()
    {
        registro.svuota();
        motori.clear();
        voce = std::make_unique<VoceProgramma>([this] {
            motori << new MotoreFinto(&registro);
            return std::unique_ptr<SpeechEngine>(motori.last());
        }, m_chiusura);
    }
    void cleanup() { voce.reset(); }

    // Shown text, testoPerLaVoce's, what the engine hands to espeak-ng, what every voice must say.
    void riscritture_data()
    {
        QTest::addColumn<QString>("testo");
        QTest::addColumn<QString>("parlato");
        QTest::addColumn<QString>("perEspeak");
        QTest::addColumn<QString>("fonema");
        QTest::newRow("sottrazione") << " 7 - 3 = 4" << " 7 - 3 = 4" << " 7 meno 3 = 4" << "m'eno .*Ugw'ale";
        QTest::newRow("sottrazione a meta'") << " 10 - " << " 10 - " << " 10 meno " << "m'eno";
        QTest::newRow("livello del menù") << "Addizione - 2\u00b0" << "Addizione - 2\u00b0" << "Addizione - secondo" << "sek'ondo";
        QTest::newRow("addizione") << " 3 + 4 = 7" << " 3 + 4 = 7" << " 3 + 4 = 7" << "pj'u .*Ugw'ale";
        QTest::newRow("e finale accentata") << "Quanti scimpanz\u00e9?" << "Quanti scimpanze'?" << "Quanti scimpanz\u00e8?" << "Simpants'E";
        QTest::newRow("accenti gravi e acuti") << "Perch\u00e9 \u00e8 cos\u00ec?" << "Perche' e' cosi'?" << "Perch\u00e8 \u00e8 cos\u00ec?" << "koz'i";
        QTest::newRow("maiuscola elisa") << "\u00c8 partita. C'\u00e8 l\u2019ape" << "e' partita. C'e' l'ape" << "\u00e8 partita. C'\u00e8 l'ape" << "";
        QTest::newRow("e commerciale") << "Citt\u00e0 & paese" << "Citta' e commerciale paese" << "Citt\u00e0 e commerciale paese" << "tSit:'a";
        QTest::newRow("maiuscole accentate, punto medio, trattino basso") << "\u00c0\u00d2\u00d9\u00cc\u00c9 tre\u00b7nta_uno\u00b7_"
                                                                        << "a'o'u'i'e' trentauno" << "a'o'u'i'\u00e8 trentauno" << "";
        QTest::newRow("resta com'e'") << "'ciao' bianco-rosso L'UOVO \u00e2" << "'ciao' bianco-rosso L'UOVO \u00e2" << "'ciao' bianco-rosso L'UOVO \u00e2" << "";
    }
    void riscritture()
    {
        QFETCH(QString, testo);
        QFETCH(QString, parlato);
        QFETCH(QString, perEspeak);
        QFETCH(QString, fonema);
        QCOMPARE(testoPerLaVoce(testo), parlato);
        QCOMPARE(EspeakEngine::testoPerEspeak(parlato), perEspeak);
        EspeakEngine espeak(std::make_unique<NullAudioOutput>());
        QVERIFY(espeak.disponibile());
        for (int i = 1; !fonema.isEmpty() && i <= espeak.voiceCount(); ++i) {
            QVERIFY(espeak.selectVoice(i));
            QVERIFY2(espeak.fonemi(parlato).contains(QRegularExpression(fonema)), qPrintable(espeak.nomeEspeak(i) + ": " + espeak.fonemi(parlato)));
        }
    }

    // Stop, then the rewritten text; the wait lasts until the end, handles events, gives way to a nested
    // Parla whose end it awaits, and survives the hidden FormBocca going with the program's windows.
    void parla()
    {
        QVERIFY(voce->Parla(QString()));
        QVERIFY(voce->Parla(QStringLiteral("Perch\u00e9?")));
        QCOMPARE(registro.voci, (QStringList{"stop", "stop", "speak Perche'?"}));
        registro.svuota();
        motore().fineAutomatica = false;
        int scatti = 0;
        QTimer ticchettio;
        connect(&ticchettio, &QTimer::timeout, [&] {
            if (++scatti != 3)
                return;
            QTimer::singleShot(40, [&] { registro.scrivi("fine interna"); motore().finisci(); });
            voce->Parla(QStringLiteral("interna"));
        });
        ticchettio.start(5);
        QVERIFY(voce->Parla(QStringLiteral("esterna")));
        ticchettio.stop();
        QCOMPARE(registro.voci, (QStringList{"stop", "speak esterna", "stop", "speak interna", "fine interna"}));
        const auto finestre = QApplication::topLevelWidgets();
        QVERIFY(finestre.size() == 1 && qobject_cast<FormBocca *>(finestre[0]) && !finestre[0]->isVisible());
        QTimer::singleShot(10, &TestVoce::chiudiFormBocca);
        QVERIFY(voce->Parla(QStringLiteral("uno")));
        QVERIFY(voce->Parla(QStringLiteral("di nuovo")));
        QCOMPARE(motori.size(), 2);
    }

    void pausa_data()
    {
        QTest::addColumn<double>("secondi");
        QTest::newRow("zero") << 0.0;
        QTest::newRow("negativo") << -1.5;
        QTest::newRow("non un numero") << std::nan("");
        QTest::newRow("tre decimi") << 0.3;
    }
    // No wait runs no event; a real one never ends early, handles events and nests (the event waits longer).
    void pausa()
    {
        QFETCH(double, secondi);
        AttesaProgramma attesa(m_chiusura);
        QElapsedTimer orologio;
        orologio.start();
        int scatti = 0;
        qint64 fineInterna = 0;
        QObject contesto;  // takes the event along when the pause runs none
        QTimer::singleShot(0, &contesto, [&] { ++scatti; attesa.Pausa(0.4); fineInterna = orologio.nsecsElapsed(); });
        QVERIFY(attesa.Pausa(secondi));
        QCOMPARE(scatti, secondi > 0 ? 1 : 0);
        QVERIFY(orologio.nsecsElapsed() >= std::max(fineInterna, qint64(secondi * 1e9)));
    }

    // The file for a draw r: n = floor(count * r) + 1 over every entry *.wav; "." and ".." never count.
    void sceltaDelSuono_data()
    {
        QTest::addColumn<QStringList>("voci");  // a trailing / makes a folder
        QTest::addColumn<double>("r");
        QTest::addColumn<QString>("atteso");
        const QStringList cinque{"1.wav", "2.wav", "3.wav", "4.wav", "5.wav"};
        QTest::newRow("r un quinto") << cinque << 0.2 << "2.wav";
        QTest::newRow("appena sotto") << cinque << 0.1999 << "1.wav";
        QTest::newRow("quasi uno") << cinque << 0.9999 << "5.wav";
        QTest::newRow("vuota") << QStringList{} << 0.7 << "1.wav";
        QTest::newRow("altri file no") << QStringList{"1.wav", "a.txt", "2.WAVE", "c/"} << 0.99 << "1.wav";
        QTest::newRow("nome strano, cartella .wav, nascosto") << QStringList{"x.wav", "v.wav/", ".h.wav"} << 0.99 << "3.wav";
        QTest::newRow("un buco nomina il mancante") << QStringList{"1.wav", "3.wav"} << 0.6 << "2.wav";
    }
    void sceltaDelSuono()
    {
        QFETCH(QStringList, voci);
        QFETCH(double, r);
        QFETCH(QString, atteso);
        QTemporaryDir radice;
        const QDir si(radice.filePath(QStringLiteral("suoni/si")));
        QVERIFY(QDir().mkpath(si.path()) && QDir().mkpath(radice.filePath(QStringLiteral("suoni/no"))));
        for (const QString &nome : voci)
            QVERIFY(nome.endsWith('/') ? si.mkdir(nome.chopped(1)) : QFile(si.filePath(nome)).open(QIODevice::WriteOnly));
        QCOMPARE(SuoniProgramma::fileScelto(si.path(), r), si.filePath(atteso));

        StatoProgramma stato;
        GeneratoreScriptato casuale;
        casuale.imposta({r, 0.5});
        UscitaFinta uscita;
        SuoniProgramma suoni(stato, casuale, radice.path(), uscita);
        suoni.SuonoSi();
        suoni.SuonoNo();
        QCOMPARE(uscita.effetti, (QStringList{si.filePath(atteso), radice.filePath("suoni/no/1.wav")}));
        stato.SuoniAttivati = false;
        suoni.SuonoSi();
        QVERIFY(casuale.prossimo == 2 && uscita.effetti.size() == 2);  // one draw each, none while off
    }

    // Last: once the program is told to quit, every wait stops at once and says so.
    void chiusura()
    {
        motore().fineAutomatica = false;
        QTimer::singleShot(20, [] { QCoreApplication::quit(); });
        QVERIFY(!voce->Parla(QStringLiteral("uno")));
        QVERIFY(m_chiusura.inCorso());
        registro.svuota();
        QVERIFY(!voce->Parla(QStringLiteral("due")));  // not spoken, nothing waits
        QCOMPARE(registro.voci, QStringList{"stop"});
        AttesaProgramma attesa(m_chiusura);
        QVERIFY(!attesa.Pausa(30.0) && !attesa.Pausa(0.0));  // a hang here is the fault
    }
};

// Inside the application's own event loop, as in the program, so that quit() reaches the waits.
int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    TestVoce prova;
    int esito = 1;
    QTimer::singleShot(0, [&] { esito = QTest::qExec(&prova, argc, argv); });
    app.exec();
    return esito;
}
#include "tst_voce.moc"
