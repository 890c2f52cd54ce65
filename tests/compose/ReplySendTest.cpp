#include "ui/compose/BackForm.h"

#include "core/common/AppPaths.h"
#include "core/history/HistoryFile.h"
#include "ui/shell/Forms.h"
#include "core/settings/RuntimeSettings.h"
#include "support/MailReader.h"
#include "support/MailServerTest.h"
#include "support/Wait.h"
#include "support/Sandbox.h"
#include "support/ScriptedPrompt.h"
#include "ui/viewer/TyakuForm.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTreeView>

#include <gtest/gtest.h>

namespace {

class ReplySend : public MailServerTest {
protected:
    void SetUp() override
    {
        MailServerTest::SetUp();
        if (IsSkipped())
            return;
        runtimeSettings().SmtpServer = QStringLiteral("%1:%2").arg(servers->host).arg(servers->smtp);
        runtimeSettings().SenderAddress = QStringLiteral("me@example.jp");
    }

    BackForm *reply(const QString &to)
    {
        BackForm *form = Forms::open<BackForm>();
        form->setToText(to);
        form->setSubjectText(QStringLiteral("Re:  ご相談"));
        form->setBodyText(QStringLiteral("お返事です。\r\n二行目"));
        return form;
    }

    Sandbox sandbox;
    ScriptedPrompt prompt;
};

} // namespace

TEST_F(ReplySend, ArrivesWithItsSubjectAndKeepsNoCopy)
{
    BackForm *form = reply(user + QStringLiteral("@example.jp"));
    QPointer<BackForm> watched(form);
    QTest::mouseClick(form->findChild<QPushButton *>(QStringLiteral("Command2")), Qt::LeftButton);
    ASSERT_TRUE(waitUntil([&] { return !watched || !watched->isSending(); }));
    EXPECT_TRUE(prompt.boxes.isEmpty()) << prompt.boxes.value(0).text.toStdString();
    EXPECT_EQ(Forms::existing<BackForm>(), nullptr);

    const QList<QByteArray> mails = servers->delivered(user);
    ASSERT_EQ(mails.size(), 1);
    const QJsonObject seen = MailReader::read(mails[0]);
    EXPECT_EQ(seen[QStringLiteral("subject")].toString(), QStringLiteral("Re:  ご相談"));
    EXPECT_EQ(seen[QStringLiteral("body")].toString(), QStringLiteral("お返事です。\n二行目\n"));
    const QString sent = AppPaths::resolve(AppPaths::kSentHistory);
    EXPECT_TRUE(!QFileInfo::exists(sent) || QFileInfo(sent).size() == 0);
}

TEST_F(ReplySend, ARefusedReplyKeepsTheWindowWithEverythingWritten)
{
    BackForm *form = reply(QStringLiteral("reject550-") + user + QStringLiteral("@example.jp"));
    EXPECT_FALSE(form->sendAndWait());
    ASSERT_EQ(prompt.boxes.size(), 1);
    EXPECT_EQ(prompt.boxes[0].title, QStringLiteral("送信エラー"));
    EXPECT_TRUE(prompt.boxes[0].text.startsWith(QStringLiteral("受け付けられなかった宛先があるため、メールはどの宛先にも送信されていません。\nreject550-")))
        << prompt.boxes[0].text.toStdString();
    EXPECT_EQ(Forms::existing<BackForm>(), form);
    EXPECT_EQ(form->subjectText(), QStringLiteral("Re:  ご相談"));
    EXPECT_EQ(form->bodyText(), QStringLiteral("お返事です。\r\n二行目"));
}

TEST_F(ReplySend, ASenderWhoseNameHoldsACommaGetsTheReplyFromTheHistoryWindow)
{
    const QString address = user + QStringLiteral("@example.jp");
    ASSERT_TRUE(HistoryFile(HistoryFile::Kind::Received)
                    .append({QStringLiteral("ご相談"), QStringLiteral("Mon, 7 Dec 2026"),
                             QStringLiteral("山田, 太郎 <") + address + u'>', QStringLiteral("本文")})
                    .ok);
    TyakuForm *history = TyakuForm::openHistory(HistoryFile::Kind::Received);
    QTreeView *list = history->mailList();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(list->model()->index(0, 0)).center());
    QTest::mouseClick(history->findChild<QPushButton *>(QStringLiteral("Command5")), Qt::LeftButton);
    BackForm *form = Forms::existing<BackForm>();
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->toText(), QStringLiteral("\"山田, 太郎\" <") + address + u'>');
    EXPECT_TRUE(form->sendAndWait());
    EXPECT_TRUE(prompt.boxes.isEmpty()) << prompt.boxes.value(0).text.toStdString();

    const QList<QByteArray> mails = servers->delivered(user);
    ASSERT_EQ(mails.size(), 1);
    const QJsonArray to = MailReader::read(mails[0])[QStringLiteral("to")].toArray();
    ASSERT_EQ(to.size(), 1) << mails[0].toStdString();
    EXPECT_EQ(to[0].toArray()[0].toString(), QStringLiteral("山田, 太郎"));
    EXPECT_EQ(to[0].toArray()[1].toString(), address);
}

TEST(ReplyAttachments, StartWithAddEnabledAndFollowTheButtons)
{
    Sandbox sandbox;
    ScriptedPrompt prompt;
    BackForm *form = Forms::open<BackForm>();
    auto *attach = form->findChild<QPushButton *>(QStringLiteral("AttachCommand"));
    auto *add = form->findChild<QPushButton *>(QStringLiteral("Command9"));
    auto *cancel = form->findChild<QPushButton *>(QStringLiteral("Command10"));
    EXPECT_TRUE(attach->isEnabled());
    EXPECT_TRUE(add->isEnabled());

    const QString first = sandbox.workPath(QStringLiteral("a.txt"));
    const QString second = sandbox.workPath(QStringLiteral("b.txt"));
    prompt.answerFile(first);
    QTest::mouseClick(attach, Qt::LeftButton);
    EXPECT_FALSE(attach->isEnabled());
    EXPECT_EQ(form->attachmentText(), first);
    prompt.answerFile(second);
    QTest::mouseClick(add, Qt::LeftButton);
    EXPECT_EQ(form->attachmentText(), first + u',' + second);
    EXPECT_TRUE(form->findChild<QListWidget *>(QStringLiteral("List2"))->isVisible());
    QTest::mouseClick(cancel, Qt::LeftButton);
    EXPECT_TRUE(form->attachmentText().isEmpty());
    EXPECT_TRUE(attach->isEnabled());
}
