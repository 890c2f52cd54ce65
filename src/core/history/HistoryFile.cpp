#include "core/history/HistoryFile.h"

#include <QFile>

#include <condition_variable>
#include <mutex>
#include <thread>

#include "core/common/FileOwner.h"

#include "core/common/AppPaths.h"
#include "core/common/OneLine.h"
#include "core/common/SafeFile.h"
#include "core/history/HistoryMove.h"
#include "core/history/ReceiveJournal.h"

namespace {

QString dataPath(HistoryFile::Kind kind)
{
    switch (kind) {
    case HistoryFile::Kind::Received: return AppPaths::resolve(AppPaths::kReceivedHistory);
    case HistoryFile::Kind::Sent: return AppPaths::resolve(AppPaths::kSentHistory);
    case HistoryFile::Kind::Junk: break;
    }
    return AppPaths::resolve(AppPaths::kJunkHistory);
}

QString tmpPath(HistoryFile::Kind kind)
{
    switch (kind) {
    case HistoryFile::Kind::Received: return AppPaths::resolve(AppPaths::kReceivedHistoryTmp);
    case HistoryFile::Kind::Sent: return AppPaths::resolve(AppPaths::kSentHistoryTmp);
    case HistoryFile::Kind::Junk: break;
    }
    return AppPaths::resolve(AppPaths::kJunkHistoryTmp);
}

// Append sessions and deletions of one history exclude each other.
struct Gate {
    std::mutex mutex;
    std::condition_variable changed;
    int sessions = 0;
    bool compacting = false;
    // The thread of a Hold, which may rewrite the file it holds.
    std::thread::id holder;
};

Gate &gateFor(HistoryFile::Kind kind)
{
    static Gate gates[3];
    return gates[int(kind)];
}

} // namespace

HistoryFile::AppendSession::AppendSession(Kind kind) : AppendSession(kind, nullptr, {}) {}

HistoryFile::AppendSession::AppendSession(Kind kind, const std::atomic_bool *cancel,
                                          const std::function<void()> &waiting)
    : m_kind(kind)
{
    Gate &gate = gateFor(kind);
    std::unique_lock lock(gate.mutex);
    // One appender at a time: a check's journal vouches for a run of records
    // with nothing of anyone else's between them.
    const auto free = [&] { return !gate.compacting && gate.sessions == 0; };
    if (!free() && waiting)
        waiting();
    // Looked at now and then, so a wait behind a long import can be stopped.
    while (!free()) {
        if (cancel && cancel->load())
            return;
        gate.changed.wait_for(lock, std::chrono::milliseconds(100));
    }
    ++gate.sessions;
    m_acquired = true;
    lock.unlock();
    // A check's journal covers both histories it appends to.
    if (kind != Kind::Sent)
        m_unsettled = settleLeftJournal();
}

HistoryFile::Hold::Hold(Kind kind, const std::atomic_bool *cancel) : m_kind(kind)
{
    Gate &gate = gateFor(kind);
    std::unique_lock lock(gate.mutex);
    while (gate.sessions > 0 || gate.compacting) {
        if (cancel && cancel->load())
            return;
        gate.changed.wait_for(lock, std::chrono::milliseconds(100));
    }
    gate.compacting = true;
    gate.holder = std::this_thread::get_id();
    m_acquired = true;
}

HistoryFile::Hold::~Hold()
{
    if (!m_acquired)
        return;
    Gate &gate = gateFor(m_kind);
    {
        std::lock_guard lock(gate.mutex);
        gate.compacting = false;
        gate.holder = {};
    }
    gate.changed.notify_all();
}

bool HistoryFile::storing(Kind kind)
{
    Gate &gate = gateFor(kind);
    std::lock_guard lock(gate.mutex);
    return gate.sessions > 0;
}

QString HistoryFile::settleLeftJournal()
{
    if (QFile::exists(ReceiveJournal::path())) {
        const ReceiveJournal::Recovery settled = ReceiveJournal::recover();
        if (!settled.error.isEmpty())
            return settled.error + u'\n' + kUnsettledAdvice;
    }
    // A move left half done would be undone by cutting what was appended since.
    if (const QString unsettled = HistoryMove::settle(); !unsettled.isEmpty())
        return unsettled + u'\n' + kUnsettledAdvice;
    return {};
}

