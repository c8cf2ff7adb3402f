#include <QtTest>

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QXmlStreamReader>

#include <cmath>

// Checks the thirty addition scene files against what the exercise screens and
// the player expect of them: the clip names, the actions, and twenty objects a
// child can count because they never touch, not even while they celebrate.

namespace {

const QString SpazioAttributi = QStringLiteral("urn:calcolotti:scena");

struct Clip
{
    QString id;
    QHash<QString, QString> attributi;  // the c: attributes, without prefix
    QStringList figli;                  // ids of the direct child elements
};

struct Scena
{
    QStringList idPrimoLivello;
    QMap<QString, Clip> clip;
    QString errore;
};

Scena leggi(const QString &percorso)
{
    Scena scena;
    QFile file(percorso);
    if (!file.open(QIODevice::ReadOnly)) {
        scena.errore = QStringLiteral("cannot open ") + percorso;
        return scena;
    }
    QXmlStreamReader xml(&file);
    int profondita = 0;
    QString corrente;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            ++profondita;
            const QString id = xml.attributes().value(QLatin1String("id")).toString();
            if (profondita == 2 && xml.name() != QLatin1String("defs")) {
                scena.idPrimoLivello << id;
                corrente = id;
                Clip clip;
                clip.id = id;
                for (const QXmlStreamAttribute &a : xml.attributes())
                    if (a.namespaceUri() == SpazioAttributi)
                        clip.attributi.insert(a.name().toString(), a.value().toString());
                scena.clip.insert(id, clip);
            } else if (profondita == 3 && !corrente.isEmpty()) {
                scena.clip[corrente].figli << id;
            }
        } else if (xml.isEndElement()) {
            if (--profondita == 1)
                corrente.clear();
        }
    }
    if (xml.hasError())
        scena.errore = xml.errorString();
    return scena;
}

QStringList nomiClip()
{
    QStringList nomi;
    for (const QString lettera : {QStringLiteral("a"), QStringLiteral("b")})
        for (int i = 1; i <= 10; ++i)
            nomi << lettera + QString::number(i);
    return nomi;
}

QStringList effetti(const Clip &clip)
{
    return clip.attributi.value(QStringLiteral("azione")).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

double numero(const Clip &clip, const char *nome, double predefinito)
{
    const QString testo = clip.attributi.value(QLatin1String(nome));
    return testo.isEmpty() ? predefinito : testo.toDouble();
}

bool usaDopo(const Clip &clip)
{
    const QStringList e = effetti(clip);
    return e.contains(QStringLiteral("scambia")) || e.contains(QStringLiteral("aggiungi"));
}

// Where the clip stands once its action is over.
QRectF statoFinale(const QSvgRenderer &svg, const Clip &clip)
{
    QRectF r = svg.boundsOnElement(clip.id + QStringLiteral("-prima"));
    if (usaDopo(clip))
        r |= svg.boundsOnElement(clip.id + QStringLiteral("-dopo"));
    const QStringList e = effetti(clip);
    if (e.contains(QStringLiteral("sposta")) || e.contains(QStringLiteral("cadi")))
        r.translate(numero(clip, "dx", 0), numero(clip, "dy", 0));
    if (e.contains(QStringLiteral("ruota"))) {
        const QPointF c = r.center();
        r = QTransform().translate(c.x(), c.y()).rotate(numero(clip, "gradi", 0))
                .translate(-c.x(), -c.y()).mapRect(r);
    }
    return r;
}

// Everything the clip covers at rest, at the top of a hop, at the peak of a
// pulse and at the end. Turning is left out: round objects turn within their box.
QRectF ingombro(const QSvgRenderer &svg, const Clip &clip)
{
    QRectF quiete = svg.boundsOnElement(clip.id + QStringLiteral("-prima"));
    if (usaDopo(clip))
        quiete |= svg.boundsOnElement(clip.id + QStringLiteral("-dopo"));
    QRectF r = quiete | statoFinale(svg, clip);
    const QStringList e = effetti(clip);
    if (e.contains(QStringLiteral("salta")))
        r |= quiete.translated(0, -numero(clip, "altezza", 30));
    if (e.contains(QStringLiteral("pulsa"))) {
        const double s = numero(clip, "scala", 1.2);
        const QPointF c = quiete.center();
        r |= QRectF(c.x() - quiete.width() * s / 2, c.y() - quiete.height() * s / 2,
                    quiete.width() * s, quiete.height() * s);
    }
    return r;
}

QString descrivi(const QRectF &r)
{
    return QStringLiteral("(%1,%2 %3x%4)").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

}  // namespace

class TestAddScenes : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase_data();
    void init();

    void fileHasExactlyTheTwentyClipsAndTheScenery();
    void everyClipActsWithAKnownEffect();
    void objectsNeverTouchEvenAfterOrDuringTheirAction();
    void eachGroupIsInReadingOrderAndApartFromTheOther();
    void objectsOfASceneAreTheSameSize();
    void objectsStandOutFromTheBackground();
    void fileLeavesTheBackgroundToThePlayer();

private:
    QString percorso() const;
};

