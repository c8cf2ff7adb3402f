#pragma once

#include <QPushButton>

// A push button whose whole face shows one colour (rest, highlight, a wrong
// answer) with a thin border, as the exercise screens are drawn. Changing the
// colour repaints the button and nothing else: no style sheet, no polish.
class BottoneColorato : public QPushButton
{
    Q_OBJECT
public:
    using QPushButton::QPushButton;

    QColor colore() const { return m_colore; }
    void impostaColore(const QColor &colore);
    // The picture above the caption, as on a badge, instead of beside it.
    void impostaIconaSopra(bool sopra) { m_iconaSopra = sopra; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *evento) override;

private:
    QColor m_colore{224, 224, 224};
    bool m_iconaSopra = false;
};
