#pragma once

#include <QColor>
#include <QVector>

#include <cstdint>
#include <functional>

class QWidget;

// Painting a choice's background: the highlight of the scanning modes and the
// rest colour that removes it.
namespace Evidenziazione {
// Fills the control's background (window and button roles alike, so labels,
// check boxes and buttons all show it).
void colora(QWidget *controllo, const QColor &colore);
QColor colore(const QWidget *controllo);
// Tells assistive technology that the highlight now stands on this control.
void annunciaEvidenziato(QWidget *controllo);
}

// The highlight walkers of an exercise screen, over its number buttons
// (Command1) and sign buttons (Command2), with the shared cursor
// SceltaCorrente.
class CamminatoreScelte
{
public:
    using Pittore = std::function<void(QWidget *, const QColor &)>;

    CamminatoreScelte(QVector<QWidget *> numeri, QVector<QWidget *> segni, int16_t &sceltaCorrente,
                      std::function<QColor()> coloreEvidenza);

    // How a button is painted; by default Evidenziazione::colora.
    void impostaPittore(Pittore pittore) { m_pittore = std::move(pittore); }

    void ColoraSeguente1() { cammina(m_numeri, +1); }
    void ColoraSeguente2() { cammina(m_segni, +1); }
    void ColoraPrecedente1() { cammina(m_numeri, -1); }
    void ColoraPrecedente2() { cammina(m_segni, -1); }

    static QColor coloreRiposo() { return QColor(224, 224, 224); }

private:
    void cammina(const QVector<QWidget *> &gruppo, int passo);

    QVector<QWidget *> m_numeri;
    QVector<QWidget *> m_segni;
    int16_t &m_scelta;
    std::function<QColor()> m_evidenza;
    Pittore m_pittore;
};
