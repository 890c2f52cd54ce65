#include "core/junk/JunkWordStore.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <utility>

namespace {

constexpr qint64 kApplicationId = 1247111755;  // "JUNK"
const char *const kSuffixes[] = {"", "-wal", "-shm", "-journal"};

struct Delta {
    qint64 good = 0;
    qint64 junk = 0;
};

} // namespace

bool JunkWordStore::open(const QString &path)
{
    m_path = path;
    m_error.clear();
    QDir().mkpath(QFileInfo(path).absolutePath());
    const bool existed = QFileInfo(path).size() > 0;
    if (!m_db.open(path)) {
        m_error = QStringLiteral("迷惑メールの学習データ %1 を開けません: %2").arg(QDir::toNativeSeparators(path), m_db.error());
        return existed && setAside(m_error);
    }
    if (!existed)
        return createSchema() || setAside(m_db.error());
    if (!sound())
        return setAside(m_db.error());
    return m_db.exec("PRAGMA journal_mode=WAL; PRAGMA synchronous=NORMAL; PRAGMA cache_size=-16000; PRAGMA mmap_size=268435456;")
           || setAside(m_db.error());
}

void JunkWordStore::close()
{
    m_cached = m_tooLarge = false;
    std::vector<Row>().swap(m_cache);
    m_db.close();
}

QString JunkWordStore::takeNotice()
{
    return std::exchange(m_notice, QString());
}

bool JunkWordStore::sound()
{
    SqliteStatement check(m_db, "SELECT (SELECT application_id FROM pragma_application_id),"
                                " (SELECT user_version FROM pragma_user_version),"
                                " (SELECT count(*) FROM totals), (SELECT count(*) FROM learnt),"
                                " (SELECT count(*) FROM trusted), (SELECT count(*) FROM spoofed),"
                                " (SELECT max(key) FROM words)");
    if (!check.step())
        return false;
    return check.integer(0) == kApplicationId && check.integer(1) == kVersion && check.integer(2) == 1;
}

bool JunkWordStore::createSchema()
{
    return m_db.exec("PRAGMA journal_mode=WAL; PRAGMA synchronous=NORMAL; PRAGMA cache_size=-16000; PRAGMA mmap_size=268435456;"
                     "BEGIN;"
                     "CREATE TABLE words(key INTEGER PRIMARY KEY, good INTEGER NOT NULL, junk INTEGER NOT NULL);"
                     "CREATE TABLE totals(id INTEGER PRIMARY KEY CHECK (id = 1), good INTEGER NOT NULL,"
                     " junk INTEGER NOT NULL);"
                     "INSERT INTO totals VALUES(1, 0, 0);"
                     "CREATE TABLE learnt(fingerprint BLOB PRIMARY KEY, junk INTEGER NOT NULL) WITHOUT ROWID;"
                     "CREATE TABLE trusted(address TEXT PRIMARY KEY) WITHOUT ROWID;"
                     "CREATE TABLE spoofed(head BLOB PRIMARY KEY) WITHOUT ROWID;"
                     "PRAGMA application_id=1247111755; PRAGMA user_version=1;"
                     "COMMIT;");
}

bool JunkWordStore::setAside(const QString &why)
{
    close();
    const QString aside = m_path + QStringLiteral(".broken");
    QFile::remove(aside);
    const bool moved = !QFile::exists(m_path) || QFile::rename(m_path, aside);
    for (const char *suffix : kSuffixes) {
        if (*suffix)
            QFile::remove(m_path + QLatin1String(suffix));
    }
    if (!moved)
        QFile::remove(m_path);
    if (!m_db.open(m_path) || !createSchema()) {
        m_error = QStringLiteral("迷惑メールの学習データ %1 を作成できません: %2")
                      .arg(QDir::toNativeSeparators(m_path), m_db.error());
        m_db.close();
        return false;
    }
    m_notice = QStringLiteral("迷惑メールの学習データ %1 を読めないため、新しく始めました（元のファイルは %2）: %3")
                   .arg(QDir::toNativeSeparators(m_path), QDir::toNativeSeparators(aside), why);
    m_error.clear();
    return true;
}

