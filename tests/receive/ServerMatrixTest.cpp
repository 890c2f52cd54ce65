#include "ui/receive/MailCheck.h"

#include "QuirkyPop3.h"

#include "core/history/HistoryFile.h"
#include "core/history/ReceivedMailIds.h"
#include "core/settings/AccountFile.h"
#include "core/settings/RuntimeSettings.h"
#include "support/Sandbox.h"
#include "support/ScriptedPrompt.h"
#include "support/Wait.h"
#include "ui/shell/Forms.h"
#include "ui/shell/MainForm.h"
#include "ui/viewer/HistoryDeletion.h"

#include <QFile>
#include <QElapsedTimer>
#include <QMap>
#include <QPointer>
#include <QTest>

#include <optional>

#include <gtest/gtest.h>

// Servers that follow RFC 1939 but use its freedoms, each with mail left on
// the server (KEEP=1) and without (KEEP=0): whatever they do, no mail is lost
// and none is stored twice.
namespace {

QByteArray text(const QByteArray &subject, int body = 40)
{
    return "From: a@example.jp\r\nTo: b@example.jp\r\nSubject: " + subject
        + "\r\nDate: Mon, 7 Dec 2026 10:00:00 +0900\r\n\r\n" + QByteArray(body, 'x') + "\r\n";
}

QuirkyPop3::Mail mail(const QByteArray &id, const QByteArray &subject, int body = 40)
{
    return {id, text(subject, body)};
}

class ServerMatrix : public ::testing::TestWithParam<int> {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(AccountFile().store(QStringLiteral("u"), QStringLiteral("p")));
        runtimeSettings().Pop3Server = server.address();
        runtimeSettings().KeepOnServer = keep();
        runtimeSettings().KeepDays = 0;
        runtimeSettings().KeepSync = 0;
    }
    void TearDown() override
    {
        runtimeSettings().KeepOnServer = 0;
        runtimeSettings().KeepDays = 0;
        runtimeSettings().KeepSync = 0;
    }

    int keep() const { return GetParam(); }

    // How often each subject was stored.
    static QMap<QString, int> stored()
    {
        QMap<QString, int> seen;
        const HistoryFile file(HistoryFile::Kind::Received);
        for (int n = 1; n <= file.count(); ++n)
            ++seen[file.read(n)->trimmed().Subject];
        return seen;
    }

    static QMap<QString, int> once(const QStringList &subjects)
    {
        QMap<QString, int> seen;
        for (const QString &subject : subjects)
            seen[subject] = 1;
        return seen;
    }

    // What the id file holds for this server and account.
    ReceivedMailIds::Ids idFile() const { return ReceivedMailIds(server.address(), QStringLiteral("u")).load(); }

    Sandbox sandbox;
    ScriptedPrompt prompt;
    QuirkyPop3 server;
};

TEST_P(ServerMatrix, AnIdGivenAgainAfterItsMailWentNamesANewMail)
{
    server.setMails({mail("x1", "A")});
    EXPECT_EQ(MailCheck::run().stored, 1);
    if (keep()) {
        // Another client deletes A; a check sees the mailbox without it.
        server.setMails({mail("x2", "C")});
        EXPECT_EQ(MailCheck::run().stored, 1);
        server.add(mail("x1", "B"));
    } else {
        EXPECT_TRUE(server.ids().isEmpty());
        server.setMails({mail("x1", "B")});
    }
    EXPECT_FALSE(idFile().contains("x1"));
    const auto outcome = MailCheck::run();
    EXPECT_FALSE(outcome.failed);
    EXPECT_EQ(outcome.stored, 1);
    EXPECT_EQ(stored(), once(keep() ? QStringList{"A", "B", "C"} : QStringList{"A", "B"}));
    EXPECT_EQ(server.ids(), keep() ? QList<QByteArray>({"x2", "x1"}) : QList<QByteArray>());
    EXPECT_TRUE(prompt.boxes.isEmpty()) << prompt.boxes.value(0).text.toStdString();
}

