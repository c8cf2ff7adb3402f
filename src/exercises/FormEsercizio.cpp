#include "exercises/FormEsercizio.h"

#include "exercises/EtichettaParlante.h"
#include "input/Evidenziazione.h"
#include "media/AnimationPlayer.h"
#include "media/SpeechEngine.h"
#include "media/Voce.h"
#include "resources/Immagini.h"
#include "resources/Ridimensionatore.h"
#include "resources/Twips.h"
#include "shell/Colori.h"
#include "shell/Generatore.h"
#include "shell/Navigatore.h"
#include "shell/Servizi.h"
#include "shell/StatoProgramma.h"

#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>

#include <algorithm>

using namespace Esercizi;

namespace {

const char *const ProprietaColore = "coloreBGR";
const QString TestoLabel7 = QStringLiteral("Ora scrivi l'operazione");
constexpr int AltezzaClient = 6810;
constexpr int16_t ConteggioMassimo = 32767;
constexpr int ClipPerGruppo = 10;
// The mark of an addend already written at step 4: no button carries it.
constexpr int16_t AddendoUsato = 99;

QFont carattere(const QString &famiglia, double punti, bool grassetto, bool corsivo = false)
{
    QFont f(famiglia);
    f.setPointSizeF(punti);
    f.setBold(grassetto);
    f.setItalic(corsivo);
    return f;
}

void sfondo(QWidget *w, const QColor &colore)
{
    QPalette p = w->palette();
    p.setColor(QPalette::Window, colore);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

int16_t piuUno(int16_t conteggio)
{
    return conteggio < ConteggioMassimo ? int16_t(conteggio + 1) : conteggio;
}

}

FormEsercizio::FormEsercizio(Servizi &servizi, int numero, QWidget *parent)
    : Schermata(servizi, parent)
    , m_descrizione(Esercizi::descrizione(numero))
    , m_addizione(m_descrizione.famiglia == Catalogo::Famiglia::Addizione)
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

    creaControlli();
    m_camminatore = std::make_unique<CamminatoreScelte>(
        QVector<QWidget *>(m_command1.begin(), m_command1.end()),
        QVector<QWidget *>(m_command2.begin(), m_command2.end()), servizi.stato.SceltaCorrente,
        [this] { return Colori::daBGR(coloreScansione()); });
    m_camminatore->impostaPittore(
        [this](QWidget *bottone, const QColor &colore) { dipingi(bottone, Colori::aBGR(colore)); });
    creaBarraStato();

    // The window takes the designed size first, so that the layout leaves the
    // client area at the size the controls were placed for.
    resize(progetto.width(), progetto.height() + barraMenu->sizeHint().height());
    m_ridimensionatore = std::make_unique<Ridimensionatore>(m_client);
    m_ridimensionatore->registra(progetto);
    m_client->installEventFilter(this);

    m_input = new ControlloreInput(this, *this, TipoSchermata::Esercizio, servizi.stato);
}

FormEsercizio::~FormEsercizio() = default;

