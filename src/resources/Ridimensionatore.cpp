#include "resources/Ridimensionatore.h"

#include <QMenuBar>
#include <QWidget>

#include <algorithm>
#include <cmath>

Ridimensionatore::Ridimensionatore(QWidget *schermata)
    : m_schermata(schermata)
{
}

void Ridimensionatore::registra()
{
    m_progetto = m_schermata->size();
    m_controlli.clear();
    const auto figli = m_schermata->findChildren<QWidget *>();
    for (QWidget *w : figli) {
        if (w->isWindow() || qobject_cast<QMenuBar *>(w))
            continue;
        // Only the screen's own controls and those of plain containers: the
        // inner parts of a compound control follow their owner.
        QWidget *genitore = w->parentWidget();
        if (genitore != m_schermata && genitore->metaObject()->className() != QByteArray("QWidget")
            && genitore->metaObject()->className() != QByteArray("QFrame")
            && genitore->metaObject()->className() != QByteArray("QGroupBox"))
            continue;
        m_controlli.push_back({w, w->geometry(), w->font(), w->testAttribute(Qt::WA_SetFont)});
    }
}

void Ridimensionatore::ridimensiona()
{
    if (m_progetto.isEmpty())
        return;
    const double sx = double(m_schermata->width()) / m_progetto.width();
    const double sy = double(m_schermata->height()) / m_progetto.height();
    const double sf = std::min(sx, sy);
    for (const Controllo &c : std::as_const(m_controlli)) {
        if (!c.widget)
            continue;
        const QRect g = c.geometria;
        const int x1 = int(std::lround(g.left() * sx));
        const int y1 = int(std::lround(g.top() * sy));
        const int x2 = int(std::lround((g.left() + g.width()) * sx));
        const int y2 = int(std::lround((g.top() + g.height()) * sy));
        c.widget->setGeometry(x1, y1, std::max(1, x2 - x1), std::max(1, y2 - y1));
        if (c.haCarattere) {
            QFont f = c.carattere;
            if (f.pointSizeF() > 0)
                f.setPointSizeF(std::max(4.0, c.carattere.pointSizeF() * sf));
            else if (f.pixelSize() > 0)
                f.setPixelSize(std::max(4, int(std::lround(c.carattere.pixelSize() * sf))));
            c.widget->setFont(f);
        }
    }
}
