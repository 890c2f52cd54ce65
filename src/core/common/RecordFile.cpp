#include "core/common/RecordFile.h"

#include "core/common/FileError.h"
#include "core/common/FileOwner.h"
#include "core/common/SafeFile.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

int roundHalfToEven(qint64 whole, qint64 remainder, qint64 divisor)
{
    const qint64 twice = remainder * 2;
    if (twice < divisor)
        return static_cast<int>(whole);
    if (twice > divisor)
        return static_cast<int>(whole + 1);
    return static_cast<int>(whole % 2 == 0 ? whole : whole + 1);
}

QString limitMessage()
{
    return QStringLiteral("記録できる件数（%1件）を超えるため、これ以上追加できません。")
        .arg(RecordFile::kMaxRecords);
}

} // namespace

RecordFile::RecordFile(QString path, int recordSize, int liveFlagOffset)
    : m_path(std::move(path)), m_recordSize(recordSize), m_liveFlagOffset(liveFlagOffset)
{
}

qint64 RecordFile::length() const
{
    const QFileInfo info(m_path);
    return info.exists() ? info.size() : 0;
}

int RecordFile::wholeRecords() const
{
    return static_cast<int>(length() / m_recordSize);
}

int RecordFile::roundedRecords() const
{
    const qint64 len = length();
    return roundHalfToEven(len / m_recordSize, len % m_recordSize, m_recordSize);
}

int RecordFile::appendNumber() const
{
    const qint64 len = length();
    return roundHalfToEven(len / m_recordSize + 1, len % m_recordSize, m_recordSize);
}

bool RecordFile::ensureExists() const
{
    if (QFileInfo::exists(m_path))
        return true;
    const int fd = ::open(QFile::encodeName(m_path).constData(), O_WRONLY | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0)
        return false;
    ::close(fd);
    return true;
}

std::optional<QByteArray> RecordFile::read(int n) const
{
    if (n < 1)
        return std::nullopt;
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    if (!file.seek(qint64(n - 1) * m_recordSize))
        return std::nullopt;
    QByteArray record = file.read(m_recordSize);
    if (record.size() != m_recordSize)
        return std::nullopt;
    return record;
}

QByteArray RecordFile::readHeads(int headBytes) const
{
    return readHeads(headBytes, 1, INT_MAX);
}

QByteArray RecordFile::readHeads(int headBytes, int first, int count) const
{
    if (first < 1 || count < 1)
        return {};
    const int fd = ::open(QFile::encodeName(m_path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return {};
    struct stat info {};
    ::fstat(fd, &info);
    const qint64 records = qMin<qint64>(info.st_size / m_recordSize - (first - 1), count);
    if (records <= 0) {
        ::close(fd);
        return {};
    }
    QByteArray heads(records * headBytes, Qt::Uninitialized);
    if (headBytes == m_recordSize) {
        // Whole records lie one after another: one read takes them all.
        const ssize_t got = ::pread(fd, heads.data(), size_t(heads.size()), off_t(first - 1) * m_recordSize);
        ::close(fd);
        heads.truncate(got < 0 ? 0 : got / m_recordSize * m_recordSize);
        return heads;
    }
    qint64 n = 0;
    for (; n < records; ++n) {
        char *into = heads.data() + n * headBytes;
        if (::pread(fd, into, static_cast<size_t>(headBytes), off_t(first - 1 + n) * m_recordSize) != headBytes)
            break;
    }
    ::close(fd);
    heads.truncate(n * headBytes);
    return heads;
}

RecordFile::Result RecordFile::write(int n, const QByteArray &record)
{
    if (n > kMaxRecords)
        return {false, n, limitMessage()};
    if (n < 1 || record.size() != m_recordSize)
        return {false, n, QStringLiteral("レコード番号またはサイズが正しくありません。")};
    if (!SafeFile::mayWrite(SafeFile::resolveLinks(m_path)))
        return {false, n, FileError::writeProtected(m_path)};

    std::lock_guard owner(FileOwner::lockFor(m_path));
    const int fd = ::open(QFile::encodeName(m_path).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0)
        return {false, n, FileError::cannotWrite(m_path, errno)};
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        const int error = errno;
        ::close(fd);
        return {false, n, FileError::cannotWrite(m_path, error)};
    }
    const off_t at = off_t(n - 1) * m_recordSize;
    const off_t oldSize = info.st_size;
    // The bytes a failed write may have spoilt: a record written over, or a
    // trailing partial record an append lands on.
    QByteArray before;
    if (at < oldSize) {
        before.resize(qMin<qint64>(oldSize - at, m_recordSize));
        if (::pread(fd, before.data(), size_t(before.size()), at) != before.size()) {
            const int error = errno ? errno : EIO;
            ::close(fd);
            return {false, n, FileError::cannotWrite(m_path, error)};
        }
    }

    qsizetype done = 0;
    int error = 0;
    while (done < m_recordSize) {
        const ssize_t written = ::pwrite(fd, record.constData() + done, size_t(m_recordSize - done), at + done);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            error = errno;
            break;
        }
        done += written;
    }
    if (error == 0) {
        if (::close(fd) != 0)
            return {false, n, FileError::cannotWrite(m_path, errno)};
        return {true, n, {}};
    }
    // Leave the file as it was, so no torn record is ever listed or appended behind.
    if (!before.isEmpty())
        (void)!::pwrite(fd, before.constData(), size_t(before.size()), at);
    (void)!::ftruncate(fd, oldSize);
    ::close(fd);
    return {false, n, FileError::cannotWrite(m_path, error)};
}

