#include "resources/Ridimensionatore.h"

#include "resources/CaratteriInScala.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractScrollArea>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QCalendarWidget>
#include <QComboBox>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTabBar>
#include <QTabWidget>
#include <QToolBox>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace {

// A control whose children are its own inner parts: they follow it.
bool composto(const QWidget *w)
{
    return qobject_cast<const QAbstractScrollArea *>(w) || qobject_cast<const QComboBox *>(w)
        || qobject_cast<const QAbstractSpinBox *>(w) || qobject_cast<const QAbstractButton *>(w)
        || qobject_cast<const QAbstractSlider *>(w) || qobject_cast<const QLineEdit *>(w)
        || qobject_cast<const QTabWidget *>(w) || qobject_cast<const QTabBar *>(w)
        || qobject_cast<const QToolBox *>(w) || qobject_cast<const QCalendarWidget *>(w)
        || qobject_cast<const QMenuBar *>(w) || w->inherits("AnimationPlayer");
}

bool nelLayout(const QLayout *layout, const QWidget *w)
{
    if (!layout)
        return false;
    for (int i = 0; i < layout->count(); ++i) {
        QLayoutItem *voce = layout->itemAt(i);
        if (voce->widget() == w)
            return true;
        if (nelLayout(voce->layout(), w))
            return true;
    }
    return false;
}

bool gestitoDaLayout(const QWidget *w)
{
    const QWidget *genitore = w->parentWidget();
    if (!genitore || !genitore->layout())
        return false;
    return nelLayout(genitore->layout(), w)
        || static_cast<const QWidget *>(genitore->layout()->menuBar()) == w;
}

QFont scalato(const QFont &progetto, double fattore)
{
    QFont f = progetto;
    if (progetto.pointSizeF() > 0)
        f.setPointSizeF(std::max(4.0, progetto.pointSizeF() * fattore));
    else if (progetto.pixelSize() > 0)
        f.setPixelSize(std::max(5, int(std::lround(progetto.pixelSize() * fattore))));
    return f;
}

// Both edges are rounded, not the size: neighbours that touched at the designed
// size still touch and never overlap.
QRect proporzionale(const QRect &g, double sx, double sy)
{
    const int x1 = int(std::lround(g.left() * sx));
    const int y1 = int(std::lround(g.top() * sy));
    const int x2 = int(std::lround((g.left() + g.width()) * sx));
    const int y2 = int(std::lround((g.top() + g.height()) * sy));
    return QRect(x1, y1, std::max(1, x2 - x1), std::max(1, y2 - y1));
}

}

Ridimensionatore::Ridimensionatore(QWidget *schermata)
    : m_schermata(schermata)
{
}

void Ridimensionatore::registra()
{
    if (!m_schermata)
        return;
    // A client area inside its window's layout is only sized once that layout
    // has run; before the first show it would still have the default size.
    if (QWidget *finestra = m_schermata->parentWidget()) {
        if (finestra->layout() && gestitoDaLayout(m_schermata))
            finestra->layout()->activate();
    }
    registra(m_schermata->size());
}

void Ridimensionatore::registra(const QSize &progettata)
{
    m_controlli.clear();
    m_progettoContenitori.clear();
    m_progetto = progettata;
    if (!m_schermata || progettata.isEmpty())
        return;
    m_progettoContenitori.insert(m_schermata, progettata);
    raccogli(m_schermata, m_schermata);

    m_menu = nullptr;
    if (QWidget *finestra = m_schermata->parentWidget(); finestra && finestra->layout()) {
        if (auto *menu = qobject_cast<QMenuBar *>(finestra->layout()->menuBar())) {
            m_menu = menu;
            m_caratteriMenu = menu->font();
            m_progettoFinestra = progettata + QSize(0, menu->sizeHint().height());
        }
    }

    const QSize minima(int(std::ceil(progettata.width() * ScalaMinima)),
                       int(std::ceil(progettata.height() * ScalaMinima)));
    m_schermata->setMinimumSize(m_schermata->minimumSize().expandedTo(minima));
}

