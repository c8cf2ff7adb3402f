#pragma once

#include <QString>
#include <cstdint>

// Input modes, as stored in ModalitaInput. Values outside 0..3 can come from a
// hand-edited settings file; they stay as read and prepare nothing.
namespace Modalita {
constexpr int16_t Mouse = 0;
constexpr int16_t ScansioneManuale = 1;     // two switches: Space moves, Enter selects
constexpr int16_t ScansioneAutomatica = 2;  // one switch: the timer moves, Space selects
constexpr int16_t Frecce = 3;               // arrow keys move, Enter selects
}

// How the scan fits the child; kept in a file of their own beside the settings.
// Every default but the pause after a choice keeps the plain scan.
struct OpzioniScansione {
    bool voce = false;            // each highlighted item says its name
    bool suono = false;           // a soft tick at every move
    double ritardoPrimo = 1.0;    // the first item stays lit this many intervals (1.0..3.0)
    int giri = 0;                 // whole loops without a press before the scan rests; 0 never
    int pressioneMinimaMs = 0;    // a shorter press is ignored
    int ignoraRipetuteMs = 0;     // a press this soon after a taken one is ignored
    bool gruppi = false;          // the numbers are scanned first as two groups
    bool bordo = false;           // the highlighted item gets a thick border too
    bool ingrandisci = false;     // the highlighted item is drawn larger
    int pausaDopoSceltaMs = 300;  // presses are ignored this long after a choice and after the program spoke
    int pressioneMassimaMs = 0;   // a press held longer chooses nothing; 0 never
};

// The single program-wide record: the seven persisted settings and the shared
// run state. Screens read and write it directly; nothing is notified.
struct StatoProgramma {
    // Persisted, in the order of the settings file.
    bool SuoniAttivati = true;
    bool DisabilitaMousePersonalizzato = false;
    double ColoreScansione = 255;  // 0x00BBGGRR
    int16_t NumeroVoce = 1;
    int16_t VelocitaVoce = 135;
    int16_t VelocitaScansione = 4;  // quarter seconds
    int16_t ModalitaInput = Modalita::Mouse;

    // Saved in their own file.
    OpzioniScansione Scansione;

    // Run state, never saved.
    int16_t SceltaCorrente = 0;
    int16_t Esatti = 0;
    int16_t Errati = 0;
    int16_t Casuale = 0;
    QString PercorsoIni;
    // Until when presses wait the pause after a choice, on the scan's clock: a
    // choice that opens another screen holds there too.
    qint64 QuieteFinoMs = 0;
};

// The scanning timer interval of automatic scanning. A hand-edited file may hold
// any 16-bit value: a quick step below the configuration screen's range is kept
// as written; only a step the timer cannot run (zero or less) is raised to a
// quarter second.
int intervalloScansioneMs(const StatoProgramma &stato);
