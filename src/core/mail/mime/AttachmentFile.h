#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// A file a mail takes along: a regular file only (links followed), of a
// bounded size, read without waiting on anything but the disk. A pipe, a
// device or a file that grows while it is read would otherwise hold the
// send or fill the memory.
namespace AttachmentFile {

inline constexpr qint64 kMaxFileBytes = qint64(100) << 20;
inline constexpr qint64 kMaxMailBytes = qint64(200) << 20;

// Why path cannot be attached, judged from its status alone (nothing is
// opened, so the window thread may ask), or empty. Files already attached to
// the mail count against its limit. A path that cannot be looked at passes:
// the send says what is wrong with it.
QString refusal(const QString &path, qint64 alreadyAttached = 0);

// The sum of the sizes of the regular files among paths.
qint64 sizeOf(const QStringList &paths);

// The file's bytes. budget is what the mail may still take and shrinks by
// what was read; error names the file and says why when nothing comes back.
std::optional<QByteArray> read(const QString &path, qint64 &budget, QString *error);

} // namespace AttachmentFile
