#include "media/animation/Azione.h"
#include "media/animation/Orologio.h"
#include "media/animation/ScenePlayer.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QScreen>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

using Coppie = QList<QPair<QString, QString>>;

namespace {

const QString Scene = QStringLiteral(CALCOLOTTI_SOURCE_DATA "/scenes/");
const QSize Tela(550, 530);   // the scenes' own size: one unit, one pixel

QString fileScena(QChar lettera, int n) { return Scene + QStringLiteral("%1%2.svg").arg(lettera).arg(n); }
QString clip(int i) { return QStringLiteral("_root.a%1").arg(i); }

QImage fotografa(ScenePlayer &lettore, QSize misura = Tela)
{
    QImage immagine(misura, QImage::Format_ARGB32_Premultiplied);
    immagine.fill(Qt::magenta);
    QPainter painter(&immagine);
    lettore.dipingi(painter, QRectF(QPointF(0, 0), misura));
    return immagine;
}

// Where a clip draws at rest, read straight from the file with a renderer of its own.
QRect limitiNelFile(const QString &file, const QString &id)
{
    QSvgRenderer renderer(file);
    return renderer.boundsOnElement(id).toAlignedRect().adjusted(-2, -2, 2, 2);
}

int pixelDiversi(const QImage &a, const QImage &b, const QRect &area, bool dentro = true)
{
    int diversi = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (area.contains(x, y) == dentro && a.pixel(x, y) != b.pixel(x, y))
                ++diversi;
    return diversi;
}

void mostra(ScenePlayer &lettore, int i)
{
    lettore.TSetProperty(clip(i), AnimationPlayer::ProprietaVisibilita, QStringLiteral("1"));
    lettore.TStopPlay(clip(i));
}

QStringList idDiPrimoLivello(const QString &file)
{
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QXmlStreamReader lettore(&f);
    QStringList id;
    int profondita = 0;
    while (!lettore.atEnd()) {
        lettore.readNext();
        if (lettore.isStartElement() && ++profondita == 2)
            id << lettore.attributes().value(QStringLiteral("id")).toString();
        else if (lettore.isEndElement())
            --profondita;
    }
    return id;
}

QXmlStreamAttributes attributi(const Coppie &coppie)
{
    QXmlStreamAttributes risultato;
    for (const auto &[nome, valore] : coppie)
        risultato.append(QStringLiteral("urn:calcolotti:scena"), nome, valore);
    return risultato;
}

} // namespace

class TestScenePlayer : public QObject
{
    Q_OBJECT

private slots:
    void attributiDiUnaClip_data();
    void attributiDiUnaClip();
    void ogniEffettoPartedaFermoEFinisceNelloStatoAgito_data();
    void ogniEffettoPartedaFermoEFinisceNelloStatoAgito();
    void ilCicloSiRiposaNellaPosaFinale();

    void trasformazioniSvg_data();
    void trasformazioniSvg();
    void laTrasformazioneDelGruppoSpostaLOggetto_data();
    void laTrasformazioneDelGruppoSpostaLOggetto();

    void ogniScenaHaEsattamenteLeClipDelContratto_data();
    void ogniScenaHaEsattamenteLeClipDelContratto();
    void oggettiInOrdineDiLetturaSenzaSovrapporsiNeUscireDallaTela_data();
    void oggettiInOrdineDiLetturaSenzaSovrapporsiNeUscireDallaTela();
    void ogniClipRestaNascostaFinoAQuandoLaSiMostra_data();
    void ogniClipRestaNascostaFinoAQuandoLaSiMostra();
    void ogniOggettoCheAgisceFinisceDiversoDaPrima_data();
    void ogniOggettoCheAgisceFinisceDiversoDaPrima();

    void lOpacitaMescolaLaClipConLoSfondo_data();
    void lOpacitaMescolaLaClipConLoSfondo();
    void tStopPlayCongelaEtPlayRiprende();
    void siRidisegnaSoloMentreUnaClipVisibileSiMuove();
    void unNuovoFileRiportaTutteLeClipNascoste();
    void laScenaStaInteraNelWidgetConLeProporzioni();
    void loSchermoNonTrattieneTracceDelleClipInMoto_data();
    void loSchermoNonTrattieneTracceDelleClipInMoto();

    void fileMancantiOMalformatiMostranoSoloLoSfondo_data();
    void fileMancantiOMalformatiMostranoSoloLoSfondo();
    void comandiSconosciutiNonCambianoNulla_data();
    void comandiSconosciutiNonCambianoNulla();
    void bgColorAccettaSoloSeiCifreEsadecimali_data();
    void bgColorAccettaSoloSeiCifreEsadecimali();
};

