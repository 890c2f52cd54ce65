#pragma once

#include "core/common/Sqlite.h"
#include "core/junk/JunkCombine.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QSet>
#include <QString>

#include <utility>
#include <vector>

// The word counts on disk: per token key how many good and junk mails had it,
// how many mails of each kind were learnt, the fingerprints of learnt mails,
// trusted senders and records whose sender failed authentication. A store that
// cannot be read (damaged, cut, another version) is set aside and begun anew.
class JunkWordStore {
public:
    // One learnt mail: its fingerprint and its tokens' keys.
    struct Mail {
        QByteArray fingerprint;
        QList<qint64> keys;
    };
    // How a fingerprint was learnt.
    enum class Learnt { No, Good, Junk };

    static constexpr int kVersion = 1;
    // Stores up to this many words are read into memory once (16 bytes a word)
    // and looked up there; larger ones are asked word by word.
    static constexpr qint64 kMaxCachedWords = 2'000'000;

    // Opens (or creates) the store at path; false with error() set.
    bool open(const QString &path);
    void close();
    bool isOpen() const { return m_db.isOpen(); }
    QString error() const { return m_error; }
    // The last failure, once.
    QString takeError() { return std::exchange(m_error, QString()); }
    // Said once after a store was set aside, then empty.
    QString takeNotice();

    JunkCombine::Counts totals();
    // The counts of those of the keys (in ascending order) that were ever seen.
    QHash<qint64, JunkCombine::Counts> counts(const QList<qint64> &keys);
    Learnt learnt(const QByteArray &fingerprint);

    // Learns the mails as junk or good in one transaction; those learnt the
    // other way before are unlearnt first, those learnt this way already are
    // left as they are. The number newly learnt, or -1 on failure.
    int learn(const QList<Mail> &mails, bool junk);

    QSet<QString> trusted();
    bool addTrusted(const QStringList &addresses);

private:
    struct Row {
        qint64 key;
        qint32 good;
        qint32 junk;
    };
    // The words in memory, in key order, while no other connection changed them.
    bool cacheCurrent();
    void loadCache();
    QHash<qint64, JunkCombine::Counts> countsFromCache(const QList<qint64> &keys) const;
    QHash<qint64, JunkCombine::Counts> countsFromDisk(const QList<qint64> &keys);

    bool createSchema();
    bool sound();
    // Moves a damaged store out of the way and starts a fresh one.
    bool setAside(const QString &why);
    // After a failed statement: a damaged file is set aside, once.
    void failed();

    SqliteDb m_db;
    std::vector<Row> m_cache;
    bool m_cached = false;
    bool m_tooLarge = false;
    qint64 m_cacheVersion = -1;
    QString m_path;
    QString m_error;
    QString m_notice;
};
