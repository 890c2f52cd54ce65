#include "core/common/ImportFile.h"

#include "core/common/FileError.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ImportFile {

bool open(QFile &file, const QString &path, QString *error)
{
    // Non-blocking, so that a pipe nobody writes to is refused rather than waited on.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        *error = errno == ENOENT ? QStringLiteral("%1 が見つかりません。").arg(path) : FileError::cannotRead(path, errno);
        return false;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        *error = QStringLiteral("%1 は通常のファイルではないため取り込めません。").arg(path);
        return false;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        *error = FileError::cannotRead(path, EIO);
        return false;
    }
    return true;
}

std::optional<QByteArray> readAll(const QString &path, qint64 limit, const QString &tooLarge, QString *error)
{
    QFile file;
    if (!open(file, path, error))
        return std::nullopt;
    if (file.size() > limit) {
        *error = tooLarge;
        return std::nullopt;
    }
    // Never more than the limit, even from a file that grows meanwhile or
    // whose stated size is no measure of its content (as those under /proc).
    QByteArray bytes;
    bytes.reserve(qMin(file.size(), limit) + 1);
    while (bytes.size() <= limit) {
        const QByteArray chunk = file.read(qMin<qint64>(qint64(1) << 20, limit + 1 - bytes.size()));
        if (chunk.isEmpty())
            break;
        bytes += chunk;
    }
    if (file.error() != QFileDevice::NoError) {
        *error = FileError::cannotRead(path, errno);
        return std::nullopt;
    }
    if (bytes.size() > limit) {
        *error = tooLarge;
        return std::nullopt;
    }
    return bytes;
}

bool hasOverlongLine(const QByteArray &bytes)
{
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype end = bytes.indexOf('\n', start);
        if (end < 0)
            end = bytes.size();
        if (end - start > kMaxLineBytes)
            return true;
        start = end + 1;
    }
    return false;
}

QString mailTooLarge(const QString &path, int number)
{
    const QString which = number > 0 ? QStringLiteral("%1 の %2 通目のメール").arg(path).arg(number)
                                     : QStringLiteral("%1 のメール").arg(path);
    return QStringLiteral("%1は大きすぎるため取り込めません（1 通 %2 MB、1 行 %3 MB まで）。")
        .arg(which)
        .arg(kMaxMailBytes >> 20)
        .arg(kMaxLineBytes >> 20);
}

} // namespace ImportFile