void TestScenePlayer::attributiDiUnaClip_data()
{
    QTest::addColumn<Coppie>("coppie");
    QTest::addColumn<int>("effetti");
    QTest::addColumn<double>("durata");
    QTest::addColumn<int>("ciclo");

    using C = Coppie;
    QTest::newRow("nessuna azione") << C{} << 0 << 1.5 << int(Azione::Ciclo::Nessuno);
    QTest::newRow("due effetti") << C{{"azione", "sposta  aggiungi"}, {"durata", "2"}}
                                 << int(Azione::Sposta | Azione::Aggiungi) << 2.0 << int(Azione::Ciclo::Nessuno);
    QTest::newRow("parola ignota saltata") << C{{"azione", "vola scambia"}} << int(Azione::Scambia) << 1.5
                                           << int(Azione::Ciclo::Nessuno);
    QTest::newRow("durata zero") << C{{"azione", "cadi"}, {"durata", "0"}} << int(Azione::Cadi) << 1.5
                                 << int(Azione::Ciclo::Nessuno);
    QTest::newRow("durata non numerica") << C{{"azione", "ruota"}, {"durata", "presto"}} << int(Azione::Ruota)
                                         << 1.5 << int(Azione::Ciclo::Nessuno);
    QTest::newRow("ciclo oscilla") << C{{"azione", "salta"}, {"ciclo", "oscilla"}} << int(Azione::Salta) << 1.5
                                   << int(Azione::Ciclo::Oscilla);
    QTest::newRow("ciclo ignoto") << C{{"azione", "pulsa"}, {"ciclo", "balla"}} << int(Azione::Pulsa) << 1.5
                                  << int(Azione::Ciclo::Nessuno);
}

void TestScenePlayer::attributiDiUnaClip()
{
    QFETCH(Coppie, coppie);
    QFETCH(int, effetti);
    QFETCH(double, durata);
    QFETCH(int, ciclo);
    const Azione azione = Azione::daAttributi(attributi(coppie));
    QCOMPARE(azione.effetti, effetti);
    QCOMPARE(azione.durata, durata);
    QCOMPARE(int(azione.ciclo), ciclo);
}

void TestScenePlayer::ogniEffettoPartedaFermoEFinisceNelloStatoAgito_data()
{
    QTest::addColumn<Coppie>("coppie");
    QTest::addColumn<double>("dx");
    QTest::addColumn<double>("dy");
    QTest::addColumn<double>("gradi");
    QTest::addColumn<double>("scala");
    QTest::addColumn<double>("opacita");
    QTest::addColumn<double>("prima");
    QTest::addColumn<double>("dopo");

    using C = Coppie;
    QTest::newRow("sposta") << C{{"azione", "sposta"}, {"dx", "90"}, {"dy", "-5"}} << 90.0 << -5.0 << 0.0 << 1.0 << 1.0 << 1.0 << 0.0;
    QTest::newRow("cadi") << C{{"azione", "cadi"}, {"dy", "150"}} << 0.0 << 150.0 << 0.0 << 1.0 << 1.0 << 1.0 << 0.0;
    QTest::newRow("salta torna a terra") << C{{"azione", "salta"}, {"altezza", "40"}, {"salti", "3"}} << 0.0 << 0.0 << 0.0 << 1.0 << 1.0 << 1.0 << 0.0;
    QTest::newRow("ruota resta girato") << C{{"azione", "ruota"}, {"gradi", "30"}} << 0.0 << 0.0 << 30.0 << 1.0 << 1.0 << 1.0 << 0.0;
    QTest::newRow("scambia") << C{{"azione", "scambia"}} << 0.0 << 0.0 << 0.0 << 1.0 << 1.0 << 0.0 << 1.0;
    QTest::newRow("aggiungi tiene il disegno") << C{{"azione", "aggiungi"}} << 0.0 << 0.0 << 0.0 << 1.0 << 1.0 << 1.0 << 1.0;
    QTest::newRow("pulsa torna alla misura") << C{{"azione", "pulsa"}, {"scala", "1.5"}} << 0.0 << 0.0 << 0.0 << 1.0 << 1.0 << 1.0 << 0.0;
    QTest::newRow("dissolvi") << C{{"azione", "dissolvi"}, {"opacita", "0.5"}} << 0.0 << 0.0 << 0.0 << 1.0 << 0.5 << 1.0 << 0.0;
    QTest::newRow("dissolvi non sparisce oltre zero") << C{{"azione", "dissolvi"}, {"opacita", "-3"}} << 0.0 << 0.0 << 0.0 << 1.0 << 0.0 << 1.0 << 0.0;
    QTest::newRow("spostamento assurdo limitato") << C{{"azione", "sposta"}, {"dx", "1e308"}, {"dy", "-1e308"}} << 10000.0 << -10000.0 << 0.0 << 1.0 << 1.0 << 1.0 << 0.0;
    QTest::newRow("insieme") << C{{"azione", "sposta aggiungi ruota"}, {"dx", "10"}, {"gradi", "-20"}} << 10.0 << 0.0 << -20.0 << 1.0 << 1.0 << 1.0 << 1.0;
}

