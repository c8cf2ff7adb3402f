#include "exercises/FormEsercizio.h"

#include "core/Colori.h"
#include "core/Generatore.h"
#include "core/Navigatore.h"
#include "core/Registri.h"
#include "core/Servizi.h"
#include "core/StatoProgramma.h"
#include "core/Twips.h"
#include "exercises/AspettoEsercizio.h"
#include "exercises/EtichettaParlante.h"
#include "input/Evidenziazione.h"
#include "media/AnimationPlayer.h"
#include "media/SpeechEngine.h"
#include "media/Voce.h"
#include "resources/Immagini.h"
#include "resources/Ridimensionatore.h"

#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QMenuBar>
#include "resources/BottoneColorato.h"
#include <QVBoxLayout>

using namespace Esercizi;
using namespace AspettoEsercizio;

namespace {

constexpr int ClipPerGruppo = 10;

}

FormEsercizio::FormEsercizio(Servizi &servizi, int numero, QWidget *parent)
    : Schermata(servizi, parent)
    , m_descrizione(Esercizi::descrizione(numero))
    , m_modello(m_descrizione.famiglia, servizi.casuale, servizi.stato)
{
    setObjectName(QStringLiteral("Form%1").arg(m_descrizione.numero));
    setWindowIcon(Immagini::iconaProgramma());

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto *barraMenu = new QMenuBar(this);
    barraMenu->setNativeMenuBar(false);
    m_mnuAzzera = barraMenu->addAction(QStringLiteral("Azzera conteggio"));
    m_mnuAzzera->setObjectName(QStringLiteral("mnuAzzera"));
    m_mnuEsci = barraMenu->addAction(QStringLiteral("Esci"));
    m_mnuEsci->setObjectName(QStringLiteral("mnuEsci"));
    connect(m_mnuAzzera, &QAction::triggered, this, &FormEsercizio::AzzeraConteggio);
    connect(m_mnuEsci, &QAction::triggered, this, &FormEsercizio::TornaAlMenu);
    layout->setMenuBar(barraMenu);

    const QSize progetto = Twips::size(m_descrizione.larghezza, AltezzaClient);
    m_client = new QWidget(this);
    m_client->setObjectName(QStringLiteral("client"));
    sfondo(m_client, Colori::daBGR(m_descrizione.sfondo));
    m_client->resize(progetto);
    layout->addWidget(m_client);

    setAccessibleName(QStringLiteral("Calcolotti – ") + QString::fromUtf8(m_descrizione.nomeLivello));
    creaControlli();
    creaBarraStato();

    // The window takes the designed size first, so that the layout leaves the
    // client area at the size the controls were placed for.
    resize(progetto.width(), progetto.height() + barraMenu->sizeHint().height());
    m_ridimensionatore = std::make_unique<Ridimensionatore>(m_client);
    m_ridimensionatore->registra(progetto);
    m_client->installEventFilter(this);

    m_input = new ControlloreInput(this, *this, TipoSchermata::Esercizio, servizi);
}

FormEsercizio::~FormEsercizio() = default;

FormEsercizio *FormEsercizio::avviaLivelloMisto(Servizi &servizi, Schermata *menu, int primo)
{
    const int addizione = primo <= 7 ? 6 : 8;
    // Through the factory when there is one: it is what attaches the record.
    auto crea = [&servizi](int numero) {
        return servizi.navigatore ? static_cast<FormEsercizio *>(servizi.navigatore->creaEsercizio(numero))
                                  : new FormEsercizio(servizi, numero);
    };
    auto *a = crea(addizione);
    auto *s = crea(addizione + 1);
    a->m_partner = s;
    s->m_partner = a;
    servizi.stato.Casuale = int16_t(servizi.casuale.Int(2));
    FormEsercizio *mostrata = servizi.stato.Casuale == 1 ? s : a;
    if (menu)
        menu->cediA(mostrata);
    else
        mostrata->show();
    return mostrata;
}

QString FormEsercizio::testoPannello(int pannello) const
{
    return pannello >= 1 && pannello <= 3 ? m_pannello[pannello]->text() : QString();
}

