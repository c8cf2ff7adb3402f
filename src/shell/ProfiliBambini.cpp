#include "shell/ProfiliBambini.h"

#include "core/Registri.h"
#include "core/StatoProgramma.h"
#include "media/animation/Distintivi.h"
#include "record/Diario.h"
#include "shell/ModuloOpzioni.h"
#include "shell/ModuloPerIni.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

#include <algorithm>

namespace {

const QString Sottocartella = QStringLiteral("bambini");
const QString FileProfilo = QStringLiteral("profilo.ini");
const QString FileUltimo = QStringLiteral("ultimo.ini");

}

ProfiliBambini::ProfiliBambini(StatoProgramma &stato, const QString &cartella)
    : m_stato(stato)
    , m_cartella(cartella)
{
    rileggi();
}

void ProfiliBambini::collega(std::function<bool(const StatoProgramma &)> salva, std::function<Diario *()> diario)
{
    m_salva = std::move(salva);
    m_diario = std::move(diario);
}

QString ProfiliBambini::cartellaDi(int numero) const
{
    return numero == 1 ? m_cartella : m_cartella + QLatin1Char('/') + Sottocartella + QLatin1Char('/') + QString::number(numero);
}

QString ProfiliBambini::percorsoImpostazioni(int numero) const
{
    return cartellaDi(numero) + QStringLiteral("/calcolotti.ini");
}

void ProfiliBambini::rileggi()
{
    QVector<int> numeri{1};
    const auto cartelle = QDir(m_cartella + QLatin1Char('/') + Sottocartella)
                              .entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::NoSymLinks);
    for (const QFileInfo &cartella : cartelle) {
        bool numero = false;
        const int n = cartella.fileName().toInt(&numero);
        // A child's folder holds one of its files; a stray folder is no child.
        if (numero && n >= 2 && (QFileInfo(cartella.filePath() + QLatin1Char('/') + FileProfilo).isFile()
                                 || QFileInfo(cartella.filePath() + QStringLiteral("/calcolotti.ini")).isFile()))
            numeri << n;
    }
    m_elenco.clear();
    for (int n : std::as_const(numeri)) {
        Bambino b{n, QStringLiteral("Bambino %1").arg(n), Distintivi::perNumero(n), n};
        const QString file = cartellaDi(n) + QLatin1Char('/') + FileProfilo;
        if (QFileInfo(file).isFile()) {
            QSettings profilo(file, QSettings::IniFormat);
            profilo.beginGroup(QStringLiteral("profilo"));
            b.nome = profilo.value(QStringLiteral("nome"), b.nome).toString().trimmed();
            if (b.nome.isEmpty())
                b.nome = QStringLiteral("Bambino %1").arg(n);
            const QString immagine = profilo.value(QStringLiteral("immagine")).toString();
            if (Distintivi::nomi().contains(immagine))
                b.immagine = immagine;
            b.ordine = profilo.value(QStringLiteral("ordine"), n).toInt();
        }
        m_elenco << b;
    }
    std::stable_sort(m_elenco.begin(), m_elenco.end(), [](const Bambino &a, const Bambino &b) {
        return a.ordine != b.ordine ? a.ordine < b.ordine : a.numero < b.numero;
    });
}

void ProfiliBambini::caricaUltimo()
{
    int ultimo = 1;
    const QString file = m_cartella + QLatin1Char('/') + Sottocartella + QLatin1Char('/') + FileUltimo;
    if (m_elenco.size() > 1 && QFileInfo(file).isFile())
        ultimo = QSettings(file, QSettings::IniFormat).value(QStringLiteral("bambini/ultimo"), 1).toInt();
    const bool noto = std::any_of(m_elenco.begin(), m_elenco.end(), [ultimo](const Bambino &b) { return b.numero == ultimo; });
    carica(noto ? ultimo : 1);
}

void ProfiliBambini::carica(int numero)
{
    m_attuale = numero;
    m_stato.PercorsoIni = percorsoImpostazioni(numero);
    ModuloPerIni::LeggiImpostazioni(m_stato);
    ModuloOpzioni::LeggiOpzioni(m_stato);
    if (Diario *diario = m_diario ? m_diario() : nullptr)
        diario->impostaBambino(numero);
}

Bambino ProfiliBambini::attuale() const
{
    for (const Bambino &b : m_elenco)
        if (b.numero == m_attuale)
            return b;
    return m_elenco.value(0);
}

bool ProfiliBambini::gioca(int numero)
{
    if (std::none_of(m_elenco.begin(), m_elenco.end(), [numero](const Bambino &b) { return b.numero == numero; }))
        return false;
    if (numero != m_attuale && m_salva)
        m_salva(m_stato);
    carica(numero);
    qCDebug(lcAvvio).noquote() << Registri::momento() << "child" << numero << "plays";
    if (m_elenco.size() > 1) {
        QSettings ultimo(m_cartella + QLatin1Char('/') + Sottocartella + QLatin1Char('/') + FileUltimo, QSettings::IniFormat);
        ultimo.setValue(QStringLiteral("bambini/ultimo"), numero);
    }
    return true;
}

bool ProfiliBambini::scriviProfilo(const Bambino &bambino) const
{
    if (!QDir().mkpath(cartellaDi(bambino.numero)))
        return false;
    QSettings profilo(cartellaDi(bambino.numero) + QLatin1Char('/') + FileProfilo, QSettings::IniFormat);
    profilo.beginGroup(QStringLiteral("profilo"));
    profilo.setValue(QStringLiteral("nome"), bambino.nome);
    profilo.setValue(QStringLiteral("immagine"), bambino.immagine);
    profilo.setValue(QStringLiteral("ordine"), bambino.ordine);
    profilo.endGroup();
    profilo.sync();
    return profilo.status() == QSettings::NoError;
}

int ProfiliBambini::aggiungi(const QString &nome, const QString &immagine)
{
    int numero = 2, ordine = 1;
    for (const Bambino &b : std::as_const(m_elenco)) {
        numero = std::max(numero, b.numero + 1);
        ordine = std::max(ordine, b.ordine + 1);
    }
    // The first child's profile is written with the second child, not before.
    if (m_elenco.size() == 1 && !scriviProfilo(m_elenco.first()))
        return 0;
    if (!scriviProfilo({numero, nome.trimmed().isEmpty() ? QStringLiteral("Bambino %1").arg(numero) : nome.trimmed(),
                        Distintivi::nomi().contains(immagine) ? immagine : Distintivi::perNumero(numero), ordine}))
        return 0;
    rileggi();
    return numero;
}

bool ProfiliBambini::modifica(const Bambino &bambino)
{
    const bool scritto = scriviProfilo(bambino);
    rileggi();
    return scritto;
}

bool ProfiliBambini::rimuovi(int numero)
{
    if (numero == 1 || std::none_of(m_elenco.begin(), m_elenco.end(), [numero](const Bambino &b) { return b.numero == numero; }))
        return false;
    if (numero == m_attuale)
        gioca(1);
    const bool tolto = QDir(cartellaDi(numero)).removeRecursively();
    rileggi();
    return tolto;
}
