#include "shell/FormInfo.h"

#include "core/Twips.h"
#include "core/Navigatore.h"
#include "core/Servizi.h"

#include "Versione.h"

#include <QLabel>
#include <QPushButton>

namespace {

QLabel *etichetta(QWidget *genitore, const char *nome, const QRect &dove)
{
    auto *label = new QLabel(genitore);
    label->setObjectName(QString::fromLatin1(nome));
    QFont carattere(QStringLiteral("Verdana"));
    carattere.setPointSizeF(9);
    label->setFont(carattere);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setTextInteractionFlags(Qt::NoTextInteraction);
    label->setGeometry(dove);
    return label;
}

}

FormInfo::FormInfo(Servizi &servizi, QWidget *parent)
    : Schermata(servizi, parent)
    , m_ridimensionatore(this)
{
    setObjectName(QStringLiteral("FormInfo"));
    setWindowTitle(QString());
    setAccessibleName(QStringLiteral("Informazioni su Calcolotti"));
    QPalette tavolozza = palette();
    tavolozza.setColor(QPalette::Window, QColor(255, 255, 192));
    setPalette(tavolozza);
    setAutoFillBackground(true);

    m_label1 = etichetta(this, "Label1", Twips::rect(240, 240, 7695, 2415));
    m_label2 = etichetta(this, "Label2", Twips::rect(240, 2895, 7695, 495));
    m_label3 = etichetta(this, "Label3", Twips::rect(240, 4080, 4695, 2055));

    m_command1 = new QPushButton(QStringLiteral("Chiudi"), this);
    m_command1->setObjectName(QStringLiteral("Command1"));
    m_command1->setAccessibleName(QStringLiteral("Chiudi"));
    QFont arial(QStringLiteral("Arial"));
    arial.setPointSizeF(14.25);
    m_command1->setFont(arial);
    m_command1->setGeometry(Twips::rect(5640, 5280, 2655, 975));
    // The one control that takes the focus, pressed with Space or Enter.
    m_command1->setFocusPolicy(Qt::StrongFocus);
    m_command1->setDefault(true);
    connect(m_command1, &QPushButton::clicked, this, &FormInfo::Command1_Click);

    resize(Twips::size(8535, 6420));
    m_ridimensionatore.registra();
    m_command1->setFocus();
}

QString FormInfo::testoAttribuzione()
{
    // Who made it; the version has a line of its own. No web site or mail
    // address: the program has none to give.
    return QStringLiteral("Calcolotti\nrealizzato dagli autori di Calcolotti, 2026\n\n"
                          "La guida per genitori e insegnanti si apre dal menù "
                          "Informazioni → documentazione.");
}

QString FormInfo::testoVersione()
{
    return QStringLiteral("Versione " CALCOLOTTI_VERSIONE);
}

QString FormInfo::testoCondizioni()
{
    return QStringLiteral(
        "Calcolotti è software libero: puoi ridistribuirlo e modificarlo secondo i termini "
        "della GNU General Public License, versione 3 o successiva (GPL-3.0-or-later).\n"
        "Calcolotti è distribuito nella speranza che sia utile, ma SENZA ALCUNA GARANZIA, "
        "neppure quella implicita di COMMERCIABILITÀ o di IDONEITÀ A UN PARTICOLARE SCOPO.");
}

void FormInfo::Form_Activate()
{
    m_label1->setText(testoAttribuzione());
    m_label1->setAccessibleName(testoAttribuzione().simplified());
    m_label2->setText(testoVersione());
    m_label2->setAccessibleName(testoVersione());
    m_label3->setText(testoCondizioni());
    m_label3->setAccessibleName(testoCondizioni().simplified());
    activateWindow();
    m_command1->setFocus(Qt::OtherFocusReason);
}

void FormInfo::resizeEvent(QResizeEvent *evento)
{
    Schermata::resizeEvent(evento);
    m_ridimensionatore.ridimensiona();
}

void FormInfo::Command1_Click()
{
    if (congedata() || !servizi().navigatore)
        return;
    cediA(servizi().navigatore->crea(IdSchermata::Menu));
}