bool FormEsercizio::eventFilter(QObject *oggetto, QEvent *evento)
{
    if (oggetto == m_client && evento->type() == QEvent::Resize) {
        m_ridimensionatore->ridimensiona();
        // The player fills its frame once the screen has been activated.
        if (m_lettore && m_lettoreAttivato)
            m_lettore->setGeometry(QRect(QPoint(0, 0), m_picture1->size()));
    }
    return Schermata::eventFilter(oggetto, evento);
}

void FormEsercizio::Form_Activate()
{
    m_inTurno = true;
    if (m_lettore) {
        m_lettore->setGeometry(QRect(QPoint(0, 0), m_picture1->size()));
        m_lettoreAttivato = true;
    }
    ImpostaModalitaInput();
    AzzeraConteggio();
    Catalogo::LeggiFrasi(m_descrizione.famiglia, m_frasi);
    m_picture1->show();
    GeneraEsercizio();
}

void FormEsercizio::ImpostaModalitaInput()
{
    StatoProgramma &stato = servizi().stato;
    stato.SceltaCorrente = 0;
    const QCursor sistema(Qt::ArrowCursor);
    const int modo = stato.ModalitaInput;
    if (modo == Modalita::Mouse) {
        const bool propri = !stato.DisabilitaMousePersonalizzato;
        for (int i = 0; i <= 10; ++i)
            m_command1[i]->setCursor(propri ? Immagini::puntatoreNumero(i) : sistema);
        static const Puntatore segni[3] = {Puntatore::Piu, Puntatore::Meno, Puntatore::Uguale};
        for (int i = 0; i < 3; ++i)
            m_command2[i]->setCursor(propri ? Immagini::puntatore(segni[i]) : sistema);
        m_command3->setCursor(propri ? Immagini::puntatore(Puntatore::FrecciaGrigia) : sistema);
        m_label[1]->setCursor(propri ? Immagini::puntatore(Puntatore::FacciaMusica) : sistema);
    } else if (modo >= Modalita::ScansioneManuale && modo <= Modalita::Frecce) {
        for (BottoneColorato *b : m_command1)
            b->setCursor(sistema);
        for (BottoneColorato *b : m_command2)
            b->setCursor(sistema);
        m_command3->setCursor(sistema);
    }
    for (int n : {2, 3, 4, 5, 6, 8})
        m_label[n]->setCursor(m_label[1]->cursor());
    m_input->prepara();
}

void FormEsercizio::AzzeraConteggio()
{
    m_modello.azzeraPunteggio();
    mostraPunteggio();
}

void FormEsercizio::mostraPunteggio()
{
    const StatoProgramma &stato = servizi().stato;
    m_pannello[1]->setText(QStringLiteral("Esatti  %1").arg(stato.Esatti));
    m_pannello[2]->setText(QStringLiteral("Errati  %1").arg(stato.Errati));
}

void FormEsercizio::GeneraEsercizio()
{
    const unsigned esercizio = ++m_esercizio;
    QPointer<FormEsercizio> io(this);
    // The first choice is lit once the first question has been asked.
    const auto occupato = m_input->occupa();

    for (BottoneColorato *b : m_command1) {
        b->show();
        dipingi(b, Colori::Neutro);
    }
    for (int n : {1, 2, 3, 4, 5, 6, 8})
        m_label[n]->clear();
    m_label[7]->hide();
    // No step holds until the first question is asked: a choice made while it
    // is read must not answer the previous exercise's last step.
    m_modello.genera();
    emit esercizioIniziato();
    qCDebug(lcEsercizio).noquote() << Registri::momento() << objectName() << "exercise scene" << m_modello.Scena()
                                   << "total" << m_modello.Totale() << "part" << m_modello.Parte() << "rest"
                                   << m_modello.Resto() << (m_modello.ordineInverso() ? "reversed" : "");

    if (m_lettore)
        m_lettore->Movie(QStringLiteral("%1/scenes/%2%3.svg")
                             .arg(servizi().cartellaProgramma,
                                  m_modello.addizione() ? QStringLiteral("a") : QStringLiteral("b"))
                             .arg(m_modello.Scena()));
    // The player takes the new file in one turn of the message loop.
    QCoreApplication::processEvents();
    if (!proseguibile(io, esercizio))
        return;
    if (m_lettore)
        m_lettore->BGColor(m_frasi.frase(m_modello.Scena(), Catalogo::SlotSottrazione::Colore));

    const int inizio = m_modello.ordineInverso() ? Passo::InizioInverso : Passo::InizioNormale;
    if (const Sequenza *istruzioni = sequenza(numero(), inizio))
        esegui(*istruzioni);
}

