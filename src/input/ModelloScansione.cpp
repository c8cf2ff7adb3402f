#include "input/ModelloScansione.h"

#include <QtGlobal>
#include <algorithm>
#include <cmath>

namespace {

bool invio(int tasto) { return tasto == Qt::Key_Return || tasto == Qt::Key_Enter; }

}

void ModelloScansione::configura(const Config &config)
{
    m_config = config;
    imposta(m_dimensioni);
}

void ModelloScansione::imposta(const QVector<int> &dimensioni)
{
    m_dimensioni = dimensioni;
    m_entrate.clear();
    m_voci = 0;
    const bool gruppi = m_config.opzioni.gruppi && m_config.modo != Modo::Spento;
    for (int dimensione : dimensioni) {
        QVector<int> voci;
        for (int i = 0; i < dimensione; ++i)
            voci << m_voci++;
        if (gruppi || voci.size() <= 1) {
            if (!voci.isEmpty())
                m_entrate << voci;
        } else {
            for (int voce : std::as_const(voci))
                m_entrate << QVector<int>{voce};
        }
    }
    m_dentro = -1;
    m_pos = 0;
    m_acceso = false;
}

QVector<int> ModelloScansione::vociDelGruppo(int gruppo) const
{
    return m_entrate.value(gruppo);
}

int ModelloScansione::lunghezzaLista() const
{
    return m_dentro >= 0 ? int(m_entrate.at(m_dentro).size()) : int(m_entrate.size());
}

qint64 ModelloScansione::primaDurata() const
{
    if (m_config.modo != Modo::Automatica)
        return m_config.intervalloMs;
    const double volte = qBound(1.0, m_config.opzioni.ritardoPrimo, 3.0);
    return qint64(std::llround(m_config.intervalloMs * volte));
}

ModelloScansione::Esito ModelloScansione::accendi(qint64 ora, qint64 durata)
{
    m_acceso = true;
    m_riposo = false;
    m_parola = false;
    m_inizio = ora;
    m_durata = durata;
    return {Cosa::Sposta};
}

ModelloScansione::Esito ModelloScansione::avvia(qint64 ora)
{
    m_dentro = -1;
    m_pos = 0;
    m_giri = 0;
    m_giriFatti = 0;
    m_ignorate = 0;
    if (m_entrate.isEmpty()) {
        m_acceso = false;
        return {Cosa::Spegni};
    }
    return accendi(ora, primaDurata());
}

ModelloScansione::Esito ModelloScansione::riprendi(qint64 ora)
{
    if (m_riposo || m_entrate.isEmpty() || m_pos >= lunghezzaLista())
        return avvia(ora);
    m_giri = 0;
    m_giriFatti = 0;
    m_ignorate = 0;
    return accendi(ora, primaDurata());
}

ModelloScansione::Azione ModelloScansione::azioneDel(int tasto) const
{
    switch (m_config.modo) {
    case Modo::Automatica:
        return tasto == Qt::Key_Space ? Azione::Scegli : Azione::Nessuna;
    case Modo::Manuale:
        if (tasto == Qt::Key_Space)
            return Azione::Avanti;
        return invio(tasto) ? Azione::Scegli : Azione::Nessuna;
    case Modo::Frecce:
        switch (tasto) {
        case Qt::Key_Right:
        case Qt::Key_Down:
            return Azione::Avanti;
        case Qt::Key_Left:
        case Qt::Key_Up:
            return Azione::Indietro;
        case Qt::Key_Space:
            return m_config.menu ? Azione::Scegli : Azione::Nessuna;
        default:
            return invio(tasto) ? Azione::Scegli : Azione::Nessuna;
        }
    case Modo::Spento:
        break;
    }
    return Azione::Nessuna;
}

bool ModelloScansione::agisceAlRilascio(Azione azione) const
{
    Q_UNUSED(azione);
    // A press is judged by how long it was held: only its release can tell.
    if (m_config.modo == Modo::Automatica || m_config.opzioni.pressioneMinimaMs > 0
        || m_config.opzioni.pressioneMassimaMs > 0)
        return true;
    return m_config.modo == Modo::Frecce && !m_config.menu;
}

ModelloScansione::Esito ModelloScansione::ignora(const QString &motivo, bool contata)
{
    if (contata) {
        ++m_ignorate;
        ++m_ignorateInTutto;
    }
    return {Cosa::Ignora, -1, motivo};
}

