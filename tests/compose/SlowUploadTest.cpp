#include "ComposeTestSupport.h"

#include "core/common/AppPaths.h"
#include "ui/compose/BackForm.h"
#include "ui/compose/SendJob.h"
#include "ui/compose/WriteForm.h"
#include "core/history/HistoryFile.h"
#include "core/mail/net/LineSession.h"
#include "core/settings/RuntimeSettings.h"
#include "ui/shell/Forms.h"
#include "ui/shell/MainForm.h"
#include "ui/common/ProgressWindow.h"
#include "support/MailReader.h"
#include "support/MailServerTest.h"
#include "support/Sandbox.h"
#include "support/ScriptedPrompt.h"
#include "support/StallWatch.h"
#include "support/ThrottlingRelay.h"
#include "support/Wait.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTest>

using namespace compose_test;
using namespace std::chrono_literals;

namespace {

// Sends through a relay that slows or silences the real SMTP server, from the real windows.
class SlowUpload : public MailServerTest {
protected:
    void SetUp() override
    {
        MailServerTest::SetUp();
        if (IsSkipped())
            return;
        launcher = Forms::get<MainForm>();
        QObject::connect(launcher, &MainForm::statusTextChanged, launcher, [this](const QString &text) { statuses << text; });
        runtimeSettings().SenderAddress = QStringLiteral("me@example.jp");
    }
    void TearDown() override { LineSession::setDefaultTimeouts(LineSession::kDefaultTimeouts); }

    static void shortenSilence(std::chrono::milliseconds silence)
    {
        LineTimeouts timeouts;
        timeouts.reply = silence;
        timeouts.line = silence;
        LineSession::setDefaultTimeouts(timeouts);
    }

    QString attachmentOf(qsizetype bytes)
    {
        const QString path = sandbox.workPath(QStringLiteral("photo.jpg"));
        QByteArray data(bytes, Qt::Uninitialized);
        QRandomGenerator generator(7);
        generator.fillRange(reinterpret_cast<quint32 *>(data.data()), data.size() / 4);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(data);
        return path;
    }

    BackForm *reply(const QString &attachment)
    {
        BackForm *form = Forms::open<BackForm>();
        form->setToText(user + QStringLiteral("@example.jp"));
        form->setSubjectText(QStringLiteral("写真です"));
        form->setBodyText(QStringLiteral("家から送ります。"));
        prompt.answerFile(attachment);
        QTest::mouseClick(form->findChild<QPushButton *>(QStringLiteral("AttachCommand")), Qt::LeftButton);
        return form;
    }

    void cancelThroughTheProgressWindow()
    {
        ASSERT_TRUE(waitUntil([&] { return !statuses.isEmpty() && statuses.last().contains(u'/'); }));
        auto *progress = launcher->findChild<ProgressWindow *>();
        ASSERT_NE(progress, nullptr);
        QTest::mouseClick(progress->findChild<QPushButton *>(QStringLiteral("CancelButton")), Qt::LeftButton);
    }

