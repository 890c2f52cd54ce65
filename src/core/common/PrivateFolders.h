#pragma once

#include <QString>
#include <QStringList>

// The installation's folders that hold mail and addresses (the data folder,
// attachments and whole mails, sent mails, quick saves) are the user's alone:
// 0700 folders and 0600 files, whatever the umask.
namespace PrivateFolders {

// Those folders, as relative data paths.
QStringList mailFolders();

// Creates path and any missing parents; a folder it creates itself is 0700.
// True when path is a folder afterwards.
bool make(const QString &path);

// Installations from before this rule are made private once, at a start under
// the installation's lock: every mail folder and what lies in it loses the
// group's and others' permissions. Links are left as they are, and so is what
// they point at: a file the user keeps elsewhere stays as the user made it.
// A mark in the data folder says it is done; the paths changed come back.
QStringList tightenOnce();

} // namespace PrivateFolders
