#pragma once

#include "core/Bambini.h"

#include <functional>

struct StatoProgramma;
class Diario;

// The children as folders of the settings folder: the first child's files are
// the ones the program always had; each further child has bambini/<n>/ with the
// same two files, and every child has a profilo.ini ([profilo] nome, immagine,
// ordine) once there are two. A folder copied there by hand is found at the
// next start. Which child played last is in bambini/ultimo.ini.
class ProfiliBambini : public Bambini
{
public:
    // `cartella`: the settings folder.
    ProfiliBambini(StatoProgramma &stato, const QString &cartella);
    // `salva` saves the settings as "Esci" does (and tells a failure);
    // `diario` gives the record, when there is one.
    void collega(std::function<bool(const StatoProgramma &)> salva, std::function<Diario *()> diario);

    // Reads the last child's settings into the record, at start.
    void caricaUltimo();
    // Reads this child's settings into the record and makes them the current
    // one, writing nothing: the child who played last stays as saved.
    void carica(int numero);

    QVector<Bambino> elenco() const override { return m_elenco; }
    Bambino attuale() const override;
    bool gioca(int numero) override;
    int aggiungi(const QString &nome, const QString &immagine) override;
    bool modifica(const Bambino &bambino) override;
    bool rimuovi(int numero) override;
    QString percorsoImpostazioni(int numero) const override;

private:
    QString cartellaDi(int numero) const;
    void rileggi();
    bool scriviProfilo(const Bambino &bambino) const;

    StatoProgramma &m_stato;
    QString m_cartella;
    std::function<bool(const StatoProgramma &)> m_salva;
    std::function<Diario *()> m_diario;
    QVector<Bambino> m_elenco;
    int m_attuale = 1;
};
