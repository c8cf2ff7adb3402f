#include "core/Schermata.h"
#include "core/Twips.h"
#include "exercises/EtichettaParlante.h"
#include "resources/Accessibilita.h"
#include "shell/FabbricaSchermate.h"

#include "Finti.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLayout>
#include <QListView>
#include <QMenuBar>
#include <QSet>
#include <QtTest>

namespace {

// The opaque pixels of a drawing: how many, in how many colours, within what.
struct Analisi {
    int opachi = 0;
    QSet<QRgb> colori;
    QRect contorno;
};

Analisi analizza(const QPixmap &figura)
{
    const QImage img = figura.toImage().convertToFormat(QImage::Format_ARGB32);
    Analisi a;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (qAlpha(img.pixel(x, y)) >= 128) {
                ++a.opachi;
                a.colori.insert(img.pixel(x, y) & 0xF0F0F0);
                a.contorno |= QRect(x, y, 1, 1);
            }
    return a;
}

using Posto = QPair<const char *, QRect>;  // a control's name and its designed place in twips

// What the resizer has to keep in proportion: the controls placed by hand, not
// those a layout places, nor the story, which keeps its own aspect.
QList<QWidget *> controlli(QWidget *radice)
{
    QList<QWidget *> trovati;
    for (QWidget *w : radice->findChildren<QWidget *>())
        if (w->isVisible() && !w->objectName().isEmpty() && !w->objectName().startsWith(QLatin1String("qt_"))
            && !w->parentWidget()->layout() && !w->inherits("AnimationPlayer"))
            trovati << w;
    return trovati;
}

}

// Every screen at its designed size and in proportion at other sizes; then every
// picture and pointer. main() runs it all at twice the density, as on a
// high-density screen.
class TestDisposizioni : public QObject
{
    Q_OBJECT

private slots:
    void schermate_data()
    {
        QTest::addColumn<int>("schermata");  // IdSchermata, or 100 + exercise number
        QTest::addColumn<QList<Posto>>("posti");
        QTest::newRow("splash") << int(IdSchermata::Avvio) << QList<Posto>{{"Command1", {2880, 5640, 3375, 975}}, {"Image1", {600, 5400, 1335, 1215}}};
        QTest::newRow("menu") << int(IdSchermata::Menu) << QList<Posto>{{"Label1_0", {1440, 360, 2775, 855}}, {"Label1_7", {6240, 5160, 2775, 855}},
                                                                         {"Check1", {5400, 4080, 3735, 375}}, {"Avvisi", {4920, 2640, 4365, 1320}}};
        QTest::newRow("information") << int(IdSchermata::Info) << QList<Posto>{{"Command1", {5640, 5280, 2655, 975}}};
        QTest::newRow("input mode") << int(IdSchermata::Configura) << QList<Posto>{{"Option4_0", {480, 1080, 2295, 495}}, {"Command1", {1320, 5760, 2175, 1000}}};
        QTest::newRow("voice") << int(IdSchermata::Voce) << QList<Posto>{{"BottoneEsci", {6000, 4320, 1935, 975}}, {"Combo1", {4440, 3000, 3615, 390}}};
        for (int n = 1; n <= 9; ++n)
            QTest::addRow("Form%d", n) << 100 + n << QList<Posto>{{"Label1", {n == 1 ? 5880 : 6000, n == 2 || n == 4 ? 360 : 240, 4455, 495}},
                                                                  {"Command1_3", {2640, 5640, 615, 615}}, {"Command1_10", {8520, 5640, 615, 615}}};
    }