bool FormEsercizio::proseguibile(const QPointer<FormEsercizio> &io, unsigned esercizio)
{
    return io && !io->congedata() && io->m_inTurno && io->m_esercizio == esercizio;
}

bool FormEsercizio::esegui(const Sequenza &istruzioni)
{
    QPointer<FormEsercizio> io(this);
    const unsigned esercizio = m_esercizio;
    Servizi &servizi = this->servizi();
    for (const Istruzione &istruzione : istruzioni) {
        switch (istruzione.op) {
        case Op::Scrivi:
            m_label[istruzione.n]->setText(testoEtichetta(istruzione.n));
            break;
        case Op::Parla:
            // Speech keeps the message loop turning: anything may have happened since.
            if (!servizi.voce.Parla(m_label[istruzione.n]->text()) || !proseguibile(io, esercizio))
                return false;
            break;
        case Op::Pausa:
            if (!servizi.attesa.Pausa(istruzione.secondi) || !proseguibile(io, esercizio))
                return false;
            break;
        case Op::Passo:
            m_modello.vaiAlPasso(istruzione.n);
            qCDebug(lcEsercizio).noquote() << Registri::momento() << objectName() << "step" << istruzione.n;
            break;
        case Op::PrimoPasso:
            m_modello.primoPasso();
            qCDebug(lcEsercizio).noquote() << Registri::momento() << objectName() << "step"
                                           << m_modello.PassoCorrente();
            break;
        case Op::Ridipingi:
            ridipingi(Gruppo::Numeri);
            break;
        case Op::Evidenzia:
            ricominciaEvidenziazione();
            break;
        case Op::MostraLabel7:
            m_label[7]->show();
            break;
        case Op::SegnaScena:
            m_modello.segnaScena();
            break;
        case Op::Mostra:
        case Op::MostraTenue:
        case Op::Opacita:
        case Op::Gioca:
            azioneClip(istruzione);
            break;
        }
    }
    return true;
}

QString FormEsercizio::clip(char gruppo, int i)
{
    return QStringLiteral("_root.%1%2").arg(QLatin1Char(gruppo)).arg(i);
}

void FormEsercizio::azioneClip(const Istruzione &istruzione)
{
    if (!m_lettore)
        return;
    const int parte = m_modello.Parte();
    char gruppo = 'a';
    int da = 1, a = 0;
    switch (istruzione.clip) {
    case Clip::Agenti: a = parte; break;
    case Clip::Fermi: da = parte + 1; a = m_modello.Totale(); break;
    case Clip::Tutti: a = m_modello.Totale(); break;
    case Clip::Primo: gruppo = m_modello.ordineInverso() ? 'b' : 'a'; a = m_modello.Resto(); break;
    case Clip::Secondo: gruppo = m_modello.ordineInverso() ? 'a' : 'b'; a = parte; break;
    case Clip::Nessuna: return;
    }
    const QString valore = QString::number(istruzione.n);
    for (int i = da; i <= std::min(a, ClipPerGruppo); ++i) {
        const QString nome = clip(gruppo, i);
        switch (istruzione.op) {
        case Op::Mostra:
            m_lettore->TSetProperty(nome, AnimationPlayer::ProprietaVisibilita, QStringLiteral("1"));
            m_lettore->TStopPlay(nome);
            break;
        case Op::MostraTenue:
            m_lettore->TSetProperty(nome, AnimationPlayer::ProprietaVisibilita, QStringLiteral("1"));
            m_lettore->TSetProperty(nome, AnimationPlayer::ProprietaOpacita, valore);
            m_lettore->TStopPlay(nome);
            break;
        case Op::Opacita:
            m_lettore->TSetProperty(nome, AnimationPlayer::ProprietaOpacita, valore);
            break;
        case Op::Gioca:
            m_lettore->TPlay(nome);
            break;
        default:
            break;
        }
    }
}

