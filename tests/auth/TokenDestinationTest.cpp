#include "SignInFixture.h"

#include "core/settings/ServerTrustFile.h"

#include <QTcpServer>

namespace {

// A server the provider does not name (here the same one under another name) gets the
// token only with the user's yes. The question comes once per server, either answer kept.
TEST_F(SignIn, TokenGoesToAServerTheProviderDoesNotNameOnlyWithTheUsersYesAskedOnce)
{
    signInAndKeep();
    ASSERT_NE(servers->host, QStringLiteral("localhost"));
    runtimeSettings().Pop3Server = QStringLiteral("localhost:%1").arg(servers->oauthPop3);
    servers->deliver(user, sample("elsewhere"));
    const QString question = QStringLiteral("このサーバーにサインイン情報を送りますか");

    prompt.answerBox(Prompt::Answer::No);
    EXPECT_EQ(MailCheck::run().stored, 0);
    ASSERT_GE(prompt.boxes.size(), 2);
    EXPECT_TRUE(prompt.boxes[0].text.contains(question)) << prompt.boxes[0].text.toStdString();
    EXPECT_TRUE(prompt.boxes[0].text.contains(QStringLiteral("localhost"))) << prompt.boxes[0].text.toStdString();
    EXPECT_TRUE(prompt.boxes[0].defaultNo);
    EXPECT_TRUE(prompt.boxes.last().text.contains(QStringLiteral("hosts="))) << prompt.boxes.last().text.toStdString();
    EXPECT_EQ(servers->waiting(user), 1);
    // The no holds without a question.
    const qsizetype asked = prompt.boxes.size();
    EXPECT_EQ(MailCheck::run().stored, 0);
    for (qsizetype i = asked; i < prompt.boxes.size(); ++i)
        EXPECT_FALSE(prompt.boxes[i].text.contains(question));
    EXPECT_EQ(servers->waiting(user), 1);

    // Asked anew (the answer gone from the trust file), a yes lets it through, and holds too.
    ASSERT_TRUE(QFile::remove(ServerTrustFile().path()));
    prompt.boxes.clear();
    prompt.answerBox(Prompt::Answer::Yes);
    EXPECT_EQ(MailCheck::run().stored, 1);
    ASSERT_EQ(prompt.boxes.size(), 1);
    EXPECT_TRUE(prompt.boxes[0].text.contains(question));
    EXPECT_EQ(ServerTrustFile().signInAnswer(QStringLiteral("localhost"), quint16(servers->oauthPop3), QStringLiteral("Harness")),
              std::optional<bool>(true));
    servers->deliver(user, sample("again"));
    EXPECT_EQ(MailCheck::run().stored, 1);
    EXPECT_EQ(prompt.boxes.size(), 1);

    // A send to a server of another name asks for itself; a no sends nothing.
    runtimeSettings().SmtpServer = QStringLiteral("localhost:%1").arg(servers->submission);
    const QString recipient = MailServers::freshUser();
    prompt.answerBox(Prompt::Answer::No);
    const SendJob::Result refused = send(mailTo(recipient));
    EXPECT_NE(refused.code, 0);
    EXPECT_TRUE(refused.error.contains(QStringLiteral("hosts="))) << refused.error.toStdString();
    ASSERT_EQ(prompt.boxes.size(), 2);
    EXPECT_TRUE(prompt.boxes[1].text.contains(question));
    EXPECT_TRUE(servers->delivered(recipient).isEmpty());
    expectNoTokenOutsideItsFile();
}

// The refresh token goes back only to the token address that issued it: another one
// in the provider file means a new sign-in, and nothing reaches that address.
TEST_F(SignIn, RefreshTokenNeverGoesToAChangedTokenAddress)
{
    signInAndKeep();
    EXPECT_EQ(stored().tokenUrl, base + QStringLiteral("/token"));
    QTcpServer elsewhere;
    ASSERT_TRUE(elsewhere.listen(QHostAddress::LocalHost));
    Sandbox::writeFile(sandbox.dataPath(QStringLiteral("\\★MAilData\\oauth2.ini")),
                       QStringLiteral("[Harness]\r\nauthorize=%1/authorize\r\ntoken=http://127.0.0.1:%3/token\r\n"
                                      "client_id=pintora-test\r\nscope=mail offline_access\r\nhosts=%2\r\n")
                           .arg(base, servers->host)
                           .arg(elsewhere.serverPort())
                           .toLatin1());
    makeStale();
    const QString refresh = stored().refresh;
    servers->deliver(user, sample("kept"));

    const MailCheck::Outcome outcome = MailCheck::run(SignInPolicy::NeverOpenBrowser);
    EXPECT_TRUE(outcome.needsSignIn);
    EXPECT_EQ(outcome.stored, 0);
    EXPECT_FALSE(elsewhere.hasPendingConnections());
    EXPECT_FALSE(elsewhere.waitForNewConnection(200));
    EXPECT_EQ(grants(QStringLiteral("refresh_token")), 0);
    ASSERT_EQ(prompt.boxes.size(), 1);
    EXPECT_TRUE(prompt.boxes[0].text.contains(QStringLiteral("トークンのアドレス"))) << prompt.boxes[0].text.toStdString();
    EXPECT_EQ(stored().refresh, refresh);
}

} // namespace
