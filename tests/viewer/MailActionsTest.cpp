#include "ui/viewer/MailActions.h"

#include "ui/addressbook/FriendForm.h"
#include "core/common/AppPaths.h"
#include "ui/common/Clipboard.h"
#include "core/common/Cp932.h"
#include "ui/compose/BackForm.h"
#include "ui/shell/Forms.h"
#include "ui/shell/MainForm.h"
#include "support/FileFaults.h"
#include "support/OtherUser.h"
#include "support/Sandbox.h"
#include "support/ScriptedPrompt.h"
#include "ui/viewer/EditorState.h"
#include "core/history/HistoryState.h"
#include "ui/viewer/TyakuForm.h"

#include "NumberedMail.h"

#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeView>

#include <gtest/gtest.h>

namespace {

void store(HistoryFile::Kind kind, int count)
{
    HistoryFile file(kind);
    for (int n = 1; n <= count; ++n)
        ASSERT_TRUE(file.append(numberedMail(n)).ok);
}

class MailActionsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        editorState() = {};
        historyState() = {};
    }

    TyakuForm *open(HistoryFile::Kind kind)
    {
        form = TyakuForm::openHistory(kind);
        return form;
    }
    void clickRow(int row)
    {
        QTreeView *list = form->mailList();
        const QRect rect = list->visualRect(list->model()->index(row - 1, 0));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
    }
    void press(const char *button)
    {
        QTest::mouseClick(form->findChild<QPushButton *>(QString::fromLatin1(button)), Qt::LeftButton);
    }
    QString box(const char *name) { return form->findChild<QLineEdit *>(QString::fromLatin1(name))->text(); }

    Sandbox sandbox;
    ScriptedPrompt prompt;
    TyakuForm *form = nullptr;
};

} // namespace

TEST_F(MailActionsTest, DeletingTheOnlyMailLeavesAnEmptyFileListAndBoxes)
{
    store(HistoryFile::Kind::Received, 1);
    open(HistoryFile::Kind::Received);
    clickRow(1);
    press("Command3");
    ASSERT_EQ(prompt.boxes.size(), 1);
    EXPECT_EQ(prompt.boxes[0].text, QStringLiteral("選択された（行、青色）データを削除します。よろしいですか"));
    EXPECT_EQ(prompt.boxes[0].title, QStringLiteral("確認"));
    EXPECT_EQ(prompt.boxes[0].icon, Prompt::Icon::Question);
    EXPECT_EQ(prompt.boxes[0].buttons, Prompt::Buttons::YesNo);

    const QString path = AppPaths::resolve(AppPaths::kReceivedHistory);
    EXPECT_TRUE(QFileInfo::exists(path));
    EXPECT_EQ(QFileInfo(path).size(), 0);
    EXPECT_EQ(form->rowCount(), 0);
    EXPECT_EQ(form->countText(), QStringLiteral("0"));
    EXPECT_TRUE(box("Text7").isEmpty());
    EXPECT_TRUE(form->bodyText().isEmpty());
    EXPECT_TRUE(form->selectionMarker().isEmpty());
}

TEST_F(MailActionsTest, DeletingRecordKMovesTheNextOneIntoRowK)
{
    store(HistoryFile::Kind::Received, 4);
    open(HistoryFile::Kind::Received);
    clickRow(2);
    press("Command3");
    EXPECT_EQ(form->rowCount(), 3);
    EXPECT_TRUE(form->mailList()->model()->index(1, 0).data().toString().startsWith(QStringLiteral("subject 3 ")));
    EXPECT_EQ(HistoryFile(HistoryFile::Kind::Received).read(2)->trimmed().Subject, QStringLiteral("subject 3"));
    EXPECT_EQ(box("Text7"), QStringLiteral("subject 4"));  // the last remaining record
}

TEST_F(MailActionsTest, DeclinedDeleteEmptiesTheEditorAndConsumesTheSelection)
{
    store(HistoryFile::Kind::Received, 2);
    const QByteArray before = Sandbox::readFile(AppPaths::resolve(AppPaths::kReceivedHistory));
    open(HistoryFile::Kind::Received);
    clickRow(1);
    prompt.answerBox(Prompt::Answer::No);
    press("Command3");
    EXPECT_TRUE(form->bodyText().isEmpty());
    EXPECT_TRUE(form->selectionMarker().isEmpty());
    EXPECT_EQ(Sandbox::readFile(AppPaths::resolve(AppPaths::kReceivedHistory)), before);
}

TEST_F(MailActionsTest, ActionsWithoutANewClickAreRefused)
{
    store(HistoryFile::Kind::Received, 2);
    open(HistoryFile::Kind::Received);
    clickRow(1);
    press("Command5");  // reply consumes the selection
    prompt.boxes.clear();
    for (const char *button : {"Command3", "Command4", "Command5", "Command2"}) {
        press(button);
        ASSERT_EQ(prompt.boxes.size(), 1) << button;
        EXPECT_EQ(prompt.boxes[0].text, QStringLiteral("データが選択されていません")) << button;
        EXPECT_EQ(prompt.boxes[0].buttons, Prompt::Buttons::Ok);
        prompt.boxes.clear();
    }
    EXPECT_EQ(HistoryFile(HistoryFile::Kind::Received).count(), 2);
}

