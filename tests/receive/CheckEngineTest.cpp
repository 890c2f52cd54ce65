// The check engine alone: no launcher, no history window, no form at all.
#include "core/check/CheckEngine.h"
#include "core/check/CheckListener.h"
#include "core/check/CheckTexts.h"
#include "core/history/HistoryFile.h"
#include "core/history/HistoryRecord.h"
#include "core/mail/net/SessionHooks.h"
#include "core/settings/AccountFile.h"
#include "core/settings/TrustRules.h"
#include "support/MailServerTest.h"
#include "support/Sandbox.h"
#include "support/ScriptedPrompt.h"

#include <QApplication>
#include <QEventLoop>
#include <QMutex>
#include <QThread>

#include <gtest/gtest.h>

namespace {

QByteArray sample(const QByteArray &subject)
{
    return "From: Sender <sender@example.jp>\r\nTo: you@example.jp\r\nSubject: " + subject
        + "\r\nDate: Mon, 7 Dec 2026 10:00:00 +0900\r\n\r\nbody\r\n";
}

// Writes down everything a check says, and on which thread.
class RecordingListener : public CheckListener {
public:
    struct Heard {
        QStringList statuses;
        QStringList failures;
        QStringList notices;
        QStringList account;
        QStringList lastSubjects;
        int questionsFilled = 0;
        int noServer = 0;
        int accountMissing = 0;
        bool onWindowThread = false;
    };

    explicit RecordingListener(Heard &heard) : m_heard(heard) {}

    void status(const QString &text) override { note([&] { m_heard.statuses << text; }); }
    void failed(const QString &text) override { note([&] { m_heard.failures << text; }); }
    void notice(const QString &text) override { note([&] { m_heard.notices << text; }); }
    void noServer() override { note([&] { ++m_heard.noServer; }); }
    void accountRead(const QString &id, const QString &) override { note([&] { m_heard.account << id; }); }
    void accountMissing() override { note([&] { ++m_heard.accountMissing; }); }
    void signInNeeded(const QString &why, bool) override { note([&] { m_heard.failures << why; }); }
    void lastStored(const HistoryRecord &record) override { note([&] { m_heard.lastSubjects << record.trimmed().Subject; }); }
    void askAboutServer(SessionHooks &hooks) override
    {
        note([&] { ++m_heard.questionsFilled; });
        // The harness's certificate is trusted by the test's TLS settings; nothing to ask.
        TrustRules::install(hooks, {});
    }

private:
    template <class Change>
    void note(Change change)
    {
        QMutexLocker lock(&m_lock);
        if (QThread::currentThread() == qApp->thread())
            m_heard.onWindowThread = true;
        change();
    }

    QMutex m_lock;
    Heard &m_heard;
};

class CheckEngineTest : public MailServerTest {
protected:
    void SetUp() override
    {
        MailServerTest::SetUp();
        if (IsSkipped())
            return;
        ASSERT_TRUE(AccountFile().store(user, servers->password));
    }

    CheckOutcome check(CheckSettings settings)
    {
        CheckEngine engine(settings, std::make_unique<RecordingListener>(heard));
        QEventLoop loop;
        QObject::connect(&engine, &CheckEngine::finished, &loop, &QEventLoop::quit);
        engine.start();
        loop.exec();
        return engine.outcome();
    }

    CheckSettings settings(CheckMode mode = CheckMode::User) const
    {
        CheckSettings settings;
        settings.server = servers->pop3Server();
        settings.mode = mode;
        return settings;
    }

    Sandbox sandbox;
    ScriptedPrompt prompt;
    RecordingListener::Heard heard;
};

TEST_F(CheckEngineTest, StoresAndReportsThroughTheListenerWithoutAnyWindow)
{
    servers->deliver(user, sample("first"));
    servers->deliver(user, sample("second"));

    const CheckOutcome outcome = check(settings());

    EXPECT_EQ(outcome.stored, 2);
    EXPECT_FALSE(outcome.failed);
    EXPECT_TRUE(outcome.encrypted);
    EXPECT_EQ(outcome.newMail, (QStringList{"Sender <sender@example.jp>: first", "Sender <sender@example.jp>: second"}));
    const HistoryFile received(HistoryFile::Kind::Received);
    ASSERT_EQ(received.count(), 2);
    EXPECT_EQ(received.read(2)->trimmed().Subject, "second");
    EXPECT_EQ(servers->waiting(user), 0);

    EXPECT_EQ(heard.questionsFilled, 1);
    EXPECT_EQ(heard.account, QStringList{user});
    EXPECT_EQ(heard.lastSubjects, QStringList{"second"});
    ASSERT_FALSE(heard.statuses.isEmpty());
    EXPECT_TRUE(heard.statuses.last().startsWith(CheckTexts::kNewMail)) << heard.statuses.last().toStdString();
    EXPECT_EQ(outcome.status, heard.statuses.last());
    EXPECT_TRUE(heard.failures.isEmpty());
    // The engine speaks from its own thread; the listener decides where it goes.
    EXPECT_FALSE(heard.onWindowThread);
    EXPECT_TRUE(QApplication::topLevelWidgets().isEmpty());
    EXPECT_TRUE(prompt.boxes.isEmpty());
}

TEST_F(CheckEngineTest, AWrongPasswordIsOneFailureInTheServersWords)
{
    ASSERT_TRUE(AccountFile().store(user, QStringLiteral("not the password")));
    servers->deliver(user, sample("kept"));

    const CheckOutcome outcome = check(settings());

    EXPECT_TRUE(outcome.failed);
    EXPECT_EQ(outcome.stored, 0);
    ASSERT_EQ(heard.failures.size(), 1);
    EXPECT_FALSE(heard.failures[0].isEmpty());
    EXPECT_EQ(servers->waiting(user), 1);
    EXPECT_TRUE(QApplication::topLevelWidgets().isEmpty());
}

TEST_F(CheckEngineTest, WithoutAServerTheUsersCheckSaysWhereToSetOne)
{
    CheckSettings none = settings();
    none.server.clear();

    const CheckOutcome outcome = check(none);

    EXPECT_TRUE(outcome.failed);
    EXPECT_EQ(heard.noServer, 1);
}

TEST_F(CheckEngineTest, AQuietCheckMeetingAnUntrustedCertificateAsksNothingAndStoresNothing)
{
    MailServers::distrustAll();
    servers->deliver(user, sample("waits"));

    const CheckOutcome outcome = check(settings(CheckMode::Timed));
    servers->trustCertificate();

    EXPECT_TRUE(outcome.needsUser);
    EXPECT_TRUE(outcome.failed);
    EXPECT_EQ(outcome.stored, 0);
    EXPECT_EQ(heard.questionsFilled, 0);
    EXPECT_TRUE(heard.failures.isEmpty());
    EXPECT_EQ(HistoryFile(HistoryFile::Kind::Received).count(), 0);
    EXPECT_EQ(servers->waiting(user), 1);
    EXPECT_TRUE(prompt.boxes.isEmpty());
}

TEST_F(CheckEngineTest, AQuietCheckWithoutAStoredAccountNeedsTheUser)
{
    ASSERT_TRUE(AccountFile().store(QString(), QString()));

    const CheckOutcome outcome = check(settings(CheckMode::Timed));

    EXPECT_TRUE(outcome.needsUser);
    EXPECT_EQ(heard.accountMissing, 0);
    EXPECT_TRUE(prompt.boxes.isEmpty());
}

} // namespace
