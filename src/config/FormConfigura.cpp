#include "config/FormConfigura.h"

#include "config/AreaCliente.h"
#include "config/TestiConfigurazione.h"
#include "core/Italiano.h"
#include "core/Twips.h"
#include "core/Colori.h"
#include "core/Navigatore.h"
#include "core/Servizi.h"
#include "core/StatoProgramma.h"
#include "input/Evidenziazione.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include <algorithm>

namespace {

QFont arial(double punti)
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(punti);
    return font;
}

// Fixed limits of the scanning step, in quarter seconds.
constexpr int MinimoScansione = 4;
constexpr int MassimoScansione = 60;

// Drawn flat so that the whole face shows the colour, as the highlight does.
void coloraSfondo(QPushButton *bottone, const QColor &colore)
{
    bottone->setStyleSheet(QStringLiteral("QPushButton { background-color: %1; border: 1px solid #404040; }")
                               .arg(colore.name()));
}

}

FormConfigura::FormConfigura(Servizi &servizi, QWidget *parent)
    : Schermata(servizi, parent)
{
    auto *menu = new QMenuBar(this);
    creaMenu(menu);
    m_cliente = new AreaCliente(this, menu, Twips::size(9810, 7065));
    creaControlli(m_cliente);
    m_cliente->registra();
    resize(m_cliente->dimensioneFinestra());
}

void FormConfigura::creaMenu(QMenuBar *menu)
{
    menu->setObjectName(QStringLiteral("MenuBar"));
    QAction *esci = menu->addAction(QStringLiteral("&Esci"));
    esci->setObjectName(QStringLiteral("mnuEsci"));
    connect(esci, &QAction::triggered, this, &FormConfigura::mnuEsci_Click);
}

void FormConfigura::creaControlli(QWidget *cliente)
{
    auto *frame = new QFrame(cliente);
    frame->setObjectName(QStringLiteral("FramePunt"));
    frame->setFrameShape(QFrame::NoFrame);
    frame->setGeometry(Twips::rect(0, 0, 9735, 6975));

    struct Opzione {
        int indice;
        QRect posizione;
    };
    const Opzione opzioni[] = {
        {0, Twips::rect(480, 1080, 2295, 495)},
        {3, Twips::rect(480, 2040, 6495, 495)},
        {1, Twips::rect(480, 3000, 5175, 495)},
        {2, Twips::rect(480, 4080, 4695, 495)},
    };
    for (const Opzione &o : opzioni) {
        auto *bottone = new QRadioButton(TestiConfigurazione::didascaliaModalita(o.indice), frame);
        bottone->setObjectName(QStringLiteral("Option4_%1").arg(o.indice));
        bottone->setAccessibleName(bottone->text().trimmed());
        bottone->setFont(arial(14.25));
        bottone->setGeometry(o.posizione);
        m_option4[size_t(o.indice)] = bottone;
        const int indice = o.indice;
        // Only the button being selected reports: that is the option's click,
        // from the user or from code.
        connect(bottone, &QRadioButton::toggled, this, [this, indice](bool selezionato) {
            if (selezionato)
                Option4_Click(indice);
        });
    }

    m_label7 = new QLabel(frame);
    m_label7->setObjectName(QStringLiteral("Label7"));
    m_label7->setFont(arial(12));
    m_label7->setGeometry(Twips::rect(480, 4800, 8655, 375));

    m_hScroll3 = new QScrollBar(Qt::Horizontal, frame);
    m_hScroll3->setObjectName(QStringLiteral("HScroll3"));
    m_hScroll3->setAccessibleName(QStringLiteral("Velocità scansione"));
    m_hScroll3->setRange(MinimoScansione, MassimoScansione);
    // Scroll bars take no focus and read Left as "more" by default; this
    // one is in the tab order, so the arrows must move it the way they point.
    m_hScroll3->setFocusPolicy(Qt::StrongFocus);
    m_hScroll3->setInvertedControls(false);
    m_hScroll3->setSingleStep(1);
    m_hScroll3->setPageStep(4);  // one second
    m_hScroll3->setValue(MinimoScansione);
    m_hScroll3->setGeometry(Twips::rect(360, 5280, 8655, 375));
    connect(m_hScroll3, &QScrollBar::valueChanged, this, &FormConfigura::HScroll3_Change);
    // The bar's starting value, so that the text always describes the bar.
    m_label7->setText(Italiano::testoVelocitaScansione(m_hScroll3->value()));
    m_label7->setAccessibleName(m_label7->text());

    m_check = new QCheckBox(QStringLiteral("Usa cursore di sistema"), frame);
    m_check->setObjectName(QStringLiteral("CheckDisabilitaMousePersonalizzato"));
    m_check->setAccessibleName(m_check->text());
    m_check->setFont(arial(14.25));
    m_check->setGeometry(Twips::rect(5280, 1080, 3855, 615));
    connect(m_check, &QCheckBox::toggled, this, &FormConfigura::CheckDisabilitaMousePersonalizzato_Click);

    // On two lines: on one the caption fills the narrow button edge to edge.
    m_command1 = new QPushButton(QStringLiteral("Colore\nscansione"), frame);
    m_command1->setObjectName(QStringLiteral("Command1"));
    m_command1->setAccessibleName(QStringLiteral("Colore scansione"));
    m_command1->setFont(arial(14.25));
    m_command1->setGeometry(Twips::rect(1320, 5760, 2175, 1000));
    connect(m_command1, &QPushButton::clicked, this, &FormConfigura::Command1_Click);
    coloraSfondo(m_command1, QColor(255, 0, 0));

    auto *pulsanteOpzioni = new QPushButton(QStringLiteral("Opzioni di scansione"), frame);
    pulsanteOpzioni->setObjectName(QStringLiteral("CommandOpzioni"));
    pulsanteOpzioni->setAccessibleName(pulsanteOpzioni->text());
    pulsanteOpzioni->setFont(arial(14.25));
    pulsanteOpzioni->setGeometry(Twips::rect(4440, 5760, 3975, 1000));
    connect(pulsanteOpzioni, &QPushButton::clicked, this, [this] {
        if (servizi().navigatore && !congedata())
            cediA(servizi().navigatore->crea(IdSchermata::OpzioniScansione));
    });

    m_labelPerColore = new QLabel(QStringLiteral("LabelPerColore"), frame);
    m_labelPerColore->setObjectName(QStringLiteral("LabelPerColore"));
    m_labelPerColore->setAccessibleName(QStringLiteral("Colore scelto"));
    m_labelPerColore->setFont(arial(14.25));
    m_labelPerColore->setGeometry(Twips::rect(8520, 480, 1215, 735));
    // Only a carrier of the picked colour: its caption means nothing to a user.
    m_labelPerColore->hide();

    setTabOrder(m_command1, pulsanteOpzioni);
    setTabOrder(pulsanteOpzioni, m_check);
    setTabOrder(m_check, m_option4[3]);
    setTabOrder(m_option4[3], m_hScroll3);
    setTabOrder(m_hScroll3, m_option4[2]);
    setTabOrder(m_option4[2], m_option4[1]);
    setTabOrder(m_option4[1], m_option4[0]);
}

