#pragma once

#include <QString>
#include <memory>

class QLockFile;

// The single-instance lock. Returns the held lock, or nothing when another
// running copy holds it. A lock left by a copy that was killed is taken over.
std::unique_ptr<QLockFile> bloccaIstanza(const QString &percorso);
