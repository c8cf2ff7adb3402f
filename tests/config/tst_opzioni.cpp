#include "BancoSchermate.h"
#include "LeggiScrivi.h"
#include "config/FormOpzioniScansione.h"
#include "shell/ModuloOpzioni.h"

#include <QCheckBox>
#include <QSpinBox>
#include <QTemporaryDir>

// The scanning options: their own file beside the settings, and the adult's
// screen with its trial row.
class TestOpzioni : public QObject
{
    Q_OBJECT
private slots:
    void lettura_data();
    void lettura();
    void salvataggioERilettura();
    void loSchermoScriveSubitoELaProvaScandisce();
};

namespace {

QString comeTesto(const OpzioniScansione &o)
{
    return QStringLiteral("%1 %2 %3 %4 %5 %6 %7 %8 %9 ")
               .arg(o.voce).arg(o.suono).arg(o.ritardoPrimo).arg(o.giri).arg(o.pressioneMinimaMs)
               .arg(o.ignoraRipetuteMs).arg(o.gruppi).arg(o.bordo).arg(o.ingrandisci)
        + QStringLiteral("%1 %2").arg(o.pausaDopoSceltaMs).arg(o.pressioneMassimaMs);
}

}

void TestOpzioni::lettura_data()
{
    QTest::addColumn<QByteArray>("file");
    // voce suono ritardo giri minima ripetute gruppi bordo ingrandisci pausa massima
    QTest::addColumn<QString>("attese");
    QTest::addColumn<int>("scartati");    // values reported as not valid

    QTest::newRow("no file") << QByteArray() << "0 0 1 0 0 0 0 0 0 300 0" << 0;
    QTest::newRow("every option") << QByteArray("[scansione]\nvoce=true\nsuono=true\nritardoPrimo=2.5\ngiri=3\n"
                                                "pressioneMinimaMs=150\nignoraRipetuteMs=300\ngruppi=true\n"
                                                "bordo=true\ningrandisci=true\npausaDopoSceltaMs=450\n"
                                                "pressioneMassimaMs=3000\n")
                                  << "1 1 2.5 3 150 300 1 1 1 450 3000" << 0;
    QTest::newRow("out of range and unreadable keep their defaults")
        << QByteArray("[scansione]\nvoce=si\nritardoPrimo=3.5\ngiri=-1\npressioneMinimaMs=2001\nbordo=true\n"
                      "pausaDopoSceltaMs=2500\npressioneMassimaMs=500\n")
        << "0 0 1 0 0 0 0 1 0 300 0" << 6;
    QTest::newRow("no pause, no limit") << QByteArray("[scansione]\npausaDopoSceltaMs=0\npressioneMassimaMs=0\n")
                                        << "0 0 1 0 0 0 0 0 0 0 0" << 0;
    QTest::newRow("another group is not ours") << QByteArray("[altro]\nvoce=true\n") << "0 0 1 0 0 0 0 0 0 300 0" << 0;
}

void TestOpzioni::lettura()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, attese);
    QFETCH(int, scartati);
    QTemporaryDir cartella;
    StatoProgramma stato;
    stato.PercorsoIni = cartella.filePath(QStringLiteral("calcolotti.ini"));
    QVERIFY(file.isNull() || scrivi(ModuloOpzioni::percorso(stato), file));
    for (int i = 0; i < scartati; ++i)
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("is not valid: the default is kept")));
    stato.Scansione.giri = 9;  // whatever was there before is not kept
    ModuloOpzioni::LeggiOpzioni(stato);
    QCOMPARE(comeTesto(stato.Scansione), attese);
}

