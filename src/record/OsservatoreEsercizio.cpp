#include "record/OsservatoreEsercizio.h"

#include "core/Servizi.h"
#include "core/StatoProgramma.h"
#include "core/Tempo.h"
#include "exercises/FormEsercizio.h"
#include "record/Diario.h"

#include <QDateTime>

void OsservatoreEsercizio::segui(FormEsercizio *schermata)
{
    if (Diario *diario = schermata->servizi().diario)
        new OsservatoreEsercizio(schermata, *diario);
}

OsservatoreEsercizio::OsservatoreEsercizio(FormEsercizio *schermata, Diario &diario)
    : QObject(schermata)
    , m_schermata(schermata)
    , m_diario(diario)
{
    connect(schermata, &FormEsercizio::esercizioIniziato, this, &OsservatoreEsercizio::iniziato);
    connect(schermata, &FormEsercizio::risposta, this, &OsservatoreEsercizio::risposta);
    connect(schermata, &FormEsercizio::esercizioFinito, this, [this] { chiudi(true); });
}

// Runs while the screen is being destroyed: only this object's own members are used.
OsservatoreEsercizio::~OsservatoreEsercizio()
{
    chiudi(false);
}

void OsservatoreEsercizio::chiudi(bool finito)
{
    if (!m_aperto)
        return;
    m_aperto = false;
    m_diario.chiudiEsercizio(m_esercizio, QDateTime::currentMSecsSinceEpoch(), finito);
}

void OsservatoreEsercizio::iniziato()
{
    chiudi(false);
    const Esercizi::Esercizio &modello = m_schermata->modello();
    EsercizioRegistrato esercizio;
    esercizio.inizioMs = QDateTime::currentMSecsSinceEpoch();
    esercizio.livello = QString::fromUtf8(m_schermata->descrizione().nomeLivello);
    esercizio.scena = modello.Scena();
    esercizio.famiglia = modello.addizione() ? QStringLiteral("addizione") : QStringLiteral("sottrazione");
    esercizio.modalita = m_schermata->servizi().stato.ModalitaInput;
    m_esercizio = m_diario.apriEsercizio(esercizio);
    m_aperto = true;
    m_ignorateFinora = m_schermata->controllo().modello().ignorateInTutto();
}

void OsservatoreEsercizio::risposta(int passo, int scelta, bool giusta)
{
    if (!m_aperto)
        return;
    const ControlloreInput &controllo = m_schermata->controllo();
    const ModelloScansione &scansione = controllo.modello();
    const StatoProgramma &stato = m_schermata->servizi().stato;
    RispostaRegistrata r;
    r.istanteMs = QDateTime::currentMSecsSinceEpoch();
    r.livello = QString::fromUtf8(m_schermata->descrizione().nomeLivello);
    r.scena = m_schermata->modello().Scena();
    r.passo = passo;
    r.scelta = scelta;
    r.giusta = giusta;
    r.modalita = stato.ModalitaInput;
    r.intervalloMs = intervalloScansioneMs(stato);
    // A click while the question is still being read has no response time.
    if (!scansione.occupato())
        r.tempoRispostaMs = int(controllo.tempo().adessoMs() - controllo.prontoDa());
    r.ignorate = scansione.ignorateInTutto() - m_ignorateFinora;
    m_ignorateFinora = scansione.ignorateInTutto();
    if (controllo.scansione()) {
        r.giri = scansione.giriPrimaDellaScelta();
        r.reazioneMs = int(scansione.reazioneMs());
    }
    m_diario.rispondi(m_esercizio, r);
}
