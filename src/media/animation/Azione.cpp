#include "media/animation/Azione.h"

#include <QtMath>
#include <algorithm>
#include <cmath>

namespace {

const QString SpazioNomi = QStringLiteral("urn:calcolotti:scena");

double numero(const QXmlStreamAttributes &attributi, const QString &nome, double predefinito)
{
    if (!attributi.hasAttribute(SpazioNomi, nome))
        return predefinito;
    bool ok = false;
    const double valore = attributi.value(SpazioNomi, nome).toDouble(&ok);
    return ok && std::isfinite(valore) ? valore : predefinito;
}

double morbido(double t) { return t * t * (3 - 2 * t); }

} // namespace

Azione Azione::daAttributi(const QXmlStreamAttributes &attributi)
{
    Azione azione;
    const QStringList parole = attributi.value(SpazioNomi, QStringLiteral("azione"))
                                   .toString().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (const QString &parola : parole) {
        if (parola == QLatin1String("sposta")) azione.effetti |= Sposta;
        else if (parola == QLatin1String("cadi")) azione.effetti |= Cadi;
        else if (parola == QLatin1String("salta")) azione.effetti |= Salta;
        else if (parola == QLatin1String("ruota")) azione.effetti |= Ruota;
        else if (parola == QLatin1String("scambia")) azione.effetti |= Scambia;
        else if (parola == QLatin1String("aggiungi")) azione.effetti |= Aggiungi;
        else if (parola == QLatin1String("pulsa")) azione.effetti |= Pulsa;
        else if (parola == QLatin1String("dissolvi")) azione.effetti |= Dissolvi;
    }
    const double durata = numero(attributi, QStringLiteral("durata"), azione.durata);
    // A zero or absurd duration would divide by zero or freeze a scene in motion.
    if (durata >= 0.05 && durata <= 60)
        azione.durata = durata;
    // Far beyond any canvas, but never so far that scaling overflows.
    constexpr double Limite = 10000;
    azione.dx = std::clamp(numero(attributi, QStringLiteral("dx"), 0), -Limite, Limite);
    azione.dy = std::clamp(numero(attributi, QStringLiteral("dy"), 0), -Limite, Limite);
    azione.altezza = std::clamp(numero(attributi, QStringLiteral("altezza"), azione.altezza), -Limite, Limite);
    azione.salti = std::clamp(int(numero(attributi, QStringLiteral("salti"), azione.salti)), 1, 20);
    azione.gradi = std::clamp(numero(attributi, QStringLiteral("gradi"), 0), -Limite, Limite);
    azione.scala = std::clamp(numero(attributi, QStringLiteral("scala"), azione.scala), 0.1, 5.0);
    azione.opacita = std::clamp(numero(attributi, QStringLiteral("opacita"), azione.opacita), 0.0, 1.0);
    azione.ampiezza = std::clamp(numero(attributi, QStringLiteral("ampiezza"), azione.ampiezza), -Limite, Limite);

    const auto ciclo = attributi.value(SpazioNomi, QStringLiteral("ciclo"));
    if (ciclo == QLatin1String("oscilla")) azione.ciclo = Ciclo::Oscilla;
    else if (ciclo == QLatin1String("salta")) azione.ciclo = Ciclo::Salta;
    else if (ciclo == QLatin1String("pulsa")) azione.ciclo = Ciclo::Pulsa;
    return azione;
}

double Azione::fine() const
{
    return durata + (ciclo == Ciclo::Nessuno ? 0 : DurataCiclo);
}

bool Posa::operator==(const Posa &altra) const
{
    return qFuzzyCompare(1 + dx, 1 + altra.dx) && qFuzzyCompare(1 + dy, 1 + altra.dy)
        && qFuzzyCompare(1 + gradi, 1 + altra.gradi) && qFuzzyCompare(scala, altra.scala)
        && qFuzzyCompare(1 + opacita, 1 + altra.opacita) && qFuzzyCompare(1 + prima, 1 + altra.prima)
        && qFuzzyCompare(1 + dopo, 1 + altra.dopo);
}

Posa posaAl(const Azione &azione, double secondi)
{
    Posa posa;
    const double t = std::clamp(secondi / azione.durata, 0.0, 1.0);
    const int e = azione.effetti;
    if (e & Azione::Sposta) {
        posa.dx += azione.dx * morbido(t);
        posa.dy += azione.dy * morbido(t);
    }
    if (e & Azione::Cadi) {
        posa.dx += azione.dx * t * t;
        posa.dy += azione.dy * t * t;
    }
    if (e & Azione::Salta)
        posa.dy -= azione.altezza * std::abs(std::sin(M_PI * azione.salti * t));
    if (e & Azione::Ruota)
        posa.gradi += azione.gradi * morbido(t);
    if (e & Azione::Pulsa)
        posa.scala *= 1 + (azione.scala - 1) * std::sin(M_PI * t);
    if (e & Azione::Dissolvi)
        posa.opacita *= 1 + (azione.opacita - 1) * t;
    if (e & Azione::Scambia) {
        // Overlapping fades: two half-transparent drawings would show the scenery through the object.
        posa.prima = std::min(1.0, 2 * (1 - t));
        posa.dopo = std::min(1.0, 2 * t);
    } else if (e & Azione::Aggiungi) {
        posa.dopo = t;
    }

    const double c = secondi - azione.durata;
    if (azione.ciclo != Azione::Ciclo::Nessuno && c > 0 && c < Azione::DurataCiclo) {
        // Fade the loop in and out so it neither jerks on nor snaps off.
        const double inviluppo = std::min({1.0, c / 0.3, (Azione::DurataCiclo - c) / 1.0});
        switch (azione.ciclo) {
        case Azione::Ciclo::Oscilla:
            posa.gradi += azione.ampiezza * inviluppo * std::sin(2 * M_PI * c / 1.0);
            break;
        case Azione::Ciclo::Salta:
            posa.dy -= 10 * inviluppo * std::abs(std::sin(M_PI * c / 0.5));
            break;
        case Azione::Ciclo::Pulsa:
            posa.scala *= 1 + 0.06 * inviluppo * std::sin(2 * M_PI * c / 1.2);
            break;
        case Azione::Ciclo::Nessuno:
            break;
        }
    }
    return posa;
}
