#include "core/Schermata.h"
#include "core/Twips.h"
#include "exercises/EtichettaParlante.h"
#include "resources/Accessibilita.h"
#include "shell/FabbricaSchermate.h"

#include "Finti.h"

#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QtTest>

// Every real screen at its designed size, then at twice and at three quarters
// of it: designed places where the layout names them; afterwards no control
// outside the window or over a sibling, and the menu bar's text in step.
class TestDisposizioni : public QObject
{
    Q_OBJECT

private slots:
    void schermate_data();
    void schermate();
    void senzaNomeTrovaIControlliMuti();
};

namespace {

struct Posto {
    QString nome;
    QRect twips;
};

// The controls a user sees and hits; compound controls' inner parts and
// layout helpers are not among them.
const QRegularExpression Controllo(QStringLiteral(
    "^(Label\\d|Label\\d_\\d|Image1|Image1_\\d|Check1|CheckDisabilitaMousePersonalizzato|Command\\d|Command\\d_\\d+"
    "|Option4_\\d|HScroll\\d|Combo1|Bocca|BottoneEsci|Picture1|Avvisi)$"));

}

void TestDisposizioni::schermate_data()
{
    QTest::addColumn<int>("schermata");  // IdSchermata, or 100 + exercise number
    QTest::addColumn<QList<Posto>>("posti");
    QTest::newRow("splash") << int(IdSchermata::Avvio)
                            << QList<Posto>{{"Command1", {2880, 5640, 3375, 975}}, {"Image1", {600, 5400, 1335, 1215}}};
    QTest::newRow("menu") << int(IdSchermata::Menu)
                          << QList<Posto>{{"Label1_0", {1440, 360, 2775, 855}}, {"Label1_7", {6240, 5160, 2775, 855}},
                                          {"Check1", {5400, 4080, 3735, 375}}, {"Avvisi", {4920, 2640, 4365, 1320}}};
    QTest::newRow("information") << int(IdSchermata::Info) << QList<Posto>{{"Command1", {5640, 5280, 2655, 975}}};
    QTest::newRow("input mode") << int(IdSchermata::Configura)
                                << QList<Posto>{{"Option4_0", {480, 1080, 2295, 495}}, {"Command1", {1320, 5760, 2175, 1000}}};
    QTest::newRow("voice") << int(IdSchermata::Voce)
                           << QList<Posto>{{"BottoneEsci", {6000, 4320, 1935, 975}}, {"Combo1", {4440, 3000, 3615, 390}}};
    for (int n = 1; n <= 9; ++n)
        QTest::addRow("Form%d", n) << 100 + n
                                   << QList<Posto>{{"Label1", {n == 1 ? 5880 : 6000, n == 2 || n == 4 ? 360 : 240, 4455, 495}},
                                                   {"Command1_3", {120 + 840 * 3, 5640, 615, 615}},
                                                   {"Command1_10", {120 + 8400, 5640, 615, 615}}};
}

void TestDisposizioni::schermate()
{
    QFETCH(int, schermata);
    QFETCH(QList<Posto>, posti);
    ServiziFinti finti;
    finti.avvisi.aggiungi(QStringLiteral("scena"), QStringLiteral("Manca o è danneggiata la scena b7.svg."));
    FabbricaSchermate navigatore(finti.servizi);
    QScopedPointer<Schermata> s(schermata >= 100 ? navigatore.creaEsercizio(schermata - 100)
                                                 : navigatore.crea(IdSchermata(schermata)));
    s->show();
    QVERIFY(QTest::qWaitForWindowExposed(s.data()));
    QTest::qWait(50);
    QCOMPARE(Accessibilita::senzaNome(s.data()), QStringList());
    for (const Posto &p : std::as_const(posti)) {
        QWidget *w = s->findChild<QWidget *>(p.nome);
        QVERIFY2(w && w->isVisible(), qPrintable(p.nome));
        const QRect atteso = Twips::rect(p.twips.x(), p.twips.y(), p.twips.width(), p.twips.height());
        const QRect g = w->geometry();
        QVERIFY2(qAbs(g.x() - atteso.x()) <= 1 && qAbs(g.y() - atteso.y()) <= 1 && qAbs(g.width() - atteso.width()) <= 1
                     && qAbs(g.height() - atteso.height()) <= 1,
                 qPrintable(QStringLiteral("%1 at %2,%3 %4x%5").arg(p.nome).arg(g.x()).arg(g.y()).arg(g.width()).arg(g.height())));
    }
    // The sentences keep off the edges of their white boxes.
    if (auto *frase = s->findChild<EtichettaParlante *>(QStringLiteral("Label1")))
        QVERIFY(frase->contentsMargins().left() >= 2 && frase->contentsMargins().right() >= 2);

    QMenuBar *menu = s->findChild<QMenuBar *>();
    const qreal puntiMenu = menu ? menu->font().pointSizeF() : 0;
    const QSize progetto = s->size();
    for (double scala : {2.0, 0.75}) {
        s->resize((QSizeF(progetto) * scala).toSize());
        QTest::qWait(50);
        if (menu)
            QVERIFY2(qAbs(menu->font().pointSizeF() - puntiMenu * scala) < puntiMenu * 0.05,
                     qPrintable(QString::number(menu->font().pointSizeF())));
        QList<QWidget *> controlli;
        for (QWidget *w : s->findChildren<QWidget *>())
            if (w->isVisible() && Controllo.match(w->objectName()).hasMatch())
                controlli << w;
        QVERIFY(controlli.size() >= 3);
        for (QWidget *a : std::as_const(controlli)) {
            const QRect r(a->mapTo(s.data(), QPoint(0, 0)), a->size());
            QVERIFY2(s->rect().contains(r) && !r.isEmpty(), qPrintable(a->objectName()));
            for (QWidget *b : std::as_const(controlli))
                QVERIFY2(a == b || a->parentWidget() != b->parentWidget() || !a->geometry().intersects(b->geometry()),
                         qPrintable(QStringLiteral("%1 over %2 at %3×").arg(a->objectName(), b->objectName()).arg(scala)));
        }
    }
}

void TestDisposizioni::senzaNomeTrovaIControlliMuti()
{
    QWidget radice;
    auto *figura = new QPushButton(&radice);
    figura->setObjectName(QStringLiteral("figura"));
    figura->setIcon(Immagini::icona(Immagine::Orsetto));
    (new QScrollBar(&radice))->setObjectName(QStringLiteral("barra"));
    new QPushButton(QStringLiteral("avanti"), &radice);
    new QLabel(&radice);  // filled at run time: a screen reader skips it
    QCOMPARE(Accessibilita::senzaNome(&radice), (QStringList{QStringLiteral("figura"), QStringLiteral("barra")}));
    Accessibilita::nomina(figura, Accessibilita::nomeParlato(Immagine::Orsetto));
    QCOMPARE(Accessibilita::senzaNome(&radice), QStringList{QStringLiteral("barra")});
}

QTEST_MAIN(TestDisposizioni)
#include "tst_disposizioni.moc"
