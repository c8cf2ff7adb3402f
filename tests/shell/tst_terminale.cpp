#include "LeggiScrivi.h"
#include "record/DiarioSqlite.h"

#include <QLockFile>
#include <QProcess>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QtTest>

// The technician's commands through the real program, in a home of their own
// with two children, while a running copy holds the lock and the record.
class TestTerminale : public QObject
{
    Q_OBJECT

private slots:
    void comandi_data()
    {
        QTest::addColumn<QStringList>("argomenti");  // %1: the home
        QTest::addColumn<QString>("dati");           // XDG_DATA_HOME in the home
        QTest::addColumn<int>("esito");
        QTest::addColumn<QString>("errore");         // all of standard error
        QTest::addColumn<QByteArray>("contiene");    // the file written; empty: none
        // A title as Qt writes it into the PDF's information.
        auto titolo = [](const QString &chi) {
            QStringEncoder utf16(QStringEncoder::Utf16BE, QStringEncoder::Flag::WriteBom);
            return "/Title (" + QByteArray(utf16(QStringLiteral("Calcolotti – Relazione di ") + chi)) + ")";
        };
        QTest::newRow("CSV of the child who played last")
            << QStringList{"--esporta-diario", "%1/uscita"} << "dati" << 0 << "" << QByteArray("Addizione - 2°");
        QTest::newRow("report of a child by name, another case")
            << QStringList{"--relazione", "%1/uscita", "--bambino", "bambino 1", "--giorni", "7"} << "dati" << 0 << ""
            << titolo(QStringLiteral("Bambino 1"));
        QTest::newRow("unknown child") << QStringList{"--relazione", "%1/uscita", "--bambino", "Zorro"} << "dati" << 1
                                       << "calcolotti: Nessun bambino si chiama «Zorro». I bambini di questo computer "
                                          "sono: Bambino 1, Anna.\n"
                                       << QByteArray();
        QTest::newRow("missing file") << QStringList{"--esporta-diario", "--bambino", "Anna"} << "dati" << 2
                                      << "calcolotti: --esporta-diario vuole il nome del file CSV da scrivere.\n"
                                      << QByteArray();
        QTest::newRow("no record yet") << QStringList{"--relazione", "%1/uscita"} << "altrove" << 1
                                       << "calcolotti: Il diario %1/altrove/calcolotti/diario.sqlite non c'è: su questo "
                                          "computer non è stato registrato nessun esercizio.\n"
                                       << QByteArray();
    }

    void comandi()
    {
        QFETCH(QStringList, argomenti);
        QFETCH(QString, dati);
        QFETCH(int, esito);
        QFETCH(QString, errore);
        QFETCH(QByteArray, contiene);
        QTemporaryDir casa;
        const QString config = casa.filePath(QStringLiteral("config/ImpostazioniProgrammiLumba/"));
        QVERIFY(scrivi(config + QStringLiteral("bambini/2/calcolotti.ini"), "T\r\nF\r\n 255 \r\n 1 \r\n 135 \r\n 6 \r\n 2 \r\n"));
        QVERIFY(scrivi(config + QStringLiteral("bambini/2/profilo.ini"), "[profilo]\nnome=Anna\n"));
        QVERIFY(scrivi(config + QStringLiteral("bambini/ultimo.ini"), "[bambini]\nultimo=2\n"));
        DiarioSqlite diario(casa.filePath(QStringLiteral("dati/calcolotti/diario.sqlite")));
        const qint64 ora = QDateTime::currentMSecsSinceEpoch();
        for (const QString &livello : {QStringLiteral("Sottrazione - 1°"), QStringLiteral("Addizione - 2°")}) {
            diario.impostaBambino(livello.startsWith(QLatin1Char('S')) ? 1 : 2);
            diario.rispondi(diario.apriEsercizio({ora, livello, 2, QStringLiteral("addizione")}),
                            {ora + 1000, livello, 2, 1, 3, true, 2, 1500, 900, 0, 0, 400});
        }
        diario.attendi();
        QLockFile blocco(casa.filePath(QStringLiteral("dati/calcolotti/calcolotti.lock")));
        QVERIFY(blocco.tryLock(0));

        QProcess programma;
        QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
        ambiente.insert(QStringLiteral("HOME"), casa.path());
        ambiente.insert(QStringLiteral("XDG_CONFIG_HOME"), casa.filePath(QStringLiteral("config")));
        ambiente.insert(QStringLiteral("XDG_DATA_HOME"), casa.filePath(dati));
        ambiente.insert(QStringLiteral("XDG_RUNTIME_DIR"), casa.path());
        // No display and no platform named: the commands need neither.
        ambiente.remove(QStringLiteral("DISPLAY"));
        ambiente.remove(QStringLiteral("QT_QPA_PLATFORM"));
        programma.setProcessEnvironment(ambiente);
        argomenti.replaceInStrings(QStringLiteral("%1"), casa.path());
        programma.start(QStringLiteral(CALCOLOTTI_BUILD_DIR "/calcolotti"), argomenti);
        QVERIFY(programma.waitForFinished(60000));
        const QString detto = QString::fromUtf8(programma.readAllStandardError());
        QVERIFY2(programma.exitStatus() == QProcess::NormalExit && programma.exitCode() == esito, qPrintable(detto));
        QCOMPARE(detto, errore.replace(QStringLiteral("%1"), casa.path()));
        const QByteArray scritto = leggi(casa.filePath(QStringLiteral("uscita")));
        QCOMPARE(scritto == "(assente)", contiene.isEmpty());
        QVERIFY(contiene.isEmpty() || scritto.contains(contiene));
    }
};

QTEST_MAIN(TestTerminale)
#include "tst_terminale.moc"
