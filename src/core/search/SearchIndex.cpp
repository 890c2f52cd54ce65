#include "core/search/SearchIndex.h"

#include "core/common/AppPaths.h"
#include "core/common/FixedField.h"
#include "core/common/RecordFile.h"
#include "core/search/GramTokenizer.h"
#include "core/search/IndexText.h"
#include "core/search/SearchText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

#include <sys/stat.h>

namespace {

// Bumped whenever the tokenizer, the normal form or the tables change: an
// index of another version is built again.
constexpr int kVersion = 2;
constexpr int kApplicationId = 0x50494E54;  // "PINT"

int kindCode(HistoryFile::Kind kind)
{
    return kind == HistoryFile::Kind::Received ? 0 : 1;
}

QString historyPath(HistoryFile::Kind kind)
{
    return AppPaths::resolve(kind == HistoryFile::Kind::Received ? AppPaths::kReceivedHistory
                                                                 : AppPaths::kSentHistory);
}

// What changes whenever a history is appended to or rewritten: with the last
// record's head, as a mail taken back and another stored in its place may
// leave the size and the time of the file as they were.
QString looksOf(HistoryFile::Kind kind)
{
    const QFileInfo info(historyPath(kind));
    if (!info.exists())
        return QStringLiteral("-");
    const HistoryFile history(kind);
    const QByteArray last = history.readHeads(history.count(), 1);
    return QStringLiteral("%1/%2/%3/%4").arg(info.size()).arg(info.lastModified().toMSecsSinceEpoch()).arg(
        info.birthTime().toMSecsSinceEpoch()).arg(MailDocument::fingerprint(last));
}

struct Placed {
    qint64 id;
    qint64 fingerprint;
    bool indexed;
};

struct Waiting {
    qint64 id;
    HistoryFile::Kind kind;
    int number;
    qint64 fingerprint;
};

} // namespace

QString SearchIndex::defaultPath()
{
    return AppPaths::resolve(AppPaths::kDataFolder) + QStringLiteral("/search-index.sqlite");
}

SearchIndex::SearchIndex(QString path) : m_path(std::move(path)) {}

bool SearchIndex::isOpen() const
{
    return m_db.isOpen();
}

void SearchIndex::tidy()
{
    std::lock_guard lock(m_mutex);
    if (!m_untidy || !m_db.isOpen() || m_readOnly)
        return;
    // Free pages go, and the log of what was written goes back into the file,
    // so the index takes no more room than it needs.
    m_db.exec("PRAGMA incremental_vacuum; PRAGMA wal_checkpoint(TRUNCATE)");
    m_untidy = false;
}

void SearchIndex::close()
{
    tidy();
    std::lock_guard lock(m_mutex);
    m_db.close();
    m_seen.clear();
    m_tails.clear();
    m_listedStale = true;
}

bool SearchIndex::open(QString *notice, QString *error)
{
    std::lock_guard lock(m_mutex);
    const bool ok = openLocked(error);
    if (notice)
        *notice = takeNotice();
    return ok;
}

bool SearchIndex::openForReading(QString *error)
{
    std::lock_guard lock(m_mutex);
    m_readOnly = true;
    if (m_db.open(m_path, true) && GramTokenizer::install(m_db.handle())) {
        SqliteStatement check(m_db, "SELECT (SELECT application_id FROM pragma_application_id),"
                                    " (SELECT user_version FROM pragma_user_version)");
        if (check.step() && check.integer(0) == kApplicationId && check.integer(1) == kVersion)
            return true;
    }
    if (error)
        *error = QStringLiteral("検索用の索引 %1 を読めません: %2").arg(QDir::toNativeSeparators(m_path), m_db.error());
    m_db.close();
    return false;
}

