#pragma once

// A test bench for one exercise screen on fake services: scripted draws, a log
// of every outside call, and at every wait a snapshot of the step and of the
// number buttons' colours, so the order of speaking, pausing, repainting and
// moving on can be compared with what each screen must do.

#include "Finti.h"
#include "exercises/FormEsercizio.h"
#include "exercises/catalog/Catalogo.h"
#include "core/Colori.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

// The value of Rnd that makes Int(Rnd × n) give k.
inline double estrai(int k, int n) { return (k + 0.5) / n; }

struct Esercizio {
    int totale = 5;
    int parte = 2;     // subtraction: the objects that act; addition: the group asked second
    int scena = 7;
    int casuale = 1;   // the zero draw: 0 allows a part or rest of 0
    int ordine = 0;    // addition: 1 asks group B first
    int resto() const { return totale - parte; }
};
Q_DECLARE_METATYPE(Esercizio)

inline QVector<double> estrazioni(const Esercizio &e, bool addizione)
{
    QVector<double> v{estrai(e.totale - 2, 9), estrai(e.casuale, 3), estrai(e.parte, e.totale + 1),
                      estrai(e.scena - 1, addizione ? 30 : 23)};
    if (addizione)
        v << estrai(e.ordine, 2);
    return v;
}

constexpr uint32_t ColoreEvidenziato = 0x00FF00;

class Banco
{
public:
    Banco(int numero, const Esercizio &esercizio, int16_t modo = Modalita::ScansioneManuale)
        : e(esercizio)
    {
        f.stato.ModalitaInput = modo;
        f.stato.ColoreScansione = ColoreEvidenziato;
        s = new FormEsercizio(f.servizi, numero);
        addizione = s->descrizione().famiglia == Catalogo::Famiglia::Addizione;
        Catalogo::LeggiFrasi(s->descrizione().famiglia, frasi);
        f.casuale.imposta(estrazioni(e, addizione));
        f.voce.durante = [this](const QString &) { annota(); };
        f.attesa.durante = [this](double) { annota(); };
    }
    ~Banco() { delete s.data(); }

    // Shows the screen and waits for its activation (the first exercise).
    bool avvia()
    {
        QSignalSpy attivata(s.data(), &Schermata::attivata);
        s->show();
        return attivata.count() > 0 || attivata.wait(2000);
    }

    QPushButton *numero(int i) const { return s->findChild<QPushButton *>(QStringLiteral("Command1_%1").arg(i)); }
    QPushButton *segno(int i) const { return s->findChild<QPushButton *>(QStringLiteral("Command2_%1").arg(i)); }
    QPushButton *avanti() const { return s->findChild<QPushButton *>(QStringLiteral("Command3")); }
    QLabel *etichetta(int n) const { return s->findChild<QLabel *>(QStringLiteral("Label%1").arg(n)); }
    static bool segni(int passo) { return passo == 5 || passo == 7; }

    // Chooses button k of the current step's group the way the input mode does.
    void scegli(int k)
    {
        const int passo = s->modello().PassoCorrente();
        if (f.stato.ModalitaInput == Modalita::Mouse) {
            if (segni(passo))
                s->Command2_Click(k);
            else
                s->Command1_Click(k);
            return;
        }
        for (int giri = 0; f.stato.SceltaCorrente != k && giri < 12; ++giri)
            s->seguente();
        s->seleziona();
    }

    // The right choice at each step of the exercise as drawn.
    int giusta(int passo) const
    {
        const int t = e.totale, p = e.parte, r = e.resto();
        if (addizione) {
            switch (passo) {
            case 1: case 51: return r;
            case 2: case 52: return p;
            case 3: case 8: return t;
            case 4: return r;
            case 6: return p;
            case 5: return 0;
            case 7: return 2;
            }
        } else {
            switch (passo) {
            case 1: case 4: return t;
            case 2: case 6: return p;
            case 3: case 8: return r;
            case 5: return 1;
            case 7: return 2;
            }
        }
        return -1;
    }

    QVector<int> percorso() const
    {
        if (addizione && e.ordine == 1)
            return {51, 52, 3, 4, 5, 6, 7, 8};
        return {1, 2, 3, 4, 5, 6, 7, 8};
    }

    // Answers right until the screen stands at `passo`.
    void portaA(int passo)
    {
        for (int p : percorso()) {
            if (p == passo || s->modello().PassoCorrente() == passo)
                return;
            scegli(giusta(p));
        }
    }

    void completa() { portaA(-1); }

    QString operazione() const
    {
        if (addizione)
            return QStringLiteral(" %1 + %2 = %3").arg(e.resto()).arg(e.parte).arg(e.totale);
        return QStringLiteral(" %1 - %2 = %3").arg(e.totale).arg(e.parte).arg(e.resto());
    }

