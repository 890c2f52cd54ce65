#pragma once

#include <QString>

// One program at a time per installation: the command-line forms take the lock
// the running program holds (SingleInstance::lockPath) rather than race its files.
namespace InstallationLock {

// Tries the lock without waiting. True when another program holds it (or, with
// error set, when the lock file cannot be opened); otherwise this process holds
// it from now on, until release() or its end.
bool installationInUse(QString *error = nullptr);
void release();

} // namespace InstallationLock
