#include "shell/Istanza.h"

#include "core/Registri.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSysInfo>

#include <optional>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {

// Whether the lock names a live copy on this machine, told apart as QLockFile
// does: by the machine id when the file has one, otherwise by the host name;
// and by its process, which must be alive and run this very program, so that
// a number reused by another program, or a file planted with a number such as
// 1, refuses no start. Nothing when the file cannot be read or holds no process.
std::optional<bool> copiaViva(const QString &percorso)
{
    QFile file(percorso);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QList<QByteArray> righe = file.read(4096).split('\n');
    bool numero = false;
    const qint64 processo = righe.value(0).toLongLong(&numero);
    if (righe.size() < 3 || processo <= 0 || !numero)
        return std::nullopt;
    const QByteArray macchina = righe.value(3);
    const QByteArray nostra = QSysInfo::machineUniqueId();
    const QString host = QString::fromUtf8(righe[2]);
    const bool qui = !macchina.isEmpty() && !nostra.isEmpty() ? macchina == nostra
                                                              : host.isEmpty() || host == QSysInfo::machineHostName();
    if (!qui)
        return false;
#ifdef Q_OS_LINUX
    // Another account's process cannot be read here: it is no copy of ours either.
    auto nomeDi = [](const QString &proc) {
        // " (deleted)": a copy still running after an upgrade.
        return QFileInfo(QFileInfo(proc).symLinkTarget().remove(QStringLiteral(" (deleted)"))).fileName();
    };
    const QString eseguibile = nomeDi(QStringLiteral("/proc/%1/exe").arg(processo));
    return !eseguibile.isEmpty() && eseguibile == nomeDi(QStringLiteral("/proc/self/exe"));
#else
    return true;
#endif
}

}

Istanza bloccaIstanza(const QString &percorso)
{
    Istanza istanza;
    if (percorso.isEmpty()) {
        qCWarning(lcAvvio) << "nessuna cartella per il blocco; avvio senza";
        return istanza;
    }
    QString dove = percorso;
    QDir().mkpath(QFileInfo(dove).absolutePath());
    const QFileInfo info(dove);
    // A pipe or a device would block the start for ever.
    if (info.exists() && !info.isFile() && !info.isDir()) {
        qCWarning(lcAvvio).noquote() << QStringLiteral("%1 non è un file normale; avvio senza blocco").arg(dove);
        return istanza;
    }
#ifdef Q_OS_UNIX
    // Only this user's own file is a lock of this user's copies.
    if (info.exists() && info.ownerId() != ::getuid()) {
        dove += QStringLiteral(".%1").arg(::getuid());
        qCWarning(lcAvvio).noquote() << QStringLiteral("%1 appartiene a un altro utente; si usa %2").arg(percorso, dove);
    }
#endif
    auto blocco = std::make_unique<QLockFile>(dove);
    // QLockFile takes over a lock whose owner process is gone; a live owner's
    // lock must never go stale by age.
    blocco->setStaleLockTime(0);
    if (!blocco->tryLock(0)) {
        if (blocco->error() != QLockFile::LockFailedError) {
            qCWarning(lcAvvio).noquote() << QStringLiteral("impossibile creare il blocco %1; avvio senza").arg(dove);
            return istanza;
        }
        auto qui = copiaViva(dove);
        // A copy starting this very moment has made the file but not yet
        // written it: give it a moment before judging.
        if (!qui && !blocco->tryLock(200))
            qui = copiaViva(dove);
        if (!blocco->isLocked()) {
            if (qui && *qui) {
                istanza.altraCopia = true;
                return istanza;
            }
            qCWarning(lcAvvio).noquote() << QStringLiteral("blocco %1 %2: non è un'altra copia")
                                                .arg(dove, qui ? QStringLiteral("di un altro computer o di un processo finito")
                                                               : QStringLiteral("vuoto o illeggibile"));
            // Removed only when no live process holds its native lock.
            if (!blocco->removeStaleLockFile() || !blocco->tryLock(0)) {
                qCWarning(lcAvvio).noquote() << QStringLiteral("blocco %1 non sostituibile; avvio senza").arg(dove);
                return istanza;
            }
        }
    }
    istanza.blocco = std::move(blocco);
    return istanza;
}
