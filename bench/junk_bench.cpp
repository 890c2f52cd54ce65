// The junk filter's speed and size on generated mail (Japanese and English
// mixed, about 4 KB each, ISO-2022-JP and UTF-8): learning one mail at a time
// and in batches, the time a check adds to 1,000 mails (JunkMail::of + judge),
// the same at 10 and 100 times the word store's rows, and the store's size
// after 10,000 learnt mails. Prints each figure with its target; nothing here is a test.
// Usage: bench_junk [mails learnt]   (default 10000)
#include "core/common/AppPaths.h"
#include "core/common/Sqlite.h"
#include "core/junk/JunkFilter.h"
#include "core/mail/MailLibrary.h"

#include "JunkBenchMails.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>
#include <ctime>

namespace {

// The machine is shared: the thread's own processor time tells the filter's
// cost apart from waiting for a core; both are printed.
struct Clock {
    QElapsedTimer wall;
    qint64 cpuStart = 0;
    static qint64 cpuNow()
    {
        timespec now{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
        return qint64(now.tv_sec) * 1000000000 + now.tv_nsec;
    }
    void start()
    {
        cpuStart = cpuNow();
        wall.start();
    }
    double wallMs() const { return double(wall.nsecsElapsed()) / 1e6; }
    double cpuMs() const { return double(cpuNow() - cpuStart) / 1e6; }
};

QList<FetchedMail> parsed(QRandomGenerator &random, int count, int first)
{
    QList<FetchedMail> mails;
    mails.reserve(count);
    for (int n = 0; n < count; ++n)
        mails << MailLibrary::parse(JunkBenchMails::mail(random, n % 2 == 0, first + n));
    return mails;
}

qint64 storeRows()
{
    SqliteDb db;
    db.open(JunkFilter::storePath(), true);
    SqliteStatement count(db, "SELECT count(*) FROM words");
    return count.step() ? count.integer(0) : 0;
}

qint64 storeBytes()
{
    qint64 bytes = 0;
    for (const char *suffix : {"", "-wal"})
        bytes += QFileInfo(JunkFilter::storePath() + QLatin1String(suffix)).size();
    return bytes;
}

// A check's share: each fetched mail read as the filter reads it and judged.
Clock checkTime(const QList<FetchedMail> &mails, int *junk)
{
    JunkFilter &filter = JunkFilter::instance();
    const QSet<QString> trusted = filter.trustedSenders();
    *junk = 0;
    Clock clock;
    clock.start();
    for (const FetchedMail &mail : mails)
        *junk += filter.judge(JunkMail::of(mail), trusted).verdict == JunkVerdict::Junk ? 1 : 0;
    return clock;
}

void printCheck(const char *label, const Clock &clock, int mails)
{
    const double wall = clock.wallMs(), cpu = clock.cpuMs();
    std::printf("%s: +%.0f ms wall, %.0f ms processor; %.3f ms/mail wall, %.3f ms/mail processor (target <= 1 ms)\n",
                label, wall, cpu, wall / mails, cpu / mails);
    std::fflush(stdout);
}

// Rows of words no mail has, as a store grown by years of other mail would hold;
// inserted in key order, so growing it takes minutes, not hours.
void growStore(qint64 rows, QRandomGenerator &random)
{
    JunkFilter::instance().reset();
    std::vector<qint64> keys(size_t(std::max<qint64>(rows, 0)));
    for (qint64 &key : keys)
        key = qint64(random.generate64());
    std::sort(keys.begin(), keys.end());
    SqliteDb db;
    db.open(JunkFilter::storePath());
    db.exec("BEGIN");
    SqliteStatement insert(db, "INSERT OR IGNORE INTO words(key, good, junk) VALUES(?1, ?2, ?3)");
    for (const qint64 key : keys)
        insert.bind(1, key).bind(2, random.bounded(3)).bind(3, random.bounded(3)).run();
    db.exec("COMMIT");
    db.exec("PRAGMA wal_checkpoint(TRUNCATE)");
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int learnt = argc > 1 ? QByteArray(argv[1]).toInt() : 10000;
    QTemporaryDir dir;
    AppPaths::setAppDir(dir.path());
    AppPaths::ensureInstallationFolders();
    QRandomGenerator random(37);
    JunkFilter &filter = JunkFilter::instance();

    std::printf("generating %d mails...\n", learnt + 2000);
    std::fflush(stdout);
    const QList<FetchedMail> toJudge = parsed(random, 1000, 1000000);
    const QList<FetchedMail> singles = parsed(random, 1000, 2000000);
    qint64 rawBytes = 0;
    for (const FetchedMail &mail : toJudge)
        rawBytes += mail.raw.size();
    std::printf("mails of %.1f KB on average\n", double(rawBytes) / toJudge.size() / 1024);

    // One at a time, as the windows learn: one transaction per mail.
    Clock clock;
    clock.start();
    for (const FetchedMail &mail : singles)
        filter.learn(JunkMail::of(mail), mail.subject.startsWith(QStringLiteral("【")));
    const double single = clock.wallMs() / singles.size();
    std::printf("learning one at a time, a transaction each: %.3f ms/mail wall (%.0f mails/s), %.3f ms/mail processor"
                " (target <= 2 ms)\n", single, 1000 / single, clock.cpuMs() / singles.size());

    // In batches, as --junk-learn does.
    double batchMs = 0, batchCpu = 0;
    for (int done = 1000; done < learnt; done += 500) {
        QList<JunkMail> junk, good;
        for (const FetchedMail &mail : parsed(random, qMin(500, learnt - done), done)) {
            (mail.subject.startsWith(QStringLiteral("【")) ? junk : good) << JunkMail::of(mail);
        }
        clock.start();
        filter.learnAll(junk, true);
        filter.learnAll(good, false);
        batchMs += clock.wallMs();
        batchCpu += clock.cpuMs();
    }
    if (learnt > 1000)
        std::printf("learning in batches of 500: %.3f ms/mail wall (%.0f mails/s), %.3f ms/mail processor (target <= 2 ms)\n",
                    batchMs / (learnt - 1000), (learnt - 1000) / batchMs * 1000, batchCpu / (learnt - 1000));
    filter.reset();
    {
        SqliteDb db;
        db.open(JunkFilter::storePath());
        db.exec("PRAGMA wal_checkpoint(TRUNCATE)");
    }
    const qint64 baseRows = storeRows();
    std::printf("store after %d learnt mails: %.1f MB, %lld words\n", filter.learnedJunk() + filter.learnedGood(),
                double(storeBytes()) / 1e6, baseRows);

    int junk = 0;
    checkTime(toJudge.mid(0, 50), &junk);  // the store's pages read once
    printCheck("check of 1,000 mails", checkTime(toJudge, &junk), int(toJudge.size()));
    std::printf("  %d of its 500 junk mails judged junk\n", junk);
    for (const int times : {10, 100}) {
        growStore(baseRows * times - storeRows(), random);
        checkTime(toJudge.mid(0, 50), &junk);
        const QByteArray label = QStringLiteral("  at %1x the words (%2, %3 MB)").arg(times).arg(storeRows())
                                     .arg(double(storeBytes()) / 1e6, 0, 'f', 0).toUtf8();
        printCheck(label.constData(), checkTime(toJudge, &junk), int(toJudge.size()));
    }
    filter.reset();
    return 0;
}
