#include "shell/FormMenu.h"

#include "input/ConfermaScansione.h"
#include "input/Evidenziazione.h"
#include "media/SpeechEngine.h"
#include "media/Voce.h"
#include "media/animation/Distintivi.h"
#include "resources/BottoneColorato.h"
#include "resources/Immagini.h"
#include "shell/RigaAvvisi.h"
#include "core/Bambini.h"
#include "core/Colori.h"
#include "exercises/Descrizioni.h"
#include "core/Generatore.h"
#include "core/Navigatore.h"
#include "core/Servizi.h"
#include "core/StatoProgramma.h"
#include "core/Twips.h"
#include "shell/Percorsi.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>
#include <QDir>
#include <QFileInfo>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPointer>
#include <QVBoxLayout>

namespace {

struct VoceMenu {
    const char *didascalia;
    int sinistraEtichetta, altoEtichetta;
    int sinistraImmagine, altoImmagine;
    Immagine immagine;
    const char *descrizione;  // what the picture shows, for screen readers
};

const VoceMenu Voci[FormMenu::NumeroVoci] = {
    {"Addizione - 1°", 1440, 360, 120, 240, Immagine::MenuUccelli, "uccellini rossi e verdi"},
    {"Addizione - 2°", 1440, 1560, 120, 1440, Immagine::MenuPereMele, "pere e mele"},
    {"Addizione - 3°", 1440, 2760, 120, 2640, Immagine::MenuStelleMarine, "stelle marine"},
    {"Sottrazione - 1°", 1440, 3960, 120, 3840, Immagine::MenuLocomotive, "locomotive a vapore"},
    {"Sottrazione - 2°", 1440, 5160, 120, 5040, Immagine::MenuCandele, "candele"},
    {"Addizione e sottrazione - 1°", 6240, 360, 4920, 240, Immagine::MenuLampadine, "lampadine"},
    {"Addizione e sottrazione - 2°", 6240, 1560, 4920, 1440, Immagine::MenuFoche, "foche con la palla"},
    {"Esci", 6240, 5160, 4920, 5040, Immagine::MenuEsci, "porta aperta con una freccia rossa"},
};

QFont verdana()
{
    QFont carattere(QStringLiteral("Verdana"));
    carattere.setPointSizeF(14.25);
    return carattere;
}

}

FormMenu::FormMenu(Servizi &servizi, QWidget *parent)
    : Schermata(servizi, parent)
    , m_area(new QWidget(this))
    , m_ridimensionatore(m_area)
    , m_controllo(this, *this, TipoSchermata::Menu, servizi)
{
    setObjectName(QStringLiteral("FormMenu"));
    setWindowTitle(QString());
    setAccessibleName(QStringLiteral("Menù di Calcolotti"));
    QPalette tavolozza = palette();
    tavolozza.setColor(QPalette::Window, coloreSfondo());
    setPalette(tavolozza);
    setAutoFillBackground(true);

    // The load: layout first (the resizer records it), then the mode, then the sound box.
    creaMenu();
    creaControlli();
    RigaAvvisi::crea(m_area, servizi.avvisi);
    auto *disposizione = new QVBoxLayout(this);
    disposizione->setContentsMargins(0, 0, 0, 0);
    disposizione->setSpacing(0);
    disposizione->setMenuBar(m_barra);
    disposizione->addWidget(m_area);
    const QSize progetto = Twips::size(9405, 6195);
    m_area->resize(progetto);
    resize(progetto.width(), progetto.height() + m_barra->sizeHint().height());
    m_ridimensionatore.registra();
    m_area->installEventFilter(this);

    ImpostaModalitaInput();
    m_check1->setChecked(servizi.stato.SuoniAttivati);
    Evidenziazione::colora(m_check1, coloreSfondo());
}

