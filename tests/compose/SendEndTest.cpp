#include "ComposeTestSupport.h"
#include "SmtpScript.h"

#include "core/common/AppPaths.h"
#include "core/common/BackgroundJob.h"
#include "ui/compose/BackForm.h"
#include "ui/compose/Sender.h"
#include "core/history/HistoryFile.h"
#include "core/mail/net/LineSession.h"
#include "core/settings/RuntimeSettings.h"
#include "ui/shell/Forms.h"
#include "ui/shell/MainForm.h"
#include "ui/common/ProgressWindow.h"
#include "ui/viewer/MailActions.h"
#include "ui/viewer/TyakuForm.h"
#include "support/Sandbox.h"
#include "support/ScriptedPrompt.h"
#include "support/ThrottlingRelay.h"
#include "support/Wait.h"

#include <QCheckBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QTreeView>

using namespace compose_test;
using namespace std::chrono_literals;

namespace {

// Sends from the real windows on their workers, against a server that holds back answers.
class SendEnd : public ::testing::Test {
protected:
    void SetUp() override
    {
        LineTimeouts timeouts;
        timeouts.connect = 3s;
        timeouts.reply = 1500ms;
        timeouts.line = 1500ms;
        // Far longer than any test: only a cancel can shorten it.
        timeouts.finalReply = 60s;
        LineSession::setDefaultTimeouts(timeouts);
        launcher = Forms::open<MainForm>();
        runtimeSettings().SenderAddress = QStringLiteral("me@example.jp");
    }
    void TearDown() override
    {
        script.release = true;
        waitUntil([] { return !RunningWork::instance().busy(); }, 10000);
        Forms::discardAll();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        LineSession::setDefaultTimeouts(LineSession::kDefaultTimeouts);
        // The program's end asked the application to quit, which leaves every later
        // event loop (a box's) ending at once; a short run of the application clears that.
        QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
        QCoreApplication::exec();
    }

    ScriptedServer &serve(int connections = 1)
    {
        server = std::make_unique<ScriptedServer>([this](ScriptedServer::Peer &peer) { script.play(peer); },
                                                  connections);
        runtimeSettings().SmtpServer = server->address();
        return *server;
    }

    WriteForm *compose(const QString &body = QStringLiteral("本文です。"))
    {
        WriteForm *form = Forms::open<WriteForm>();
        child<QPlainTextEdit>(form, "ToText")->setPlainText(QStringLiteral("friend@example.jp"));
        child<QLineEdit>(form, "SubjectText")->setText(QStringLiteral("お知らせ"));
        child<QPlainTextEdit>(form, "BodyText")->setPlainText(body);
        return form;
    }

    static int sentRecords() { return HistoryFile(HistoryFile::Kind::Sent).count(); }
    static QString status(WriteForm *form) { return child<QLabel>(form, "Label7")->text(); }

