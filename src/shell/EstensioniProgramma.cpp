// The program's heavy parts behind one small interface: built into the module
// the program loads after its splash, and linked straight into tests.

#include "core/Estensioni.h"
#include "media/EspeakEngine.h"
#include "media/QtAudioOutput.h"
#include "record/DiarioSqlite.h"
#include "record/FormProgressi.h"
#include "record/RelazionePdf.h"

#include <QAudioDevice>
#include <QDir>
#include <QFileInfo>
#include <QMediaDevices>

#include <espeak-ng/speak_lib.h>

namespace {

int campioniSintetizzati = 0;

int contaCampioni(short *, int numero, espeak_EVENT *)
{
    campioniSintetizzati += numero;
    return 0;
}

class EstensioniProgramma final : public Estensioni
{
public:
    std::unique_ptr<AudioOutput> uscitaAudio() override
    {
        // Even asking for the device talks to the sound server.
        if (QMediaDevices::defaultAudioOutput().isNull())
            return nullptr;
        return std::make_unique<QtAudioOutput>();
    }

    std::unique_ptr<SpeechEngine> motoreVoce() override { return std::make_unique<EspeakEngine>(); }

    std::unique_ptr<Diario> diario(const QString &percorso) override
    {
        return std::make_unique<DiarioSqlite>(percorso);
    }

    Schermata *progressi(Servizi &servizi) override { return new FormProgressi(servizi); }

    bool eseguiComando(const ComandoDiario &comando, const StatoProgramma &stato, QString &errore) override
    {
        // Reading a file that is not there would make nothing of it.
        if (!QFileInfo(comando.diario).isFile()) {
            errore = QStringLiteral("Il diario %1 non c'è: su questo computer non è stato registrato nessun esercizio.")
                         .arg(QDir::toNativeSeparators(comando.diario));
            return false;
        }
        const std::unique_ptr<DiarioSqlite> diario = DiarioSqlite::soloLettura(comando.diario);
        diario->impostaBambino(comando.bambino);
        if (comando.cosa == ComandoDiario::Csv)
            return diario->esporta(comando.file, errore);
        const DatiRelazione dati = RelazionePdf::raccogli(*diario, stato, comando.nome,
                                                          RelazionePdf::inizioUltimiGiorni(comando.giorni),
                                                          RelazionePdf::nomeUltimiGiorni(comando.giorni));
        return RelazionePdf::scrivi(comando.file, dati, errore);
    }

    void verificaVoce(QStringList &trovati, QStringList &mancanti) override
    {
        if (espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 0, nullptr, espeakINITIALIZE_DONT_EXIT) <= 0) {
            mancanti << QStringLiteral("MANCANO i dati di espeak-ng (pacchetto espeak-ng-data)");
            return;
        }
        const char *percorso = nullptr;
        const char *versione = espeak_Info(&percorso);
        const QString dove = QString::fromLocal8Bit(percorso ? percorso : "");
        if (espeak_SetVoiceByName("it") != EE_OK) {
            mancanti << QStringLiteral("MANCA la voce italiana \"it\" di espeak-ng (in %1)").arg(dove);
            return;
        }
        // Selecting a voice can succeed on a partial install; speaking proves it.
        espeak_SetSynthCallback(&contaCampioni);
        campioniSintetizzati = 0;
        const char parola[] = "uno";
        espeak_Synth(parola, sizeof parola, 0, POS_CHARACTER, 0, espeakCHARS_UTF8, nullptr, nullptr);
        if (campioniSintetizzati == 0) {
            mancanti << QStringLiteral("MUTA la voce italiana \"it\" di espeak-ng (in %1)").arg(dove);
            return;
        }
        trovati << QStringLiteral("voce: espeak-ng %1, voce italiana \"it\" (%2)")
                       .arg(QString::fromLatin1(versione ? versione : "?"), dove);
    }
};

EstensioniProgramma g_estensioni;
[[maybe_unused]] const bool g_registrate = (Estensioni::registra(&g_estensioni), true);

}
