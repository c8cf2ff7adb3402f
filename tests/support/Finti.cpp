#include "Finti.h"

#include <QLabel>
#include <QPointer>
#include <QTimer>

double GeneratoreScriptato::Rnd()
{
    if (valori.isEmpty())
        return 0.0;
    const double valore = valori.at(prossimo % valori.size());
    ++prossimo;
    return valore;
}

void MotoreFinto::speak(const QString &text)
{
    if (m_registro)
        m_registro->scrivi(QStringLiteral("speak %1").arg(text));
    m_parla = true;
    const int generazione = ++m_generazione;
    emit speakingChanged(true);
    if (fineAutomatica)
        QTimer::singleShot(0, this, [this, generazione] {
            if (generazione == m_generazione)
                finisci();
        });
}

void MotoreFinto::stop()
{
    if (m_registro)
        m_registro->scrivi(QStringLiteral("stop"));
    ++m_generazione;
    finisci();
}

void MotoreFinto::finisci()
{
    if (!m_parla)
        return;
    m_parla = false;
    emit speakingChanged(false);
}

void MotoreFinto::setRate(int v)
{
    velocita = v;
    if (m_registro)
        m_registro->scrivi(QStringLiteral("rate %1").arg(v));
}

bool MotoreFinto::selectVoice(int numero)
{
    if (m_registro)
        m_registro->scrivi(QStringLiteral("voice %1").arg(numero));
    return !rifiutate.contains(numero) && numero >= 1 && numero <= nomi.size();
}

bool MotoreFinto::writeAfterVoiceChange(int16_t valore)
{
    if (m_registro)
        m_registro->scrivi(QStringLiteral("op62 %1").arg(valore));
    return true;
}

bool VoceFinta::Parla(const QString &testo)
{
    m_registro.scrivi(QStringLiteral("Parla %1").arg(testo));
    if (durante)
        durante(testo);
    return esito;
}

bool AttesaFinta::Pausa(double secondi)
{
    m_registro.scrivi(QStringLiteral("Pausa %1").arg(secondi));
    if (durante)
        durante(secondi);
    return esito;
}

void DialoghiFinti::errore(QWidget *, const QString &titolo, const QString &testo)
{
    m_registro.scrivi(QStringLiteral("errore %1: %2").arg(titolo, testo));
}

bool DialoghiFinti::domanda(QWidget *, const QString &titolo, const QString &testo)
{
    m_registro.scrivi(QStringLiteral("domanda %1: %2").arg(titolo, testo));
    return risposta;
}

void DialoghiFinti::avviso(QWidget *, const QString &titolo, const QString &testo)
{
    m_registro.scrivi(QStringLiteral("avviso %1: %2").arg(titolo, testo));
}

bool DialoghiFinti::testo(QWidget *, const QString &titolo, const QString &domanda, QString &valore)
{
    m_registro.scrivi(QStringLiteral("testo %1: %2").arg(titolo, domanda));
    if (scritto.isEmpty())
        return false;
    valore = scritto;
    return true;
}

bool SceltaColoreFinta::ScegliColore(QWidget *finestra, QLabel *portatore)
{
    QPointer<QLabel> vivo(portatore);
    if (durante)
        durante(finestra);
    if (!conferma || !vivo)
        return false;
    QPalette palette = portatore->palette();
    palette.setColor(QPalette::WindowText, colore);
    portatore->setPalette(palette);
    return true;
}

void LettoreFinto::Movie(const QString &percorso)
{
    m_registro.scrivi(QStringLiteral("Movie %1").arg(percorso));
}

void LettoreFinto::BGColor(const QString &rrggbb)
{
    m_registro.scrivi(QStringLiteral("BGColor %1").arg(rrggbb));
}

void LettoreFinto::TSetProperty(const QString &clip, int proprieta, const QString &valore)
{
    m_registro.scrivi(QStringLiteral("TSetProperty %1 %2 %3").arg(clip).arg(proprieta).arg(valore));
}

void LettoreFinto::TStopPlay(const QString &clip)
{
    m_registro.scrivi(QStringLiteral("TStopPlay %1").arg(clip));
}

void LettoreFinto::TPlay(const QString &clip)
{
    m_registro.scrivi(QStringLiteral("TPlay %1").arg(clip));
}

ServiziFinti::ServiziFinti()
    : servizi{stato,
              casuale,
              voce,
              attesa,
              suoni,
              dialoghi,
              colore,
              documenti,
              [this](QWidget *genitore) -> AnimationPlayer * { return new LettoreFinto(registro, genitore); },
              [this] { return std::unique_ptr<SpeechEngine>(std::make_unique<MotoreFinto>(&registro)); },
              QStringLiteral(CALCOLOTTI_SOURCE_DATA),
              chiusura,
              [this](const StatoProgramma &) {
                  ++salvataggi;
                  registro.scrivi(QStringLiteral("salva"));
                  return true;
              },
              [this] {
                  ++terminazioni;
                  registro.scrivi(QStringLiteral("termina"));
              },
              0}
{
    servizi.avvisi = &avvisi;
}
