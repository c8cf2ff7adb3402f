#pragma once

#include <QObject>

class Diario;
class FormEsercizio;

// Follows one exercise screen and writes into the record what the child does:
// each exercise as it begins, each judged answer, its end. An exercise that
// the screen leaves before its end is recorded as unfinished.
class OsservatoreEsercizio : public QObject
{
public:
    // Nothing happens when the program keeps no record.
    static void segui(FormEsercizio *schermata);
    ~OsservatoreEsercizio() override;

private:
    OsservatoreEsercizio(FormEsercizio *schermata, Diario &diario);
    void iniziato();
    void risposta(int passo, int scelta, bool giusta);
    void chiudi(bool finito);

    FormEsercizio *m_schermata;
    Diario &m_diario;
    quint64 m_esercizio = 0;
    bool m_aperto = false;
    int m_ignorateFinora = 0;
};
