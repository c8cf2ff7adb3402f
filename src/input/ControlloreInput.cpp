#include "input/ControlloreInput.h"

#include "core/Colori.h"
#include "core/Fotogramma.h"
#include "core/Registri.h"
#include "core/Schermata.h"
#include "core/Servizi.h"
#include "core/StatoProgramma.h"
#include "core/Tempo.h"
#include "media/SpeechEngine.h"
#include "media/Voce.h"
#include "media/VoceProgramma.h"

#include <QApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QWidget>

#include <algorithm>
#include <utility>

namespace {

using Modo = ModelloScansione::Modo;
using Cosa = ModelloScansione::Cosa;

QString nomeTasto(int tasto)
{
    return QKeySequence(tasto).toString();
}

QString nome(const QWidget *w)
{
    if (!w)
        return QStringLiteral("nothing");
    return w->accessibleName().isEmpty() ? w->objectName() : w->accessibleName();
}

}

ControlloreInput::Occupazione::Occupazione(ControlloreInput *controllo, bool dalPrimo)
    : m_controllo(controllo), m_dalPrimo(dalPrimo)
{
}

ControlloreInput::Occupazione::Occupazione(Occupazione &&altra) noexcept
    : m_controllo(std::exchange(altra.m_controllo, nullptr)), m_dalPrimo(altra.m_dalPrimo)
{
}

ControlloreInput::Occupazione &ControlloreInput::Occupazione::operator=(Occupazione &&altra) noexcept
{
    if (this != &altra) {
        libera();
        m_controllo = std::exchange(altra.m_controllo, nullptr);
        m_dalPrimo = altra.m_dalPrimo;
    }
    return *this;
}

ControlloreInput::Occupazione::~Occupazione()
{
    libera();
}

void ControlloreInput::Occupazione::libera()
{
    // The screen may have gone during the wait that this covered.
    if (ControlloreInput *controllo = m_controllo) {
        m_controllo = nullptr;
        controllo->libera(m_dalPrimo);
    }
}

ControlloreInput::ControlloreInput(QWidget *schermata, BersaglioScansione &bersaglio, TipoSchermata tipo,
                                   Servizi &servizi)
    : QObject(schermata)
    , m_schermata(schermata)
    , m_bersaglio(bersaglio)
    , m_tipo(tipo)
    , m_servizi(servizi)
    , m_tempo(servizi.tempo ? *servizi.tempo : TempoReale::programma())
    , m_sveglia(std::make_unique<Sveglia>(m_tempo))
{
    connect(m_sveglia.get(), &Sveglia::suona, this, [this] {
        if (!m_sospeso)
            applica(m_modello.scadenza(m_tempo.adessoMs()), nullptr, 0);
    });
    m_fineOccupazione = std::make_unique<Sveglia>(m_tempo);
    connect(m_fineOccupazione.get(), &Sveglia::suona, this, [this] { libera(m_fineDalPrimo); });
    m_rilascio = std::make_unique<Sveglia>(m_tempo);
    connect(m_rilascio.get(), &Sveglia::suona, this, &ControlloreInput::completaRilascio);
    qApp->installEventFilter(this);
}

ControlloreInput::~ControlloreInput()
{
    m_decorazioni.togli();
}

Modo ControlloreInput::modo() const
{
    switch (m_modalitaPropria >= 0 ? m_modalitaPropria : m_servizi.stato.ModalitaInput) {
    case Modalita::ScansioneManuale:
        return Modo::Manuale;
    case Modalita::ScansioneAutomatica:
        return Modo::Automatica;
    case Modalita::Frecce:
        return Modo::Frecce;
    default:
        return Modo::Spento;
    }
}

bool ControlloreInput::scansione() const
{
    return modo() != Modo::Spento;
}

void ControlloreInput::prepara()
{
    m_sospeso = false;
    m_occupazioni = 0;
    m_rilascio->ferma();
    m_fineOccupazione->ferma();

    // The screen alone takes focus by click or Tab: a button that held it
    // would press itself on Space, a check box would toggle.
    m_schermata->setFocusPolicy(Qt::StrongFocus);
    const auto figli = m_schermata->findChildren<QWidget *>();
    for (QWidget *figlio : figli) {
        if (!figlio->isWindow())
            figlio->setFocusPolicy(Qt::NoFocus);
    }

    ModelloScansione::Config config;
    config.modo = modo();
    config.menu = m_tipo == TipoSchermata::Menu;
    config.intervalloMs = intervalloScansioneMs(m_servizi.stato);
    config.opzioni = m_servizi.stato.Scansione;
    m_modello.configura(config);
    m_modello.occupa(false, m_tempo.adessoMs());
    m_modello.quieteAlmenoFino(m_servizi.stato.QuieteFinoMs);
    m_scelte.clear();
    if (config.modo == Modo::Spento) {
        spegni();
        m_sveglia->ferma();
        return;
    }
    // The screen starts the scan (ricomincia) once it is shown, and an
    // exercise once its first question has been asked.
}

