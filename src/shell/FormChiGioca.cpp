#include "shell/FormChiGioca.h"

#include "core/Bambini.h"
#include "core/Colori.h"
#include "core/Navigatore.h"
#include "core/Servizi.h"
#include "core/StatoProgramma.h"
#include "media/animation/Distintivi.h"
#include "resources/BottoneColorato.h"
#include "resources/Immagini.h"

#include <QLabel>

#include <algorithm>
#include <cmath>

namespace {

constexpr int Colonne = 3;

}

FormChiGioca::FormChiGioca(Servizi &servizi, QWidget *parent)
    : Schermata(servizi, parent)
{
    setObjectName(QStringLiteral("FormChiGioca"));
    setAccessibleName(QStringLiteral("Chi gioca?"));
    setWindowIcon(Immagini::iconaProgramma());
    QPalette tavolozza = palette();
    tavolozza.setColor(QPalette::Window, QColor(255, 255, 192));
    setPalette(tavolozza);
    setAutoFillBackground(true);

    m_titolo = new QLabel(QStringLiteral("Chi gioca?"), this);
    m_titolo->setObjectName(QStringLiteral("titolo"));
    m_titolo->setAlignment(Qt::AlignCenter);
    const QVector<Bambino> elenco = servizi.bambini ? servizi.bambini->elenco() : QVector<Bambino>{};
    for (const Bambino &b : elenco) {
        auto *bottone = new BottoneColorato(b.nome, this);
        bottone->setObjectName(QStringLiteral("bambino%1").arg(b.numero));
        bottone->setAccessibleName(b.nome);
        bottone->setProperty("parola", b.nome);
        bottone->setProperty("immagine", b.immagine);
        // A caregiver may choose with the mouse in any mode.
        connect(bottone, &QPushButton::clicked, this, [this, bottone] { scegli(bottone); });
        m_bottoni << bottone;
        m_numeri << b.numero;
    }
    m_controllo = new ControlloreInput(this, *this, TipoSchermata::Menu, servizi);
    resize(800, 600);
    m_controllo->prepara();
}

void FormChiGioca::Form_Activate()
{
    if (m_controllo->inAscolto())
        m_controllo->ricomincia();
}

void FormChiGioca::resizeEvent(QResizeEvent *evento)
{
    Schermata::resizeEvent(evento);
    disponi();
}

void FormChiGioca::disponi()
{
    // Big badges at any size: the rows share the height under the title.
    const int righe = std::max(1, int((m_bottoni.size() + Colonne - 1) / Colonne));
    const int colonne = std::min(Colonne, std::max(1, int(m_bottoni.size())));
    const int margine = std::max(8, height() / 40);
    const int alto = height() / 6;
    QFont titolo(QStringLiteral("Comic Sans MS"));
    titolo.setBold(true);
    titolo.setPixelSize(std::max(18, alto / 2));
    m_titolo->setFont(titolo);
    m_titolo->setGeometry(0, 0, width(), alto);
    // Cards no taller than wide, centred in their rows.
    const int larga = (width() - margine) / colonne;
    const int alta = std::min((height() - alto - margine) / righe, larga);
    const int sopra = alto + ((height() - alto - margine) - alta * righe) / 2;
    for (int i = 0; i < m_bottoni.size(); ++i) {
        BottoneColorato *b = m_bottoni[i];
        const QRect posto(margine + (i % colonne) * larga, sopra + (i / colonne) * alta, larga - margine, alta - margine);
        b->setGeometry(posto);
        b->impostaIconaSopra(true);
        QFont nome(QStringLiteral("Verdana"));
        nome.setBold(true);
        nome.setPixelSize(std::max(14, std::min(posto.height() / 8, posto.width() / 9)));
        b->setFont(nome);
        const int lato = std::min(posto.height() - 2 * QFontMetrics(nome).height(), posto.width() * 4 / 5);
        b->setIcon(QIcon(Distintivi::disegna(servizi().cartellaProgramma, b->property("immagine").toString(), lato)));
        b->setIconSize(QSize(lato, lato));
    }
}

QVector<QVector<QWidget *>> FormChiGioca::scelte() const
{
    QVector<QVector<QWidget *>> righe;
    for (int i = 0; i < m_bottoni.size(); ++i) {
        if (i % Colonne == 0)
            righe << QVector<QWidget *>{};
        righe.last() << m_bottoni[i];
    }
    return righe;
}

void FormChiGioca::colora(QWidget *scelta, bool evidenziata)
{
    static_cast<BottoneColorato *>(scelta)->impostaColore(
        evidenziata ? Colori::scansione(servizi().stato.ColoreScansione) : QColor(224, 224, 224));
}

void FormChiGioca::scegli(QWidget *scelta)
{
    const int indice = int(m_bottoni.indexOf(static_cast<BottoneColorato *>(scelta)));
    if (indice < 0 || congedata() || !servizi().navigatore)
        return;
    m_controllo->sospendi();
    if (servizi().bambini)
        servizi().bambini->gioca(m_numeri[indice]);
    cediA(servizi().navigatore->crea(IdSchermata::Menu));
}

void FormChiGioca::richiestaChiusura()
{
    // Nobody chose: the program ends as the menu's close box ends it, the
    // last child's settings kept.
    if (servizi().salvaImpostazioni)
        servizi().salvaImpostazioni(servizi().stato);
    if (servizi().termina)
        servizi().termina();
}
