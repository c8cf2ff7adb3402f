#include "core/StatoProgramma.h"
#include "shell/ModuloPerIni.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

namespace {

struct Valori {
    bool suoni, mouse;
    double colore;
    int voce, velocitaVoce, scansione, modalita;
    bool operator==(const Valori &o) const
    {
        return suoni == o.suoni && mouse == o.mouse && colore == o.colore && voce == o.voce
            && velocitaVoce == o.velocitaVoce && scansione == o.scansione && modalita == o.modalita;
    }
};

char *toString(const Valori &v)
{
    return QTest::toString(QStringLiteral("%1 %2 %3 %4 %5 %6 %7").arg(v.suoni).arg(v.mouse).arg(v.colore)
                               .arg(v.voce).arg(v.velocitaVoce).arg(v.scansione).arg(v.modalita));
}

const Valori Predefiniti{true, false, 255, 1, 135, 4, 0};

Valori valoriDi(const StatoProgramma &s)
{
    return {s.SuoniAttivati, s.DisabilitaMousePersonalizzato, s.ColoreScansione, s.NumeroVoce,
            s.VelocitaVoce, s.VelocitaScansione, s.ModalitaInput};
}

QByteArray righe(const QList<QByteArray> &campi)
{
    return campi.join("\r\n") + "\r\n";
}

// What stands at a path, to see that a refused save touched nothing.
QString impronta(const QString &percorso)
{
    const QFileInfo info(percorso);
    QFile file(percorso);
    if (info.isSymLink())
        return QStringLiteral("collegamento a ") + info.symLinkTarget() + QLatin1Char(' ') + impronta(info.symLinkTarget());
    if (info.isFile() && file.open(QIODevice::ReadOnly))
        return QString::fromLatin1(file.readAll());
    return info.isDir() ? QStringLiteral("cartella") : info.exists() ? QStringLiteral("speciale") : QStringLiteral("niente");
}

QByteArray leggi(const QString &percorso)
{
    QFile file(percorso);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(assente)");
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
    void scrittura_data();
    void scrittura();
    void salvataggioImpedito_data();
    void salvataggioImpedito();
    void leggimi();
    void salvataggioInterrotto_data();
    void salvataggioInterrotto();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestImpostazioni::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    // Never the real user's folder: every path below comes from here.
    qputenv("XDG_CONFIG_HOME", m_dir->filePath(QStringLiteral("config")).toLocal8Bit());
}

void TestImpostazioni::lettura_data()
{
    QTest::addColumn<QByteArray>("contenuto");
    QTest::addColumn<QString>("tipo");  // of calcolotti.ini: file, fifo, cartella or nothing
    QTest::addColumn<Valori>("attesi");
    QTest::addColumn<int>("scansioneMs");
    const QString f = QStringLiteral("file");

    QTest::newRow("defaults as written") << righe({"T", "F", " 255 ", " 1 ", " 135 ", " 4 ", " 0 "}) << f << Predefiniti << 1000;
    QTest::newRow("other values; a step of two quarters scans every 500 ms")
        << righe({"F", "T", " 65280 ", " 3 ", " 70 ", " 2 ", " 2 "}) << f << Valori{false, true, 65280, 3, 70, 2, 2} << 500;
    QTest::newRow("commas on one line") << QByteArray("T,T,16711680,2,200,60,3\r\n") << f
                                        << Valori{true, true, 16711680, 2, 200, 60, 3} << 15000;
    QTest::newRow("blanks before fields and LF ends") << QByteArray("  F\n  F\n   12\n 2\n 90\n 5\n 1\n") << f
                                                      << Valori{false, false, 12, 2, 90, 5, 1} << 1250;
    QTest::newRow("only an upper-case T is true") << righe({"True", "t", "1", "2", "3", "4", "1"}) << f
                                                  << Valori{true, false, 1, 2, 3, 4, 1} << 1000;
    QTest::newRow("empty flag lines are false") << righe({"", "", "255", "1", "135", "4", "0"}) << f
                                                << Valori{false, false, 255, 1, 135, 4, 0} << 1000;
    QTest::newRow("halves round to even") << righe({"T", "F", "255", "2.5", "3.5", "-2.5", "0.5"}) << f
                                          << Valori{true, false, 255, 2, 4, -2, 0} << 250;
    QTest::newRow("out-of-range values stay as read; no step is a quarter second")
        << righe({"T", "F", "255", "-1", "-5", "0", "9"}) << f << Valori{true, false, 255, -1, -5, 0, 9} << 250;
    QTest::newRow("16-bit ends fit") << righe({"T", "F", "0", "32767", "-32768", "32767", "0"}) << f
                                     << Valori{true, false, 0, 32767, -32768, 32767, 0} << 32767 * 250;
    QTest::newRow("decimal colour, text after the seventh line ignored")
        << righe({"T", "F", "12.0", "2", "3", "4", "0", "rubbish"}) << f << Valori{true, false, 12, 2, 3, 4, 0} << 1000;
    QTest::newRow("no final line end") << QByteArray("F\r\nF\r\n 1 \r\n 2 \r\n 3 \r\n 4 \r\n 1") << f
                                       << Valori{false, false, 1, 2, 3, 4, 1} << 1000;
    QTest::newRow("a byte-order mark is skipped") << "\xEF\xBB\xBF" + righe({"T", "T", "1", "2", "3", "4", "1"}) << f
                                                  << Valori{true, true, 1, 2, 3, 4, 1} << 1000;
    // Every failure gives all seven defaults, also for the fields already read.
    QTest::newRow("32768 does not fit") << righe({"F", "T", "1", "32768", "70", "2", "2"}) << f << Predefiniti << 1000;
    QTest::newRow("-32769 does not fit") << righe({"F", "T", "1", "1", "-32769", "2", "2"}) << f << Predefiniti << 1000;
    QTest::newRow("only five lines") << righe({"F", "T", "1", "1", "70"}) << f << Predefiniti << 1000;
    QTest::newRow("letters on a number line") << righe({"F", "T", "rosso", "1", "70", "2", "2"}) << f << Predefiniti << 1000;
    QTest::newRow("digits then letters") << righe({"F", "T", "1", "12abc", "70", "2", "2"}) << f << Predefiniti << 1000;
    QTest::newRow("empty number line") << righe({"F", "T", "1", "", "70", "2", "2"}) << f << Predefiniti << 1000;
    QTest::newRow("colour too large for a double") << righe({"F", "T", "1e400", "1", "2", "2", "2"}) << f << Predefiniti << 1000;
    QTest::newRow("binary") << QByteArray("\x00\x01\xff\xfe,\x00\r\n\x7f", 10) << f << Predefiniti << 1000;
    QTest::newRow("no file") << QByteArray() << "" << Predefiniti << 1000;
    QTest::newRow("a named pipe is never opened") << QByteArray() << "fifo" << Predefiniti << 1000;
    QTest::newRow("a folder in its place") << QByteArray() << "cartella" << Predefiniti << 1000;
}

void TestImpostazioni::lettura()
{
    QFETCH(QByteArray, contenuto);
    QFETCH(QString, tipo);
    QFETCH(Valori, attesi);
    QFETCH(int, scansioneMs);
    StatoProgramma stato;
    stato.SuoniAttivati = false;  // unlike the defaults, so a fallback shows
    stato.NumeroVoce = 7;
    stato.PercorsoIni = m_dir->filePath(QStringLiteral("calcolotti.ini"));
    QFile file(stato.PercorsoIni);
    if (tipo == QLatin1String("file"))
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(contenuto) == contenuto.size());
    file.close();
    if (tipo == QLatin1String("fifo"))
        QCOMPARE(::mkfifo(qPrintable(stato.PercorsoIni), 0600), 0);
    if (tipo == QLatin1String("cartella"))
        QVERIFY(QDir().mkdir(stato.PercorsoIni));