void ControlloreInput::sospendi()
{
    m_sospeso = true;
    m_occupazioni = 0;
    m_rilascio->ferma();
    m_sveglia->ferma();
    m_fineOccupazione->ferma();
    m_decorazioni.togli();
}

bool ControlloreInput::clicPreso(QWidget *scelta)
{
    if (modo() != Modo::Spento || !inAscolto())
        return false;
    const ModelloScansione::Esito esito = m_modello.clic(m_tempo.adessoMs());
    const bool preso = esito.cosa == Cosa::Scegli;
    m_servizi.stato.QuieteFinoMs = std::max(m_servizi.stato.QuieteFinoMs, m_modello.quieteFino());
    qCDebug(lcInput).noquote() << Registri::momento() << "click" << nome(scelta)
                               << (preso ? QStringLiteral("taken") : QStringLiteral("ignored: ") + esito.motivo);
    return preso;
}

bool ControlloreInput::inAscolto() const
{
    if (m_sospeso || !m_schermata->isVisible())
        return false;
    const auto *schermata = qobject_cast<const Schermata *>(m_schermata);
    return !(schermata && schermata->congedata());
}

void ControlloreInput::ricomincia()
{
    if (m_occupazioni > 0)
        m_attesaDalPrimo = true;
    else
        inizia(true);
}

void ControlloreInput::riprendi()
{
    if (m_occupazioni == 0)
        inizia(false);
}

ControlloreInput::Occupazione ControlloreInput::occupa(bool dalPrimo)
{
    ++m_occupazioni;
    m_modello.occupa(true, m_tempo.adessoMs());
    m_sveglia->ferma();
    return Occupazione(this, dalPrimo);
}

void ControlloreInput::occupaPer(int millisecondi, bool dalPrimo)
{
    if (millisecondi <= 0 && m_occupazioni == 0) {
        inizia(dalPrimo);
        return;
    }
    if (!m_fineOccupazione->attiva()) {
        ++m_occupazioni;
        m_modello.occupa(true, m_tempo.adessoMs());
        m_sveglia->ferma();
        m_fineDalPrimo = dalPrimo;
    } else {
        m_fineDalPrimo = m_fineDalPrimo || dalPrimo;
    }
    const qint64 fine = m_tempo.adessoMs() + std::max(0, millisecondi);
    if (!m_fineOccupazione->attiva() || fine > m_fineOccupazione->istante())
        m_fineOccupazione->punta(fine);
}

void ControlloreInput::libera(bool dalPrimo)
{
    if (m_occupazioni == 0)
        return;
    m_attesaDalPrimo = m_attesaDalPrimo || dalPrimo;
    if (--m_occupazioni > 0)
        return;
    m_modello.occupa(false, m_tempo.adessoMs());
    const bool primo = m_attesaDalPrimo;
    m_attesaDalPrimo = false;
    inizia(primo);
}

void ControlloreInput::inizia(bool dalPrimo)
{
    if (m_sospeso)
        return;
    // Without a scan the choices are ready all the same, for the record's response time.
    m_pronto = m_tempo.adessoMs();
    if (modo() == Modo::Spento)
        return;
    QVector<QWidget *> scelte;
    QVector<int> dimensioni;
    const auto gruppi = m_bersaglio.scelte();
    for (const QVector<QWidget *> &gruppo : gruppi) {
        scelte += gruppo;
        dimensioni << int(gruppo.size());
    }
    if (scelte != m_scelte || dimensioni != m_dimensioni) {
        m_scelte = scelte;
        m_dimensioni = dimensioni;
        m_modello.imposta(dimensioni);
        dalPrimo = true;
    }
    const qint64 ora = m_tempo.adessoMs();
    m_pronto = ora;
    applica(dalPrimo ? m_modello.avvia(ora) : m_modello.riprendi(ora), nullptr, 0);
}