// Fonts follow one scale for the whole client area, so that texts designed at
// one size stay at one size; only inside a container placed by a layout (whose
// size is not ours to set) do they follow that container.
void Ridimensionatore::raccogli(QWidget *contenitore, QWidget *riferimento)
{
    // Children placed by a layout have their designed place only once it ran.
    if (contenitore->layout())
        contenitore->layout()->activate();
    const auto figli = contenitore->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    for (QWidget *w : figli) {
        if (w->isWindow() || w->objectName().startsWith(QLatin1String("qt_")))
            continue;
        const bool daLayout = gestitoDaLayout(w);
        // A menu bar stays where the window's layout puts it.
        if (qobject_cast<QMenuBar *>(w))
            continue;
        auto *pulsante = qobject_cast<QAbstractButton *>(w);
        const QSize icona = pulsante && !pulsante->icon().isNull() ? pulsante->iconSize() : QSize();
        m_controlli.push_back({w, contenitore, riferimento, w->geometry(), w->font(), icona, !daLayout,
                               w->inherits("AnimationPlayer")
                                   || w->property("mantieniProporzioni").toBool()});
        if (!composto(w)) {
            m_progettoContenitori.insert(w, w->size());
            raccogli(w, daLayout ? w : riferimento);
        }
    }
}

QSize Ridimensionatore::progettoDi(const QWidget *genitore) const
{
    return m_progettoContenitori.value(genitore);
}

bool Ridimensionatore::scala(const QWidget *contenitore, double &sx, double &sy) const
{
    const QSize progetto = progettoDi(contenitore);
    if (!contenitore || progetto.isEmpty())
        return false;
    sx = double(contenitore->width()) / progetto.width();
    sy = double(contenitore->height()) / progetto.height();
    return true;
}

// The menu bar's text grows with the rest. Its scale is the window's, not the
// client area's: the bar's own height, which its font sets, must not feed back.
void Ridimensionatore::scalaMenu()
{
    const QWidget *finestra = m_menu ? m_menu->parentWidget() : nullptr;
    if (!finestra || finestra->size().isEmpty() || m_progettoFinestra.isEmpty())
        return;
    const double fattore = std::min(double(finestra->width()) / m_progettoFinestra.width(),
                                    double(finestra->height()) / m_progettoFinestra.height());
    const QFont f = scalato(m_caratteriMenu, fattore);
    if (m_menu->font() != f)
        m_menu->setFont(f);
    // Its drop-down menus are windows of their own: they inherit nothing.
    const auto tendine = m_menu->findChildren<QMenu *>();
    for (QMenu *tendina : tendine)
        if (tendina->font() != f)
            tendina->setFont(f);
}

void Ridimensionatore::ridimensiona()
{
    if (!m_schermata || m_progetto.isEmpty())
        return;
    scalaMenu();
    // Parents come before their children in the list, so each child is scaled
    // by its parent's size as just set.
    for (const Controllo &c : std::as_const(m_controlli)) {
        double sx, sy, fx, fy;
        if (!c.widget || !scala(c.genitore, sx, sy) || !scala(c.riferimento, fx, fy))
            continue;
        if (c.posizionato) {
            const double sf = std::min(sx, sy);
            QRect g = proporzionale(c.geometria, sx, sy);
            if (c.proporzionato && sx != sy) {
                const QSize giusta = (QSizeF(c.geometria.size()) * sf).toSize().boundedTo(g.size());
                g = QRect(g.center() - QPoint(giusta.width() / 2, giusta.height() / 2), giusta)
                        .intersected(g);
            }
            c.widget->setGeometry(g);
        }
        // Every control is given its font, also those that inherited it: the
        // client area itself is never rescaled, so nothing would pass it on.
        const QFont f = scalato(c.carattere, std::min(fx, fy));
        if (c.widget->font() != f)
            c.widget->setFont(f);
        // A picture on a button grows with the button; the icons hold sizes up
        // to 256 pixels, so they stay sharp.
        if (!c.icona.isEmpty()) {
            if (auto *pulsante = qobject_cast<QAbstractButton *>(c.widget.data())) {
                const double si = std::min(fx, fy);
                pulsante->setIconSize(QSize(std::max(8, int(std::lround(c.icona.width() * si))),
                                            std::max(8, int(std::lround(c.icona.height() * si)))));
            }
        }
        // A drop-down list opens in a window of its own, which does not
        // inherit the font of its combo box.
        if (auto *combo = qobject_cast<QComboBox *>(c.widget.data())) {
            if (combo->view())
                combo->view()->setFont(f);
        }
        CaratteriInScala::scalaIndicatore(c.widget, f);
    }
}