    Sandbox sandbox;
    ScriptedPrompt prompt;
    MainForm *launcher = nullptr;
    QStringList statuses;
};

TEST_F(SlowUpload, APhotoFromHomeArrivesWholeWhileTheWindowsStayAlive)
{
    // Far below the upload's minute and more, with room for a busy machine.
    shortenSilence(5s);
    ThrottlingRelay relay(servers->host, servers->smtp, {.upRate = 40000});
    runtimeSettings().SmtpServer = relay.address();
    const QString attachment = attachmentOf(3 * 1000 * 1000);
    QPointer<BackForm> form = reply(attachment);

    QTest::mouseClick(form->findChild<QPushButton *>(QStringLiteral("Command2")), Qt::LeftButton);
    ASSERT_TRUE(waitUntil([&] { return !form || !form->isSending(); }, 240000));
    EXPECT_TRUE(prompt.boxes.isEmpty()) << prompt.boxes.value(0).text.toStdString();
    EXPECT_EQ(form, nullptr);  // sent, so the window closed
    EXPECT_TRUE(statuses.filter(QStringLiteral("メールを送信中です… ")).size() > 3) << statuses.join(u'|').toStdString();

    const QList<QByteArray> mails = servers->delivered(user);
    ASSERT_EQ(mails.size(), 1);
    const QJsonArray parts = MailReader::read(mails[0])[QStringLiteral("attachments")].toArray();
    ASSERT_EQ(parts.size(), 1);
    QFile original(attachment);
    ASSERT_TRUE(original.open(QIODevice::ReadOnly));
    EXPECT_TRUE(QByteArray::fromBase64(parts[0].toObject()[QStringLiteral("data")].toString().toLatin1())
                == original.readAll());
}

TEST_F(SlowUpload, ACancelledReplyDeliversNothingAndKeepsTheWindow)
{
    ThrottlingRelay relay(servers->host, servers->smtp, {.upRate = 40000});
    runtimeSettings().SmtpServer = relay.address();
    QPointer<BackForm> form = reply(attachmentOf(1000 * 1000));
    StallWatch watch;
    QTest::mouseClick(form->findChild<QPushButton *>(QStringLiteral("Command2")), Qt::LeftButton);
    cancelThroughTheProgressWindow();
    ASSERT_TRUE(waitUntil([&] { return !form->isSending(); }, 10000));
    EXPECT_LT(watch.longestMs(), 100);  // the windows went on while the mail was uploading

    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->subjectText(), QStringLiteral("写真です"));
    EXPECT_EQ(form->bodyText(), QStringLiteral("家から送ります。"));
    EXPECT_FALSE(form->attachmentText().isEmpty());
    EXPECT_TRUE(prompt.boxes.isEmpty()) << prompt.boxes.value(0).text.toStdString();
    QTest::qWait(500);
    EXPECT_TRUE(servers->delivered(user).isEmpty());
}

TEST_F(SlowUpload, StoppingAComposedSendTakesBackItsCopyAndKeepsTheWindow)
{
    ThrottlingRelay relay(servers->host, servers->smtp, {.upRate = 40000});
    runtimeSettings().SmtpServer = relay.address();
    WriteForm *form = Forms::open<WriteForm>();
    child<QPlainTextEdit>(form, "ToText")->setPlainText(user + QStringLiteral("@example.jp"));
    child<QLineEdit>(form, "SubjectText")->setText(QStringLiteral("大きな本文"));
    const QString body = QString(QStringLiteral("長い本文の行です。\n")).repeated(40000);
    child<QPlainTextEdit>(form, "BodyText")->setPlainText(body);

    click(form, "Command1");
    ASSERT_TRUE(form->isSending());
    click(form, "Command3");  // 送信中止 stops the send rather than closing
    ASSERT_TRUE(waitUntil([&] { return !form->isSending(); }, 10000));

    EXPECT_EQ(Forms::existing<WriteForm>(), form);
    EXPECT_EQ(child<QPlainTextEdit>(form, "BodyText")->toPlainText(), body);
    EXPECT_EQ(HistoryFile(HistoryFile::Kind::Sent).count(), 0);
    EXPECT_TRUE(prompt.boxes.isEmpty()) << prompt.boxes.value(0).text.toStdString();
    QTest::qWait(500);
    EXPECT_TRUE(servers->delivered(user).isEmpty());
}

TEST_F(SlowUpload, ASilentServerEndsTheSendOnceWithinTheLimit)
{
    shortenSilence(1500ms);
    ThrottlingRelay relay(servers->host, servers->smtp, {.silent = true});
    runtimeSettings().SmtpServer = relay.address();
    BackForm *form = Forms::open<BackForm>();
    form->setToText(user + QStringLiteral("@example.jp"));
    QElapsedTimer took;
    took.start();
    EXPECT_FALSE(form->sendAndWait());
    EXPECT_LT(took.elapsed(), 4000);  // no second wait for a goodbye
    ASSERT_EQ(prompt.boxes.size(), 1);
    EXPECT_EQ(prompt.boxes[0].text, QStringLiteral("サーバーから 2 秒間応答がありませんでした。"));
    EXPECT_EQ(Forms::existing<BackForm>(), form);
}

TEST(SendProgressText, ShowsMegabytesWithOneDecimal)
{
    EXPECT_EQ(SendJob::progressText(3355443, 5242880), QStringLiteral("メールを送信中です… 3.2 / 5.0 MB"));
}

} // namespace
