#pragma once

struct Servizi;
class Schermata;
class FormEsercizio;

enum class IdSchermata {
    Avvio,      // FormAvvio, the splash
    Menu,       // FormMenu
    Info,       // FormInfo
    Configura,  // FormConfigura, the input-mode screen
    Voce,       // Form10, the voice screen
};

// The one place that knows every screen: it creates them (not shown) for the
// screens that hand over with Schermata::cediA.
class Navigatore
{
public:
    explicit Navigatore(Servizi &servizi);

    Schermata *crea(IdSchermata id);
    // Form1 .. Form9.
    FormEsercizio *creaEsercizio(int numero);
    // The first screen of the run: opened at a size a child can use.
    void mostraPrimo(Schermata *schermata);

private:
    Servizi &m_servizi;
};
