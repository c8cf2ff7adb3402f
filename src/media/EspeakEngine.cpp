#include "media/EspeakEngine.h"

#include "core/Avvisi.h"
#include "core/Registri.h"
#include "media/AudioOutput.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMetaObject>
#include <QRegularExpression>
#include <QThread>
#include <QtEndian>

#include <espeak-ng/speak_lib.h>

namespace {

std::atomic<quint64> g_prossimoLavoro{0};


struct Lavoro {
    quint64 id = 0;
    QByteArray testo;  // UTF-8
    QByteArray voce;
    int parole = 135;
    std::shared_ptr<std::atomic_bool> annullato;
};

}

// The one thread that talks to libespeak-ng. Lives as long as some engine does.
class LavoratoreEspeak : public QObject
{
    Q_OBJECT
public:
    static std::shared_ptr<LavoratoreEspeak> condiviso();
    ~LavoratoreEspeak() override;

    bool pronto() const { return m_frequenza > 0; }
    int frequenza() const { return m_frequenza; }
    const QVector<int> &voci() const { return m_voci; }  // indexes into vociCurate()
    void accoda(const Lavoro &lavoro);
    QString fonemi(const QByteArray &voce, const QByteArray &testo);  // on the worker thread

signals:
    void pezzo(quint64 lavoro, const QByteArray &pcm);
    void finito(quint64 lavoro);

private:
    LavoratoreEspeak();
    void avvia();
    void impostaVoce(const QByteArray &voce);
    void segnalaVoceMancante();
    void sintetizza(const Lavoro &lavoro);
    static int richiamo(short *campioni, int numero, espeak_EVENT *eventi);

    QThread m_thread;
    int m_frequenza = 0;
    QVector<int> m_voci;
    QByteArray m_voceImpostata;
    const Lavoro *m_inCorso = nullptr;  // read by the callback, on the worker thread
};

namespace {
LavoratoreEspeak *g_attivo = nullptr;  // the worker whose synthesis is running
}

std::shared_ptr<LavoratoreEspeak> LavoratoreEspeak::condiviso()
{
    // Engines are made and destroyed on the interface thread only.
    static std::weak_ptr<LavoratoreEspeak> esistente;
    auto lavoratore = esistente.lock();
    if (!lavoratore) {
        lavoratore.reset(new LavoratoreEspeak);
        esistente = lavoratore;
    }
    return lavoratore;
}

LavoratoreEspeak::LavoratoreEspeak()
{
    m_thread.setObjectName(QStringLiteral("espeak"));
    moveToThread(&m_thread);
    m_thread.start();
    QMetaObject::invokeMethod(this, [this] { avvia(); }, Qt::BlockingQueuedConnection);
}

LavoratoreEspeak::~LavoratoreEspeak()
{
    // The library stays initialised for the rest of the process: its
    // terminate call hangs on its own idle threads after a synchronous start.
    m_thread.quit();
    m_thread.wait();
}

void LavoratoreEspeak::avvia()
{
    static const int frequenza = [] {
        const int f = espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 100, nullptr, espeakINITIALIZE_DONT_EXIT);
        if (f > 0)
            espeak_SetSynthCallback(&LavoratoreEspeak::richiamo);
        return f;
    }();
    if (frequenza <= 0) {
        segnalaVoceMancante();
        return;
    }

    const char *percorso = nullptr;
    espeak_Info(&percorso);
    if (const QString difetto = EspeakEngine::difettoDelDizionario(QString::fromLocal8Bit(percorso ? percorso : ""));
        !difetto.isEmpty()) {
        qCWarning(lcVoce).noquote() << "espeak-ng: the Italian dictionary is not loaded:" << difetto;
        segnalaVoceMancante();
        return;
    }
    // espeak-ng accepts an unknown variant silently and falls back to the plain
    // voice, so a variant counts only when its file is there.
    const QDir varianti(QString::fromLocal8Bit(percorso ? percorso : "") + QStringLiteral("/voices/!v"));
    const auto &curate = EspeakEngine::vociCurate();
    for (int i = 0; i < curate.size(); ++i) {
        const QByteArray nome(curate.at(i).nomeEspeak);
        const int piu = nome.indexOf('+');
        if (espeak_SetVoiceByName(nome.left(piu < 0 ? nome.size() : piu).constData()) != EE_OK)
            continue;
        if (piu >= 0 && !QFileInfo(varianti.filePath(QString::fromLatin1(nome.mid(piu + 1)))).isFile())
            continue;
        m_voci << i;
    }
    m_voceImpostata.clear();
    m_frequenza = m_voci.isEmpty() ? 0 : frequenza;
    if (m_voci.isEmpty())
        segnalaVoceMancante();
}