void TestOpzioni::salvataggioERilettura()
{
    QTemporaryDir cartella;
    StatoProgramma stato;
    stato.PercorsoIni = cartella.filePath(QStringLiteral("sotto/calcolotti.ini"));
    // Every value differs from its default and from the others.
    stato.Scansione = {true, false, 1.5, 4, 250, 150, true, false, true, 650, 4000};
    QVERIFY(ModuloOpzioni::SalvaOpzioni(stato));
    QCOMPARE(leggi(ModuloOpzioni::percorso(stato)), QByteArray("[scansione]\nvoce=true\nsuono=false\nritardoPrimo=1.5\ngiri=4\n"
                                           "pressioneMinimaMs=250\nignoraRipetuteMs=150\ngruppi=true\nbordo=false\n"
                                           "ingrandisci=true\npausaDopoSceltaMs=650\npressioneMassimaMs=4000\n"));
    StatoProgramma riletto;
    riletto.PercorsoIni = stato.PercorsoIni;
    ModuloOpzioni::LeggiOpzioni(riletto);
    QCOMPARE(comeTesto(riletto.Scansione), comeTesto(stato.Scansione));
    // The settings file itself is not touched.
    QVERIFY(!QFile::exists(stato.PercorsoIni));
    // Something that is not an ordinary file is never replaced, nor a file outside the folder.
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("scanning options not saved")));
    stato.PercorsoIni = cartella.filePath(QStringLiteral("altro/calcolotti.ini"));
    QDir().mkpath(ModuloOpzioni::percorso(stato));
    QVERIFY(ModuloOpzioni::SalvaOpzioniOMotivo(stato).contains(QStringLiteral("c'è una cartella")));
    QVERIFY(QFileInfo(ModuloOpzioni::percorso(stato)).isDir());
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("scanning options not saved")));
    const QString estraneo = cartella.filePath(QStringLiteral("passwd"));
    QVERIFY(QFile::copy(QFINDTESTDATA("tst_opzioni.cpp"), estraneo));
    stato.PercorsoIni = cartella.filePath(QStringLiteral("collegata/calcolotti.ini"));
    QVERIFY(QDir().mkpath(cartella.filePath(QStringLiteral("collegata"))));
    QVERIFY(QFile::link(estraneo, ModuloOpzioni::percorso(stato)));
    QVERIFY(ModuloOpzioni::SalvaOpzioniOMotivo(stato).contains(QStringLiteral("porta fuori dalla cartella")));
    QCOMPARE(QFileInfo(estraneo).size(), QFileInfo(QFINDTESTDATA("tst_opzioni.cpp")).size());
}

void TestOpzioni::loSchermoScriveSubitoELaProvaScandisce()
{
    Banco b;
    b.finti.stato.ModalitaInput = Modalita::Mouse;
    auto *s = static_cast<FormOpzioniScansione *>(b.navigatore.crea(IdSchermata::OpzioniScansione));
    QVERIFY(mostraEAttiva(s));
    s->findChild<QCheckBox *>(QStringLiteral("gruppi"))->setChecked(true);
    s->findChild<QSpinBox *>(QStringLiteral("giri"))->setValue(2);
    s->findChild<QSpinBox *>(QStringLiteral("pausaDopoSceltaMs"))->setValue(500);
    QCOMPARE(b.finti.stato.Scansione.giri, 2);
    QCOMPARE(b.finti.stato.Scansione.pausaDopoSceltaMs, 500);
    // The longest press is off or a second at least: a step between jumps over the gap.
    auto *massima = s->findChild<QSpinBox *>(QStringLiteral("pressioneMassimaMs"));
    QCOMPARE(massima->text(), QStringLiteral("mai"));
    massima->stepUp();
    QCOMPARE(b.finti.stato.Scansione.pressioneMassimaMs, 1000);
    massima->stepDown();
    QCOMPARE(b.finti.stato.Scansione.pressioneMassimaMs, 0);
    // With the mouse chosen, the trial scans as one switch would; groups first.
    s->prova(true);
    QVERIFY(!s->controllo().evidenziata()->objectName().isEmpty());
    QCOMPARE(s->controllo().modello().evidenza().gruppo, 0);
    b.passa(1000);
    QCOMPARE(s->controllo().modello().evidenza().gruppo, 1);
    // A lit group is one control for assistive technology, named by its ends.
    QCOMPARE(QApplication::focusWidget()->accessibleName(), QStringLiteral("da 4 a 6"));
    b.passa(3000);  // two whole loops, then rest
    QVERIFY(s->controllo().modello().aRiposo());
    s->prova(false);
    QVERIFY(!s->controllo().inAscolto() || !s->controllo().evidenziata());
}

QTEST_MAIN(TestOpzioni)
#include "tst_opzioni.moc"
