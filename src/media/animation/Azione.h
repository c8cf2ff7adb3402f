#pragma once

#include <QString>
#include <QXmlStreamAttributes>

// What one clip does when played, as its scene file declares it, and the pose
// it takes at any moment of its action.
struct Azione
{
    enum Effetto {
        Sposta = 1 << 0,
        Cadi = 1 << 1,
        Salta = 1 << 2,
        Ruota = 1 << 3,
        Scambia = 1 << 4,
        Aggiungi = 1 << 5,
        Pulsa = 1 << 6,
        Dissolvi = 1 << 7,
    };
    enum class Ciclo { Nessuno, Oscilla, Salta, Pulsa };

    int effetti = 0;
    double durata = 1.5;   // seconds
    double dx = 0, dy = 0;
    double altezza = 30;
    int salti = 2;
    double gradi = 0;
    double scala = 1.2;
    double opacita = 1;    // final opacity of `dissolvi`
    Ciclo ciclo = Ciclo::Nessuno;
    double ampiezza = 6;   // degrees of `oscilla`

    // Loops rest after this long, so a still scene costs nothing.
    static constexpr double DurataCiclo = 6.0;

    // Reads the c:* attributes of a clip group; unknown words and bad numbers
    // fall back to the defaults.
    static Azione daAttributi(const QXmlStreamAttributes &attributi);

    // Seconds from the start of the action to the moment the clip rests for good.
    double fine() const;
};

struct Posa
{
    double dx = 0, dy = 0;   // scene units
    double gradi = 0;        // about the clip's centre
    double scala = 1;        // about the clip's centre
    double opacita = 1;      // multiplies the whole clip
    double prima = 1;        // opacity of the standing drawing
    double dopo = 0;         // opacity of the acted drawing

    bool operator==(const Posa &altra) const;
};

// The pose `secondi` seconds after the action started (0 = the initial state).
Posa posaAl(const Azione &azione, double secondi);
