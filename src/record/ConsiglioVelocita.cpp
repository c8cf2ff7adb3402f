#include "record/ConsiglioVelocita.h"

#include "core/Italiano.h"

#include <algorithm>

namespace ConsiglioVelocita {

namespace {

constexpr int Quarto = 250;
constexpr int Minimo = 1000, Massimo = 15000;

int mediana(QVector<int> valori)
{
    if (valori.isEmpty())
        return 0;
    std::sort(valori.begin(), valori.end());
    const int n = int(valori.size());
    return n % 2 ? valori[n / 2] : (valori[n / 2 - 1] + valori[n / 2]) / 2;
}

}

QString secondi(int ms)
{
    return Italiano::decimale(ms / 1000.0, 2);
}

Consiglio consiglia(const QVector<CampioneScansione> &campioniRecentiPrima, int intervalloMs)
{
    const QVector<CampioneScansione> campioni = campioniRecentiPrima.mid(0, MassimoCampioni);
    const int n = int(campioni.size());
    if (n < MinimoCampioni)
        return {intervalloMs, QStringLiteral("Servono almeno %1 risposte con la scansione automatica a %2 secondi "
                                             "per un consiglio (finora %3).")
                                  .arg(MinimoCampioni)
                                  .arg(secondi(intervalloMs))
                                  .arg(n)};
    int dopo = 0;
    QVector<int> reazioni;
    for (const CampioneScansione &c : campioni) {
        dopo += c.giri > 0 ? 1 : 0;
        reazioni << c.reazioneMs;
    }
    const int reazione = mediana(reazioni);
    const double quotaDopo = double(dopo) / n;
    const double quotaReazione = double(reazione) / intervalloMs;

    int passo = 0;
    QString perche;
    if (quotaDopo >= 0.2) {
        passo = quotaDopo >= 0.5 ? 2 * Quarto : Quarto;
        perche = QStringLiteral("Il bambino sceglie %1 al secondo giro o dopo (%2 risposte su %3)")
                     .arg(quotaDopo >= 0.8 ? QStringLiteral("quasi sempre") : QStringLiteral("spesso"))
                     .arg(dopo)
                     .arg(n);
    } else if (quotaReazione >= 0.75) {
        passo = Quarto;
        perche = QStringLiteral("Il bambino sceglie al primo giro ma preme tardi, in mediana dopo %1 secondi "
                                "dei %2 in cui la scelta resta accesa")
                     .arg(secondi(reazione), secondi(intervalloMs));
    } else if (quotaDopo <= 0.05 && quotaReazione <= 0.4) {
        passo = -Quarto;
        perche = QStringLiteral("Il bambino sceglie quasi sempre al primo giro e preme presto, in mediana dopo %1 secondi")
                     .arg(secondi(reazione));
    } else {
        return {intervalloMs, QStringLiteral("La velocità va bene: il bambino sceglie al primo giro in %1 risposte "
                                             "su %2 e preme in mediana dopo %3 secondi; resta a %4 secondi.")
                                  .arg(n - dopo)
                                  .arg(n)
                                  .arg(secondi(reazione), secondi(intervalloMs))};
    }
    const int nuovo = std::clamp(intervalloMs + passo, Minimo, Massimo);
    if (nuovo == intervalloMs)
        return {intervalloMs, perche + QStringLiteral(", ma la scansione è già al limite: resta a %1 secondi.")
                                           .arg(secondi(intervalloMs))};
    return {nuovo, perche + QStringLiteral(": prova %1 secondi invece di %2.").arg(secondi(nuovo), secondi(intervalloMs))};
}

}
