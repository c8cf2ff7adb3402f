#include "input/Evidenziazione.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QEvent>
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


QColor coloreBordo(const QColor &evidenza, const QColor &sfondo)
{
    auto peggiore = [&](const QColor &c) { return std::min(contrasto(c, evidenza), contrasto(c, sfondo)); };
    const QColor nero(Qt::black), bianco(Qt::white);
    return peggiore(bianco) > peggiore(nero) ? bianco : nero;
}

int spessoreBordo(int altezzaFinestra)
{
    return std::max(4, int(std::lround(altezzaFinestra * 0.0065)));
}

}

namespace {

// A frame drawn around widgets of one parent; it follows them when the
// window is resized and lets the mouse through. `fuori`: the frame lies
// outside the widgets' faces, `spessore` away from them.
class Cornice : public QWidget
{
public:
    explicit Cornice(QWidget *genitore)
        : QWidget(genitore)
    {
        setObjectName(QStringLiteral("cornice"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        setFocusPolicy(Qt::NoFocus);
    }

    // spessore 0: the thick border's, from the window's height, also after a resize.
    void circonda(const QVector<QWidget *> &widget, int spessore, const QColor &colore, int distanza)
    {
        for (const QPointer<QWidget> &w : std::as_const(m_widget))
            if (w)
                w->removeEventFilter(this);
        m_widget.clear();
        for (QWidget *w : widget) {
            m_widget << w;
            w->installEventFilter(this);
        }
        m_spessoreFisso = spessore;
        m_colore = colore;
        m_distanza = distanza;
        segui();
        show();
        raise();
        update();
    }

protected:
    bool eventFilter(QObject *oggetto, QEvent *evento) override
    {
        if (evento->type() == QEvent::Move || evento->type() == QEvent::Resize)
            segui();
        return QWidget::eventFilter(oggetto, evento);
    }

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
    void segui()
    {
        m_spessore = m_spessoreFisso > 0 ? m_spessoreFisso : Evidenziazione::spessoreBordo(window()->height());
        QRect unione;
        for (const QPointer<QWidget> &w : std::as_const(m_widget))
            if (w)
                unione |= w->geometry();
        const int fuori = m_distanza + m_spessore;
        setGeometry(unione.adjusted(-fuori, -fuori, fuori, fuori));
    }

    QVector<QPointer<QWidget>> m_widget;
    int m_spessore = 0;
    int m_spessoreFisso = 0;
    QColor m_colore;
    int m_distanza = 0;
};

constexpr double Ingrandimento = 1.15;

// Assistive technology reads a lit group as a group of choices, by its name ("da 0 a 5").
QAccessibleInterface *accessibileGruppo(const QString &classe, QObject *oggetto)
{
    if (classe == QLatin1String("QWidget") && oggetto && oggetto->objectName() == QLatin1String("gruppoAcceso"))
        return new QAccessibleWidget(static_cast<QWidget *>(oggetto), QAccessible::Grouping);
    return nullptr;
}

QColor sfondoDi(const QWidget *w)
{
    const QWidget *genitore = w->parentWidget() ? w->parentWidget() : w;
    return genitore->palette().color(genitore->backgroundRole());
}

}

Decorazioni::Decorazioni()
{
    static const bool installata = (QAccessible::installFactory(accessibileGruppo), true);
    Q_UNUSED(installata);
}

Decorazioni::~Decorazioni()
{
    togli();
    delete m_corniceGruppo.data();
}

void Decorazioni::mostra(const QVector<QWidget *> &accese, bool gruppo, const QVector<QWidget *> &altre,
                         const OpzioniScansione &opzioni, const QColor &colore)
{
    for (const QPointer<QWidget> &c : std::as_const(m_cornici))
        delete c.data();
    m_cornici.clear();
    ripristina();
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
    // From group to group the frame moves and keeps the focus.
    if (!m_gruppo && m_corniceGruppo)
        m_corniceGruppo->hide();
}

QWidget *Decorazioni::corniceGruppo() const
{
    return m_corniceGruppo && m_corniceGruppo->isVisible() ? m_corniceGruppo.data() : nullptr;
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
    if (accese.isEmpty()) {
        if (m_corniceGruppo)
            m_corniceGruppo->hide();
        return;
    }
    if (m_opzioni.ingrandisci && !m_gruppo)
        for (QWidget *w : accese)
            ingrandisci(w, altre);
    if (m_gruppo) {
        // A whole group is lit: one frame around all of its items.
        QWidget *genitore = accese.first()->parentWidget();
        const int spessore = std::max(3, int(std::lround(accese.first()->height() * 0.08)));
        if (m_corniceGruppo && m_corniceGruppo->parentWidget() != genitore)
            delete m_corniceGruppo.data();
        if (!m_corniceGruppo) {
            m_corniceGruppo = new Cornice(genitore);
            m_corniceGruppo->setObjectName(QStringLiteral("gruppoAcceso"));
        }
        static_cast<Cornice *>(m_corniceGruppo.data())->circonda(accese, spessore, m_colore, spessore);
    } else if (m_opzioni.bordo) {
        for (QWidget *w : accese) {
            const QColor colore = Evidenziazione::coloreBordo(m_colore, sfondoDi(w));
            auto *cornice = new Cornice(w->parentWidget());
            cornice->circonda({w}, 0, colore, 0);
            m_cornici << cornice;
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
    // Hidden, not deleted: a frame that held the focus hands it on when it hides.
    if (m_corniceGruppo)
        m_corniceGruppo->hide();
    ripristina();
}