void TestAddScenes::initTestCase_data()
{
    QTest::addColumn<int>("numero");
    QTest::addColumn<QString>("sfondo");
    // Background colours as the exercise screens hand them to the player.
    const char *colori[] = {
        "66ffff", "66ffff", "339900", "339900", "CC6600", "339900", "0000CC", "fffff0",
        "006600", "006600", "CCCC00", "339933", "000000", "669900", "99CCFF", "CCCCCC",
        "99FFFF", "0066CC", "000099", "ffffcc", "99CCFF", "99CCFF", "009900", "000066",
        "000066", "000066", "000066", "000066", "000066", "FFCC99"};
    for (int n = 1; n <= 30; ++n)
        QTest::newRow(qPrintable(QStringLiteral("a%1").arg(n))) << n << QString::fromLatin1(colori[n - 1]);
}

void TestAddScenes::init()
{
    // A scene the renderer complains about is a scene the player draws wrongly.
    QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
}

QString TestAddScenes::percorso() const
{
    QFETCH_GLOBAL(int, numero);
    return QStringLiteral(CALCOLOTTI_SOURCE_DATA) + QStringLiteral("/scenes/a%1.svg").arg(numero);
}

void TestAddScenes::fileHasExactlyTheTwentyClipsAndTheScenery()
{
    const Scena scena = leggi(percorso());
    QVERIFY2(scena.errore.isEmpty(), qPrintable(scena.errore));
    QSvgRenderer svg(percorso());
    QVERIFY(svg.isValid());
    QCOMPARE(svg.viewBoxF(), QRectF(0, 0, 550, 530));

    QStringList attesi = nomiClip();
    attesi << QStringLiteral("scenario");
    QStringList trovati = scena.idPrimoLivello;
    trovati.removeAll(QStringLiteral("ambiente"));
    attesi.sort();
    trovati.sort();
    QCOMPARE(trovati, attesi);
    QVERIFY(svg.elementExists(QStringLiteral("scenario")));

    for (const QString &nome : nomiClip()) {
        const Clip &clip = scena.clip[nome];
        QStringList parti{nome + QStringLiteral("-prima")};
        if (usaDopo(clip))
            parti << nome + QStringLiteral("-dopo");
        QCOMPARE(clip.figli, parti);
        for (const QString &parte : parti)
            QVERIFY2(svg.elementExists(parte), qPrintable(parte));
    }
}