void LavoratoreEspeak::segnalaVoceMancante()
{
    // Without it every exercise would be silent with no word to anyone.
    qCWarning(lcVoce) << "espeak-ng: manca la voce italiana (pacchetto espeak-ng-data)";
    Avvisi::programma().aggiungi(QStringLiteral("voce"),
                                 QStringLiteral("Manca la voce italiana (espeak-ng-data): gli "
                                                "esercizi restano muti."));
}

void LavoratoreEspeak::accoda(const Lavoro &lavoro)
{
    QMetaObject::invokeMethod(this, [this, lavoro] { sintetizza(lavoro); }, Qt::QueuedConnection);
}

// Only when it changes: loading a voice reads files.
void LavoratoreEspeak::impostaVoce(const QByteArray &voce)
{
    if (voce != m_voceImpostata) {
        espeak_SetVoiceByName(voce.constData());
        m_voceImpostata = voce;
    }
}

QString LavoratoreEspeak::fonemi(const QByteArray &voce, const QByteArray &testo)
{
    if (m_frequenza <= 0)
        return {};
    impostaVoce(voce);
    QStringList clausole;
    const void *resto = testo.constData();
    while (resto) {
        if (const char *f = espeak_TextToPhonemes(&resto, espeakCHARS_UTF8, 0))
            clausole << QString::fromUtf8(f).trimmed();
    }
    return clausole.join(QLatin1Char(' '));
}

void LavoratoreEspeak::sintetizza(const Lavoro &lavoro)
{
    if (m_frequenza > 0 && !lavoro.annullato->load()) {
        // The rate always follows the voice, since a voice change resets it.
        impostaVoce(lavoro.voce);
        espeak_SetParameter(espeakRATE, lavoro.parole, 0);
        m_inCorso = &lavoro;
        g_attivo = this;
        espeak_Synth(lavoro.testo.constData(), size_t(lavoro.testo.size() + 1), 0, POS_CHARACTER, 0,
                     espeakCHARS_UTF8, nullptr, nullptr);
        g_attivo = nullptr;
        m_inCorso = nullptr;
        // After an abort the library is reset, as its documentation asks,
        // so the next text starts clean.
        if (lavoro.annullato->load())
            espeak_Cancel();
    }
    emit finito(lavoro.id);
}

int LavoratoreEspeak::richiamo(short *campioni, int numero, espeak_EVENT *)
{
    LavoratoreEspeak *lavoratore = g_attivo;
    if (!lavoratore || !lavoratore->m_inCorso)
        return 1;
    const Lavoro &lavoro = *lavoratore->m_inCorso;
    // A stop from the interface thread can only take effect here: a cancel
    // call does nothing while a synchronous synthesis runs.
    if (lavoro.annullato->load())
        return 1;
    if (campioni && numero > 0)
        emit lavoratore->pezzo(lavoro.id, QByteArray(reinterpret_cast<const char *>(campioni),
                                                      numero * int(sizeof(short))));
    return 0;
}

const QVector<VoceOfferta> &EspeakEngine::vociCurate()
{
    static const QVector<VoceOfferta> voci{
        {"it", "Voce maschile standard"},
        {"it+f4", "Voce femminile chiara"},
        {"it+f2", "Voce femminile morbida"},
        {"it+f5", "Voce femminile acuta"},
        {"it+m3", "Voce maschile calda"},
        {"it+m1", "Voce maschile profonda"},
    };
    return voci;
}

QString EspeakEngine::testoPerEspeak(const QString &testo)
{
    static const QRegularExpression meno(QStringLiteral("(?<=\\d)\\s*[-\\x{2212}]\\s*(?=\\d|$)"));
    QString risultato = testo;
    risultato.replace(meno, QStringLiteral(" meno "));
    // The menu's levels, "Addizione - 1°": the voice would say "uno gradi".
    static const QRegularExpression ordinale(QStringLiteral("\\b(10|[1-9])\u00b0"));
    static const char *const ordinali[] = {"primo", "secondo", "terzo", "quarto", "quinto",
                                           "sesto", "settimo", "ottavo", "nono", "decimo"};
    for (auto m = ordinale.match(risultato); m.hasMatch(); m = ordinale.match(risultato))
        risultato.replace(m.capturedStart(), m.capturedLength(),
                          QString::fromLatin1(ordinali[m.captured(1).toInt() - 1]));

    // A vowel, an apostrophe, then no letter: the accent the text lost. A word
    // that opens with an apostrophe after a blank is quoted ('ciao'), not
    // elided (C'e'), and keeps its closing apostrophe.
    static const QString vocali = QStringLiteral("aeiouAEIOU");
    static const QString accentate = QStringLiteral("\u00e0\u00e8\u00ec\u00f2\u00f9\u00c0\u00c8\u00cc\u00d2\u00d9");
    const auto carattere = [&risultato](qsizetype i) {
        return i >= 0 && i < risultato.size() ? risultato.at(i) : QChar();
    };
    const auto lettera = [&carattere](qsizetype i) { return carattere(i).isLetter(); };
    for (qsizetype i = 0; i + 1 < risultato.size(); ++i) {
        const qsizetype v = vocali.indexOf(risultato.at(i));
        if (v < 0 || risultato.at(i + 1) != QLatin1Char('\'') || lettera(i + 2))
            continue;
        qsizetype inizio = i;
        while (lettera(inizio - 1) || (carattere(inizio - 1) == QLatin1Char('\'') && lettera(inizio - 2)))
            --inizio;
        if (carattere(inizio - 1) == QLatin1Char('\''))
            continue;
        risultato[i] = accentate.at(v);
        risultato.remove(i + 1, 1);
    }
    return risultato;
}