void FormConfigura::Form_Activate()
{
    // A hand-edited file may hold a mode with no button: then none is selected.
    const int modalita = servizi().stato.ModalitaInput;
    if (modalita >= 0 && modalita < int(m_option4.size()))
        m_option4[size_t(modalita)]->setChecked(true);
    ImpostaConfigurazioni();
}

void FormConfigura::ImpostaConfigurazioni()
{
    StatoProgramma &stato = servizi().stato;
    coloraCommand1();
    m_check->setChecked(stato.DisabilitaMousePersonalizzato);

    switch (stato.ModalitaInput) {
    case Modalita::Mouse:
        m_hScroll3->hide();
        m_label7->hide();
        m_check->show();
        break;
    case Modalita::ScansioneManuale:
    case Modalita::Frecce:
        m_hScroll3->hide();
        m_label7->hide();
        m_check->hide();
        break;
    case Modalita::ScansioneAutomatica:
        m_hScroll3->show();
        // A quick step set with F8 (down to a quarter second) stays on offer;
        // any other value outside the bar's range is brought into it, so the
        // bar, its text and the timer agree.
        m_hScroll3->setMinimum(std::clamp<int>(stato.VelocitaScansione, 1, MinimoScansione));
        m_hScroll3->setValue(stato.VelocitaScansione);
        stato.VelocitaScansione = int16_t(m_hScroll3->value());
        m_label7->show();
        mostraVelocita();
        m_check->hide();
        break;
    default:
        break;
    }
}

void FormConfigura::Option4_Click(int indice)
{
    servizi().stato.ModalitaInput = int16_t(indice);
    ImpostaConfigurazioni();
}

void FormConfigura::HScroll3_Change()
{
    servizi().stato.VelocitaScansione = int16_t(m_hScroll3->value());
    mostraVelocita();
}

void FormConfigura::CheckDisabilitaMousePersonalizzato_Click()
{
    servizi().stato.DisabilitaMousePersonalizzato = m_check->isChecked();
}

void FormConfigura::Command1_Click()
{
    // The dialog runs a loop of its own, in which the screen may go away.
    QPointer<FormConfigura> io(this);
    const bool scelto = servizi().colore.ScegliColore(this, m_labelPerColore);
    if (!io || congedata())
        return;
    const QColor colore = m_labelPerColore->palette().color(QPalette::WindowText);
    // A highlight the child cannot tell from the grey buttons is no highlight.
    if (scelto && Evidenziazione::contrasto(colore, Evidenziazione::grigioBottoni()) < Evidenziazione::ContrastoMinimo) {
        servizi().dialoghi.avviso(this, QStringLiteral("Calcolotti"),
                                  QStringLiteral("Questo colore si distingue poco dai pulsanti grigi: "
                                                 "scegline uno più scuro o più vivace. Resta il colore di prima."));
    } else if (scelto) {
        servizi().stato.ColoreScansione = Colori::aBGR(colore);
    }
    coloraCommand1();
}

void FormConfigura::mnuEsci_Click()
{
    if (servizi().navigatore && !congedata())
        cediA(servizi().navigatore->crea(IdSchermata::Menu));
}

void FormConfigura::mostraVelocita()
{
    m_label7->setText(Italiano::testoVelocitaScansione(servizi().stato.VelocitaScansione));
    m_label7->setAccessibleName(m_label7->text());
}

void FormConfigura::coloraCommand1()
{
    coloraSfondo(m_command1, Colori::scansione(servizi().stato.ColoreScansione));
}