    Sandbox sandbox;
    ScriptedPrompt prompt;
    SmtpScript script;
    std::unique_ptr<ScriptedServer> server;
    MainForm *launcher = nullptr;
};

TEST_F(SendEnd, ACancelWhileTheServerHoldsItsAnswerToTheDotStillFinishesTheSend)
{
    script.hold = SmtpScript::Hold::DotAnswer;
    serve();
    QPointer<WriteForm> form = compose();
    click(form, "Command1");
    ASSERT_TRUE(waitUntil([&] { return script.atDot == 1; }));
    click(form, "Command3");  // 送信中止
    QTest::qWait(300);
    EXPECT_TRUE(form && form->isSending());  // the mail is with the server: its answer is awaited
    auto *progress = launcher->findChild<ProgressWindow *>();
    ASSERT_NE(progress, nullptr);
    EXPECT_EQ(progress->text(), QStringLiteral("送り終えたメールは取り消せません。サーバーの返事を待っています…"));
    script.release = true;

    ASSERT_TRUE(waitUntil([&] { return !form; }, 5000));
    EXPECT_EQ(sentRecords(), 1);
    EXPECT_TRUE(prompt.boxes.isEmpty()) << prompt.boxes.value(0).text.toStdString();
    EXPECT_TRUE(launcher->statusText().startsWith(Sender::doneText())) << launcher->statusText().toStdString();
}

TEST_F(SendEnd, AnAnswerToTheDotThatNeverComesSaysTheMailMayHaveArrivedAndKeepsItsCopy)
{
    script.hold = SmtpScript::Hold::DotAnswer;
    serve();
    QPointer<WriteForm> form = compose();
    click(form, "Command1");
    ASSERT_TRUE(waitUntil([&] { return script.atDot == 1; }));
    QTest::keyClick(launcher, Qt::Key_Escape);  // a stop asked for after the dot shortens the wait only

    ASSERT_TRUE(waitUntil([&] { return !form || !form->isSending(); }, 5000));
    ASSERT_EQ(prompt.boxes.size(), 1);
    EXPECT_EQ(prompt.boxes[0].title, Sender::errorTitle());
    EXPECT_TRUE(prompt.boxes[0].text.startsWith(
        QStringLiteral("SMTPサーバー 127.0.0.1 にメールを最後まで渡しましたが、受け取ったという返事がありませんでした（サーバーから 2 秒間応答がありませんでした。）")))
        << prompt.boxes[0].text.toStdString();
    EXPECT_TRUE(prompt.boxes[0].text.endsWith(QStringLiteral("メールは届いている可能性があります。")));
    EXPECT_EQ(sentRecords(), 1);
    // Not offered for a second send: the window goes as after a sent mail.
    EXPECT_TRUE(waitUntil([&] { return !form; }, 2000));
}

TEST_F(SendEnd, ACancelWhileTheServerHoldsItsAnswerToQuitIsASentMail)
{
    script.hold = SmtpScript::Hold::QuitAnswer;
    serve();
    QPointer<WriteForm> form = compose();
    click(form, "Command1");
    ASSERT_TRUE(waitUntil([&] { return script.atQuit == 1; }));
    QElapsedTimer took;
    took.start();
    click(form, "Command3");
    ASSERT_TRUE(waitUntil([&] { return !form; }, 5000));
    EXPECT_LT(took.elapsed(), 1000);  // no wait for a goodbye once asked to stop
    EXPECT_EQ(sentRecords(), 1);
    EXPECT_TRUE(prompt.boxes.isEmpty()) << prompt.boxes.value(0).text.toStdString();
    EXPECT_TRUE(launcher->statusText().startsWith(Sender::doneText()));
}

TEST_F(SendEnd, ACancelDuringTheUploadDeliversNothingAndKeepsNothing)
{
    serve();
    // A slow line in front, so the mail is still on its way when the stop comes.
    ThrottlingRelay relay(QStringLiteral("127.0.0.1"), server->port(), {.upRate = 40000});
    runtimeSettings().SmtpServer = relay.address();
    const QString body = QString(QStringLiteral("長い本文の行です。\n")).repeated(40000);
    QPointer<WriteForm> form = compose(body);
    click(form, "Command1");
    ASSERT_TRUE(waitUntil([&] { return script.inData == 1; }));
    QTest::qWait(200);
    click(form, "Command3");
    ASSERT_TRUE(waitUntil([&] { return form && !form->isSending(); }, 5000));
    ASSERT_TRUE(waitUntil([&] { return script.ended == 1; }, 5000));

    EXPECT_EQ(script.atDot, 0);
    EXPECT_EQ(sentRecords(), 0);
    EXPECT_TRUE(prompt.boxes.isEmpty()) << prompt.boxes.value(0).text.toStdString();
    EXPECT_EQ(status(form), Sender::cancelledText());
    EXPECT_EQ(child<QPlainTextEdit>(form, "BodyText")->toPlainText(), body);
}

// Each case opens a dialog of the sending window, or of the launcher, which the
// program keeps open until the send has ended.
TEST_F(SendEnd, AWarningBoxOfTheWindowOutlivesNoWindowWhenTheSendEndsUnderIt)
{
    script.hold = SmtpScript::Hold::DotAnswer;
    serve();
    QPointer<WriteForm> form = compose();
    click(form, "Command1");
    ASSERT_TRUE(waitUntil([&] { return script.atDot == 1; }));
    QTimer::singleShot(200, launcher, [&] { script.release = true; });
    prompt.holdNextOpen([&] { return !form || !form->isSending(); });
    // A click on no name of the address list warns, in a box of the window.
    QListWidget *names = child<QListWidget>(form, "List1");
    QTest::mouseClick(names->viewport(), Qt::LeftButton, {}, QPoint(5, 5));

    EXPECT_EQ(prompt.heldParentsAlive, QList<bool>{true});
    ASSERT_TRUE(waitUntil([&] { return !form; }, 5000));
    EXPECT_EQ(sentRecords(), 1);
}

TEST_F(SendEnd, AFileDialogOfTheWindowOutlivesNoWindowWhenTheSendEndsUnderIt)
{
    script.hold = SmtpScript::Hold::DotAnswer;
    serve();
    QPointer<WriteForm> form = compose();
    click(form, "Command1");
    ASSERT_TRUE(waitUntil([&] { return script.atDot == 1; }));
    EXPECT_FALSE(child<QPushButton>(form, "AttachCommand")->isEnabled());
    QTimer::singleShot(200, launcher, [&] { script.release = true; });
    prompt.holdNextOpen([&] { return !form || !form->isSending(); });
    EXPECT_EQ(Prompt::instance().openFileName({}, form), std::nullopt);

    EXPECT_EQ(prompt.heldParentsAlive, QList<bool>{true});
    ASSERT_TRUE(waitUntil([&] { return !form; }, 5000));
}

TEST_F(SendEnd, AReplyWindowWaitsForItsOwnBoxBeforeItCloses)
{
    script.hold = SmtpScript::Hold::DotAnswer;
    serve();
    QPointer<BackForm> form = Forms::open<BackForm>();
    form->setToText(QStringLiteral("friend@example.jp"));
    form->setBodyText(QStringLiteral("お返事です。"));
    click(form, "Command2");
    ASSERT_TRUE(waitUntil([&] { return script.atDot == 1; }));
    EXPECT_FALSE(child<QPushButton>(form, "Command2")->isEnabled());
    EXPECT_FALSE(child<QPushButton>(form, "AttachCommand")->isEnabled());
    click(form, "Command3");  // 送信中止: too late for a mail that went whole
    QTimer::singleShot(200, launcher, [&] { script.release = true; });
    prompt.holdNextOpen([&] { return !form || !form->isSending(); });
    Prompt::warn(QStringLiteral("警告"), {}, form);

    EXPECT_EQ(prompt.heldParentsAlive, QList<bool>{true});
    ASSERT_TRUE(waitUntil([&] { return !form; }, 5000));
}

TEST_F(SendEnd, AReplyWindowThatSendsTakesNoNewReplyFromTheHistoryWindow)
{
    ASSERT_TRUE(HistoryFile(HistoryFile::Kind::Received)
                    .append({QStringLiteral("別の件"), QStringLiteral("Mon, 7 Dec 2026"),
                             QStringLiteral("other@example.jp"), QStringLiteral("別の本文")})
                    .ok);
    TyakuForm *history = TyakuForm::openHistory(HistoryFile::Kind::Received);
    script.hold = SmtpScript::Hold::DotAnswer;
    serve();
    QPointer<BackForm> form = Forms::open<BackForm>();
    form->setToText(QStringLiteral("friend@example.jp"));
    form->setSubjectText(QStringLiteral("Re:  ご相談"));
    form->setBodyText(QStringLiteral("お返事です。"));
    click(form, "Command2");
    ASSERT_TRUE(waitUntil([&] { return script.atDot == 1; }));

    EXPECT_FALSE(child<QPushButton>(history, "Command5")->isEnabled());
    QTreeView *list = history->mailList();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(list->model()->index(0, 0)).center());
    history->actions().reply();  // as the button would, were it not locked
    ASSERT_EQ(prompt.boxes.size(), 1);
    EXPECT_TRUE(prompt.boxes[0].text.startsWith(QStringLiteral("返事を書く画面のメールを送信中です。")));
    EXPECT_EQ(form->toText(), QStringLiteral("friend@example.jp"));
    EXPECT_EQ(form->bodyText(), QStringLiteral("お返事です。"));

