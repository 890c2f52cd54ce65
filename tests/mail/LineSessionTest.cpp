#include "core/mail/net/LineSession.h"

#include "support/MailServers.h"
#include "support/ScriptedServer.h"

#include <gtest/gtest.h>

namespace {

ServerAddress local(const ScriptedServer &server)
{
    return {QStringLiteral("127.0.0.1"), static_cast<quint16>(server.port()), false};
}

TEST(LineSession, ReadsLinesWithEitherLineEndAndUnstuffsDotBlocks)
{
    ScriptedServer server([](ScriptedServer::Peer &peer) {
        peer.send("220 first\r\n250 bare lf\n");
        peer.send("..stuffed\r\nplain\r\n.\r\n");
        peer.waitForHangUp();
    });
    LineSession session;
    ASSERT_TRUE(session.connectTo(local(server))) << session.errorText().toStdString();
    EXPECT_EQ(session.readLine(), QByteArray("220 first"));
    EXPECT_EQ(session.readLine(), QByteArray("250 bare lf"));
    EXPECT_EQ(session.readDotBlock(), QByteArray(".stuffed\r\nplain\r\n"));
}

TEST(LineSession, ASizeTheServerOnlySaysCostsNoMemory)
{
    ScriptedServer server([](ScriptedServer::Peer &peer) {
        peer.send("short mail\r\n.\r\n");
        peer.waitForHangUp();
    });
    LineSession session;
    ASSERT_TRUE(session.connectTo(local(server))) << session.errorText().toStdString();
    // A LIST line claimed 400 MB; the block holds what came.
    const auto block = session.readDotBlock(qint64(400) << 20);
    ASSERT_TRUE(block);
    EXPECT_EQ(*block, QByteArray("short mail\r\n"));
    EXPECT_LE(block->capacity(), qsizetype(8) << 20);
}

TEST(LineSession, WritesDotStuffedBlocksWithCrLf)
{
    QByteArray received;
    ScriptedServer server([&](ScriptedServer::Peer &peer) {
        for (int i = 0; i < 6; ++i)
            received += peer.readLine() + '|';
    });
    LineSession session;
    ASSERT_TRUE(session.connectTo(local(server)));
    EXPECT_TRUE(session.writeDotBlock("Subject: x\n\n.hidden\r\n..two\nlast"));
    session.readLine();  // waits until the server has read everything and hung up
    EXPECT_EQ(received, QByteArray("Subject: x||..hidden|...two|last|.|"));
}

TEST(LineSession, EndsWhenTheServerHangsUp)
{
    ScriptedServer server([](ScriptedServer::Peer &peer) { peer.send("+OK bye\r\npartial"); });
    LineSession session;
    ASSERT_TRUE(session.connectTo(local(server)));
    EXPECT_EQ(session.readLine(), QByteArray("+OK bye"));
    EXPECT_FALSE(session.readLine());
    EXPECT_EQ(session.errorText(), QStringLiteral("サーバーとの接続が切れました。"));
}

} // namespace
