#pragma once

#include "core/Schermata.h"
#include "resources/CaratteriInScala.h"

class QListWidget;
class QPushButton;

// The adult's list of the children who play on this computer ("Impostazioni →
// Bambini…"): add, rename, change picture, reorder, remove, set up a child's
// input mode, voice and scanning, move a child to or from another computer.
// Mouse and keyboard only.
class FormBambini : public Schermata
{
    Q_OBJECT
public:
    explicit FormBambini(Servizi &servizi, QWidget *parent = nullptr);

    // What the buttons do, for the selected child; the file for the two
    // moves is asked with a file dialog by the buttons.
    void aggiungi();
    void rinomina(int numero);
    void cambiaImmagine(int numero, const QString &immagine);
    void sposta(int numero, int verso);  // -1 up, +1 down
    void rimuovi(int numero);
    void imposta(int numero);
    bool esporta(int numero, const QString &file);
    bool importa(const QString &file);
    QListWidget *elenco() const { return m_elenco; }

protected:
    void Form_Activate() override;
    void richiestaChiusura() override;
    void resizeEvent(QResizeEvent *evento) override;

private:
    void riempi(int selezionato);
    int selezionato() const;
    void sceltaImmagine(int numero);
    void esci();

    QListWidget *m_elenco;
    QPushButton *m_rimuovi;
    CaratteriInScala m_caratteri;
};
