#include "ui/receive/MailCheck.h"

#include "CheckTest.h"

#include "core/history/HistoryFile.h"
#include "core/history/HistoryRecord.h"
#include "core/mail/net/LineSession.h"
#include "core/settings/AccountFile.h"
#include "core/settings/RuntimeSettings.h"
#include "ui/shell/Forms.h"
#include "ui/shell/MainForm.h"
#include "ui/common/ProgressWindow.h"
#include "ui/viewer/TyakuForm.h"
#include "support/MailServerTest.h"
#include "support/Sandbox.h"
#include "support/ScriptedPrompt.h"
#include "support/ScriptedServer.h"
#include "support/StallWatch.h"
#include "support/ThrottlingRelay.h"
#include "support/Wait.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace std::chrono_literals;

namespace {

QByteArray mailOf(int n, int bodyBytes)
{
    QByteArray body;
    while (body.size() < bodyBytes)
        body += "line " + QByteArray::number(n) + " of a mail that takes its time to arrive\r\n";
    return "From: a@example.jp\r\nTo: b@example.jp\r\nSubject: mail " + QByteArray::number(n)
        + "\r\nDate: Mon, 7 Dec 2026 10:00:00 +0900\r\n\r\n" + body;
}

// A check through a relay that slows or silences the real Dovecot.
class SlowCheck : public CheckTest {
protected:
    void TearDown() override { LineSession::setDefaultTimeouts(LineSession::kDefaultTimeouts); }

    static void shorten(std::chrono::milliseconds silence, std::chrono::milliseconds grace = 60s)
    {
        LineTimeouts timeouts;
        timeouts.connect = 2s;
        timeouts.reply = silence;
        timeouts.line = silence;
        timeouts.blockGrace = grace;
        LineSession::setDefaultTimeouts(timeouts);
    }

