#pragma once

#include "core/StatoProgramma.h"

#include <QColor>
#include <QHash>
#include <QPointer>
#include <QRect>
#include <QVector>
#include <QWidget>

// Painting a choice's background: the highlight of the scanning modes and the
// rest colour that removes it.
namespace Evidenziazione {
// Fills the control's background (window and button roles alike, so labels,
// check boxes and buttons all show it).
void colora(QWidget *controllo, const QColor &colore);
QColor colore(const QWidget *controllo);
// Tells assistive technology that the highlight now stands on this control.
void annunciaEvidenziato(QWidget *controllo);
// The contrast ratio of two colours by the WCAG formula, 1 to 21.
double contrasto(const QColor &a, const QColor &b);
// A highlight must stand out this much from the buttons' rest grey.
constexpr double ContrastoMinimo = 3.0;
inline QColor grigioBottoni() { return QColor(224, 224, 224); }
// Black or white, whichever stands out more from both colours: the thick
// border must show on the highlight and on what lies around it.
QColor coloreBordo(const QColor &evidenza, const QColor &sfondo);
// How thick the thick border is in a window this tall.
int spessoreBordo(int altezzaFinestra);
}

// What the options add to the lit choice, over whatever colour the screen
// paints: a thick border, a larger size, and the frame around a whole group.
class Decorazioni
{
public:
    Decorazioni();
    ~Decorazioni();
    Decorazioni(const Decorazioni &) = delete;
    Decorazioni &operator=(const Decorazioni &) = delete;

    // `accese`: the lit items; `gruppo`: they are a whole group, framed;
    // `altre`: the other choices, which an enlarged item must not cover.
    void mostra(const QVector<QWidget *> &accese, bool gruppo, const QVector<QWidget *> &altre,
                const OpzioniScansione &opzioni, const QColor &colore);
    void togli();
    // The frame of the lit group, which takes the focus for assistive
    // technology; null when no group is lit.
    QWidget *corniceGruppo() const;

private:
    struct Ingrandito {
        QPointer<QWidget> widget;
        QRect geometria;
        QFont carattere;
    };
    void disegna();
    void ingrandisci(QWidget *widget, const QVector<QWidget *> &altre);
    void ripristina();

    QVector<QPointer<QWidget>> m_cornici;
    QPointer<QWidget> m_corniceGruppo;  // kept from group to group, so the focus stays on it
    QVector<Ingrandito> m_ingranditi;
    QVector<QPointer<QWidget>> m_accese, m_altre;
    bool m_gruppo = false;
    OpzioniScansione m_opzioni;
    QColor m_colore;
};
