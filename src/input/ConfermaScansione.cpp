#include "input/ConfermaScansione.h"

#include "core/Colori.h"
#include "core/Servizi.h"
#include "core/StatoProgramma.h"
#include "media/Voce.h"
#include "resources/BottoneColorato.h"
#include "resources/Immagini.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

BottoneColorato *bottone(const QString &testo, const QString &nomeAccessibile, Immagine figura, QWidget *genitore)
{
    auto *b = new BottoneColorato(testo, genitore);
    b->setAccessibleName(nomeAccessibile);
    b->setProperty("parola", nomeAccessibile.toLower());
    b->setIcon(Immagini::icona(figura));
    b->setFocusPolicy(Qt::NoFocus);
    return b;
}

}

ConfermaScansione::ConfermaScansione(QWidget *schermata, Servizi &servizi, const QString &domanda)
    : QWidget(schermata)
    , m_servizi(servizi)
{
    setObjectName(QStringLiteral("ConfermaScansione"));
    setAccessibleName(domanda);
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet(QStringLiteral("#ConfermaScansione { background: rgba(0, 0, 0, 110); }"));

    m_pannello = new QWidget(this);
    m_pannello->setObjectName(QStringLiteral("pannelloConferma"));
    m_pannello->setAttribute(Qt::WA_StyledBackground);
    m_pannello->setStyleSheet(QStringLiteral("#pannelloConferma { background: white; border: 3px solid #404040; }"));
    m_domanda = new QLabel(domanda, m_pannello);
    m_domanda->setAlignment(Qt::AlignCenter);
    m_domanda->setWordWrap(true);
    m_no = bottone(QStringLiteral("No"), QStringLiteral("No"), Immagine::No, m_pannello);
    m_no->setObjectName(QStringLiteral("confermaNo"));
    m_si = bottone(QStringLiteral("Sì"), QStringLiteral("Sì"), Immagine::Si, m_pannello);
    m_si->setObjectName(QStringLiteral("confermaSi"));
    colora(m_no, false);
    colora(m_si, false);
    // A caregiver may answer with the mouse.
    connect(m_no, &QPushButton::clicked, this, [this] { rispondi(false); });
    connect(m_si, &QPushButton::clicked, this, [this] { rispondi(true); });

    m_controllo = new ControlloreInput(this, *this, TipoSchermata::Esercizio, servizi);
    schermata->installEventFilter(this);
    disponi();
    hide();
}

void ConfermaScansione::disponi()
{
    QWidget *schermata = parentWidget();
    setGeometry(schermata->rect());
    const int h = schermata->height();
    const QSize pannello(std::min(schermata->width() * 7 / 10, h * 12 / 10), h / 2);
    m_pannello->setGeometry(QRect(QPoint((width() - pannello.width()) / 2, (height() - pannello.height()) / 2), pannello));
    // Text and pictures are sized by the panel and the buttons, not by the
    // window's height alone: a tall narrow window would cut them.
    QFont carattere(QStringLiteral("Verdana"));
    carattere.setBold(true);
    carattere.setPixelSize(std::max(14, std::min(h / 18, pannello.width() / 12)));
    m_domanda->setFont(carattere);
    const int margine = pannello.height() / 12;
    m_domanda->setGeometry(margine, margine, pannello.width() - 2 * margine, pannello.height() * 2 / 5);
    const QSize misura(pannello.width() * 3 / 10, pannello.height() * 2 / 5);
    const int alto = pannello.height() - misura.height() - margine;
    // In scan order, left to right.
    m_no->setGeometry(QRect(QPoint(pannello.width() / 2 - misura.width() - margine / 2, alto), misura));
    m_si->setGeometry(QRect(QPoint(pannello.width() / 2 + margine / 2, alto), misura));
    const int figura = std::min(misura.height() / 2, misura.width() / 3);
    QFont scritta = carattere;
    scritta.setPixelSize(std::max(12, std::min(misura.height() / 4, (misura.width() - figura) / 3)));
    for (BottoneColorato *b : {m_no, m_si}) {
        b->setFont(scritta);
        b->setIconSize(QSize(figura, figura));
    }
}

bool ConfermaScansione::eventFilter(QObject *oggetto, QEvent *evento)
{
    if (oggetto == parentWidget() && evento->type() == QEvent::Resize)
        disponi();
    return QWidget::eventFilter(oggetto, evento);
}

QPushButton *ConfermaScansione::si() const
{
    return m_si;
}

QPushButton *ConfermaScansione::no() const
{
    return m_no;
}

void ConfermaScansione::apri()
{
    show();
    raise();
    m_controllo->prepara();
    QPointer<ConfermaScansione> io(this);
    {
        auto occupato = m_controllo->occupa();
        m_servizi.voce.Parla(accessibleName());
        if (!io || m_risposto)
            return;
    }
}

QVector<QVector<QWidget *>> ConfermaScansione::scelte() const
{
    return {{m_no}, {m_si}};
}

void ConfermaScansione::colora(QWidget *scelta, bool evidenziata)
{
    static_cast<BottoneColorato *>(scelta)->impostaColore(
        evidenziata ? Colori::scansione(m_servizi.stato.ColoreScansione) : QColor(224, 224, 224));
}

void ConfermaScansione::scegli(QWidget *scelta)
{
    rispondi(scelta == m_si);
}

void ConfermaScansione::rispondi(bool si)
{
    if (m_risposto)
        return;
    m_risposto = true;
    m_controllo->sospendi();
    emit risposta(si);
}
