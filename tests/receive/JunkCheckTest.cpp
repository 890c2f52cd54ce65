#include "ui/receive/MailCheck.h"

#include "CheckTest.h"
#include "JunkMails.h"

#include "core/addressbook/AddressBook.h"
#include "core/check/CheckCommand.h"
#include "core/history/ReceivedMailIds.h"
#include "core/junk/JunkFilter.h"
#include "ui/viewer/TyakuForm.h"

#include <QFileInfo>

#include <gtest/gtest.h>

namespace {

using JunkMails::junk;
using JunkMails::good;
using JunkMails::junkSubject;
using JunkMails::goodSubject;

// The junk and received histories of the sandbox, by subject.
QStringList subjectsIn(HistoryFile::Kind kind)
{
    QStringList subjects;
    const HistoryFile file(kind);
    EXPECT_EQ(file.length() % HistoryRecord::kSize, 0) << "a torn record";
    for (int n = 1; n <= file.count(); ++n)
        subjects << file.read(n)->trimmed().Subject;
    return subjects;
}

class JunkCheck : public CheckTest {
protected:
    void SetUp() override
    {
        CheckTest::SetUp();
        if (IsSkipped())
            return;
        // The filter's words live in the sandbox's data folder.
        JunkFilter::instance().reset();
    }

