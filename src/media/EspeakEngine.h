#pragma once

#include "media/SpeechEngine.h"

#include <QTimer>
#include <QVector>
#include <atomic>
#include <memory>

class AudioOutput;
class LavoratoreEspeak;

// One of the voices offered: the espeak-ng voice name and what an adult
// choosing for a child reads in the list.
struct VoceOfferta {
    const char *nomeEspeak;
    const char *nomeVisibile;
};

// The speech engine over libespeak-ng, in-process. Synthesis runs on one
// worker thread shared by every instance (the library keeps global state);
// each instance keeps its own voice and rate and applies them before each
// text. The samples go to an AudioOutput; the engine speaks until they have
// played, measured against their own length, never by a playback signal.
class EspeakEngine : public SpeechEngine
{
    Q_OBJECT
public:
    explicit EspeakEngine(QObject *parent = nullptr);  // on the default audio output
    explicit EspeakEngine(std::unique_ptr<AudioOutput> uscita, QObject *parent = nullptr);
    ~EspeakEngine() override;

    void speak(const QString &text) override;
    void stop() override;
    bool isSpeaking() const override { return m_parla; }
    void setRate(int velocitaVoce) override;
    int voiceCount() const override;
    QString voiceName(int numero) const override;
    bool selectVoice(int numero) override;
    bool writeAfterVoiceChange(int16_t valore) override;

    // False when libespeak-ng could not start: the engine then offers no
    // voices and every text ends at once.
    bool disponibile() const;
    int frequenzaCampioni() const;
    int voceCorrente() const { return m_voce; }
    QString nomeEspeak(int numero) const;  // e.g. "it+f4"; empty outside the list

    // What the engine hands to espeak-ng for an already rewritten text (see
    // testoPerLaVoce): a minus after a number spelled "meno", since the voice
    // reads a lone hyphen as a pause; a vowel and apostrophe ending a word
    // written back as the accented vowel, since the voice would stress the
    // word's previous syllable ("scimpanze'").
    static QString testoPerEspeak(const QString &testo);
    // The phonemes (espeak-ng's ASCII names) the current voice says for a
    // text handed to speak(); empty when the library did not start.
    QString fonemi(const QString &testo) const;

    // VelocitaVoce (70..200, default 135) in espeak-ng words per minute.
    static int paroleAlMinuto(int velocitaVoce);
    // Every voice we would offer, in list order; those that cannot work here
    // are left out of the list at start-up.
    static const QVector<VoceOfferta> &vociCurate();

    // What is wrong with the Italian dictionary in espeak-ng's data folder, which
    // would crash the library when the voice is loaded; empty when it looks
    // sound. Checked against the package's checksum when dpkg's list in
    // `cartellaDpkg` names the file, otherwise by its first numbers.
    static QString difettoDelDizionario(const QString &cartellaDati,
                                        const QString &cartellaDpkg = QStringLiteral("/var/lib/dpkg/info"));

    // A speech still playing ends at the latest this long after its own length.
    static constexpr qint64 MargineUs = 750000;
    static constexpr qint64 LimiteSintesiUs = 20000000;

private:
    void ricevi(quint64 lavoro, const QByteArray &pcm);
    void sintesiFinita(quint64 lavoro);
    void controllaFine();
    void annullaLavoro();

    std::shared_ptr<LavoratoreEspeak> m_lavoratore;
    std::unique_ptr<AudioOutput> m_uscita;
    int m_voce = 1;
    int m_velocita = 135;

    quint64 m_lavoro = 0;  // the text now speaking; pieces of any other are stale
    std::shared_ptr<std::atomic_bool> m_annullato;
    bool m_parla = false;
    bool m_sintesiCompleta = false;
    qint64 m_campioni = 0;
    qint64 m_inizioUs = -1;  // the first sample reached the output
    qint64 m_avvioUs = 0;    // speak() was called
    QTimer m_controllo;
};
