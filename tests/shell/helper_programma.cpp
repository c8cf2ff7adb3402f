// Runs parts of the program in a process of their own, for the tests that need one:
//   blocca PERCORSO         holds the single-instance lock until killed, as a running copy does
//   salva crash|errore PERCORSO  saves under a file-size limit too small for the file:
//                           "crash" lets the limit kill the process in the middle of the
//                           write, "errore" makes the write fail and the save report it
//   avvia esci|estrai       runs the program with message boxes that print their text;
//                           "esci" goes from the splash to the menu and chooses "Esci",
//                           "estrai" prints three draws of the program's generator and ends
#include "BancoSchermate.h"
#include "shell/FormAvvio.h"
#include "shell/FormMenu.h"
#include "shell/Istanza.h"
#include "shell/Main.h"
#include "shell/ModuloPerIni.h"

#include <QLockFile>
#include <QTimer>
#include <csignal>
#include <cstdio>
#include <sys/resource.h>

namespace {

class DialoghiStampati : public Dialoghi
{
public:
    void errore(QWidget *, const QString &t, const QString &s) override { stampa("errore", t, s); }
    bool domanda(QWidget *, const QString &t, const QString &s) override { return stampa("domanda", t, s); }
    void avviso(QWidget *, const QString &t, const QString &s) override { stampa("avviso", t, s); }

private:
    static bool stampa(const char *tipo, const QString &titolo, const QString &testo)
    {
        std::printf("%s %s: %s\n", tipo, qPrintable(titolo), qPrintable(testo));
        return true;
    }
};

// One step at a time, each once its screen is there, as a user would.
void esci()
{
    if (auto *avvio = unicaVisibile<FormAvvio>()) {
        avvio->Command1()->click();
    } else if (auto *menu = unicaVisibile<FormMenu>()) {
        const bool cartella = QFileInfo::exists(ModuloPerIni::CartellaImpostazioni());
        std::printf("impostazioni %s\n", cartella ? "presenti" : "assenti");
        menu->AvviaEsercizi(FormMenu::VoceEsci);
        return;
    }
    QTimer::singleShot(20, &esci);
}

}

int main(int argc, char **argv)
{
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    const QByteArray modo = argc > 2 ? argv[1] : "";
    const QString percorso = argc > 3 ? QString::fromLocal8Bit(argv[3]) : QString::fromLocal8Bit(argv[2]);
    if (modo == "blocca" || modo == "salva") {
        QCoreApplication app(argc, argv);
        if (modo == "blocca") {
            const Istanza istanza = bloccaIstanza(percorso);
            std::printf(istanza.blocco ? "preso\n" : "rifiutato\n");
            return istanza.blocco ? app.exec() : 1;
        }
        StatoProgramma stato;
        stato.PercorsoIni = percorso;
        stato.SuoniAttivati = false;
        if (qstrcmp(argv[2], "errore") == 0)
            std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limite{8, 8};
        setrlimit(RLIMIT_FSIZE, &limite);
        return ModuloPerIni::SalvaImpostazioni(stato) ? 0 : 1;
    }
    QApplication app(argc, argv);
    PreparaApplicazione();
    DialoghiStampati dialoghi;
    const bool estrai = modo == "avvia" && qstrcmp(argv[2], "estrai") == 0;
    const int esito = Esegui(dialoghi, [estrai](Servizi &servizi) {
        QTimer::singleShot(0, [estrai, &servizi] {
            if (!estrai)
                return esci();
            for (int i = 0; i < 3; ++i)
                std::printf("%d ", servizi.casuale.Int(1000000));
            servizi.termina();
        });
    });
    std::printf("esito %d\n", esito);
    return esito;
}