void JunkWordStore::failed()
{
    m_error = QStringLiteral("迷惑メールの学習データ %1 を読み書きできません: %2")
                  .arg(QDir::toNativeSeparators(m_path), m_db.error());
    if (m_db.damaged())
        setAside(m_db.error());
}

JunkCombine::Counts JunkWordStore::totals()
{
    SqliteStatement select(m_db, "SELECT good, junk FROM totals WHERE id = 1");
    if (!select.step()) {
        failed();
        return {};
    }
    return {select.integer(0), select.integer(1)};
}

QHash<qint64, JunkCombine::Counts> JunkWordStore::counts(const QList<qint64> &keys)
{
    if (cacheCurrent() || (!m_tooLarge && (loadCache(), m_cached)))
        return countsFromCache(keys);
    return countsFromDisk(keys);
}

bool JunkWordStore::cacheCurrent()
{
    if (!m_cached)
        return false;
    // data_version moves when another connection (another process) commits.
    SqliteStatement version(m_db, "PRAGMA data_version");
    if (version.step() && version.integer(0) == m_cacheVersion)
        return true;
    m_cached = false;
    m_tooLarge = false;
    return false;
}

void JunkWordStore::loadCache()
{
    m_cache.clear();
    m_cached = false;
    m_db.exec("BEGIN");
    SqliteStatement version(m_db, "PRAGMA data_version");
    SqliteStatement count(m_db, "SELECT count(*) FROM words");
    if (version.step() && count.step() && count.integer(0) <= kMaxCachedWords) {
        m_cache.reserve(size_t(count.integer(0)));
        SqliteStatement rows(m_db, "SELECT key, good, junk FROM words ORDER BY key");
        while (rows.step())
            m_cache.push_back({rows.integer(0), qint32(rows.integer(1)), qint32(rows.integer(2))});
        m_cached = !rows.failed();
        m_cacheVersion = version.integer(0);
    } else {
        m_tooLarge = !count.failed();
    }
    m_db.exec("COMMIT");
    if (!m_cached)
        std::vector<Row>().swap(m_cache);
}

QHash<qint64, JunkCombine::Counts> JunkWordStore::countsFromCache(const QList<qint64> &keys) const
{
    QHash<qint64, JunkCombine::Counts> found;
    found.reserve(keys.size());
    // Both in key order: each search starts where the last one ended.
    auto from = m_cache.cbegin();
    for (const qint64 key : keys) {
        from = std::lower_bound(from, m_cache.cend(), key, [](const Row &r, qint64 k) { return r.key < k; });
        if (from == m_cache.cend())
            break;
        if (from->key == key)
            found.insert(key, {from->good, from->junk});
    }
    return found;
}

QHash<qint64, JunkCombine::Counts> JunkWordStore::countsFromDisk(const QList<qint64> &keys)
{
    QHash<qint64, JunkCombine::Counts> found;
    found.reserve(keys.size());
    // One read transaction for all lookups: each would otherwise lock and unlock the file.
    m_db.exec("BEGIN");
    {
        SqliteStatement select(m_db, "SELECT good, junk FROM words WHERE key = ?1");
        for (const qint64 key : keys) {
            select.bind(1, key);
            if (select.step())
                found.insert(key, {select.integer(0), select.integer(1)});
            else if (select.failed())
                break;
            select.reset();
        }
        if (select.failed()) {
            m_db.exec("ROLLBACK");
            failed();
            return {};
        }
    }
    m_db.exec("COMMIT");
    return found;
}

