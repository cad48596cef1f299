#include "ui/instance_unique.h"

#include <QDir>
#include <QStandardPaths>

namespace glyphane::ui {

namespace {

QString dossierDuVerrou(const QString& dossier) {
    if (!dossier.isEmpty()) return dossier;
    const QString execution = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return execution.isEmpty() ? QDir::tempPath() : execution;
}

}  // namespace

InstanceUnique::InstanceUnique(const QString& dossier)
    : verrou(std::make_unique<QLockFile>(QDir(dossierDuVerrou(dossier)).filePath(QStringLiteral("Glyphane 7.5.lock")))) {
    // The lock lives as long as the program: it is never stale while it runs.
    verrou->setStaleLockTime(0);
}

// A lock left by a copy that crashed names a process that is gone: QLockFile
// takes it over.
bool InstanceUnique::acquerir() { return verrou->tryLock(0); }

}  // namespace glyphane::ui