bool ControlloreInput::eventFilter(QObject *oggetto, QEvent *evento)
{
    const QEvent::Type tipo = evento->type();
    if (tipo == QEvent::Hide) {
        if (oggetto->isWidgetType() && static_cast<QWidget *>(oggetto)->hasFocus())
            tieniFuoco(static_cast<QWidget *>(oggetto));
        return false;
    }
    if (tipo != QEvent::KeyPress && tipo != QEvent::KeyRelease && tipo != QEvent::ShortcutOverride)
        return false;
    if (!oggetto->isWidgetType() || static_cast<QWidget *>(oggetto)->window() != m_schermata->window())
        return false;
    if (modo() == Modo::Spento || !inAscolto())
        return false;

    auto *tasto = static_cast<QKeyEvent *>(evento);
    if (tastoDelCuratore(oggetto, tasto))
        return false;
    if (tipo == QEvent::ShortcutOverride) {
        // Claimed, so that no shortcut of the window fires instead.
        tasto->accept();
        return true;
    }
    const int codice = tasto->key();
    if (codice == Qt::Key_F7 || codice == Qt::Key_F8) {
        // The caregiver's speed keys, never a switch.
        if (tipo == QEvent::KeyPress)
            cambiaVelocita(codice == Qt::Key_F7 ? +1 : -1);
        return true;
    }
    if (codice == Qt::Key_F10) {
        if (tipo == QEvent::KeyPress && !tasto->isAutoRepeat())
            apriBarraMenu();
        return true;
    }
    if (tipo == QEvent::KeyPress)
        tastoGiu(codice, tasto->isAutoRepeat());
    else if (!tasto->isAutoRepeat())
        tastoSu(codice);
    return true;
}

void ControlloreInput::tastoGiu(int tasto, bool ripetuto)
{
    if (m_rilascio->attiva()) {
        if (tasto == m_tastoRilasciato) {
            // The key never went up: that release was an auto-repeat.
            m_rilascio->ferma();
            ripetuto = true;
        } else {
            QPointer<ControlloreInput> vivo(this);
            completaRilascio();
            if (!vivo || !inAscolto())
                return;
        }
    }
    applica(m_modello.premi(tasto, m_tempo.adessoMs(), ripetuto), ripetuto ? nullptr : "press", tasto);
}

void ControlloreInput::tastoSu(int tasto)
{
    if (m_rilascio->attiva()) {
        QPointer<ControlloreInput> vivo(this);
        completaRilascio();
        if (!vivo || !inAscolto())
            return;
    }
    m_tastoRilasciato = tasto;
    // The press is timed to when the key went up, not to the end of this wait.
    m_oraRilascio = m_tempo.adessoMs();
    if (m_servizi.attesaRilascioMs <= 0)
        completaRilascio();
    else
        m_rilascio->punta(m_oraRilascio + m_servizi.attesaRilascioMs);
}

void ControlloreInput::completaRilascio()
{
    m_rilascio->ferma();
    if (!inAscolto())
        return;
    applica(m_modello.rilascia(m_tastoRilasciato, m_oraRilascio), "release", m_tastoRilasciato);
}

void ControlloreInput::applica(const ModelloScansione::Esito &esito, const char *evento, int tasto)
{
    // Before the choice runs: it may open a screen that must wait the same pause.
    m_servizi.stato.QuieteFinoMs = std::max(m_servizi.stato.QuieteFinoMs, m_modello.quieteFino());
    if (evento && lcInput().isDebugEnabled()) {
        QString come;
        switch (esito.cosa) {
        case Cosa::Ignora: come = QStringLiteral("ignored: ") + esito.motivo; break;
        case Cosa::Annulla: come = QStringLiteral("let go: ") + esito.motivo; break;
        case Cosa::Nulla: come = QStringLiteral("held"); break;
        default: come = QStringLiteral("taken"); break;
        }
        qCDebug(lcInput).noquote() << Registri::momento() << evento << nomeTasto(tasto) << come;
    }
    switch (esito.cosa) {
    case Cosa::Nulla:
    case Cosa::Ignora:
        break;
    case Cosa::Annulla:
        m_servizi.suoni.SuonoAnnullato();
        break;
    case Cosa::Sposta:
        mostraEvidenza();
        break;
    case Cosa::Spegni:
        qCDebug(lcInput).noquote() << Registri::momento() << "scan rests";
        spegni();
        break;
    case Cosa::Scegli: {
        QWidget *scelta = m_scelte.value(esito.voce);
        qCDebug(lcInput).noquote() << Registri::momento() << "choice" << nome(scelta);
        emit pressionePresa();
        QPointer<ControlloreInput> vivo(this);
        if (scelta)
            m_bersaglio.scegli(scelta);
        if (!vivo)
            return;
        break;
    }
    }
    const qint64 quando = m_modello.prossimaScadenza();
    if (quando == ModelloScansione::Mai || m_sospeso)
        m_sveglia->ferma();
    else
        m_sveglia->punta(quando);
}