void FormMenu::creaMenu()
{
    m_barra = new QMenuBar(this);
    m_barra->setObjectName(QStringLiteral("MenuBar"));
    // The menu bar stays in the window on every desktop, so that a child
    // always finds it in the same place.
    m_barra->setNativeMenuBar(false);

    QMenu *imposta = m_barra->addMenu(QStringLiteral("Impostazioni"));
    imposta->setObjectName(QStringLiteral("mnuImposta"));
    QAction *voce = imposta->addAction(QStringLiteral("Voce"));
    voce->setObjectName(QStringLiteral("mnuVoce"));
    QAction *conf = imposta->addAction(QStringLiteral("Modalità di input"));
    conf->setObjectName(QStringLiteral("mnuConf"));
    QAction *progressi = imposta->addAction(QStringLiteral("Progressi"));
    progressi->setObjectName(QStringLiteral("mnuProgressi"));

    QAction *bambini = imposta->addAction(QStringLiteral("Bambini…"));
    bambini->setObjectName(QStringLiteral("mnuBambini"));

    QMenu *inf = m_barra->addMenu(QStringLiteral("Informazioni"));
    inf->setObjectName(QStringLiteral("mnuInf"));
    QAction *doc = inf->addAction(QStringLiteral("documentazione"));
    doc->setObjectName(QStringLiteral("mnuDoc"));
    QAction *about = inf->addAction(QStringLiteral("about"));
    about->setObjectName(QStringLiteral("mnuabout"));

    auto apri = [this](IdSchermata id) {
        if (!congedata() && servizi().navigatore) {
            m_controllo.sospendi();
            cediA(servizi().navigatore->crea(id));
        }
    };
    connect(voce, &QAction::triggered, this, [apri] { apri(IdSchermata::Voce); });
    connect(conf, &QAction::triggered, this, [apri] { apri(IdSchermata::Configura); });
    connect(progressi, &QAction::triggered, this, [apri] { apri(IdSchermata::Progressi); });
    connect(about, &QAction::triggered, this, [apri] { apri(IdSchermata::Info); });
    connect(bambini, &QAction::triggered, this, [apri] { apri(IdSchermata::Bambini); });

    // With several children: who plays, and the way to another child.
    if (servizi().bambini && servizi().bambini->elenco().size() > 1) {
        QAction *cambia = m_barra->addAction(QStringLiteral("Cambia bambino"));
        cambia->setObjectName(QStringLiteral("mnuCambiaBambino"));
        connect(cambia, &QAction::triggered, this, &FormMenu::cambiaBambino);
        const Bambino chi = servizi().bambini->attuale();
        m_bambino = new BottoneColorato(chi.nome, m_barra);
        m_bambino->setObjectName(QStringLiteral("bambinoAttuale"));
        m_bambino->setAccessibleName(QStringLiteral("Cambia bambino: gioca %1").arg(chi.nome));
        m_bambino->setProperty("parola", QStringLiteral("cambia bambino"));
        m_bambino->setProperty("immagine", chi.immagine);
        connect(m_bambino, &QPushButton::clicked, this, &FormMenu::chiediCambio);
        m_barra->setCornerWidget(m_bambino);
        disegnaBambino();
    }
    connect(doc, &QAction::triggered, this, [this] {
        const QString guida = Percorsi::guida(servizi().cartellaProgramma);
        if (servizi().documenti.ApriDocumento(this, guida))
            return;
        // The adult can still open it by hand, or print it elsewhere.
        servizi().dialoghi.avviso(
            this, QStringLiteral("Calcolotti"),
            QFileInfo(guida).isFile()
                ? QStringLiteral("Su questo computer non c'è un programma che apra la guida. La guida è il file\n%1\n"
                                 "e si apre con un lettore di PDF.").arg(QDir::toNativeSeparators(guida))
                : QStringLiteral("La guida non si trova: dovrebbe essere il file\n%1").arg(QDir::toNativeSeparators(guida)));
    });
}