    script.release = true;
    ASSERT_TRUE(waitUntil([&] { return !form; }, 5000));
    EXPECT_EQ(script.recipients(), QList<QByteArray>{"<friend@example.jp>"});
    EXPECT_TRUE(child<QPushButton>(history, "Command5")->isEnabled());
}

TEST_F(SendEnd, TheProgramsEndQuestionHeldOpenOverASendsEndEndsCleanly)
{
    script.hold = SmtpScript::Hold::DotAnswer;
    serve();
    QPointer<WriteForm> form = compose();
    click(form, "Command1");
    ASSERT_TRUE(waitUntil([&] { return script.atDot == 1; }));

    // "終了しますか？" stays open until the send has ended, then is answered Yes.
    QTimer::singleShot(200, launcher, [&] { script.release = true; });
    prompt.holdNextOpen([&] { return !form || !form->isSending(); }, Prompt::Answer::Yes);
    launcher->close();

    EXPECT_EQ(prompt.heldParentsAlive, QList<bool>{true});
    ASSERT_TRUE(waitUntil([&] { return !form; }, 5000));
    EXPECT_FALSE(RunningWork::instance().busy());
    EXPECT_EQ(sentRecords(), 1);
}

TEST_F(SendEnd, TheProgramsEndWaitsForTheSendAndForTheBoxItsEndBrings)
{
    script.hold = SmtpScript::Hold::DotAnswer;
    script.dotAnswer = "554 5.7.1 refused\r\n";
    serve();
    QPointer<WriteForm> form = compose();
    click(form, "Command1");
    ASSERT_TRUE(waitUntil([&] { return script.atDot == 1; }));
    launcher->close();  // "終了しますか？" is answered Yes at once; the end waits
    ASSERT_NE(form, nullptr);

    // The refusal's box is up when the work has let go; the end must wait for it too.
    QElapsedTimer open;
    prompt.holdNextOpen([&] {
        if (!open.isValid())
            open.start();
        return open.elapsed() > 300;
    });
    script.release = true;
    ASSERT_TRUE(waitUntil([&] { return !form; }, 5000));
    EXPECT_GT(open.elapsed(), 300);

    EXPECT_EQ(prompt.heldParentsAlive, QList<bool>{true});
    EXPECT_EQ(prompt.boxes[1].text, QStringLiteral("554 5.7.1 refused"));
    EXPECT_FALSE(RunningWork::instance().busy());
}

