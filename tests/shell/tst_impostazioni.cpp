#include "shell/ModuloPerIni.h"
#include "core/StatoProgramma.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

namespace {

struct Valori {
    bool suoni, mouse;
    double colore;
    int voce, velocitaVoce, scansione, modalita;
};

const Valori Predefiniti{true, false, 255, 1, 135, 4, 0};

Valori valoriDi(const StatoProgramma &s)
{
    return {s.SuoniAttivati, s.DisabilitaMousePersonalizzato, s.ColoreScansione, s.NumeroVoce,
            s.VelocitaVoce, s.VelocitaScansione, s.ModalitaInput};
}

// Starts from values unlike the defaults, so a fallback is visible.
StatoProgramma statoDiverso()
{
    StatoProgramma s;
    s.SuoniAttivati = false;
    s.DisabilitaMousePersonalizzato = true;
    s.ColoreScansione = 1;
    s.NumeroVoce = 7;
    s.VelocitaVoce = 77;
    s.VelocitaScansione = 7;
    s.ModalitaInput = 3;
    return s;
}

QByteArray file(const char *a, const char *b, const char *c, const char *d, const char *e,
                const char *f, const char *g)
{
    return QByteArray(a) + "\r\n" + b + "\r\n" + c + "\r\n" + d + "\r\n" + e + "\r\n" + f + "\r\n" + g + "\r\n";
}

}

Q_DECLARE_METATYPE(Valori)

class TestImpostazioni : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void lettura_data();
    void lettura();
    void fileMancanteDaIPredefiniti();
    void scrittura_data();
    void scrittura();
    void salvataggioERiletturaDannoGliStessiValori();
    void salvataggioCreaCartellaELeggimiSoloSeMancano();
    void salvataggioInterrottoLasciaIlVecchioFileIntero_data();
    void salvataggioInterrottoLasciaIlVecchioFileIntero();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestImpostazioni::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    // Never the real user's folder: every path below comes from here.
    qputenv("XDG_CONFIG_HOME", (m_dir->path() + QStringLiteral("/config")).toLocal8Bit());
}

void TestImpostazioni::lettura_data()
{
    QTest::addColumn<QByteArray>("contenuto");
    QTest::addColumn<Valori>("attesi");

    QTest::newRow("defaults as written") << file("T", "F", " 255 ", " 1 ", " 135 ", " 4 ", " 0 ") << Predefiniti;
    QTest::newRow("other values") << file("F", "T", " 65280 ", " 3 ", " 70 ", " 2 ", " 2 ")
                                  << Valori{false, true, 65280, 3, 70, 2, 2};
    QTest::newRow("commas on one line") << QByteArray("T,T,16711680,2,200,60,3\r\n")
                                        << Valori{true, true, 16711680, 2, 200, 60, 3};
    QTest::newRow("blanks before fields and LF ends") << QByteArray("  F\n  F\n   12\n 2\n 90\n 5\n 1\n")
                                                      << Valori{false, false, 12, 2, 90, 5, 1};
    QTest::newRow("True reads true, true reads false")
        << file("True", "true", "255", "1", "135", "4", "0") << Valori{true, false, 255, 1, 135, 4, 0};
    QTest::newRow("lower-case t is false") << file("t", "T", "255", "1", "135", "4", "0")
                                           << Valori{false, true, 255, 1, 135, 4, 0};
    QTest::newRow("empty flag lines are false") << file("", "", "255", "1", "135", "4", "0")
                                                << Valori{false, false, 255, 1, 135, 4, 0};
    QTest::newRow("scanning step of two quarters stays") << file("T", "F", "255", "1", "135", "2", "0")
                                                         << Valori{true, false, 255, 1, 135, 2, 0};
    QTest::newRow("out-of-range values stay as read") << file("T", "F", "255", "-1", "-5", "0", "9")
                                                      << Valori{true, false, 255, -1, -5, 0, 9};
    QTest::newRow("16-bit ends fit") << file("T", "F", "0", "32767", "-32768", "4", "0")
                                     << Valori{true, false, 0, 32767, -32768, 4, 0};
    QTest::newRow("decimal colour") << file("T", "F", "255.0", "1", "135", "4", "0") << Predefiniti;
    QTest::newRow("text after the seventh field is ignored")
        << file("F", "F", "1", "2", "3", "4", "0") + "rubbish\r\nmore\r\n" << Valori{false, false, 1, 2, 3, 4, 0};
    QTest::newRow("no final line end") << QByteArray("F\r\nF\r\n 1 \r\n 2 \r\n 3 \r\n 4 \r\n 1")
                                       << Valori{false, false, 1, 2, 3, 4, 1};

    // Every failure gives all seven defaults, also for the fields already read.
    QTest::newRow("32768 does not fit") << file("F", "T", "1", "32768", "70", "2", "2") << Predefiniti;
    QTest::newRow("-32769 does not fit") << file("F", "T", "1", "1", "-32769", "2", "2") << Predefiniti;
    QTest::newRow("only five lines") << QByteArray("F\r\nT\r\n 65280 \r\n 3 \r\n 70 \r\n") << Predefiniti;
    QTest::newRow("letters on a number line") << file("F", "T", "rosso", "1", "70", "2", "2") << Predefiniti;
    QTest::newRow("digits then letters") << file("F", "T", "1", "12abc", "70", "2", "2") << Predefiniti;
    QTest::newRow("empty number line") << file("F", "T", "1", "", "70", "2", "2") << Predefiniti;
    QTest::newRow("colour too large for a double") << file("F", "T", "1e400", "1", "70", "2", "2") << Predefiniti;
    QTest::newRow("empty file") << QByteArray() << Predefiniti;
    QTest::newRow("binary") << QByteArray("\x00\x01\xff\xfe,\x00\r\n\x7f", 10) << Predefiniti;
}

