#include "ui/receive/MailCheck.h"

#include "CheckTest.h"

#include "core/common/AppPaths.h"
#include "core/history/HistoryFile.h"
#include "core/history/HistoryRecord.h"
#include "core/history/ReceiveJournal.h"
#include "core/history/ReceivedMailIds.h"
#include "core/settings/AccountFile.h"
#include "core/settings/RuntimeSettings.h"
#include "ui/shell/Forms.h"
#include "ui/shell/MainForm.h"
#include "support/FileFaults.h"
#include "support/MailServerTest.h"
#include "support/Sandbox.h"
#include "support/ScriptedPrompt.h"
#include "support/ThrottlingRelay.h"

#include <QDir>
#include <QFileInfo>
#include <QMap>
#include <QProcess>
#include <QRandomGenerator>

#include <gtest/gtest.h>

namespace {

QByteArray numbered(int n, int bodyBytes = 3000)
{
    QByteArray body;
    while (body.size() < bodyBytes)
        body += "mail " + QByteArray::number(n) + " says hello once and only once\r\n";
    return "From: a@example.jp\r\nTo: b@example.jp\r\nSubject: mail " + QByteArray::number(n)
        + "\r\nDate: Mon, 7 Dec 2026 10:00:00 +0900\r\n\r\n" + body;
}

using ExactlyOnce = CheckTest;

TEST_F(ExactlyOnce, AConnectionCutMidCheckStoresNothingTwice)
{
    for (int n = 1; n <= 10; ++n)
        servers->deliver(user, numbered(n));
    // About five and a half mails' worth of bytes (with TLS around them), then the line goes.
    ThrottlingRelay relay(servers->host, servers->pop3, {.cutAfterDown = 5 * 3200 + 6000});
    runtimeSettings().Pop3Server = relay.address();
    const auto outcome = MailCheck::run();
    EXPECT_TRUE(outcome.failed);
    EXPECT_GT(outcome.stored, 0);
    EXPECT_LT(outcome.stored, 10);
    ASSERT_EQ(prompt.boxes.size(), 1);
    EXPECT_EQ(prompt.boxes[0].text, QStringLiteral("サーバーとの接続が切れました。"));

    prompt.boxes.clear();
    relay.setRules({});
    const auto second = MailCheck::run();
    EXPECT_TRUE(prompt.boxes.isEmpty()) << prompt.boxes.value(0).text.toStdString();
    EXPECT_EQ(second.stored, 10 - outcome.stored);

    const auto seen = storedSubjects();
    EXPECT_EQ(seen.size(), 10);
    for (int n = 1; n <= 10; ++n)
        EXPECT_EQ(seen.value(QStringLiteral("mail %1").arg(n)), 1) << n;
    const HistoryFile file(HistoryFile::Kind::Received);
    EXPECT_EQ(file.count(), 10);
    EXPECT_EQ(file.read(10)->trimmed().Subject, QStringLiteral("mail 10"));  // server order kept
    EXPECT_EQ(servers->waiting(user), 0);
    // Nothing waits any more, so nothing is remembered.
    EXPECT_TRUE(ReceivedMailIds(relay.address(), user).load().isEmpty());
}

TEST_F(ExactlyOnce, AMailWhoseAttachmentCannotBeWrittenIsStoredOnceAndStays)
{
    ASSERT_TRUE(QDir(AppPaths::resolve(AppPaths::kAttachmentFolder)).removeRecursively());
    servers->deliver(user, "From: a@example.jp\r\nSubject: with file\r\nMIME-Version: 1.0\r\n"
                           "Content-Type: multipart/mixed; boundary=\"b\"\r\n\r\n"
                           "--b\r\nContent-Type: text/plain\r\n\r\nsee the attachment\r\n"
                           "--b\r\nContent-Type: application/octet-stream\r\nContent-Transfer-Encoding: base64\r\n"
                           "Content-Disposition: attachment; filename=\"a.bin\"\r\n\r\naGVsbG8=\r\n--b--\r\n");
    MailCheck::run();
    MailCheck::run();
    const HistoryFile file(HistoryFile::Kind::Received);
    ASSERT_EQ(file.count(), 1);
    EXPECT_FALSE(file.read(1)->Body.contains(MailCheck::kAttachmentNote));
    EXPECT_EQ(servers->waiting(user), 1);
    EXPECT_EQ(prompt.boxes.size(), 1);  // the notice of the first check; the second has nothing to say
}

TEST_F(ExactlyOnce, TheWordAttachmentAloneBringsNoNote)
{
    servers->deliver(user, "From: a@example.jp\r\nSubject: the attachment\r\n\r\nSorry, I forgot the attachment.\r\n");
    const auto outcome = MailCheck::run();
    EXPECT_FALSE(outcome.attachment);
    const HistoryFile file(HistoryFile::Kind::Received);
    ASSERT_EQ(file.count(), 1);
    EXPECT_FALSE(file.read(1)->Body.contains(MailCheck::kAttachmentNote));
    EXPECT_TRUE(launcher->statusText().startsWith(MailCheck::kNewMail)) << launcher->statusText().toStdString();
}

TEST_F(ExactlyOnce, AFullDiskLeavesNoTornRecordAndTheMailsOnTheServer)
{
    for (int n = 1; n <= 3; ++n)
        servers->deliver(user, numbered(n));
    {
        // Room for one and a half records.
        FileSizeLimit full(HistoryRecord::kSize + HistoryRecord::kSize / 2);
        const auto outcome = MailCheck::run();
        EXPECT_TRUE(outcome.failed);
        EXPECT_EQ(outcome.stored, 1);
    }
    EXPECT_EQ(QFileInfo(HistoryFile(HistoryFile::Kind::Received).path()).size(), HistoryRecord::kSize);
    ASSERT_EQ(prompt.boxes.size(), 1);
    EXPECT_TRUE(prompt.boxes[0].text.contains(QStringLiteral("tlvdata2.data"))) << prompt.boxes[0].text.toStdString();
    EXPECT_EQ(servers->waiting(user), 2);

    // With room again, the two left behind come, and the first does not come twice.
    prompt.boxes.clear();
    MailCheck::run();
    const auto seen = storedSubjects();
    EXPECT_EQ(seen.size(), 3);
    for (const int count : seen)
        EXPECT_EQ(count, 1);
    EXPECT_EQ(servers->waiting(user), 0);
}

// Every tenth mail carries a file, so a kill between a file and its record shows as a leftover.
QByteArray numberedWithFiles(int n)
{
    if (n % 10 != 0)
        return numbered(n, 1500);
    return "From: a@example.jp\r\nSubject: mail " + QByteArray::number(n)
        + "\r\nMIME-Version: 1.0\r\nContent-Type: multipart/mixed; boundary=\"b\"\r\n\r\n"
          "--b\r\nContent-Type: text/plain\r\n\r\nsee the file\r\n"
          "--b\r\nContent-Type: application/octet-stream\r\nContent-Transfer-Encoding: base64\r\n"
          "Content-Disposition: attachment; filename=\"file-"
        + QByteArray::number(n) + ".bin\"\r\n\r\naGVsbG8=\r\n--b--\r\n";
}

// A check killed at any moment, then the start-up that follows: nothing lost,
// nothing twice, no file left over from a mail that was not stored.
TEST_F(ExactlyOnce, KillNineAtRandomMomentsLosesNothingAndDoublesNothing)
{
    constexpr int kMails = 200;
    constexpr int kTrials = 10;
    QRandomGenerator random(20261207);
    for (int trial = 0; trial < kTrials; ++trial) {
        const QString mailbox = MailServers::freshUser();
        for (int n = 1; n <= kMails; ++n)
            servers->deliver(mailbox, numberedWithFiles(n));
        ASSERT_TRUE(QFile::remove(HistoryFile(HistoryFile::Kind::Received).path())
                    || !QFileInfo::exists(HistoryFile(HistoryFile::Kind::Received).path()));
        const QString files = AppPaths::resolve(AppPaths::kAttachmentFolder);
        ASSERT_TRUE(QDir(files).removeRecursively() && QDir().mkpath(files));

        QProcess child;
        child.start(QStringLiteral(PINTORA_CHECK_CHILD),
                    {sandbox.appDir(), servers->pop3Server(), mailbox, servers->password, servers->certificate});
        ASSERT_TRUE(child.waitForStarted());
        const int at = 100 + int(random.bounded(900));
        child.waitForFinished(at);
        child.kill();
        child.waitForFinished();

        // What the next start does before any window opens.
        EXPECT_TRUE(ReceiveJournal::recover().error.isEmpty());
        AccountFile().store(mailbox, servers->password);
        MailCheck::run();
        const auto seen = storedSubjects();
        for (int n = 1; n <= kMails; ++n)
            EXPECT_EQ(seen.value(QStringLiteral("mail %1").arg(n)), 1)
                << "trial " << trial << " killed after " << at << " ms, mail " << n;
        QStringList expected;
        for (int n = 10; n <= kMails; n += 10)
            expected << QStringLiteral("file-%1.bin").arg(n);
        QStringList found = QDir(files).entryList(QDir::Files);
        std::sort(expected.begin(), expected.end());
        std::sort(found.begin(), found.end());
        EXPECT_EQ(found, expected) << "trial " << trial << " killed after " << at << " ms";
        EXPECT_EQ(servers->waiting(mailbox), 0) << "trial " << trial;
        EXPECT_FALSE(QFileInfo::exists(ReceiveJournal::path()));
    }
}

} // namespace