TEST_F(SendEnd, BulkSendsWhatTheWindowHeldAtTheClickWhateverIsDoneMeanwhile)
{
    QByteArray book;
    for (const char *local : {"a", "b", "c", "d"})
        book += recordBytes(QString::fromLatin1(local), QString::fromLatin1(local) + QStringLiteral("@example.jp"));
    Sandbox::writeFile(sandbox.dataPath(AppPaths::kAddressBook), book);
    script.hold = SmtpScript::Hold::DotAnswer;
    serve(4);
    QPointer<WriteForm> form = compose();
    click(form, "Command4");
    click(form, "Option2");
    click(form, "Command1");
    ASSERT_TRUE(waitUntil([&] { return script.atDot == 1; }));

    for (const char *locked : {"Command1", "Command11", "Option1", "Option2", "AttachCommand", "Check1"})
        EXPECT_FALSE(child<QWidget>(form, locked)->isEnabled()) << locked;
    click(form, "Option1");  // 取消
    child<QPlainTextEdit>(form, "ToText")->setPlainText(QStringLiteral("typed@example.jp"));
    click(form, "Command11");  // クリア
    script.release = true;
    ASSERT_TRUE(waitUntil([&] { return form && !form->isSending(); }, 10000));

    EXPECT_EQ(script.recipients(),
              (QList<QByteArray>{"<a@example.jp>", "<b@example.jp>", "<c@example.jp>", "<d@example.jp>"}));
    EXPECT_TRUE(prompt.boxes.isEmpty()) << prompt.boxes.value(0).text.toStdString();
    HistoryFile sent(HistoryFile::Kind::Sent);
    ASSERT_EQ(sent.count(), 4);
    for (int n = 1; n <= 4; ++n) {
        const HistoryRecord copy = sent.read(n)->trimmed();
        EXPECT_EQ(copy.Correspondent, QStringLiteral("friend@example.jp"));
        EXPECT_EQ(copy.Body, QStringLiteral("本文です。"));
    }
    // What was typed meanwhile stays, in a window that is usable again.
    EXPECT_EQ(child<QPlainTextEdit>(form, "ToText")->toPlainText(), QStringLiteral("typed@example.jp"));
    EXPECT_TRUE(child<QRadioButton>(form, "Option2")->isChecked());
    for (const char *unlocked : {"Command1", "Command11", "Option1", "Option2", "AttachCommand", "Check1"})
        EXPECT_TRUE(child<QWidget>(form, unlocked)->isEnabled()) << unlocked;
}

} // namespace