void ModelloScansione::occupa(bool occupato, qint64 ora)
{
    // The child needs a moment to see what is lit once the program is silent.
    if (m_occupato && !occupato)
        quiete(ora, "the program spoke");
    m_occupato = occupato;
}

void ModelloScansione::quiete(qint64 ora, const char *dopo)
{
    const qint64 fino = ora + m_config.opzioni.pausaDopoSceltaMs;
    if (fino <= m_quieteFino)
        return;
    m_quieteDa = ora;
    m_quieteFino = fino;
    m_quieteDopo = dopo;
}

void ModelloScansione::quieteAlmenoFino(qint64 fino)
{
    if (fino <= m_quieteFino)
        return;
    m_quieteDa = fino - m_config.opzioni.pausaDopoSceltaMs;
    m_quieteFino = fino;
    m_quieteDopo = "a choice on the screen before";
}

QString ModelloScansione::motivoQuiete(qint64 ora) const
{
    return QStringLiteral("%1 ms after %2 (pause after a choice %3 ms)")
        .arg(ora - m_quieteDa)
        .arg(QLatin1String(m_quieteDopo))
        .arg(m_config.opzioni.pausaDopoSceltaMs);
}

ModelloScansione::Esito ModelloScansione::clic(qint64 ora)
{
    if (m_occupato)
        return ignora(QStringLiteral("the program is speaking"));
    if (ora < m_quieteFino)
        return ignora(motivoQuiete(ora));
    quiete(ora, "a choice");
    return {Cosa::Scegli};
}

void ModelloScansione::parolaFinita(qint64 ora)
{
    if (!m_parola)
        return;
    m_parola = false;
    m_inizio = ora;
}

ModelloScansione::Esito ModelloScansione::premi(int tasto, qint64 ora, bool ripetuto)
{
    const Azione azione = azioneDel(tasto);
    if (azione == Azione::Nessuna)
        return ripetuto ? Esito{} : ignora(QStringLiteral("not a key of this mode"), false);
    if (ripetuto) {
        const auto trovata = m_giu.constFind(tasto);
        // Held since before this screen came up (the Enter that opened it).
        if (trovata == m_giu.constEnd())
            return {};
        // A held switch selects once; only a held move key walks on.
        if (trovata->ignorata || agisceAlRilascio(azione) || azione == Azione::Scegli || m_occupato
            || ora < m_quieteFino)
            return {};
        if (ora - m_ultimaPresa < m_config.opzioni.ignoraRipetuteMs)
            return {};
        return esegui(azione, ora);
    }
    Pressione pressione;
    pressione.inizio = ora;
    if (m_occupato) {
        pressione.ignorata = true;
        pressione.motivo = QStringLiteral("the program is speaking");
    } else if (ora < m_quieteFino) {
        pressione.ignorata = true;
        pressione.motivo = motivoQuiete(ora);
    } else if (ora - m_ultimaPresa < m_config.opzioni.ignoraRipetuteMs) {
        pressione.ignorata = true;
        pressione.motivo = QStringLiteral("%1 ms after the last taken press (ignore repeats %2 ms)")
                               .arg(ora - m_ultimaPresa)
                               .arg(m_config.opzioni.ignoraRipetuteMs);
    }
    m_giu.insert(tasto, pressione);
    if (pressione.ignorata)
        return ignora(pressione.motivo);
    m_reazione = ora - m_inizio;
    if (m_config.modo == Modo::Automatica)
        m_tenuto = true;
    if (agisceAlRilascio(azione))
        return {};
    return esegui(azione, ora);
}

ModelloScansione::Esito ModelloScansione::rilascia(int tasto, qint64 ora)
{
    const Azione azione = azioneDel(tasto);
    if (!m_giu.contains(tasto))
        return azione == Azione::Nessuna ? Esito{} : ignora(QStringLiteral("its press was not seen here"), false);
    const Pressione pressione = m_giu.take(tasto);
    if (pressione.ignorata)
        return ignora(QStringLiteral("its press was ignored"), false);
    const bool teneva = m_config.modo == Modo::Automatica && m_tenuto;
    if (teneva)
        m_tenuto = false;
    if (!agisceAlRilascio(azione))
        return {};
    if (m_occupato)
        return ignora(QStringLiteral("the program is speaking"));
    const qint64 durata = ora - pressione.inizio;
    // Too short: as if it never happened, the scan keeps its pace.
    if (durata < m_config.opzioni.pressioneMinimaMs)
        return ignora(QStringLiteral("a press of %1 ms, shorter than %2 ms")
                          .arg(durata)
                          .arg(m_config.opzioni.pressioneMinimaMs));
    // The scan was held; it goes on a full interval from now.
    if (teneva) {
        m_inizio = ora;
        m_durata = m_config.intervalloMs;
    }
    if (m_config.opzioni.pressioneMassimaMs > 0 && durata > m_config.opzioni.pressioneMassimaMs) {
        ++m_ignorate;
        ++m_ignorateInTutto;
        return {Cosa::Annulla, -1,
                QStringLiteral("held %1 ms, longer than %2 ms: nothing chosen")
                    .arg(durata)
                    .arg(m_config.opzioni.pressioneMassimaMs)};
    }
    return esegui(azione, ora);
}

