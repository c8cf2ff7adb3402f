#include "resources/BottoneColorato.h"

#include <QPainter>

void BottoneColorato::impostaColore(const QColor &colore)
{
    if (colore == m_colore)
        return;
    m_colore = colore;
    update();
}

QSize BottoneColorato::sizeHint() const
{
    return QPushButton::sizeHint();
}

void BottoneColorato::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), isDown() ? m_colore.darker(115) : m_colore);
    p.setPen(QColor(128, 128, 128));
    p.drawRect(rect().adjusted(0, 0, -1, -1));

    // Icon and caption side by side, centred, as a plain button lays them out.
    const QSize misuraIcona = icon().isNull() ? QSize() : iconSize().boundedTo(size() - QSize(4, 4));
    const QFontMetrics metrica(font());
    const int larghezzaTesto = text().isEmpty() ? 0 : metrica.horizontalAdvance(text());
    p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    if (m_iconaSopra && misuraIcona.isValid()) {
        const int spazio = larghezzaTesto ? metrica.height() / 3 : 0;
        const int y = (height() - misuraIcona.height() - spazio - (larghezzaTesto ? metrica.height() : 0)) / 2;
        p.drawPixmap(QPoint((width() - misuraIcona.width()) / 2, y),
                     icon().pixmap(misuraIcona, devicePixelRatioF(), isEnabled() ? QIcon::Normal : QIcon::Disabled));
        p.drawText(QRect(0, y + misuraIcona.height() + spazio, width(), metrica.height()), Qt::AlignHCenter | Qt::AlignTop,
                   text());
        return;
    }
    const int spazio = misuraIcona.isValid() && larghezzaTesto ? 4 : 0;
    const int totale = (misuraIcona.isValid() ? misuraIcona.width() : 0) + spazio + larghezzaTesto;
    int x = (width() - totale) / 2;
    if (misuraIcona.isValid()) {
        const QPixmap figura = icon().pixmap(misuraIcona, devicePixelRatioF(), isEnabled() ? QIcon::Normal : QIcon::Disabled);
        p.drawPixmap(QPoint(x, (height() - misuraIcona.height()) / 2), figura);
        x += misuraIcona.width() + spazio;
    }
    if (larghezzaTesto) {
        p.drawText(QRect(x, 0, larghezzaTesto + 1, height()), Qt::AlignVCenter | Qt::AlignLeft, text());
    }
}
