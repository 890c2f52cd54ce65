#pragma once

#include "core/history/HistoryFile.h"
#include "core/search/MailDocument.h"
#include "core/search/SearchQuery.h"
#include "core/common/Sqlite.h"

#include <QHash>
#include <QList>
#include <QString>

#include <atomic>
#include <functional>
#include <mutex>

// The index of both histories for whole-history search, beside them in
// ★MAilData/search-index.sqlite. It is derived data only: it never writes a
// history file, and a missing, damaged or foreign index file is replaced by a
// new one built again from the histories. Records are known by their place and
// a fingerprint of their head, so numbers that move after a deletion are found
// again and every answer names the record that holds the mail now.
// Every call may come from any thread; one at a time uses the database.
class SearchIndex {
public:
    static QString defaultPath();
    explicit SearchIndex(QString path = defaultPath());

    // Opens the file or makes a new one. A file that is no index of this
    // version is replaced, and notice says so in one line. False with error
    // set when no index can be made at all (the folder cannot be written).
    bool open(QString *notice = nullptr, QString *error = nullptr);
    // Opens an index another process owns, only to search it as it stands.
    bool openForReading(QString *error = nullptr);
    bool isOpen() const;
    void close();

    // Brings the list of mails in line with a history file: moved records get
    // their new numbers, deleted ones leave the index, new ones wait to be indexed.
    bool align(HistoryFile::Kind kind);

    // Indexes the mails that wait, newest first, a batch at a time, so searches
    // can come between batches. progress is told the mails indexed and the
    // mails of both histories after each batch. False when stopped by cancel
    // or on an error the index cannot mend.
    // Between batches, a set yield ends the catch-up early (true: nothing failed).
    using Progress = std::function<void(int indexed, int total)>;
    bool catchUp(const Progress &progress = {}, const std::atomic_bool *cancel = nullptr, int batch = 200,
                 const std::function<bool()> &yield = {});

    // Gives back the room written and freed since the last time; for after a
    // catch-up, once those who waited for it have their answer.
    void tidy();

    struct Counts {
        int indexed = 0;
        int total = 0;
    };
    Counts counts();

    // Puts one mail into the index at once, in place of whatever stood at its
    // number; for mails known without reading the history (and for tests).
    bool store(HistoryFile::Kind kind, int number, qint64 fingerprint, const MailDocument &doc);

    struct Hit {
        HistoryFile::Kind kind = HistoryFile::Kind::Received;
        int number = 0;  // 1-based, as in the history's list
        qint64 time = 0;
        QString date;
        QString correspondent;
        QString subject;
        qint64 id = 0;  // the mail's row in the index, which outlives moves of its number
    };
    struct Answer {
        QList<Hit> hits;     // newest first
        bool complete = true;  // false while mails still wait to be indexed
        QString error;
    };
    Answer search(const SearchQuery &query);

    // A short piece of the mail's text around the first match, with where the
    // match stands in it; empty when the mail has no text match.
    struct Excerpt {
        QString text;
        int start = 0;
        int length = 0;
    };
    Excerpt excerpt(const Hit &hit, const SearchQuery &query);

    // The number the hit's mail has now, after deletions that came since the
    // search; 0 when it was deleted.
    int numberNow(const Hit &hit, qint64 *fingerprint = nullptr);

    // The notice of the last replacement of a damaged index, once.
    QString takeNotice();

private:
    bool openLocked(QString *error);
    bool createSchema();
    bool recreateLocked();
    bool alignLocked(HistoryFile::Kind kind, bool force);
    bool mendIfDamaged();
    bool removeRow(qint64 id, bool indexed);
    bool addRow(SqliteStatement &add, HistoryFile::Kind kind, int number, const QByteArray &head);
    bool alignTailLocked(HistoryFile::Kind kind);
    bool sweepLeftovers();

    QString m_path;
    std::recursive_mutex m_mutex;
    SqliteDb m_db;
    QString m_notice;
    bool m_readOnly = false;
    bool m_untidy = false;
    // What each history file looked like when last aligned.
    QHash<int, QString> m_seen;
    // Which file that was, its records then and the fingerprint of the last.
    struct Tail {
        qint64 device = -1;
        qint64 inode = -1;
        int count = 0;
        qint64 lastPrint = 0;
    };
    static Tail tailOf(HistoryFile::Kind kind, int count, qint64 lastPrint);
    QHash<int, Tail> m_tails;
    // The indexed mails as the result list shows them; read again
    // after anything but a catch-up has changed them.
    const QList<Hit> &listedLocked();
    QList<Hit> m_listed;  // newest first, once sorted
    bool m_listedStale = true;
    bool m_listedSorted = false;
    qint64 m_listedTop = 0;  // the highest row listed
};
