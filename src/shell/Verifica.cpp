#include "shell/Verifica.h"

#include "core/Estensioni.h"
#include "exercises/catalog/Catalogo.h"
#include "media/animation/Scena.h"
#include "shell/Percorsi.h"

#include "Versione.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

namespace {

void scene(const QString &cartella, Catalogo::Famiglia famiglia, EsitoVerifica &esito)
{
    const bool addizione = famiglia == Catalogo::Famiglia::Addizione;
    const QString lettera = addizione ? QStringLiteral("a") : QStringLiteral("b");
    const int numero = Catalogo::numeroScene(famiglia);
    int buone = 0;
    for (int i = 1; i <= numero; ++i) {
        const QString percorso = QStringLiteral("%1/scenes/%2%3.svg").arg(cartella, lettera).arg(i);
        Scena scena;
        if (!QFileInfo(percorso).isFile())
            esito.mancanti << QStringLiteral("MANCA la scena %1").arg(percorso);
        else if (!scena.carica(percorso) || scena.clip().isEmpty())
            esito.mancanti << QStringLiteral("ROTTA la scena %1 (non si carica)").arg(percorso);
        else
            ++buone;
    }
    if (buone == numero)
        esito.trovati << QStringLiteral("scene di %1: %2 (%3 … %4)")
                             .arg(addizione ? QStringLiteral("addizione") : QStringLiteral("sottrazione"))
                             .arg(numero)
                             .arg(cartella + QStringLiteral("/scenes/") + lettera + QStringLiteral("1.svg"),
                                  QStringLiteral("%1%2.svg").arg(lettera).arg(numero));
}

bool onda(const QString &percorso)
{
    QFile file(percorso);
    if (!QFileInfo(percorso).isFile() || !file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray testa = file.read(12);
    return testa.size() == 12 && testa.startsWith("RIFF") && testa.endsWith("WAVE");
}

// The sounds are drawn by number, 1.wav to N.wav, N being how many *.wav there are.
void suoni(const QString &cartella, const QString &sotto, const QString &quali, EsitoVerifica &esito)
{
    const QDir dir(QDir(cartella).filePath(sotto));
    const int numero = int(dir.entryList({QStringLiteral("*.wav")}, QDir::Files).size());
    if (numero == 0) {
        esito.mancanti << QStringLiteral("MANCANO i suoni di %1 (%2/*.wav)").arg(quali, dir.path());
        return;
    }
    int buoni = 0;
    for (int i = 1; i <= numero; ++i) {
        const QString percorso = dir.filePath(QStringLiteral("%1.wav").arg(i));
        if (onda(percorso))
            ++buoni;
        else
            esito.mancanti << QStringLiteral("MANCA il suono %1 (assente o non è un file wave)").arg(percorso);
    }
    if (buoni == numero)
        esito.trovati << QStringLiteral("suoni di %1: %2 (%3)").arg(quali).arg(numero).arg(dir.path());
}

}

namespace Verifica {

EsitoVerifica dati(const QString &cartellaProgramma)
{
    EsitoVerifica esito;
    esito.trovati << QStringLiteral("cartella dei dati: %1").arg(cartellaProgramma);
    scene(cartellaProgramma, Catalogo::Famiglia::Addizione, esito);
    scene(cartellaProgramma, Catalogo::Famiglia::Sottrazione, esito);
    suoni(cartellaProgramma, QStringLiteral("suoni/si"), QStringLiteral("risposta giusta"), esito);
    suoni(cartellaProgramma, QStringLiteral("suoni/no"), QStringLiteral("risposta sbagliata"), esito);
    const QString guida = Percorsi::guida(cartellaProgramma);
    if (QFileInfo(guida).isFile())
        esito.trovati << QStringLiteral("guida: %1").arg(guida);
    else
        esito.mancanti << QStringLiteral("MANCA la guida %1").arg(guida);
    return esito;
}

void voce(EsitoVerifica &esito)
{
    Estensioni *estensioni = Estensioni::istanza();
    if (!estensioni) {
        esito.mancanti << QStringLiteral("MANCA il modulo della voce, dei suoni e del diario: %1")
                              .arg(Estensioni::errore());
        return;
    }
    estensioni->verificaVoce(esito.trovati, esito.mancanti);
}

int esegui(const QString &cartellaProgramma)
{
    EsitoVerifica esito = dati(cartellaProgramma);
    voce(esito);
    QTextStream uscita(stdout);
    uscita << "Calcolotti " CALCOLOTTI_VERSIONE "\n";
    for (const QString &riga : std::as_const(esito.trovati))
        uscita << riga << '\n';
    for (const QString &riga : std::as_const(esito.mancanti))
        uscita << riga << '\n';
    if (esito.mancanti.isEmpty()) {
        uscita << "tutto a posto\n";
        return 0;
    }
    const auto problemi = esito.mancanti.size();
    uscita << "verifica non riuscita: " << problemi << (problemi == 1 ? " problema\n" : " problemi\n");
    return 1;
}

}