void TestImpostazioni::lettura()
{
    QFETCH(QByteArray, contenuto);
    QFETCH(Valori, attesi);
    StatoProgramma stato = statoDiverso();
    stato.PercorsoIni = m_dir->filePath(QStringLiteral("calcolotti.ini"));
    QFile f(stato.PercorsoIni);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(contenuto);
    f.close();

    ModuloPerIni::LeggiImpostazioni(stato);

    const Valori letti = valoriDi(stato);
    QCOMPARE(letti.suoni, attesi.suoni);
    QCOMPARE(letti.mouse, attesi.mouse);
    QCOMPARE(letti.colore, attesi.colore);
    QCOMPARE(letti.voce, attesi.voce);
    QCOMPARE(letti.velocitaVoce, attesi.velocitaVoce);
    QCOMPARE(letti.scansione, attesi.scansione);
    QCOMPARE(letti.modalita, attesi.modalita);
}

void TestImpostazioni::fileMancanteDaIPredefiniti()
{
    StatoProgramma stato = statoDiverso();
    stato.PercorsoIni = m_dir->filePath(QStringLiteral("manca/calcolotti.ini"));
    ModuloPerIni::LeggiImpostazioni(stato);
    QCOMPARE(stato.VelocitaVoce, int16_t(135));
    QCOMPARE(stato.SuoniAttivati, true);
    QCOMPARE(stato.ModalitaInput, int16_t(0));
    QVERIFY(!QFileInfo::exists(m_dir->filePath(QStringLiteral("manca"))));

    // A huge file is read from its start.
    QByteArray grande = file("F", "F", "1", "2", "3", "4", "3");
    grande += QByteArray(8 * 1024 * 1024, 'x');
    stato.PercorsoIni = m_dir->filePath(QStringLiteral("grande.ini"));
    QFile f(stato.PercorsoIni);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(grande);
    f.close();
    ModuloPerIni::LeggiImpostazioni(stato);
    QCOMPARE(stato.ModalitaInput, int16_t(3));
    QCOMPARE(stato.SuoniAttivati, false);
}

void TestImpostazioni::scrittura_data()
{
    QTest::addColumn<Valori>("valori");
    QTest::addColumn<QByteArray>("attesi");
    QTest::newRow("defaults") << Predefiniti
                              << QByteArray("T\r\nF\r\n 255 \r\n 1 \r\n 135 \r\n 4 \r\n 0 \r\n");
    QTest::newRow("other values") << Valori{false, true, 16711680, 3, 200, 60, 2}
                                  << QByteArray("F\r\nT\r\n 16711680 \r\n 3 \r\n 200 \r\n 60 \r\n 2 \r\n");
    QTest::newRow("negative numbers take the sign place") << Valori{true, true, 0, -1, -70, 4, 3}
                                                          << QByteArray("T\r\nT\r\n 0 \r\n-1 \r\n-70 \r\n 4 \r\n 3 \r\n");
}

void TestImpostazioni::scrittura()
{
    QFETCH(Valori, valori);
    QFETCH(QByteArray, attesi);
    StatoProgramma stato;
    stato.SuoniAttivati = valori.suoni;
    stato.DisabilitaMousePersonalizzato = valori.mouse;
    stato.ColoreScansione = valori.colore;
    stato.NumeroVoce = int16_t(valori.voce);
    stato.VelocitaVoce = int16_t(valori.velocitaVoce);
    stato.VelocitaScansione = int16_t(valori.scansione);
    stato.ModalitaInput = int16_t(valori.modalita);
    stato.PercorsoIni = ModuloPerIni::PercorsoIniPredefinito();
    QVERIFY(ModuloPerIni::SalvaImpostazioni(stato));
    QFile f(stato.PercorsoIni);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), attesi);
}