TEST_P(ServerMatrix, ALostAnswerToQuitNeitherHidesANewMailNorBringsTheOldOneTwice)
{
    runtimeSettings().KeepDays = keep() ? 1 : 0;
    ReceivedMailIds::setClock([] { return qint64(1'800'000'000); });
    server.setMails({mail("x1", "A")});
    if (keep()) {
        MailCheck::run();
        ReceivedMailIds::setClock([] { return qint64(1'800'000'000) + 2 * 24 * 60 * 60; });
    }

    // The server deletes at QUIT and its answer is lost; it then gives the id to a new mail.
    server.setQuirks({.answerQuit = false});
    EXPECT_TRUE(MailCheck::run().failed);
    EXPECT_TRUE(server.ids().isEmpty());
    server.setQuirks({});
    server.setMails({mail("x1", "B")});
    auto outcome = MailCheck::run();
    EXPECT_EQ(outcome.stored, 1);
    EXPECT_EQ(stored(), once({"A", "B"}));

    // The QUIT is lost before the server acts: the same mails wait again and none is stored twice.
    server.add(mail("x3", "C"));
    server.setQuirks({.answerQuit = false, .deleteAtQuit = false});
    if (keep())
        ReceivedMailIds::setClock([] { return qint64(1'800'000'000) + 4 * 24 * 60 * 60; });
    outcome = MailCheck::run();
    EXPECT_TRUE(outcome.failed);
    EXPECT_EQ(outcome.stored, 1);
    EXPECT_EQ(server.ids(), keep() ? QList<QByteArray>({"x1", "x3"}) : QList<QByteArray>({"x3"}));
    server.setQuirks({});
    outcome = MailCheck::run();
    EXPECT_FALSE(outcome.failed);
    EXPECT_EQ(outcome.stored, 0);
    EXPECT_EQ(stored(), once({"A", "B", "C"}));
    // Left on the server: C, stored less than a day before.
    EXPECT_EQ(server.ids(), keep() ? QList<QByteArray>({"x3"}) : QList<QByteArray>());
    EXPECT_EQ(idFile().keys(), keep() ? QList<QByteArray>({"x3"}) : QList<QByteArray>());
    ReceivedMailIds::setClock({});
}

TEST_P(ServerMatrix, WithoutTopAMailUnderAReusedIdIsStoredNotSkipped)
{
    server.setQuirks({.top = false, .answerQuit = false});
    runtimeSettings().KeepDays = keep() ? 1 : 0;
    ReceivedMailIds::setClock([] { return qint64(1'800'000'000); });
    server.setMails({mail("x1", "A")});
    if (keep()) {
        server.setQuirks({.top = false});
        MailCheck::run();
        server.setQuirks({.top = false, .answerQuit = false});
        ReceivedMailIds::setClock([] { return qint64(1'800'000'000) + 2 * 24 * 60 * 60; });
    }
    MailCheck::run();
    // Same size, so only the head could tell them apart.
    server.setQuirks({.top = false});
    server.setMails({mail("x1", "B")});
    EXPECT_EQ(MailCheck::run().stored, 1);
    EXPECT_EQ(stored(), once({"A", "B"}));
    ReceivedMailIds::setClock({});
}

TEST_P(ServerMatrix, ALostIdFileIsMadeAgainWithoutTop)
{
    server.setQuirks({.top = false});
    server.setMails({mail("x1", "A"), mail("x2", "B")});
    EXPECT_EQ(MailCheck::run().stored, 2);
    ASSERT_TRUE(QFile::remove(ReceivedMailIds(server.address(), QStringLiteral("u")).path()));
    server.add(mail("x3", "C"));
    for (int check = 0; check < 2; ++check) {
        const auto outcome = MailCheck::run();
        EXPECT_FALSE(outcome.failed) << check;
        EXPECT_EQ(outcome.stored, check == 0 ? 1 : 0) << check;
    }
    EXPECT_EQ(stored(), once({"A", "B", "C"}));
    EXPECT_EQ(server.ids().size(), keep() ? 3 : 0);
    EXPECT_TRUE(prompt.boxes.isEmpty()) << prompt.boxes.value(0).text.toStdString();
}

TEST_P(ServerMatrix, AMailDeletedInTheHistoryTakesOnlyItsOwnMailFromTheServer)
{
    if (!keep())
        GTEST_SKIP() << "only mail left on the server follows its record";
    runtimeSettings().KeepSync = 1;
    // Two alerts with the same head, told apart by their bodies only.
    server.setMails({mail("x1", "alert", 40), mail("x2", "alert", 50)});
    EXPECT_EQ(MailCheck::run().stored, 2);
    ASSERT_TRUE(HistoryDeletion::run(HistoryFile::Kind::Received, 1, 0, nullptr).ok);

    // The server deletes the first at QUIT, and its answer is lost.
    server.setQuirks({.answerQuit = false});
    EXPECT_TRUE(MailCheck::run().failed);
    EXPECT_EQ(server.ids(), QList<QByteArray>({"x2"}));

    // The one the user kept stays, at this check and the next.
    server.setQuirks({});
    for (int check = 0; check < 2; ++check) {
        const auto outcome = MailCheck::run();
        EXPECT_FALSE(outcome.failed) << check;
        EXPECT_EQ(outcome.deletedFromServer, 0) << check;
    }
    EXPECT_EQ(server.ids(), QList<QByteArray>({"x2"}));
    EXPECT_EQ(HistoryFile(HistoryFile::Kind::Received).count(), 1);
    EXPECT_TRUE(ReceivedMailIds::deletedHere().isEmpty());
    runtimeSettings().KeepSync = 0;
}

TEST_P(ServerMatrix, ARefusedDeletionIsTriedAgainWithoutStoringTwice)
{
    runtimeSettings().KeepDays = keep() ? 1 : 0;
    ReceivedMailIds::setClock([] { return qint64(1'800'000'000); });
    server.setMails({mail("x1", "A"), mail("x2", "B")});
    if (keep()) {
        MailCheck::run();
        ReceivedMailIds::setClock([] { return qint64(1'800'000'000) + 2 * 24 * 60 * 60; });
    }
    server.setQuirks({.refuseDele = true});
    EXPECT_TRUE(MailCheck::run().failed);
    ASSERT_FALSE(prompt.boxes.isEmpty());
    EXPECT_TRUE(prompt.boxes.last().text.contains(QStringLiteral("cannot delete"))) << prompt.boxes.last().text.toStdString();
    EXPECT_EQ(server.ids(), QList<QByteArray>({"x1", "x2"}));

    // Deleting as it goes, the check stopped at the refusal: the second mail comes now.
    server.setQuirks({});
    const auto outcome = MailCheck::run();
    EXPECT_FALSE(outcome.failed);
    EXPECT_EQ(outcome.stored, keep() ? 0 : 1);
    EXPECT_TRUE(server.ids().isEmpty());
    EXPECT_EQ(stored(), once({"A", "B"}));
    EXPECT_TRUE(idFile().isEmpty());
    ReceivedMailIds::setClock({});
}

TEST_P(ServerMatrix, OddIdsStoreTheirMailOnce)
{
    const QByteArray longId(80, 'L');
    server.setMails({mail(longId, "long"), mail("with space", "space"), mail("8bit\x80\xfe", "eight"),
                     mail("plain", "plain")});
    for (int check = 0; check < 3; ++check) {
        const auto outcome = MailCheck::run();
        EXPECT_FALSE(outcome.failed) << check;
        EXPECT_EQ(outcome.stored, check == 0 ? 4 : 0) << check;
    }
    EXPECT_EQ(stored(), once({"long", "space", "eight", "plain"}));
    EXPECT_EQ(server.ids().size(), keep() ? 4 : 0);
    EXPECT_EQ(idFile().size(), keep() ? 4 : 0);
    EXPECT_TRUE(prompt.boxes.isEmpty()) << prompt.boxes.value(0).text.toStdString();
}

TEST_P(ServerMatrix, WithoutUidlMailIsTakenOnlyWhenItLeavesTheServer)
{
    server.setQuirks({.uidl = false});
    server.setMails({mail("x1", "A"), mail("x2", "B")});
    const auto outcome = MailCheck::run();
    if (keep()) {
        EXPECT_TRUE(outcome.failed);
        EXPECT_EQ(outcome.stored, 0);
        EXPECT_EQ(server.ids().size(), 2);
        ASSERT_EQ(prompt.boxes.size(), 1);
        EXPECT_EQ(prompt.boxes[0].text, MailCheck::kNoUidl);
    } else {
        EXPECT_FALSE(outcome.failed);
        EXPECT_EQ(stored(), once({"A", "B"}));
        EXPECT_TRUE(server.ids().isEmpty());
    }
}

TEST_P(ServerMatrix, ACheckWaitsForAnImportBeforeItConnectsAndStopsAtOnce)
{
    server.setMails({mail("x1", "A")});
    std::optional<HistoryFile::AppendSession> import(HistoryFile::Kind::Received);
    MainForm *launcher = Forms::get<MainForm>();
    QPointer<MailCheck> check = MailCheck::start();
    ASSERT_NE(check, nullptr);
    ASSERT_TRUE(waitUntil([&] { return launcher->statusText() == MailCheck::kWaitingForHistory; }))
        << launcher->statusText().toStdString();
    QTest::qWait(300);
    EXPECT_EQ(server.connections(), 0);

    QElapsedTimer stopping;
    stopping.start();
    ASSERT_TRUE(check);
    check->cancel();
    ASSERT_TRUE(waitUntil([&] { return !MailCheck::isRunning(); }));
    EXPECT_LT(stopping.elapsed(), 2000);
    EXPECT_EQ(server.connections(), 0);
    EXPECT_EQ(HistoryFile(HistoryFile::Kind::Received).count(), 0);

    // Once the import ends, the next check goes as usual.
    import.reset();
    EXPECT_EQ(MailCheck::run().stored, 1);
}

INSTANTIATE_TEST_SUITE_P(Keep, ServerMatrix, ::testing::Values(0, 1),
                         [](const auto &info) { return info.param ? "KeepOnServer" : "DeleteWhenStored"; });

} // namespace
