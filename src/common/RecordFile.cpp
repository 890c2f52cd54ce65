#include "common/RecordFile.h"

#include "common/SafeFile.h"

#include <QFile>
#include <QFileInfo>

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
    QFile file(m_path);
    return file.open(QIODevice::ReadWrite);
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
    QFile file(m_path);
    if (!file.open(QIODevice::ReadWrite))
        return {false, n, file.errorString()};
    if (!file.seek(qint64(n - 1) * m_recordSize) || file.write(record) != m_recordSize
        || !file.flush())
        return {false, n, file.errorString()};
    return {true, n, {}};
}

RecordFile::Result RecordFile::append(const QByteArray &record)
{
    return write(appendNumber(), record);
}

RecordFile::Result RecordFile::compact(const QString &tmpPath, const QSet<int> &drop)
{
    QFile source(m_path);
    if (!source.open(QIODevice::ReadOnly)) {
        // A file that never existed has nothing to lose: it compacts to empty.
        if (!source.exists())
            return SafeFile::replace(m_path, {}, tmpPath)
                ? Result{true, 0, {}}
                : Result{false, 0, QStringLiteral("ファイルを作成できません。")};
        return {false, 0, source.errorString()};
    }

    SafeFile out(m_path, tmpPath);
    if (!out.open())
        return {false, 0, out.errorString()};

    // Large reads keep the rewrite of a big history close to a plain copy.
    const int perChunk = qMax(1, (1 << 20) / m_recordSize);
    QByteArray chunk;
    QByteArray kept;
    int number = 0;
    for (;;) {
        chunk = source.read(qint64(perChunk) * m_recordSize);
        const int records = static_cast<int>(chunk.size() / m_recordSize);
        if (records == 0)
            break;
        kept.clear();
        for (int i = 0; i < records; ++i) {
            ++number;
            const char *rec = chunk.constData() + qint64(i) * m_recordSize;
            const QByteArray view = QByteArray::fromRawData(rec, m_recordSize);
            if (!drop.contains(number) && isLive(view))
                kept.append(rec, m_recordSize);
        }
        if (!out.write(kept))
            return {false, 0, out.errorString()};
        if (chunk.size() % m_recordSize != 0)
            break;
    }
    if (source.error() != QFile::NoError)
        return {false, 0, source.errorString()};
    source.close();
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