void TestScenePlayer::ogniEffettoPartedaFermoEFinisceNelloStatoAgito()
{
    QFETCH(Coppie, coppie);
    QFETCH(double, dx);
    QFETCH(double, dy);
    QFETCH(double, gradi);
    QFETCH(double, scala);
    QFETCH(double, opacita);
    QFETCH(double, prima);
    QFETCH(double, dopo);
    const Azione azione = Azione::daAttributi(attributi(coppie));

    QVERIFY2(posaAl(azione, 0) == Posa(), "a clip stands at its initial state before it acts");
    const Posa meta = posaAl(azione, azione.durata / 2);
    const Posa finale{dx, dy, gradi, scala, opacita, prima, dopo};
    if (!(finale == Posa()))
        QVERIFY2(!(meta == Posa()), "half way through the clip has moved");
    QVERIFY(posaAl(azione, azione.durata) == finale);
    QVERIFY(posaAl(azione, azione.durata * 10) == finale);
}

void TestScenePlayer::ilCicloSiRiposaNellaPosaFinale()
{
    const Azione azione = Azione::daAttributi(
        attributi({{"azione", "sposta"}, {"dx", "50"}, {"ciclo", "oscilla"}, {"ampiezza", "8"}}));
    const Posa ferma = posaAl(azione, azione.durata);
    bool mosso = false;
    for (double t = azione.durata; t < azione.fine(); t += 0.05)
        mosso = mosso || !(posaAl(azione, t) == ferma);
    QVERIFY2(mosso, "the loop moves after the action");
    QVERIFY(posaAl(azione, azione.fine()) == ferma);
    QVERIFY(posaAl(azione, azione.fine() + 100) == ferma);
    QCOMPARE(posaAl(azione, azione.fine() - 0.3).dx, 50.0);
}

void TestScenePlayer::trasformazioniSvg_data()
{
    QTest::addColumn<QString>("testo");
    QTest::addColumn<QPointF>("punto");
    QTest::addColumn<QPointF>("atteso");
    QTest::newRow("nessuna") << QString() << QPointF(3, 4) << QPointF(3, 4);
    QTest::newRow("translate") << QStringLiteral("translate(10,20)") << QPointF(3, 4) << QPointF(13, 24);
    QTest::newRow("translate con uno solo") << QStringLiteral("translate(10)") << QPointF(3, 4) << QPointF(13, 4);
    QTest::newRow("scale") << QStringLiteral("scale(2 3)") << QPointF(3, 4) << QPointF(6, 12);
    QTest::newRow("prima la scala a destra") << QStringLiteral("translate(10,0) scale(2)") << QPointF(3, 4) << QPointF(16, 8);
    QTest::newRow("rotate attorno a un punto") << QStringLiteral("rotate(90 10 10)") << QPointF(20, 10) << QPointF(10, 20);
    QTest::newRow("matrix") << QStringLiteral("matrix(1,0,0,1,5,-5)") << QPointF(3, 4) << QPointF(8, -1);
    QTest::newRow("illeggibile") << QStringLiteral("translate(a,b)") << QPointF(3, 4) << QPointF(3, 4);
    QTest::newRow("sconosciuta") << QStringLiteral("wobble(3)") << QPointF(3, 4) << QPointF(3, 4);
}

void TestScenePlayer::trasformazioniSvg()
{
    QFETCH(QString, testo);
    QFETCH(QPointF, punto);
    QFETCH(QPointF, atteso);
    const QPointF ottenuto = Scena::trasformazioneSvg(testo).map(punto);
    QVERIFY2(qAbs(ottenuto.x() - atteso.x()) < 1e-9 && qAbs(ottenuto.y() - atteso.y()) < 1e-9,
             qPrintable(QStringLiteral("(%1, %2)").arg(ottenuto.x()).arg(ottenuto.y())));
}

void TestScenePlayer::laTrasformazioneDelGruppoSpostaLOggetto_data()
{
    QTest::addColumn<QString>("gruppo");
    QTest::addColumn<QString>("parti");
    QTest::addColumn<QPoint>("dentro");
    QTest::addColumn<QPoint>("fuori");
    const QString quadrato = QStringLiteral("<rect width='40' height='40' fill='#ff0000'/>");
    QTest::newRow("sul gruppo") << QStringLiteral("transform='translate(100,50)'")
                                << QStringLiteral("<g id='a1-prima'>%1</g>").arg(quadrato) << QPoint(120, 70) << QPoint(20, 20);
    QTest::newRow("sul gruppo e sulla parte") << QStringLiteral("transform='translate(100,50)'")
                                << QStringLiteral("<g id='a1-prima' transform='translate(0,100)'>%1</g>").arg(quadrato)
                                << QPoint(120, 170) << QPoint(120, 70);
    QTest::newRow("gruppo ingrandito") << QStringLiteral("transform='scale(3)'")
                                << QStringLiteral("<g id='a1-prima'>%1</g>").arg(quadrato) << QPoint(110, 110) << QPoint(130, 130);
    QTest::newRow("gruppo senza parti") << QStringLiteral("transform='translate(300,300)'") << quadrato
                                << QPoint(320, 320) << QPoint(20, 20);
}