    void TearDown() override
    {
        JunkFilter::instance().reset();
        runtimeSettings().AuthServ.clear();
        runtimeSettings().KeepOnServer = 0;
        CheckTest::TearDown();
    }

};

TEST_F(JunkCheck, AnUntrainedFilterMovesNothing)
{
    for (int n = 1; n <= 3; ++n)
        servers->deliver(user, junk(n));
    const auto outcome = MailCheck::run();
    EXPECT_EQ(outcome.stored, 3);
    EXPECT_EQ(outcome.junk, 0);
    EXPECT_EQ(outcome.newMail.size(), 3);
    EXPECT_EQ(subjectsIn(HistoryFile::Kind::Received),
              (QStringList{junkSubject(1), junkSubject(2), junkSubject(3)}));
    EXPECT_TRUE(subjectsIn(HistoryFile::Kind::Junk).isEmpty());
    EXPECT_FALSE(QFileInfo::exists(JunkFilter::storePath())) << "a word store nobody trained";
    EXPECT_EQ(launcher->statusText(), MailCheck::kNewMail + MailCheck::kEncrypted);
    EXPECT_EQ(CheckCommand::answerFor(outcome).line, QStringLiteral("新着メール 3 通"));
}

TEST_F(JunkCheck, ATrainedFilterSendsJunkToTheJunkHistoryAndLeavesItOutOfTheNews)
{
    ASSERT_TRUE(JunkMails::train());
    servers->deliver(user, junk(1));
    servers->deliver(user, good(1));
    servers->deliver(user, junk(2));
    auto outcome = MailCheck::run();
    EXPECT_EQ(outcome.stored, 3);
    EXPECT_EQ(outcome.junk, 2);
    EXPECT_EQ(outcome.newMail, QStringList{QStringLiteral("colleague@example.jp: ") + goodSubject(1)});
    EXPECT_EQ(subjectsIn(HistoryFile::Kind::Received), QStringList{goodSubject(1)});
    EXPECT_EQ(subjectsIn(HistoryFile::Kind::Junk), (QStringList{junkSubject(1), junkSubject(2)}));
    EXPECT_EQ(servers->waiting(user), 0);
    EXPECT_TRUE(prompt.boxes.isEmpty());
    EXPECT_EQ(launcher->statusText(), QStringLiteral("新着メール 3 通（迷惑メール 2 通）") + MailCheck::kEncrypted);
    EXPECT_EQ(CheckCommand::answerFor(outcome).line, QStringLiteral("新着メール 3 通（迷惑メール 2 通）"));
    // The history window's boxes carry the last good mail, not the junk after it.
    TyakuForm *history = Forms::existing<TyakuForm>();
    ASSERT_TRUE(history);
    EXPECT_EQ(history->subjectText(), goodSubject(1));

    // Nothing but junk: both counts still said, and nothing to tell of.
    servers->deliver(user, junk(3));
    outcome = MailCheck::run();
    EXPECT_EQ(outcome.junk, 1);
    EXPECT_TRUE(outcome.newMail.isEmpty());
    EXPECT_EQ(CheckCommand::answerFor(outcome).line, QStringLiteral("新着メール 1 通（迷惑メール 1 通）"));
    EXPECT_EQ(subjectsIn(HistoryFile::Kind::Junk).size(), 3);
    EXPECT_EQ(subjectsIn(HistoryFile::Kind::Received).size(), 1);
}

TEST_F(JunkCheck, ASenderInTheAddressBookIsNeverJunk)
{
    ASSERT_TRUE(JunkMails::train());
    ASSERT_TRUE(AddressBook().append(QStringLiteral("友人"), QStringLiteral("friend@example.jp")).ok);
    servers->deliver(user, junk(1, "Friend <friend@example.jp>"));
    servers->deliver(user, junk(2));
    const auto outcome = MailCheck::run();
    EXPECT_EQ(outcome.junk, 1);
    EXPECT_EQ(subjectsIn(HistoryFile::Kind::Received), QStringList{junkSubject(1)});
    EXPECT_EQ(subjectsIn(HistoryFile::Kind::Junk), QStringList{junkSubject(2)});
}

// Mails left on the server: junk is as stored as any other mail, for the id
// file, for the file made again from the histories and for the days.
TEST_F(JunkCheck, JunkLeftOnTheServerIsKnownAsStored)
{
    runtimeSettings().KeepOnServer = 1;
    ASSERT_TRUE(JunkMails::train());
    servers->deliver(user, junk(1));
    servers->deliver(user, good(1));
    ASSERT_EQ(MailCheck::run().stored, 2);
    ASSERT_EQ(subjectsIn(HistoryFile::Kind::Junk), QStringList{junkSubject(1)});
    const ReceivedMailIds ids(servers->pop3Server(), user);
    EXPECT_EQ(ids.load().size(), 2);

    EXPECT_EQ(MailCheck::run().stored, 0);
    ASSERT_TRUE(QFile::remove(ids.path()));
    const auto outcome = MailCheck::run();
    EXPECT_EQ(outcome.stored, 0);
    EXPECT_TRUE(launcher->statusText().contains(MailCheck::kRebuilt)) << launcher->statusText().toStdString();
    EXPECT_EQ(ids.load().size(), 2);
    EXPECT_EQ(servers->waiting(user), 2);
    EXPECT_EQ(subjectsIn(HistoryFile::Kind::Junk).size(), 1);
    EXPECT_EQ(subjectsIn(HistoryFile::Kind::Received).size(), 1);
}

// Only the user's own receiving server is believed; anyone can write the header.
TEST_F(JunkCheck, AFailedAuthenticationIsNotedOnlyFromTheOwnServer)
{
    runtimeSettings().AuthServ = QStringLiteral("mx.example.jp");
    const auto withResults = [](const QByteArray &subject, const QByteArray &results) {
        return "Authentication-Results: " + results + "\r\nFrom: support@bank.example\r\nTo: you@example.jp\r\n"
            "Subject: " + subject + "\r\nDate: Mon, 7 Dec 2026 10:00:00 +0900\r\n\r\nPlease sign in.\r\n";
    };
    servers->deliver(user, withResults("own fail", "mx.example.jp; spf=fail smtp.mailfrom=bank.example;\r\n"
                                                   " dkim=none; dmarc=fail header.from=bank.example"));
    servers->deliver(user, withResults("forged fail", "evil.example; dmarc=fail header.from=bank.example"));
    servers->deliver(user, withResults("own pass", "mx.example.jp; spf=pass smtp.mailfrom=bank.example;"
                                                   " dkim=pass header.d=bank.example; dmarc=pass"));
    ASSERT_EQ(MailCheck::run().stored, 3);

    const HistoryFile received(HistoryFile::Kind::Received);
    const QByteArray heads = received.readHeads();
    ASSERT_EQ(heads.size(), 3 * HistoryRecord::kHeadSize);
    QMap<QString, bool> noted;
    for (int n = 0; n < 3; ++n) {
        const QByteArray head = heads.mid(n * HistoryRecord::kHeadSize, HistoryRecord::kHeadSize);
        noted[received.read(n + 1)->trimmed().Subject] =
            JunkFilter::instance().isSpoofed(ReceivedMailIds::headKey(head));
    }
    EXPECT_TRUE(noted.value(QStringLiteral("own fail")));
    EXPECT_FALSE(noted.value(QStringLiteral("forged fail")));
    EXPECT_FALSE(noted.value(QStringLiteral("own pass")));
}

} // namespace