bool SearchIndex::openLocked(QString *error)
{
    if (m_readOnly)
        return false;
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    const bool existed = QFileInfo(m_path).size() > 0;
    bool sound = m_db.open(m_path) && GramTokenizer::install(m_db.handle());
    if (sound && existed) {
        SqliteStatement check(m_db, "SELECT (SELECT application_id FROM pragma_application_id),"
                                    " (SELECT user_version FROM pragma_user_version),"
                                    " (SELECT count(*) FROM mails), (SELECT count(*) FROM pairs_config), (SELECT count(*) FROM chars_config)");
        const bool read = check.step();
        sound = read && check.integer(0) == kApplicationId && check.integer(1) == kVersion;
        if (!read)
            m_notice = QStringLiteral("検索用の索引が壊れているため、作り直します: %1").arg(m_db.error());
        else if (!sound)
            m_notice = QStringLiteral("検索用の索引が古い形式のため、作り直します。");
    }
    if (sound && existed && m_db.exec("PRAGMA journal_mode=WAL; PRAGMA synchronous=NORMAL;"))
        return true;
    if (sound && !existed && createSchema())
        return true;
    if (!recreateLocked()) {
        if (error)
            *error = QStringLiteral("検索用の索引 %1 を作成できません: %2").arg(QDir::toNativeSeparators(m_path),
                                                                               m_db.error());
        m_db.close();
        return false;
    }
    return true;
}

bool SearchIndex::createSchema()
{
    // Room the grams' merges leave free is given back after each catch-up (incremental_vacuum).
    return m_db.exec("PRAGMA auto_vacuum=INCREMENTAL; PRAGMA journal_mode=WAL; PRAGMA synchronous=NORMAL;"
                     "BEGIN;"
                     "CREATE TABLE mails(id INTEGER PRIMARY KEY AUTOINCREMENT, kind INTEGER NOT NULL,"
                     " number INTEGER NOT NULL, fingerprint INTEGER NOT NULL, indexed INTEGER NOT NULL DEFAULT 0,"
                     " time INTEGER NOT NULL DEFAULT 0, date TEXT, correspondent TEXT, subject TEXT);"
                     "CREATE INDEX mails_place ON mails(kind, number);"
                     "CREATE INDEX mails_waiting ON mails(indexed, time);"
                     // The body first: places in the first column are kept without its number.
                     "CREATE VIRTUAL TABLE chars USING fts5(body, subject, sender, recipients, files,"
                     " content='', columnsize=0, detail=column, tokenize='pintora_grams chars');"
                     "CREATE VIRTUAL TABLE pairs USING fts5(body, subject, sender, recipients, files,"
                     " content='', columnsize=0, tokenize='pintora_grams pairs');"
                     // Larger leaves than the default: fewer of them to describe.
                     "INSERT INTO chars(chars, rank) VALUES('pgsz', 4000);"
                     "INSERT INTO pairs(pairs, rank) VALUES('pgsz', 4000);"
                     "CREATE TABLE leftovers(count INTEGER NOT NULL); INSERT INTO leftovers VALUES(0);"
                     "PRAGMA application_id=1346981460; PRAGMA user_version=2;"
                     "COMMIT;");
}

bool SearchIndex::recreateLocked()
{
    m_db.close();
    m_seen.clear();
    m_tails.clear();
    m_listedStale = true;
    for (const QString &suffix : {QString(), QStringLiteral("-wal"), QStringLiteral("-shm"), QStringLiteral("-journal")})
        QFile::remove(m_path + suffix);
    return m_db.open(m_path) && GramTokenizer::install(m_db.handle()) && createSchema();
}

bool SearchIndex::mendIfDamaged()
{
    if (!m_db.damaged())
        return false;
    m_notice = QStringLiteral("検索用の索引が壊れていたため、作り直します。");
    recreateLocked();
    return true;
}

QString SearchIndex::takeNotice()
{
    std::lock_guard lock(m_mutex);
    return std::exchange(m_notice, QString());
}

bool SearchIndex::removeRow(qint64 id, bool indexed)
{
    // The grams of a mail cannot be taken out without its text, which the index
    // does not keep: they stay, matching no row of mails, until sweepLeftovers.
    if (indexed) {
        SqliteStatement count(m_db, "UPDATE leftovers SET count = count + 1");
        if (!count.run())
            return false;
    }
    SqliteStatement row(m_db, "DELETE FROM mails WHERE id = ?");
    return row.bind(1, id).run();
}

