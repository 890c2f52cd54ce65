#include "history/HistoryFile.h"

#include <QFile>

#include "common/AppPaths.h"
#include "common/OneLine.h"

namespace {

QString dataPath(HistoryFile::Kind kind)
{
    return AppPaths::resolve(kind == HistoryFile::Kind::Received ? AppPaths::kReceivedHistory
                                                                 : AppPaths::kSentHistory);
}

QString tmpPath(HistoryFile::Kind kind)
{
    return AppPaths::resolve(kind == HistoryFile::Kind::Received ? AppPaths::kReceivedHistoryTmp
                                                                 : AppPaths::kSentHistoryTmp);
}

} // namespace

HistoryFile::HistoryFile(Kind kind)
    : m_kind(kind),
      m_tmpPath(tmpPath(kind)),
      m_file(dataPath(kind), HistoryRecord::kSize, HistoryRecord::kLiveFlagOffset)
{
}

RecordFile::Result HistoryFile::append(const HistoryRecord &record)
{
    HistoryRecord clean = record;
    clean.Subject = OneLine::clean(record.Subject);
    clean.MailDate = OneLine::clean(record.MailDate);
    clean.Correspondent = OneLine::clean(record.Correspondent);
    return m_file.append(clean.toBytes(m_kind == Kind::Sent));
}

std::optional<HistoryRecord> HistoryFile::read(int n) const
{
    const auto bytes = m_file.read(n);
    if (!bytes)
        return std::nullopt;
    return HistoryRecord::fromBytes(*bytes);
}

QByteArray HistoryFile::readHeads() const
{
    m_file.ensureExists();
    return m_file.readHeads(HistoryRecord::kHeadSize);
}

QByteArray HistoryFile::readHeads(int first, int count) const
{
    return m_file.readHeads(HistoryRecord::kHeadSize, first, count);
}

int HistoryFile::listCount() const
{
    m_file.ensureExists();
    return m_file.wholeRecords();
}

RecordFile::Result HistoryFile::remove(int n)
{
    return m_file.compact(m_tmpPath, {n});
}

RecordFile::Result HistoryFile::removeAll()
{
    QSet<int> all;
    const int records = m_file.roundedRecords();
    for (int n = 1; n <= records; ++n)
        all.insert(n);
    return m_file.compact(m_tmpPath, all);
}

bool HistoryFile::takeBackAppend(qint64 lengthBefore, qint64 lengthAfter)
{
    QFile file(path());
    if (lengthBefore < 0 || file.size() != lengthAfter)
        return false;
    return file.resize(lengthBefore);
}
