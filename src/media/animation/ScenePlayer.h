#pragma once

#include "media/AnimationPlayer.h"

// The animation player over the SVG scenes.
class ScenePlayer : public AnimationPlayer
{
    Q_OBJECT
public:
    explicit ScenePlayer(QWidget *parent = nullptr);

    void Movie(const QString &percorso) override;
    void BGColor(const QString &rrggbb) override;
    void TSetProperty(const QString &clip, int proprieta, const QString &valore) override;
    void TStopPlay(const QString &clip) override;
    void TPlay(const QString &clip) override;
};