int EspeakEngine::paroleAlMinuto(int velocitaVoce)
{
    // The voice screen offers 70..200; values from an edited settings file are
    // held to that range. Two straight pieces meet at the default: 135 gives
    // 130 words a minute, a calm pace a six-year-old follows easily; 70 gives
    // 80 (espeak-ng's slowest, clearly slow) and 200 gives 195 (brisk).
    const int v = qBound(70, velocitaVoce, 200);
    if (v <= 135)
        return 80 + (v - 70) * 50 / 65;
    return 130 + (v - 135);
}

EspeakEngine::EspeakEngine(QObject *parent)
    : EspeakEngine(creaUscitaAudio(), parent)
{
}

EspeakEngine::EspeakEngine(std::unique_ptr<AudioOutput> uscita, QObject *parent)
    : SpeechEngine(parent)
    , m_lavoratore(LavoratoreEspeak::condiviso())
    , m_uscita(std::move(uscita))
    , m_annullato(std::make_shared<std::atomic_bool>(false))
{
    m_controllo.setSingleShot(true);
    m_controllo.setTimerType(Qt::PreciseTimer);
    connect(&m_controllo, &QTimer::timeout, this, &EspeakEngine::controllaFine);
    connect(m_lavoratore.get(), &LavoratoreEspeak::pezzo, this, &EspeakEngine::ricevi,
            Qt::QueuedConnection);
    connect(m_lavoratore.get(), &LavoratoreEspeak::finito, this, &EspeakEngine::sintesiFinita,
            Qt::QueuedConnection);
}

EspeakEngine::~EspeakEngine()
{
    annullaLavoro();
    disconnect(m_lavoratore.get(), nullptr, this, nullptr);
}

bool EspeakEngine::disponibile() const
{
    return m_lavoratore->pronto();
}

int EspeakEngine::frequenzaCampioni() const
{
    return m_lavoratore->frequenza();
}

void EspeakEngine::annullaLavoro()
{
    m_annullato->store(true);
    m_lavoro = 0;
    m_controllo.stop();
}

void EspeakEngine::speak(const QString &text)
{
    annullaLavoro();
    if (!disponibile()) {
        stop();
        return;
    }
    m_annullato = std::make_shared<std::atomic_bool>(false);
    m_lavoro = ++g_prossimoLavoro;
    m_sintesiCompleta = false;
    m_campioni = 0;
    m_inizioUs = -1;
    m_avvioUs = orologioUs();
    m_uscita->startStream(frequenzaCampioni());
    m_controllo.start(1000);

    const QString testo = testoPerEspeak(text);
    Lavoro lavoro;
    lavoro.id = m_lavoro;
    lavoro.testo = testo.toUtf8();
    lavoro.voce = vociCurate().at(m_lavoratore->voci().at(m_voce - 1)).nomeEspeak;
    lavoro.parole = paroleAlMinuto(m_velocita);
    lavoro.annullato = m_annullato;
    qCDebug(lcVoce).noquote() << Registri::momento() << lavoro.voce << lavoro.parole
                              << QStringLiteral("\u00ab%1\u00bb").arg(testo);
    m_lavoratore->accoda(lavoro);

    if (!m_parla) {
        m_parla = true;
        emit speakingChanged(true);
    }
}

void EspeakEngine::stop()
{
    annullaLavoro();
    m_uscita->stopStream();
    if (m_parla) {
        m_parla = false;
        emit speakingChanged(false);
    }
}

void EspeakEngine::ricevi(quint64 lavoro, const QByteArray &pcm)
{
    if (lavoro != m_lavoro || !m_parla)
        return;
    if (m_inizioUs < 0)
        m_inizioUs = orologioUs();
    m_uscita->write(pcm);
    m_campioni += pcm.size() / 2;
}

void EspeakEngine::sintesiFinita(quint64 lavoro)
{
    if (lavoro != m_lavoro || !m_parla)
        return;
    m_sintesiCompleta = true;
    if (m_inizioUs < 0)
        m_inizioUs = orologioUs();
    controllaFine();
}

