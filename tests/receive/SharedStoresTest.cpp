#include "ui/receive/MailCheck.h"

#include "CheckTest.h"

#include "core/common/AppPaths.h"
#include "core/history/HistoryFile.h"
#include "core/history/HistoryRecord.h"
#include "core/history/ReceiveJournal.h"
#include "ui/viewer/HistoryDeletion.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <gtest/gtest.h>

namespace {

QByteArray numbered(int n)
{
    return "From: a@example.jp\r\nTo: b@example.jp\r\nSubject: mail " + QByteArray::number(n)
        + "\r\nDate: Mon, 7 Dec 2026 10:00:00 +0900\r\n\r\nhello " + QByteArray::number(n) + "\r\n";
}

QByteArray withAttachment(const QByteArray &subject, const QByteArray &fileName)
{
    return "From: a@example.jp\r\nSubject: " + subject
        + "\r\nMIME-Version: 1.0\r\nContent-Type: multipart/mixed; boundary=\"b\"\r\n\r\n"
          "--b\r\nContent-Type: text/plain\r\n\r\nsee the file\r\n"
          "--b\r\nContent-Type: application/octet-stream\r\nContent-Transfer-Encoding: base64\r\n"
          "Content-Disposition: attachment; filename=\""
        + fileName + "\"\r\n\r\naGVsbG8=\r\n--b--\r\n";
}

// Records the user had before the check, named so none is mistaken for a new mail.
void storeOld(int count)
{
    HistoryFile file(HistoryFile::Kind::Received);
    for (int n = 1; n <= count; ++n) {
        HistoryRecord record;
        record.Subject = QStringLiteral("old %1").arg(n);
        record.Correspondent = QStringLiteral("o@example.jp");
        record.Body = QStringLiteral("old");
        ASSERT_TRUE(file.append(record).ok);
    }
}

// Lets the window thread's events run until the check has stored at least count records.
void waitForRecords(int count)
{
    const QDeadlineTimer deadline(60000);
    while (HistoryFile(HistoryFile::Kind::Received).count() < count && MailCheck::isRunning() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

void waitForCheck()
{
    const QDeadlineTimer deadline(120000);
    while (MailCheck::isRunning() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

using SharedStores = CheckTest;

TEST_F(SharedStores, ADeletionDuringACheckLosesNoNewMail)
{
    constexpr int kOld = 40;
    constexpr int kNew = 300;
    storeOld(kOld);
    for (int n = 1; n <= kNew; ++n)
        servers->deliver(user, numbered(n));

    ASSERT_NE(MailCheck::start(), nullptr);
    waitForRecords(kOld + 20);
    ASSERT_TRUE(MailCheck::isRunning()) << "the check ended before the deletion could race it";
    // What the history window does for 一件削除 on the first row.
    const RecordFile::Result deleted = HistoryDeletion::run(HistoryFile::Kind::Received, 1, 0, nullptr);
    EXPECT_TRUE(deleted.ok) << deleted.error.toStdString();
    waitForCheck();

    EXPECT_TRUE(prompt.boxes.isEmpty()) << prompt.boxes.value(0).text.toStdString();
    const QList<HistoryRecord> list = records();
    ASSERT_EQ(list.size(), kOld - 1 + kNew);
    EXPECT_EQ(list[0].Subject, QStringLiteral("old 2"));
    const auto seen = storedSubjects();
    for (int n = 1; n <= kNew; ++n)
        EXPECT_EQ(seen.value(QStringLiteral("mail %1").arg(n)), 1) << n;
    EXPECT_EQ(seen.value(QString()), 0) << "a blank record";
    EXPECT_EQ(servers->waiting(user), 0);
    EXPECT_FALSE(QFileInfo::exists(ReceiveJournal::path()));
}

TEST_F(SharedStores, DeleteAllDuringACheckDeletesOnlyWhatTheUserWasAskedAbout)
{
    constexpr int kOld = 10;
    constexpr int kNew = 200;
    storeOld(kOld);
    for (int n = 1; n <= kNew; ++n)
        servers->deliver(user, numbered(n));

    ASSERT_NE(MailCheck::start(), nullptr);
    waitForRecords(kOld + 10);
    ASSERT_TRUE(MailCheck::isRunning());
    // The question was answered with this many records listed.
    const int asked = HistoryFile(HistoryFile::Kind::Received).count();
    const RecordFile::Result deleted = HistoryDeletion::run(HistoryFile::Kind::Received, 0, asked, nullptr);
    EXPECT_TRUE(deleted.ok) << deleted.error.toStdString();
    waitForCheck();

    const QList<HistoryRecord> list = records();
    ASSERT_EQ(list.size(), kOld + kNew - asked);
    const int firstKept = asked - kOld + 1;
    for (int i = 0; i < list.size(); ++i)
        EXPECT_EQ(list[i].Subject, QStringLiteral("mail %1").arg(firstKept + i)) << i;
    EXPECT_EQ(servers->waiting(user), 0);
}

TEST_F(SharedStores, AFullHistoryFetchesAndWritesNothing)
{
    QFile history(AppPaths::resolve(AppPaths::kReceivedHistory));
    ASSERT_TRUE(history.open(QIODevice::WriteOnly));
    ASSERT_TRUE(history.resize(qint64(RecordFile::kMaxRecords) * HistoryRecord::kSize));  // sparse, so cheap
    history.close();
    servers->deliver(user, withAttachment("report", "報告書.txt"));
    servers->deliver(user, numbered(1));

    for (int check = 0; check < 2; ++check) {
        const auto outcome = MailCheck::run();
        EXPECT_TRUE(outcome.failed);
        EXPECT_EQ(outcome.stored, 0);
    }
    EXPECT_TRUE(QDir(AppPaths::resolve(AppPaths::kAttachmentFolder)).entryList(QDir::Files).isEmpty());
    EXPECT_EQ(QFileInfo(history).size(), qint64(RecordFile::kMaxRecords) * HistoryRecord::kSize);
    EXPECT_EQ(servers->waiting(user), 2);
    EXPECT_EQ(prompt.boxes.size(), 2);  // one per check
}

} // namespace
