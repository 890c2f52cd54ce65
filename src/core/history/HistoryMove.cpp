#include "core/history/HistoryMove.h"

#include "core/common/AppPaths.h"
#include "core/common/FileOwner.h"
#include "core/common/SafeFile.h"
#include "core/history/HistoryRecord.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace HistoryMove {

namespace {

using Kind = HistoryFile::Kind;

QByteArray checksum(const QByteArray &bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
}

QString historyName(Kind kind)
{
    return kind == Kind::Junk ? QStringLiteral("迷惑メール") : QStringLiteral("着信履歴");
}

// What a move is about to do, on disk before the first record is appended.
struct Journal {
    Kind from = Kind::Received;
    Kind to = Kind::Junk;
    qint64 sourceLength = 0;  // the source before its rewrite
    int targetNumber = 0;     // where the first record goes in the target
    QList<int> numbers;       // in the source, ascending
    QList<QByteArray> sums;   // of each record, in the same order

    QByteArray text() const
    {
        QByteArray out = "M " + QByteArray::number(int(from)) + ' ' + QByteArray::number(int(to)) + ' '
            + QByteArray::number(sourceLength) + ' ' + QByteArray::number(targetNumber) + '\n';
        for (qsizetype i = 0; i < numbers.size(); ++i)
            out += "R " + QByteArray::number(numbers[i]) + ' ' + sums[i] + '\n';
        return out + "E " + QByteArray::number(numbers.size()) + '\n';
    }

    // Nothing for a journal that does not hold together.
    static std::optional<Journal> parse(const QByteArray &text)
    {
        Journal journal;
        const QList<QByteArray> lines = text.split('\n');
        if (lines.size() < 3 || !lines.last().isEmpty())
            return std::nullopt;
        const QList<QByteArray> head = lines.first().split(' ');
        bool ok[4] = {};
        if (head.size() != 5 || head[0] != "M")
            return std::nullopt;
        const int from = head[1].toInt(&ok[0]);
        const int to = head[2].toInt(&ok[1]);
        journal.sourceLength = head[3].toLongLong(&ok[2]);
        journal.targetNumber = head[4].toInt(&ok[3]);
        const auto receivedKind = [](int k) { return k == int(Kind::Received) || k == int(Kind::Junk); };
        if (!std::all_of(std::begin(ok), std::end(ok), [](bool b) { return b; }) || !receivedKind(from)
            || !receivedKind(to) || from == to || journal.sourceLength < 0 || journal.targetNumber < 1)
            return std::nullopt;
        journal.from = Kind(from);
        journal.to = Kind(to);
        for (qsizetype i = 1; i + 2 < lines.size(); ++i) {
            const QList<QByteArray> f = lines[i].split(' ');
            bool number = false;
            if (f.size() != 3 || f[0] != "R" || f[2].size() != 64)
                return std::nullopt;
            journal.numbers << f[1].toInt(&number);
            journal.sums << f[2];
            if (!number || journal.numbers.last() < 1)
                return std::nullopt;
        }
        const QByteArray end = lines[lines.size() - 2];
        if (journal.numbers.isEmpty() || end != "E " + QByteArray::number(journal.numbers.size()))
            return std::nullopt;
        return journal;
    }
};

bool removeJournal()
{
    if (::unlink(QFile::encodeName(journalPath()).constData()) != 0 && errno != ENOENT)
        return false;
    SafeFile::syncFolderOf(journalPath());
    return true;
}

// Both histories' owners, in the order of Kind, as every move takes them.
struct BothOwned {
    std::lock_guard<std::recursive_mutex> first;
    std::lock_guard<std::recursive_mutex> second;

    BothOwned(const HistoryFile &a, const HistoryFile &b)
        : first(FileOwner::lockFor(a.kind() < b.kind() ? a.path() : b.path())),
          second(FileOwner::lockFor(a.kind() < b.kind() ? b.path() : a.path()))
    {
    }
};

bool recordsMatch(const HistoryFile &file, const QList<int> &numbers, const QList<QByteArray> &sums)
{
    for (qsizetype i = 0; i < numbers.size(); ++i) {
        const auto bytes = file.readBytes(numbers[i]);
        if (!bytes || checksum(*bytes) != sums[i])
            return false;
    }
    return true;
}

QList<int> consecutive(int first, qsizetype count)
{
    QList<int> numbers;
    for (qsizetype i = 0; i < count; ++i)
        numbers << first + int(i);
    return numbers;
}

// The target as it was before the move, kept on disk.
bool takeBack(HistoryFile &target, const Journal &journal)
{
    const qint64 before = qint64(journal.targetNumber - 1) * HistoryRecord::kSize;
    return target.length() <= before || target.truncate(before);
}

QString cannotRepair(const HistoryFile &file)
{
    return QStringLiteral("%1（%2）の移動を元に戻せませんでした。").arg(historyName(file.kind()), file.path());
}

} // namespace