QString FormEsercizio::testoEtichetta(int etichetta) const
{
    using namespace Catalogo;
    if (etichetta == 7)
        return TestoLabel7;
    const int scena = m_modello.Scena();
    if (!m_modello.addizione()) {
        switch (etichetta) {
        case 1: return m_frasi.frase(scena, SlotSottrazione::DomandaTotale);
        case 2: return enunciato(m_frasi, scena, Quantita::Totale, m_modello.Totale());
        case 3: return m_frasi.frase(scena, SlotSottrazione::DomandaParte);
        case 4: return enunciato(m_frasi, scena, Quantita::Parte, m_modello.Parte());
        case 5: return m_frasi.frase(scena, SlotSottrazione::DomandaResto);
        case 6: return enunciato(m_frasi, scena, Quantita::Resto, m_modello.Resto());
        }
        return {};
    }
    const bool inv = m_modello.ordineInverso();
    switch (etichetta) {
    case 1: return m_frasi.frase(scena, inv ? SlotAddizione::DomandaB : SlotAddizione::DomandaA);
    case 2: return enunciato(m_frasi, scena, inv ? Quantita::GruppoB : Quantita::GruppoA, m_modello.Resto());
    case 3: return m_frasi.frase(scena, inv ? SlotAddizione::DomandaA : SlotAddizione::DomandaB);
    case 4: return enunciato(m_frasi, scena, inv ? Quantita::GruppoA : Quantita::GruppoB, m_modello.Parte());
    case 5: return m_frasi.frase(scena, SlotAddizione::DomandaIntero);
    case 6: return enunciato(m_frasi, scena, Quantita::Intero, m_modello.Totale());
    }
    return {};
}

void FormEsercizio::SelezionaScelte()
{
    if (!m_inTurno)
        return;
    if (!m_command3->isHidden()) {
        m_command3->hide();
        avanti();
        return;
    }
    const int passo = m_modello.PassoCorrente();
    const int scelta = servizi().stato.SceltaCorrente;
    const Esercizio::Esito esito = m_modello.scegli(scelta);
    if (esito == Esercizio::Esito::Ignorata)
        return;
    emit risposta(passo, scelta, esito == Esercizio::Esito::Giusta);
    qCDebug(lcEsercizio).noquote() << Registri::momento() << objectName() << "step" << passo << "answer" << scelta
                                   << (esito == Esercizio::Esito::Giusta ? "right" : "wrong") << "score"
                                   << servizi().stato.Esatti << servizi().stato.Errati;
    if (esito == Esercizio::Esito::Sbagliata) {
        segnaErrore(passo, scelta);
        return;
    }
    mostraPunteggio();
    if (const Sequenza *istruzioni = sequenza(numero(), passo)) {
        const auto occupato = m_input->occupa();
        esegui(*istruzioni);
    } else {
        passoOperazione(passo);
    }
}

void FormEsercizio::segnaErrore(int passo, int scelta)
{
    mostraPunteggio();
    servizi().suoni.SuonoNo();
    // The scan waits for the error sound, then goes on from the chosen button.
    m_input->occupaPer(servizi().suoni.durataUltimoMs(), false);
    if (gruppoDelPasso(passo) == Gruppo::Segni) {
        if (scelta >= 0 && scelta < int(m_command2.size()))
            dipingiSbagliato(m_command2[scelta]);
    } else if (scelta >= 0 && scelta < int(m_command1.size())) {
        dipingiSbagliato(m_command1[scelta]);
    }
}

