#include "ui/receive/MailCheck.h"

#include "CheckTest.h"
#include "JunkMails.h"

#include "core/common/AppPaths.h"
#include "core/history/ReceiveJournal.h"
#include "core/history/ReceivedMailIds.h"
#include "core/junk/JunkFilter.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QMap>
#include <QProcess>
#include <QRandomGenerator>
#include <QSet>
#include <QThread>

#include <gtest/gtest.h>

namespace {

// Every third mail reads as junk to a trained filter.
bool isJunk(int n)
{
    return n % 3 == 0;
}

QByteArray mailNumber(int n)
{
    return isJunk(n) ? JunkMails::junk(n) : JunkMails::good(n);
}

int numberOf(const QString &subject)
{
    return subject.section(u' ', -1).toInt();
}

// How often each mail is in each history, by its number.
QMap<int, int> countIn(HistoryFile::Kind kind, QSet<QByteArray> *heads)
{
    QMap<int, int> seen;
    const HistoryFile file(kind);
    EXPECT_EQ(file.length() % HistoryRecord::kSize, 0) << "a torn record";
    const QByteArray all = file.readHeads();
    for (int n = 1; n <= file.count(); ++n) {
        ++seen[numberOf(file.read(n)->trimmed().Subject)];
        heads->insert(ReceivedMailIds::headKey(all.mid((n - 1) * HistoryRecord::kHeadSize, HistoryRecord::kHeadSize)));
    }
    return seen;
}

// Records in both histories, torn ones counted.
qint64 storedSoFar()
{
    const qint64 bytes = QFileInfo(HistoryFile(HistoryFile::Kind::Received).path()).size()
        + QFileInfo(HistoryFile(HistoryFile::Kind::Junk).path()).size();
    return (bytes + HistoryRecord::kSize - 1) / HistoryRecord::kSize;
}

using JunkKill = CheckTest;

// A check that stores junk and good mail killed at any moment, then the
// start-up that follows and the next check: every mail in exactly one
// history, the one its verdict chose, and every id on file naming a record.
TEST_F(JunkKill, KillNineMidCheckLeavesEveryMailInExactlyOneHistory)
{
    constexpr int kMails = 150;
    constexpr int kTrials = 10;
    JunkFilter::instance().reset();
    ASSERT_TRUE(JunkMails::train());
    // The check in the child opens the words afresh.
    JunkFilter::instance().reset();
    runtimeSettings().KeepOnServer = 1;
    QRandomGenerator random(20261208);
    int cut = 0;  // trials killed before the child stored everything
    for (int trial = 0; trial < kTrials; ++trial) {
        const QString mailbox = MailServers::freshUser();
        for (int n = 1; n <= kMails; ++n)
            servers->deliver(mailbox, mailNumber(n));
        for (const HistoryFile::Kind kind : {HistoryFile::Kind::Received, HistoryFile::Kind::Junk})
            ASSERT_TRUE(QFile::remove(HistoryFile(kind).path()) || !QFileInfo::exists(HistoryFile(kind).path()));

        QProcess child;
        child.start(QStringLiteral(PINTORA_CHECK_CHILD), {sandbox.appDir(), servers->pop3Server(), mailbox,
                                                          servers->password, servers->certificate, "keep"});
        ASSERT_TRUE(child.waitForStarted());
        // Killed once it has stored some of the mails: wherever that leaves it.
        const int at = 1 + int(random.bounded(kMails * 2 / 3));
        QElapsedTimer waited;
        waited.start();
        while (storedSoFar() < at && child.state() == QProcess::Running && waited.elapsed() < 30000)
            QThread::usleep(100);
        child.kill();
        child.waitForFinished();
        cut += storedSoFar() < kMails;

        // What the next start does before any window opens, then the next check.
        EXPECT_TRUE(ReceiveJournal::recover().error.isEmpty());
        AccountFile().store(mailbox, servers->password);
        MailCheck::run();
        const std::string where = "trial " + std::to_string(trial) + " killed after " + std::to_string(at) + " mails";
        QSet<QByteArray> heads;
        const QMap<int, int> received = countIn(HistoryFile::Kind::Received, &heads);
        const QMap<int, int> junk = countIn(HistoryFile::Kind::Junk, &heads);
        for (int n = 1; n <= kMails; ++n) {
            EXPECT_EQ(received.value(n) + junk.value(n), 1) << where << ", mail " << n;
            EXPECT_EQ(junk.value(n), isJunk(n) ? 1 : 0) << where << ", mail " << n;
        }
        const ReceivedMailIds::Ids ids = ReceivedMailIds(servers->pop3Server(), mailbox).load();
        EXPECT_EQ(ids.size(), kMails) << where;
        for (const ReceivedMailIds::Entry &entry : ids)
            EXPECT_TRUE(heads.contains(entry.head)) << where << ": an id whose record is in neither history";
        EXPECT_EQ(servers->waiting(mailbox), kMails) << where;
        EXPECT_FALSE(QFileInfo::exists(ReceiveJournal::path())) << where;
        if (::testing::Test::HasFailure())
            break;
    }
    EXPECT_GT(cut, 0) << "no kill landed before the end of a check";
    runtimeSettings().KeepOnServer = 0;
    JunkFilter::instance().reset();
}

} // namespace
