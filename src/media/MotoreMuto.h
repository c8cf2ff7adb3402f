#pragma once

#include "media/SpeechEngine.h"

// Stands in when no speech engine can be made: the program still works,
// silently, and a voice list is empty.
class MotoreMuto : public SpeechEngine
{
public:
    void speak(const QString &) override {}
    void stop() override {}
    bool isSpeaking() const override { return false; }
    void setRate(int) override {}
    int voiceCount() const override { return 0; }
    QString voiceName(int) const override { return QString(); }
    bool selectVoice(int) override { return false; }
    bool writeAfterVoiceChange(int16_t) override { return false; }
};
