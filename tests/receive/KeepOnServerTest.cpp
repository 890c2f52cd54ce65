#include "ui/receive/MailCheck.h"

#include "CheckTest.h"

#include "core/common/AppPaths.h"
#include "core/history/HistoryFile.h"
#include "core/history/HistoryMove.h"
#include "core/history/ReceiveJournal.h"
#include "core/history/ReceivedMailIds.h"
#include "core/settings/OptionsFile.h"
#include "support/ScriptedServer.h"
#include "ui/viewer/HistoryDeletion.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace {

constexpr qint64 kDay = 24 * 60 * 60;

QByteArray numbered(int n)
{
    return "From: a@example.jp\r\nTo: b@example.jp\r\nSubject: mail " + QByteArray::number(n)
        + "\r\nDate: Mon, 7 Dec 2026 10:00:00 +0900\r\n\r\nhello " + QByteArray::number(n) + "\r\n";
}

class KeepOnServer : public CheckTest {
protected:
    void SetUp() override
    {
        CheckTest::SetUp();
        if (IsSkipped())
            return;
        runtimeSettings().KeepOnServer = 1;
        runtimeSettings().KeepDays = 0;
        runtimeSettings().KeepSync = 0;
        ReceivedMailIds::setClock([this] { return clock; });
    }

    void TearDown() override
    {
        ReceivedMailIds::setClock({});
        runtimeSettings().KeepOnServer = 0;
        runtimeSettings().KeepDays = 0;
        runtimeSettings().KeepSync = 0;
        CheckTest::TearDown();
    }

    QString maildir() const { return servers->maildirs + u'/' + user + QStringLiteral("/Maildir"); }

    // The subjects of the mails still on the server, sorted.
    QStringList onServer() const
    {
        QStringList subjects;
        static const QRegularExpression subject(QStringLiteral("^Subject: (.*)\\r$"),
                                                QRegularExpression::MultilineOption);
        for (const char *sub : {"/new", "/cur"}) {
            const QDir dir(maildir() + QString::fromLatin1(sub));
            for (const QString &name : dir.entryList(QDir::Files)) {
                QFile file(dir.filePath(name));
                if (file.open(QIODevice::ReadOnly))
                    subjects << subject.match(QString::fromUtf8(file.readAll())).captured(1);
            }
        }
        subjects.sort();
        return subjects;
    }

    // Another client deletes the mail: its file goes from the mailbox.
    void expungeOnServer(const QString &wanted) const
    {
        for (const char *sub : {"/new", "/cur"}) {
            const QDir dir(maildir() + QString::fromLatin1(sub));
            for (const QString &name : dir.entryList(QDir::Files)) {
                QFile file(dir.filePath(name));
                if (file.open(QIODevice::ReadOnly)
                    && file.readAll().contains("Subject: " + wanted.toUtf8() + "\r\n")) {
                    file.close();
                    ASSERT_TRUE(QFile::remove(dir.filePath(name)));
                    return;
                }
            }
        }
        FAIL() << "no mail " << wanted.toStdString() << " on the server";
    }

    QStringList storedSorted() const
    {
        QStringList subjects;
        for (const HistoryRecord &record : records())
            subjects << record.Subject;
        subjects.sort();
        return subjects;
    }

    qint64 clock = 1'800'000'000;
};

QStringList mails(std::initializer_list<int> numbers)
{
    QStringList subjects;
    for (const int n : numbers)
        subjects << QStringLiteral("mail %1").arg(n);
    subjects.sort();
    return subjects;
}

