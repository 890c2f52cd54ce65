#include "ui/receive/MailCheck.h"

#include "core/common/AppPaths.h"
#include "core/history/HistoryFile.h"
#include "core/history/HistoryRecord.h"
#include "core/history/ReceiveJournal.h"
#include "core/history/ReceivedMailIds.h"
#include "core/settings/AccountFile.h"
#include "core/settings/RuntimeSettings.h"
#include "support/Sandbox.h"
#include "support/ScriptedPrompt.h"
#include "support/ScriptedServer.h"

#include <QFileInfo>

#include <gtest/gtest.h>

#include <map>

// A server that announces PIPELINING gets its RETR ahead of the answers; the
// mails are read and written on other threads while the next ones travel.
namespace {

QByteArray mail(int n)
{
    return "From: Sender <sender@example.jp>\r\nTo: you@example.jp\r\nSubject: mail " + QByteArray::number(n)
        + "\r\nDate: Mon, 7 Dec 2026 10:00:00 +0900\r\n\r\n" + QByteArray(200 + n * 37, 'a' + n % 26) + "\r\n";
}

QByteArray uid(int n)
{
    return "uid-" + QByteArray::number(n);
}

// The greeting up to LIST for a pipelining server with count mails.
void login(ScriptedServer::Peer &peer, int count)
{
    QByteArray uids = "+OK\r\n";
    QByteArray sizes = "+OK\r\n";
    for (int n = 1; n <= count; ++n) {
        uids += QByteArray::number(n) + ' ' + uid(n) + "\r\n";
        sizes += QByteArray::number(n) + ' ' + QByteArray::number(mail(n).size()) + "\r\n";
    }
    peer.send("+OK ready\r\n");
    peer.expect("CAPA", "+OK\r\nUIDL\r\nPIPELINING\r\n.\r\n");
    peer.expect("USER u", "+OK\r\n");
    peer.expect("PASS p", "+OK\r\n");
    peer.expect("STAT", "+OK " + QByteArray::number(count) + " 0\r\n");
    peer.expect("UIDL", uids + ".\r\n");
    peer.expect("LIST", sizes + ".\r\n");
}

int recordsOnDisk()
{
    return static_cast<int>(QFileInfo(AppPaths::resolve(AppPaths::kReceivedHistory)).size() / HistoryRecord::kSize);
}

QStringList subjects()
{
    QStringList list;
    const HistoryFile file(HistoryFile::Kind::Received);
    for (int n = 1; n <= file.count(); ++n)
        list << file.read(n)->trimmed().Subject;
    return list;
}

QStringList expectedSubjects(int count)
{
    QStringList list;
    for (int n = 1; n <= count; ++n)
        list << QStringLiteral("mail %1").arg(n);
    return list;
}

} // namespace

TEST(PipelinedCheck, RecordsKeepTheServersOrderAndEachIsOnDiskBeforeItsDeletion)
{
    Sandbox sandbox;
    ScriptedPrompt prompt;
    ASSERT_TRUE(AccountFile().store(QStringLiteral("u"), QStringLiteral("p")));
    constexpr int kCount = 60;
    std::map<int, int> recordsAtDelete;
    bool quit = false;
    ScriptedServer server([&](ScriptedServer::Peer &peer) {
        login(peer, kCount);
        for (;;) {
            const QByteArray line = peer.readLine();
            if (line.startsWith("RETR ")) {
                peer.send("+OK\r\n" + mail(line.mid(5).toInt()) + ".\r\n");
            } else if (line.startsWith("DELE ")) {
                recordsAtDelete[line.mid(5).toInt()] = recordsOnDisk();
                peer.send("+OK\r\n");
            } else {
                quit = line == "QUIT";
                if (quit)
                    peer.send("+OK\r\n");
                return;
            }
        }
    });
    runtimeSettings().Pop3Server = server.address();

    const auto outcome = MailCheck::run();
    EXPECT_FALSE(outcome.failed);
    EXPECT_TRUE(prompt.boxes.isEmpty());
    EXPECT_EQ(outcome.stored, kCount);
    EXPECT_EQ(subjects(), expectedSubjects(kCount));
    ASSERT_EQ(recordsAtDelete.size(), size_t(kCount));
    for (const auto &[n, records] : recordsAtDelete)
        EXPECT_GE(records, n) << "DELE " << n << " came before its record";
    EXPECT_TRUE(quit);
    EXPECT_FALSE(server.scriptMismatched());
}

TEST(PipelinedCheck, ACutWhileMailsWaitToBeStoredStillStoresThemWithTheirIds)
{
    Sandbox sandbox;
    ScriptedPrompt prompt;
    ASSERT_TRUE(AccountFile().store(QStringLiteral("u"), QStringLiteral("p")));
    constexpr int kWhole = 12;
    bool quit = false;
    ScriptedServer server([&](ScriptedServer::Peer &peer) {
        login(peer, kWhole + 3);
        for (;;) {
            const QByteArray line = peer.readLine();
            if (line.startsWith("RETR ")) {
                const int n = line.mid(5).toInt();
                if (n > kWhole) {
                    peer.send("+OK\r\n" + mail(n).left(40));
                    return;  // cut mid-mail
                }
                peer.send("+OK\r\n" + mail(n) + ".\r\n");
            } else if (line.startsWith("DELE ")) {
                peer.send("+OK\r\n");
            } else {
                quit = line == "QUIT";
                return;
            }
        }
    });
    runtimeSettings().Pop3Server = server.address();

    const auto outcome = MailCheck::run();
    EXPECT_TRUE(outcome.failed);
    EXPECT_EQ(outcome.stored, kWhole);
    EXPECT_EQ(subjects(), expectedSubjects(kWhole));
    ASSERT_EQ(prompt.boxes.size(), 1);
    EXPECT_EQ(prompt.boxes[0].text, QStringLiteral("サーバーとの接続が切れました。"));
    EXPECT_FALSE(quit);
    // No goodbye, so every mail is still on the server: the ids keep the stored ones from coming twice.
    const ReceivedMailIds::Ids ids = ReceivedMailIds(server.address(), QStringLiteral("u")).load();
    EXPECT_EQ(ids.size(), kWhole);
    for (int n = 1; n <= kWhole; ++n)
        EXPECT_TRUE(ids.contains(uid(n))) << n;
    EXPECT_FALSE(QFileInfo::exists(ReceiveJournal::path()));
}