void TestScenePlayer::laTrasformazioneDelGruppoSpostaLOggetto()
{
    QFETCH(QString, gruppo);
    QFETCH(QString, parti);
    QFETCH(QPoint, dentro);
    QFETCH(QPoint, fuori);
    QTemporaryDir cartella;
    const QString percorso = cartella.filePath(QStringLiteral("a1.svg"));
    QFile f(percorso);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(QStringLiteral("<svg xmlns='http://www.w3.org/2000/svg' viewBox='0 0 550 530'>"
                           "<g id='a1' %1>%2</g></svg>").arg(gruppo, parti).toUtf8());
    f.close();

    ScenePlayer lettore;
    lettore.Movie(percorso);
    lettore.BGColor(QStringLiteral("FFFFFF"));
    mostra(lettore, 1);
    const QImage immagine = fotografa(lettore);
    QCOMPARE(immagine.pixel(dentro), qRgb(0xFF, 0, 0));
    QCOMPARE(immagine.pixel(fuori), qRgb(0xFF, 0xFF, 0xFF));
}

void TestScenePlayer::ogniScenaHaEsattamenteLeClipDelContratto_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("gruppoB");
    for (int n = 1; n <= 23; ++n)
        QTest::addRow("b%d", n) << fileScena('b', n) << false;
    for (int n = 1; n <= 30; ++n)
        QTest::addRow("a%d", n) << fileScena('a', n) << true;
}

void TestScenePlayer::ogniScenaHaEsattamenteLeClipDelContratto()
{
    QFETCH(QString, file);
    QFETCH(bool, gruppoB);
    if (gruppoB && !QFile::exists(file))
        QSKIP("addition scene not in this tree");

    Scena scena;
    QVERIFY2(scena.carica(file), qPrintable(file));
    QCOMPARE(scena.tela(), QRectF(0, 0, 550, 530));

    QStringList attese;
    for (int i = 1; i <= 10; ++i)
        attese << QStringLiteral("a%1").arg(i);
    if (gruppoB)
        for (int i = 1; i <= 10; ++i)
            attese << QStringLiteral("b%1").arg(i);
    QStringList trovate;
    for (const Scena::Clip &c : scena.clip())
        trovate << c.id;
    QCOMPARE(trovate, attese);

    // Nothing else at the top but the scenery, or the program would show it uncounted.
    QStringList resto = idDiPrimoLivello(file);
    for (const QString &id : attese)
        resto.removeOne(id);
    resto.removeAll(QString());
    resto.removeOne(QStringLiteral("scenario"));
    resto.removeOne(QStringLiteral("ambiente"));
    QCOMPARE(resto, QStringList());
}

void TestScenePlayer::oggettiInOrdineDiLetturaSenzaSovrapporsiNeUscireDallaTela_data()
{
    QTest::addColumn<int>("n");
    for (int n = 1; n <= 23; ++n)
        QTest::addRow("b%d", n) << n;
}

void TestScenePlayer::oggettiInOrdineDiLetturaSenzaSovrapporsiNeUscireDallaTela()
{
    QFETCH(int, n);
    Scena scena;
    QVERIFY(scena.carica(fileScena('b', n)));
    QSvgRenderer *renderer = scena.renderer();

    // Everything a clip ever covers: at rest and where its action leaves it.
    QVector<QRectF> occupato;
    QVector<QRectF> aRiposo;
    for (const Scena::Clip &c : scena.clip()) {
        const Posa finale = posaAl(c.azione, c.azione.fine());
        QRectF parti = renderer->boundsOnElement(c.prima);
        if (!c.dopo.isEmpty())
            parti |= renderer->boundsOnElement(c.dopo);
        QRectF tutto = parti | parti.translated(finale.dx, finale.dy);
        if (!c.base.isEmpty())
            tutto |= renderer->boundsOnElement(c.base);
        QVERIFY2(QRectF(0, 0, 550, 530).contains(tutto),
                 qPrintable(QStringLiteral("%1 leaves the canvas").arg(c.id)));
        occupato << tutto;
        aRiposo << renderer->boundsOnElement(c.prima);
    }
    for (int i = 0; i < occupato.size(); ++i)
        for (int j = i + 1; j < occupato.size(); ++j)
            QVERIFY2(!occupato[i].intersects(occupato[j]),
                     qPrintable(QStringLiteral("a%1 and a%2 overlap").arg(i + 1).arg(j + 1)));

    for (int i = 1; i < aRiposo.size(); ++i) {
        const QPointF a = aRiposo[i - 1].center(), b = aRiposo[i].center();
        const bool stessaRiga = qAbs(a.y() - b.y()) < 1;
        QVERIFY2(stessaRiga ? b.x() > a.x() : b.y() > a.y(),
                 qPrintable(QStringLiteral("a%1 is not after a%2 in reading order").arg(i + 1).arg(i)));
    }
    // Same object, same size.
    for (const QRectF &r : aRiposo)
        QCOMPARE(r.size().toSize(), aRiposo.first().size().toSize());
}

