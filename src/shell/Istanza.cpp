#include "shell/Istanza.h"

#include "core/Registri.h"

#include <QFile>
#include <QLockFile>
#include <QSysInfo>

#include <optional>

namespace {

// Whether the lock names a process of this machine, told apart as QLockFile
// does: by the machine id when the file has one, otherwise by the host name.
// Nothing when the file cannot be read or holds no process.
std::optional<bool> diQuestaMacchina(const QString &percorso)
{
    QFile file(percorso);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QList<QByteArray> righe = file.read(4096).split('\n');
    bool numero = false;
    if (righe.size() < 3 || righe[0].toLongLong(&numero) <= 0 || !numero)
        return std::nullopt;
    const QByteArray macchina = righe.value(3);
    const QByteArray nostra = QSysInfo::machineUniqueId();
    if (!macchina.isEmpty() && !nostra.isEmpty())
        return macchina == nostra;
    const QString host = QString::fromUtf8(righe[2]);
    return host.isEmpty() || host == QSysInfo::machineHostName();
}

}

Istanza bloccaIstanza(const QString &percorso)
{
    Istanza istanza;
    if (percorso.isEmpty()) {
        qCWarning(lcAvvio) << "nessuna cartella per il blocco; avvio senza";
        return istanza;
    }
    auto blocco = std::make_unique<QLockFile>(percorso);
    // QLockFile takes over a lock whose owner process is gone; a live owner's
    // lock must never go stale by age.
    blocco->setStaleLockTime(0);
    if (!blocco->tryLock(0)) {
        if (blocco->error() != QLockFile::LockFailedError) {
            qCWarning(lcAvvio).noquote() << QStringLiteral("impossibile creare il blocco %1; avvio senza").arg(percorso);
            return istanza;
        }
        auto qui = diQuestaMacchina(percorso);
        // A copy starting this very moment has made the file but not yet
        // written it: give it a moment before judging.
        if (!qui && !blocco->tryLock(200))
            qui = diQuestaMacchina(percorso);
        if (!blocco->isLocked()) {
            if (qui && *qui) {
                istanza.altraCopia = true;
                return istanza;
            }
            qCWarning(lcAvvio).noquote() << QStringLiteral("blocco %1 %2: non è un'altra copia")
                                                .arg(percorso, qui ? QStringLiteral("di un altro computer")
                                                                   : QStringLiteral("vuoto o illeggibile"));
            // Removed only when no live process holds its native lock.
            if (!blocco->removeStaleLockFile() || !blocco->tryLock(0)) {
                qCWarning(lcAvvio).noquote() << QStringLiteral("blocco %1 non sostituibile; avvio senza").arg(percorso);
                return istanza;
            }
        }
    }
    istanza.blocco = std::move(blocco);
    return istanza;
}
