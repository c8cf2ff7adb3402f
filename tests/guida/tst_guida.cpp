#include "LeggiScrivi.h"

#include <QProcess>
#include <QStringEncoder>
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
    const QString pdf = cartella.filePath(QStringLiteral("calcolottisv.pdf"));
    QProcess makeguide;
    makeguide.start(QStringLiteral(CALCOLOTTI_MAKEGUIDE),
                    {QStringLiteral(CALCOLOTTI_GUIDA_SORGENTE), cartella.path(), pdf,
                     QStringLiteral(CALCOLOTTI_GUIDA_DISEGNI)});
    QVERIFY(makeguide.waitForFinished(60000));
    QCOMPARE(makeguide.exitCode(), 0);

    int titoli = 0;
    for (const QByteArray &riga : leggi(QStringLiteral(CALCOLOTTI_GUIDA_SORGENTE)).split('\n'))
        titoli += riga.startsWith("## ") || riga.startsWith("### ");
    QVERIFY(titoli > 10);

    const QByteArray dati = leggi(pdf);
    QStringEncoder utf16(QStringEncoder::Utf16BE, QStringEncoder::Flag::WriteBom);
    const QByteArray titolo = utf16(QStringLiteral("Calcolotti \u2013 Guida per genitori e insegnanti"));
    QVERIFY(dati.contains("/Title (" + titolo + ")"));
    QCOMPARE(dati.count("/Lang (it-IT)"), 1);
    QCOMPARE(dati.count("/PageMode /UseOutlines"), 1);
    QCOMPARE(dati.count("/Dest ["), titoli);
    QVERIFY(dati.contains("/Type /Outlines\n/First "));
    QVERIFY(dati.contains("/Count " + QByteArray::number(titoli) + "\n>>"));
}

QTEST_MAIN(TestGuida)
#include "tst_guida.moc"
