#pragma once

#include "input/ControlloreInput.h"

#include <QPointer>
#include <QWidget>

class QLabel;
class BottoneColorato;
class QPushButton;
struct Servizi;

// A yes/no question asked inside the window for the scanning modes, scanned
// with the same keys and timing as the screen below it. "No" comes first, so
// an early or stray press changes nothing. The question is also spoken.
class ConfermaScansione : public QWidget, public BersaglioScansione
{
    Q_OBJECT
public:
    ConfermaScansione(QWidget *schermata, Servizi &servizi, const QString &domanda);

    // Covers the screen, says the question and starts the scan on "No".
    void apri();
    QPushButton *si() const;
    QPushButton *no() const;
    ControlloreInput &controllo() { return *m_controllo; }

    QVector<QVector<QWidget *>> scelte() const override;
    void colora(QWidget *scelta, bool evidenziata) override;
    void scegli(QWidget *scelta) override;

signals:
    // Sent once; the asker then deletes this.
    void risposta(bool si);

protected:
    bool eventFilter(QObject *oggetto, QEvent *evento) override;

private:
    void rispondi(bool si);
    void disponi();

    Servizi &m_servizi;
    QWidget *m_pannello;
    QLabel *m_domanda;
    BottoneColorato *m_no;
    BottoneColorato *m_si;
    ControlloreInput *m_controllo;
    bool m_risposto = false;
};
