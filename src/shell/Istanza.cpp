#include "shell/Istanza.h"

#include <QLockFile>

std::unique_ptr<QLockFile> bloccaIstanza(const QString &percorso)
{
    auto blocco = std::make_unique<QLockFile>(percorso);
    // QLockFile takes over a lock whose owner process is gone; a live owner's
    // lock must never go stale by age.
    blocco->setStaleLockTime(0);
    if (!blocco->tryLock(0))
        return nullptr;
    return blocco;
}