// A right answer in the written operation; the model has already moved on.
void FormEsercizio::passoOperazione(int passo)
{
    QLabel *operazione = m_label[8];
    if (passo != Passo::Risultato) {
        servizi().suoni.SuonoSi();
        m_input->occupaPer(servizi().suoni.durataUltimoMs(), true);
        operazione->setText(m_modello.operazione());
        const Gruppo prossimo = m_modello.gruppo();
        mostraGruppo(prossimo);
        ridipingi(prossimo);
        ricominciaEvidenziazione();
        return;
    }
    QPointer<FormEsercizio> io(this);
    const unsigned esercizio = m_esercizio;
    const auto occupato = m_input->occupa();
    operazione->setText(m_modello.operazione());
    mostraGruppo(Gruppo::Nessuno);
    if (m_modello.addizione() && m_lettore) {
        for (int i = 1; i <= ClipPerGruppo; ++i) {
            m_lettore->TPlay(clip('a', i));
            m_lettore->TPlay(clip('b', i));
            QCoreApplication::processEvents();
            if (!proseguibile(io, esercizio))
                return;
        }
    }
    m_command3->show();
    emit esercizioFinito();
    if (!servizi().voce.Parla(operazione->text()) || !proseguibile(io, esercizio))
        return;
    ricominciaEvidenziazione();
}

void FormEsercizio::ridipingi(Gruppo gruppo)
{
    if (gruppo == Gruppo::Numeri)
        for (BottoneColorato *b : m_command1)
            dipingi(b, Colori::Neutro);
    else if (gruppo == Gruppo::Segni)
        for (BottoneColorato *b : m_command2)
            dipingi(b, Colori::Neutro);
}

void FormEsercizio::mostraGruppo(Gruppo gruppo)
{
    // The new group shows first, so that a chosen button that hides hands the
    // focus to it.
    for (BottoneColorato *b : m_command1)
        if (gruppo == Gruppo::Numeri)
            b->show();
    for (BottoneColorato *b : m_command2)
        b->setVisible(gruppo == Gruppo::Segni);
    for (BottoneColorato *b : m_command1)
        if (gruppo != Gruppo::Numeri)
            b->hide();
}

void FormEsercizio::avanti()
{
    if (m_partner && m_modello.turnoAlPartner(m_descrizione.valoreCambio)) {
        // The partner keeps its members for its turn; this one does the same.
        m_inTurno = false;
        m_input->sospendi();
        cediA(m_partner, Cessione::Nascondi);
        return;
    }
    GeneraEsercizio();
}

void FormEsercizio::TornaAlMenu()
{
    QPointer<FormEsercizio> io(this);
    servizi().voce.motore().stop();
    const bool si = servizi().dialoghi.domanda(this, QStringLiteral("Calcolotti"),
                                               QStringLiteral("Vuoi tornare al menù?"));
    if (!si || !io || congedata() || !m_inTurno)
        return;
    lascia();
}

void FormEsercizio::richiestaChiusura()
{
    // The close box leaves like "Esci": a child's stray click must not end the run.
    TornaAlMenu();
}

void FormEsercizio::fermaClip()
{
    if (!m_lettore)
        return;
    for (int i = 1; i <= ClipPerGruppo; ++i) {
        m_lettore->TStopPlay(clip('a', i));
        if (m_modello.addizione())
            m_lettore->TStopPlay(clip('b', i));
    }
}

void FormEsercizio::lascia()
{
    fermaClip();
    m_inTurno = false;
    m_input->sospendi();
    // Nobody can reach the hidden partner once the level is left.
    if (FormEsercizio *partner = m_partner) {
        m_partner = nullptr;
        partner->m_partner = nullptr;
        partner->m_inTurno = false;
        partner->m_input->sospendi();
        partner->deleteLater();
    }
    Schermata *menu = servizi().navigatore ? servizi().navigatore->crea(IdSchermata::Menu) : nullptr;
    if (menu) {
        cediA(menu);
    } else {
        hide();
        deleteLater();
    }
}
