#include "resources/CaratteriInScala.h"

#include <QCheckBox>
#include <QFontInfo>
#include <QRadioButton>
#include <QWidget>

#include <algorithm>
#include <cmath>

void CaratteriInScala::registra(QWidget *schermata, const QSize &progettata)
{
    m_schermata = schermata;
    m_progetto = progettata;
    m_voci = {{schermata, schermata->font()}};
    // Fonts set on purpose; the others follow their parent's, except in a
    // check box or an option button, whose box's style sheet stops that.
    const auto figli = schermata->findChildren<QWidget *>();
    for (QWidget *w : figli)
        if (!w->isWindow() && (w->testAttribute(Qt::WA_SetFont) || qobject_cast<QCheckBox *>(w)
                               || qobject_cast<QRadioButton *>(w)))
            m_voci.push_back({w, w->font()});
}

void CaratteriInScala::ridimensiona()
{
    if (!m_schermata || m_progetto.isEmpty())
        return;
    const double fattore = std::min(double(m_schermata->width()) / m_progetto.width(),
                                    double(m_schermata->height()) / m_progetto.height());
    for (const Voce &v : std::as_const(m_voci)) {
        if (!v.widget)
            continue;
        QFont f = v.carattere;
        if (v.carattere.pointSizeF() > 0)
            f.setPointSizeF(std::max(6.0, v.carattere.pointSizeF() * fattore));
        else if (v.carattere.pixelSize() > 0)
            f.setPixelSize(std::max(8, int(std::lround(v.carattere.pixelSize() * fattore))));
        if (v.widget->font() != f)
            v.widget->setFont(f);
    }
    const auto figli = m_schermata->findChildren<QWidget *>();
    for (QWidget *w : figli)
        scalaIndicatore(w, w->font());
}

void CaratteriInScala::scalaIndicatore(QWidget *controllo, const QFont &carattere)
{
    // The box of a check box or an option button keeps the style's size
    // unless told: at a large window it would be a speck beside its text.
    if (!qobject_cast<QCheckBox *>(controllo) && !qobject_cast<QRadioButton *>(controllo))
        return;
    const int lato = std::max(13, QFontInfo(carattere).pixelSize() * 4 / 5);
    const QString foglio = QStringLiteral("QCheckBox::indicator, QRadioButton::indicator { width: %1px; height: %1px; }")
                               .arg(lato);
    if (controllo->styleSheet() != foglio)
        controllo->setStyleSheet(foglio);
}

