#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

// The guide's generator, run as the build runs it.
class TestGuida : public QObject
{
    Q_OBJECT
private slots:
    void guida_data();
    void guida();
};

void TestGuida::guida_data()
{
    QTest::addColumn<QStringList>("schermate");  // screenshots present; "-" : no guide source
    QTest::addColumn<int>("figure");             // pictures in the PDF; -1: the old guide stays
    // The teddy bear of the title page comes from the program's pictures.
    QTest::newRow("no screenshots yet") << QStringList() << 1;
    QTest::newRow("a file the guide does not name") << QStringList{"prova.png"} << 1;
    QTest::newRow("every screen") << QStringList{"avvio.png", "menu.png", "esercizio.png", "operazione.png",
                                                 "configura.png", "voce.png"} << 7;
    QTest::newRow("a missing source leaves the old guide alone") << QStringList{"-"} << -1;
}

void TestGuida::guida()
{
    QFETCH(QStringList, schermate);
    QFETCH(int, figure);
    QTemporaryDir cartella;
    const QDir immagini(cartella.filePath(QStringLiteral("schermate")));
    QVERIFY(QDir().mkpath(immagini.path()));
    for (int i = 0; i < schermate.size(); ++i) {
        QImage img(700, 500, QImage::Format_RGB32);
        img.fill(QColor::fromHsv(i * 50, 120, 230));
        QVERIFY(schermate[i] == QLatin1String("-") || img.save(immagini.filePath(schermate[i])));
    }
    const QString uscita = cartella.filePath(QStringLiteral("calcolottisv.pdf"));
    QFile vecchia(uscita);
    QVERIFY(vecchia.open(QIODevice::WriteOnly) && vecchia.write("%PDF-1.4 vecchia guida") > 0);
    vecchia.close();
    QProcess p;
    p.start(QStringLiteral(CALCOLOTTI_MAKEGUIDE),
            {figure < 0 ? cartella.filePath(QStringLiteral("manca.md")) : QStringLiteral(CALCOLOTTI_GUIDA_SORGENTE),
             immagini.path(), uscita, QStringLiteral(CALCOLOTTI_GUIDA_DISEGNI)});
    QVERIFY(p.waitForFinished(120000));
    QCOMPARE(p.exitCode() == 0, figure >= 0);
    QVERIFY(vecchia.open(QIODevice::ReadOnly));
    const QString pdf = QString::fromLatin1(vecchia.readAll());
    // No temporary file is left beside the guide.
    QCOMPARE(QDir(cartella.path()).entryList(QDir::Files), QStringList{QStringLiteral("calcolottisv.pdf")});
    if (figure < 0) {
        QCOMPARE(pdf, QStringLiteral("%PDF-1.4 vecchia guida"));
        return;
    }
    QVERIFY(pdf.startsWith(QLatin1String("%PDF-")) && pdf.trimmed().endsWith(QLatin1String("%%EOF")));
    QVERIFY(pdf.count(QRegularExpression(QStringLiteral(R"(/Type\s*/Page(?![s\w]))"))) >= 4);
    // A picture with transparency is two images in the PDF: itself and its mask.
    QCOMPARE(pdf.count(QRegularExpression(QStringLiteral(R"(/Subtype\s*/Image\b)")))
                 - pdf.count(QRegularExpression(QStringLiteral(R"(/SMask\s+\d+)"))),
             figure);
}

QTEST_GUILESS_MAIN(TestGuida)
#include "tst_guida.moc"
