#pragma once

#include "core/Navigatore.h"
#include "exercises/FormEsercizio.h"

struct Servizi;

// The one place that knows every screen.
class FabbricaSchermate : public Navigatore
{
public:
    explicit FabbricaSchermate(Servizi &servizi);
    ~FabbricaSchermate() override;

    Schermata *crea(IdSchermata id) override;
    FormEsercizio *creaEsercizio(int numero) override;
    Schermata *avviaLivelloMisto(Schermata *da, int primo) override;
    // The first screen of the run: opened at a size a child can use.
    void mostraPrimo(Schermata *schermata);

private:
    Servizi &m_servizi;
};
