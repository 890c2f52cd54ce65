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

// For a command-line form that works only while the program does not run: the
// data folder made and the lock taken. Empty when this process holds it now;
// otherwise what to say, with inUse telling whether the program runs.
QString claimForCommand(bool *inUse);

} // namespace InstallationLock