    ModuloPerIni::LeggiImpostazioni(stato);
    QCOMPARE(valoriDi(stato), attesi);
    QCOMPARE(intervalloScansioneMs(stato), scansioneMs);
}

void TestImpostazioni::scrittura_data()
{
    QTest::addColumn<Valori>("valori");
    QTest::addColumn<QByteArray>("attesi");
    QTest::newRow("defaults") << Predefiniti << righe({"T", "F", " 255 ", " 1 ", " 135 ", " 4 ", " 0 "});
    QTest::newRow("other values") << Valori{false, true, 16777215, 32767, 200, 60, 2}
                                  << righe({"F", "T", " 16777215 ", " 32767 ", " 200 ", " 60 ", " 2 "});
    QTest::newRow("negative numbers take the sign place")
        << Valori{true, true, 0, -1, -32768, 4, 3} << righe({"T", "T", " 0 ", "-1 ", "-32768 ", " 4 ", " 3 "});
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
    QCOMPARE(leggi(stato.PercorsoIni), attesi);
    StatoProgramma letto;
    letto.PercorsoIni = stato.PercorsoIni;
    ModuloPerIni::LeggiImpostazioni(letto);
    QCOMPARE(valoriDi(letto), valori);
}

void TestImpostazioni::salvataggioImpedito_data()
{
    QTest::addColumn<QString>("prima");
    QTest::addColumn<QString>("motivo");  // empty: saved
    QTest::newRow("a link to an ordinary file is saved through") << "collegamento" << "";
    QTest::newRow("a link to a named pipe") << "collegamento fifo" << "non porta a un file normale";
    QTest::newRow("a dangling link") << "collegamento mancante" << "non porta a un file normale";
    QTest::newRow("a named pipe") << "fifo" << "non è un file normale";
    QTest::newRow("a folder") << "cartella" << "c'è una cartella";
    QTest::newRow("a read-only file") << "sola lettura" << "è di sola lettura";
    QTest::newRow("a read-only folder") << "cartella di sola lettura" << "non si può scrivere";
}

