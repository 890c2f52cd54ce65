#pragma once

#include <QString>

#include <mutex>

// Windows, checks and sends run on different threads but may reach one stored
// file; every write of it takes this lock, keyed by the file really written
// (links followed), so no write ever lands between another's read and rename.
namespace FileOwner {

std::recursive_mutex &lockFor(const QString &path);

} // namespace FileOwner
