#pragma once

#include <QString>
#include <QWidget>

// The animation player that shows a scene's story on an exercise screen. The
// five operations are the whole contract; clip names look like "_root.a3".
class AnimationPlayer : public QWidget
{
    Q_OBJECT
public:
    using QWidget::QWidget;

    static constexpr int ProprietaOpacita = 6;    // percent
    static constexpr int ProprietaVisibilita = 7; // "1" visible

    virtual void Movie(const QString &percorso) = 0;  // load and start
    virtual void BGColor(const QString &rrggbb) = 0;
    virtual void TSetProperty(const QString &clip, int proprieta, const QString &valore) = 0;
    virtual void TStopPlay(const QString &clip) = 0;
    virtual void TPlay(const QString &clip) = 0;
};
