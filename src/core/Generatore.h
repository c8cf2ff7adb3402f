#pragma once

#include <random>

// The program's one random generator. Every draw is Rnd() in [0, 1); Int(n) is
// Int(Rnd × n), 0 to n − 1 with equal chance. Tests replace it with scripted draws.
class Generatore
{
public:
    virtual ~Generatore() = default;
    virtual double Rnd() = 0;
    int Int(int n) { return int(Rnd() * n); }
};

// Seeded once from the clock, so every run draws a different sequence.
class GeneratoreOrologio : public Generatore
{
public:
    GeneratoreOrologio();
    explicit GeneratoreOrologio(unsigned long long seme);
    double Rnd() override;

private:
    std::mt19937_64 m_motore;
    std::uniform_real_distribution<double> m_uniforme{0.0, 1.0};
};
