#include "config/Form10.h"

#include "config/AreaCliente.h"
#include "config/TestiConfigurazione.h"
#include "media/Bocca.h"
#include "media/MotoreMuto.h"
#include "resources/Immagini.h"
#include "core/Twips.h"
#include "core/Navigatore.h"
#include "core/Servizi.h"
#include "core/StatoProgramma.h"

#include <QComboBox>
#include <QLabel>
#include <QMenuBar>
#include <QPointer>
#include <QScrollBar>
#include <QToolButton>

namespace {

QFont carattere(const QString &famiglia, double punti, bool grassetto = false)
{
    QFont font(famiglia);
    font.setPointSizeF(punti);
    font.setBold(grassetto);
    return font;
}

constexpr int MinimoVelocita = 70;
constexpr int MassimoVelocita = 200;

const QString Titolo = QStringLiteral("Calcolotti");

}

Form10::Form10(Servizi &servizi, QWidget *parent)
    : Schermata(servizi, parent)
    , m_motore(servizi.creaMotoreVoce ? servizi.creaMotoreVoce() : nullptr)
{
    if (!m_motore)
        m_motore = std::make_unique<MotoreMuto>();

    auto *menu = new QMenuBar(this);
    creaMenu(menu);
    m_cliente = new AreaCliente(this, menu, Twips::size(8820, 5820));
    creaControlli(m_cliente);
    m_cliente->registra();
    resize(m_cliente->dimensioneFinestra());

    StatoProgramma &stato = servizi.stato;
    m_hScroll2->setValue(stato.VelocitaVoce);
    // A hand-edited rate outside the bar's range is brought into it.
    stato.VelocitaVoce = int16_t(m_hScroll2->value());
    mostraVelocita();
}

Form10::~Form10()
{
    // The mouth holds a reference to the engine: it goes first.
    delete m_bocca;
}

void Form10::creaMenu(QMenuBar *menu)
{
    menu->setObjectName(QStringLiteral("MenuBar"));
    QAction *esci = menu->addAction(QStringLiteral("Esci"));
    esci->setObjectName(QStringLiteral("mnuEsci"));
    connect(esci, &QAction::triggered, this, &Form10::BottoneEsci_Click);
}

void Form10::creaControlli(QWidget *cliente)
{
    m_label2 = new QLabel(QStringLiteral("Velocità"), cliente);
    m_label2->setObjectName(QStringLiteral("Label2"));
    m_label2->setFont(carattere(QStringLiteral("Arial"), 14.25));
    m_label2->setGeometry(Twips::rect(4440, 1440, 2415, 375));

    m_hScroll2 = new QScrollBar(Qt::Horizontal, cliente);
    m_hScroll2->setObjectName(QStringLiteral("HScroll2"));
    m_hScroll2->setAccessibleName(QStringLiteral("Velocità della voce"));
    m_hScroll2->setRange(MinimoVelocita, MassimoVelocita);
    // Scroll bars take no focus and read Left as "more" by default; this
    // one is in the tab order, so the arrows must move it the way they point.
    m_hScroll2->setFocusPolicy(Qt::StrongFocus);
    m_hScroll2->setInvertedControls(false);
    m_hScroll2->setSingleStep(1);
    m_hScroll2->setPageStep(10);
    m_hScroll2->setValue(MinimoVelocita);
    m_hScroll2->setGeometry(Twips::rect(4440, 2040, 3615, 375));
    connect(m_hScroll2, &QScrollBar::valueChanged, this, &Form10::HScroll2_Change);

    m_combo1 = new QComboBox(cliente);
    m_combo1->setObjectName(QStringLiteral("Combo1"));
    m_combo1->setAccessibleName(QStringLiteral("Voce"));
    m_combo1->setEditable(false);
    m_combo1->setFont(carattere(QStringLiteral("Verdana"), 12));
    m_combo1->setGeometry(Twips::rect(4440, 3000, 3615, 390));
    connect(m_combo1, &QComboBox::currentIndexChanged, this, &Form10::Combo1_Click);

    m_bocca = new Bocca(*m_motore, cliente);
    m_bocca->setObjectName(QStringLiteral("Bocca"));
    m_bocca->setAccessibleName(QStringLiteral("Bocca: clicca per ascoltare la voce"));
    m_bocca->setGeometry(Twips::rect(1320, 1800, 1695, 1215));
    connect(m_bocca, &Bocca::cliccata, this, &Form10::Bocca_Click);

    // A picture above its caption, as a graphical button shows them.
    m_bottoneEsci = new QToolButton(cliente);
    m_bottoneEsci->setText(QStringLiteral("conferma"));
    m_bottoneEsci->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    m_bottoneEsci->setFocusPolicy(Qt::StrongFocus);
    m_bottoneEsci->setObjectName(QStringLiteral("BottoneEsci"));
    m_bottoneEsci->setAccessibleName(m_bottoneEsci->text());
    m_bottoneEsci->setFont(carattere(QStringLiteral("Arial"), 14.25, true));
    m_bottoneEsci->setIcon(Immagini::icona(Immagine::Conferma));
    m_bottoneEsci->setIconSize(QSize(32, 32));
    m_bottoneEsci->setCursor(Immagini::puntatore(Puntatore::FrecciaBianca));
    m_bottoneEsci->setGeometry(Twips::rect(6000, 4320, 1935, 975));
    connect(m_bottoneEsci, &QToolButton::clicked, this, &Form10::BottoneEsci_Click);

    setTabOrder(m_bottoneEsci, m_hScroll2);
    setTabOrder(m_hScroll2, m_combo1);
    setTabOrder(m_combo1, m_bocca);
}

