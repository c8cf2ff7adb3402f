#include "resources/Ridimensionatore.h"
#include "core/Twips.h"

#include "Finti.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QListView>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QStatusBar>
#include <QTest>
#include <QVBoxLayout>

#include <memory>

namespace {

// A screen built the way the program's screens are: a menu bar in the window's
// layout and a client area holding controls at absolute designed positions.
class Finestra : public QWidget
{
public:
    static constexpr QSize Progetto{600, 400};

    Finestra()
    {
        auto *layout = new QVBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(0);
        auto *menu = new QMenuBar(this);
        menu->addMenu(QStringLiteral("Esci"));
        layout->setMenuBar(menu);
        client = new QWidget(this);
        layout->addWidget(client);

        titolo = new QLabel(QStringLiteral("Calcolotti"), client);
        titolo->setFont(QFont(QStringLiteral("DejaVu Sans"), 20, QFont::Bold));
        titolo->setGeometry(20, 10, 300, 60);

        ereditato = new QLabel(QStringLiteral("eredita il carattere"), client);
        ereditato->setGeometry(20, 80, 300, 30);

        pulsante = new QPushButton(QStringLiteral("avanti"), client);
        pulsante->setFont(QFont(QStringLiteral("DejaVu Sans"), 14));
        pulsante->setGeometry(330, 10, 120, 60);
        QPixmap freccia(32, 32);
        freccia.fill(Qt::blue);
        pulsante->setIcon(QIcon(freccia));
        pulsante->setIconSize(QSize(24, 20));

        pixel = new QCheckBox(QStringLiteral("Suoni attivati"), client);
        QFont f(QStringLiteral("DejaVu Sans"));
        f.setPixelSize(18);
        pixel->setFont(f);
        pixel->setGeometry(330, 80, 250, 30);

        combo = new QComboBox(client);
        combo->addItems({QStringLiteral("uno"), QStringLiteral("due")});
        combo->setFont(QFont(QStringLiteral("DejaVu Sans"), 12));
        combo->setGeometry(20, 120, 200, 26);

        barra = new QScrollBar(Qt::Horizontal, client);
        barra->setGeometry(230, 120, 350, 20);

        cornice = new QFrame(client);
        cornice->setGeometry(20, 160, 280, 220);
        interno = new QLabel(QStringLiteral("dentro"), cornice);
        interno->setFont(QFont(QStringLiteral("DejaVu Sans"), 10));
        interno->setGeometry(40, 40, 200, 100);

        riquadro = new QWidget(client);
        riquadro->setProperty("mantieniProporzioni", true);
        riquadro->setGeometry(320, 160, 200, 200);

        // The program's screens size the window so that the client area has
        // its designed size; the layout is not run before the first show.
        resize(Progetto.width(), Progetto.height() + menu->sizeHint().height());
        ridimensionatore = std::make_unique<Ridimensionatore>(client);
        ridimensionatore->registra();
    }

    QList<QWidget *> controlli() const
    {
        return {titolo, ereditato, pulsante, pixel, combo, barra, cornice, riquadro};
    }

    QWidget *client;
    QLabel *titolo, *ereditato, *interno;
    QPushButton *pulsante;
    QCheckBox *pixel;
    QComboBox *combo;
    QScrollBar *barra;
    QFrame *cornice;
    QWidget *riquadro;
    std::unique_ptr<Ridimensionatore> ridimensionatore;

protected:
    void resizeEvent(QResizeEvent *event) override
    {
        QWidget::resizeEvent(event);
        if (ridimensionatore)
            ridimensionatore->ridimensiona();
    }
};

// The make-up of an exercise screen, at its designed twips positions.
class FinestraEsercizio : public QWidget
{
public:
    FinestraEsercizio()
    {
        auto *layout = new QVBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(0);
        auto *menu = new QMenuBar(this);
        menu->addMenu(QStringLiteral("Azzera conteggio"));
        layout->setMenuBar(menu);
        client = new QWidget(this);
        layout->addWidget(client);

        riquadro = new QFrame(client);
        riquadro->setGeometry(Twips::rect(120, 120, 5535, 5295));
        lettore = new LettoreFinto(registro, riquadro);
        lettore->setGeometry(Twips::rect(1080, 1200, 2655, 3255));
        for (int i = 0; i < 8; ++i) {
            auto *l = new QLabel(QStringLiteral("Label%1").arg(i + 1), client);
            l->setFont(QFont(QStringLiteral("DejaVu Sans"), 10, QFont::Bold));
            l->setGeometry(Twips::rect(5880, 240 + 600 * i, 4455, 495));
            controlli << l;
        }
        for (int i = 0; i <= 10; ++i) {
            auto *b = new QPushButton(QString::number(i), client);
            b->setFont(QFont(QStringLiteral("DejaVu Sans"), 16, QFont::Bold));
            b->setGeometry(Twips::rect(120 + 840 * i, 5640, 615, 615));
            numeri << b;
        }
        barra = new QStatusBar(client);
        barra->setSizeGripEnabled(false);
        for (const char *testo : {"Esatti  0", "Errati  0", "Avanti"}) {
            auto *pannello = new QLabel(QString::fromLatin1(testo));
            pannello->setFont(QFont(QStringLiteral("DejaVu Sans"), 12, QFont::Bold));
            barra->addWidget(pannello, 1);
            pannelli << pannello;
        }
        barra->setGeometry(Twips::rect(0, 6315, 10620, 495));
        // Receives the keys only: it lies outside the designed area.
        fuori = new QWidget(client);
        fuori->setGeometry(Twips::rect(13200, 1560, 615, 495));

        resize(Twips::size(10620, 6810) + QSize(0, menu->sizeHint().height()));
        ridimensionatore = std::make_unique<Ridimensionatore>(client);
        ridimensionatore->registra();
    }

