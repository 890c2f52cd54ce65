#pragma once

#include <QString>

// One program at a time per installation: whoever holds an exclusive lock on
// this file in the data folder uses the installation.
namespace InstallationLock {

inline const QString kLockFile = QStringLiteral("\\★MAilData\\pintora.lock");

// Tries the lock without waiting. True when another program holds it (or, with
// error set, when the lock file cannot be opened); otherwise this process holds
// it from now on, until release() or its end.
bool installationInUse(QString *error = nullptr);
void release();

} // namespace InstallationLock