void TestAddScenes::everyClipActsWithAKnownEffect()
{
    const QStringList vocabolario{"sposta", "cadi", "salta", "ruota", "scambia", "aggiungi",
                                  "pulsa", "dissolvi"};
    const QStringList cicli{"oscilla", "salta", "pulsa"};
    const QStringList numerici{"dx", "dy", "altezza", "salti", "gradi", "scala", "opacita",
                               "durata", "ampiezza"};
    const Scena scena = leggi(percorso());
    for (const QString &nome : nomiClip()) {
        const Clip &clip = scena.clip[nome];
        const QStringList e = effetti(clip);
        QVERIFY2(!e.isEmpty(), qPrintable(nome + QStringLiteral(" has no action")));
        for (const QString &effetto : e)
            QVERIFY2(vocabolario.contains(effetto), qPrintable(nome + QStringLiteral(": ") + effetto));
        for (const QString &chiave : numerici) {
            if (!clip.attributi.contains(chiave))
                continue;
            bool ok = false;
            clip.attributi.value(chiave).toDouble(&ok);
            QVERIFY2(ok, qPrintable(nome + QStringLiteral(": c:") + chiave));
        }
        if (clip.attributi.contains(QStringLiteral("ciclo")))
            QVERIFY2(cicli.contains(clip.attributi.value(QStringLiteral("ciclo"))), qPrintable(nome));
        QVERIFY2(numero(clip, "durata", 1.5) > 0, qPrintable(nome));
        const double salti = numero(clip, "salti", 2);
        QVERIFY2(salti >= 1 && salti == std::floor(salti), qPrintable(nome));
        // A faded object must still be there to count.
        if (e.contains(QStringLiteral("dissolvi")))
            QVERIFY2(numero(clip, "opacita", 0) >= 0.3, qPrintable(nome));
        QVERIFY2(numero(clip, "scala", 1.2) > 0, qPrintable(nome));
    }
}

void TestAddScenes::objectsNeverTouchEvenAfterOrDuringTheirAction()
{
    const Scena scena = leggi(percorso());
    QSvgRenderer svg(percorso());
    QVERIFY(svg.isValid());
    const QRectF tela(0, 0, 550, 530);
    const QStringList nomi = nomiClip();
    QVector<QRectF> finali, ingombri;
    for (const QString &nome : nomi) {
        finali << statoFinale(svg, scena.clip[nome]);
        ingombri << ingombro(svg, scena.clip[nome]);
        QVERIFY2(tela.contains(ingombri.last()),
                 qPrintable(nome + QStringLiteral(" leaves the canvas ") + descrivi(ingombri.last())));
    }
    const double distacco = 4;  // clearly separate, not just not overlapping
    for (int i = 0; i < nomi.size(); ++i) {
        for (int j = i + 1; j < nomi.size(); ++j) {
            const QRectF largo = finali[i].adjusted(-distacco, -distacco, distacco, distacco);
            QVERIFY2(!largo.intersects(finali[j]),
                     qPrintable(nomi[i] + QStringLiteral(" ends too close to ") + nomi[j] + QLatin1Char(' ')
                                + descrivi(finali[i]) + descrivi(finali[j])));
            QVERIFY2(!ingombri[i].intersects(ingombri[j]),
                     qPrintable(nomi[i] + QStringLiteral(" runs into ") + nomi[j] + QLatin1Char(' ')
                                + descrivi(ingombri[i]) + descrivi(ingombri[j])));
        }
    }
}

void TestAddScenes::eachGroupIsInReadingOrderAndApartFromTheOther()
{
    QSvgRenderer svg(percorso());
    QVERIFY(svg.isValid());
    QRectF gruppo[2];
    for (int g = 0; g < 2; ++g) {
        const QString lettera = g == 0 ? QStringLiteral("a") : QStringLiteral("b");
        for (int i = 1; i <= 10; ++i) {
            const QRectF r = svg.boundsOnElement(lettera + QString::number(i) + QStringLiteral("-prima"));
            gruppo[g] |= r;
            if (i == 1)
                continue;
            const QRectF prima = svg.boundsOnElement(lettera + QString::number(i - 1) + QStringLiteral("-prima"));
            const double dy = r.center().y() - prima.center().y();
            const bool stessaRiga = std::abs(dy) < prima.height() / 2;
            const bool aDestra = r.center().x() > prima.center().x();
            const bool rigaSotto = dy >= prima.height() / 2;
            QVERIFY2((stessaRiga && aDestra) || rigaSotto,
                     qPrintable(QStringLiteral("%1%2 is not after %1%3").arg(lettera).arg(i).arg(i - 1)));
        }
    }
    QVERIFY2(!gruppo[0].intersects(gruppo[1]), "the two groups' areas mix");
}