RecordFile::Result RecordFile::append(const QByteArray &record)
{
    // The number and the write under one lock, so two appends never share a slot.
    std::lock_guard owner(FileOwner::lockFor(m_path));
    return write(appendNumber(), record);
}

bool RecordFile::truncate(qint64 length)
{
    std::lock_guard owner(FileOwner::lockFor(m_path));
    return ::truncate(QFile::encodeName(m_path).constData(), off_t(length)) == 0;
}

RecordFile::Result RecordFile::compact(const QString &tmpPath, const QSet<int> &drop, const Progress &progress,
                                       const std::atomic_bool *cancel)
{
    // Appends wait while the copy is made, so none lands in the file being replaced.
    std::lock_guard owner(FileOwner::lockFor(m_path));
    const int total = wholeRecords();
    SafeFile out(m_path, tmpPath);
    if (!out.open())
        return {false, 0, out.errorString()};
    const int source = ::open(QFile::encodeName(m_path).constData(), O_RDONLY | O_CLOEXEC);
    if (source < 0) {
        // A file that never existed has nothing to lose: it compacts to empty.
        if (errno == ENOENT)
            return out.commit() ? Result{true, 0, {}} : Result{false, 0, out.errorString()};
        return {false, 0, FileError::cannotRead(m_path, errno)};
    }

    // Large reads keep the rewrite of a big history close to a plain copy.
    const qint64 perChunk = qint64(qMax(1, (1 << 20) / m_recordSize)) * m_recordSize;
    QByteArray chunk(perChunk, Qt::Uninitialized);
    QByteArray kept;
    int number = 0;
    for (bool end = false; !end;) {
        qint64 filled = 0;
        while (filled < perChunk) {
            const ssize_t got = ::read(source, chunk.data() + filled, size_t(perChunk - filled));
            if (got < 0 && errno == EINTR)
                continue;
            if (got < 0) {
                const int error = errno;
                ::close(source);
                return {false, 0, FileError::cannotRead(m_path, error)};
            }
            if (got == 0) {
                end = true;
                break;
            }
            filled += got;
        }
        if (cancel && cancel->load()) {
            ::close(source);
            return {false, 0, QStringLiteral("中止しました。")};
        }
        const int records = static_cast<int>(filled / m_recordSize);
        kept.clear();
        for (int i = 0; i < records; ++i) {
            ++number;
            const char *rec = chunk.constData() + qint64(i) * m_recordSize;
            const QByteArray view = QByteArray::fromRawData(rec, m_recordSize);
            if (!drop.contains(number) && isLive(view))
                kept.append(rec, m_recordSize);
        }
        if (!out.write(kept)) {
            ::close(source);
            return {false, 0, out.errorString()};
        }
        if (progress)
            progress(number, total);
    }
    ::close(source);
    if (!out.commit())
        return {false, 0, out.errorString()};
    return {true, 0, {}};
}

bool RecordFile::isLive(const QByteArray &record) const
{
    const auto lo = static_cast<unsigned char>(record[m_liveFlagOffset]);
    const auto hi = static_cast<unsigned char>(record[m_liveFlagOffset + 1]);
    return (lo | hi) != 0;
}

void RecordFile::setLiveFlag(QByteArray &record, int offset, qint16 flag)
{
    const auto value = static_cast<quint16>(flag);
    record[offset] = static_cast<char>(value & 0xFF);
    record[offset + 1] = static_cast<char>(value >> 8);
}
