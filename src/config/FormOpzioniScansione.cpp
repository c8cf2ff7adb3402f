#include "config/FormOpzioniScansione.h"

#include "core/Colori.h"
#include "core/Navigatore.h"
#include "core/Servizi.h"
#include "core/StatoProgramma.h"
#include "resources/BottoneColorato.h"
#include "resources/Immagini.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

const char *const Parole[6] = {"uno", "due", "tre", "quattro", "cinque", "sei"};

QSpinBox *millisecondi(QWidget *genitore)
{
    auto *campo = new QSpinBox(genitore);
    campo->setRange(0, 2000);
    campo->setSingleStep(50);
    campo->setSuffix(QStringLiteral(" ms"));
    campo->setSpecialValueText(QStringLiteral("no"));
    return campo;
}

}

FormOpzioniScansione::FormOpzioniScansione(Servizi &servizi, QWidget *parent)
    : Schermata(servizi, parent)
{
    setObjectName(QStringLiteral("FormOpzioniScansione"));
    setAccessibleName(QStringLiteral("Opzioni di scansione"));
    setWindowIcon(Immagini::iconaProgramma());
    QFont carattere(QStringLiteral("Arial"));
    carattere.setPointSizeF(12);
    setFont(carattere);

    auto *colonna = new QVBoxLayout(this);
    auto *titolo = new QLabel(QStringLiteral("Opzioni di scansione"), this);
    QFont grande = carattere;
    grande.setPointSizeF(16);
    grande.setBold(true);
    titolo->setFont(grande);
    colonna->addWidget(titolo);

    auto *modulo = new QFormLayout;
    auto casella = [this](const char *testo, const char *nome) {
        auto *c = new QCheckBox(QString::fromUtf8(testo), this);
        c->setObjectName(QString::fromLatin1(nome));
        return c;
    };
    m_voce = casella("Dire il nome di ogni scelta illuminata", "voce");
    m_suono = casella("Un tocco leggero a ogni passo", "suono");
    m_gruppi = casella("Scansione a gruppi (prima 0-5 e 6-10, poi i numeri)", "gruppi");
    m_bordo = casella("Bordo spesso intorno alla scelta", "bordo");
    m_ingrandisci = casella("Scelta illuminata più grande", "ingrandisci");
    m_ritardo = new QDoubleSpinBox(this);
    m_ritardo->setObjectName(QStringLiteral("ritardoPrimo"));
    m_ritardo->setRange(1.0, 3.0);
    m_ritardo->setSingleStep(0.5);
    m_ritardo->setDecimals(1);
    m_ritardo->setSuffix(QStringLiteral(" volte il passo"));
    m_giri = new QSpinBox(this);
    m_giri->setObjectName(QStringLiteral("giri"));
    m_giri->setRange(0, 10);
    m_giri->setSuffix(QStringLiteral(" giri"));
    m_giri->setSpecialValueText(QStringLiteral("mai"));
    m_minima = millisecondi(this);
    m_minima->setObjectName(QStringLiteral("pressioneMinimaMs"));
    m_ripetute = millisecondi(this);
    m_ripetute->setObjectName(QStringLiteral("ignoraRipetuteMs"));
    m_pausa = millisecondi(this);
    m_pausa->setObjectName(QStringLiteral("pausaDopoSceltaMs"));
    m_massima = new QSpinBox(this);
    m_massima->setObjectName(QStringLiteral("pressioneMassimaMs"));
    m_massima->setRange(0, 10000);
    m_massima->setSingleStep(500);
    m_massima->setSuffix(QStringLiteral(" ms"));
    m_massima->setSpecialValueText(QStringLiteral("mai"));
    modulo->addRow(m_voce);
    modulo->addRow(m_suono);
    modulo->addRow(QStringLiteral("La prima scelta resta illuminata"), m_ritardo);
    modulo->addRow(QStringLiteral("Riposo dopo"), m_giri);
    modulo->addRow(QStringLiteral("Pressione più breve di così non conta"), m_minima);
    modulo->addRow(QStringLiteral("Ignora una pressione ripetuta entro"), m_ripetute);
    modulo->addRow(QStringLiteral("Pausa dopo la scelta"), m_pausa);
    modulo->addRow(QStringLiteral("Annulla se tenuto più di"), m_massima);
    modulo->addRow(m_gruppi);
    modulo->addRow(m_bordo);
    modulo->addRow(m_ingrandisci);
    colonna->addLayout(modulo);
    for (QWidget *campo : std::initializer_list<QWidget *>{m_voce, m_suono, m_gruppi, m_bordo, m_ingrandisci})
        connect(static_cast<QCheckBox *>(campo), &QCheckBox::toggled, this, &FormOpzioniScansione::scrivi);
    connect(m_ritardo, &QDoubleSpinBox::valueChanged, this, &FormOpzioniScansione::scrivi);
    for (QSpinBox *campo : {m_giri, m_minima, m_ripetute, m_pausa, m_massima})
        connect(campo, &QSpinBox::valueChanged, this, &FormOpzioniScansione::scrivi);

    // The trial row: six sample buttons in two groups, as numbers are scanned.
    m_fila = new QWidget(this);
    m_fila->setObjectName(QStringLiteral("filaProva"));
    m_fila->setMinimumHeight(90);
    auto *fila = new QHBoxLayout(m_fila);
    for (int i = 0; i < 6; ++i) {
        auto *b = new BottoneColorato(QString::number(i + 1), m_fila);
        b->setObjectName(QStringLiteral("campione%1").arg(i + 1));
        b->setAccessibleName(b->text());
        b->setProperty("parola", QString::fromLatin1(Parole[i]));
        b->setMinimumSize(64, 64);
        b->setFont(grande);
        fila->addWidget(b);
        m_campioni << b;
        colora(b, false);
    }
    m_prova = new QPushButton(QStringLiteral("Prova"), this);
    m_prova->setObjectName(QStringLiteral("prova"));
    m_prova->setCheckable(true);
    connect(m_prova, &QPushButton::toggled, this, &FormOpzioniScansione::prova);
    auto *esci = new QPushButton(QStringLiteral("Esci"), this);
    esci->setObjectName(QStringLiteral("esci"));
    connect(esci, &QPushButton::clicked, this, &FormOpzioniScansione::esci);
    auto *aiuto = new QLabel(QStringLiteral("Con la prova attiva i tasti dei sensori muovono e scelgono "
                                            "come negli esercizi; F7 e F8 cambiano la velocità."),
                             this);
    aiuto->setWordWrap(true);
    colonna->addWidget(aiuto);
    colonna->addWidget(m_fila);
    auto *bottoni = new QHBoxLayout;
    bottoni->addWidget(m_prova);
    bottoni->addStretch();
    bottoni->addWidget(esci);
    colonna->addLayout(bottoni);

    m_controllo = new ControlloreInput(m_fila, *this, TipoSchermata::Esercizio, servizi);
    leggi();
    m_caratteri.registra(this, QSize(720, 640));
    resize(720, 640);
}

