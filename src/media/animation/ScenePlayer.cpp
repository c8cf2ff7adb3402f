#include "media/animation/ScenePlayer.h"

// Empty stand-in until the real player is written.
ScenePlayer::ScenePlayer(QWidget *parent) : AnimationPlayer(parent) {}
void ScenePlayer::Movie(const QString &) {}
void ScenePlayer::BGColor(const QString &) {}
void ScenePlayer::TSetProperty(const QString &, int, const QString &) {}
void ScenePlayer::TStopPlay(const QString &) {}
void ScenePlayer::TPlay(const QString &) {}
