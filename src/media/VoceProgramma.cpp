#include "media/VoceProgramma.h"

#include "core/Chiusura.h"
#include "media/Attese.h"
#include "media/FormBocca.h"
#include "media/SpeechEngine.h"

#include <QElapsedTimer>
#include <QTimer>
#include <cmath>

namespace {

struct Riscrittura {
    QChar carattere;  // lower-case form
    const char *sostituto;
};

// Checked in this order; the first match decides.
const Riscrittura regole[] = {
    {QChar(0x00B7), ""},     // middle dot
    {QChar(0x00E8), "e'"},   // è
    {QChar(0x00E9), "e'"},   // é
    {QChar(0x00F2), "o'"},   // ò
    {QChar(0x00E0), "a'"},   // à
    {QChar(0x00F9), "u'"},   // ù
    {QChar(0x00EC), "i'"},   // ì
    {QChar('_'), ""},
    {QChar(0x2019), "'"},    // right single quotation mark
    {QChar('&'), "e commerciale"},
};

}

QString testoPerLaVoce(const QString &testo)
{
    QString risultato;
    risultato.reserve(testo.size() + 8);
    for (const QChar c : testo) {
        const QChar minuscolo = c.toLower();
        const Riscrittura *regola = nullptr;
        for (const Riscrittura &r : regole) {
            if (r.carattere == minuscolo) {
                regola = &r;
                break;
            }
        }
        if (regola)
            risultato += QLatin1String(regola->sostituto);
        else
            risultato += c;
    }
    return risultato;
}

VoceProgramma::VoceProgramma(std::function<std::unique_ptr<SpeechEngine>()> creaMotore, Chiusura &chiusura)
    : m_creaMotore(std::move(creaMotore))
    , m_chiusura(chiusura)
{
}

VoceProgramma::~VoceProgramma()
{
    delete m_formBocca.data();
}

SpeechEngine &VoceProgramma::motore()
{
    if (!m_formBocca)
        m_formBocca = new FormBocca(m_creaMotore());
    return m_formBocca->Bocca();
}

bool VoceProgramma::Parla(const QString &testo)
{
    QPointer<SpeechEngine> bocca(&motore());
    bocca->stop();
    if (testo.isEmpty())
        return !m_chiusura.inCorso();
    if (m_chiusura.inCorso())
        return false;
    bocca->speak(testoPerLaVoce(testo));
    // A nested Parla (from a click handled meanwhile) stops this text and
    // waits for its own; this one then finds the engine silent and returns.
    while (bocca && bocca->isSpeaking()) {
        Attese::Ciclo ciclo(m_chiusura);
        QObject::connect(bocca, &SpeechEngine::speakingChanged, ciclo.contesto(), [&ciclo](bool parla) {
            if (!parla)
                ciclo.sveglia();
        });
        QObject::connect(bocca, &QObject::destroyed, ciclo.contesto(), [&ciclo] { ciclo.sveglia(); });
        if (!ciclo.esegui())
            return false;
    }
    return true;
}

bool AttesaProgramma::Pausa(double secondi)
{
    if (!(secondi > 0))
        return !m_chiusura.inCorso();
    // A day is more than any caller means; it keeps the nanoseconds in range.
    const qint64 durataNs = qint64(std::min(secondi, 86400.0) * 1e9);
    QElapsedTimer orologio;
    orologio.start();
    for (;;) {
        const qint64 restoNs = durataNs - orologio.nsecsElapsed();
        if (restoNs <= 0)
            return !m_chiusura.inCorso();
        Attese::Ciclo ciclo(m_chiusura);
        QTimer::singleShot(int((restoNs + 999999) / 1000000), Qt::PreciseTimer, ciclo.contesto(),
                           [&ciclo] { ciclo.sveglia(); });
        if (!ciclo.esegui())
            return false;
    }
}
