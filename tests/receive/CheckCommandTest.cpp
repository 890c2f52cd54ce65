// pintora --check, the real program against the harness's Dovecot, with and
// without a running program to hand the check to.
#include "core/check/CheckCommand.h"
#include "core/check/CheckTexts.h"
#include "core/history/HistoryFile.h"
#include "core/instance/SingleInstance.h"
#include "core/settings/AccountFile.h"
#include "core/settings/OptionsFile.h"
#include "core/settings/RuntimeSettings.h"
#include "core/settings/ServerTrustFile.h"
#include "ui/desktop/Requests.h"
#include "ui/receive/MailCheck.h"
#include "support/MailServerTest.h"
#include "support/ProgramRun.h"
#include "support/Sandbox.h"
#include "support/ScriptedPrompt.h"

#include <QSslCertificate>

#include <gtest/gtest.h>

namespace {

QByteArray sample(const QByteArray &subject)
{
    return "From: Sender <sender@example.jp>\r\nTo: you@example.jp\r\nSubject: " + subject
        + "\r\nDate: Mon, 7 Dec 2026 10:00:00 +0900\r\n\r\nbody\r\n";
}

class CheckCommandTest : public MailServerTest {
protected:
    void SetUp() override
    {
        MailServerTest::SetUp();
        if (IsSkipped())
            return;
        ServerOptions options;
        options.pop3Server = servers->pop3Server();
        ASSERT_TRUE(OptionsFile::write(QStringLiteral("tolvar.ini"), options));
        ASSERT_TRUE(AccountFile().store(user, servers->password));
        runtimeSettings().Pop3Server = servers->pop3Server();
    }

    // The program's own answer to a certificate it cannot ask about: the one pinned before.
    void pinCertificate()
    {
        const QList<QSslCertificate> certificates = QSslCertificate::fromPath(servers->certificate);
        ASSERT_FALSE(certificates.isEmpty());
        ASSERT_TRUE(ServerTrustFile().pin(servers->host, servers->pop3, certificates.first()));
    }

    ProgramRun check() { return ProgramRun::of(sandbox, QStringLiteral(PINTORA_EXECUTABLE), {QStringLiteral("--check")}); }

    static int received() { return HistoryFile(HistoryFile::Kind::Received).count(); }

    Sandbox sandbox;
    ScriptedPrompt prompt;
};

TEST_F(CheckCommandTest, NewMailIsStoredAndCountedOnOneLine)
{
    pinCertificate();
    servers->deliver(user, sample("one"));
    servers->deliver(user, sample("two"));

    const ProgramRun run = check();

    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, QStringLiteral("新着メール 2 通\n"));
    EXPECT_EQ(received(), 2);
    EXPECT_EQ(servers->waiting(user), 0);
}

TEST_F(CheckCommandTest, HtmlMailIsReadWithoutADisplay)
{
    pinCertificate();
    servers->deliver(user, "From: shop@example.jp\r\nTo: you@example.jp\r\nSubject: html\r\n"
                           "MIME-Version: 1.0\r\nContent-Type: text/html; charset=UTF-8\r\n\r\n"
                           "<html><body><font size=\"-1\" color=\"FF0000\">\xe3\x81\x8a\xe7\x9f\xa5\xe3\x82\x89\xe3\x81\x9b</font> "
                           "<a href=\"http://shop.example.jp/\">shop</a></body></html>\r\n");

    const ProgramRun run = check();

    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, QStringLiteral("新着メール 1 通\n"));
    ASSERT_EQ(received(), 1);
    EXPECT_TRUE(HistoryFile(HistoryFile::Kind::Received).read(1)->Body.contains(QStringLiteral("お知らせ")));
}

TEST_F(CheckCommandTest, NoMailSaysSo)
{
    pinCertificate();
    const ProgramRun run = check();
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, QStringLiteral("新着メールはありません\n"));
}

TEST_F(CheckCommandTest, AWrongPasswordIsExit1WithOneLine)
{
    pinCertificate();
    ASSERT_TRUE(AccountFile().store(user, QStringLiteral("wrong")));
    servers->deliver(user, sample("stays"));

    const ProgramRun run = check();

    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.out.isEmpty());
    EXPECT_EQ(run.err.count(u'\n'), 1) << run.err.toStdString();
    EXPECT_EQ(servers->waiting(user), 1);
}

TEST_F(CheckCommandTest, AnUntrustedCertificateIsExit3AndNothingStoredOrAsked)
{
    servers->deliver(user, sample("stays"));
    const QByteArray trustBefore = Sandbox::readFile(ServerTrustFile().path());

    const ProgramRun run = check();

    EXPECT_EQ(run.status, 3) << run.err.toStdString();
    EXPECT_EQ(run.err.count(u'\n'), 1);
    EXPECT_EQ(received(), 0);
    EXPECT_EQ(servers->waiting(user), 1);
    EXPECT_EQ(Sandbox::readFile(ServerTrustFile().path()), trustBefore);
}

TEST_F(CheckCommandTest, WhilePintoraRunsTheCheckIsHandedToItAndAnswered)
{
    SingleInstance running;
    ASSERT_EQ(running.claim({}), SingleInstance::Claim::First);
    QObject::connect(&running, &SingleInstance::answerRequested, &Requests::answer);
    servers->deliver(user, sample("handed"));

    const ProgramRun run = check();

    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, QStringLiteral("新着メール 1 通\n"));
    // The running program stored it, in its own check.
    EXPECT_EQ(received(), 1);
    EXPECT_FALSE(MailCheck::isRunning());
    EXPECT_TRUE(prompt.boxes.isEmpty());
}

TEST_F(CheckCommandTest, AnswersSayWhatAFinishedCheckMeans)
{
    CheckOutcome needs;
    needs.needsUser = true;
    needs.failed = true;
    needs.failure = CheckTexts::kAskTheUser;
    EXPECT_EQ(CheckCommand::answerFor(needs).status, CheckCommand::kNeedsUser);
    CheckOutcome failed;
    failed.failed = true;
    failed.failure = QStringLiteral("一行目\n二行目");
    EXPECT_EQ(CheckCommand::answerFor(failed).status, CheckCommand::kFailed);
    EXPECT_EQ(CheckCommand::answerFor(failed).line, QStringLiteral("一行目 二行目"));
    CheckOutcome none;
    EXPECT_EQ(CheckCommand::answerFor(none).line, QStringLiteral("新着メールはありません"));
}

} // namespace
