#pragma once

#include <QPointer>
#include <QTimer>
#include <QWidget>

class SpeechEngine;

// The speech engine's face on screen: a drawn mouth that moves while the
// engine speaks and reports a click.
class Bocca : public QWidget
{
    Q_OBJECT
public:
    explicit Bocca(SpeechEngine &motore, QWidget *parent = nullptr);

    // How far the lips are apart, 0 (closed) to 1.
    double apertura() const { return m_apertura; }
    QSize sizeHint() const override;

signals:
    void cliccata();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void parlaCambiato(bool parla);
    void muovi();

    // The screen that owns both may destroy the engine before this widget.
    QPointer<SpeechEngine> m_motore;
    QTimer m_movimento;
    double m_apertura = 0.0;
    int m_passo = 0;
};