    Registro registro;
    QWidget *client;
    QFrame *riquadro;
    LettoreFinto *lettore;
    QStatusBar *barra;
    QWidget *fuori;
    QList<QWidget *> controlli, numeri;
    QList<QLabel *> pannelli;
    std::unique_ptr<Ridimensionatore> ridimensionatore;

protected:
    void resizeEvent(QResizeEvent *event) override
    {
        QWidget::resizeEvent(event);
        if (ridimensionatore)
            ridimensionatore->ridimensiona();
    }
};

struct Progetto {
    QRect geometria;
    qreal punti;
    int pixel;
};

QRect atteso(const QRect &g, double sx, double sy)
{
    return QRect(QPoint(qRound(g.left() * sx), qRound(g.top() * sy)),
                 QPoint(qRound((g.left() + g.width()) * sx) - 1, qRound((g.top() + g.height()) * sy) - 1));
}

}

class TestRidimensionatore : public QObject
{
    Q_OBJECT
private slots:
    void designedSizeIsTheClientAreaNotTheWindow();
    void controlsScaleInProportion_data();
    void controlsScaleInProportion();
    void resizingBackRestoresTheDesign();
    void windowCannotShrinkBelowHalfTheDesign();
    void menuBarKeepsItsSystemFont();
    void forgottenControlsAreSkipped();
    void givenTheWholeWindowItLeavesTheLayoutAlone();
    void exerciseScreenKeepsItsMakeUp_data();
    void exerciseScreenKeepsItsMakeUp();
};

void TestRidimensionatore::designedSizeIsTheClientAreaNotTheWindow()
{
    Finestra f;
    QCOMPARE(f.ridimensionatore->dimensioneProgettata(), Finestra::Progetto);
}

void TestRidimensionatore::controlsScaleInProportion_data()
{
    QTest::addColumn<double>("sx");
    QTest::addColumn<double>("sy");
    QTest::newRow("designed size") << 1.0 << 1.0;
    QTest::newRow("twice") << 2.0 << 2.0;
    QTest::newRow("three quarters") << 0.75 << 0.75;
    QTest::newRow("wide") << 1.6 << 1.0;
    QTest::newRow("tall") << 1.0 << 1.7;
    QTest::newRow("narrow and tall") << 0.6 << 1.3;
    QTest::newRow("odd factors") << 1.37 << 1.13;
}