bool SearchIndex::sweepLeftovers()
{
    // Once the grams of deleted mails outweigh a quarter of the rest, the grams
    // are built again from the histories, as a first build would.
    SqliteStatement weigh(m_db, "SELECT count FROM leftovers");
    if (!weigh.step())
        return false;
    const qint64 leftovers = weigh.integer(0);
    if (leftovers < 64)
        return true;
    m_listedStale = true;
    SqliteStatement live(m_db, "SELECT count(*) FROM mails WHERE indexed = 1");
    if (!live.step() || leftovers * 4 < live.integer(0))
        return !live.failed();
    return m_db.exec("BEGIN IMMEDIATE; INSERT INTO chars(chars) VALUES('delete-all');"
                     " INSERT INTO pairs(pairs) VALUES('delete-all');"
                     " UPDATE mails SET indexed = 0 WHERE indexed = 1; UPDATE leftovers SET count = 0; COMMIT;")
        || (m_db.exec("ROLLBACK"), false);
}

SearchIndex::Tail SearchIndex::tailOf(HistoryFile::Kind kind, int count, qint64 lastPrint)
{
    struct stat info {};
    if (::stat(QFile::encodeName(historyPath(kind)).constData(), &info) != 0)
        return {};
    return {qint64(info.st_dev), qint64(info.st_ino), count, lastPrint};
}

bool SearchIndex::alignTailLocked(HistoryFile::Kind kind)
{
    // A check, a send or an import only appends: the same file (a deletion
    // rewrites it as a new one), grown, its last record as it was. Then only
    // the records behind it are read, not every head of the history.
    const auto known = m_tails.constFind(kindCode(kind));
    if (known == m_tails.constEnd() || known->count <= 0)
        return false;
    const Tail tail = *known;
    const Tail now = tailOf(kind, tail.count, tail.lastPrint);
    if (now.device != tail.device || now.inode != tail.inode)
        return false;
    const HistoryFile history(kind);
    const QByteArray last = history.readHeads(tail.count, 1);
    if (last.size() != HistoryRecord::kHeadSize || MailDocument::fingerprint(last) != tail.lastPrint)
        return false;
    const QByteArray heads = history.readHeads(tail.count + 1, RecordFile::kMaxRecords);
    const int added = int(heads.size() / HistoryRecord::kHeadSize);
    if (added == 0)
        return true;
    if (!m_db.exec("BEGIN IMMEDIATE"))
        return false;
    SqliteStatement add(m_db, "INSERT INTO mails(kind, number, fingerprint, time, date, correspondent, subject)"
                              " VALUES(?, ?, ?, ?, ?, ?, ?)");
    bool ok = true;
    for (int i = 0; i < added && ok; ++i)
        ok = addRow(add, kind, tail.count + 1 + i, heads.mid(qsizetype(i) * HistoryRecord::kHeadSize, HistoryRecord::kHeadSize));
    if (!ok || !m_db.exec("COMMIT")) {
        m_db.exec("ROLLBACK");
        return false;
    }
    m_tails.insert(kindCode(kind), tailOf(kind, tail.count + added, MailDocument::fingerprint(heads.right(HistoryRecord::kHeadSize))));
    return true;
}

bool SearchIndex::addRow(SqliteStatement &add, HistoryFile::Kind kind, int number, const QByteArray &head)
{
    const HistoryRecord listed = HistoryRecord::fromBytes(head).trimmed();
    const QString date = FixedField::cutAtNul(listed.MailDate);
    return add.bind(1, kindCode(kind)).bind(2, number).bind(3, MailDocument::fingerprint(head))
        .bind(4, MailDocument::timeOf(date)).bind(5, date).bind(6, FixedField::cutAtNul(listed.Correspondent))
        .bind(7, listed.Subject).run();
}

bool SearchIndex::align(HistoryFile::Kind kind)
{
    std::lock_guard lock(m_mutex);
    return alignLocked(kind, true);
}