void TestScenePlayer::ogniClipRestaNascostaFinoAQuandoLaSiMostra_data()
{
    QTest::addColumn<int>("n");
    for (int n = 1; n <= 23; ++n)
        QTest::addRow("b%d", n) << n;
}

void TestScenePlayer::ogniClipRestaNascostaFinoAQuandoLaSiMostra()
{
    QFETCH(int, n);
    const QString file = fileScena('b', n);
    OrologioManuale orologio;
    ScenePlayer lettore(nullptr, &orologio);
    lettore.Movie(file);
    lettore.BGColor(QStringLiteral("102030"));
    const QImage vuota = fotografa(lettore);

    // Playing, stopping and dimming hidden clips must not reveal them.
    for (int i = 1; i <= 10; ++i) {
        lettore.TPlay(clip(i));
        lettore.TSetProperty(clip(i), AnimationPlayer::ProprietaOpacita, QStringLiteral("100"));
    }
    orologio.avanza(30000);
    QCOMPARE(fotografa(lettore), vuota);

    lettore.Movie(file);
    for (int i = 1; i <= 10; ++i) {
        const QRect limiti = limitiNelFile(file, QStringLiteral("a%1").arg(i));
        mostra(lettore, i);
        const QImage conClip = fotografa(lettore);
        QVERIFY2(pixelDiversi(vuota, conClip, limiti) > limiti.width() * limiti.height() / 20,
                 qPrintable(QStringLiteral("a%1 does not show").arg(i)));
        QCOMPARE(pixelDiversi(vuota, conClip, limiti, false), 0);
        lettore.TSetProperty(clip(i), AnimationPlayer::ProprietaVisibilita, QStringLiteral("0"));
        QCOMPARE(fotografa(lettore), vuota);
    }
}

void TestScenePlayer::ogniOggettoCheAgisceFinisceDiversoDaPrima_data()
{
    QTest::addColumn<int>("n");
    for (int n = 1; n <= 23; ++n)
        QTest::addRow("b%d", n) << n;
}

void TestScenePlayer::ogniOggettoCheAgisceFinisceDiversoDaPrima()
{
    QFETCH(int, n);
    const QString file = fileScena('b', n);
    OrologioManuale orologio;
    ScenePlayer lettore(nullptr, &orologio);
    lettore.Movie(file);
    lettore.BGColor(QStringLiteral("FFFFFF"));
    mostra(lettore, 1);
    mostra(lettore, 2);
    const QImage ferme = fotografa(lettore);
    lettore.TPlay(clip(1));
    orologio.avanza(60000);
    const QImage agita = fotografa(lettore);

    const QRect primo = limitiNelFile(file, QStringLiteral("a1"));
    const QRect secondo = limitiNelFile(file, QStringLiteral("a2"));
    QVERIFY2(pixelDiversi(ferme, agita, primo | primo.translated(200, 0)) > primo.width() * primo.height() / 25,
             "the acted object looks clearly different");
    QCOMPARE(pixelDiversi(ferme, agita, secondo), 0);

    // Still visible: the acted object has not vanished.
    mostra(lettore, 3);
    lettore.TSetProperty(clip(1), AnimationPlayer::ProprietaVisibilita, QStringLiteral("0"));
    QVERIFY(pixelDiversi(fotografa(lettore), agita, QRect(QPoint(0, 0), Tela)) > primo.width() * primo.height() / 10);
}

void TestScenePlayer::lOpacitaMescolaLaClipConLoSfondo_data()
{
    QTest::addColumn<QString>("valore");
    QTest::addColumn<double>("quota");
    QTest::newRow("40") << QStringLiteral("40") << 0.40;
    QTest::newRow("35") << QStringLiteral("35") << 0.35;
    QTest::newRow("100") << QStringLiteral("100") << 1.0;
    QTest::newRow("0 nasconde") << QStringLiteral("0") << 0.0;
    QTest::newRow("oltre 100 resta piena") << QStringLiteral("250") << 1.0;
}

