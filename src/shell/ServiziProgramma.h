#pragma once

#include "config/SceltaColoreDialogo.h"
#include "core/Chiusura.h"
#include "core/Generatore.h"
#include "core/Servizi.h"
#include "media/SuoniProgramma.h"
#include "media/VoceProgramma.h"
#include "shell/Piattaforma.h"

#include <QMetaObject>

#include <functional>
#include <memory>

class Diario;
class SpeechEngine;

// The real services of a run, built and owned together: the program uses one,
// and so do the benchmarks that measure the real thing.
class ServiziProgramma
{
public:
    using CreaMotore = std::function<std::unique_ptr<SpeechEngine>()>;

    // Without a speech-engine factory the real espeak-ng engine is used; without
    // message boxes, the real ones.
    ServiziProgramma(StatoProgramma &stato, const QString &cartellaProgramma, CreaMotore creaMotore = {},
                     Dialoghi *dialoghi = nullptr);
    ~ServiziProgramma();

    Servizi &servizi() { return m_servizi; }
    // Keeps the record of the child's work in that file from now on.
    void apriDiario(const QString &percorso);
    GeneratoreOrologio &casuale() { return m_casuale; }
    // The run ends from outside: saved as "Esci" saves, a failure only logged
    // (nobody is there to read a message), and the record written out.
    void congedo();

private:
    bool salva(const StatoProgramma &stato, bool dire = true);

    Chiusura m_chiusura;
    GeneratoreOrologio m_casuale;
    CreaMotore m_creaMotore;
    VoceProgramma m_voce;
    AttesaProgramma m_attesa;
    SuoniProgramma m_suoni;
    DialoghiMessaggi m_dialoghi;
    SceltaColoreDialogo m_colore;
    DocumentiDesktop m_documenti;
    Servizi m_servizi;
    std::unique_ptr<Diario> m_diario;
    QMetaObject::Connection m_fine;
};