void EspeakEngine::controllaFine()
{
    if (!m_parla)
        return;
    if (!m_sintesiCompleta) {
        // Synthesis runs a thousand times faster than speech: one that has
        // not ended by now never will, and must not hold Parla for ever.
        if (orologioUs() - m_avvioUs < LimiteSintesiUs) {
            m_controllo.start(1000);
            return;
        }
        m_sintesiCompleta = true;
        if (m_inizioUs < 0)
            m_inizioUs = orologioUs();
    }
    const qint64 durata = m_campioni * 1000000 / frequenzaCampioni();
    const qint64 suonati = m_uscita->playedUs();
    const qint64 trascorsi = orologioUs() - m_inizioUs;
    // A sink may round its clock down by a few samples: 2 ms is nothing to hear.
    if (suonati + 2000 >= durata || trascorsi >= durata + MargineUs) {
        m_lavoro = 0;
        m_uscita->stopStream();
        m_parla = false;
        emit speakingChanged(false);
        return;
    }
    // Look again when the rest should have played, and often enough to follow
    // a sink that runs late.
    const qint64 restoMs = (qMin(durata - suonati, durata + MargineUs - trascorsi) + 999) / 1000;
    m_controllo.start(int(qBound(qint64(2), restoMs, qint64(100))));
}

void EspeakEngine::setRate(int velocitaVoce)
{
    m_velocita = velocitaVoce;
}

int EspeakEngine::voiceCount() const
{
    return m_lavoratore->voci().size();
}

QString EspeakEngine::voiceName(int numero) const
{
    if (numero < 1 || numero > voiceCount())
        return {};
    return QString::fromUtf8(vociCurate().at(m_lavoratore->voci().at(numero - 1)).nomeVisibile);
}

bool EspeakEngine::selectVoice(int numero)
{
    if (numero < 1 || numero > voiceCount())
        return false;
    m_voce = numero;
    return true;
}

bool EspeakEngine::writeAfterVoiceChange(int16_t)
{
    return true;
}

QString EspeakEngine::fonemi(const QString &testo) const
{
    if (!disponibile())
        return {};
    const QByteArray voce = vociCurate().at(m_lavoratore->voci().at(m_voce - 1)).nomeEspeak;
    const QByteArray utf8 = testoPerEspeak(testo).toUtf8();
    QString risultato;
    LavoratoreEspeak *lavoratore = m_lavoratore.get();
    QMetaObject::invokeMethod(lavoratore, [&] { risultato = lavoratore->fonemi(voce, utf8); },
                              Qt::BlockingQueuedConnection);
    return risultato;
}

QString EspeakEngine::nomeEspeak(int numero) const
{
    if (numero < 1 || numero > voiceCount())
        return {};
    return QString::fromLatin1(vociCurate().at(m_lavoratore->voci().at(numero - 1)).nomeEspeak);
}

#include "EspeakEngine.moc"

QString EspeakEngine::difettoDelDizionario(const QString &cartellaDati, const QString &cartellaDpkg)
{
    const QString dizionario = cartellaDati + QStringLiteral("/it_dict");
    QFile file(dizionario);
    if (!QFileInfo(dizionario).isFile() || !file.open(QIODevice::ReadOnly))
        return QStringLiteral("manca %1").arg(dizionario);
    const QByteArray dati = file.readAll();
    const QString dentro = QFileInfo(dizionario).canonicalFilePath().mid(1) + QLatin1Char('\n');
    const auto elenchi = QDir(cartellaDpkg).entryInfoList({QStringLiteral("espeak-ng-data*.md5sums")});
    for (const QFileInfo &elenco : elenchi) {
        QFile somme(elenco.filePath());
        if (!elenco.isFile() || !somme.open(QIODevice::ReadOnly))
            continue;
        for (const QByteArray &riga : somme.readAll().split('\n')) {
            if (riga.size() > 34 && (QString::fromUtf8(riga.mid(34)) + QLatin1Char('\n')) == dentro)
                return riga.left(32) == QCryptographicHash::hash(dati, QCryptographicHash::Md5).toHex()
                           ? QString()
                           : QStringLiteral("%1 non è quello del pacchetto: è danneggiato").arg(dizionario);
        }
    }
    // Otherwise the two numbers espeak-ng reads first: 1024 hash lists, then
    // where the rules begin, inside the file.
    auto intero = [&dati](int i) { return qFromLittleEndian<qint32>(dati.constData() + 4 * i); };
    if (dati.size() < 4 * 1026 || intero(0) != 1024 || intero(1) <= 0 || intero(1) >= dati.size())
        return QStringLiteral("%1 è danneggiato").arg(dizionario);
    return QString();
}
