#include "mail/HistoryFile.h"

#include "common/AppPaths.h"
#include "common/Cp932.h"
#include "common/FixedField.h"

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

QString listCell(const char *data, int width)
{
    return FixedField::cutAtNul(Cp932::decode(data, width));
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
    return m_file.append(record.toBytes(m_kind == Kind::Sent));
}

std::optional<HistoryRecord> HistoryFile::read(int n) const
{
    const auto bytes = m_file.read(n);
    if (!bytes)
        return std::nullopt;
    return HistoryRecord::fromBytes(*bytes);
}

QList<HistoryFile::Head> HistoryFile::listHeads() const
{
    m_file.ensureExists();
    QList<Head> heads;
    heads.reserve(m_file.wholeRecords());
    m_file.readHeads(HistoryRecord::kHeadSize, [&](int, const QByteArray &head) {
        const char *data = head.constData();
        heads.append({listCell(data + HistoryRecord::kSubjectOffset, HistoryRecord::kSubjectWidth),
                      listCell(data + HistoryRecord::kDateOffset, HistoryRecord::kDateWidth),
                      listCell(data + HistoryRecord::kCorrespondentOffset,
                               HistoryRecord::kCorrespondentWidth)});
        return true;
    });
    return heads;
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