void TestImpostazioni::salvataggioImpedito()
{
    QFETCH(QString, prima);
    QFETCH(QString, motivo);
    if (prima.contains(QLatin1String("sola lettura")) && ::geteuid() == 0)
        QSKIP("root writes anywhere");
    const QDir dir(m_dir->path());
    const QString bersaglio = dir.filePath(prima.contains(QLatin1String("fifo")) ? QStringLiteral("tubo")
                                                                              : QStringLiteral("vero.ini"));
    StatoProgramma stato;
    stato.PercorsoIni = dir.filePath(prima.contains(QLatin1String("cartella ")) ? QStringLiteral("ro/calcolotti.ini")
                                                                              : QStringLiteral("calcolotti.ini"));
    if (prima.contains(QLatin1String("fifo")))
        QCOMPARE(::mkfifo(qPrintable(bersaglio), 0600), 0);
    else if (!prima.contains(QLatin1String("mancante")))
        QVERIFY(QFile(bersaglio).open(QIODevice::WriteOnly));
    if (prima.startsWith(QLatin1String("collegamento")))
        QVERIFY(QFile::link(bersaglio, stato.PercorsoIni));
    else if (prima == QLatin1String("fifo") || prima == QLatin1String("sola lettura"))
        QVERIFY(QFile::rename(bersaglio, stato.PercorsoIni));
    if (prima == QLatin1String("sola lettura"))
        QVERIFY(QFile::setPermissions(stato.PercorsoIni, QFile::ReadOwner));
    if (prima.startsWith(QLatin1String("cartella")))
        QVERIFY(dir.mkpath(prima == QLatin1String("cartella") ? stato.PercorsoIni : QStringLiteral("ro")));
    if (prima == QLatin1String("cartella di sola lettura"))
        QVERIFY(QFile::setPermissions(dir.filePath(QStringLiteral("ro")), QFile::ReadOwner | QFile::ExeOwner));
    const QString vista = impronta(stato.PercorsoIni);

    const QString perche = ModuloPerIni::SalvaImpostazioniOMotivo(stato);
    QVERIFY2(perche.contains(motivo) && perche.isEmpty() == motivo.isEmpty(), qPrintable(perche));
    if (motivo.isEmpty())  // the link stays a link, and leads to the new settings
        QCOMPARE(impronta(stato.PercorsoIni),
                 QStringLiteral("collegamento a %1 %2").arg(bersaglio, QString::fromLatin1(ModuloPerIni::ScriviInTesto(stato))));
    else
        QCOMPARE(impronta(stato.PercorsoIni), vista);
}

void TestImpostazioni::leggimi()
{
    StatoProgramma stato;
    stato.PercorsoIni = ModuloPerIni::PercorsoIniPredefinito();
    const QString percorso = ModuloPerIni::PercorsoLeggimi();
    QVERIFY(ModuloPerIni::SalvaImpostazioni(stato));  // the folder and its parents are made
    const QByteArray intero = leggi(percorso);
    QCOMPARE(intero.count("\r\n"), 5);
    QVERIFY(intero.startsWith("Questa cartella contiene i files di impostazione di Calcolotti"));
    QVERIFY(!intero.contains("example") && !intero.contains('@') && !intero.contains("http"));
    // Left empty or cut short by an earlier save: written whole again.
    // Changed or deleted by the user: left alone.
    const QList<QPair<QByteArray, QByteArray>> casi{
        {"", intero}, {intero.left(40), intero}, {"mie note", "mie note"}, {"(assente)", "(assente)"}};
    for (const auto &[prima, dopo] : casi) {
        QFile file(percorso);
        if (prima == "(assente)")
            QVERIFY(file.remove());
        else
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(prima) == prima.size());
        file.close();
        QVERIFY(ModuloPerIni::SalvaImpostazioni(stato));
        QCOMPARE(leggi(percorso), dopo);
    }
}

void TestImpostazioni::salvataggioInterrotto_data()
{
    QTest::addColumn<QString>("modo");
    QTest::newRow("process killed mid-write") << QStringLiteral("crash");
    QTest::newRow("a short write is seen") << QStringLiteral("errore");
}

void TestImpostazioni::salvataggioInterrotto()
{
    QFETCH(QString, modo);
    StatoProgramma vecchio;
    vecchio.PercorsoIni = ModuloPerIni::PercorsoIniPredefinito();
    QVERIFY(ModuloPerIni::SalvaImpostazioni(vecchio));
    QProcess figlio;
    figlio.start(QStringLiteral(CALCOLOTTI_HELPER_DIR "/helper_programma"),
                 {QStringLiteral("salva"), modo, vecchio.PercorsoIni});
    QVERIFY(figlio.waitForFinished(10000));
    QCOMPARE(figlio.exitStatus() == QProcess::NormalExit, modo == QLatin1String("errore"));
    if (modo == QLatin1String("errore"))
        QCOMPARE(figlio.exitCode(), 1);
    QCOMPARE(leggi(vecchio.PercorsoIni), ModuloPerIni::ScriviInTesto(vecchio));
}

QTEST_GUILESS_MAIN(TestImpostazioni)
#include "tst_impostazioni.moc"