    static int stored() { return HistoryFile(HistoryFile::Kind::Received).count(); }
};

TEST_F(SlowCheck, ASilentServerGivesOneBoxWithinTheLimitWhileTheWindowsGoOn)
{
    shorten(1500ms);
    ThrottlingRelay relay(servers->host, servers->pop3, {.silent = true});
    runtimeSettings().Pop3Server = relay.address();

    StallWatch watch;
    QElapsedTimer took;
    took.start();
    const auto outcome = MailCheck::run();
    EXPECT_LT(took.elapsed(), 4000);  // one wait of 1.5 s, not one per command
    EXPECT_TRUE(outcome.failed);
    ASSERT_EQ(prompt.boxes.size(), 1);
    EXPECT_EQ(prompt.boxes[0].text, QStringLiteral("サーバーから 2 秒間応答がありませんでした。"));
    EXPECT_TRUE(launcher->statusText().startsWith(MailCheck::kNoNewMail)) << launcher->statusText().toStdString();
    EXPECT_LT(watch.longestMs(), 100);
}

TEST_F(SlowCheck, ATricklingServerCannotHoldTheCheck)
{
    shorten(1500ms);
    // One byte every 0.4 s: never silent for long, never done.
    ScriptedServer trickle([](ScriptedServer::Peer &peer) {
        for (const char c : QByteArray("+OK slow")) {
            peer.send(QByteArray(1, c));
            QThread::msleep(400);
        }
    });
    runtimeSettings().Pop3Server = trickle.address();
    QElapsedTimer took;
    took.start();
    MailCheck::run();
    EXPECT_LT(took.elapsed(), 5000);
    ASSERT_EQ(prompt.boxes.size(), 1);
    EXPECT_TRUE(prompt.boxes[0].text.contains(QStringLiteral("終わりませんでした"))) << prompt.boxes[0].text.toStdString();
}

TEST_F(SlowCheck, ASlowButSteadyServerIsWaitedFor)
{
    shorten(1000ms, 1000ms);
    for (int n = 1; n <= 2; ++n)
        servers->deliver(user, mailOf(n, 40000));
    // 20 KB/s: each mail takes two seconds, beyond the one-second limits, yet keeps moving
    // (and a whole TLS record still arrives within the grace, so the average can be seen).
    ThrottlingRelay relay(servers->host, servers->pop3, {.downRate = 20000});
    runtimeSettings().Pop3Server = relay.address();
    const auto outcome = MailCheck::run();
    EXPECT_TRUE(prompt.boxes.isEmpty()) << prompt.boxes.value(0).text.toStdString();
    EXPECT_EQ(outcome.stored, 2);
    EXPECT_EQ(servers->waiting(user), 0);
}

TEST_F(SlowCheck, CancelStoresNothingHalfAndLeavesTheRestOnTheServer)
{
    for (int n = 1; n <= 8; ++n)
        servers->deliver(user, mailOf(n, 100000));
    ThrottlingRelay relay(servers->host, servers->pop3, {.downRate = 250000});
    runtimeSettings().Pop3Server = relay.address();

    StallWatch watch;
    MailCheck *check = MailCheck::start();
    ASSERT_NE(check, nullptr);
    EXPECT_EQ(MailCheck::start(), nullptr);  // a second check stays refused
    ASSERT_TRUE(waitUntil([&] { return stored() >= 2; }));
    auto *progress = launcher->findChild<ProgressWindow *>();
    ASSERT_NE(progress, nullptr);
    QTest::mouseClick(progress->findChild<QPushButton *>(QStringLiteral("CancelButton")), Qt::LeftButton);
    ASSERT_TRUE(waitUntil([] { return !MailCheck::isRunning(); }));

    const int kept = stored();
    EXPECT_GE(kept, 2);
    EXPECT_LT(kept, 8);
    EXPECT_EQ(QFileInfo(HistoryFile(HistoryFile::Kind::Received).path()).size() % HistoryRecord::kSize, 0);
    for (int n = 1; n <= kept; ++n)
        EXPECT_EQ(HistoryFile(HistoryFile::Kind::Received).read(n)->trimmed().Subject,
                  QStringLiteral("mail %1").arg(n));
    EXPECT_GE(servers->waiting(user), 8 - kept);
    EXPECT_TRUE(prompt.boxes.isEmpty()) << prompt.boxes.value(0).text.toStdString();
    EXPECT_EQ(launcher->statusText(), MailCheck::kStopped);
    EXPECT_LT(watch.longestMs(), 100);
}

TEST_F(SlowCheck, EscOnTheLauncherStopsAHungCheck)
{
    shorten(30s);
    ThrottlingRelay relay(servers->host, servers->pop3, {.silent = true});
    runtimeSettings().Pop3Server = relay.address();
    QElapsedTimer took;
    took.start();
    ASSERT_NE(MailCheck::start(), nullptr);
    QTest::qWait(200);
    QTest::keyClick(launcher, Qt::Key_Escape);
    ASSERT_TRUE(waitUntil([] { return !MailCheck::isRunning(); }, 5000));
    EXPECT_LT(took.elapsed(), 2000);
    EXPECT_TRUE(prompt.boxes.isEmpty());
    EXPECT_EQ(launcher->statusText(), MailCheck::kStopped);
}

TEST_F(SlowCheck, ClosingTheLauncherStopsTheCheckFirstThenEnds)
{
    shorten(30s);
    ThrottlingRelay relay(servers->host, servers->pop3, {.silent = true});
    runtimeSettings().Pop3Server = relay.address();
    Forms::open<TyakuForm>();
    ASSERT_NE(MailCheck::start(), nullptr);
    QTest::qWait(200);
    QElapsedTimer took;
    took.start();
    launcher->close();
    // The check lets go first; only then do the windows go.
    EXPECT_NE(Forms::existing<TyakuForm>(), nullptr);
    ASSERT_TRUE(waitUntil([] { return !MailCheck::isRunning(); }, 5000));
    ASSERT_TRUE(waitUntil([] { return Forms::existing<TyakuForm>() == nullptr; }, 5000));
    EXPECT_LT(took.elapsed(), 2000);
    EXPECT_TRUE(prompt.boxes.isEmpty());
}

} // namespace
