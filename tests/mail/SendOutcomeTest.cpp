#include "core/mail/net/LineSession.h"
#include "core/mail/MailLibrary.h"
#include "core/mail/mime/OutgoingMail.h"
#include "core/mail/net/SessionHooks.h"

#include "support/ScriptedServer.h"

#include <gtest/gtest.h>

#include <atomic>

using namespace std::chrono_literals;

namespace {

// What a send's end means for the mail: sent, refused, stopped in time, or maybe delivered.
class SendOutcomes : public ::testing::Test {
protected:
    void SetUp() override { LineSession::setDefaultTimeouts({2s, 1s}); }
    void TearDown() override { LineSession::setDefaultTimeouts(LineSession::kDefaultTimeouts); }

    // An SMTP dialogue up to the final "."; afterDot plays the rest.
    static ScriptedServer::Peer &upToDot(ScriptedServer::Peer &peer)
    {
        peer.send("220 scripted\r\n");
        peer.expect("EHLO", "250 scripted\r\n");
        peer.expect("MAIL", "250 ok\r\n");
        peer.expect("RCPT", "250 ok\r\n");
        peer.expect("DATA", "354 go\r\n");
        while (auto line = peer.nextLine())
            if (*line == ".")
                break;
        return peer;
    }

    int send(const ScriptedServer &server, const std::atomic_bool *cancel = nullptr)
    {
        OutgoingMail mail;
        mail.server = server.address();
        mail.to = QStringLiteral("friend@example.jp");
        mail.from = QStringLiteral("me@example.jp");
        mail.subject = QStringLiteral("件名");
        mail.body = QStringLiteral("本文");
        SessionHooks hooks;
        hooks.cancel = cancel;
        return MailLibrary::instance().smtpSendMail(mail, &hooks);
    }
};

TEST_F(SendOutcomes, ALineCutAfterTheDotMayHaveDelivered)
{
    ScriptedServer server([](ScriptedServer::Peer &peer) { upToDot(peer); });
    MailLibrary &library = MailLibrary::instance();
    EXPECT_EQ(send(server), -1);
    EXPECT_EQ(library.lastSendOutcome(), SendOutcome::MaybeDelivered);
    EXPECT_EQ(library.lastError(),
              QStringLiteral("SMTPサーバー 127.0.0.1 にメールを最後まで渡しましたが、受け取ったという返事がありませんでした"
                             "（サーバーとの接続が切れました。）。メールは届いている可能性があります。"));
}

TEST_F(SendOutcomes, ARefusalAfterTheDotIsAFailureInTheServersWords)
{
    ScriptedServer server([](ScriptedServer::Peer &peer) {
        upToDot(peer).send("554 5.7.1 spam\r\n");
        peer.waitForHangUp();
    });
    MailLibrary &library = MailLibrary::instance();
    EXPECT_EQ(send(server), -1);
    EXPECT_EQ(library.lastSendOutcome(), SendOutcome::Failed);
    EXPECT_EQ(library.lastError(), QStringLiteral("554 5.7.1 spam"));
}

TEST_F(SendOutcomes, ACancelBeforeTheMailAndAfterItsAcceptance)
{
    std::atomic_bool cancel{true};
    {
        ScriptedServer server([](ScriptedServer::Peer &peer) { peer.waitForHangUp(); });
        EXPECT_EQ(send(server, &cancel), -1);
        EXPECT_EQ(MailLibrary::instance().lastSendOutcome(), SendOutcome::Cancelled);
    }
    cancel = false;
    ScriptedServer server([&](ScriptedServer::Peer &peer) {
        upToDot(peer).send("250 queued\r\n");
        cancel = true;  // the stop comes while the goodbye is under way
        peer.waitForHangUp();
    });
    EXPECT_EQ(send(server, &cancel), 0);
    EXPECT_EQ(MailLibrary::instance().lastSendOutcome(), SendOutcome::Sent);
}

} // namespace
