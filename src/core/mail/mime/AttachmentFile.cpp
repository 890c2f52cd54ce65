#include "core/mail/mime/AttachmentFile.h"

#include <QFile>
#include <QStringList>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace AttachmentFile {

namespace {

QString notRegular(const QString &path)
{
    return QStringLiteral("%1 は通常のファイルではないため添付できません。").arg(path);
}

QString tooLarge(const QString &path)
{
    return QStringLiteral("%1 は大きすぎるため添付できません（1 ファイル %2 MB まで）。")
        .arg(path)
        .arg(kMaxFileBytes >> 20);
}

QString mailTooLarge(const QString &path)
{
    return QStringLiteral("%1 を添付すると添付ファイルの合計が大きすぎます（1 通 %2 MB まで）。")
        .arg(path)
        .arg(kMaxMailBytes >> 20);
}

QString judged(const QString &path, const struct stat &info, qint64 budget)
{
    if (!S_ISREG(info.st_mode))
        return notRegular(path);
    if (info.st_size > kMaxFileBytes)
        return tooLarge(path);
    if (info.st_size > budget)
        return mailTooLarge(path);
    return {};
}

} // namespace

QString refusal(const QString &path, qint64 alreadyAttached)
{
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return {};
    return judged(path, info, kMaxMailBytes - alreadyAttached);
}

qint64 sizeOf(const QStringList &paths)
{
    qint64 total = 0;
    for (const QString &path : paths) {
        struct stat info {};
        if (::stat(QFile::encodeName(path).constData(), &info) == 0 && S_ISREG(info.st_mode))
            total += info.st_size;
    }
    return total;
}

std::optional<QByteArray> read(const QString &path, qint64 &budget, QString *error)
{
    // Non-blocking, so that opening a pipe nobody writes to returns at once.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        *error = QStringLiteral("添付ファイルを開けません: %1").arg(path);
        return std::nullopt;
    }
    const auto fail = [&](const QString &why) {
        ::close(fd);
        *error = why;
        return std::nullopt;
    };
    struct stat info {};
    if (::fstat(fd, &info) != 0)
        return fail(QStringLiteral("添付ファイルを読めません: %1").arg(path));
    if (const QString why = judged(path, info, budget); !why.isEmpty())
        return fail(why);

    const QString changed = QStringLiteral("%1 は読み込み中に変わったため添付できませんでした。").arg(path);
    QByteArray bytes(static_cast<qsizetype>(info.st_size), Qt::Uninitialized);
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t got = ::read(fd, bytes.data() + done, static_cast<size_t>(bytes.size() - done));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return fail(QStringLiteral("添付ファイルを読めません: %1").arg(path));
        if (got == 0)
            return fail(changed);
        done += got;
    }
    char more = 0;
    struct stat after {};
    if (::read(fd, &more, 1) != 0 || ::fstat(fd, &after) != 0 || after.st_size != info.st_size)
        return fail(changed);
    ::close(fd);
    budget -= bytes.size();
    return bytes;
}

} // namespace AttachmentFile