    // What label n must say in this exercise, straight from the catalog.
    QString testo(int n) const
    {
        using namespace Catalogo;
        const int sc = e.scena;
        if (n == 7)
            return QStringLiteral("Ora scrivi l'operazione");
        if (!addizione) {
            switch (n) {
            case 1: return frasi.frase(sc, 0);
            case 2: return enunciato(frasi, sc, Quantita::Totale, e.totale);
            case 3: return frasi.frase(sc, 4);
            case 4: return enunciato(frasi, sc, Quantita::Parte, e.parte);
            case 5: return frasi.frase(sc, 9);
            case 6: return enunciato(frasi, sc, Quantita::Resto, e.resto());
            }
            return {};
        }
        const bool inv = e.ordine == 1;
        switch (n) {
        case 1: return frasi.frase(sc, inv ? 5 : 0);
        case 2: return enunciato(frasi, sc, inv ? Quantita::GruppoB : Quantita::GruppoA, e.resto());
        case 3: return frasi.frase(sc, inv ? 0 : 5);
        case 4: return enunciato(frasi, sc, inv ? Quantita::GruppoA : Quantita::GruppoB, e.parte);
        case 5: return frasi.frase(sc, 10);
        case 6: return enunciato(frasi, sc, Quantita::Intero, e.totale);
        }
        return {};
    }

    QStringList clip(const QString &gruppo) const
    {
        const int t = e.totale, p = e.parte, r = e.resto();
        const bool inv = e.ordine == 1;
        QChar lettera('a');
        int da = 1, a = 0;
        if (gruppo == QLatin1String("Agenti")) a = p;
        else if (gruppo == QLatin1String("Fermi")) { da = p + 1; a = t; }
        else if (gruppo == QLatin1String("Tutti")) a = t;
        else if (gruppo == QLatin1String("Primo")) { lettera = QChar(inv ? 'b' : 'a'); a = r; }
        else if (gruppo == QLatin1String("Secondo")) { lettera = QChar(inv ? 'a' : 'b'); a = p; }
        QStringList nomi;
        for (int i = da; i <= a; ++i)
            nomi << QStringLiteral("_root.%1%2").arg(lettera).arg(i);
        return nomi;
    }

    // Expands a compact expectation ("Parla 2; @2*; TPlay Agenti; Pausa 0.5")
    // into the log lines. `scelta` is the button chosen, highlighted by the walk.
    QStringList atteso(const QString &traccia, int scelta) const
    {
        QStringList righe;
        for (QString voce : traccia.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
            voce = voce.trimmed();
            const QStringList p = voce.split(QLatin1Char(' '));
            if (voce.startsWith(QLatin1Char('@'))) {
                const QChar modo = voce.back();
                QString n(11, QLatin1Char('.'));
                if (modo == QLatin1Char('*'))
                    n[scelta] = QLatin1Char('h');
                righe << QStringLiteral("@ p%1 %2").arg(voce.mid(1, voce.size() - 2), n);
            } else if (p[0] == QLatin1String("Parla")) {
                righe << QStringLiteral("Parla %1").arg(p[1] == QLatin1String("op") ? operazione() : testo(p[1].toInt()));
            } else if (p[0] == QLatin1String("TPlay")) {
                for (const QString &c : clip(p[1]))
                    righe << QStringLiteral("TPlay %1").arg(c);
            } else if (p[0] == QLatin1String("Op")) {
                for (const QString &c : clip(p[1]))
                    righe << QStringLiteral("TSetProperty %1 6 %2").arg(c, p[2]);
            } else if (p[0] == QLatin1String("Mostra")) {
                for (const QString &c : clip(p[1]))
                    righe << QStringLiteral("TSetProperty %1 7 1").arg(c) << QStringLiteral("TStopPlay %1").arg(c);
            } else if (p[0] == QLatin1String("Tenue")) {
                for (const QString &c : clip(p[1]))
                    righe << QStringLiteral("TSetProperty %1 7 1").arg(c) << QStringLiteral("TSetProperty %1 6 35").arg(c)
                          << QStringLiteral("TStopPlay %1").arg(c);
            } else if (p[0] == QLatin1String("Tutte")) {
                // The final play: both groups, all ten clips each.
                for (int i = 1; i <= 10; ++i)
                    righe << QStringLiteral("TPlay _root.a%1").arg(i) << QStringLiteral("TPlay _root.b%1").arg(i);
            } else if (p[0] == QLatin1String("Movie")) {
                righe << QStringLiteral("Movie %1/scenes/%2%3.svg")
                             .arg(f.servizi.cartellaProgramma, addizione ? QStringLiteral("a") : QStringLiteral("b"))
                             .arg(e.scena);
            } else if (p[0] == QLatin1String("BGColor")) {
                righe << QStringLiteral("BGColor %1").arg(frasi.frase(e.scena, 14));
            } else {
                righe << voce;
            }
        }
        return righe;
    }

    // Colours of the number buttons: '.' neutral, 'r' wrong, 'h' highlighted.
    QString colori() const
    {
        QString n;
        for (int i = 0; i <= 10; ++i) {
            const uint32_t c = FormEsercizio::colore(numero(i));
            n += c == Colori::Neutro ? QLatin1Char('.') : c == Colori::Sbagliato ? QLatin1Char('r')
                 : c == ColoreEvidenziato ? QLatin1Char('h') : QLatin1Char('?');
        }
        return n;
    }

    void annota()
    {
        if (s)
            f.registro.scrivi(QStringLiteral("@ p%1 %2").arg(s->modello().PassoCorrente()).arg(colori()));
    }

    ServiziFinti f;
    Esercizio e;
    QPointer<FormEsercizio> s;
    Catalogo::TabellaFrasi frasi;
    bool addizione = false;
};