void TestRidimensionatore::controlsScaleInProportion()
{
    QFETCH(double, sx);
    QFETCH(double, sy);
    Finestra f;
    QHash<QWidget *, Progetto> progetto;
    const auto tutti = f.controlli() << f.interno;
    for (QWidget *w : tutti)
        progetto.insert(w, {w->geometry(), w->font().pointSizeF(), w->font().pixelSize()});
    // The label that sets no font of its own inherits the application's.
    QVERIFY(!f.ereditato->testAttribute(Qt::WA_SetFont));

    f.show();
    const int menu = f.height() - Finestra::Progetto.height();
    f.resize(qRound(Finestra::Progetto.width() * sx), qRound(Finestra::Progetto.height() * sy) + menu);
    QCoreApplication::processEvents();
    QCOMPARE(f.client->size(), QSize(qRound(600 * sx), qRound(400 * sy)));
    const double csx = f.client->width() / 600.0;
    const double csy = f.client->height() / 400.0;
    const double sf = std::min(csx, csy);

    for (QWidget *w : f.controlli()) {
        const QRect g = w->geometry();
        if (w == f.riquadro) {
            // Keeps its aspect, centred in its proportional box.
            const QRect box = atteso(progetto[w].geometria, csx, csy);
            QVERIFY2(qAbs(g.width() - g.height()) <= 1, qPrintable(w->objectName()));
            QVERIFY(box.contains(g));
            QVERIFY(qAbs(g.center().x() - box.center().x()) <= 1);
            QVERIFY(qAbs(g.center().y() - box.center().y()) <= 1);
            QVERIFY(qAbs(std::min(g.width(), g.height()) - 200 * sf) <= 1.5);
        } else {
            QCOMPARE(g, atteso(progetto[w].geometria, csx, csy));
        }
        QVERIFY2(f.client->rect().contains(g), qPrintable(w->metaObject()->className()));
    }
    // Children of a container follow the container's new size.
    QCOMPARE(f.interno->geometry(), atteso(progetto[f.interno].geometria,
                                           f.cornice->width() / 280.0, f.cornice->height() / 220.0));

    const auto controlli = f.controlli();
    for (int i = 0; i < controlli.size(); ++i)
        for (int j = i + 1; j < controlli.size(); ++j)
            QVERIFY2(!controlli[i]->geometry().intersects(controlli[j]->geometry()),
                     qPrintable(QStringLiteral("%1 overlaps %2").arg(i).arg(j)));

    for (QWidget *w : tutti) {
        if (progetto[w].punti > 0)
            QVERIFY2(qAbs(w->font().pointSizeF() - std::max(4.0, progetto[w].punti * sf)) < 0.05,
                     qPrintable(QString::number(w->font().pointSizeF())));
        else
            QCOMPARE(w->font().pixelSize(), std::max(5, qRound(progetto[w].pixel * sf)));
    }
    QCOMPARE(f.pulsante->iconSize(), QSize(std::max(8, qRound(24 * sf)), std::max(8, qRound(20 * sf))));
    // The open list of a combo box is a window of its own: it gets the font too.
    QCOMPARE(f.combo->view()->font().pointSizeF(), f.combo->font().pointSizeF());
}

void TestRidimensionatore::resizingBackRestoresTheDesign()
{
    Finestra f;
    QHash<QWidget *, QRect> prima;
    QHash<QWidget *, QFont> caratteri;
    for (QWidget *w : f.controlli()) {
        prima.insert(w, w->geometry());
        caratteri.insert(w, w->font());
    }
    f.show();
    const QSize iniziale = f.size();
    for (const QSize &s : {QSize(1333, 777), QSize(401, 350), iniziale}) {
        f.resize(s);
        QCoreApplication::processEvents();
    }
    for (QWidget *w : f.controlli()) {
        QCOMPARE(w->geometry(), prima[w]);
        QCOMPARE(w->font().pointSizeF(), caratteri[w].pointSizeF());
        QCOMPARE(w->font().pixelSize(), caratteri[w].pixelSize());
    }
}

void TestRidimensionatore::windowCannotShrinkBelowHalfTheDesign()
{
    Finestra f;
    f.show();
    f.resize(100, 80);
    QCoreApplication::processEvents();
    QVERIFY(f.client->width() >= 300);
    QVERIFY(f.client->height() >= 200);
    for (QWidget *w : f.controlli())
        QVERIFY(w->width() > 0 && w->height() > 0);
}

void TestRidimensionatore::menuBarKeepsItsSystemFont()
{
    Finestra f;
    auto *menu = f.findChild<QMenuBar *>();
    const QFont prima = menu->font();
    f.show();
    f.resize(1200, 900);
    QCoreApplication::processEvents();
    QCOMPARE(menu->font(), prima);
    QCOMPARE(menu->y(), 0);
    QCOMPARE(f.client->y(), menu->height());
}

void TestRidimensionatore::forgottenControlsAreSkipped()
{
    // A control deleted after registration must not bring the screen down.
    Finestra f;
    delete f.pulsante;
    f.show();
    f.resize(900, 700);
    QCoreApplication::processEvents();
    QVERIFY(f.titolo->width() > 300);
}