JunkWordStore::Learnt JunkWordStore::learnt(const QByteArray &fingerprint)
{
    SqliteStatement select(m_db, "SELECT junk FROM learnt WHERE fingerprint = ?1");
    select.bind(1, fingerprint);
    if (!select.step())
        return Learnt::No;
    return select.integer(0) ? Learnt::Junk : Learnt::Good;
}

int JunkWordStore::learn(const QList<Mail> &mails, bool junk)
{
    // Our own commits leave data_version as it is: the words are read again.
    m_cached = m_tooLarge = false;
    std::vector<Row>().swap(m_cache);
    if (!m_db.exec("BEGIN IMMEDIATE")) {
        failed();
        return -1;
    }
    // Counts change per key once for the whole batch: mails share most of their words.
    QHash<qint64, Delta> deltas;
    Delta total;
    int added = 0;
    {
        SqliteStatement mark(m_db, "INSERT OR REPLACE INTO learnt(fingerprint, junk) VALUES(?1, ?2)");
        QSet<QByteArray> seen;
        for (const Mail &mail : mails) {
            const Learnt before = learnt(mail.fingerprint);
            if (before == (junk ? Learnt::Junk : Learnt::Good) || seen.contains(mail.fingerprint))
                continue;
            seen.insert(mail.fingerprint);
            // Learnt the other way before: those counts go first.
            const qint64 undo = before == Learnt::No ? 0 : 1;
            (junk ? total.junk : total.good) += 1;
            (junk ? total.good : total.junk) -= undo;
            for (const qint64 key : mail.keys) {
                Delta &delta = deltas[key];
                (junk ? delta.junk : delta.good) += 1;
                (junk ? delta.good : delta.junk) -= undo;
            }
            mark.bind(1, mail.fingerprint).bind(2, junk ? 1 : 0);
            if (!mark.run())
                break;
            ++added;
        }
        SqliteStatement upsert(m_db, "INSERT INTO words(key, good, junk) VALUES(?1, max(?2, 0), max(?3, 0))"
                                     " ON CONFLICT(key) DO UPDATE SET good = max(good + ?2, 0), junk = max(junk + ?3, 0)");
        SqliteStatement prune(m_db, "DELETE FROM words WHERE key = ?1 AND good = 0 AND junk = 0");
        for (auto it = deltas.cbegin(); it != deltas.cend() && !upsert.failed() && !prune.failed(); ++it) {
            upsert.bind(1, it.key()).bind(2, it->good).bind(3, it->junk).run();
            if (it->good < 0 || it->junk < 0)
                prune.bind(1, it.key()).run();
        }
        SqliteStatement sums(m_db, "UPDATE totals SET good = max(good + ?1, 0), junk = max(junk + ?2, 0) WHERE id = 1");
        sums.bind(1, total.good).bind(2, total.junk).run();
        if (mark.failed() || upsert.failed() || prune.failed() || sums.failed()) {
            m_db.exec("ROLLBACK");
            failed();
            return -1;
        }
    }
    if (!m_db.exec("COMMIT")) {
        failed();
        m_db.exec("ROLLBACK");
        return -1;
    }
    return added;
}

QSet<QString> JunkWordStore::trusted()
{
    QSet<QString> addresses;
    SqliteStatement select(m_db, "SELECT address FROM trusted");
    while (select.step())
        addresses.insert(select.text(0));
    if (select.failed())
        failed();
    return addresses;
}

bool JunkWordStore::addTrusted(const QStringList &addresses)
{
    SqliteStatement insert(m_db, "INSERT OR IGNORE INTO trusted(address) VALUES(?1)");
    m_db.exec("BEGIN IMMEDIATE");
    for (const QString &address : addresses) {
        if (!address.trimmed().isEmpty() && !insert.bind(1, address.trimmed().toLower()).run())
            break;
    }
    if (insert.failed() || !m_db.exec("COMMIT")) {
        m_db.exec("ROLLBACK");
        failed();
        return false;
    }
    return true;
}