ModelloScansione::Esito ModelloScansione::esegui(Azione azione, qint64 ora)
{
    m_ultimaPresa = ora;
    // A press wakes a resting scan on its first item and chooses nothing.
    if (m_riposo || !m_acceso) {
        quiete(ora, "waking the scan");
        // The loops made before the scan came to rest still count.
        const int giri = m_giriFatti;
        const Esito esito = avvia(ora);
        m_giriFatti = giri;
        return esito;
    }
    m_giri = 0;
    switch (azione) {
    case Azione::Avanti:
        return muovi(+1, ora, false);
    case Azione::Indietro:
        return muovi(-1, ora, false);
    case Azione::Scegli:
        return scegli(ora);
    case Azione::Nessuna:
        break;
    }
    return {};
}

ModelloScansione::Esito ModelloScansione::scegli(qint64 ora)
{
    // A bouncing switch or a double press must not choose twice.
    quiete(ora, "a choice");
    if (m_dentro < 0 && m_entrate.at(m_pos).size() > 1) {
        m_dentro = m_pos;
        m_pos = 0;
        return accendi(ora, primaDurata());
    }
    const int voce = evidenza().voce;
    // If nobody restarts the scan, it goes on from the chosen item.
    m_inizio = ora;
    m_durata = primaDurata();
    return {Cosa::Scegli, voce};
}

ModelloScansione::Esito ModelloScansione::muovi(int verso, qint64 ora, bool automatico)
{
    const int quanti = lunghezzaLista();
    if (quanti == 0)
        return {};
    int prossima = m_pos + verso;
    if (m_dentro >= 0) {
        if (prossima < 0 || prossima >= quanti) {
            m_giriFatti += automatico ? 1 : 0;
            // A whole loop inside a group without a choice: back to the groups.
            m_pos = m_dentro;
            m_dentro = -1;
        } else {
            m_pos = prossima;
        }
        return accendi(ora, m_config.intervalloMs);
    }
    if (prossima >= quanti) {
        prossima = 0;
        m_giriFatti += automatico ? 1 : 0;
        if (automatico && m_config.opzioni.giri > 0 && ++m_giri >= m_config.opzioni.giri) {
            m_riposo = true;
            m_acceso = false;
            return {Cosa::Spegni};
        }
    } else if (prossima < 0) {
        prossima = quanti - 1;
    }
    m_pos = prossima;
    return accendi(ora, m_config.intervalloMs);
}

ModelloScansione::Esito ModelloScansione::scadenza(qint64 ora)
{
    if (prossimaScadenza() > ora)
        return {};
    return muovi(+1, ora, true);
}

qint64 ModelloScansione::prossimaScadenza() const
{
    if (m_config.modo != Modo::Automatica || !m_acceso || m_riposo || m_occupato || m_tenuto || m_parola
        || m_entrate.isEmpty())
        return Mai;
    // An item lit while presses wait still stays its whole time after the wait.
    return std::max(m_inizio, m_quieteFino) + m_durata;
}

ModelloScansione::Evidenza ModelloScansione::evidenza() const
{
    Evidenza evidenza;
    if (!m_acceso || m_entrate.isEmpty())
        return evidenza;
    if (m_dentro >= 0) {
        evidenza.voce = m_entrate.at(m_dentro).value(m_pos, -1);
        return evidenza;
    }
    const QVector<int> &entrata = m_entrate.at(qBound(0, m_pos, int(m_entrate.size()) - 1));
    if (entrata.size() == 1)
        evidenza.voce = entrata.first();
    else
        evidenza.gruppo = m_pos;
    return evidenza;
}