void TestImpostazioni::salvataggioERiletturaDannoGliStessiValori()
{
    auto *casuale = QRandomGenerator::global();
    for (int giro = 0; giro < 50; ++giro) {
        StatoProgramma scritto;
        scritto.PercorsoIni = ModuloPerIni::PercorsoIniPredefinito();
        scritto.SuoniAttivati = casuale->bounded(2);
        scritto.DisabilitaMousePersonalizzato = casuale->bounded(2);
        scritto.ColoreScansione = casuale->bounded(0x1000000);
        scritto.NumeroVoce = int16_t(casuale->bounded(-32768, 32768));
        scritto.VelocitaVoce = int16_t(casuale->bounded(-32768, 32768));
        scritto.VelocitaScansione = int16_t(casuale->bounded(-32768, 32768));
        scritto.ModalitaInput = int16_t(casuale->bounded(-32768, 32768));
        QVERIFY(ModuloPerIni::SalvaImpostazioni(scritto));
        StatoProgramma letto = statoDiverso();
        letto.PercorsoIni = scritto.PercorsoIni;
        ModuloPerIni::LeggiImpostazioni(letto);
        QCOMPARE(letto.SuoniAttivati, scritto.SuoniAttivati);
        QCOMPARE(letto.DisabilitaMousePersonalizzato, scritto.DisabilitaMousePersonalizzato);
        QCOMPARE(letto.ColoreScansione, scritto.ColoreScansione);
        QCOMPARE(letto.NumeroVoce, scritto.NumeroVoce);
        QCOMPARE(letto.VelocitaVoce, scritto.VelocitaVoce);
        QCOMPARE(letto.VelocitaScansione, scritto.VelocitaScansione);
        QCOMPARE(letto.ModalitaInput, scritto.ModalitaInput);
    }
}

void TestImpostazioni::salvataggioCreaCartellaELeggimiSoloSeMancano()
{
    const QString cartella = ModuloPerIni::CartellaImpostazioni();
    QVERIFY(cartella.startsWith(m_dir->path()));
    QVERIFY(!QFileInfo::exists(m_dir->path() + QStringLiteral("/config")));  // parent missing too
    StatoProgramma stato;
    stato.PercorsoIni = ModuloPerIni::PercorsoIniPredefinito();
    QVERIFY(ModuloPerIni::SalvaImpostazioni(stato));

    QFile leggimi(ModuloPerIni::PercorsoLeggimi());
    QVERIFY(leggimi.open(QIODevice::ReadOnly));
    const QByteArray testo = leggimi.readAll();
    const QList<QByteArray> righe = testo.split('\n');
    QCOMPARE(righe.size(), 6);  // five lines, each ended by CR LF
    QCOMPARE(righe[0], QByteArray("Questa cartella contiene i files di impostazione dei programmi presenti nel sito ")
                           + ModuloPerIni::SitoProduttore + ".\r");
    QCOMPARE(righe[1], QByteArray(" \r"));
    QCOMPARE(righe[2], QByteArray("Se qualche programma presenta problemi di funzionamento pu\xf2 essere utile "
                                  "cancellare il file *.ini relativo al programma in quata cartella.\r"));
    QCOMPARE(righe[3], QByteArray(" \r"));
    QCOMPARE(righe[4], QByteArray("Non cancellare questo file.\r"));
    QVERIFY(righe[5].isEmpty());
    QVERIFY(QFileInfo(stato.PercorsoIni).isFile());

    // The folder exists now: a deleted readme is not written again.
    QVERIFY(QFile::remove(ModuloPerIni::PercorsoLeggimi()));
    stato.SuoniAttivati = false;
    QVERIFY(ModuloPerIni::SalvaImpostazioni(stato));
    QVERIFY(!QFileInfo::exists(ModuloPerIni::PercorsoLeggimi()));
    QFile ini(stato.PercorsoIni);
    QVERIFY(ini.open(QIODevice::ReadOnly));
    QVERIFY(ini.readAll().startsWith("F\r\n"));
}

void TestImpostazioni::salvataggioInterrottoLasciaIlVecchioFileIntero_data()
{
    QTest::addColumn<QString>("modo");
    QTest::addColumn<bool>("uscitaNormale");
    QTest::newRow("process killed mid-write") << QStringLiteral("crash") << false;
    QTest::newRow("write fails") << QStringLiteral("errore") << true;
}

void TestImpostazioni::salvataggioInterrottoLasciaIlVecchioFileIntero()
{
    QFETCH(QString, modo);
    QFETCH(bool, uscitaNormale);
    StatoProgramma vecchio;
    vecchio.PercorsoIni = ModuloPerIni::PercorsoIniPredefinito();
    QVERIFY(ModuloPerIni::SalvaImpostazioni(vecchio));
    const QByteArray prima = ModuloPerIni::ScriviInTesto(vecchio);

    QProcess figlio;
    figlio.start(QStringLiteral(CALCOLOTTI_HELPER_DIR "/helper_salva"), {modo, vecchio.PercorsoIni});
    QVERIFY(figlio.waitForFinished(10000));
    QCOMPARE(figlio.exitStatus() == QProcess::NormalExit, uscitaNormale);
    if (uscitaNormale) {
        QCOMPARE(figlio.exitCode(), 1);
        QVERIFY(figlio.readAllStandardError().contains(vecchio.PercorsoIni.toLocal8Bit()));
    }

    QFile f(vecchio.PercorsoIni);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), prima);
}

QTEST_GUILESS_MAIN(TestImpostazioni)
#include "tst_impostazioni.moc"
