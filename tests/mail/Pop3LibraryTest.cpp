#include "core/mail/net/LineSession.h"
#include "core/mail/MailLibrary.h"
#include "core/mail/net/Pop3Session.h"

#include "support/MailServerTest.h"
#include "support/ScriptedServer.h"

#include <gtest/gtest.h>

namespace {

QByteArray sample(const QByteArray &subject, const QByteArray &body)
{
    return "From: sender@example.jp\r\nTo: you@example.jp\r\nSubject: " + subject
        + "\r\nDate: Mon, 7 Dec 2026 10:00:00 +0900\r\n\r\n" + body;
}

class Pop3Library : public MailServerTest {
protected:
    void TearDown() override { LineSession::setDefaultTimeouts(LineSession::kDefaultTimeouts); }

    MailLibrary &library = MailLibrary::instance();
};

TEST_F(Pop3Library, FetchesByteExactOverStlsAndDeletesAtClose)
{
    const QByteArray raw = sample("one", ".starts with a dot\r\n..two dots\r\n.\r\nend\r\n");
    servers->deliver(user, raw);
    servers->deliver(user, sample("two", "second\r\n"));

    const int handle = library.pop3Connect(servers->pop3Server());
    ASSERT_GT(handle, 0) << library.lastError().toStdString();
    EXPECT_EQ(library.pop3Authenticate(handle, user, servers->password, false), 2);
    EXPECT_EQ(library.pop3GetMailSize(handle, 1), raw.size());
    const auto status = library.pop3GetMailStatus(handle, 1);
    ASSERT_TRUE(status);
    EXPECT_EQ(status->subject, QStringLiteral("one"));
    const auto mail = library.pop3GetMail(handle, 1);
    ASSERT_TRUE(mail);
    EXPECT_EQ(mail->raw, raw);
    EXPECT_EQ(mail->subject, QStringLiteral("one"));
    EXPECT_EQ(mail->date, QStringLiteral("Mon, 7 Dec 2026 10:00:00 +0900"));
    EXPECT_TRUE(library.pop3DeleteMail(handle, 1));
    EXPECT_EQ(servers->waiting(user), 2);  // deletions take effect at QUIT
    library.pop3Close(handle);
    EXPECT_EQ(servers->waiting(user), 1);
}

TEST_F(Pop3Library, SwitchesToTlsWheneverTheServerOffersStls)
{
    Pop3Session session;
    ASSERT_TRUE(session.open(servers->pop3Server())) << session.errorText().toStdString();
    EXPECT_TRUE(session.isEncrypted());
    EXPECT_TRUE(session.quit());
}

TEST_F(Pop3Library, LogsInWithApop)
{
    servers->deliver(user, sample("apop", "x\r\n"));
    const int handle = library.pop3Connect(servers->pop3Server());
    ASSERT_GT(handle, 0) << library.lastError().toStdString();
    EXPECT_EQ(library.pop3Authenticate(handle, user, servers->password, true), 1);
    library.pop3Close(handle);
}

TEST_F(Pop3Library, ReportsTheServersTextForAWrongPassword)
{
    for (const bool apop : {false, true}) {
        const int handle = library.pop3Connect(servers->pop3Server());
        ASSERT_GT(handle, 0);
        EXPECT_LT(library.pop3Authenticate(handle, user, QStringLiteral("wrong"), apop), 0);
        EXPECT_EQ(library.lastError(),
                  QStringLiteral("サーバーがログインを拒否しました（-ERR [AUTH] Authentication failed.）"));
        library.pop3Close(handle);
    }
}

TEST_F(Pop3Library, CountsZeroInAnEmptyMailbox)
{
    const int handle = library.pop3Connect(servers->pop3Server());
    ASSERT_GT(handle, 0);
    EXPECT_EQ(library.pop3Authenticate(handle, user, servers->password, false), 0);
    library.pop3Close(handle);
}

TEST_F(Pop3Library, SpeaksImplicitTls)
{
    servers->deliver(user, sample("tls", "x\r\n"));
    const int handle = library.pop3Connect(servers->pop3sServer());
    ASSERT_GT(handle, 0) << library.lastError().toStdString();
    EXPECT_EQ(library.pop3Authenticate(handle, user, servers->password, false), 1);
    library.pop3Close(handle);
}

TEST_F(Pop3Library, RefusesAnUntrustedCertificateAndSaysWhy)
{
    MailServers::distrustAll();
    for (const QString &server : {servers->pop3Server(), servers->pop3sServer()}) {
        EXPECT_EQ(library.pop3Connect(server), -1);
        EXPECT_TRUE(library.lastError().contains(QStringLiteral("self signed"), Qt::CaseInsensitive)
                    || library.lastError().contains(QStringLiteral("self-signed"), Qt::CaseInsensitive))
            << library.lastError().toStdString();
    }
}

TEST_F(Pop3Library, ReportsARefusedConnection)
{
    ScriptedServer *closed = new ScriptedServer([](ScriptedServer::Peer &) {}, 0);
    const QString address = closed->address();
    delete closed;  // nothing listens there any more
    EXPECT_EQ(library.pop3Connect(address), -1);
    EXPECT_TRUE(library.lastError().contains(address)) << library.lastError().toStdString();
    EXPECT_EQ(library.pop3Connect(QStringLiteral("imap://host")), -1);
}

TEST(ServerAddress, ReadsEveryFormTheUserMayType)
{
    const auto &s = Pop3Session::kSchemes;
    struct Row {
        QString text;
        QString host;
        int port;
        bool tls;
    };
    for (const Row &row : {Row{QStringLiteral("mail.example.jp"), QStringLiteral("mail.example.jp"), 110, false},
                           Row{QStringLiteral("mail.example.jp:1110"), QStringLiteral("mail.example.jp"), 1110, false},
                           Row{QStringLiteral("pop3s://mail.example.jp"), QStringLiteral("mail.example.jp"), 995, true},
                           Row{QStringLiteral("POP3S://mail.example.jp:1995/"), QStringLiteral("mail.example.jp"), 1995, true},
                           Row{QStringLiteral("pop3://mail.example.jp"), QStringLiteral("mail.example.jp"), 110, false},
                           Row{QStringLiteral("[::1]:2110"), QStringLiteral("::1"), 2110, false},
                           Row{QStringLiteral(" ::1 "), QStringLiteral("::1"), 110, false}}) {
        const auto address = ServerAddress::parse(row.text, s);
        ASSERT_TRUE(address) << row.text.toStdString();
        EXPECT_EQ(address->host, row.host);
        EXPECT_EQ(address->port, row.port);
        EXPECT_EQ(address->implicitTls, row.tls);
    }
    for (const QString &bad : {QString(), QStringLiteral("host:0"), QStringLiteral("host:99999"),
                               QStringLiteral("host:x"), QStringLiteral("smtp://host"), QStringLiteral(":110")})
        EXPECT_FALSE(ServerAddress::parse(bad, s)) << bad.toStdString();
}

TEST(Apop, NeedsAWellFormedTimestamp)
{
    // The digest of RFC 1939's own example.
    EXPECT_EQ(Pop3Session::apopDigest("+OK POP3 server ready <1896.697170952@dbc.mtview.ca.us>", "tanstaaf"),
              QByteArray("c4c9334bac560ecc979e58001b3e22fb"));
    EXPECT_FALSE(Pop3Session::apopDigest("+OK ready", "x"));
    EXPECT_FALSE(Pop3Session::apopDigest("+OK ready <no-at-sign>", "x"));
}

TEST(Apop, RefusesChallengesShapedForCollisionAttacks)
{
    const QByteArray longest = '<' + QByteArray(249, 'a') + "@b.jp>";
    ASSERT_EQ(longest.size(), 256);
    EXPECT_TRUE(Pop3Session::apopDigest("+OK " + longest, "x"));
    EXPECT_TRUE(Pop3Session::apopDigest("+OK <1.2@h> trailing words", "x"));

    const QList<QByteArray> refused = {
        "+OK <" + QByteArray(250, 'a') + "@b.jp>",              // 257 bytes
        "+OK <" + QByteArray(900 * 1024, 'a') + "@b.jp>",       // the long attack challenge
        QByteArray("+OK <1\x80\xff@host>"),                    // 8-bit bytes
        QByteArray("+OK <1\x01\x7f@host>"),                    // control bytes
        QByteArray("+OK <1 2@host>"),                          // a space
        QByteArray("+OK <@host>"),
        QByteArray("+OK <id@>"),
        QByteArray("+OK <a<b@host>"),
        QByteArray("+OK <unclosed@host"),
    };
    for (const QByteArray &greeting : refused)
        EXPECT_FALSE(Pop3Session::apopDigest(greeting, "x")) << greeting.left(40).toStdString();
}

// Faults no real server shows on request.

TEST(BrokenServer, ApopWithoutTimestampIsReportedNotSent)
{
    ScriptedServer server([](ScriptedServer::Peer &peer) {
        peer.send("+OK ready\r\n");
        peer.expect("CAPA", "-ERR no capa\r\n");
        peer.waitForHangUp();
    });
    MailLibrary &library = MailLibrary::instance();
    const int handle = library.pop3Connect(server.address());
    ASSERT_GT(handle, 0) << library.lastError().toStdString();
    EXPECT_LT(library.pop3Authenticate(handle, QStringLiteral("u"), QStringLiteral("p"), true), 0);
    EXPECT_TRUE(library.lastError().contains(QStringLiteral("APOP")));
    library.pop3Close(handle);
}

TEST(BrokenServer, ConnectionCutInTheMiddleOfRetr)
{
    ScriptedServer server([](ScriptedServer::Peer &peer) {
        peer.send("+OK ready\r\n");
        peer.expect("CAPA", "+OK\r\nUSER\r\n.\r\n");
        peer.expect("USER", "+OK\r\n");
        peer.expect("PASS", "+OK\r\n");
        peer.expect("STAT", "+OK 1 500\r\n");
        peer.expect("RETR 1", "+OK 500 octets\r\nSubject: cut\r\n\r\nhalf of the bo");
    });
    MailLibrary &library = MailLibrary::instance();
    const int handle = library.pop3Connect(server.address());
    ASSERT_GT(handle, 0);
    EXPECT_EQ(library.pop3Authenticate(handle, QStringLiteral("u"), QStringLiteral("p"), false), 1);
    EXPECT_FALSE(library.pop3GetMail(handle, 1));
    EXPECT_EQ(library.lastError(), QStringLiteral("サーバーとの接続が切れました。"));
    library.pop3Close(handle);
    EXPECT_FALSE(server.scriptMismatched());
}

TEST(BrokenServer, GarbageInsteadOfAGreeting)
{
    ScriptedServer server([](ScriptedServer::Peer &peer) {
        peer.send("HTTP/1.1 400 Bad Request\r\n\r\n");
        peer.waitForHangUp();
    });
    MailLibrary &library = MailLibrary::instance();
    EXPECT_EQ(library.pop3Connect(server.address()), -1);
    EXPECT_TRUE(library.lastError().contains(QStringLiteral("HTTP/1.1 400 Bad Request")))
        << library.lastError().toStdString();
}

TEST(BrokenServer, GarbageInsteadOfAReply)
{
    ScriptedServer server([](ScriptedServer::Peer &peer) {
        peer.send("+OK ready\r\n");
        peer.expect("CAPA", "-ERR\r\n");
        peer.expect("USER", "\x01\x02 what?\r\n");
        peer.waitForHangUp();
    });
    MailLibrary &library = MailLibrary::instance();
    const int handle = library.pop3Connect(server.address());
    ASSERT_GT(handle, 0);
    EXPECT_LT(library.pop3Authenticate(handle, QStringLiteral("u"), QStringLiteral("p"), false), 0);
    EXPECT_TRUE(library.lastError().contains(QStringLiteral("what?")));
    library.pop3Close(handle);
}

TEST(BrokenServer, SilentServerEndsInATimeout)
{
    LineSession::setDefaultTimeouts({std::chrono::milliseconds(2000), std::chrono::milliseconds(300)});
    ScriptedServer server([](ScriptedServer::Peer &peer) { peer.waitForHangUp(); });
    MailLibrary &library = MailLibrary::instance();
    EXPECT_EQ(library.pop3Connect(server.address()), -1);
    EXPECT_EQ(library.lastError(), QStringLiteral("サーバーから 1 秒間応答がありませんでした。"));
    LineSession::setDefaultTimeouts(LineSession::kDefaultTimeouts);
}

TEST(BrokenServer, RefusesCrLfInTheAccount)
{
    ScriptedServer server([](ScriptedServer::Peer &peer) {
        peer.send("+OK ready\r\n");
        peer.expect("CAPA", "-ERR\r\n");
        peer.waitForHangUp();
    });
    MailLibrary &library = MailLibrary::instance();
    const int handle = library.pop3Connect(server.address());
    ASSERT_GT(handle, 0);
    EXPECT_LT(library.pop3Authenticate(handle, QStringLiteral("u\r\nDELE 1"), QStringLiteral("p"), false), 0);
    library.pop3Close(handle);
    EXPECT_FALSE(server.scriptMismatched());
}

} // namespace