QString journalPath()
{
    return AppPaths::resolve(AppPaths::kDataFolder + QStringLiteral("\\move-journal.txt"));
}

QString settle()
{
    QFile file(journalPath());
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const auto journal = Journal::parse(file.readAll());
    file.close();
    // The journal is whole or not there at all (it is written by rename): one
    // that does not hold together was never ours to act on.
    if (!journal)
        return removeJournal() ? QString() : QStringLiteral("%1 を削除できませんでした。").arg(journalPath());

    HistoryFile source(journal->from);
    HistoryFile target(journal->to);
    const BothOwned owned(source, target);
    // The source's rewrite drops at least one record: while it is as long as
    // before, it still holds every moved mail, and the appended copies go.
    if (source.length() == journal->sourceLength) {
        if (!recordsMatch(source, journal->numbers, journal->sums))
            return cannotRepair(source);
        if (!takeBack(target, *journal))
            return cannotRepair(target);
    } else if (!recordsMatch(target, consecutive(journal->targetNumber, journal->numbers.size()), journal->sums)) {
        return cannotRepair(target);
    }
    return removeJournal() ? QString() : QStringLiteral("%1 を削除できませんでした。").arg(journalPath());
}

Result run(Kind from, Kind to, const QList<int> &numbers, const Progress &progress, const std::atomic_bool *cancel)
{
    if (from == to || from == Kind::Sent || to == Kind::Sent)
        return {false, 0, QStringLiteral("着信履歴と迷惑メールの間でのみ移動できます。")};
    QList<int> sorted = numbers;
    std::sort(sorted.begin(), sorted.end());
    sorted.erase(std::unique(sorted.begin(), sorted.end()), sorted.end());
    if (sorted.isEmpty())
        return {true, 0, {}};

    const HistoryFile::Hold firstHold(std::min(from, to), cancel);
    if (!firstHold.acquired())
        return {false, 0, QStringLiteral("中止しました。")};
    const HistoryFile::Hold secondHold(std::max(from, to), cancel);
    if (!secondHold.acquired())
        return {false, 0, QStringLiteral("中止しました。")};
    // A check or a move cut short left offsets that an append would spoil.
    if (const QString unsettled = HistoryFile::settleLeftJournal(); !unsettled.isEmpty())
        return {false, 0, unsettled};

    HistoryFile source(from);
    HistoryFile target(to);
    const BothOwned owned(source, target);
    Journal journal{from, to, source.length(), target.appendNumber(), sorted, {}};
    QList<QByteArray> records;
    for (const int n : std::as_const(sorted)) {
        const auto bytes = source.readBytes(n);
        if (!bytes)
            return {false, 0, QStringLiteral("%1 の %2 件目を読み込めませんでした。").arg(source.path()).arg(n)};
        records << *bytes;
        journal.sums << checksum(*bytes);
    }
    if (journal.targetNumber - 1 + records.size() > RecordFile::kMaxRecords)
        return {false, 0, QStringLiteral("%1 に記録できる件数（%2件）を超えるため、移動できません。")
                              .arg(historyName(to)).arg(RecordFile::kMaxRecords)};

    QString error;
    if (!SafeFile::replace(journalPath(), journal.text(), {}, 0600, &error))
        return {false, 0, QStringLiteral("%1 に書き込めませんでした。\n%2").arg(journalPath(), error)};
    const int total = int(records.size()) * 2;
    const auto tell = [&](int done) {
        if (progress)
            progress(done, total);
    };
    tell(0);

    // Anything that fails before the source is rewritten leaves the mails where they were.
    const auto undo = [&](const QString &why) -> Result {
        if (!takeBack(target, journal))
            return {false, 0, why + u'\n' + cannotRepair(target)};
        if (!removeJournal())
            return {false, 0, why + u'\n' + QStringLiteral("%1 を削除できませんでした。").arg(journalPath())};
        return {false, 0, why};
    };
    for (qsizetype i = 0; i < records.size(); ++i) {
        const RecordFile::Result written = target.writeBytes(journal.targetNumber + int(i), records[i]);
        if (!written.ok)
            return undo(written.error);
        tell(int(i) + 1);
    }
    // The copies are on disk before the originals go.
    if (!SafeFile::flush(target.path(), &error))
        return undo(QStringLiteral("%1 に書き込めませんでした。\n%2").arg(target.path(), error));
    const int moved = int(records.size());
    const RecordFile::Result removed = source.remove(
        QSet<int>(sorted.cbegin(), sorted.cend()),
        [&](int done, int all) { tell(moved + (all > 0 ? int(qint64(done) * moved / all) : moved)); }, cancel);
    if (!removed.ok)
        return undo(removed.error);
    tell(total);
    if (!removeJournal())
        return {false, moved, QStringLiteral("%1 を削除できませんでした。").arg(journalPath())};
    return {true, moved, {}};
}

} // namespace HistoryMove
