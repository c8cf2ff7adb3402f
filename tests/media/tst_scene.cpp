#include "exercises/catalog/Catalogo.h"
#include "media/animation/Scena.h"

#include <QXmlStreamReader>
#include <QtTest>

// The scene files against what the screens and the player expect: the clip names and parts, and
// objects a child can count because they never touch, even while they act.
namespace {

// Everything the clip covers while it acts, turning left out: round objects turn within their box.
QRectF ingombro(const Scena &scena, const Scena::Clip &c)
{
    QRectF quiete = scena.renderer()->boundsOnElement(c.prima);
    if (!c.dopo.isEmpty())
        quiete |= scena.renderer()->boundsOnElement(c.dopo);
    QRectF r = quiete;
    for (int k = 0; k <= 200; ++k) {
        const Posa p = posaAl(c.azione, c.azione.fine() * k / 200);
        r |= QTransform().translate(c.centro.x() + p.dx, c.centro.y() + p.dy).scale(p.scala, p.scala)
                 .translate(-c.centro.x(), -c.centro.y()).mapRect(quiete);
    }
    return r;
}

}

class TestScene : public QObject
{
    Q_OBJECT

private slots:
    void init() { QTest::failOnWarning(QRegularExpression(QStringLiteral(".*"))); }

    void contratto_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("gruppi");  // subtraction scenes have a1..a10, addition ones b1..b10 too
        for (const auto famiglia : {Catalogo::Famiglia::Sottrazione, Catalogo::Famiglia::Addizione})
            for (int n = 1; n <= Catalogo::numeroScene(famiglia); ++n) {
                const char lettera = famiglia == Catalogo::Famiglia::Addizione ? 'a' : 'b';
                QTest::addRow("%c%d", lettera, n) << QStringLiteral(CALCOLOTTI_SOURCE_DATA "/scenes/%1%2.svg").arg(lettera).arg(n)
                                                  << (lettera == 'a' ? 2 : 1);
            }
    }
    void contratto()
    {
        QFETCH(QString, file);
        QFETCH(int, gruppi);
        Scena scena;
        QVERIFY2(scena.carica(file), qPrintable(file));
        QCOMPARE(scena.tela(), QRectF(0, 0, 550, 530));

        QStringList attese, trovate;
        for (int i = 0; i < 10 * gruppi; ++i)
            attese << QStringLiteral("%1%2").arg(QChar(i < 10 ? 'a' : 'b')).arg(i % 10 + 1);
        QVector<QRectF> ingombri, aRiposo;
        for (const Scena::Clip &c : scena.clip()) {
            trovate << c.id;
            QVERIFY2(c.azione.effetti != 0 && scena.renderer()->elementExists(c.prima), qPrintable(c.id));
            QCOMPARE(!c.dopo.isEmpty(), bool(c.azione.effetti & (Azione::Scambia | Azione::Aggiungi)));
            ingombri << ingombro(scena, c);
            aRiposo << scena.renderer()->boundsOnElement(c.prima);
            QVERIFY2(scena.tela().contains(ingombri.last()), qPrintable(c.id + " leaves the canvas"));
        }
        QCOMPARE(trovate, attese);
        // Nothing else at the top but the scenery, or the program would show it uncounted.
        QFile f(file);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&f);
        for (int profondita = 0; !xml.atEnd();) {
            xml.readNext();
            const QString id = xml.attributes().value(QStringLiteral("id")).toString();
            if (xml.isStartElement() && ++profondita == 2 && xml.name() != QLatin1String("defs"))
                QVERIFY2(attese.contains(id) || id == "scenario" || id == "ambiente" || id.isEmpty(), qPrintable(id));
            else if (xml.isEndElement())
                --profondita;
        }

        QRectF aree[2];
        for (int i = 0; i < ingombri.size(); ++i) {
            for (int j = i + 1; j < ingombri.size(); ++j)
                QVERIFY2(!ingombri[i].intersects(ingombri[j]), qPrintable(trovate[i] + " runs into " + trovate[j]));
            aree[i / 10] |= aRiposo[i];
            if (i % 10 == 0)
                continue;
            const QRectF &prima = aRiposo[i - 1], &questa = aRiposo[i];
            const double dy = questa.center().y() - prima.center().y();
            QVERIFY2((std::abs(dy) < prima.height() / 2 && questa.center().x() > prima.center().x()) || dy >= prima.height() / 2,
                     qPrintable(trovate[i] + " is out of reading order"));
        }
        QVERIFY2(!aree[0].intersects(aree[1]), "the two groups' areas mix");
    }
};

QTEST_MAIN(TestScene)
#include "tst_scene.moc"