void Form10::Form_Activate()
{
    const StatoProgramma &stato = servizi().stato;

    // Filled without announcing anything: the selection below is the one that
    // counts. Cleared first so that entry i stays voice i + 1.
    {
        const QSignalBlocker blocco(m_combo1);
        m_combo1->clear();
        const int voci = m_motore->voiceCount();
        for (int numero = 1; numero <= voci; ++numero)
            m_combo1->addItem(m_motore->voiceName(numero));
        m_combo1->setCurrentIndex(-1);
    }

    // With no voices, or a stored number beyond the list, nothing is selected
    // and the stored number is kept.
    const int indice = stato.NumeroVoce - 1;
    QPointer<Form10> io(this);
    if (indice >= 0 && indice < m_combo1->count())
        m_combo1->setCurrentIndex(indice);
    // The refusal message runs a modal loop in which the screen may go away.
    if (!io || congedata())
        return;

    m_motore->stop();
    mostraVelocita();
    m_hScroll2->setValue(stato.VelocitaVoce);
    m_motore->speak(QStringLiteral("Clicca sulla bocca per ascoltare la voce impostata."));
}

void Form10::ImpostaVoce()
{
    const StatoProgramma &stato = servizi().stato;
    m_motore->selectVoice(stato.NumeroVoce);
    m_motore->setRate(stato.VelocitaVoce);
}

void Form10::Combo1_Click(int indice)
{
    if (indice < 0)
        return;
    StatoProgramma &stato = servizi().stato;
    stato.NumeroVoce = int16_t(indice + 1);
    // The second call is not made once the first has failed.
    const bool accettata = m_motore->selectVoice(stato.NumeroVoce) && m_motore->writeAfterVoiceChange(0);
    if (!accettata) {
        servizi().dialoghi.avviso(this, Titolo, QStringLiteral("non posso selezionare questa voce"));
        stato.NumeroVoce = 1;
    }
}

void Form10::HScroll2_Change()
{
    servizi().stato.VelocitaVoce = int16_t(m_hScroll2->value());
    mostraVelocita();
    ImpostaVoce();
}

void Form10::Bocca_Click()
{
    m_motore->stop();
    m_motore->speak(QStringLiteral("Questa e' la voce che hai selezionato"));
}

void Form10::BottoneEsci_Click()
{
    if (servizi().navigatore && !congedata())
        cediA(servizi().navigatore->crea(IdSchermata::Menu));
}

void Form10::mostraVelocita()
{
    m_label2->setText(TestiConfigurazione::testoVelocitaVoce(servizi().stato.VelocitaVoce));
    m_label2->setAccessibleName(m_label2->text());
}
