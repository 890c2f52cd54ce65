#include "ui/receive/MailCheck.h"

#include "ui/compose/BackForm.h"
#include "core/history/HistoryFile.h"
#include "core/settings/AccountFile.h"
#include "core/settings/RuntimeSettings.h"
#include "core/settings/ServerTrustFile.h"
#include "ui/common/TrustHooks.h"
#include "ui/shell/Forms.h"
#include "support/MailServerTest.h"
#include "support/Sandbox.h"
#include "support/ScriptedPrompt.h"
#include "support/ScriptedServer.h"

#include <QSslCertificate>
#include <QSslConfiguration>

#include <gtest/gtest.h>

namespace {

constexpr int kAlways = 0;
constexpr int kOnce = 1;
constexpr int kCancel = 2;

QByteArray small(const QByteArray &subject)
{
    return "From: a@example.jp\r\nSubject: " + subject + "\r\n\r\nbody\r\n";
}

// The harness's self-signed servers as a user meets them: nothing trusts them yet.
class TrustOnFirstUse : public MailServerTest {
protected:
    void SetUp() override
    {
        MailServerTest::SetUp();
        if (IsSkipped())
            return;
        MailServers::distrustAll();
        TrustHooks::forgetThisRun();
        runtimeSettings().Pop3Server = servers->pop3sServer();
        ASSERT_TRUE(AccountFile().store(user, servers->password));
    }
    void TearDown() override { TrustHooks::forgetThisRun(); }

    int stored() const { return HistoryFile(HistoryFile::Kind::Received).count(); }

