#pragma once

#include <QWidget>

class SpeechEngine;

// The speech engine's face on screen: a drawn mouth that moves while the
// engine speaks and reports a click.
class Bocca : public QWidget
{
    Q_OBJECT
public:
    explicit Bocca(SpeechEngine &motore, QWidget *parent = nullptr);

signals:
    void cliccata();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    SpeechEngine &m_motore;
};
