#include "ComposeTestSupport.h"

#include "ui/compose/Attachments.h"
#include "ui/shell/Forms.h"
#include "support/Sandbox.h"
#include "support/ScriptedPrompt.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include <sys/stat.h>

using namespace compose_test;

namespace {

class AttachmentsTest : public ::testing::Test {
protected:
    struct Expected {
        bool attach, add, cancel, listVisible;
    };

    void expectControls(WriteForm *form, Expected expected, const char *when)
    {
        EXPECT_EQ(child<QPushButton>(form, "AttachCommand")->isEnabled(), expected.attach) << when;
        EXPECT_EQ(child<QPushButton>(form, "Command9")->isEnabled(), expected.add) << when;
        EXPECT_EQ(child<QPushButton>(form, "Command10")->isEnabled(), expected.cancel) << when;
        EXPECT_EQ(child<QListWidget>(form, "List2")->isVisible(), expected.listVisible) << when;
    }

    QString attachText(WriteForm *form) { return child<QLineEdit>(form, "AttachText")->text(); }
    QStringList listed(WriteForm *form)
    {
        QStringList items;
        auto *list = child<QListWidget>(form, "List2");
        for (int i = 0; i < list->count(); ++i)
            items << list->item(i)->text();
        return items;
    }

    Sandbox m_sandbox;
    ScriptedPrompt m_prompt;
};

} // namespace

TEST_F(AttachmentsTest, TwoFilesAreJoinedByACommaAndListed)
{
    WriteForm *form = Forms::open<WriteForm>();
    m_prompt.answerFile(QStringLiteral("/home/user/a.txt"));
    click(form, "AttachCommand");
    m_prompt.answerFile(QStringLiteral("/home/user/b.doc"));
    click(form, "Command9");
    EXPECT_EQ(attachText(form), QStringLiteral("/home/user/a.txt,/home/user/b.doc"));
    EXPECT_EQ(listed(form), (QStringList{QStringLiteral("/home/user/a.txt"), QStringLiteral("/home/user/b.doc")}));
    EXPECT_TRUE(child<QListWidget>(form, "List2")->isVisible());
    ASSERT_EQ(m_prompt.fileQuestions.size(), 2);
    EXPECT_TRUE(m_prompt.fileQuestions[0].title.isEmpty());
    EXPECT_TRUE(m_prompt.fileQuestions[0].filter.isEmpty());
    EXPECT_TRUE(m_prompt.fileQuestions[0].directory.isEmpty());
}

TEST_F(AttachmentsTest, ButtonStatesFollowTheTable)
{
    WriteForm *form = Forms::open<WriteForm>();
    expectControls(form, {true, false, true, false}, "after loading");
    m_prompt.answerFile(std::nullopt);
    click(form, "AttachCommand");
    expectControls(form, {false, true, true, false}, "after 添付File, cancelled");
    click(form, "Command9");
    expectControls(form, {false, true, true, true}, "after 追加");
    EXPECT_TRUE(m_prompt.fileQuestions.size() == 1) << "追加 with nothing attached asks no file";
    click(form, "Command10");
    expectControls(form, {true, false, false, false}, "after 取り消し");
    m_prompt.answerFile(QStringLiteral("/tmp/c.txt"));
    click(form, "AttachCommand");
    expectControls(form, {false, true, false, false}, "添付File again");
    EXPECT_EQ(attachText(form), QStringLiteral("/tmp/c.txt"));
    click(form, "Command11");
    expectControls(form, {true, false, false, false}, "after クリア");
    EXPECT_EQ(attachText(form), QString());
    EXPECT_TRUE(listed(form).isEmpty());
}

TEST_F(AttachmentsTest, CancelAfterTwoFilesEmptiesEverything)
{
    WriteForm *form = Forms::open<WriteForm>();
    m_prompt.answerFile(QStringLiteral("/x/1.txt"));
    click(form, "AttachCommand");
    m_prompt.answerFile(QStringLiteral("/x/2.txt"));
    click(form, "Command9");
    click(form, "Command10");
    EXPECT_EQ(attachText(form), QString());
    EXPECT_TRUE(listed(form).isEmpty());
    expectControls(form, {true, false, false, false}, "after 取り消し");
}

TEST_F(AttachmentsTest, APathWithACommaIsRefused)
{
    WriteForm *form = Forms::open<WriteForm>();
    m_prompt.answerFile(QStringLiteral("/x/a,b.txt"));
    click(form, "AttachCommand");
    EXPECT_EQ(attachText(form), QString());
    ASSERT_EQ(m_prompt.boxes.size(), 1);
    EXPECT_EQ(m_prompt.boxes[0].text, Attachments::commaRefusal());
    expectControls(form, {false, true, true, false}, "refused first file");

    m_prompt.answerFile(QStringLiteral("/x/ok.txt"));
    click(form, "Command10");
    click(form, "AttachCommand");
    m_prompt.answerFile(QStringLiteral("/y/1,2.txt"));
    click(form, "Command9");
    EXPECT_EQ(attachText(form), QStringLiteral("/x/ok.txt"));
    EXPECT_EQ(m_prompt.boxes.size(), 2);
}

TEST_F(AttachmentsTest, ReplyWindowStartsWithAddEnabled)
{
    Attachments reply(true);
    EXPECT_TRUE(reply.controls().attachEnabled);
    EXPECT_TRUE(reply.controls().addEnabled);
    EXPECT_TRUE(reply.controls().cancelEnabled);
    EXPECT_FALSE(reply.controls().listVisible);
}

TEST_F(AttachmentsTest, SendStartHidesTheListAndKeepsTheText)
{
    Attachments attachments;
    m_prompt.answerFile(QStringLiteral("/x/1.txt"));
    attachments.chooseFirst(nullptr);
    attachments.addFurther(nullptr);
    attachments.prepareForSend();
    EXPECT_EQ(attachments.text(), QStringLiteral("/x/1.txt"));
    EXPECT_TRUE(attachments.controls().attachEnabled);
    EXPECT_FALSE(attachments.controls().addEnabled);
    EXPECT_TRUE(attachments.controls().cancelEnabled);
    EXPECT_FALSE(attachments.controls().listVisible);
}

TEST_F(AttachmentsTest, APipeOrADeviceIsRefusedWhenChosenWithoutBeingOpened)
{
    // Opening a pipe nobody writes to would hold the window for ever.
    const QString fifo = m_sandbox.workPath(QStringLiteral("pipe"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    WriteForm *form = Forms::open<WriteForm>();
    for (const QString &path : {QStringLiteral("/dev/zero"), fifo}) {
        m_prompt.boxes.clear();
        m_prompt.answerFile(path);
        click(form, "AttachCommand");
        ASSERT_EQ(m_prompt.boxes.size(), 1);
        EXPECT_EQ(m_prompt.boxes[0].text, QStringLiteral("%1 は通常のファイルではないため添付できません。").arg(path));
        EXPECT_EQ(attachText(form), QString());
        click(form, "Command10");
    }
}