    Sandbox sandbox;
    ScriptedPrompt prompt;
};

TEST_F(TrustOnFirstUse, CancelSendsNothingAndStoresNothing)
{
    servers->deliver(user, small("waiting"));
    prompt.answerChoice(kCancel);
    MailCheck::run();
    ASSERT_EQ(prompt.choices.size(), 1);
    const Prompt::Choice &asked = prompt.choices[0];
    EXPECT_EQ(asked.title, QStringLiteral("証明書の確認"));
    EXPECT_TRUE(asked.text.contains(QStringLiteral("%1").arg(servers->pop3s))) << asked.text.toStdString();
    EXPECT_EQ(asked.buttons, (QStringList{QStringLiteral("常に信頼する(&A)"), QStringLiteral("今回のみ(&O)"),
                                          QStringLiteral("中止(&C)")}));
    EXPECT_EQ(asked.defaultButton, kCancel);
    EXPECT_EQ(asked.escapeButton, kCancel);
    EXPECT_EQ(stored(), 0);
    EXPECT_EQ(servers->waiting(user), 1);
    ASSERT_EQ(prompt.boxes.size(), 1);
    EXPECT_TRUE(prompt.boxes[0].text.contains(QStringLiteral("信頼しなかった"))) << prompt.boxes[0].text.toStdString();
}

TEST_F(TrustOnFirstUse, OnceLastsThisRunAndAsksAgainNextRun)
{
    servers->deliver(user, small("first"));
    prompt.answerChoice(kOnce);
    MailCheck::run();
    EXPECT_EQ(prompt.choices.size(), 1);
    EXPECT_EQ(stored(), 1);

    servers->deliver(user, small("second"));
    MailCheck::run();
    EXPECT_EQ(prompt.choices.size(), 1);  // no second question in the same run
    EXPECT_EQ(stored(), 2);

    TrustHooks::forgetThisRun();  // the program starts anew
    prompt.answerChoice(kCancel);
    MailCheck::run();
    EXPECT_EQ(prompt.choices.size(), 2);
}

TEST_F(TrustOnFirstUse, AlwaysPinsTheCertificateAcrossRunsUntilItChanges)
{
    servers->deliver(user, small("pinned"));
    prompt.answerChoice(kAlways);
    MailCheck::run();
    ASSERT_EQ(prompt.choices.size(), 1);
    EXPECT_EQ(stored(), 1);
    const QSslCertificate harness = QSslCertificate::fromPath(servers->certificate).value(0);
    EXPECT_TRUE(ServerTrustFile().isPinned(servers->host, quint16(servers->pop3s), harness));

    TrustHooks::forgetThisRun();
    servers->deliver(user, small("again"));
    MailCheck::run();
    EXPECT_EQ(prompt.choices.size(), 1);
    EXPECT_EQ(stored(), 2);

    // Another certificate was trusted for this server before: the box warns.
    const QSslCertificate other = QSslConfiguration::systemCaCertificates().value(0);
    ASSERT_FALSE(other.isNull());
    ASSERT_TRUE(ServerTrustFile().pin(servers->host, quint16(servers->pop3s), other));
    prompt.answerChoice(kCancel);
    MailCheck::run();
    ASSERT_EQ(prompt.choices.size(), 2);
    EXPECT_TRUE(prompt.choices[1].text.contains(QStringLiteral("変わっています"))) << prompt.choices[1].text.toStdString();
}

TEST_F(TrustOnFirstUse, ASendToASelfSignedServerGoesOutOnceAccepted)
{
    runtimeSettings().SmtpServer = QStringLiteral("smtps://%1:%2").arg(servers->host).arg(servers->smtps);
    runtimeSettings().SenderAddress = QStringLiteral("me@example.jp");
    BackForm *form = Forms::open<BackForm>();
    form->setToText(user + QStringLiteral("@example.jp"));
    form->setSubjectText(QStringLiteral("自己署名"));
    prompt.answerChoice(kOnce);
    EXPECT_TRUE(form->sendAndWait()) << prompt.boxes.value(0).text.toStdString();
    EXPECT_EQ(prompt.choices.size(), 1);
    EXPECT_EQ(servers->delivered(user).size(), 1);
}

// Every failed handshake is said, the second one in a run as much as the first.
TEST(TlsFailure, IsReportedAtEveryCheck)
{
    Sandbox sandbox;
    ScriptedPrompt prompt;
    ASSERT_TRUE(AccountFile().store(QStringLiteral("u"), QStringLiteral("p")));
    ScriptedServer plain([](ScriptedServer::Peer &peer) { peer.send("+OK this is no TLS server\r\n"); }, 2);
    runtimeSettings().Pop3Server = QStringLiteral("pop3s://127.0.0.1:%1").arg(plain.port());
    for (int check = 1; check <= 2; ++check) {
        const auto outcome = MailCheck::run();
        EXPECT_TRUE(outcome.failed) << check;
        ASSERT_EQ(prompt.boxes.size(), check);
        EXPECT_TRUE(prompt.boxes.back().text.contains(QStringLiteral("暗号化通信を始められませんでした")))
            << prompt.boxes.back().text.toStdString();
    }
}

// A server once seen with TLS that now offers none gets no password.
TEST(NoSilentDowngrade, AServerThatStoppedOfferingStlsGetsNoLogin)
{
    Sandbox sandbox;
    ScriptedPrompt prompt;
    TrustHooks::forgetThisRun();
    ASSERT_TRUE(AccountFile().store(QStringLiteral("u"), QStringLiteral("secret")));
    bool userSent = false;
    ScriptedServer server([&](ScriptedServer::Peer &peer) {
        peer.send("+OK ready\r\n");
        peer.expect("CAPA", "+OK\r\nUSER\r\nUIDL\r\n.\r\n");
        userSent = peer.readLine().startsWith("USER");
    });
    ASSERT_TRUE(ServerTrustFile().rememberTls(QStringLiteral("127.0.0.1"), quint16(server.port())));
    runtimeSettings().Pop3Server = server.address();
    const auto outcome = MailCheck::run();
    EXPECT_TRUE(outcome.failed);
    EXPECT_FALSE(userSent);
    ASSERT_EQ(prompt.boxes.size(), 1);
    EXPECT_TRUE(prompt.boxes[0].text.contains(QStringLiteral("暗号化を提案しませんでした"))) << prompt.boxes[0].text.toStdString();
}

} // namespace