void FormMenu::creaControlli()
{
    m_area->setObjectName(QStringLiteral("AreaMenu"));
    m_area->setMouseTracking(true);
    for (int i = 0; i < NumeroVoci; ++i) {
        const VoceMenu &voce = Voci[i];
        const QString didascalia = QString::fromUtf8(voce.didascalia);

        // "- 1°" stays with its word: a wide window must not leave it alone on a line.
        auto *etichetta = new QLabel(QString(didascalia).replace(QStringLiteral(" - "), QStringLiteral("\u00A0-\u00A0")), m_area);
        etichetta->setObjectName(QStringLiteral("Label1_%1").arg(i));
        etichetta->setAccessibleName(didascalia);
        etichetta->setFont(verdana());
        etichetta->setWordWrap(true);
        etichetta->setGeometry(Twips::rect(voce.sinistraEtichetta, voce.altoEtichetta, 2775, 855));
        etichetta->setMouseTracking(true);
        Evidenziazione::colora(etichetta, coloreSfondo());
        etichetta->installEventFilter(this);
        m_label1 << etichetta;

        auto *immagine = new QLabel(m_area);
        immagine->setObjectName(QStringLiteral("Image1_%1").arg(i));
        immagine->setAccessibleName(didascalia);
        immagine->setAccessibleDescription(QString::fromUtf8(voce.descrizione));
        const QRect riquadro = Twips::rect(voce.sinistraImmagine, voce.altoImmagine, 1215, 1095);
        immagine->setGeometry(riquadro);
        // Drawn again at every size, so the pictures stay sharp when the window grows.
        Immagini::mostra(immagine, voce.immagine);
        immagine->setMouseTracking(true);
        immagine->installEventFilter(this);
        m_image1 << immagine;
    }
    // The program's hand pointer is defined on caption 0; the preparation
    // hands it on to the others.
    m_label1[0]->setCursor(Immagini::puntatore(Puntatore::Mano));

    m_check1 = new QCheckBox(QStringLiteral("Suoni attivati"), m_area);
    m_check1->setObjectName(QStringLiteral("Check1"));
    m_check1->setAccessibleName(QStringLiteral("Suoni attivati"));
    m_check1->setFont(verdana());
    m_check1->setGeometry(Twips::rect(5400, 4080, 3735, 375));
    m_check1->setCursor(Immagini::puntatore(Puntatore::ChiaveDiViolino));
    m_check1->setMouseTracking(true);
    m_check1->installEventFilter(this);
    Evidenziazione::colora(m_check1, coloreSfondo());
    connect(m_check1, &QCheckBox::toggled, this, &FormMenu::Check1_Click);
}

QColor FormMenu::coloreEvidenza() const
{
    return Colori::scansione(servizi().stato.ColoreScansione);
}

void FormMenu::ImpostaModalitaInput()
{
    const StatoProgramma &stato = servizi().stato;
    const int16_t modo = stato.ModalitaInput;
    if (modo == Modalita::Mouse) {
        if (!stato.DisabilitaMousePersonalizzato) {
            const QCursor mano = m_label1[0]->cursor();
            for (int i = 0; i < NumeroVoci; ++i) {
                m_label1[i]->setCursor(mano);
                m_image1[i]->setCursor(mano);
            }
        } else {
            for (int i = 0; i < NumeroVoci; ++i) {
                m_label1[i]->setCursor(Qt::ArrowCursor);
                m_image1[i]->setCursor(Qt::ArrowCursor);
            }
            m_check1->setCursor(Qt::ArrowCursor);
        }
    } else if (modo >= Modalita::ScansioneManuale && modo <= Modalita::Frecce) {
        for (QLabel *etichetta : std::as_const(m_label1))
            etichetta->setCursor(Qt::ArrowCursor);
        m_check1->setCursor(Qt::ArrowCursor);
    }
    // The scan and the keys, mode by mode (nothing at all for an unknown
    // mode); it lights "Addizione - 1°" first.
    m_controllo.prepara();
}

void FormMenu::Form_Activate()
{
    QPointer<FormMenu> vivo(this);
    SpeechEngine &motore = servizi().voce.motore();
    QCoreApplication::processEvents();
    // A click handled just now may have left the menu already.
    if (!vivo || congedata())
        return;
    motore.selectVoice(servizi().stato.NumeroVoce);
    motore.setRate(servizi().stato.VelocitaVoce);
    // The first item stays lit its full time from when the menu shows.
    if (m_controllo.inAscolto())
        m_controllo.ricomincia();
}

