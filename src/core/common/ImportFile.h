#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include <optional>

// The files an import reads: regular files only (links followed), opened
// without waiting on a pipe, and each mail bounded as a received one is, so
// an import never holds more than a fixed multiple of the largest mail.
namespace ImportFile {

// As the largest mail a check takes from a server.
inline constexpr qint64 kMaxMailBytes = qint64(512) << 20;
// As the longest line a server may answer with.
inline constexpr qsizetype kMaxLineBytes = qsizetype(1) << 20;

// Opens path for reading when it is a regular file; otherwise false, with
// error naming the file and saying why.
bool open(QFile &file, const QString &path, QString *error);

// The whole of a regular file of at most limit bytes; beyond it error is
// tooLarge.
std::optional<QByteArray> readAll(const QString &path, qint64 limit, const QString &tooLarge, QString *error);

// Whether a line of bytes is longer than kMaxLineBytes.
bool hasOverlongLine(const QByteArray &bytes);

// Why a mail beyond those bounds is not taken; number counts the mails of an
// mbox from 1, and is 0 for a file holding one mail.
QString mailTooLarge(const QString &path, int number);

} // namespace ImportFile