    void schermate()
    {
        QFETCH(int, schermata);
        QFETCH(QList<Posto>, posti);
        ServiziFinti finti;
        finti.avvisi.aggiungi(QStringLiteral("scena"), QStringLiteral("Manca o è danneggiata la scena b7.svg."));
        FabbricaSchermate navigatore(finti.servizi);
        QScopedPointer<Schermata> s(schermata >= 100 ? navigatore.creaEsercizio(schermata - 100) : navigatore.crea(IdSchermata(schermata)));
        s->show();
        QVERIFY(QTest::qWaitForWindowExposed(s.data()));
        QCOMPARE(Accessibilita::senzaNome(s.data()), QStringList());
        for (const Posto &p : std::as_const(posti)) {
            QWidget *w = s->findChild<QWidget *>(p.first);
            const QRect g = w->isVisible() ? w->geometry() : QRect();
            const QRect atteso = Twips::rect(p.second.x(), p.second.y(), p.second.width(), p.second.height());
            QVERIFY2((g.topLeft() - atteso.topLeft()).manhattanLength() + qAbs(g.width() - atteso.width()) + qAbs(g.height() - atteso.height()) <= 2, p.first);
        }
        // The sentences keep off the edges of their white boxes.
        if (auto *frase = s->findChild<EtichettaParlante *>(QStringLiteral("Label1")))
            QVERIFY(frase->contentsMargins().left() >= 2 && frase->contentsMargins().right() >= 2);

        // The area the resizer keeps: the window's own, or the one below its menu bar.
        QWidget *radice = s->layout() ? s->layout()->itemAt(0)->widget() : s.data();
        QMenuBar *menu = s->findChild<QMenuBar *>();
        const QSize finestra = s->size(), area = radice->size();
        const qreal puntiMenu = menu ? menu->font().pointSizeF() : 0;
        QHash<QWidget *, std::tuple<QRect, qreal, QSize>> progetto;
        for (QWidget *w : controlli(radice)) {
            auto *pulsante = qobject_cast<QAbstractButton *>(w);
            progetto.insert(w, {QRect(w->mapTo(radice, QPoint()), w->size()), w->font().pointSizeF(), pulsante && !pulsante->icon().isNull() ? pulsante->iconSize() : QSize()});
        }
        for (const QSizeF &scala : {QSizeF(2, 2), QSizeF(0.75, 0.75), QSizeF(1.6, 1), QSizeF(0.3, 0.3)}) {
            s->resize(qRound(finestra.width() * scala.width()), qRound(finestra.height() * scala.height()));
            QTest::qWait(20);
            // Never below half the designed size; the menu bar's text grows with the window.
            QVERIFY(radice->width() * 2 >= area.width() && radice->height() * 2 >= area.height());
            const double sx = double(radice->width()) / area.width(), sy = double(radice->height()) / area.height(), sf = std::min(sx, sy);
            const double sm = std::min(double(s->width()) / finestra.width(), double(s->height()) / finestra.height());
            QVERIFY(!menu || qAbs(menu->font().pointSizeF() - puntiMenu * sm) < puntiMenu * 0.03);
            const QList<QWidget *> visti = controlli(radice);
            for (QWidget *w : visti) {
                const auto [prima, punti, icona] = progetto.value(w);
                const QRect g(w->mapTo(radice, QPoint()), w->size());
                const QString nome = QStringLiteral("%1 at %2x%3").arg(w->objectName()).arg(scala.width()).arg(scala.height());
                QVERIFY2(qAbs(g.x() - prima.x() * sx) + qAbs(g.width() - prima.width() * sx) <= 4
                             && qAbs(g.y() - prima.y() * sy) + qAbs(g.height() - prima.height() * sy) <= 4 && radice->rect().contains(g),
                         qPrintable(nome));
                QVERIFY2(qAbs(w->font().pointSizeF() - punti * sf) < 0.05 + (punti * sf < 4 ? 4 : 0), qPrintable(nome));
                QVERIFY2(icona.isEmpty() || qAbs(qobject_cast<QAbstractButton *>(w)->iconSize().width() - icona.width() * sf) <= 1, qPrintable(nome));
                if (auto *lista = qobject_cast<QComboBox *>(w))  // its open list is a window of its own
                    QCOMPARE(lista->view()->font(), lista->font());
                for (QWidget *altro : visti)
                    QVERIFY2(altro == w || altro->parentWidget() != w->parentWidget() || !altro->geometry().intersects(w->geometry()),
                             qPrintable(nome + " over " + altro->objectName()));
            }
        }
    }

    void figure_data()
    {
        QTest::addColumn<int>("quale");
        QTest::addColumn<int>("colori");  // at least, in a picture of 32 pixels or more
        const int colori[] = {5, 7, 7, 7, 7, 7, 7, 7, 7, 4, 4, 4, 2, 2, 1};
        for (int i = 0; i <= int(Immagine::Conferma); ++i)
            QTest::addRow("%d", i) << i << colori[i];
    }

