#include "LeggiScrivi.h"
#include "media/animation/Orologio.h"
#include "media/animation/ScenePlayer.h"

#include <QPainter>
#include <QScreen>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QSize Tela(550, 530);  // the scenes' own size: one unit, one pixel

QString scena(int n) { return QStringLiteral(CALCOLOTTI_SOURCE_DATA "/scenes/b%1.svg").arg(n); }
QString clip(int i) { return QStringLiteral("_root.a%1").arg(i); }

QImage foto(ScenePlayer &lettore, QSize misura = Tela)
{
    QImage immagine(misura, QImage::Format_ARGB32_Premultiplied);
    immagine.fill(Qt::magenta);
    QPainter painter(&immagine);
    lettore.dipingi(painter, QRectF(QPointF(0, 0), misura));
    return immagine;
}

// Where a clip draws at rest, read from the file by a renderer of its own.
QRect limiti(const QString &file, int i)
{
    return QSvgRenderer(file).boundsOnElement(QStringLiteral("a%1").arg(i)).toAlignedRect().adjusted(-2, -2, 2, 2);
}

int diversi(const QImage &a, const QImage &b, const QRect &area, bool dentro = true)
{
    int n = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            n += area.contains(x, y) == dentro && a.pixel(x, y) != b.pixel(x, y);
    return n;
}

void mostra(ScenePlayer &lettore, int i, const char *valore = "1")
{
    lettore.TSetProperty(clip(i), AnimationPlayer::ProprietaVisibilita, QString::fromLatin1(valore));
}

struct Lettore {
    OrologioManuale orologio;
    ScenePlayer lettore{nullptr, &orologio};
    explicit Lettore(const QString &file, const char *sfondo = "FFFFFF")
    {
        lettore.Movie(file);
        lettore.BGColor(QString::fromLatin1(sfondo));
    }
};

}

class TestScenePlayer : public QObject
{
    Q_OBJECT

private slots:
    void mostraEVela_data()
    {
        QTest::addColumn<int>("n");
        for (int n = 1; n <= 23; ++n)
            QTest::addRow("b%d", n) << n;
    }
    // Playing or dimming a hidden clip reveals nothing; a shown clip changes its own area only and
    // blends with the background at its opacity; an acting one ends clearly different.
    void mostraEVela()
    {
        QFETCH(int, n);
        Lettore l(scena(n), "102030");
        const QImage vuota = foto(l.lettore);
        for (int i = 1; i <= 10; ++i) {
            l.lettore.TPlay(clip(i));
            l.lettore.TSetProperty(clip(i), AnimationPlayer::ProprietaOpacita, QStringLiteral("100"));
        }
        l.orologio.avanza(30000);
        QCOMPARE(foto(l.lettore), vuota);
        l.lettore.Movie(scena(n));
        int mescolati = 0, sbagliati = 0;
        for (int i = 1; i <= 10; ++i) {
            mostra(l.lettore, i);
            const QImage piena = foto(l.lettore);
            const QRect r = limiti(scena(n), i) & vuota.rect();
            QVERIFY2(diversi(vuota, piena, r) > r.width() * r.height() / 20, qPrintable(QString::number(i)));
            QCOMPARE(diversi(vuota, piena, r, false), 0);
            l.lettore.TSetProperty(clip(i), AnimationPlayer::ProprietaOpacita, QStringLiteral("35"));
            const QImage velata = foto(l.lettore);
            for (int y = r.top(); y <= r.bottom(); ++y)
                for (int x = r.left(); x <= r.right(); ++x) {
                    const int v = qGray(vuota.pixel(x, y)), p = qGray(piena.pixel(x, y));
                    if (std::abs(v - p) >= 60 && ++mescolati)
                        sbagliati += std::abs(qGray(velata.pixel(x, y)) - (v + 0.35 * (p - v))) > 3;
                }
            l.lettore.TSetProperty(clip(i), AnimationPlayer::ProprietaOpacita, QStringLiteral("0"));
            QCOMPARE(foto(l.lettore), vuota);
            l.lettore.TSetProperty(clip(i), AnimationPlayer::ProprietaOpacita, QStringLiteral("250"));
            QCOMPARE(foto(l.lettore), piena);
            mostra(l.lettore, i, "0");
        }
        // A clip's fixed base is dimmed as a layer of its own: where the two overlap, a little off.
        QVERIFY2(mescolati > 100 && sbagliati * 4 < mescolati, qPrintable(QStringLiteral("%1 of %2").arg(sbagliati).arg(mescolati)));
        mostra(l.lettore, 1);
        const QImage ferma = foto(l.lettore);
        l.lettore.TPlay(clip(1));
        l.orologio.avanza(60000);
        const QRect r = limiti(scena(n), 1);
        QVERIFY(diversi(ferma, foto(l.lettore), r | r.translated(200, 0)) > r.width() * r.height() / 25);
    }

