#pragma once

#include "core/common/RecordFile.h"
#include "core/history/HistoryRecord.h"

#include <atomic>
#include <functional>
#include <optional>

// The received-mail, sent-mail or junk-mail history on disk. The junk history
// is a received history of its own: same records, same reading and deleting.
class HistoryFile {
public:
    enum class Kind { Received, Sent, Junk };

    explicit HistoryFile(Kind kind);

    Kind kind() const { return m_kind; }
    const QString &path() const { return m_file.path(); }

    // The bytes append writes for a record: one-line fields, fitted to their widths.
    QByteArray bytesOf(const HistoryRecord &record) const;

    // A sent mail keeps its clock text date exactly as it stands.
    RecordFile::Result append(const HistoryRecord &record);
    // The same, with before told where the record will go and its bytes while no
    // other write can come between; a false answer writes nothing.
    using BeforeAppend = std::function<bool(qint64 offset, const QByteArray &bytes)>;
    RecordFile::Result append(const HistoryRecord &record, const BeforeAppend &before);

    // While a check (or an import) stores mail the received history is only
    // appended to: deletions wait until its session ends, as they would move the
    // records the check's journal points at; a session waits for a deletion
    // under way and for another session. A journal an earlier check left behind
    // is settled as the session begins: records appended behind it would be cut
    // at the next settling.
    class AppendSession {
    public:
        explicit AppendSession(Kind kind);
        // The same, for a caller that may stop while it waits: waiting is told
        // once when another writer holds the history; cancel ends the wait
        // without a session.
        AppendSession(Kind kind, const std::atomic_bool *cancel, const std::function<void()> &waiting);
        ~AppendSession();
        AppendSession(const AppendSession &) = delete;
        AppendSession &operator=(const AppendSession &) = delete;

        // False when the wait was stopped: nothing may be appended.
        bool acquired() const { return m_acquired; }

        // Why nothing may be appended in this session (a leftover journal that
        // could not be settled), for a box; empty when appending is safe.
        const QString &unsettled() const { return m_unsettled; }

    private:
        Kind m_kind;
        bool m_acquired = false;
        QString m_unsettled;
    };

    // Holds the history against append sessions and other rewrites, as a
    // deletion does, for an operation made of several writes (a move between
    // histories). The holding thread may still remove records. Holds and
    // sessions of two histories are taken in the order of Kind (Received before
    // Junk), so two of them never wait on each other.
    class Hold {
    public:
        Hold(Kind kind, const std::atomic_bool *cancel);
        ~Hold();
        Hold(const Hold &) = delete;
        Hold &operator=(const Hold &) = delete;

        // False when the wait was stopped.
        bool acquired() const { return m_acquired; }

    private:
        Kind m_kind;
        bool m_acquired = false;
    };

    // Whether a check or an import is storing mail in the history now, for
    // work that should wait behind it.
    static bool storing(Kind kind);

    // What to do when a leftover journal cannot be settled.
    static inline const QString kUnsettledAdvice = QStringLiteral(
        "受信履歴の変更（受信・取り込み・削除）は、これが直るまで行いません。"
        "空き容量と書き込みの権限を確かめてから、もう一度お試しください。");

    // Settles a journal left by a check or a move that could not finish; empty
    // when there was none or it is settled, otherwise what failed, where, and
    // what to do.
    static QString settleLeftJournal();

    // Record n as stored, or nothing past the end of the file.
    std::optional<HistoryRecord> read(int n) const;
    // Its bytes exactly as on disk.
    std::optional<QByteArray> readBytes(int n) const;
    // Writes bytes of a record exactly as given (a record moved from another
    // history) at record number n; n is appendNumber() for an append.
    RecordFile::Result writeBytes(int n, const QByteArray &record);
    int appendNumber() const { return m_file.appendNumber(); }

    // The 280 head bytes of every whole record in file order, without the bodies.
    // Listing a missing file creates it empty.
    QByteArray readHeads() const;
    // The heads of count records from record first on, fewer at the end.
    QByteArray readHeads(int first, int count) const;
    // What a listing starts with: the number of whole records; a missing file
    // is created empty.
    int listCount() const;

    // Delete one record, or the first count records (those the user was asked
    // about; -1 for every record), by rewriting the file without them. They wait
    // for any append session and may be stopped through cancel, leaving the file whole.
    RecordFile::Result remove(int n, const RecordFile::Progress &progress = {},
                              const std::atomic_bool *cancel = nullptr);
    RecordFile::Result removeAll(int count = -1, const RecordFile::Progress &progress = {},
                                 const std::atomic_bool *cancel = nullptr);
    // The records numbered in numbers, by the same rewrite.
    RecordFile::Result remove(const QSet<int> &numbers, const RecordFile::Progress &progress = {},
                              const std::atomic_bool *cancel = nullptr);

    // Cuts the file to length bytes and puts it on disk; for crash recovery.
    bool truncate(qint64 length);
    qint64 length() const { return m_file.length(); }

    // Undoes the last append when nothing else has written since: the file is
    // cut back from lengthAfter to lengthBefore.
    bool takeBackAppend(qint64 lengthBefore, qint64 lengthAfter);
    int count() const { return m_file.wholeRecords(); }

private:
    RecordFile::Result compact(const QSet<int> &drop, const RecordFile::Progress &progress,
                               const std::atomic_bool *cancel);

    Kind m_kind;
    QString m_tmpPath;
    mutable RecordFile m_file;
};
