// A send's window adapter reports through the progress it is given, so it can run
// with no progress window at all.
#include "core/common/JobProgress.h"
#include "ui/compose/SendJob.h"
#include "HarnessMail.h"
#include "support/MailServerTest.h"
#include "support/Sandbox.h"
#include "support/ScriptedPrompt.h"

#include <QApplication>
#include <QEventLoop>
#include <QPointer>

#include <gtest/gtest.h>

namespace {

class RecordedProgress : public JobProgress {
public:
    void show() override { shown = true; }
    void setText(const QString &text) override { texts << text; }
    void setProgress(qint64, qint64) override {}
    void onCancel(QObject *context, std::function<void()> cancel) override
    {
        listener = context;
        stop = std::move(cancel);
    }
    void stopListening(QObject *context) override
    {
        if (listener == context) {
            listener = nullptr;
            stop = {};
        }
    }

    bool shown = false;
    QStringList texts;
    QPointer<QObject> listener;
    std::function<void()> stop;
};

class SendJobProgress : public MailServerTest {
protected:
    OutgoingMail mailTo(const QString &local) const { return harnessMailTo(*servers, local, QStringLiteral("進み具合")); }

    SendJob::Result waitFor(SendJob &job)
    {
        QEventLoop loop;
        QObject::connect(&job, &SendJob::done, &loop, &QEventLoop::quit);
        loop.exec();
        return job.result();
    }

    Sandbox sandbox;
    ScriptedPrompt prompt;
    RecordedProgress progress;
};

TEST_F(SendJobProgress, ShowsHowFarItCameInTheProgressItIsGivenAndOpensNoWindow)
{
    SendJob job(mailTo(user), 0, 0, &progress);
    job.start();
    EXPECT_TRUE(progress.shown);
    EXPECT_EQ(progress.listener, &job);

    const SendJob::Result result = waitFor(job);

    EXPECT_EQ(result.outcome, SendOutcome::Sent) << result.error.toStdString();
    ASSERT_FALSE(progress.texts.isEmpty());
    EXPECT_EQ(progress.texts.first(), QStringLiteral("メールを送信中です…"));
    EXPECT_TRUE(progress.texts.contains(QStringLiteral("メールを送り終えました。サーバーの返事を待っています…")));
    // Done, the job no longer listens for a stop: a bulk send's progress outlives it.
    EXPECT_EQ(progress.listener, nullptr);
    EXPECT_TRUE(QApplication::topLevelWidgets().isEmpty());
    EXPECT_EQ(servers->delivered(user).size(), 1);
}

TEST_F(SendJobProgress, AStopAskedThroughTheProgressStopsTheSend)
{
    SendJob job(mailTo(user), 0, 0, &progress);
    job.start();
    ASSERT_TRUE(progress.stop);
    progress.stop();

    const SendJob::Result result = waitFor(job);

    EXPECT_TRUE(result.cancelRequested);
    EXPECT_EQ(result.outcome, SendOutcome::Cancelled) << result.error.toStdString();
    EXPECT_TRUE(servers->delivered(user).isEmpty());
}

} // namespace