void FormEsercizio::creaControlli()
{
    const QColor bianco(Qt::white);
    m_picture1 = new QWidget(m_client);
    m_picture1->setObjectName(QStringLiteral("Picture1"));
    m_picture1->setAccessibleName(QStringLiteral("scena"));
    m_picture1->setGeometry(Twips::rect(120, 120, 5535, 5295));
    sfondo(m_picture1, Colori::daBGR(m_descrizione.sfondo));
    m_picture1->hide();
    if (servizi().creaLettore)
        m_lettore = servizi().creaLettore(m_picture1);
    if (m_lettore) {
        m_lettore->setObjectName(QStringLiteral("ShockwaveFlash1"));
        m_lettore->setGeometry(Twips::rect(1080, 1200, 2655, 3255));
    }

    static const int cime[8] = {240, 840, 1440, 2040, 2640, 3240, 4080, 4680};
    for (int n = 1; n <= 8; ++n) {
        auto *etichetta = new EtichettaParlante(m_client);
        etichetta->setObjectName(QStringLiteral("Label%1").arg(n));
        const int altezza = n == 7 ? 375 : 495;
        etichetta->setGeometry(Twips::rect(m_descrizione.sinistraEtichette,
                                           cime[n - 1] + m_descrizione.abbassaEtichette, 4455, altezza));
        etichetta->setWordWrap(true);
        etichetta->setFocusPolicy(Qt::NoFocus);
        sfondo(etichetta, bianco);
        if (n == 7) {
            etichetta->setFont(carattere(QStringLiteral("Verdana"), 12, true, true));
            QPalette p = etichetta->palette();
            p.setColor(QPalette::WindowText, QColor(128, 0, 0));
            etichetta->setPalette(p);
            etichetta->setText(TestoLabel7);
            etichetta->hide();
        } else if (n == 8) {
            etichetta->setFont(carattere(QStringLiteral("Verdana"), 15.75, true));
            etichetta->setAccessibleDescription(QStringLiteral("l'operazione: clicca per ascoltarla"));
        } else {
            etichetta->setFont(carattere(QStringLiteral("Verdana"), 9.75, n % 2 == 0, n % 2 == 1));
            etichetta->setAccessibleDescription(QStringLiteral("clicca per ascoltare"));
        }
        if (n != 7)
            connect(etichetta, &EtichettaParlante::clicked, this, [this, n] { Label_Click(n); });
        m_label[n] = etichetta;
    }
    m_label[1]->setCursor(Immagini::puntatore(Puntatore::FacciaMusica));

    const QFont numeri = carattere(QStringLiteral("Verdana"), 15.75, true);
    for (int i = 0; i <= 10; ++i) {
        auto *bottone = new QPushButton(QString::number(i), m_client);
        bottone->setObjectName(QStringLiteral("Command1_%1").arg(i));
        bottone->setAccessibleName(QString::number(i));
        bottone->setGeometry(Twips::rect(120 + 840 * i, 5640, 615, 615));
        bottone->setFont(numeri);
        bottone->setFocusPolicy(Qt::NoFocus);
        connect(bottone, &QPushButton::clicked, this, [this, i] { Command1_Click(i); });
        m_command1[i] = bottone;
        dipingi(bottone, Colori::Neutro);
    }

    static const int sinistre[3] = {3240, 4560, 5760};
    static const char *const segni[3] = {"+", "-", "="};
    static const char *const nomiSegni[3] = {"più", "meno", "uguale"};
    const QFont fontSegni = carattere(QStringLiteral("Verdana"), 18, true);
    for (int i = 0; i < 3; ++i) {
        auto *bottone = new QPushButton(QString::fromLatin1(segni[i]), m_client);
        bottone->setObjectName(QStringLiteral("Command2_%1").arg(i));
        bottone->setAccessibleName(QString::fromUtf8(nomiSegni[i]));
        bottone->setGeometry(Twips::rect(sinistre[i], 5640, 615, 615));
        bottone->setFont(fontSegni);
        bottone->setFocusPolicy(Qt::NoFocus);
        connect(bottone, &QPushButton::clicked, this, [this, i] { Command2_Click(i); });
        m_command2[i] = bottone;
        dipingi(bottone, Colori::Neutro);
        bottone->hide();
    }

    m_command3 = new QPushButton(QStringLiteral("avanti"), m_client);
    m_command3->setObjectName(QStringLiteral("Command3"));
    m_command3->setAccessibleName(QStringLiteral("avanti"));
    m_command3->setGeometry(Twips::rect(9240, 5640, 1215, 615));
    m_command3->setFont(carattere(QStringLiteral("Arial"), 14.25, true));
    m_command3->setIcon(Immagini::icona(Immagine::FrecciaAvanti));
    m_command3->setFocusPolicy(Qt::NoFocus);
    connect(m_command3, &QPushButton::clicked, this, &FormEsercizio::Command3_Click);
    dipingi(m_command3, Colori::Neutro);
    m_command3->hide();
}

