#include "shell/ComandiDiario.h"

#include "core/Estensioni.h"
#include "core/StatoProgramma.h"
#include "shell/ModuloPerIni.h"
#include "shell/Percorsi.h"
#include "shell/ProfiliBambini.h"

#include <cstdio>
#include <cstring>

namespace ComandiDiario {

namespace {

constexpr int GiorniMassimi = 36500;

void di(const QString &frase)
{
    std::fprintf(stderr, "calcolotti: %s\n", qUtf8Printable(frase));
}

}

std::optional<Richiesta> leggi(int argc, char **argv)
{
    std::optional<Richiesta> richiesta;
    bool giorni = false;
    QString errore;
    for (int i = 1; i < argc; ++i) {
        const char *opzione = argv[i];
        const bool csv = std::strcmp(opzione, "--esporta-diario") == 0;
        const bool pdf = std::strcmp(opzione, "--relazione") == 0;
        const bool chi = std::strcmp(opzione, "--bambino") == 0;
        const bool quanti = std::strcmp(opzione, "--giorni") == 0;
        if (!csv && !pdf && !chi && !quanti)
            continue;
        // An option's value never begins with "--": that is the next option.
        const bool valore = i + 1 < argc && std::strncmp(argv[i + 1], "--", 2) != 0 && argv[i + 1][0] != '\0';
        const QString testo = valore ? QString::fromLocal8Bit(argv[++i]) : QString();
        if (!valore && errore.isEmpty())
            errore = csv ? QStringLiteral("--esporta-diario vuole il nome del file CSV da scrivere.")
                   : pdf ? QStringLiteral("--relazione vuole il nome del file PDF da scrivere.")
                   : chi ? QStringLiteral("--bambino vuole il nome di un bambino.")
                         : QStringLiteral("--giorni vuole un numero di giorni.");
        if (!richiesta)
            richiesta = Richiesta{};
        if ((csv || pdf) && !richiesta->file.isEmpty() && errore.isEmpty())
            errore = QStringLiteral("Un solo file per volta: --esporta-diario oppure --relazione.");
        if (csv || pdf) {
            richiesta->relazione = pdf;
            richiesta->file = testo;
        }
        if (chi)
            richiesta->bambino = testo.trimmed();
        if (quanti && valore) {
            bool numero = false;
            richiesta->giorni = testo.toInt(&numero);
            giorni = true;
            if ((!numero || richiesta->giorni < 0 || richiesta->giorni > GiorniMassimi) && errore.isEmpty())
                errore = QStringLiteral("--giorni vuole un numero intero da 0 a %1, non «%2».").arg(GiorniMassimi).arg(testo);
        }
    }
    if (!richiesta)
        return richiesta;
    if (richiesta->file.isEmpty() && errore.isEmpty())
        errore = QStringLiteral("Manca --esporta-diario FILE.csv oppure --relazione FILE.pdf.");
    // The CSV always holds every answer the child gave.
    if (!richiesta->relazione && giorni && richiesta->giorni != 0 && errore.isEmpty())
        errore = QStringLiteral("--giorni vale solo con --relazione: il CSV contiene tutto il diario.");
    richiesta->errore = errore;
    return richiesta;
}

int esegui(const Richiesta &richiesta)
{
    if (!richiesta.errore.isEmpty()) {
        di(richiesta.errore);
        return 2;
    }
    StatoProgramma stato;
    ProfiliBambini bambini(stato, ModuloPerIni::CartellaImpostazioni());
    if (richiesta.bambino.isEmpty()) {
        bambini.caricaUltimo();
    } else {
        const QVector<Bambino> elenco = bambini.elenco();
        QStringList nomi;
        int numero = 0;
        for (const Bambino &b : elenco) {
            nomi << b.nome;
            if (numero == 0 && b.nome.compare(richiesta.bambino, Qt::CaseInsensitive) == 0)
                numero = b.numero;
        }
        if (numero == 0) {
            di(QStringLiteral("Nessun bambino si chiama «%1». %2")
                   .arg(richiesta.bambino, nomi.size() == 1
                                               ? QStringLiteral("L'unico bambino di questo computer è %1.").arg(nomi.first())
                                               : QStringLiteral("I bambini di questo computer sono: %1.")
                                                     .arg(nomi.join(QStringLiteral(", ")))));
            return 1;
        }
        bambini.carica(numero);
    }
    Estensioni *estensioni = Estensioni::istanza();
    if (!estensioni) {
        di(QStringLiteral("Manca una parte del programma (%1): reinstallare Calcolotti.").arg(Estensioni::errore()));
        return 1;
    }
    ComandoDiario comando;
    comando.cosa = richiesta.relazione ? ComandoDiario::Relazione : ComandoDiario::Csv;
    comando.file = richiesta.file;
    comando.diario = Percorsi::fileDiario();
    comando.bambino = bambini.attuale().numero;
    comando.nome = bambini.attuale().nome;
    comando.giorni = richiesta.giorni;
    QString errore;
    if (!estensioni->eseguiComando(comando, stato, errore)) {
        di(errore);
        return 1;
    }
    return 0;
}

}
