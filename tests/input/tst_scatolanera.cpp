#include "LeggiScrivi.h"

#include <QProcess>
#include <QRegularExpression>
#include <QtTest>

// The real program, its real voice, seen from outside through its logs: with
// spoken items on, every move of the one-switch scan hands the item's name to
// the synthesizer.
class TestScatolaNera : public QObject
{
    Q_OBJECT
private slots:
    void ogniPassoDiceIlSuoNome();
};

void TestScatolaNera::ogniPassoDiceIlSuoNome()
{
    const QString cartella = qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/ImpostazioniProgrammiLumba");
    QVERIFY(qEnvironmentVariable("HOME").contains(QStringLiteral("calcolotti-test")));
    // One switch, 1 s, fast voice.
    QVERIFY(scrivi(cartella + QStringLiteral("/calcolotti.ini"), "T\r\nF\r\n 255 \r\n 1 \r\n 200 \r\n 4 \r\n 2 \r\n"));
    QVERIFY(scrivi(cartella + QStringLiteral("/calcolotti-scansione.ini"), "[scansione]\nvoce=true\n"));

    QProcess programma;
    QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
    ambiente.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    ambiente.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("calcolotti.input=true\ncalcolotti.voce=true"));
    programma.setProcessEnvironment(ambiente);
    programma.start(QStringLiteral(CALCOLOTTI_HELPER_DIR "/helper_bambino"), {});
    QVERIFY(programma.waitForStarted());
    QTest::qWait(10000);  // each step is the word plus a second
    programma.terminate();
    QVERIFY(programma.waitForFinished(5000));
    const QStringList righe = QString::fromUtf8(programma.readAllStandardError()).split(QLatin1Char('\n'));

    // Every lit item, then the sentence handed to the synthesizer, before the next move.
    static const QRegularExpression passo(QStringLiteral("^calcolotti\\.input: \\d+ highlight (\\S+)"));
    QStringList detti;
    QString atteso;
    for (const QString &riga : righe) {
        const auto m = passo.match(riga);
        if (m.hasMatch()) {
            QVERIFY2(atteso.isEmpty(), qPrintable(QStringLiteral("nothing said for ") + atteso));
            atteso = m.captured(1);
        } else if (!atteso.isEmpty() && riga.startsWith(QStringLiteral("calcolotti.voce:")) && riga.contains(atteso)) {
            detti << atteso;
            atteso.clear();
        }
    }
    // From "Addizione - 1°" on: at least four items, in menu order.
    QVERIFY2(detti.size() >= 4, qPrintable(righe.join(QLatin1Char('\n'))));
    QCOMPARE(detti.mid(0, 4), (QStringList{"Addizione", "Addizione", "Addizione", "Sottrazione"}));
}

QTEST_GUILESS_MAIN(TestScatolaNera)
#include "tst_scatolanera.moc"