HistoryFile::AppendSession::~AppendSession()
{
    if (!m_acquired)
        return;
    Gate &gate = gateFor(m_kind);
    {
        std::lock_guard lock(gate.mutex);
        --gate.sessions;
    }
    gate.changed.notify_all();
}

HistoryFile::HistoryFile(Kind kind)
    : m_kind(kind),
      m_tmpPath(tmpPath(kind)),
      m_file(dataPath(kind), HistoryRecord::kSize, HistoryRecord::kLiveFlagOffset)
{
}

QByteArray HistoryFile::bytesOf(const HistoryRecord &record) const
{
    HistoryRecord clean = record;
    clean.Subject = OneLine::clean(record.Subject);
    clean.MailDate = OneLine::clean(record.MailDate);
    clean.Correspondent = OneLine::clean(record.Correspondent);
    return clean.toBytes(m_kind == Kind::Sent);
}

RecordFile::Result HistoryFile::append(const HistoryRecord &record)
{
    return m_file.append(bytesOf(record));
}

RecordFile::Result HistoryFile::append(const HistoryRecord &record, const BeforeAppend &before)
{
    const QByteArray bytes = bytesOf(record);
    std::lock_guard owner(FileOwner::lockFor(path()));
    const int number = m_file.appendNumber();
    if (!before(qint64(number - 1) * HistoryRecord::kSize, bytes))
        return {false, number, QStringLiteral("%1 に書き込めませんでした。").arg(path())};
    return m_file.write(number, bytes);
}

std::optional<HistoryRecord> HistoryFile::read(int n) const
{
    const auto bytes = m_file.read(n);
    if (!bytes)
        return std::nullopt;
    return HistoryRecord::fromBytes(*bytes);
}

std::optional<QByteArray> HistoryFile::readBytes(int n) const
{
    return m_file.read(n);
}

RecordFile::Result HistoryFile::writeBytes(int n, const QByteArray &record)
{
    return m_file.write(n, record);
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

RecordFile::Result HistoryFile::compact(const QSet<int> &drop, const RecordFile::Progress &progress,
                                        const std::atomic_bool *cancel)
{
    Gate &gate = gateFor(m_kind);
    bool held = false;
    {
        std::unique_lock lock(gate.mutex);
        held = gate.compacting && gate.holder == std::this_thread::get_id();
        // Looked at now and then, so a deletion waiting for a long check can still be stopped.
        while (!held && (gate.sessions > 0 || gate.compacting)) {
            if (cancel && cancel->load())
                return {false, 0, QStringLiteral("中止しました。")};
            gate.changed.wait_for(lock, std::chrono::milliseconds(100));
        }
        gate.compacting = true;
    }
    // A journal left by a check that could not finish points at offsets a
    // rewrite would move: it is settled first, or nothing is rewritten.
    RecordFile::Result result;
    // A holder settled them as its hold began, and its own journal is not left over.
    const QString unsettled = m_kind != Kind::Sent && !held ? settleLeftJournal() : QString();
    if (unsettled.isEmpty())
        result = m_file.compact(m_tmpPath, drop, progress, cancel);
    else
        result = {false, 0, unsettled};
    if (held)
        return result;
    {
        std::lock_guard lock(gate.mutex);
        gate.compacting = false;
    }
    gate.changed.notify_all();
    return result;
}

RecordFile::Result HistoryFile::remove(int n, const RecordFile::Progress &progress, const std::atomic_bool *cancel)
{
    return compact({n}, progress, cancel);
}

RecordFile::Result HistoryFile::remove(const QSet<int> &numbers, const RecordFile::Progress &progress,
                                       const std::atomic_bool *cancel)
{
    return compact(numbers, progress, cancel);
}

RecordFile::Result HistoryFile::removeAll(int count, const RecordFile::Progress &progress,
                                          const std::atomic_bool *cancel)
{
    QSet<int> all;
    const int records = count < 0 ? m_file.roundedRecords() : count;
    for (int n = 1; n <= records; ++n)
        all.insert(n);
    return compact(all, progress, cancel);
}

bool HistoryFile::truncate(qint64 length)
{
    return m_file.truncate(length) && SafeFile::flush(path());
}

bool HistoryFile::takeBackAppend(qint64 lengthBefore, qint64 lengthAfter)
{
    std::lock_guard owner(FileOwner::lockFor(path()));
    QFile file(path());
    if (lengthBefore < 0 || file.size() != lengthAfter)
        return false;
    return file.resize(lengthBefore);
}
