#pragma once

#include <QLockFile>
#include <QString>
#include <memory>

// The single-instance lock of a run.
struct Istanza {
    std::unique_ptr<QLockFile> blocco;  // held for the whole run; empty when none could be had
    bool altraCopia = false;            // a live copy on this machine holds the lock
};

// Only a lock held by a live copy of the program on this machine means a second
// copy. A lock left by a copy that died, an empty or unreadable one, or one
// written on another host is taken over where possible; a lock that cannot be
// made or read lets the program run without one. Both are noted in the log.
Istanza bloccaIstanza(const QString &percorso);
