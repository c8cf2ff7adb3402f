#include "input/Evidenziazione.h"

#include <QAccessible>
#include <QPainter>

#include <cmath>

namespace Evidenziazione {

void colora(QWidget *controllo, const QColor &colore)
{
    if (!controllo)
        return;
    QPalette tavolozza = controllo->palette();
    tavolozza.setColor(QPalette::Window, colore);
    tavolozza.setColor(QPalette::Button, colore);
    controllo->setPalette(tavolozza);
    controllo->setAutoFillBackground(true);
}

QColor colore(const QWidget *controllo)
{
    return controllo ? controllo->palette().color(QPalette::Window) : QColor();
}

void annunciaEvidenziato(QWidget *controllo)
{
    if (!controllo || !QAccessible::isActive())
        return;
    QAccessibleEvent evento(controllo, QAccessible::Focus);
    QAccessible::updateAccessibility(&evento);
}

double contrasto(const QColor &a, const QColor &b)
{
    auto luminanza = [](const QColor &c) {
        auto canale = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * canale(c.redF()) + 0.7152 * canale(c.greenF()) + 0.0722 * canale(c.blueF());
    };
    const double la = luminanza(a), lb = luminanza(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

}

namespace {

// A frame drawn over a rectangle of its parent; it lets the mouse through.
class Cornice : public QWidget
{
public:
    Cornice(QWidget *genitore, const QRect &riquadro, int spessore, const QColor &colore)
        : QWidget(genitore)
        , m_spessore(spessore)
        , m_colore(colore)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        setFocusPolicy(Qt::NoFocus);
        setGeometry(riquadro.adjusted(-spessore, -spessore, spessore, spessore));
        show();
        raise();
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        QPen penna(m_colore, m_spessore);
        penna.setJoinStyle(Qt::MiterJoin);
        p.setPen(penna);
        const qreal mezzo = m_spessore / 2.0;
        p.drawRect(QRectF(rect()).adjusted(mezzo, mezzo, -mezzo, -mezzo));
    }

private:
    int m_spessore;
    QColor m_colore;
};

constexpr double Ingrandimento = 1.15;

}

Decorazioni::~Decorazioni()
{
    togli();
}

void Decorazioni::mostra(const QVector<QWidget *> &accese, bool gruppo, const QVector<QWidget *> &altre,
                         const OpzioniScansione &opzioni, const QColor &colore)
{
    togli();
    m_accese.clear();
    for (QWidget *w : accese)
        m_accese << w;
    m_altre.clear();
    for (QWidget *w : altre)
        m_altre << w;
    m_gruppo = gruppo;
    m_opzioni = opzioni;
    m_colore = colore;
    disegna();
}

void Decorazioni::riapplica()
{
    // The resizer has already put every item back at its new rest size.
    m_ingranditi.clear();
    for (const QPointer<QWidget> &c : std::as_const(m_cornici))
        delete c.data();
    m_cornici.clear();
    disegna();
}

void Decorazioni::disegna()
{
    QVector<QWidget *> accese, altre;
    for (const QPointer<QWidget> &w : std::as_const(m_accese))
        if (w && w->isVisible())
            accese << w;
    for (const QPointer<QWidget> &w : std::as_const(m_altre))
        if (w && w->isVisible())
            altre << w;
    if (accese.isEmpty())
        return;
    if (m_opzioni.ingrandisci && !m_gruppo)
        for (QWidget *w : accese)
            ingrandisci(w, altre);
    if (m_gruppo) {
        // A whole group is lit: one frame around all of its items.
        QRect unione;
        for (QWidget *w : accese)
            unione |= w->geometry();
        const int spessore = std::max(3, int(std::lround(accese.first()->height() * 0.08)));
        m_cornici << new Cornice(accese.first()->parentWidget(), unione.adjusted(-spessore, -spessore, spessore, spessore),
                                 spessore, m_colore);
    } else if (m_opzioni.bordo) {
        for (QWidget *w : accese) {
            const int spessore = std::max(2, int(std::lround(w->height() * 0.06)));
            m_cornici << new Cornice(w->parentWidget(), w->geometry().adjusted(spessore, spessore, -spessore, -spessore),
                                     spessore, m_colore);
        }
    }
}

void Decorazioni::ingrandisci(QWidget *widget, const QVector<QWidget *> &altre)
{
    const QRect riposo = widget->geometry();
    // As large as it can be up to 15 %, without covering another choice.
    QRect grande = riposo;
    for (double fattore = Ingrandimento; fattore > 1.0; fattore -= 0.01) {
        const QSize misura(int(std::lround(riposo.width() * fattore)), int(std::lround(riposo.height() * fattore)));
        grande = QRect(QPoint(), misura);
        grande.moveCenter(riposo.center());
        bool copre = false;
        for (QWidget *altra : altre)
            if (altra != widget && altra->parentWidget() == widget->parentWidget()
                && grande.intersects(altra->geometry()))
                copre = true;
        if (!copre)
            break;
        grande = riposo;
    }
    if (grande == riposo)
        return;
    m_ingranditi.append({widget, riposo, widget->font()});
    QFont carattere = widget->font();
    if (carattere.pointSizeF() > 0)
        carattere.setPointSizeF(carattere.pointSizeF() * grande.height() / double(riposo.height()));
    widget->setFont(carattere);
    widget->setGeometry(grande);
    widget->raise();
}

void Decorazioni::ripristina()
{
    for (const Ingrandito &i : std::as_const(m_ingranditi)) {
        if (!i.widget)
            continue;
        i.widget->setGeometry(i.geometria);
        i.widget->setFont(i.carattere);
    }
    m_ingranditi.clear();
}

void Decorazioni::togli()
{
    for (const QPointer<QWidget> &c : std::as_const(m_cornici))
        delete c.data();
    m_cornici.clear();
    ripristina();
}