void TestRidimensionatore::givenTheWholeWindowItLeavesTheLayoutAlone()
{
    // A screen may hand the resizer its window rather than its client area.
    QWidget finestra;
    auto *layout = new QVBoxLayout(&finestra);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto *menu = new QMenuBar(&finestra);
    menu->addMenu(QStringLiteral("Esci"));
    layout->setMenuBar(menu);
    auto *client = new QWidget(&finestra);
    layout->addWidget(client);
    auto *etichetta = new QLabel(QStringLiteral("Velocità"), client);
    etichetta->setFont(QFont(QStringLiteral("DejaVu Sans"), 14));
    etichetta->setGeometry(20, 10, 300, 60);
    const int altezzaMenu = menu->sizeHint().height();
    finestra.resize(600, 400 + altezzaMenu);
    Ridimensionatore r(&finestra);
    r.registra();
    finestra.show();
    QCoreApplication::processEvents();

    finestra.resize(1200, 800 + altezzaMenu);
    r.ridimensiona();
    QCoreApplication::processEvents();
    QCOMPARE(client->geometry(), QRect(0, menu->height(), 1200, 800));
    QCOMPARE(etichetta->geometry(), QRect(40, 20, 600, 120));
    QCOMPARE(etichetta->font().pointSizeF(), 28.0);
    QCOMPARE(menu->y(), 0);
}

void TestRidimensionatore::exerciseScreenKeepsItsMakeUp_data()
{
    QTest::addColumn<QSize>("client");
    QTest::newRow("designed") << Twips::size(10620, 6810);
    QTest::newRow("twice") << Twips::size(10620, 6810) * 2;
    QTest::newRow("three quarters") << Twips::size(10620, 6810) * 0.75;
    QTest::newRow("full hd screen") << QSize(1920, 1020);
    QTest::newRow("wide and low") << QSize(1400, 480);
    QTest::newRow("narrow and tall") << QSize(520, 900);
}

void TestRidimensionatore::exerciseScreenKeepsItsMakeUp()
{
    QFETCH(QSize, client);
    FinestraEsercizio f;
    const QSize progetto = f.client->size();
    QCOMPARE(progetto, Twips::size(10620, 6810));
    const QRect lettoreProgettato = f.lettore->geometry();
    const QRect fuoriProgettato = f.fuori->geometry();
    f.show();
    f.resize(client + QSize(0, f.height() - progetto.height()));
    QCoreApplication::processEvents();
    QCOMPARE(f.client->size(), client);
    const double sx = double(client.width()) / progetto.width();
    const double sy = double(client.height()) / progetto.height();

    // The story keeps its aspect, inside its picture box.
    const QRect l = f.lettore->geometry();
    QVERIFY(f.riquadro->rect().contains(l));
    QVERIFY2(qAbs(double(l.width()) / l.height() - double(lettoreProgettato.width()) / lettoreProgettato.height()) < 0.03,
             qPrintable(QStringLiteral("%1x%2").arg(l.width()).arg(l.height())));

    // The status bar spans the width and keeps its band at the bottom,
    // whatever the minimum height its own layout asks for.
    QCOMPARE(f.barra->geometry(), atteso(Twips::rect(0, 6315, 10620, 495), sx, sy));
    QCOMPARE(f.barra->geometry().bottom(), f.client->height() - 1);
    for (QLabel *p : std::as_const(f.pannelli))
        QVERIFY(qAbs(p->font().pointSizeF() - 12 * std::min(sx, sy)) < 0.05);

    QList<QWidget *> tutti = f.controlli + f.numeri;
    tutti << f.riquadro << f.barra;
    for (int i = 0; i < tutti.size(); ++i) {
        QVERIFY(f.client->rect().contains(tutti[i]->geometry()));
        QVERIFY(tutti[i]->width() > 0 && tutti[i]->height() > 0);
        for (int j = i + 1; j < tutti.size(); ++j)
            QVERIFY2(!tutti[i]->geometry().intersects(tutti[j]->geometry()),
                     qPrintable(tutti[i]->objectName() + QLatin1Char('/') + tutti[j]->objectName()));
    }
    // What was outside the designed area stays outside.
    QCOMPARE(f.fuori->geometry(), atteso(fuoriProgettato, sx, sy));
    QVERIFY(!f.client->rect().intersects(f.fuori->geometry()));
}

QTEST_MAIN(TestRidimensionatore)
#include "tst_ridimensionatore.moc"
