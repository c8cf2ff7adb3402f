#include "LeggiScrivi.h"
#include "shell/Verifica.h"

#include <QDirIterator>
#include <QTemporaryDir>
#include <QTest>

class TestVerifica : public QObject
{
    Q_OBJECT

private slots:
    void dati_data();
    void dati();
    void voceItaliana();
};

namespace {

// The program's data copied under `cartella`, which the test then spoils.
void copiaDati(const QString &cartella)
{
    const QDir sorgente(QStringLiteral(CALCOLOTTI_SOURCE_DATA));
    QDirIterator voci(sorgente.path(), QDir::Files, QDirIterator::Subdirectories);
    while (voci.hasNext()) {
        const QString file = voci.next();
        scrivi(cartella + QLatin1Char('/') + sorgente.relativeFilePath(file), leggi(file));
    }
}

}

void TestVerifica::dati_data()
{
    QTest::addColumn<QString>("guida");    // where the guide is, relative to the data folder
    QTest::addColumn<QString>("guasto");   // a data file removed ("-") or overwritten ("!")
    QTest::addColumn<QString>("mancante"); // the one missing line names this; empty: all found

    QTest::newRow("build folder: all there") << "calcolottisv.pdf" << "" << "";
    QTest::newRow("installed: the guide in the documentation folder")
        << "../doc/calcolotti/calcolottisv.pdf" << "" << "";
    QTest::newRow("no guide") << "" << "" << "calcolottisv.pdf";
    QTest::newRow("a scene missing") << "calcolottisv.pdf" << "-scenes/a30.svg" << "a30.svg";
    QTest::newRow("a scene that does not load") << "calcolottisv.pdf" << "!scenes/b5.svg" << "b5.svg";
    QTest::newRow("a gap in the sounds") << "calcolottisv.pdf" << "-suoni/si/2.wav" << "si/2.wav";
    QTest::newRow("a sound that is no wave") << "calcolottisv.pdf" << "!suoni/no/1.wav" << "no/1.wav";
}

void TestVerifica::dati()
{
    QFETCH(QString, guida);
    QFETCH(QString, guasto);
    QFETCH(QString, mancante);
    QTemporaryDir radice;
    const QString cartella = radice.filePath(QStringLiteral("share/calcolotti"));
    copiaDati(cartella);
    if (!guida.isEmpty())
        QVERIFY(scrivi(cartella + QLatin1Char('/') + guida, "%PDF-1.4\n"));
    if (guasto.startsWith(QLatin1Char('-')))
        QVERIFY(QFile::remove(cartella + QLatin1Char('/') + guasto.mid(1)));
    else if (guasto.startsWith(QLatin1Char('!')))
        QVERIFY(scrivi(cartella + QLatin1Char('/') + guasto.mid(1), "RIFF not what it seems"));

    const EsitoVerifica esito = Verifica::dati(cartella);
    if (mancante.isEmpty()) {
        QVERIFY2(esito.mancanti.isEmpty(), qPrintable(esito.mancanti.join(QLatin1Char('\n'))));
        QVERIFY(esito.trovati.join(QLatin1Char('\n')).contains(QDir::cleanPath(cartella + QLatin1Char('/') + guida)));
    } else {
        QCOMPARE(esito.mancanti.size(), 1);
        QVERIFY2(esito.mancanti.first().contains(mancante), qPrintable(esito.mancanti.first()));
    }
}

void TestVerifica::voceItaliana()
{
    EsitoVerifica esito;
    Verifica::voce(esito);
    QVERIFY2(esito.mancanti.isEmpty(), qPrintable(esito.mancanti.join(QLatin1Char('\n'))));
    QCOMPARE(esito.trovati.size(), 1);
    QVERIFY(esito.trovati.first().contains(QStringLiteral("\"it\"")));
}

QTEST_MAIN(TestVerifica)
#include "tst_verifica.moc"
