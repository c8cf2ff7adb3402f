// libFuzzer target for the settings reader: any bytes must either read as
// seven values or leave every field at its default, and never crash.
#include "shell/ModuloPerIni.h"
#include "core/StatoProgramma.h"

#include <QByteArray>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *dati, size_t dimensione)
{
    const QByteArray contenuto(reinterpret_cast<const char *>(dati), int(dimensione));
    StatoProgramma stato;
    stato.NumeroVoce = 99;
    if (!ModuloPerIni::LeggiDaTesto(contenuto, stato)) {
        if (stato.NumeroVoce != 99)  // a failed read must not leave half its fields behind
            std::abort();
        return 0;
    }
    // What was read writes back to a file that reads the same.
    StatoProgramma riletto;
    if (!ModuloPerIni::LeggiDaTesto(ModuloPerIni::ScriviInTesto(stato), riletto))
        std::abort();
    if (riletto.NumeroVoce != stato.NumeroVoce || riletto.VelocitaVoce != stato.VelocitaVoce
        || riletto.VelocitaScansione != stato.VelocitaScansione || riletto.ModalitaInput != stato.ModalitaInput
        || riletto.SuoniAttivati != stato.SuoniAttivati
        || riletto.DisabilitaMousePersonalizzato != stato.DisabilitaMousePersonalizzato)
        std::abort();
    return 0;
}
