#include "shell/FabbricaSchermate.h"

#include "config/Form10.h"
#include "config/FormConfigura.h"
#include "config/FormOpzioniScansione.h"
#include "core/Estensioni.h"
#include "exercises/FormEsercizio.h"
#include "record/OsservatoreEsercizio.h"
#include "shell/FormAvvio.h"
#include "shell/FormBambini.h"
#include "shell/FormChiGioca.h"
#include "shell/FormInfo.h"
#include "shell/FormMenu.h"
#include "core/Servizi.h"

#include <QGuiApplication>
#include <QScreen>

FabbricaSchermate::FabbricaSchermate(Servizi &servizi)
    : m_servizi(servizi)
{
    m_servizi.navigatore = this;
}

FabbricaSchermate::~FabbricaSchermate()
{
    if (m_servizi.navigatore == this)
        m_servizi.navigatore = nullptr;
}

Schermata *FabbricaSchermate::crea(IdSchermata id)
{
    switch (id) {
    case IdSchermata::Avvio:
        return new FormAvvio(m_servizi);
    case IdSchermata::Menu:
        return new FormMenu(m_servizi);
    case IdSchermata::Info:
        return new FormInfo(m_servizi);
    case IdSchermata::Configura:
        return new FormConfigura(m_servizi);
    case IdSchermata::Voce:
        return new Form10(m_servizi);
    case IdSchermata::OpzioniScansione:
        return new FormOpzioniScansione(m_servizi);
    case IdSchermata::ChiGioca:
        return new FormChiGioca(m_servizi);
    case IdSchermata::Bambini:
        return new FormBambini(m_servizi);
    case IdSchermata::Progressi:
        if (Estensioni *estensioni = Estensioni::istanza())
            return estensioni->progressi(m_servizi);
        return nullptr;
    }
    return nullptr;
}

FormEsercizio *FabbricaSchermate::creaEsercizio(int numero)
{
    auto *esercizio = new FormEsercizio(m_servizi, numero);
    OsservatoreEsercizio::segui(esercizio);
    return esercizio;
}

Schermata *FabbricaSchermate::avviaLivelloMisto(Schermata *da, int primo)
{
    return FormEsercizio::avviaLivelloMisto(m_servizi, da, primo);
}

void FabbricaSchermate::mostraPrimo(Schermata *schermata)
{
    // Centred at a comfortable scale: large enough for small hands to hit the
    // buttons, small enough to leave the desktop around it.
    if (const QScreen *schermo = QGuiApplication::primaryScreen()) {
        const QRect area = schermo->availableGeometry();
        QSize dimensione = schermata->size().scaled(area.size() * 0.85, Qt::KeepAspectRatio);
        if (dimensione.width() < schermata->width())
            dimensione = schermata->size().boundedTo(area.size());
        schermata->resize(dimensione);
        schermata->move(area.center() - QPoint(dimensione.width() / 2, dimensione.height() / 2));
    }
    schermata->show();
}
