#pragma once

#include <QString>

// The words of a failed file operation: what failed, in Japanese, with the
// file's name, then the system's own words in brackets.
namespace FileError {

// The system's words for errno; the ones a user can act on are said in Japanese.
QString systemWords(int error);

QString cannotRead(const QString &path, int error);
QString cannotWrite(const QString &path, int error);
QString cannotCreate(const QString &path, int error);
// A file whose permissions forbid writing is left alone rather than replaced.
QString writeProtected(const QString &path);
// A name in a shared folder with the sticky bit (as /tmp) that another user
// owns: replacing it would hand that user what is written, following a link
// there would write where that user chose.
QString ownedByAnother(const QString &path, bool link);

} // namespace FileError
