#include "exercises/FormEsercizio.h"
#include "core/Twips.h"
#include "shell/FabbricaSchermate.h"
#include "core/Schermata.h"

#include "Finti.h"

#include <QRegularExpression>
#include <QtTest>

// Every real screen at its designed size, then at twice and at three quarters of
// it: designed places where the layout names them, and afterwards no control
// outside the window or over a sibling.
class TestDisposizioni : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_finti = std::make_unique<ServiziFinti>(); m_navigatore = std::make_unique<FabbricaSchermate>(m_finti->servizi); }
    void cleanup() { m_navigatore.reset(); m_finti.reset(); }
    void alPostoProgettatoEPoiInProporzione_data();
    void alPostoProgettatoEPoiInProporzione();

private:
    std::unique_ptr<ServiziFinti> m_finti;
    std::unique_ptr<FabbricaSchermate> m_navigatore;
};

namespace {

struct Posto {
    QString nome;
    QRect twips;
};

// The controls a user sees and hits; compound controls' inner parts and layout
// helpers are not among them.
const QRegularExpression Controllo(QStringLiteral(
    "^(Label\\d|Label\\d_\\d|Image1|Image1_\\d|Check1|CheckDisabilitaMousePersonalizzato|Command\\d|Command\\d_\\d+"
    "|Option4_\\d|HScroll\\d|Combo1|Bocca|BottoneEsci|Picture1)$"));

void attendi(int ms) { QTest::qWait(ms); }

QList<QWidget *> controlliVisibili(QWidget *schermata)
{
    QList<QWidget *> trovati;
    for (QWidget *w : schermata->findChildren<QWidget *>())
        if (w->isVisible() && Controllo.match(w->objectName()).hasMatch())
            trovati << w;
    return trovati;
}

}

void TestDisposizioni::alPostoProgettatoEPoiInProporzione_data()
{
    QTest::addColumn<int>("schermata");  // IdSchermata, or 100 + exercise number
    QTest::addColumn<QList<Posto>>("posti");

    QTest::newRow("splash") << int(IdSchermata::Avvio)
                            << QList<Posto>{{QStringLiteral("Command1"), {2880, 5640, 3375, 975}},
                                            {QStringLiteral("Image1"), {600, 5400, 1335, 1215}}};
    QTest::newRow("menu") << int(IdSchermata::Menu)
                          << QList<Posto>{{QStringLiteral("Label1_0"), {1440, 360, 2775, 855}},
                                          {QStringLiteral("Label1_7"), {6240, 5160, 2775, 855}},
                                          {QStringLiteral("Check1"), {5400, 4080, 3735, 375}}};
    QTest::newRow("information") << int(IdSchermata::Info)
                                 << QList<Posto>{{QStringLiteral("Command1"), {5640, 5280, 2655, 975}}};
    QTest::newRow("input mode") << int(IdSchermata::Configura)
                                << QList<Posto>{{QStringLiteral("Option4_0"), {480, 1080, 2295, 495}},
                                                {QStringLiteral("Command1"), {1320, 5760, 2175, 1000}}};
    QTest::newRow("voice") << int(IdSchermata::Voce)
                           << QList<Posto>{{QStringLiteral("BottoneEsci"), {6000, 4320, 1935, 975}},
                                           {QStringLiteral("Combo1"), {4440, 3000, 3615, 390}}};
    for (int n = 1; n <= 9; ++n) {
        const int sinistra = n == 1 ? 5880 : 6000;
        QTest::addRow("Form%d", n) << 100 + n
                                   << QList<Posto>{{QStringLiteral("Label1"), {sinistra, n == 2 || n == 4 ? 360 : 240, 4455, 495}},
                                                   {QStringLiteral("Command1_3"), {120 + 840 * 3, 5640, 615, 615}},
                                                   {QStringLiteral("Command1_10"), {120 + 8400, 5640, 615, 615}}};
    }
}

void TestDisposizioni::alPostoProgettatoEPoiInProporzione()
{
    QFETCH(int, schermata);
    QFETCH(QList<Posto>, posti);
    Schermata *s = schermata >= 100 ? m_navigatore->creaEsercizio(schermata - 100)
                                    : m_navigatore->crea(IdSchermata(schermata));
    QScopedPointer<Schermata> custode(s);
    s->show();
    QVERIFY(QTest::qWaitForWindowExposed(s));
    attendi(50);

    for (const Posto &p : std::as_const(posti)) {
        QWidget *w = s->findChild<QWidget *>(p.nome);
        QVERIFY2(w, qPrintable(p.nome));
        const QRect atteso = Twips::rect(p.twips.x(), p.twips.y(), p.twips.width(), p.twips.height());
        const QRect g = w->geometry();
        QVERIFY2(qAbs(g.x() - atteso.x()) <= 1 && qAbs(g.y() - atteso.y()) <= 1
                     && qAbs(g.width() - atteso.width()) <= 1 && qAbs(g.height() - atteso.height()) <= 1,
                 qPrintable(QStringLiteral("%1 at %2,%3 %4x%5").arg(p.nome).arg(g.x()).arg(g.y()).arg(g.width()).arg(g.height())));
    }

    const QSize progetto = s->size();
    for (double scala : {2.0, 0.75}) {
        s->resize((QSizeF(progetto) * scala).toSize());
        attendi(50);
        const QRect finestra = s->rect();
        const QList<QWidget *> controlli = controlliVisibili(s);
        QVERIFY(controlli.size() >= 3);
        for (QWidget *w : controlli) {
            const QRect r(w->mapTo(s, QPoint(0, 0)), w->size());
            QVERIFY2(finestra.contains(r), qPrintable(QStringLiteral("%1 outside at %2×").arg(w->objectName()).arg(scala)));
            QVERIFY2(!r.isEmpty(), qPrintable(w->objectName()));
        }
        for (int i = 0; i < controlli.size(); ++i)
            for (int j = i + 1; j < controlli.size(); ++j) {
                QWidget *a = controlli[i];
                QWidget *b = controlli[j];
                if (a->parentWidget() != b->parentWidget())
                    continue;
                QVERIFY2(!a->geometry().intersects(b->geometry()),
                         qPrintable(QStringLiteral("%1 over %2 at %3×").arg(a->objectName(), b->objectName()).arg(scala)));
            }
    }
}

QTEST_MAIN(TestDisposizioni)
#include "tst_disposizioni.moc"
