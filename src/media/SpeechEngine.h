#pragma once

#include <QObject>
#include <QString>

// The speech engine the program talks to (the mouth, "Bocca"): only the
// operations the program uses. Two instances exist: the program-wide one held
// by FormBocca, and the voice screen's own for previews.
class SpeechEngine : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;
    ~SpeechEngine() override = default;

    virtual void speak(const QString &text) = 0;  // returns at once; speech goes on
    virtual void stop() = 0;                      // harmless when silent
    virtual bool isSpeaking() const = 0;
    virtual void setRate(int velocitaVoce) = 0;   // VelocitaVoce, 70..200
    virtual int voiceCount() const = 0;
    virtual QString voiceName(int numero) const = 0;  // 1-based
    virtual bool selectVoice(int numero) = 0;         // 1-based; false when refused
    // Written with 0 right after a voice change from the voice list.
    virtual bool writeAfterVoiceChange(int16_t valore) = 0;

signals:
    void speakingChanged(bool speaking);  // wakes the waits of Parla
};