void ControlloreInput::mostraEvidenza()
{
    const ModelloScansione::Evidenza evidenza = m_modello.evidenza();
    QVector<QWidget *> nuove;
    if (evidenza.voce >= 0)
        nuove << m_scelte.value(evidenza.voce);
    else if (evidenza.gruppo >= 0)
        for (int i : m_modello.vociDelGruppo(evidenza.gruppo))
            nuove << m_scelte.value(i);
    nuove.removeAll(nullptr);

    for (const QPointer<QWidget> &w : std::as_const(m_gruppoAcceso))
        if (w && !nuove.contains(w.data()))
            m_bersaglio.colora(w, false);
    QVector<QPointer<QWidget>> accese;
    for (QWidget *w : std::as_const(nuove)) {
        // A choice that stays lit keeps its paint: a wrong answer's red shows
        // until the highlight moves on.
        if (!m_gruppoAcceso.contains(w))
            m_bersaglio.colora(w, true);
        Fotogramma::confermaDopoIlFotogramma(w);
        accese << w;
    }
    m_gruppoAcceso = accese;
    m_accesa = nuove.value(0);

    QVector<QWidget *> altre;
    for (QWidget *w : std::as_const(m_scelte))
        if (!nuove.contains(w))
            altre << w;
    const QString parola = parolaDi(evidenza.gruppo, m_accesa, true);
    // Assistive technology follows Qt's focus; the keys still go to the scan.
    // An item takes it before the group's frame hides, a group after its frame shows.
    if (evidenza.gruppo < 0)
        daiFuoco(m_accesa);
    const OpzioniScansione &opzioni = m_servizi.stato.Scansione;
    m_decorazioni.mostra(nuove, evidenza.gruppo >= 0, altre, opzioni,
                         Colori::scansione(m_servizi.stato.ColoreScansione));
    if (QWidget *cornice = evidenza.gruppo >= 0 ? m_decorazioni.corniceGruppo() : nullptr) {
        cornice->setAccessibleName(parolaDi(evidenza.gruppo, m_accesa, false));
        daiFuoco(cornice);
    }
    if (evidenza.gruppo >= 0)
        qCDebug(lcInput).noquote() << Registri::momento() << "highlight group" << parola;
    else
        qCDebug(lcInput).noquote() << Registri::momento() << "highlight" << nome(m_accesa);
    if (opzioni.suono)
        m_servizi.suoni.SuonoPasso();
    if (opzioni.voce)
        dici(parola);
}

void ControlloreInput::spegni()
{
    for (const QPointer<QWidget> &w : std::as_const(m_gruppoAcceso))
        if (w)
            m_bersaglio.colora(w, false);
    m_gruppoAcceso.clear();
    m_accesa = nullptr;
    // The focus stays where it was (a frame that held it hands it on).
    m_decorazioni.togli();
}

QString ControlloreInput::parolaDi(int gruppo, QWidget *voce, bool parlata) const
{
    // What the voice says may differ from what a screen reader reads ("zero", "0").
    auto parola = [parlata](const QWidget *w) {
        const QVariant propria = parlata ? w->property("parola") : QVariant();
        return propria.isValid() ? propria.toString() : w->accessibleName();
    };
    if (gruppo < 0)
        return voce ? parola(voce) : QString();
    const QVector<int> voci = m_modello.vociDelGruppo(gruppo);
    if (voci.isEmpty())
        return {};
    const QString prima = parola(m_scelte.value(voci.first()));
    const QString ultima = parola(m_scelte.value(voci.last()));
    return voci.size() == 2 ? prima + QStringLiteral(" e ") + ultima
                            : QStringLiteral("da ") + prima + QStringLiteral(" a ") + ultima;
}

void ControlloreInput::dici(const QString &parola)
{
    SpeechEngine &motore = m_servizi.voce.motore();
    if (m_motore != &motore) {
        m_motore = &motore;
        connect(&motore, &SpeechEngine::speakingChanged, this, [this](bool parla) {
            if (parla || !m_modello.parolaInCorso())
                return;
            m_modello.parolaFinita(m_tempo.adessoMs());
            applica({}, nullptr, 0);
        });
    }
    // A new move cuts the word still playing.
    motore.stop();
    m_modello.parolaIniziata();
    motore.speak(testoPerLaVoce(parola));
    if (!motore.isSpeaking())
        m_modello.parolaFinita(m_tempo.adessoMs());  // no voice: the step keeps its own length
}