void FormEsercizio::creaBarraStato()
{
    auto *barra = new QStatusBar(m_client);
    barra->setObjectName(QStringLiteral("StatusBar1"));
    barra->setSizeGripEnabled(false);
    barra->setGeometry(Twips::rect(0, 6315, m_descrizione.larghezza, 495));
    barra->setFont(carattere(QStringLiteral("Arial"), 12, true));
    sfondo(barra, QColor(240, 240, 240));

    struct Pannello { Immagine figura; QSize dimensione; const char *testo; };
    const Pannello pannelli[3] = {
        {Immagine::FacciaEsatti, {40, 26}, "Esatti  0"},
        {Immagine::FacciaErrati, {30, 26}, "Errati  0"},
        {Immagine::FrecciaVerde, {52, 26}, "Avanti"},
    };
    for (int n = 1; n <= 3; ++n) {
        const Pannello &p = pannelli[n - 1];
        auto *contenitore = new QWidget(barra);
        auto *riga = new QHBoxLayout(contenitore);
        riga->setContentsMargins(4, 0, 4, 0);
        auto *figura = new QLabel(contenitore);
        // The faces move while they are shown, as the status bar's pictures always did.
        figura->setMinimumSize(p.dimensione);
        Immagini::mostra(figura, p.figura);
        auto *testo = new QLabel(QString::fromLatin1(p.testo), contenitore);
        testo->setObjectName(QStringLiteral("Pannello%1").arg(n));
        riga->addWidget(figura);
        riga->addWidget(testo, 1);
        barra->addWidget(contenitore, 1);
        m_pannello[n] = testo;
    }
}

FormEsercizio *FormEsercizio::avviaLivelloMisto(Servizi &servizi, Schermata *menu, int primo)
{
    const int addizione = primo <= 7 ? 6 : 8;
    auto *a = new FormEsercizio(servizi, addizione);
    auto *s = new FormEsercizio(servizi, addizione + 1);
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

uint32_t FormEsercizio::colore(const QWidget *bottone)
{
    return bottone ? bottone->property(ProprietaColore).toUInt() : 0;
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
    m_numeroScene = int16_t(Catalogo::numeroScene(m_descrizione.famiglia));
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
        for (QPushButton *b : m_command1)
            b->setCursor(sistema);
        for (QPushButton *b : m_command2)
            b->setCursor(sistema);
        m_command3->setCursor(sistema);
    }
    for (int n : {2, 3, 4, 5, 6, 8})
        m_label[n]->setCursor(m_label[1]->cursor());
    m_input->prepara();
}

void FormEsercizio::AzzeraConteggio()
{
    StatoProgramma &stato = servizi().stato;
    stato.Esatti = 0;
    m_pannello[1]->setText(QStringLiteral("Esatti  0"));
    stato.Errati = 0;
    m_pannello[2]->setText(QStringLiteral("Errati  0"));
}

void FormEsercizio::GeneraEsercizio()
{
    const unsigned esercizio = ++m_esercizio;
    QPointer<FormEsercizio> io(this);
    StatoProgramma &stato = servizi().stato;
    Generatore &rnd = servizi().casuale;

    for (QPushButton *b : m_command1) {
        b->show();
        dipingi(b, Colori::Neutro);
    }
    for (int n : {1, 2, 3, 4, 5, 6, 8})
        m_label[n]->clear();
    m_label[7]->hide();
    // No step until the first question is asked: a choice made while it is
    // being read must not be taken as an answer to the previous exercise's
    // last step (that finished the new exercise with an operation like « 5»).
    m_passoCorrente = 0;

    m_totale = int16_t(rnd.Int(9) + 2);
    stato.Casuale = int16_t(rnd.Int(3));
    m_parte = int16_t(rnd.Int(m_totale + 1));
    m_resto = int16_t(m_totale - m_parte);
    if (stato.Casuale != 0) {
        while (m_resto == 0 || m_parte == 0) {
            m_parte = int16_t(rnd.Int(m_totale + 1));
            m_resto = int16_t(m_totale - m_parte);
        }
    }
    do {
        m_scena = int16_t(rnd.Int(m_numeroScene) + 1);
    } while (m_scena == m_scenaPrecedente && m_numeroScene > 1);

    if (m_lettore)
        m_lettore->Movie(QStringLiteral("%1/scenes/%2%3.svg")
                             .arg(servizi().cartellaProgramma, m_addizione ? QStringLiteral("a") : QStringLiteral("b"))
                             .arg(m_scena));
    // The player takes the new file in one turn of the message loop.
    QCoreApplication::processEvents();
    if (!proseguibile(io, esercizio))
        return;
    if (m_lettore)
        m_lettore->BGColor(m_frasi.frase(m_scena, Catalogo::SlotSottrazione::Colore));

    m_ordineInverso = m_addizione && rnd.Int(2) == 1;
    if (const Sequenza *inizio = sequenza(numero(), m_ordineInverso ? Passo::InizioInverso : Passo::InizioNormale))
        esegui(*inizio);
}