    // TStopPlay freezes, TPlay goes on to where one go would end, an action plays once; frames come
    // only while a shown clip moves, and repaint only what moves yet match a full painting.
    void fermaERiprende()
    {
        Lettore l(scena(1)), unaVolta(scena(1));
        l.lettore.resize(Tela);
        l.lettore.show();
        QVERIFY(QTest::qWaitForWindowExposed(&l.lettore));
        const auto schermo = [&] {
            return l.lettore.screen()->grabWindow(l.lettore.winId()).toImage().convertToFormat(QImage::Format_RGB32);
        };
        l.lettore.TPlay(clip(1));
        QVERIFY2(!l.lettore.inMovimento(), "a hidden clip costs no frames");
        l.lettore.TStopPlay(clip(1));
        mostra(l.lettore, 1);
        const QImage partenza = foto(l.lettore);
        l.lettore.TPlay(clip(1));
        QVERIFY(l.lettore.inMovimento());
        for (int passo = 0; passo < 5; ++passo) {
            l.orologio.avanza(200);
            QTRY_COMPARE(schermo(), foto(l.lettore).convertToFormat(QImage::Format_RGB32));
        }
        const QImage inViaggio = foto(l.lettore);
        QVERIFY(inViaggio != partenza);
        l.lettore.TStopPlay(clip(1));
        QVERIFY(!l.lettore.inMovimento());
        l.orologio.avanza(20000);
        QCOMPARE(foto(l.lettore), inViaggio);
        l.lettore.TPlay(clip(1));
        l.orologio.avanza(60000);
        QTRY_VERIFY(!l.lettore.inMovimento());
        mostra(unaVolta.lettore, 1);
        unaVolta.lettore.TPlay(clip(1));
        unaVolta.orologio.avanza(60000);
        QCOMPARE(foto(l.lettore), foto(unaVolta.lettore));
        l.lettore.TPlay(clip(1));
        l.orologio.avanza(700);
        QCOMPARE(foto(l.lettore), foto(unaVolta.lettore));
        l.lettore.Movie(scena(1));  // a new file hides every clip again
        l.lettore.TPlay(clip(2));
        mostra(l.lettore, 1);
        QCOMPARE(foto(l.lettore), partenza);
        // Wider than the scene: centred, proportions kept, the rest background.
        const QImage larga = foto(l.lettore, QSize(1100, 530));
        QCOMPARE(larga.copy(275, 0, 550, 530), partenza);
        QCOMPARE(larga.pixel(5, 300), qRgb(0xFF, 0xFF, 0xFF));
    }

    // A file that is no scene, a command for no clip or property, a colour not of six hex digits:
    // the background alone, unchanged.
    void soloLoSfondo_data()
    {
        QTest::addColumn<QByteArray>("contenuto");  // of the file; "b7" for that scene, "-" for none
        QTest::addColumn<QStringList>("comando");   // clip, property ("-1": a colour), value
        const QStringList mostraA1{"_root.a1", "7", "1"};
        QTest::newRow("non xml") << QByteArray("GIF89a\x01\x02") << mostraA1;
        QTest::newRow("xml non svg") << QByteArray("<html><body id='a1'>ciao</body></html>") << mostraA1;
        QTest::newRow("clip senza disegno") << QByteArray("<svg xmlns='http://www.w3.org/2000/svg' xmlns:c='urn:calcolotti:scena' viewBox='0 0 550 530'>"
                                                          "<g id='a1' c:azione='sposta' c:dx='NaN' c:durata='-1'/></svg>") << mostraA1;
        QTest::newRow("file mancante") << QByteArray("-") << mostraA1;
        for (const char *nome : {"_root.a11", "_root.b1", "_root.scenario", "_root.a1-dopo"})
            QTest::addRow("clip %s", nome) << QByteArray("b7") << QStringList{nome, "7", "1"};
        QTest::newRow("proprieta ignota") << QByteArray("b7") << QStringList{"_root.a1", "8", "1"};
        QTest::newRow("visibilita illeggibile") << QByteArray("b7") << QStringList{"_root.a1", "7", "si"};
        for (const char *colore : {"FFCC9", "GGCC99", "red"})
            QTest::addRow("colore '%s'", colore) << QByteArray("b7") << QStringList{colore, "-1", ""};
    }
    void soloLoSfondo()
    {
        QFETCH(QByteArray, contenuto);
        QFETCH(QStringList, comando);
        QTemporaryDir cartella;
        const QString file = contenuto == "b7" ? scena(7) : cartella.filePath("b1.svg");
        QVERIFY(contenuto == "b7" || contenuto == "-" || scrivi(file, contenuto));
        Lettore l(scena(5));
        mostra(l.lettore, 1);
        foto(l.lettore);  // what was drawn before must not stay
        l.lettore.Movie(file);
        l.lettore.BGColor(QStringLiteral("#FFCC99"));
        const QImage prima = foto(l.lettore);
        if (comando[1] == "-1")
            l.lettore.BGColor(comando[0]);
        l.lettore.TSetProperty(comando[0], comando[1].toInt(), comando[2]);
        l.lettore.TPlay(comando[0]);
        l.orologio.avanza(60000);
        l.lettore.TStopPlay(comando[0]);
        QCOMPARE(foto(l.lettore), prima);
        QVERIFY(!l.lettore.inMovimento());
        QImage sfondo(Tela, QImage::Format_ARGB32_Premultiplied);
        sfondo.fill(QColor(0xFF, 0xCC, 0x99));
        QVERIFY(contenuto == "b7" || prima == sfondo);
        QCOMPARE(l.lettore.sfondo(), QColor(0xFF, 0xCC, 0x99));
    }
};

QTEST_MAIN(TestScenePlayer)
#include "tst_sceneplayer.moc"
