#include "shell/FormAvvio.h"

#include "core/Bambini.h"
#include "core/Registri.h"

#include "resources/Immagini.h"
#include "core/Twips.h"
#include "core/Navigatore.h"
#include "core/Servizi.h"

#include <QLabel>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>

namespace {

QFont comicSans(int punti)
{
    QFont carattere(QStringLiteral("Comic Sans MS"), punti, QFont::Bold);
    return carattere;
}

QLabel *etichetta(QWidget *genitore, int indice, const QString &testo, int punti, const QRect &dove)
{
    auto *label = new QLabel(testo, genitore);
    label->setObjectName(QStringLiteral("Label2_%1").arg(indice));
    label->setAccessibleName(testo);
    label->setFont(comicSans(punti));
    QPalette tavolozza = label->palette();
    tavolozza.setColor(QPalette::WindowText, QColor(0, 0, 128));
    label->setPalette(tavolozza);
    label->setGeometry(dove);
    return label;
}

}

FormAvvio::FormAvvio(Servizi &servizi, QWidget *parent)
    : Schermata(servizi, parent)
    , m_ridimensionatore(this)
{
    setObjectName(QStringLiteral("FormAvvio"));
    setWindowTitle(QString());
    setAccessibleName(QStringLiteral("Calcolotti"));
    QPalette tavolozza = palette();
    tavolozza.setColor(QPalette::Window, QColor(0, 192, 0));
    setPalette(tavolozza);
    // The bands cover every pixel: no background fill before them.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCursor(Immagini::puntatore(Puntatore::Orsetto));

    etichetta(this, 0, QStringLiteral("Calcolotti"), 72, Twips::rect(600, 600, 8535, 3135));
    etichetta(this, 1, QStringLiteral("28/01/2006"), 18, Twips::rect(6600, 5880, 2415, 615));

    auto *image1 = new QLabel(this);
    image1->setObjectName(QStringLiteral("Image1"));
    image1->setAccessibleName(QStringLiteral("Tastiera, sensore e altoparlante"));
    const QRect riquadro = Twips::rect(600, 5400, 1335, 1215);
    image1->setGeometry(riquadro);
    Immagini::mostra(image1, Immagine::Emblema);

    m_command1 = new QPushButton(this);
    m_command1->setObjectName(QStringLiteral("Command1"));
    m_command1->setAccessibleName(QStringLiteral("Entra nel menù"));
    m_command1->setIcon(Immagini::icona(Immagine::Orsetto));
    m_command1->setIconSize(QSize(32, 32));
    m_command1->setFont(comicSans(24));
    m_command1->setCursor(Immagini::puntatore(Puntatore::Orsetto));
    m_command1->setGeometry(Twips::rect(2880, 5640, 3375, 975));
    // The only control that takes the focus: Space and Enter press it, so a
    // switch user can start as well.
    m_command1->setFocusPolicy(Qt::StrongFocus);
    m_command1->setDefault(true);
    connect(m_command1, &QPushButton::clicked, this, &FormAvvio::Command1_Click);

    resize(Twips::size(9645, 7230));
    m_ridimensionatore.registra();
    m_command1->setFocus();
}

QColor FormAvvio::coloreFascia(int i)
{
    return QColor(255 - i, 255, 255 - i);
}

void FormAvvio::Form_Activate()
{
    update();
    activateWindow();
    m_command1->setFocus(Qt::OtherFocusReason);
}

void FormAvvio::paintEvent(QPaintEvent *evento)
{
    static bool primo = true;
    if (primo) {
        primo = false;
        qCDebug(lcAvvio).noquote() << Registri::momento() << "splash painted";
    }
    // 256 full-width bands, white at the top to pure green at the bottom,
    // straight into the window and only where it is exposed: a picture of
    // the whole gradient kept aside cost a fresh window-sized buffer on
    // every resize, before the splash was first seen.
    QPainter pittore(this);
    const QRect zona = evento->rect();
    const double altezza = height();
    for (int i = 0; i < 256; ++i) {
        const int alto = int(i * altezza / 256.0);
        const int basso = int((i + 1) * altezza / 256.0);
        if (basso > alto && basso > zona.top() && alto <= zona.bottom())
            pittore.fillRect(zona.left(), alto, zona.width(), basso - alto, coloreFascia(i));
    }
}

void FormAvvio::resizeEvent(QResizeEvent *evento)
{
    Schermata::resizeEvent(evento);
    m_ridimensionatore.ridimensiona();
}

void FormAvvio::Command1_Click()
{
    if (congedata() || !servizi().navigatore)
        return;
    // With several children, first who plays.
    const bool scegliere = servizi().bambini && servizi().bambini->elenco().size() > 1;
    cediA(servizi().navigatore->crea(scegliere ? IdSchermata::ChiGioca : IdSchermata::Menu));
}
