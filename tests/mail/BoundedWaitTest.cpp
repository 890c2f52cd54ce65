#include "core/mail/net/LineSession.h"
#include "core/mail/MailLibrary.h"
#include "core/mail/net/SessionHooks.h"

#include "support/ScriptedServer.h"

#include <QElapsedTimer>
#include <QThread>

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

using namespace std::chrono_literals;

namespace {

// Lookups left behind run on after their test: what they read must outlive it.
std::atomic_bool g_nameServerReleased{false};

class BoundedWait : public ::testing::Test {
protected:
    void SetUp() override
    {
        LineTimeouts timeouts;
        timeouts.connect = 1000ms;
        timeouts.reply = 1000ms;
        timeouts.line = 1000ms;
        LineSession::setDefaultTimeouts(timeouts);
        g_nameServerReleased = false;
    }
    void TearDown() override
    {
        released = true;
        g_nameServerReleased = true;
        LineSession::setDefaultTimeouts(LineSession::kDefaultTimeouts);
        LineSession::setNameLookup({});
    }

    // A name server that answers only when the test lets it, or never.
    void slowNameServer(const QList<QHostAddress> &answer = {})
    {
        LineSession::setNameLookup([answer](const QString &, QString *error) {
            for (int waited = 0; !g_nameServerReleased && waited < 10000; waited += 10)
                QThread::msleep(10);
            *error = QStringLiteral("no answer");
            return answer;
        });
    }

    std::atomic_bool released{false};
};

// A server that starts a TLS record and then sends one byte of it at a time.
void dripHandshake(ScriptedServer::Peer &peer, const std::atomic_bool &released)
{
    peer.send(QByteArray::fromHex("1603034000"));
    for (int i = 0; i < 100 && !released; ++i) {
        QThread::msleep(200);
        peer.send(QByteArray(1, '\x02'));
    }
}

TEST_F(BoundedWait, AHandshakeThatDripsEndsAtTheConnectLimit)
{
    ScriptedServer server([this](ScriptedServer::Peer &peer) { dripHandshake(peer, released); });
    QElapsedTimer took;
    took.start();
    MailLibrary &library = MailLibrary::instance();
    EXPECT_EQ(library.pop3Connect(QStringLiteral("pop3s://127.0.0.1:%1").arg(server.port())), -1);
    EXPECT_LT(took.elapsed(), 2500);
    EXPECT_EQ(library.lastError(), QStringLiteral("サーバー 127.0.0.1 との暗号化通信を 1 秒以内に始められませんでした。"));
    released = true;
}

TEST_F(BoundedWait, AnswersAfterAPauseOfTheProgramAreNotTakenForSilence)
{
    ScriptedServer server([](ScriptedServer::Peer &peer) {
        peer.send("+OK ready\r\n");
        peer.readLine();
        // The answer comes late, but soon after the client starts waiting for it.
        QThread::msleep(1600);
        peer.send("+OK late\r\n");
        peer.waitForHangUp();
    });
    LineSession session;
    ASSERT_TRUE(session.connectTo({QStringLiteral("127.0.0.1"), quint16(server.port()), false}));
    ASSERT_EQ(session.readLine(), QByteArray("+OK ready"));
    ASSERT_TRUE(session.writeLine("STAT"));
    QThread::msleep(1500);  // the program was busy elsewhere (a box left open)
    EXPECT_EQ(session.readLine(), QByteArray("+OK late")) << session.errorText().toStdString();
}

TEST_F(BoundedWait, ANameLookupEndsAtTheConnectLimit)
{
    slowNameServer();
    QElapsedTimer took;
    took.start();
    LineSession session;
    EXPECT_FALSE(session.connectTo({QStringLiteral("mail.example.jp"), 110, false}));
    EXPECT_LT(took.elapsed(), 2000);
    EXPECT_EQ(session.errorText(), QStringLiteral("サーバー mail.example.jp の名前を 1 秒以内に調べられませんでした。"));
}

TEST_F(BoundedWait, ANameLookupStopsAtCancel)
{
    LineSession::setDefaultTimeouts({30s, 30s});
    slowNameServer();
    std::atomic_bool cancel{false};
    SessionHooks hooks;
    hooks.cancel = &cancel;
    std::thread stop([&] {
        QThread::msleep(200);
        cancel = true;
    });
    QElapsedTimer took;
    took.start();
    LineSession session;
    session.setHooks(&hooks);
    EXPECT_FALSE(session.connectTo({QStringLiteral("mail.example.jp"), 110, false}));
    stop.join();
    EXPECT_LT(took.elapsed(), 1500);
    EXPECT_TRUE(session.cancelled());
}

TEST_F(BoundedWait, ANameFoundConnectsToItsAddressAndAMissingOneIsSaid)
{
    ScriptedServer server([](ScriptedServer::Peer &peer) {
        peer.send("+OK here\r\n");
        peer.waitForHangUp();
    });
    g_nameServerReleased = true;
    slowNameServer({QHostAddress(QStringLiteral("127.0.0.1"))});
    LineSession session;
    ASSERT_TRUE(session.connectTo({QStringLiteral("mail.example.jp"), quint16(server.port()), false}))
        << session.errorText().toStdString();
    EXPECT_EQ(session.readLine(), QByteArray("+OK here"));
    session.abort();

    slowNameServer({});
    EXPECT_FALSE(session.connectTo({QStringLiteral("nowhere.example.jp"), 110, false}));
    EXPECT_EQ(session.errorText(), QStringLiteral("サーバー nowhere.example.jp が見つかりませんでした（no answer）。"));
}

} // namespace
