#include "shell/ServiziProgramma.h"

#include "media/EspeakEngine.h"
#include "media/animation/ScenePlayer.h"
#include "record/DiarioSqlite.h"
#include "shell/ModuloOpzioni.h"
#include "shell/ModuloPerIni.h"

#include <QCoreApplication>

namespace {

ServiziProgramma::CreaMotore motoreReale()
{
    return [] { return std::unique_ptr<SpeechEngine>(new EspeakEngine); };
}

}

ServiziProgramma::ServiziProgramma(StatoProgramma &stato, const QString &cartellaProgramma,
                                   CreaMotore creaMotore)
    : m_creaMotore(creaMotore ? std::move(creaMotore) : motoreReale())
    , m_voce(m_creaMotore, m_chiusura)
    , m_attesa(m_chiusura)
    , m_suoni(stato, m_casuale, cartellaProgramma)
    , m_servizi{stato,
                m_casuale,
                m_voce,
                m_attesa,
                m_suoni,
                m_dialoghi,
                m_colore,
                m_documenti,
                [](QWidget *genitore) -> AnimationPlayer * { return new ScenePlayer(genitore); },
                m_creaMotore,
                cartellaProgramma,
                m_chiusura,
                [](const StatoProgramma &stato) {
                    const bool impostazioni = ModuloPerIni::SalvaImpostazioni(stato);
                    return ModuloOpzioni::SalvaOpzioni(stato) && impostazioni;
                },
                [] { QCoreApplication::exit(0); }}
{
    if (auto *app = QCoreApplication::instance())
        m_fine = QObject::connect(app, &QCoreApplication::aboutToQuit, [this] { m_chiusura.segnala(); });
}

ServiziProgramma::~ServiziProgramma()
{
    QObject::disconnect(m_fine);
}

void ServiziProgramma::apriDiario(const QString &percorso)
{
    m_servizi.diario = nullptr;
    m_diario = std::make_unique<DiarioSqlite>(percorso);
    m_servizi.diario = m_diario.get();
}