bool SearchIndex::alignLocked(HistoryFile::Kind kind, bool force)
{
    if (!m_db.isOpen())
        return false;
    // A reader takes the numbers as the owner left them.
    if (m_readOnly)
        return true;
    const QString looks = looksOf(kind);
    if (!force && m_seen.value(kindCode(kind)) == looks)
        return true;
    if (!force && alignTailLocked(kind)) {
        m_seen.insert(kindCode(kind), looks);
        return true;
    }

    // The heads of the records as they stand now; a missing history is empty,
    // and stays missing: the index never creates a history file.
    QByteArray heads;
    if (QFile::exists(historyPath(kind)))
        heads = HistoryFile(kind).readHeads();
    const int count = int(heads.size() / HistoryRecord::kHeadSize);

    QList<Placed> old;
    {
        SqliteStatement list(m_db, "SELECT id, fingerprint, indexed FROM mails WHERE kind = ? ORDER BY number, id");
        list.bind(1, kindCode(kind));
        while (list.step())
            old.append({list.integer(0), list.integer(1), list.integer(2) != 0});
        if (list.failed())
            return mendIfDamaged(), false;
    }
    QHash<qint64, QList<int>> at;
    for (int j = 0; j < old.size(); ++j)
        at[old[j].fingerprint].append(j);

    if (!m_db.exec("BEGIN IMMEDIATE"))
        return mendIfDamaged(), false;
    bool ok = true;
    SqliteStatement move(m_db, "UPDATE mails SET number = ? WHERE id = ? AND number <> ?");
    SqliteStatement add(m_db, "INSERT INTO mails(kind, number, fingerprint, time, date, correspondent, subject)"
                              " VALUES(?, ?, ?, ?, ?, ?, ?)");
    QList<int> gone;
    // Records keep their order through deletions: each record of the file takes
    // the next listed mail with its fingerprint, and the mails passed over on
    // the way were deleted. A record found nowhere is new.
    int j = 0;
    for (int i = 0; i < count && ok; ++i) {
        const QByteArray head = heads.mid(qsizetype(i) * HistoryRecord::kHeadSize, HistoryRecord::kHeadSize);
        const qint64 print = MailDocument::fingerprint(head);
        int found = -1;
        if (const auto places = at.constFind(print); places != at.constEnd()) {
            const auto next = std::lower_bound(places->begin(), places->end(), j);
            if (next != places->end())
                found = *next;
        }
        if (found >= 0) {
            for (; j < found; ++j)
                gone.append(j);
            ok = move.bind(1, i + 1).bind(2, old[found].id).bind(3, i + 1).run();
            j = found + 1;
            continue;
        }
        ok = addRow(add, kind, i + 1, head);
    }
    for (; j < old.size(); ++j)
        gone.append(j);
    for (int k = 0; k < gone.size() && ok; ++k)
        ok = removeRow(old[gone[k]].id, old[gone[k]].indexed);
    if (!ok || !m_db.exec("COMMIT")) {
        m_db.exec("ROLLBACK");
        mendIfDamaged();
        return false;
    }
    m_seen.insert(kindCode(kind), looks);
    m_tails.insert(kindCode(kind), tailOf(kind, count, count > 0 ? MailDocument::fingerprint(heads.right(HistoryRecord::kHeadSize)) : 0));
    m_listedStale = true;
    return gone.isEmpty() || sweepLeftovers();
}

SearchIndex::Counts SearchIndex::counts()
{
    std::lock_guard lock(m_mutex);
    SqliteStatement count(m_db, "SELECT coalesce(sum(indexed), 0), count(*) FROM mails");
    if (!count.step())
        return {};
    return {int(count.integer(0)), int(count.integer(1))};
}

bool SearchIndex::store(HistoryFile::Kind kind, int number, qint64 fingerprint, const MailDocument &doc)
{
    std::lock_guard lock(m_mutex);
    if (!m_db.exec("BEGIN IMMEDIATE"))
        return mendIfDamaged(), false;
    bool ok = true;
    {
        SqliteStatement old(m_db, "SELECT id, indexed FROM mails WHERE kind = ? AND number = ?");
        old.bind(1, kindCode(kind)).bind(2, number);
        QList<Placed> rows;
        while (old.step())
            rows.append({old.integer(0), 0, old.integer(1) != 0});
        for (int k = 0; k < rows.size() && ok; ++k)
            ok = removeRow(rows[k].id, rows[k].indexed);
    }
    qint64 id = 0;
    if (ok) {
        SqliteStatement add(m_db, "INSERT INTO mails(kind, number, fingerprint) VALUES(?, ?, ?)");
        ok = add.bind(1, kindCode(kind)).bind(2, number).bind(3, fingerprint).run();
        id = m_db.lastInsertId();
    }
    ok = ok && IndexText::Writer(m_db).write(id, doc);
    if (!ok || !m_db.exec("COMMIT")) {
        m_db.exec("ROLLBACK");
        mendIfDamaged();
        return false;
    }
    m_listedStale = true;
    m_tails.remove(kindCode(kind));
    return sweepLeftovers();
}