bool FormEsercizio::proseguibile(const QPointer<FormEsercizio> &io, unsigned esercizio)
{
    return io && !io->congedata() && io->m_inTurno && io->m_esercizio == esercizio;
}

bool FormEsercizio::esegui(const Sequenza &azioni)
{
    QPointer<FormEsercizio> io(this);
    const unsigned esercizio = m_esercizio;
    Servizi &servizi = this->servizi();
    for (const Azione &azione : azioni) {
        switch (azione.op) {
        case Op::Scrivi:
            m_label[azione.n]->setText(testoEtichetta(azione.n));
            break;
        case Op::Parla:
            // Speech keeps the message loop turning: anything may have happened since.
            if (!servizi.voce.Parla(m_label[azione.n]->text()) || !proseguibile(io, esercizio))
                return false;
            break;
        case Op::Pausa:
            if (!servizi.attesa.Pausa(azione.secondi) || !proseguibile(io, esercizio))
                return false;
            break;
        case Op::Passo:
            m_passoCorrente = int16_t(azione.n);
            break;
        case Op::PrimoPasso:
            m_passoCorrente = m_ordineInverso ? Passo::PrimoInverso : Passo::Totale;
            break;
        case Op::Ridipingi:
            ridipingiNumeri();
            break;
        case Op::Evidenzia:
            ricominciaEvidenziazione(false);
            break;
        case Op::MostraLabel7:
            m_label[7]->show();
            break;
        case Op::SegnaScena:
            m_scenaPrecedente = m_scena;
            break;
        case Op::Mostra:
        case Op::MostraTenue:
        case Op::Opacita:
        case Op::Gioca:
            azioneClip(azione);
            break;
        }
    }
    return true;
}

QString FormEsercizio::clip(char gruppo, int i) const
{
    return QStringLiteral("_root.%1%2").arg(QLatin1Char(gruppo)).arg(i);
}