void TestScenePlayer::lOpacitaMescolaLaClipConLoSfondo()
{
    QFETCH(QString, valore);
    QFETCH(double, quota);
    const QString file = fileScena('b', 12);
    OrologioManuale orologio;
    ScenePlayer lettore(nullptr, &orologio);
    lettore.Movie(file);
    lettore.BGColor(QStringLiteral("0000FF"));
    const QImage vuota = fotografa(lettore);
    mostra(lettore, 4);
    const QImage piena = fotografa(lettore);
    lettore.TSetProperty(clip(4), AnimationPlayer::ProprietaOpacita, valore);
    const QImage velata = fotografa(lettore);

    const QRect limiti = limitiNelFile(file, QStringLiteral("a4"));
    int confrontati = 0;
    for (int y = limiti.top(); y <= limiti.bottom(); ++y)
        for (int x = limiti.left(); x <= limiti.right(); ++x) {
            const QColor v = vuota.pixelColor(x, y), p = piena.pixelColor(x, y), m = velata.pixelColor(x, y);
            if (qAbs(v.red() - p.red()) < 120)
                continue;   // only where the apple clearly covers the blue
            ++confrontati;
            const double atteso = v.red() + quota * (p.red() - v.red());
            QVERIFY2(qAbs(m.red() - atteso) <= 3,
                     qPrintable(QStringLiteral("(%1,%2): %3 instead of %4").arg(x).arg(y).arg(m.red()).arg(atteso)));
        }
    QVERIFY(confrontati > 100);
}

void TestScenePlayer::tStopPlayCongelaEtPlayRiprende()
{
    const QString file = fileScena('b', 1);
    OrologioManuale orologio;
    ScenePlayer lettore(nullptr, &orologio);
    lettore.Movie(file);
    mostra(lettore, 1);
    const QImage partenza = fotografa(lettore);

    lettore.TPlay(clip(1));
    orologio.avanza(1000);
    const QImage inViaggio = fotografa(lettore);
    QVERIFY(inViaggio != partenza);
    lettore.TStopPlay(clip(1));
    const QImage fermata = fotografa(lettore);
    QCOMPARE(fermata, inViaggio);
    orologio.avanza(20000);
    QCOMPARE(fotografa(lettore), fermata);

    lettore.TPlay(clip(1));
    orologio.avanza(500);
    QVERIFY(fotografa(lettore) != fermata);
    orologio.avanza(60000);
    const QImage arrivata = fotografa(lettore);

    // Played in one go, the clip ends in the same place.
    OrologioManuale altroOrologio;
    ScenePlayer altro(nullptr, &altroOrologio);
    altro.Movie(file);
    mostra(altro, 1);
    altro.TPlay(clip(1));
    altroOrologio.avanza(60000);
    QCOMPARE(fotografa(altro), arrivata);

    // An action plays once: playing again leaves it where it ended.
    lettore.TPlay(clip(1));
    orologio.avanza(700);
    QCOMPARE(fotografa(lettore), arrivata);
}

void TestScenePlayer::siRidisegnaSoloMentreUnaClipVisibileSiMuove()
{
    OrologioManuale orologio;
    ScenePlayer lettore(nullptr, &orologio);
    lettore.Movie(fileScena('b', 18));
    QVERIFY(!lettore.inMovimento());
    lettore.TPlay(clip(1));
    QVERIFY2(!lettore.inMovimento(), "a hidden clip costs no frames");
    lettore.TSetProperty(clip(1), AnimationPlayer::ProprietaVisibilita, QStringLiteral("1"));
    QVERIFY(lettore.inMovimento());
    lettore.TStopPlay(clip(1));
    QVERIFY(!lettore.inMovimento());
    lettore.TPlay(clip(1));
    QVERIFY(lettore.inMovimento());
    orologio.avanza(60000);
    QTRY_VERIFY(!lettore.inMovimento());
}

void TestScenePlayer::unNuovoFileRiportaTutteLeClipNascoste()
{
    OrologioManuale orologio;
    ScenePlayer lettore(nullptr, &orologio);
    lettore.Movie(fileScena('b', 3));
    const QImage vuota = fotografa(lettore);
    for (int i = 1; i <= 10; ++i) {
        mostra(lettore, i);
        lettore.TPlay(clip(i));
        lettore.TSetProperty(clip(i), AnimationPlayer::ProprietaOpacita, QStringLiteral("40"));
    }
    orologio.avanza(500);
    lettore.Movie(fileScena('b', 3));
    QCOMPARE(fotografa(lettore), vuota);
    mostra(lettore, 1);
    orologio.avanza(60000);
    OrologioManuale altroOrologio;
    ScenePlayer nuovo(nullptr, &altroOrologio);
    nuovo.Movie(fileScena('b', 3));
    mostra(nuovo, 1);
    QCOMPARE(fotografa(lettore), fotografa(nuovo));
}