TEST_F(MailActionsTest, SentDeletionUsesTheRecipientAsMarkerAndRefusesWithoutARow)
{
    store(HistoryFile::Kind::Sent, 2);
    open(HistoryFile::Kind::Sent);
    form->mailList()->clearSelection();
    press("Command3");
    ASSERT_EQ(prompt.boxes.size(), 1);
    EXPECT_EQ(prompt.boxes[0].text, QStringLiteral("データが選択されていません"));
    // The marker holds the stored recipient, padding included.
    EXPECT_EQ(form->selectionMarker(), QStringLiteral("from2@example.jp") + QString(74, u' '));

    prompt.boxes.clear();
    clickRow(1);
    press("Command3");
    ASSERT_EQ(prompt.boxes.size(), 1);
    EXPECT_EQ(prompt.boxes[0].text, QStringLiteral("選択された（行、青色）データを削除します。よろしいですか?"));
    EXPECT_EQ(HistoryFile(HistoryFile::Kind::Sent).count(), 1);
    EXPECT_TRUE(form->selectionMarker().isEmpty());
}

TEST_F(MailActionsTest, DeleteAllInTheSentHistoryLeavesTheReceivedAlone)
{
    store(HistoryFile::Kind::Received, 2);
    store(HistoryFile::Kind::Sent, 3);
    MainForm *launcher = Forms::get<MainForm>();
    open(HistoryFile::Kind::Sent);
    press("Command6");
    EXPECT_EQ(prompt.boxes.last().text, QStringLiteral("すべてのデータを削除して良いですか？"));
    EXPECT_EQ(QFileInfo(AppPaths::resolve(AppPaths::kSentHistory)).size(), 0);
    EXPECT_EQ(HistoryFile(HistoryFile::Kind::Received).count(), 2);
    EXPECT_EQ(form->rowCount(), 0);
    EXPECT_EQ(form->countText(), QStringLiteral("0"));
    EXPECT_EQ(launcher->statusText(), QStringLiteral("0"));
    EXPECT_TRUE(box("Text8").isEmpty());

    // Declined: nothing changes.
    store(HistoryFile::Kind::Sent, 1);
    prompt.answerBox(Prompt::Answer::No);
    press("Command6");
    EXPECT_EQ(HistoryFile(HistoryFile::Kind::Sent).count(), 1);
}

TEST_F(MailActionsTest, FailedDeletesListWhatTheFileStillHolds)
{
    store(HistoryFile::Kind::Received, 3);
    MainForm *launcher = Forms::get<MainForm>();
    open(HistoryFile::Kind::Received);
    FileFaults::makeReadOnly(AppPaths::resolve(AppPaths::kReceivedHistory));
    press("Command6");
    ASSERT_EQ(prompt.boxes.size(), 2);
    EXPECT_EQ(prompt.boxes[1].icon, Prompt::Icon::Critical);
    EXPECT_EQ(HistoryFile(HistoryFile::Kind::Received).count(), 3);
    EXPECT_EQ(form->rowCount(), 3);
    EXPECT_EQ(form->countText(), QStringLiteral("3"));
    EXPECT_EQ(launcher->statusText(), QStringLiteral("3"));

    clickRow(2);
    press("Command3");
    EXPECT_EQ(prompt.boxes.size(), 4);
    EXPECT_EQ(form->rowCount(), 3);
    EXPECT_EQ(form->countText(), QStringLiteral("3"));
}

TEST_F(MailActionsTest, DeleteAllOnAMissingHistoryTreatsItAsEmpty)
{
    open(HistoryFile::Kind::Sent);
    QFile::remove(AppPaths::resolve(AppPaths::kSentHistory));
    press("Command6");
    EXPECT_TRUE(QFileInfo::exists(AppPaths::resolve(AppPaths::kSentHistory)));
    EXPECT_EQ(prompt.boxes.size(), 1);
}

TEST_F(MailActionsTest, QuickSaveWritesFourLinesAndAsksBeforeOverwriting)
{
    HistoryFile(HistoryFile::Kind::Received)
        .append({QStringLiteral("hello"), QStringLiteral("Mon, 7 Dec"), QStringLiteral("taro@a"),
                 QStringLiteral("一行目\r\n二行目")});
    open(HistoryFile::Kind::Received);
    clickRow(1);
    press("Command2");
    const QString path = AppPaths::resolve(AppPaths::kQuickSaveFolder) + QStringLiteral("hello.txt");
    const QString block = QStringLiteral("Subject:  hello\r\nFrom:  taro@a\r\nDate:  Mon, 7 Dec\r\nBody:  一行目\r\n二行目");
    EXPECT_EQ(Sandbox::readFile(path), Cp932::encode(block + QStringLiteral("\r\n")));
    EXPECT_EQ(form->bodyText(), block);
    EXPECT_TRUE(prompt.boxes.isEmpty());

    clickRow(1);
    prompt.answerBox(Prompt::Answer::No);
    press("Command2");
    ASSERT_EQ(prompt.boxes.size(), 1);
    EXPECT_EQ(prompt.boxes[0].text, QStringLiteral("同名のファイルが既に存在します。上書きしますか？ "));
    EXPECT_EQ(prompt.boxes[0].title, QStringLiteral("確認"));
    EXPECT_EQ(Sandbox::readFile(path), Cp932::encode(block + QStringLiteral("\r\n")));
}