void FormMenu::Check1_Click(bool spuntata)
{
    servizi().stato.SuoniAttivati = spuntata;
}

ConfermaScansione *FormMenu::conferma() const
{
    return m_conferma;
}

int16_t FormMenu::VoceCorrente() const
{
    return int16_t(m_label1.indexOf(qobject_cast<QLabel *>(m_controllo.evidenziata())));
}

QVector<QVector<QWidget *>> FormMenu::scelte() const
{
    QVector<QVector<QWidget *>> colonne(2);
    for (int i = 0; i < NumeroVoci; ++i)
        colonne[i < 5 ? 0 : 1] << m_label1[i];
    // The child's own way to another child, after "Esci".
    if (m_bambino)
        colonne << QVector<QWidget *>{m_bambino};
    return colonne;
}

QWidget *FormMenu::bambino() const
{
    return m_bambino;
}

void FormMenu::colora(QWidget *scelta, bool evidenziata)
{
    if (scelta == m_bambino)
        m_bambino->impostaColore(evidenziata ? coloreEvidenza() : QColor(224, 224, 224));
    else
        Evidenziazione::colora(scelta, evidenziata ? coloreEvidenza() : coloreSfondo());
}

void FormMenu::scegli(QWidget *scelta)
{
    if (scelta && scelta == m_bambino)
        chiediCambio();
    else
        AvviaEsercizi(int16_t(m_label1.indexOf(qobject_cast<QLabel *>(scelta))));
}

void FormMenu::disegnaBambino()
{
    if (!m_bambino)
        return;
    const int lato = std::max(16, QFontMetrics(m_barra->font()).height() * 3 / 2);
    m_bambino->setFont(m_barra->font());
    m_bambino->setIcon(QIcon(Distintivi::disegna(servizi().cartellaProgramma,
                                                 m_bambino->property("immagine").toString(), lato)));
    m_bambino->setIconSize(QSize(lato, lato));
}

void FormMenu::chiediCambio()
{
    if (congedata() || m_uscito || m_conferma)
        return;
    // A switch user is asked first, as for "Esci": an early press must not send
    // the child away.
    if (!m_controllo.scansione()) {
        cambiaBambino();
        return;
    }
    conferma(QStringLiteral("Vuoi cambiare bambino?"), &FormMenu::cambiaBambino);
}

void FormMenu::cambiaBambino()
{
    if (congedata() || m_uscito || !servizi().navigatore)
        return;
    m_controllo.sospendi();
    cediA(servizi().navigatore->crea(IdSchermata::ChiGioca));
}

void FormMenu::AvviaEsercizi(int16_t Scelta)
{
    // A second click or key on the way out must not open a second screen.
    if (congedata() || m_uscito || !servizi().navigatore)
        return;
    Navigatore &navigatore = *servizi().navigatore;
    // The menu waits hidden for its deletion, while the next screen may
    // already speak: its scan must not tick meanwhile.
    if (Scelta >= 0 && Scelta < VoceEsci)
        m_controllo.sospendi();
    switch (Scelta) {
    case 0: case 1: case 2: case 3: case 4: case 5: case 6: {
        const int primo = Esercizi::LivelliDelMenu[Scelta];
        if (Esercizi::descrizione(primo).partner)
            navigatore.avviaLivelloMisto(this, primo);
        else
            cediA(navigatore.creaEsercizio(primo));
        break;
    }
    case VoceEsci:
        // A switch user is asked first: an early press must not end the program.
        if (m_controllo.scansione())
            chiediUscita();
        else
            Esci();
        break;
    default:
        break;
    }
}

void FormMenu::Esci()
{
    m_uscito = true;
    m_controllo.sospendi();
    if (servizi().salvaImpostazioni)
        servizi().salvaImpostazioni(servizi().stato);
    if (servizi().termina)
        servizi().termina();
}