void TestScenePlayer::laScenaStaInteraNelWidgetConLeProporzioni()
{
    OrologioManuale orologio;
    ScenePlayer lettore(nullptr, &orologio);
    lettore.Movie(fileScena('b', 14));
    lettore.BGColor(QStringLiteral("66FFFF"));
    for (int i = 1; i <= 10; ++i)
        mostra(lettore, i);
    const QImage normale = fotografa(lettore);
    const QImage larga = fotografa(lettore, QSize(1100, 530));
    const QRgb sfondo = qRgb(0x66, 0xFF, 0xFF);
    for (int y = 0; y < 530; y += 7) {
        QCOMPARE(larga.pixel(5, y), sfondo);
        QCOMPARE(larga.pixel(1094, y), sfondo);
    }
    QCOMPARE(larga.copy(275, 0, 550, 530), normale);
}

void TestScenePlayer::loSchermoNonTrattieneTracceDelleClipInMoto_data()
{
    QTest::addColumn<int>("n");
    QTest::newRow("locomotive che partono") << 1;
    QTest::newRow("elefantini che ballano") << 2;
    QTest::newRow("goccioline che cadono") << 9;
    QTest::newRow("marziani che oscillano") << 10;
    QTest::newRow("fiori che pulsano") << 15;
    QTest::newRow("missili lanciati") << 19;
}

// The widget repaints only where clips move: what is on screen after each
// frame must match a full repaint of the same moment.
void TestScenePlayer::loSchermoNonTrattieneTracceDelleClipInMoto()
{
    QFETCH(int, n);
    OrologioManuale orologio;
    ScenePlayer lettore(nullptr, &orologio);
    lettore.resize(Tela);
    lettore.show();
    QVERIFY(QTest::qWaitForWindowExposed(&lettore));
    lettore.Movie(fileScena('b', n));
    lettore.BGColor(QStringLiteral("336699"));
    for (int i = 1; i <= 10; ++i)
        mostra(lettore, i);
    QTest::qWait(50);
    for (int i = 1; i <= 10; i += 2)
        lettore.TPlay(clip(i));

    const auto schermo = [&] {
        return lettore.screen()->grabWindow(lettore.winId()).toImage().convertToFormat(QImage::Format_RGB32);
    };
    for (int passo = 0; passo < 12 && lettore.inMovimento(); ++passo) {
        orologio.avanza(170);
        // Waits for the next frame; a trail would stay on screen however long we wait.
        QTRY_COMPARE_WITH_TIMEOUT(schermo(), fotografa(lettore).convertToFormat(QImage::Format_RGB32), 3000);
    }
}

void TestScenePlayer::fileMancantiOMalformatiMostranoSoloLoSfondo_data()
{
    QTest::addColumn<QByteArray>("contenuto");
    QTest::newRow("vuoto") << QByteArray();
    QTest::newRow("non xml") << QByteArray("GIF89a\x01\x02");
    QTest::newRow("xml non svg") << QByteArray("<html><body id='a1'>ciao</body></html>");
    QTest::newRow("una cartella") << QByteArray("/");
    QTest::newRow("tronco") << [] {
        QFile f(fileScena('b', 5));
        f.open(QIODevice::ReadOnly);
        return f.readAll().left(3000);
    }();
    QTest::newRow("clip senza disegno") << QByteArray(
        "<svg xmlns='http://www.w3.org/2000/svg' xmlns:c='urn:calcolotti:scena' viewBox='0 0 550 530'>"
        "<g id='a1' c:azione='sposta' c:dx='NaN' c:durata='-1'/></svg>");
    QTest::newRow("solo disegni sconosciuti") << QByteArray(
        "<svg xmlns='http://www.w3.org/2000/svg' viewBox='0 0 550 530'><g id='c1'><rect width='99' height='99'/></g>"
        "<rect id='a1-prima' width='99' height='99'/></svg>");
    QTest::newRow("mancante") << QByteArray("-");
}

void TestScenePlayer::fileMancantiOMalformatiMostranoSoloLoSfondo()
{
    QFETCH(QByteArray, contenuto);
    QTemporaryDir cartella;
    QString percorso = cartella.filePath(QStringLiteral("b1.svg"));
    if (contenuto == "-") {
        percorso = cartella.filePath(QStringLiteral("nessuno.svg"));
    } else if (contenuto == "/") {
        percorso = cartella.path();
    } else {
        QFile f(percorso);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(contenuto);
    }

    OrologioManuale orologio;
    ScenePlayer lettore(nullptr, &orologio);
    lettore.Movie(fileScena('b', 5));
    mostra(lettore, 1);
    lettore.Movie(percorso);
    lettore.BGColor(QStringLiteral("FFCC99"));
    for (int i = 1; i <= 10; ++i) {
        mostra(lettore, i);
        lettore.TSetProperty(clip(i), AnimationPlayer::ProprietaOpacita, QStringLiteral("40"));
        lettore.TPlay(clip(i));
    }
    orologio.avanza(500);
    lettore.TStopPlay(clip(1));

    QImage atteso(Tela, QImage::Format_ARGB32_Premultiplied);
    atteso.fill(QColor(0xFF, 0xCC, 0x99));
    const QImage ottenuto = fotografa(lettore);
    QCOMPARE(ottenuto, atteso);
    lettore.resize(200, 200);
    QCOMPARE(lettore.grab().toImage().convertToFormat(QImage::Format_RGB32).pixel(100, 100), qRgb(0xFF, 0xCC, 0x99));
}