TEST_F(MailActionsTest, QuickSaveNamesFilesSafelyAndCreatesTheFolder)
{
    HistoryFile(HistoryFile::Kind::Received).append({QString(), QStringLiteral("d"), QStringLiteral("f"), QStringLiteral("b")});
    HistoryFile(HistoryFile::Kind::Received).append({QStringLiteral("../a/b"), QStringLiteral("d"), QStringLiteral("f"), QStringLiteral("b")});
    QDir(AppPaths::resolve(AppPaths::kQuickSaveFolder)).removeRecursively();
    Umask mask(0);
    open(HistoryFile::Kind::Received);
    clickRow(1);
    press("Command2");
    EXPECT_TRUE(QFileInfo::exists(AppPaths::resolve(AppPaths::kQuickSaveFolder) + QStringLiteral(".txt")));
    clickRow(2);
    press("Command2");
    EXPECT_TRUE(QFileInfo::exists(AppPaths::resolve(AppPaths::kQuickSaveFolder) + QStringLiteral(".._a_b.txt")));
    // Mail text is the user's alone, whatever the umask.
    EXPECT_EQ(QFileInfo(AppPaths::resolve(AppPaths::kQuickSaveFolder)).permissions(),
              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadUser | QFile::WriteUser | QFile::ExeUser);
    EXPECT_EQ(QFileInfo(AppPaths::resolve(AppPaths::kQuickSaveFolder) + QStringLiteral(".txt")).permissions(),
              QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser);
    EXPECT_EQ(MailActions::fileNameFor(QStringLiteral("a\tb\x01")), QStringLiteral("a_b_.txt"));
}

TEST_F(MailActionsTest, QuickSaveThatCannotWriteSaysSoAndTheWindowGoesOn)
{
    HistoryFile(HistoryFile::Kind::Received).append(numberedMail(1));
    QDir().mkpath(AppPaths::resolve(AppPaths::kQuickSaveFolder) + QStringLiteral("subject 1.txt"));
    open(HistoryFile::Kind::Received);
    clickRow(1);
    prompt.answerBox(Prompt::Answer::Yes);
    press("Command2");
    ASSERT_EQ(prompt.boxes.size(), 2);
    EXPECT_EQ(prompt.boxes[1].icon, Prompt::Icon::Critical);
    EXPECT_EQ(form->bodyText(), QStringLiteral("body 1"));
}

TEST_F(MailActionsTest, ReplyFillsTheReplyWindow)
{
    HistoryFile(HistoryFile::Kind::Received)
        .append({QStringLiteral("Re: abc"), QStringLiteral("d"), QStringLiteral("taro"), QStringLiteral("  the body  ")});
    open(HistoryFile::Kind::Received);
    clickRow(1);
    press("Command5");
    BackForm *back = Forms::existing<BackForm>();
    ASSERT_NE(back, nullptr);
    EXPECT_TRUE(back->isVisible());
    EXPECT_EQ(back->subjectText(), QStringLiteral("Re:  Re: abc"));
    EXPECT_EQ(back->toText(), QStringLiteral("taro"));
    EXPECT_EQ(back->bodyText(), QStringLiteral("the body"));
    EXPECT_TRUE(form->selectionMarker().isEmpty());
}

TEST_F(MailActionsTest, RegisterSenderOffersTheFromBoxToTheAddressBook)
{
    store(HistoryFile::Kind::Received, 1);
    open(HistoryFile::Kind::Received);
    clickRow(1);
    press("Command4");
    FriendForm *book = Forms::existing<FriendForm>();
    ASSERT_NE(book, nullptr);
    EXPECT_TRUE(book->isVisible());
    EXPECT_EQ(book->findChild<QLineEdit *>(QStringLiteral("Text4"))->text(), QStringLiteral("from1@example.jp"));
}

TEST_F(MailActionsTest, HeaderCopyPutsTheCopyFieldOnTheClipboard)
{
    store(HistoryFile::Kind::Received, 1);
    open(HistoryFile::Kind::Received);
    QLineEdit *from = form->findChild<QLineEdit *>(QStringLiteral("Text8"));
    QMouseEvent move(QEvent::MouseMove, QPointF(2, 2), from->mapToGlobal(QPointF(2, 2)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(from, &move);
    press("Command1");
    EXPECT_EQ(Clipboard::text(), QStringLiteral("from1@example.jp"));
}
