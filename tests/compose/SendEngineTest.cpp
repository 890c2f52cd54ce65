// The send engine alone: a mail through the real SMTP server with no window at all.
#include "core/mail/net/SessionHooks.h"
#include "core/send/SendEngine.h"
#include "core/settings/TrustRules.h"
#include "HarnessMail.h"
#include "support/MailServerTest.h"
#include "support/Sandbox.h"
#include "support/ScriptedPrompt.h"

#include <QApplication>
#include <QEventLoop>

#include <gtest/gtest.h>

namespace {

class SendEngineTest : public MailServerTest {
protected:
    OutgoingMail mailTo(const QString &local) const { return harnessMailTo(*servers, local, QStringLiteral("エンジンから")); }

    SendResult send(SendEngine &engine)
    {
        QEventLoop loop;
        QObject::connect(&engine, &SendEngine::handedOver, &loop, [this] { ++handedOver; });
        QObject::connect(&engine, &SendEngine::finished, &loop, &QEventLoop::quit);
        engine.start();
        loop.exec();
        return engine.result();
    }

    Sandbox sandbox;
    ScriptedPrompt prompt;
    int handedOver = 0;
    int questionsFilled = 0;
};

TEST_F(SendEngineTest, SendsAndReportsThroughSignalsWithoutAnyWindow)
{
    SendEngine engine(mailTo(user), [this](SessionHooks &hooks) {
        ++questionsFilled;
        TrustRules::install(hooks, {});
    });

    const SendResult result = send(engine);

    EXPECT_GE(result.code, 0) << result.error.toStdString();
    EXPECT_EQ(result.outcome, SendOutcome::Sent);
    EXPECT_TRUE(result.encrypted);
    EXPECT_EQ(handedOver, 1);
    EXPECT_EQ(questionsFilled, 1);
    ASSERT_EQ(servers->delivered(user).size(), 1);
    EXPECT_TRUE(QApplication::topLevelWidgets().isEmpty());
    EXPECT_TRUE(prompt.boxes.isEmpty());
}

TEST_F(SendEngineTest, ARefusedRecipientIsAFailureInTheServersWords)
{
    SendEngine engine(mailTo(QStringLiteral("reject550-") + user), [](SessionHooks &hooks) {
        TrustRules::install(hooks, {});
    });

    const SendResult result = send(engine);

    EXPECT_LT(result.code, 0);
    EXPECT_TRUE(result.error.contains(QStringLiteral("550"))) << result.error.toStdString();
    EXPECT_TRUE(QApplication::topLevelWidgets().isEmpty());
}

} // namespace
