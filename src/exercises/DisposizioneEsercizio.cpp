#include "exercises/FormEsercizio.h"

#include "core/Colori.h"
#include "core/Servizi.h"
#include "core/StatoProgramma.h"
#include "core/Twips.h"
#include "exercises/AspettoEsercizio.h"
#include "exercises/EtichettaParlante.h"
#include "media/AnimationPlayer.h"
#include "resources/BottoneColorato.h"
#include "resources/Accessibilita.h"
#include "resources/Immagini.h"

#include <QHBoxLayout>
#include <QLabel>

#include <QStatusBar>

// The controls of an exercise screen at their designed places (twips).

using namespace AspettoEsercizio;

namespace {
const char *const ParoleNumeri[11] = {"zero", "uno", "due", "tre", "quattro", "cinque",
                                      "sei", "sette", "otto", "nove", "dieci"};
}

void FormEsercizio::creaControlli()
{
    const int modo = servizi().stato.ModalitaInput;
    const bool scansione = modo >= Modalita::ScansioneManuale && modo <= Modalita::Frecce;
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
        auto *bottone = new BottoneColorato(QString::number(i), m_client);
        bottone->setObjectName(QStringLiteral("Command1_%1").arg(i));
        bottone->setAccessibleName(QString::number(i));
        bottone->setProperty("parola", QString::fromUtf8(ParoleNumeri[i]));
        bottone->setGeometry(Twips::rect(120 + 840 * i, 5640, 615, 615));
        bottone->setFont(numeri);
        bottone->setFocusPolicy(Qt::NoFocus);
        bottone->setIconSize(Twips::size(300, 300));  // the cross of a wrong answer
        connect(bottone, &QPushButton::clicked, this, [this, i] { Command1_Click(i); });
        m_command1[i] = bottone;
        dipingi(bottone, Colori::Neutro);
    }

    static const int sinistre[3] = {3240, 4560, 5760};
    static const char *const segni[3] = {"+", "-", "="};
    static const char *const nomiSegni[3] = {"più", "meno", "uguale"};
    const QFont fontSegni = carattere(QStringLiteral("Verdana"), 18, true);
    for (int i = 0; i < 3; ++i) {
        auto *bottone = new BottoneColorato(QString::fromLatin1(segni[i]), m_client);
        bottone->setObjectName(QStringLiteral("Command2_%1").arg(i));
        bottone->setAccessibleName(QString::fromUtf8(nomiSegni[i]));
        bottone->setGeometry(Twips::rect(sinistre[i], 5640, 615, 615));
        bottone->setFont(fontSegni);
        bottone->setFocusPolicy(Qt::NoFocus);
        bottone->setIconSize(Twips::size(300, 300));
        connect(bottone, &QPushButton::clicked, this, [this, i] { Command2_Click(i); });
        m_command2[i] = bottone;
        dipingi(bottone, Colori::Neutro);
        bottone->hide();
    }

    m_command3 = new BottoneColorato(QStringLiteral("avanti"), m_client);
    m_command3->setObjectName(QStringLiteral("Command3"));
    m_command3->setAccessibleName(QStringLiteral("avanti"));
    // In the scanning modes "ripeti" and "menù" take the row's right end, and
    // "avanti", shown only once the other buttons are hidden, its left end.
    m_command3->setGeometry(scansione ? Twips::rect(120, 5640, 1215, 615) : Twips::rect(9240, 5640, 1215, 615));
    m_command3->setFont(carattere(QStringLiteral("Arial"), 14.25, true));
    m_command3->setIcon(Immagini::icona(Immagine::FrecciaAvanti));
    m_command3->setFocusPolicy(Qt::NoFocus);
    connect(m_command3, &QPushButton::clicked, this, &FormEsercizio::Command3_Click);
    dipingi(m_command3, Colori::Neutro);
    m_command3->hide();

    creaComandiScansione();
    m_ripeti->setVisible(scansione);
    m_menu->setVisible(scansione);
}

void FormEsercizio::creaComandiScansione()
{
    struct Comando { BottoneColorato *&bottone; const char *nome, *nomeAccessibile, *parola; Immagine figura; int sinistra; };
    const Comando comandi[2] = {
        {m_ripeti, "ripeti", "Ripeti la domanda", "ripeti", Immagine::Ripeti, 9240},
        {m_menu, "menu", "Torna al menù", "menù", Immagine::MenuCasa, 9870},
    };
    for (const Comando &c : comandi) {
        auto *b = new BottoneColorato(m_client);
        b->setObjectName(QString::fromLatin1(c.nome));
        b->setAccessibleName(QString::fromUtf8(c.nomeAccessibile));
        b->setToolTip(QString::fromUtf8(c.nomeAccessibile));
        b->setProperty("parola", QString::fromUtf8(c.parola));
        b->setGeometry(Twips::rect(c.sinistra, 5640, 540, 615));
        b->setIcon(Immagini::icona(c.figura));
        b->setIconSize(b->size() * 0.8);
        b->setFocusPolicy(Qt::NoFocus);
        dipingi(b, Colori::Neutro);
        c.bottone = b;
    }
    connect(m_ripeti, &QPushButton::clicked, this, &FormEsercizio::ripeti);
    connect(m_menu, &QPushButton::clicked, this, &FormEsercizio::chiediMenu);
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
        Accessibilita::nomina(figura, Accessibilita::nomeParlato(p.figura));
        auto *testo = new QLabel(QString::fromLatin1(p.testo), contenitore);
        testo->setObjectName(QStringLiteral("Pannello%1").arg(n));
        riga->addWidget(figura);
        riga->addWidget(testo, 1);
        barra->addWidget(contenitore, 1);
        m_pannello[n] = testo;
    }
}
