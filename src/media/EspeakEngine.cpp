#include "media/EspeakEngine.h"

// Silent stand-in until the real engine is written.
EspeakEngine::EspeakEngine(QObject *parent) : SpeechEngine(parent) {}
EspeakEngine::~EspeakEngine() = default;
void EspeakEngine::speak(const QString &) {}
void EspeakEngine::stop() {}
bool EspeakEngine::isSpeaking() const { return false; }
void EspeakEngine::setRate(int) {}
int EspeakEngine::voiceCount() const { return 1; }
QString EspeakEngine::voiceName(int) const { return QStringLiteral("Italiano"); }
bool EspeakEngine::selectVoice(int numero) { return numero == 1; }
bool EspeakEngine::writeAfterVoiceChange(int16_t) { return true; }