TEST_F(KeepOnServer, MailsStayAndComeOnlyOnceAcrossChecksAndAShiftedNumbering)
{
    for (int n = 1; n <= 5; ++n)
        servers->deliver(user, numbered(n));
    for (int check = 0; check < 3; ++check) {
        const auto outcome = MailCheck::run();
        EXPECT_FALSE(outcome.failed);
        EXPECT_EQ(outcome.stored, check == 0 ? 5 : 0);
        EXPECT_TRUE(launcher->statusText().startsWith(check == 0 ? MailCheck::kNewMail : MailCheck::kNoNewMail))
            << launcher->statusText().toStdString();
    }
    EXPECT_EQ(records().size(), 5);
    EXPECT_EQ(onServer(), mails({1, 2, 3, 4, 5}));

    // Another client takes the first two: every number after them shifts.
    expungeOnServer(QStringLiteral("mail 1"));
    expungeOnServer(QStringLiteral("mail 2"));
    servers->deliver(user, numbered(6));
    const auto outcome = MailCheck::run();
    EXPECT_EQ(outcome.stored, 1);
    EXPECT_EQ(storedSorted(), mails({1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(onServer(), mails({3, 4, 5, 6}));
    EXPECT_TRUE(prompt.boxes.isEmpty()) << prompt.boxes.value(0).text.toStdString();
}

TEST_F(KeepOnServer, MailsOlderThanTheDaysGoFromTheServerAndTheRecordsStay)
{
    runtimeSettings().KeepDays = 3;
    servers->deliver(user, numbered(1));
    servers->deliver(user, numbered(2));
    MailCheck::run();
    clock += 2 * kDay;
    servers->deliver(user, numbered(3));
    MailCheck::run();
    EXPECT_EQ(onServer(), mails({1, 2, 3}));

    clock += kDay;  // three days after the first two, one after the third
    const auto outcome = MailCheck::run();
    EXPECT_EQ(outcome.deletedFromServer, 2);
    EXPECT_TRUE(launcher->statusText().contains(QStringLiteral("サーバーから 2 通削除しました")))
        << launcher->statusText().toStdString();
    EXPECT_EQ(onServer(), mails({3}));
    EXPECT_EQ(storedSorted(), mails({1, 2, 3}));
}

TEST_F(KeepOnServer, MailsDeletedInTheHistoryGoFromTheServerAtTheNextCheck)
{
    runtimeSettings().KeepSync = 1;
    for (int n = 1; n <= 4; ++n)
        servers->deliver(user, numbered(n));
    MailCheck::run();
    ASSERT_EQ(records().size(), 4);

    // 一件削除 of the second record, as the history window does it.
    ASSERT_TRUE(HistoryDeletion::run(HistoryFile::Kind::Received, 2, 0, nullptr).ok);
    EXPECT_EQ(onServer(), mails({1, 2, 3, 4}));
    auto outcome = MailCheck::run();
    EXPECT_EQ(outcome.deletedFromServer, 1);
    EXPECT_EQ(onServer(), mails({1, 3, 4}));
    EXPECT_EQ(storedSorted(), mails({1, 3, 4}));

    // 全件削除: the rest, and only those.
    servers->deliver(user, numbered(5));
    const int asked = HistoryFile(HistoryFile::Kind::Received).count();
    ASSERT_TRUE(HistoryDeletion::run(HistoryFile::Kind::Received, 0, asked, nullptr).ok);
    outcome = MailCheck::run();
    EXPECT_EQ(outcome.stored, 1);
    EXPECT_EQ(onServer(), mails({5}));
    EXPECT_EQ(storedSorted(), mails({5}));
}

TEST_F(KeepOnServer, ALostOrCutIdFileBringsNoDuplicate)
{
    for (int n = 1; n <= 4; ++n)
        servers->deliver(user, numbered(n));
    MailCheck::run();
    const QString ids = ReceivedMailIds(servers->pop3Server(), user).path();
    ASSERT_TRUE(QFile::exists(ids));

    ASSERT_TRUE(QFile::remove(ids));
    servers->deliver(user, numbered(5));
    auto outcome = MailCheck::run();
    EXPECT_EQ(outcome.stored, 1);
    EXPECT_TRUE(launcher->statusText().contains(MailCheck::kRebuilt)) << launcher->statusText().toStdString();
    EXPECT_EQ(storedSorted(), mails({1, 2, 3, 4, 5}));

    // Cut in the middle of a line.
    const QByteArray whole = Sandbox::readFile(ids);
    Sandbox::writeFile(ids, whole.left(whole.size() / 2));
    servers->deliver(user, numbered(6));
    outcome = MailCheck::run();
    EXPECT_EQ(outcome.stored, 1);
    EXPECT_EQ(storedSorted(), mails({1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(onServer(), mails({1, 2, 3, 4, 5, 6}));
    EXPECT_TRUE(prompt.boxes.isEmpty()) << prompt.boxes.value(0).text.toStdString();
}

TEST_F(KeepOnServer, ARebuildFetchesANewMailWithAStoredMailsHead)
{
    // Alerts re-sent with one subject and no date: only their bodies differ.
    const auto alert = [](const QByteArray &body) {
        return "From: alert@example.jp\r\nTo: b@example.jp\r\nSubject: alert\r\n\r\n" + body + "\r\n";
    };
    servers->deliver(user, alert("disk almost full"));
    servers->deliver(user, numbered(1));
    MailCheck::run();
    ASSERT_EQ(records().size(), 2);
    expungeOnServer(QStringLiteral("alert"));
    servers->deliver(user, alert("disk full"));

    ASSERT_TRUE(QFile::remove(ReceivedMailIds(servers->pop3Server(), user).path()));
    const auto outcome = MailCheck::run();
    EXPECT_EQ(outcome.stored, 1);
    const QList<HistoryRecord> stored = records();
    ASSERT_EQ(stored.size(), 3);
    EXPECT_EQ(stored.last().Body.trimmed(), QStringLiteral("disk full"));

    // The ids now say which mails are stored: nothing comes twice.
    EXPECT_EQ(MailCheck::run().stored, 0);
}

TEST_F(KeepOnServer, MailMovedToJunkIsStillStoredForARebuildAndDeletingItThereFollowsToTheServer)
{
    runtimeSettings().KeepSync = 1;
    for (int n = 1; n <= 3; ++n)
        servers->deliver(user, numbered(n));
    MailCheck::run();
    ASSERT_TRUE(HistoryMove::run(HistoryFile::Kind::Received, HistoryFile::Kind::Junk, {2}).ok);

    ASSERT_TRUE(QFile::remove(ReceivedMailIds(servers->pop3Server(), user).path()));
    auto outcome = MailCheck::run();
    EXPECT_EQ(outcome.stored, 0);
    EXPECT_EQ(storedSorted(), mails({1, 3}));

    ASSERT_TRUE(HistoryDeletion::run(HistoryFile::Kind::Junk, 1, 0, nullptr).ok);
    outcome = MailCheck::run();
    EXPECT_EQ(outcome.deletedFromServer, 1);
    EXPECT_EQ(onServer(), mails({1, 3}));
    EXPECT_TRUE(prompt.boxes.isEmpty()) << prompt.boxes.value(0).text.toStdString();
}

TEST_F(KeepOnServer, ARebuiltIdFileIsWrittenAtOnceAndItsDaysCountOn)
{
    runtimeSettings().KeepDays = 3;
    servers->deliver(user, numbered(1));
    servers->deliver(user, numbered(2));
    MailCheck::run();
    const QString ids = ReceivedMailIds(servers->pop3Server(), user).path();
    ASSERT_TRUE(QFile::remove(ids));

    clock += kDay;
    auto outcome = MailCheck::run();
    EXPECT_TRUE(launcher->statusText().contains(MailCheck::kRebuilt)) << launcher->statusText().toStdString();
    EXPECT_EQ(ReceivedMailIds(servers->pop3Server(), user).load().size(), 2);

    clock += kDay;
    outcome = MailCheck::run();
    EXPECT_FALSE(launcher->statusText().contains(MailCheck::kRebuilt)) << launcher->statusText().toStdString();
    EXPECT_EQ(outcome.deletedFromServer, 0);

    // Three days after the rebuild, the first time known to be past.
    clock += 2 * kDay;
    outcome = MailCheck::run();
    EXPECT_EQ(outcome.deletedFromServer, 2);
    EXPECT_TRUE(onServer().isEmpty());
    EXPECT_EQ(storedSorted(), mails({1, 2}));
    EXPECT_TRUE(prompt.boxes.isEmpty()) << prompt.boxes.value(0).text.toStdString();
}

TEST_F(KeepOnServer, AMailWhoseAttachmentCouldNotBeWrittenStaysThroughARebuild)
{
    runtimeSettings().KeepDays = 1;
    const QString attachments = AppPaths::resolve(AppPaths::kAttachmentFolder);
    ASSERT_TRUE(QDir(attachments).removeRecursively());
    servers->deliver(user, "From: a@example.jp\r\nTo: b@example.jp\r\nSubject: mail 1\r\n"
                           "Date: Mon, 7 Dec 2026 10:00:00 +0900\r\nMIME-Version: 1.0\r\n"
                           "Content-Type: multipart/mixed; boundary=\"b\"\r\n\r\n--b\r\n"
                           "Content-Type: text/plain\r\n\r\nhello\r\n--b\r\n"
                           "Content-Type: application/octet-stream; name=\"a.bin\"\r\n"
                           "Content-Disposition: attachment; filename=\"a.bin\"\r\n"
                           "Content-Transfer-Encoding: base64\r\n\r\nAAEC\r\n--b--\r\n");
    servers->deliver(user, numbered(2));
    MailCheck::run();
    ASSERT_EQ(prompt.boxes.size(), 1);
    EXPECT_EQ(prompt.boxes[0].text, QStringLiteral("添付ファイルをオープンできません"));
    ASSERT_TRUE(QDir().mkpath(attachments));

    ASSERT_TRUE(QFile::remove(ReceivedMailIds(servers->pop3Server(), user).path()));
    clock += 2 * kDay;
    MailCheck::run();
    EXPECT_TRUE(launcher->statusText().contains(MailCheck::kRebuilt)) << launcher->statusText().toStdString();

    // Days after the rebuild only the mail whose attachment is on disk goes.
    clock += 2 * kDay;
    const auto outcome = MailCheck::run();
    EXPECT_EQ(outcome.deletedFromServer, 1);
    EXPECT_EQ(onServer(), mails({1}));
    EXPECT_EQ(storedSorted(), mails({1, 2}));
    EXPECT_EQ(prompt.boxes.size(), 1);
}

TEST_F(KeepOnServer, DaysCountFromASaneTimeAndNeverPastThisRunsMonotonicClock)
{
    runtimeSettings().KeepDays = 3;
    // Stored while the clock was 400 days behind.
    const qint64 right = clock;
    clock = right - 400 * kDay;
    servers->deliver(user, numbered(1));
    MailCheck::run();
    clock = right;
    EXPECT_EQ(MailCheck::run().deletedFromServer, 0);
    clock += 3 * kDay;
    EXPECT_EQ(MailCheck::run().deletedFromServer, 1);
    EXPECT_TRUE(onServer().isEmpty());

    // The wall clock jumps ahead during this run; the monotonic one tells the mail is new.
    qint64 monotonic = 0;
    ReceivedMailIds::setMonotonicClock([&] { return monotonic; });
    servers->deliver(user, numbered(2));
    MailCheck::run();
    clock += 10 * kDay;
    monotonic += 60;
    EXPECT_EQ(MailCheck::run().deletedFromServer, 0);
    monotonic += 3 * kDay;
    EXPECT_EQ(MailCheck::run().deletedFromServer, 1);
    ReceivedMailIds::setMonotonicClock({});
    EXPECT_EQ(storedSorted(), mails({1, 2}));
}

TEST_F(KeepOnServer, AKilledOrCutCheckBringsNoDuplicate)
{
    for (int n = 1; n <= 60; ++n)
        servers->deliver(user, numbered(n));
    QProcess child;
    child.start(QStringLiteral(PINTORA_CHECK_CHILD),
                {sandbox.appDir(), servers->pop3Server(), user, servers->password, servers->certificate,
                 QStringLiteral("keep")});
    ASSERT_TRUE(child.waitForStarted());
    child.waitForFinished(250);
    child.kill();
    child.waitForFinished();
    EXPECT_TRUE(ReceiveJournal::recover().error.isEmpty());
    MailCheck::run();
    const auto seen = storedSubjects();
    for (int n = 1; n <= 60; ++n)
        EXPECT_EQ(seen.value(QStringLiteral("mail %1").arg(n)), 1) << n;
    EXPECT_EQ(servers->waiting(user), 60);
}

TEST(KeepOnServerFault, AServerWithoutIdsTakesNothingAndDeletesNothing)
{
    Sandbox sandbox;
    ScriptedPrompt prompt;
    ASSERT_TRUE(AccountFile().store(QStringLiteral("u"), QStringLiteral("p")));
    runtimeSettings().KeepOnServer = 1;
    bool quitSeen = false;
    ScriptedServer server([&](ScriptedServer::Peer &peer) {
        peer.send("+OK ready\r\n");
        peer.expect("CAPA", "-ERR\r\n");
        peer.expect("USER u", "+OK\r\n");
        peer.expect("PASS p", "+OK\r\n");
        peer.expect("STAT", "+OK 2 300\r\n");
        peer.expect("UIDL", "-ERR no UIDL here\r\n");
        quitSeen = peer.readLine() == "QUIT";
        peer.send("+OK\r\n");
    });
    runtimeSettings().Pop3Server = server.address();
    const auto outcome = MailCheck::run();
    runtimeSettings().KeepOnServer = 0;
    EXPECT_TRUE(outcome.failed);
    EXPECT_EQ(outcome.stored, 0);
    ASSERT_EQ(prompt.boxes.size(), 1);
    EXPECT_EQ(prompt.boxes[0].text, MailCheck::kNoUidl);
    EXPECT_TRUE(quitSeen);
    EXPECT_FALSE(server.scriptMismatched());
    EXPECT_EQ(HistoryFile(HistoryFile::Kind::Received).count(), 0);
}

TEST(KeepOptions, OlderFilesKeepTodaysBehaviourAndNonNumbersReadAsZero)
{
    const ServerOptions old = OptionsFile::parse("SMTP=s\r\nPOP3=p\r\nMAIL=m\r\nAPOP=0\r\n");
    EXPECT_EQ(old.keepOnServer, 0);
    EXPECT_EQ(old.keepDays, 0);
    EXPECT_EQ(old.keepSync, 0);
    EXPECT_EQ(OptionsFile::format(old), QByteArray("SMTP=s\r\nPOP3=p\r\nMAIL=m\r\nAPOP=0\r\n"));

    const ServerOptions odd = OptionsFile::parse("KEEP=yes\r\nKEEPDAYS=1x\r\nKEEPSYNC=-1\r\n");
    EXPECT_EQ(odd.keepOnServer, 0);
    EXPECT_EQ(odd.keepDays, 0);
    EXPECT_EQ(odd.keepSync, 0);

    ServerOptions set = old;
    set.keepOnServer = 1;
    set.keepDays = 14;
    set.keepSync = 1;
    EXPECT_EQ(OptionsFile::parse(OptionsFile::format(set)), set);
}

} // namespace