void TestScenePlayer::comandiSconosciutiNonCambianoNulla_data()
{
    QTest::addColumn<QString>("nome");
    QTest::addColumn<int>("proprieta");
    QTest::addColumn<QString>("valore");
    QTest::newRow("clip 11") << QStringLiteral("_root.a11") << 7 << QStringLiteral("1");
    QTest::newRow("clip 0") << QStringLiteral("_root.a0") << 7 << QStringLiteral("1");
    QTest::newRow("gruppo b in una sottrazione") << QStringLiteral("_root.b1") << 7 << QStringLiteral("1");
    QTest::newRow("lo scenario") << QStringLiteral("_root.scenario") << 7 << QStringLiteral("1");
    QTest::newRow("una parte") << QStringLiteral("_root.a1-dopo") << 7 << QStringLiteral("1");
    QTest::newRow("nome vuoto") << QString() << 7 << QStringLiteral("1");
    QTest::newRow("proprieta ignota") << QStringLiteral("_root.a1") << 8 << QStringLiteral("1");
    QTest::newRow("proprieta negativa") << QStringLiteral("_root.a1") << -1 << QStringLiteral("1");
    QTest::newRow("visibilita non numerica") << QStringLiteral("_root.a1") << 7 << QStringLiteral("si");
    QTest::newRow("visibilita vuota") << QStringLiteral("_root.a1") << 7 << QString();
    QTest::newRow("visibilita infinita") << QStringLiteral("_root.a1") << 7 << QStringLiteral("1e999");
    QTest::newRow("visibilita zero") << QStringLiteral("_root.a1") << 7 << QStringLiteral("0");
}

void TestScenePlayer::comandiSconosciutiNonCambianoNulla()
{
    QFETCH(QString, nome);
    QFETCH(int, proprieta);
    QFETCH(QString, valore);
    OrologioManuale orologio;
    ScenePlayer lettore(nullptr, &orologio);
    lettore.Movie(fileScena('b', 7));
    lettore.BGColor(QStringLiteral("0000CC"));
    const QImage prima = fotografa(lettore);
    lettore.TSetProperty(nome, proprieta, valore);
    lettore.TPlay(nome);
    orologio.avanza(60000);
    lettore.TStopPlay(nome);
    QCOMPARE(fotografa(lettore), prima);
    QVERIFY(!lettore.inMovimento());
}

void TestScenePlayer::bgColorAccettaSoloSeiCifreEsadecimali_data()
{
    QTest::addColumn<QString>("testo");
    QTest::addColumn<QColor>("colore");
    const QColor precedente(0x12, 0x34, 0x56);
    QTest::newRow("maiuscole") << QStringLiteral("FFCC99") << QColor(0xFF, 0xCC, 0x99);
    QTest::newRow("minuscole") << QStringLiteral("ffcc99") << QColor(0xFF, 0xCC, 0x99);
    QTest::newRow("rosso verde blu in ordine") << QStringLiteral("0000CC") << QColor(0, 0, 0xCC);
    QTest::newRow("cancelletto") << QStringLiteral("#669900") << QColor(0x66, 0x99, 0x00);
    QTest::newRow("cinque cifre") << QStringLiteral("FFCC9") << precedente;
    QTest::newRow("sette cifre") << QStringLiteral("FFCC990") << precedente;
    QTest::newRow("non esadecimale") << QStringLiteral("GGCC99") << precedente;
    QTest::newRow("vuoto") << QString() << precedente;
    QTest::newRow("nome di colore") << QStringLiteral("red") << precedente;
}

void TestScenePlayer::bgColorAccettaSoloSeiCifreEsadecimali()
{
    QFETCH(QString, testo);
    QFETCH(QColor, colore);
    ScenePlayer lettore;
    lettore.BGColor(QStringLiteral("123456"));
    lettore.BGColor(testo);
    QCOMPARE(lettore.sfondo(), colore);
    QCOMPARE(fotografa(lettore).pixelColor(10, 10), colore);
}

QTEST_MAIN(TestScenePlayer)
#include "tst_sceneplayer.moc"
