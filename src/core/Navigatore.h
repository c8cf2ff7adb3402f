#pragma once

class Schermata;

enum class IdSchermata {
    Avvio,      // FormAvvio, the splash
    Menu,       // FormMenu
    Info,       // FormInfo
    Configura,  // FormConfigura, the input-mode screen
    Voce,       // Form10, the voice screen
    OpzioniScansione,  // the scanning options, from the input-mode screen
    Progressi,  // FormProgressi, the record for the adult
    ChiGioca,   // FormChiGioca, "Chi gioca?": which child plays
    Bambini,    // FormBambini, the adult's list of children
};

// How a screen asks for the next one without knowing every screen: the
// program's factory (FabbricaSchermate) creates them, not shown, for the
// hand-over of Schermata::cediA.
class Navigatore
{
public:
    virtual ~Navigatore() = default;
    virtual Schermata *crea(IdSchermata id) = 0;
    // Form1 .. Form9.
    virtual Schermata *creaEsercizio(int numero) = 0;
    // A mixed level: both screens of the pair of `primo` (6 or 8), the drawn
    // one shown in place of `da`; returns the screen shown.
    virtual Schermata *avviaLivelloMisto(Schermata *da, int primo) = 0;
};