void FormMenu::chiediUscita()
{
    if (m_conferma)
        return;
    conferma(QStringLiteral("Vuoi uscire da Calcolotti?"), &FormMenu::Esci);
}

// The scanned question in the window; "No" takes the scan up again where it was.
void FormMenu::conferma(const QString &domanda, void (FormMenu::*seSi)())
{
    m_controllo.sospendi();
    m_conferma = new ConfermaScansione(this, servizi(), domanda);
    connect(m_conferma, &ConfermaScansione::risposta, this, [this, seSi](bool si) {
        m_conferma->deleteLater();
        m_conferma = nullptr;
        if (congedata() || m_uscito)
            return;
        if (si) {
            (this->*seSi)();
        } else {
            m_controllo.prepara();
            m_controllo.ricomincia();
        }
    });
    m_conferma->apri();
}

void FormMenu::richiestaChiusura()
{
    // The menu is the program's last stop: closing it ends the run, and the
    // settings are kept as "Esci" would keep them.
    if (!m_uscito)
        Esci();
}

void FormMenu::Label1_MouseMove(int indice)
{
    if (servizi().stato.ModalitaInput != Modalita::Mouse || indice < 0 || indice >= NumeroVoci)
        return;
    const QColor evidenza = coloreEvidenza();
    if (Evidenziazione::colore(m_label1[indice]) == evidenza)
        return;
    for (QLabel *etichetta : std::as_const(m_label1))
        Evidenziazione::colora(etichetta, coloreSfondo());
    Evidenziazione::colora(m_label1[indice], evidenza);
}

void FormMenu::Image1_MouseMove(int indice)
{
    Label1_MouseMove(indice);
}

void FormMenu::Check1_MouseMove()
{
    if (servizi().stato.ModalitaInput != Modalita::Mouse)
        return;
    if (Evidenziazione::colore(m_check1) != coloreEvidenza())
        Evidenziazione::colora(m_check1, coloreEvidenza());
}

void FormMenu::Form_MouseMove()
{
    if (servizi().stato.ModalitaInput != Modalita::Mouse)
        return;
    for (QLabel *etichetta : std::as_const(m_label1)) {
        if (Evidenziazione::colore(etichetta) != coloreSfondo())
            Evidenziazione::colora(etichetta, coloreSfondo());
    }
    if (Evidenziazione::colore(m_check1) != coloreSfondo())
        Evidenziazione::colora(m_check1, coloreSfondo());
}

bool FormMenu::eventFilter(QObject *oggetto, QEvent *evento)
{
    if (oggetto == m_area && evento->type() == QEvent::Resize) {
        m_ridimensionatore.ridimensiona();
        disegnaBambino();
        return false;
    }
    if (evento->type() != QEvent::MouseMove && evento->type() != QEvent::MouseButtonRelease)
        return false;
    const bool movimento = evento->type() == QEvent::MouseMove;
    if (oggetto == m_area) {
        // A move that a caption or the check box passed up is not a move over
        // the background.
        const QPoint dove = static_cast<QMouseEvent *>(evento)->position().toPoint();
        if (movimento && !m_area->childAt(dove))
            Form_MouseMove();
        return false;
    }
    if (oggetto == m_check1) {
        if (movimento)
            Check1_MouseMove();
        return false;
    }
    auto *etichetta = qobject_cast<QLabel *>(oggetto);
    int indice = int(m_label1.indexOf(etichetta));
    const bool immagine = indice < 0;
    if (immagine)
        indice = int(m_image1.indexOf(etichetta));
    if (indice < 0)
        return false;
    if (movimento) {
        if (immagine)
            Image1_MouseMove(indice);
        else
            Label1_MouseMove(indice);
        return false;
    }
    auto *rilascio = static_cast<QMouseEvent *>(evento);
    // A click: released over the control it was pressed on.
    if (rilascio->button() == Qt::LeftButton && etichetta->rect().contains(rilascio->position().toPoint()))
        AvviaEsercizi(int16_t(indice));
    return false;
}