void FormOpzioniScansione::leggi()
{
    const OpzioniScansione o = servizi().stato.Scansione;
    m_voce->setChecked(o.voce);
    m_suono->setChecked(o.suono);
    m_ritardo->setValue(o.ritardoPrimo);
    m_giri->setValue(o.giri);
    m_minima->setValue(o.pressioneMinimaMs);
    m_ripetute->setValue(o.ignoraRipetuteMs);
    m_pausa->setValue(o.pausaDopoSceltaMs);
    m_massima->setValue(o.pressioneMassimaMs);
    m_gruppi->setChecked(o.gruppi);
    m_bordo->setChecked(o.bordo);
    m_ingrandisci->setChecked(o.ingrandisci);
}

void FormOpzioniScansione::scrivi()
{
    OpzioniScansione &o = servizi().stato.Scansione;
    o.voce = m_voce->isChecked();
    o.suono = m_suono->isChecked();
    o.ritardoPrimo = m_ritardo->value();
    o.giri = m_giri->value();
    o.pressioneMinimaMs = m_minima->value();
    o.ignoraRipetuteMs = m_ripetute->value();
    o.pausaDopoSceltaMs = m_pausa->value();
    // Off, or a second at least: a shorter limit would cancel ordinary presses.
    if (m_massima->value() > 0 && m_massima->value() < 1000) {
        m_massima->setValue(o.pressioneMassimaMs > 0 ? 0 : 1000);
        return;
    }
    o.pressioneMassimaMs = m_massima->value();
    o.gruppi = m_gruppi->isChecked();
    o.bordo = m_bordo->isChecked();
    o.ingrandisci = m_ingrandisci->isChecked();
    // A trial in progress follows the change at once.
    if (m_inProva) {
        m_controllo->prepara();
        m_controllo->ricomincia();
    }
}

void FormOpzioniScansione::Form_Activate()
{
    leggi();
}

void FormOpzioniScansione::prova(bool avvia)
{
    m_inProva = avvia;
    m_prova->setChecked(avvia);
    m_prova->setText(avvia ? QStringLiteral("Ferma la prova") : QStringLiteral("Prova"));
    if (!avvia) {
        m_controllo->sospendi();
        for (QWidget *b : std::as_const(m_campioni))
            colora(b, false);
        return;
    }
    const int16_t modo = servizi().stato.ModalitaInput;
    m_controllo->impostaModalita(modo >= Modalita::ScansioneManuale && modo <= Modalita::Frecce
                                     ? modo : Modalita::ScansioneAutomatica);
    m_controllo->prepara();
    m_controllo->ricomincia();
}

QVector<QVector<QWidget *>> FormOpzioniScansione::scelte() const
{
    return {m_campioni.mid(0, 3), m_campioni.mid(3, 3)};
}

void FormOpzioniScansione::colora(QWidget *scelta, bool evidenziata)
{
    static_cast<BottoneColorato *>(scelta)->impostaColore(
        evidenziata ? Colori::scansione(servizi().stato.ColoreScansione) : QColor(224, 224, 224));
}

void FormOpzioniScansione::scegli(QWidget *scelta)
{
    // A choice shows briefly as the exercises' right answer would: the scan starts again.
    Q_UNUSED(scelta);
    m_controllo->ricomincia();
}

void FormOpzioniScansione::esci()
{
    prova(false);
    if (servizi().navigatore && !congedata())
        cediA(servizi().navigatore->crea(IdSchermata::Configura));
}

void FormOpzioniScansione::richiestaChiusura()
{
    esci();
}

void FormOpzioniScansione::resizeEvent(QResizeEvent *evento)
{
    Schermata::resizeEvent(evento);
    m_caratteri.ridimensiona();
}
