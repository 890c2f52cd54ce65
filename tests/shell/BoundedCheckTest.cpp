#include "core/mail/net/LineSession.h"
#include "core/mail/net/SessionHooks.h"
#include "ui/receive/MailCheck.h"
#include "core/settings/RuntimeSettings.h"
#include "ui/common/TrustHooks.h"
#include "ui/shell/Forms.h"
#include "ui/shell/MainForm.h"
#include "support/Sandbox.h"
#include "support/ScriptedPrompt.h"
#include "support/ScriptedServer.h"
#include "support/Wait.h"

#include <QElapsedTimer>
#include <QThread>

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

using namespace std::chrono_literals;

namespace {

TEST(BoundedCheck, AHandshakeDrippingOneByteAtATimeEndsTheCheckWithOneBoxWithinTheLimit)
{
    Sandbox sandbox;
    ScriptedPrompt prompt;
    LineTimeouts timeouts;
    timeouts.connect = 1000ms;
    LineSession::setDefaultTimeouts(timeouts);
    std::atomic_bool done{false};
    ScriptedServer server([&](ScriptedServer::Peer &peer) {
        peer.send(QByteArray::fromHex("1603034000"));
        for (int i = 0; i < 100 && !done; ++i) {
            QThread::msleep(200);
            peer.send(QByteArray(1, '\x02'));
        }
    });
    runtimeSettings().Pop3Server = QStringLiteral("pop3s://127.0.0.1:%1").arg(server.port());
    Forms::open<MainForm>();

    QElapsedTimer took;
    took.start();
    ASSERT_NE(MailCheck::start(), nullptr);
    const bool ended = waitUntil([] { return !MailCheck::isRunning(); }, 10000);
    done = true;
    LineSession::setDefaultTimeouts(LineSession::kDefaultTimeouts);
    ASSERT_TRUE(ended);
    EXPECT_LT(took.elapsed(), 3000);
    ASSERT_EQ(prompt.boxes.size(), 1);
    EXPECT_EQ(prompt.boxes[0].title, MailCheck::kErrorTitle);
    EXPECT_EQ(prompt.boxes[0].text, QStringLiteral("サーバー 127.0.0.1 との暗号化通信を 1 秒以内に始められませんでした。"));
    Forms::discardAll();
}

// The program may end while a worker waits for the user; what it never answered is a no.
TEST(BoundedCheck, ATrustQuestionTheWindowThreadDropsIsARefusal)
{
    SessionHooks hooks;
    TrustHooks::install(hooks);
    std::atomic<int> certificate{-1};
    std::atomic<int> plaintext{-1};
    std::atomic_bool finished{false};
    std::thread worker([&] {
        certificate = int(hooks.certificate({QStringLiteral("mail.example.jp"), 995, {}, {}}));
        plaintext = hooks.plaintextPassword(QStringLiteral("mail.example.jp"), 110) ? 1 : 0;
        finished = true;
    });
    // The window thread never runs the questions: they are thrown away unanswered.
    for (int waited = 0; !finished && waited < 5000; waited += 5) {
        QCoreApplication::removePostedEvents(QCoreApplication::instance(), QEvent::MetaCall);
        QThread::msleep(5);
    }
    worker.join();
    EXPECT_EQ(certificate, int(CertificateAnswer::Cancel));
    EXPECT_EQ(plaintext, 0);
}

} // namespace
