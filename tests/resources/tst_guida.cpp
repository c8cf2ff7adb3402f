#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QStringList TutteLeSchermate = {
    QStringLiteral("avvio.png"),      QStringLiteral("menu.png"),  QStringLiteral("esercizio.png"),
    QStringLiteral("operazione.png"), QStringLiteral("configura.png"), QStringLiteral("voce.png")};

struct Esito {
    int codice = -1;
    QByteArray pdf;
};

Esito genera(const QString &sorgente, const QString &immagini, const QString &uscita,
             const QString &disegni = QString())
{
    QProcess p;
    QStringList argomenti{sorgente, immagini, uscita};
    if (!disegni.isEmpty())
        argomenti << disegni;
    p.start(QStringLiteral(CALCOLOTTI_MAKEGUIDE), argomenti);
    if (!p.waitForFinished(120000))
        return {};
    Esito e;
    e.codice = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    QFile f(uscita);
    if (f.open(QIODevice::ReadOnly))
        e.pdf = f.readAll();
    return e;
}

int pagine(const QByteArray &pdf)
{
    static const QRegularExpression pagina(QStringLiteral(R"(/Type\s*/Page(?![s\w]))"));
    return int(QString::fromLatin1(pdf).count(pagina));
}

// A picture with transparency is two images in the PDF: itself and its mask.
int figure(const QByteArray &pdf)
{
    static const QRegularExpression immagine(QStringLiteral(R"(/Subtype\s*/Image\b)"));
    static const QRegularExpression maschera(QStringLiteral(R"(/SMask\s+\d+)"));
    const QString testo = QString::fromLatin1(pdf);
    return int(testo.count(immagine) - testo.count(maschera));
}

void scriviSchermata(const QString &percorso, int seme)
{
    QImage img(700, 500, QImage::Format_RGB32);
    img.fill(QColor::fromHsv(seme * 50 % 360, 120, 230));
    QPainter p(&img);
    p.setBrush(Qt::white);
    p.drawRect(40 + seme * 10, 40, 300, 200);
    p.end();
    QVERIFY(img.save(percorso));
}

}

class TestGuida : public QObject
{
    Q_OBJECT
private slots:
    void guideShowsTheScreenshotsThatExist_data();
    void guideShowsTheScreenshotsThatExist();
    void missingSourceLeavesThePreviousGuideAlone();
};

void TestGuida::guideShowsTheScreenshotsThatExist_data()
{
    QTest::addColumn<QStringList>("presenti");
    QTest::addColumn<bool>("conDisegni");
    QTest::addColumn<int>("figureAttese");
    QTest::addColumn<int>("pagineMinime");
    // The teddy bear of the title page comes from the program's pictures.
    QTest::newRow("no screenshots yet") << QStringList() << true << 1 << 4;
    QTest::newRow("no pictures either") << QStringList() << false << 0 << 4;
    QTest::newRow("only the menu") << QStringList{QStringLiteral("menu.png")} << true << 2 << 4;
    QTest::newRow("a file the guide does not name")
        << QStringList{QStringLiteral("prova.png")} << true << 1 << 4;
    QTest::newRow("every screen") << TutteLeSchermate << true << 7 << 6;
}

void TestGuida::guideShowsTheScreenshotsThatExist()
{
    QFETCH(QStringList, presenti);
    QFETCH(bool, conDisegni);
    QFETCH(int, figureAttese);
    QFETCH(int, pagineMinime);
    QTemporaryDir cartella;
    QVERIFY(cartella.isValid());
    const QDir immagini(cartella.filePath(QStringLiteral("schermate")));
    QVERIFY(QDir().mkpath(immagini.path()));
    for (int i = 0; i < presenti.size(); ++i)
        scriviSchermata(immagini.filePath(presenti[i]), i);

    const QString uscita = cartella.filePath(QStringLiteral("calcolottisv.pdf"));
    const Esito e = genera(QStringLiteral(CALCOLOTTI_GUIDA_SORGENTE), immagini.path(), uscita,
                           conDisegni ? QStringLiteral(CALCOLOTTI_GUIDA_DISEGNI) : QString());
    QCOMPARE(e.codice, 0);
    QVERIFY(e.pdf.startsWith("%PDF-"));
    QVERIFY(e.pdf.trimmed().endsWith("%%EOF"));
    QVERIFY2(pagine(e.pdf) >= pagineMinime, qPrintable(QString::number(pagine(e.pdf))));
    QCOMPARE(figure(e.pdf), figureAttese);
    QVERIFY(e.pdf.contains("/Title"));
    // No temporary file is left beside the guide.
    QCOMPARE(QDir(cartella.path()).entryList(QDir::Files), QStringList{QStringLiteral("calcolottisv.pdf")});
}

void TestGuida::missingSourceLeavesThePreviousGuideAlone()
{
    QTemporaryDir cartella;
    const QString uscita = cartella.filePath(QStringLiteral("calcolottisv.pdf"));
    QFile vecchia(uscita);
    QVERIFY(vecchia.open(QIODevice::WriteOnly));
    vecchia.write("%PDF-1.4 vecchia guida");
    vecchia.close();
    const Esito e = genera(cartella.filePath(QStringLiteral("manca.md")), cartella.path(), uscita);
    QVERIFY(e.codice != 0);
    QCOMPARE(e.pdf, QByteArray("%PDF-1.4 vecchia guida"));
}

QTEST_GUILESS_MAIN(TestGuida)
#include "tst_guida.moc"
