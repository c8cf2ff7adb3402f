#pragma once

#include "media/SpeechEngine.h"

// The speech engine over libespeak-ng, with the Italian voices.
class EspeakEngine : public SpeechEngine
{
    Q_OBJECT
public:
    explicit EspeakEngine(QObject *parent = nullptr);
    ~EspeakEngine() override;

    void speak(const QString &text) override;
    void stop() override;
    bool isSpeaking() const override;
    void setRate(int velocitaVoce) override;
    int voiceCount() const override;
    QString voiceName(int numero) const override;
    bool selectVoice(int numero) override;
    bool writeAfterVoiceChange(int16_t valore) override;
};
