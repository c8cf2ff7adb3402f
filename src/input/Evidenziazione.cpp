#include "input/Evidenziazione.h"

#include <QAccessible>
#include <QWidget>

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

}

CamminatoreScelte::CamminatoreScelte(QVector<QWidget *> numeri, QVector<QWidget *> segni,
                                     int16_t &sceltaCorrente, std::function<QColor()> coloreEvidenza)
    : m_numeri(std::move(numeri))
    , m_segni(std::move(segni))
    , m_scelta(sceltaCorrente)
    , m_evidenza(std::move(coloreEvidenza))
    , m_pittore(&Evidenziazione::colora)
{
}

void CamminatoreScelte::cammina(const QVector<QWidget *> &gruppo, int passo)
{
    const int quanti = int(gruppo.size());
    if (quanti == 0)
        return;
    // Every button goes back to rest, hidden ones included: a step may have
    // left its highlight on a button that is no longer shown.
    for (QWidget *bottone : gruppo)
        m_pittore(bottone, coloreRiposo());
    int scelta = m_scelta + passo;
    // Past either end the walk wraps; a cursor left outside the group by
    // another step comes back in at the end it walks from.
    if (scelta < 0 || scelta >= quanti)
        scelta = passo > 0 ? 0 : quanti - 1;
    m_scelta = int16_t(scelta);
    m_pittore(gruppo.at(scelta), m_evidenza());
    Evidenziazione::annunciaEvidenziato(gruppo.at(scelta));
}
