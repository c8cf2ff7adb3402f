#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

class TestGuida : public QObject
{
    Q_OBJECT

private slots:
    void titoloLinguaSegnalibri();
};

// The guide written without screenshots (an empty folder): its title, its
// language and one bookmark for each heading of the second and third level.
void TestGuida::titoloLinguaSegnalibri()
{
    QTemporaryDir cartella;
    QVERIFY(cartella.isValid());
    const QString pdf = cartella.filePath(QStringLiteral("calcolottisv.pdf"));
    QProcess makeguide;
    makeguide.start(QStringLiteral(CALCOLOTTI_MAKEGUIDE),
                    {QStringLiteral(CALCOLOTTI_GUIDA_SORGENTE), cartella.path(), pdf,
                     QStringLiteral(CALCOLOTTI_GUIDA_DISEGNI)});
    QVERIFY(makeguide.waitForFinished(60000));
    QCOMPARE(makeguide.exitCode(), 0);

    QFile sorgente(QStringLiteral(CALCOLOTTI_GUIDA_SORGENTE));
    QVERIFY(sorgente.open(QIODevice::ReadOnly));
    int titoli = 0;
    for (const QByteArray &riga : sorgente.readAll().split('\n'))
        titoli += riga.startsWith("## ") || riga.startsWith("### ");
    QVERIFY(titoli > 10);

    QFile file(pdf);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray dati = file.readAll();
    const QString titolo = QStringLiteral("Calcolotti \u2013 Guida per genitori e insegnanti");
    QByteArray utf16 = "\xFE\xFF";
    for (const QChar c : titolo) {
        utf16 += char(c.unicode() >> 8);
        utf16 += char(c.unicode() & 0xff);
    }
    QVERIFY(dati.contains("/Title (" + utf16 + ")"));
    QCOMPARE(dati.count("/Lang (it-IT)"), 1);
    QCOMPARE(dati.count("/PageMode /UseOutlines"), 1);
    QCOMPARE(dati.count("/Dest ["), titoli);
    QVERIFY(dati.contains("/Type /Outlines\n/First "));
    QVERIFY(dati.contains("/Count " + QByteArray::number(titoli) + "\n>>"));
}

QTEST_MAIN(TestGuida)
#include "tst_guida.moc"
