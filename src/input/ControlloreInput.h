#pragma once

#include "input/Evidenziazione.h"
#include "input/ModelloScansione.h"

#include <QObject>
#include <QPointer>
#include <QSet>
#include <QVector>

#include <memory>

class QKeyEvent;
class SpeechEngine;
class QWidget;
class Sveglia;
class Tempo;
struct Servizi;

// What a scanned screen (the menu, an exercise screen, a confirmation) offers
// the input model.
class BersaglioScansione
{
public:
    virtual ~BersaglioScansione() = default;
    // The choices on offer now, in scan order, in the screen's groups.
    virtual QVector<QVector<QWidget *>> scelte() const = 0;
    // Paints the highlight colour on a choice, or takes it off.
    virtual void colora(QWidget *scelta, bool evidenziata) = 0;
    virtual void scegli(QWidget *scelta) = 0;
};

enum class TipoSchermata { Menu, Esercizio };

// The input model of one screen: the scan (ModelloScansione) on the program's
// clock, and the keys of the current mode, wherever the user last clicked.
// The screen owns it.
//
// Keys are caught by an application event filter for every widget of the
// screen's window, so no button, check box or menu bar of the screen ever sees
// a key in the scanning modes: they reach only the scan, while the lit choice
// holds Qt's focus for assistive technology.
class ControlloreInput : public QObject
{
    Q_OBJECT
public:
    ControlloreInput(QWidget *schermata, BersaglioScansione &bersaglio, TipoSchermata tipo, Servizi &servizi);
    ~ControlloreInput() override;

    // Reads the mode, speed and options again and takes the keys; the scan
    // itself starts with ricomincia.
    void prepara();
    // A screen that is hidden (a mixed level's resting partner, one under a
    // confirmation) neither scans nor takes keys, until prepared again.
    void sospendi();
    // Scans in this mode whatever the settings say (the options' trial run).
    void impostaModalita(int16_t modalita) { m_modalitaPropria = modalita; }
    // The choices changed, or the program's speech ended: the scan starts again
    // on the first choice (riprendi: on the one lit before).
    void ricomincia();
    void riprendi();

    // While the program speaks, pauses or plays a sound inside a step, switch
    // and key presses are not answers. The scan starts again when the last
    // Occupazione goes (from the first choice, or from the lit one).
    class Occupazione
    {
    public:
        Occupazione() = default;
        Occupazione(ControlloreInput *controllo, bool dalPrimo);
        Occupazione(Occupazione &&altra) noexcept;
        Occupazione &operator=(Occupazione &&altra) noexcept;
        ~Occupazione();
        void libera();

    private:
        QPointer<ControlloreInput> m_controllo;
        bool m_dalPrimo = true;
    };
    Occupazione occupa(bool dalPrimo = true);
    // The same for a sound of known length.
    void occupaPer(int millisecondi, bool dalPrimo);

    // True while the screen takes keys and the clock.
    bool inAscolto() const;
    bool scansione() const;  // a scanning or keyboard mode is on
    // A click on a number or sign button of an exercise: taken only in the
    // mouse mode (the others use their switches or keys), and never while the
    // program speaks or within the pause after a choice (a double click).
    bool clicPreso(QWidget *scelta);
    QWidget *evidenziata() const { return m_accesa; }
    const ModelloScansione &modello() const { return m_modello; }
    // When the current choices became ready (ms on the input clock).
    qint64 prontoDa() const { return m_pronto; }
    Tempo &tempo() const { return m_tempo; }

signals:
    // A key or switch press was taken (for the record: response time).
    void pressionePresa();

protected:
    bool eventFilter(QObject *oggetto, QEvent *evento) override;

private:
    bool tastoDelCuratore(QObject *oggetto, QKeyEvent *tasto);
    void apriBarraMenu();
    void tieniFuoco(QWidget *nascosta);
    void tastoGiu(int tasto, bool ripetuto);
    void tastoSu(int tasto);
    void completaRilascio();
    void cambiaVelocita(int quarti);
    void applica(const ModelloScansione::Esito &esito, const char *evento, int tasto);
    void mostraEvidenza();
    void spegni();
    void daiFuoco(QWidget *w);
    void punta();
    void inizia(bool dalPrimo);
    void libera(bool dalPrimo);
    QString parolaDi(int gruppo, QWidget *voce, bool parlata) const;
    void dici(const QString &parola);
    ModelloScansione::Modo modo() const;

    QWidget *m_schermata;
    BersaglioScansione &m_bersaglio;
    TipoSchermata m_tipo;
    Servizi &m_servizi;
    Tempo &m_tempo;
    ModelloScansione m_modello;
    std::unique_ptr<Sveglia> m_sveglia;
    QVector<QWidget *> m_scelte;  // the items, flat, in the model's numbering
    QPointer<QWidget> m_accesa;
    QVector<QPointer<QWidget>> m_gruppoAcceso;
    Decorazioni m_decorazioni;
    bool m_sospeso = true;
    int m_occupazioni = 0;
    bool m_attesaDalPrimo = false;
    std::unique_ptr<Sveglia> m_fineOccupazione;  // a timed busy (a sound)
    bool m_fineDalPrimo = false;
    qint64 m_pronto = 0;
    QVector<int> m_dimensioni;
    QPointer<SpeechEngine> m_motore;
    int16_t m_modalitaPropria = -1;
    // The window system may miss the mark of an auto-repeated release; its
    // press follows at once, so a release is held back for a moment.
    std::unique_ptr<Sveglia> m_rilascio;
    int m_tastoRilasciato = 0;
    qint64 m_oraRilascio = 0;  // when that key went up
};
