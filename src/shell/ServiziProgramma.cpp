#include "shell/ServiziProgramma.h"

#include "core/Avvisi.h"
#include "core/Estensioni.h"
#include "media/MotoreMuto.h"
#include "media/animation/ScenePlayer.h"
#include "record/Diario.h"
#include "shell/ModuloOpzioni.h"
#include "shell/ModuloPerIni.h"

#include <QApplication>

namespace {

ServiziProgramma::CreaMotore motoreReale()
{
    return []() -> std::unique_ptr<SpeechEngine> {
        // Without the module the program still runs, silent; the menu says what is missing.
        if (Estensioni *estensioni = Estensioni::istanza())
            return estensioni->motoreVoce();
        return std::make_unique<MotoreMuto>();
    };
}

}

ServiziProgramma::ServiziProgramma(StatoProgramma &stato, const QString &cartellaProgramma,
                                   CreaMotore creaMotore, Dialoghi *dialoghi)
    : m_creaMotore(creaMotore ? std::move(creaMotore) : motoreReale())
    , m_voce(m_creaMotore, m_chiusura)
    , m_attesa(m_chiusura)
    , m_suoni(stato, m_casuale, cartellaProgramma)
    , m_servizi{stato,
                m_casuale,
                m_voce,
                m_attesa,
                m_suoni,
                dialoghi ? *dialoghi : m_dialoghi,
                m_colore,
                m_documenti,
                [](QWidget *genitore) -> AnimationPlayer * { return new ScenePlayer(genitore); },
                m_creaMotore,
                cartellaProgramma,
                m_chiusura,
                [this](const StatoProgramma &daSalvare) { return salva(daSalvare); },
                [] { QCoreApplication::exit(0); }}
{
    m_servizi.avvisi = &Avvisi::programma();
    if (auto *app = QCoreApplication::instance())
        m_fine = QObject::connect(app, &QCoreApplication::aboutToQuit, [this] { m_chiusura.segnala(); });
}

void ServiziProgramma::congedo()
{
    salva(m_servizi.stato, false);
    if (m_servizi.diario)
        m_servizi.diario->attendi();
}

bool ServiziProgramma::salva(const StatoProgramma &stato, bool dire)
{
    // The seven lines first: their save makes the settings folder with its readme.
    const QString motivo = ModuloPerIni::SalvaImpostazioniOMotivo(stato);
    const QString motivoOpzioni = ModuloOpzioni::SalvaOpzioniOMotivo(stato);
    if (motivo.isEmpty() && motivoOpzioni.isEmpty())
        return true;
    // The adult who changed the settings must learn it before the program ends.
    QStringList frasi;
    if (!motivo.isEmpty())
        frasi << QStringLiteral("Non è stato possibile salvare le impostazioni: %1.").arg(motivo);
    if (!motivoOpzioni.isEmpty())
        frasi << (motivo.isEmpty()
                      ? QStringLiteral("Non è stato possibile salvare le opzioni di scansione: %1.").arg(motivoOpzioni)
                      : QStringLiteral("Nemmeno le opzioni di scansione sono state salvate."));
    if (dire)
        m_servizi.dialoghi.errore(QApplication::activeWindow(), QStringLiteral("Calcolotti"), frasi.join(QLatin1Char(' ')));
    return false;
}

ServiziProgramma::~ServiziProgramma()
{
    QObject::disconnect(m_fine);
}

void ServiziProgramma::apriDiario(const QString &percorso)
{
    m_servizi.diario = nullptr;
    Estensioni *estensioni = Estensioni::istanza();
    m_diario = estensioni ? estensioni->diario(percorso) : nullptr;
    m_servizi.diario = m_diario.get();
}
