#include "core/Estensioni.h"

#include "core/Avvisi.h"
#include "core/Registri.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>

#include <atomic>

// The build gives the module's file name (CALCOLOTTI_FILE_MODULO) and its
// installed folder as seen from the executable (CALCOLOTTI_MODULI_INSTALLATI).

namespace {

std::atomic<Estensioni *> g_registrate{nullptr};
QString g_errore;

// Beside the executable (the build folder), then where an installed copy
// keeps its private modules.
QStringList cartelleModuli()
{
    const QString programma = QCoreApplication::applicationDirPath();
    return {programma, QDir::cleanPath(programma + QStringLiteral("/" CALCOLOTTI_MODULI_INSTALLATI))};
}

Estensioni *carica()
{
    if (Estensioni *linkate = g_registrate.load())
        return linkate;
    const QString file = QStringLiteral(CALCOLOTTI_FILE_MODULO);
    QStringList errori;
    for (const QString &cartella : cartelleModuli()) {
        const QString percorso = cartella + QLatin1Char('/') + file;
        if (!QFileInfo::exists(percorso))
            continue;
        // Loaded for good: its code runs until the program ends.
        QLibrary modulo(percorso);
        if (!modulo.load())
            errori << modulo.errorString();
        else if (Estensioni *caricate = g_registrate.load())
            return caricate;
        else
            errori << QStringLiteral("%1 non è il modulo di Calcolotti").arg(percorso);
    }
    g_errore = errori.isEmpty()
                   ? QStringLiteral("%1 non si trova in %2").arg(file, cartelleModuli().join(QStringLiteral(", ")))
                   : errori.join(QStringLiteral("; "));
    qCWarning(lcAvvio).noquote() << "cannot load the module:" << g_errore;
    Avvisi::programma().aggiungi(QStringLiteral("modulo"),
                                 QStringLiteral("Manca una parte del programma (%1): voce, suoni e diario "
                                                "non funzionano. Reinstallare Calcolotti.")
                                     .arg(file));
    return nullptr;
}

}

Estensioni *Estensioni::istanza()
{
    // Once, whichever thread asks first; the others wait for it.
    static Estensioni *const estensioni = carica();
    return estensioni;
}

QString Estensioni::errore()
{
    return istanza() ? QString() : g_errore;
}

void Estensioni::registra(Estensioni *estensioni)
{
    g_registrate.store(estensioni);
}