void FormEsercizio::azioneClip(const Azione &azione)
{
    if (!m_lettore)
        return;
    // A count is at most 10 while clips are handled; the bound only matters if an
    // answer given during speech has already marked an addend as used (99).
    const int totale = std::min<int>(m_totale, ClipPerGruppo);
    const int parte = std::min<int>(m_parte, ClipPerGruppo);
    const int resto = std::min<int>(m_resto, ClipPerGruppo);
    char gruppo = 'a';
    int da = 1, a = 0;
    switch (azione.clip) {
    case Clip::Agenti: a = parte; break;
    case Clip::Fermi: da = parte + 1; a = totale; break;
    case Clip::Tutti: a = totale; break;
    case Clip::Primo: gruppo = m_ordineInverso ? 'b' : 'a'; a = resto; break;
    case Clip::Secondo: gruppo = m_ordineInverso ? 'a' : 'b'; a = parte; break;
    case Clip::Nessuna: return;
    }
    const QString valore = QString::number(azione.n);
    for (int i = da; i <= a; ++i) {
        const QString nome = clip(gruppo, i);
        switch (azione.op) {
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
    if (!m_addizione) {
        switch (etichetta) {
        case 1: return m_frasi.frase(m_scena, SlotSottrazione::DomandaTotale);
        case 2: return enunciato(m_frasi, m_scena, Quantita::Totale, m_totale);
        case 3: return m_frasi.frase(m_scena, SlotSottrazione::DomandaParte);
        case 4: return enunciato(m_frasi, m_scena, Quantita::Parte, m_parte);
        case 5: return m_frasi.frase(m_scena, SlotSottrazione::DomandaResto);
        case 6: return enunciato(m_frasi, m_scena, Quantita::Resto, m_resto);
        }
        return {};
    }
    const bool inv = m_ordineInverso;
    switch (etichetta) {
    case 1: return m_frasi.frase(m_scena, inv ? SlotAddizione::DomandaB : SlotAddizione::DomandaA);
    case 2: return enunciato(m_frasi, m_scena, inv ? Quantita::GruppoB : Quantita::GruppoA, m_resto);
    case 3: return m_frasi.frase(m_scena, inv ? SlotAddizione::DomandaA : SlotAddizione::DomandaB);
    case 4: return enunciato(m_frasi, m_scena, inv ? Quantita::GruppoA : Quantita::GruppoB, m_parte);
    case 5: return m_frasi.frase(m_scena, SlotAddizione::DomandaIntero);
    case 6: return enunciato(m_frasi, m_scena, Quantita::Intero, m_totale);
    }
    return {};
}

void FormEsercizio::SelezionaScelte()
{
    if (!m_inTurno)
        return;
    if (!m_command3->isHidden()) {
        m_command3->hide();
        GeneraEsercizio();
        return;
    }
    const int passo = m_passoCorrente;
    switch (passo) {
    case Passo::Totale:
    case Passo::Secondo:
    case Passo::Intero:
        passoConteggio(passo);
        break;
    case Passo::PrimoInverso:
    case Passo::SecondoInverso:
        if (m_addizione)
            passoConteggio(passo);
        break;
    case Passo::PrimoTermine:
    case Passo::PrimoSegno:
    case Passo::SecondoTermine:
    case Passo::Uguale:
    case Passo::Risultato:
        passoOperazione(passo);
        break;
    default:
        break;
    }
}

int FormEsercizio::giusta(int passo) const
{
    if (m_addizione) {
        switch (passo) {
        case Passo::Totale: case Passo::PrimoInverso: return m_resto;
        case Passo::Secondo: case Passo::SecondoInverso: return m_parte;
        case Passo::Intero: case Passo::Risultato: return m_totale;
        case Passo::PrimoSegno: return 0;  // "+"
        case Passo::Uguale: return 2;
        }
        return -1;
    }
    switch (passo) {
    case Passo::Totale: case Passo::PrimoTermine: return m_totale;
    case Passo::Secondo: case Passo::SecondoTermine: return m_parte;
    case Passo::Intero: case Passo::Risultato: return m_resto;
    case Passo::PrimoSegno: return 1;  // "-"
    case Passo::Uguale: return 2;
    }
    return -1;
}

bool FormEsercizio::rispostaGiusta(int passo, int scelta) const
{
    if (m_addizione && (passo == Passo::PrimoTermine || passo == Passo::SecondoTermine))
        return scelta == m_resto || scelta == m_parte;
    return scelta == giusta(passo);
}

void FormEsercizio::contaEsatto()
{
    StatoProgramma &stato = servizi().stato;
    stato.Esatti = piuUno(stato.Esatti);
    m_pannello[1]->setText(QStringLiteral("Esatti  %1").arg(stato.Esatti));
}

void FormEsercizio::contaErrato(int passo)
{
    StatoProgramma &stato = servizi().stato;
    stato.Errati = piuUno(stato.Errati);
    m_pannello[2]->setText(QStringLiteral("Errati  %1").arg(stato.Errati));
    servizi().suoni.SuonoNo();
    const int scelta = stato.SceltaCorrente;
    if (passo == Passo::PrimoSegno || passo == Passo::Uguale) {
        if (scelta >= 0 && scelta < 3)
            dipingi(m_command2[scelta], Colori::Sbagliato);
    } else if (scelta >= 0 && scelta <= 10) {
        dipingi(m_command1[scelta], Colori::Sbagliato);
    }
}

void FormEsercizio::passoConteggio(int passo)
{
    if (servizi().stato.SceltaCorrente != giusta(passo)) {
        contaErrato(passo);
        return;
    }
    contaEsatto();
    if (const Sequenza *azioni = sequenza(numero(), passo))
        esegui(*azioni);
}

void FormEsercizio::passoOperazione(int passo)
{
    StatoProgramma &stato = servizi().stato;
    const int scelta = stato.SceltaCorrente;
    if (!rispostaGiusta(passo, scelta)) {
        contaErrato(passo);
        return;
    }
    contaEsatto();
    QLabel *operazione = m_label[8];
    switch (passo) {
    case Passo::PrimoTermine:
        servizi().suoni.SuonoSi();
        operazione->setText(QLatin1Char(' ') + QString::number(scelta));
        mostraNumeri(false);
        mostraSegni(true);
        ridipingiSegni();
        if (m_addizione) {
            if (scelta == m_resto)
                m_resto = AddendoUsato;
            else
                m_parte = AddendoUsato;
        }
        m_passoCorrente = Passo::PrimoSegno;
        ricominciaEvidenziazione(true);
        break;
    case Passo::PrimoSegno:
        servizi().suoni.SuonoSi();
        operazione->setText(operazione->text() + (m_addizione ? QStringLiteral(" + ") : QStringLiteral(" - ")));
        mostraNumeri(true);
        ridipingiNumeri();
        mostraSegni(false);
        m_passoCorrente = Passo::SecondoTermine;
        ricominciaEvidenziazione(false);
        break;
    case Passo::SecondoTermine:
        servizi().suoni.SuonoSi();
        operazione->setText(operazione->text() + QString::number(scelta));
        mostraNumeri(false);
        mostraSegni(true);
        ridipingiSegni();
        m_passoCorrente = Passo::Uguale;
        ricominciaEvidenziazione(true);
        break;
    case Passo::Uguale:
        servizi().suoni.SuonoSi();
        operazione->setText(operazione->text() + QStringLiteral(" = "));
        mostraNumeri(true);
        ridipingiNumeri();
        mostraSegni(false);
        m_passoCorrente = Passo::Risultato;
        ricominciaEvidenziazione(false);
        break;
    case Passo::Risultato: {
        QPointer<FormEsercizio> io(this);
        const unsigned esercizio = m_esercizio;
        operazione->setText(operazione->text() + QString::number(scelta));
        mostraNumeri(false);
        if (m_addizione && m_lettore) {
            for (int i = 1; i <= ClipPerGruppo; ++i) {
                m_lettore->TPlay(clip('a', i));
                m_lettore->TPlay(clip('b', i));
                QCoreApplication::processEvents();
                if (!proseguibile(io, esercizio))
                    return;
            }
        }
        m_command3->show();
        if (!servizi().voce.Parla(operazione->text()) || !proseguibile(io, esercizio))
            return;
        stato.SceltaCorrente = 0;
        if (stato.ModalitaInput != Modalita::Mouse)
            dipingi(m_command3, coloreScansione());
        break;
    }
    }
}

void FormEsercizio::dipingi(QWidget *bottone, uint32_t colore)
{
    if (bottone->property(ProprietaColore).isValid() && FormEsercizio::colore(bottone) == colore)
        return;
    bottone->setProperty(ProprietaColore, colore);
    bottone->setStyleSheet(QStringLiteral("QPushButton { background-color: %1; border: 1px solid #808080; }")
                               .arg(Colori::daBGR(colore).name()));
}

uint32_t FormEsercizio::coloreScansione() const
{
    return Colori::daDouble(servizi().stato.ColoreScansione);
}

void FormEsercizio::ridipingiNumeri()
{
    for (QPushButton *b : m_command1)
        dipingi(b, Colori::Neutro);
}

void FormEsercizio::ridipingiSegni()
{
    for (QPushButton *b : m_command2)
        dipingi(b, Colori::Neutro);
}

void FormEsercizio::mostraNumeri(bool visibili)
{
    for (QPushButton *b : m_command1)
        b->setVisible(visibili);
}

void FormEsercizio::mostraSegni(bool visibili)
{
    for (QPushButton *b : m_command2)
        b->setVisible(visibili);
}

void FormEsercizio::ricominciaEvidenziazione(bool segni)
{
    StatoProgramma &stato = servizi().stato;
    stato.SceltaCorrente = 0;
    if (stato.ModalitaInput == Modalita::Mouse)
        return;
    // A key handled while the step spoke may have moved the highlight after
    // the group was repainted: it must not stay lit beside button 0.
    const uint32_t evidenza = coloreScansione();
    const int quanti = segni ? 3 : 11;
    for (int i = 1; i < quanti; ++i) {
        QWidget *bottone = segni ? static_cast<QWidget *>(m_command2[i]) : m_command1[i];
        if (colore(bottone) == evidenza)
            dipingi(bottone, Colori::Neutro);
    }
    dipingi(segni ? m_command2[0] : m_command1[0], evidenza);
}

// The walkers are the input model's; this screen only says how a button is painted.
void FormEsercizio::ColoraSeguente() { m_camminatore->ColoraSeguente(m_passoCorrente); }
void FormEsercizio::ColoraPrecedente() { m_camminatore->ColoraPrecedente(m_passoCorrente); }

void FormEsercizio::seguente()
{
    if (m_inTurno)
        ColoraSeguente();
}

void FormEsercizio::precedente()
{
    if (m_inTurno)
        ColoraPrecedente();
}

void FormEsercizio::seleziona()
{
    SelezionaScelte();
}

bool FormEsercizio::scansioneSospesa() const
{
    return !m_command3->isHidden();
}

void FormEsercizio::Command1_Click(int indice)
{
    StatoProgramma &stato = servizi().stato;
    if (!m_inTurno || stato.ModalitaInput != Modalita::Mouse)
        return;
    stato.SceltaCorrente = int16_t(indice);
    SelezionaScelte();
}

void FormEsercizio::Command2_Click(int indice)
{
    Command1_Click(indice);
}

void FormEsercizio::Command3_Click()
{
    if (!m_inTurno)
        return;
    m_command3->hide();
    if (m_partner) {
        StatoProgramma &stato = servizi().stato;
        stato.Casuale = int16_t(servizi().casuale.Int(2));
        if (stato.Casuale == m_descrizione.valoreCambio) {
            // The partner keeps its members for its turn; this one does the same.
            m_inTurno = false;
            m_input->sospendi();
            cediA(m_partner, Cessione::Nascondi);
            return;
        }
    }
    GeneraEsercizio();
}

void FormEsercizio::Label_Click(int etichetta)
{
    if (etichetta >= 1 && etichetta <= 8 && etichetta != 7 && m_inTurno)
        servizi().voce.Parla(m_label[etichetta]->text());
}

void FormEsercizio::TornaAlMenu()
{
    QPointer<FormEsercizio> io(this);
    servizi().voce.motore().stop();
    const bool si = servizi().dialoghi.domanda(this, QStringLiteral("Calcolotti"),
                                               QStringLiteral("Vuoi tornare al menù?"));
    if (!si || !io || congedata() || !m_inTurno)
        return;
    if (m_lettore) {
        for (int i = 1; i <= ClipPerGruppo; ++i) {
            m_lettore->TStopPlay(clip('a', i));
            if (m_addizione)
                m_lettore->TStopPlay(clip('b', i));
        }
    }
    lascia();
}

void FormEsercizio::richiestaChiusura()
{
    // The close box leaves like "Esci": a child's stray click must not end the run.
    TornaAlMenu();
}

void FormEsercizio::lascia()
{
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