    void figure()
    {
        QFETCH(int, quale);
        QFETCH(int, colori);
        const auto figura = Immagine(quale);
        const QSize naturale = Immagini::dimensioneNaturale(figura);
        // The menu's pictures are painted to their edges: their opaque area shows their proportions.
        const bool bordoABordo = figura >= Immagine::MenuUccelli && figura <= Immagine::MenuFoche;
        for (const QSize &s : {naturale, QSize(81, 73), QSize(16, 16)}) {
            const QPixmap pm = Immagini::immagine(figura, s);
            const Analisi a = analizza(pm);
            QVERIFY(pm.deviceIndependentSize().toSize() == s && pm.devicePixelRatio() == 2.0);
            // A missing or broken file draws nothing at all.
            QVERIFY2(a.opachi > pm.width() * pm.height() / 10, qPrintable(QString::number(a.opachi)));
            QVERIFY2(s.width() < 32 || a.colori.size() >= colori, qPrintable(QString::number(a.colori.size())));
            const QSizeF giusta = QSizeF(naturale).scaled(QSizeF(pm.size()), Qt::KeepAspectRatio);
            QVERIFY(!bordoABordo || (qAbs(a.contorno.width() - giusta.width()) <= 2 && qAbs(a.contorno.height() - giusta.height()) <= 2
                                     && qAbs(a.contorno.center().x() - pm.width() / 2) <= 2));
            QVERIFY(!bordoABordo || analizza(Immagini::immagine(figura, s, Qt::IgnoreAspectRatio)).contorno == QRect(QPoint(0, 0), pm.size()));
        }
        // A picture box draws it afresh at every size, not a small picture stretched.
        QLabel riquadro;
        Immagini::mostra(&riquadro, figura, Qt::IgnoreAspectRatio);
        riquadro.show();
        riquadro.resize(243, 100);
        QCOMPARE(riquadro.pixmap().toImage(), Immagini::immagine(figura, QSize(243, 100), Qt::IgnoreAspectRatio).toImage());
        // The status bar's faces move: another frame; past the last, the first.
        const int fotogrammi = Immagini::numeroFotogrammi(figura);
        QCOMPARE(fotogrammi, figura == Immagine::FacciaEsatti || figura == Immagine::FacciaErrati ? 2 : 1);
        const QImage primo = Immagini::immagine(figura, naturale).toImage();
        QCOMPARE(Immagini::fotogramma(figura, fotogrammi, naturale).toImage(), primo);
        QVERIFY(fotogrammi == 1 || Immagini::fotogramma(figura, 1, naturale).toImage() != primo);
    }

    void puntatori_data()
    {
        QTest::addColumn<QCursor>("puntatore");
        QTest::addColumn<QPoint>("punta");
        QTest::addColumn<bool>("puntaSulDisegno");
        QTest::newRow("hand") << Immagini::puntatore(Puntatore::Mano) << QPoint(9, 1) << true;
        QTest::newRow("white arrow") << Immagini::puntatore(Puntatore::FrecciaBianca) << QPoint(3, 1) << true;
        for (int i = int(Puntatore::ChiaveDiViolino); i <= int(Puntatore::FrecciaGrigia); ++i)
            QTest::addRow("picture %d", i) << Immagini::puntatore(Puntatore(i)) << QPoint(16, 16) << (Puntatore(i) != Puntatore::Uguale);
        for (int n = 0; n <= 10; ++n)
            QTest::addRow("number %d", n) << Immagini::puntatoreNumero(n) << QPoint(16, 16) << false;
    }

    void puntatori()
    {
        QFETCH(QCursor, puntatore);
        QFETCH(QPoint, punta);
        QFETCH(bool, puntaSulDisegno);
        const QImage img = puntatore.pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
        QVERIFY(puntatore.shape() == Qt::BitmapCursor && puntatore.hotSpot() == punta && img.size() == QSize(64, 64));
        const Analisi a = analizza(puntatore.pixmap());
        QVERIFY(a.opachi > 64 * 64 / 20 && a.colori.size() >= 2);
        QVERIFY2(!puntaSulDisegno || qAlpha(img.pixel(punta.x() * 2 + 1, punta.y() * 2 + 1)) > 100, "the hot spot is off the drawing");
        // Drawn at the density, not enlarged: a 32x32 drawing blown up would
        // repeat every pixel in 2x2 blocks.
        int differenze = 0;
        for (int y = 0; y < 64; y += 2)
            for (int x = 0; x < 64; x += 2)
                differenze += img.pixel(x, y) != img.pixel(x + 1, y + 1);
        QVERIFY2(differenze > 10, qPrintable(QString::number(differenze)));
    }
};

int main(int argc, char **argv)
{
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    TestDisposizioni test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_disposizioni.moc"