void TestAddScenes::objectsOfASceneAreTheSameSize()
{
    QSvgRenderer svg(percorso());
    QVERIFY(svg.isValid());
    QVector<double> lati;
    for (const QString &lettera : {QStringLiteral("a"), QStringLiteral("b")}) {
        const QSizeF primo = svg.boundsOnElement(lettera + QStringLiteral("1-prima")).size();
        for (int i = 2; i <= 10; ++i) {
            const QSizeF s = svg.boundsOnElement(lettera + QString::number(i) + QStringLiteral("-prima")).size();
            QVERIFY2(std::abs(s.width() - primo.width()) < 0.5 && std::abs(s.height() - primo.height()) < 0.5,
                     qPrintable(QStringLiteral("%1%2 differs from %11").arg(lettera).arg(i)));
        }
        lati << std::max(primo.width(), primo.height());
        QVERIFY2(std::min(primo.width(), primo.height()) >= 30,
                 qPrintable(lettera + QStringLiteral(" objects are too small to count")));
    }
    // The two kinds are drawn to the same scale, so neither looks like a toy of the other.
    const double rapporto = std::max(lati[0], lati[1]) / std::min(lati[0], lati[1]);
    QVERIFY2(rapporto <= 1.3, qPrintable(QString::number(rapporto)));
}

void TestAddScenes::objectsStandOutFromTheBackground()
{
    QFETCH_GLOBAL(QString, sfondo);
    const QColor colore(QLatin1Char('#') + sfondo);
    QVERIFY(colore.isValid());
    QSvgRenderer svg(percorso());
    QVERIFY(svg.isValid());
    for (const QString &lettera : {QStringLiteral("a"), QStringLiteral("b")}) {
        const QString id = lettera + QStringLiteral("1-prima");
        const QRectF r = svg.boundsOnElement(id);
        QImage immagine(r.size().toSize() * 2, QImage::Format_ARGB32);
        immagine.fill(Qt::transparent);
        QPainter p(&immagine);
        svg.render(&p, id, QRectF(QPointF(0, 0), immagine.size()));
        p.end();
        int pieni = 0, distinti = 0;
        for (int y = 0; y < immagine.height(); ++y) {
            for (int x = 0; x < immagine.width(); ++x) {
                const QColor c = immagine.pixelColor(x, y);
                if (c.alpha() < 200)
                    continue;
                ++pieni;
                const int distanza = std::abs(c.red() - colore.red()) + std::abs(c.green() - colore.green())
                                     + std::abs(c.blue() - colore.blue());
                if (distanza > 90)
                    ++distinti;
            }
        }
        QVERIFY2(pieni > 0, qPrintable(id + QStringLiteral(" draws nothing")));
        QVERIFY2(distinti * 10 >= pieni * 6,
                 qPrintable(QStringLiteral("%1: only %2 of %3 pixels stand out").arg(id).arg(distinti).arg(pieni)));
    }
}

void TestAddScenes::fileLeavesTheBackgroundToThePlayer()
{
    QSvgRenderer svg(percorso());
    QVERIFY(svg.isValid());
    QImage immagine(550, 530, QImage::Format_ARGB32);
    immagine.fill(Qt::transparent);
    QPainter p(&immagine);
    svg.render(&p);
    p.end();
    int vuoti = 0;
    for (int y = 0; y < immagine.height(); y += 2)
        for (int x = 0; x < immagine.width(); x += 2)
            if (qAlpha(immagine.pixel(x, y)) == 0)
                ++vuoti;
    const int campioni = (550 / 2) * (530 / 2);
    QVERIFY2(vuoti * 4 >= campioni, qPrintable(QStringLiteral("%1 of %2 samples left empty").arg(vuoti).arg(campioni)));
}

QTEST_MAIN(TestAddScenes)
#include "tst_addscenes.moc"
