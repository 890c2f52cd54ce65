// 迷惑メール in the history window: moves both ways, deletion there, the
// なりすまし line, and what the junk filter is told.
#include "ui/viewer/JunkActions.h"

#include "core/common/AppPaths.h"
#include "core/common/Cp932.h"
#include "core/history/HistoryState.h"
#include "core/history/ReceivedMailIds.h"
#include "core/junk/JunkFilter.h"
#include "core/junk/JunkMail.h"
#include "ui/compose/BackForm.h"
#include "ui/shell/Forms.h"
#include "support/Sandbox.h"
#include "support/ScriptedPrompt.h"
#include "ui/viewer/EditorState.h"
#include "ui/viewer/TyakuForm.h"

#include "NumberedMail.h"

#include <QAction>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeView>

#include <gtest/gtest.h>

namespace {

using Kind = HistoryFile::Kind;

QStringList subjects(Kind kind)
{
    const HistoryFile file(kind);
    QStringList out;
    for (int n = 1; n <= file.count(); ++n)
        out << file.read(n)->trimmed().Subject;
    return out;
}

class JunkHistoryTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        editorState() = {};
        historyState() = {};
        JunkFilter::instance().reset();
    }
    void TearDown() override { JunkFilter::instance().reset(); }

    void store(Kind kind, int first, int last)
    {
        HistoryFile file(kind);
        for (int n = first; n <= last; ++n)
            ASSERT_TRUE(file.append(numberedMail(n)).ok);
    }
    QAction *action(const char *name) { return form->findChild<QAction *>(QString::fromLatin1(name)); }
    void clickRow(int row, Qt::KeyboardModifiers modifiers = {})
    {
        QTreeView *list = form->mailList();
        const QRect rect = list->visualRect(list->model()->index(row - 1, 0));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, modifiers, rect.center());
    }
    QString shownSubject() { return form->findChild<QLineEdit *>(QStringLiteral("Text7"))->text(); }
    // The filter keeps counts (the stand-in before it lands does not).
    static bool filterCounts()
    {
        JunkMail probe;
        probe.subject = QStringLiteral("probe");
        probe.from = QStringLiteral("probe@example.jp");
        JunkFilter &filter = JunkFilter::instance();
        const int before = filter.learnedGood();
        filter.learn(probe, false);
        return filter.learnedGood() > before;
    }

    Sandbox sandbox;
    ScriptedPrompt prompt;
    TyakuForm *form = nullptr;
};

} // namespace

TEST_F(JunkHistoryTest, TheShownMailGoesToJunkAndComesBackAndTheFilterLearnsBoth)
{
    const bool counts = filterCounts();
    store(Kind::Received, 1, 3);
    form = TyakuForm::openHistory(Kind::Received);
    EXPECT_EQ(form->windowTitle(), QStringLiteral("着信履歴"));
    ASSERT_NE(action("mjunk"), nullptr);
    EXPECT_TRUE(action("mjunk")->isVisible());
    EXPECT_EQ(action("mjunk")->text(), QStringLiteral("迷惑メール(&J)"));
    EXPECT_EQ(action("mjunk")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_J));
    EXPECT_FALSE(action("mnotjunk")->isVisible());
    const int junkBefore = JunkFilter::instance().learnedJunk();

    // From the keyboard: the row, then the window's key for 迷惑メール.
    form->show();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form));
    form->mailList()->setFocus();
    clickRow(1);
    QTest::keyClick(form->mailList(), Qt::Key_Down);
    QTest::keyClick(form->mailList(), Qt::Key_J, Qt::ControlModifier);
    EXPECT_EQ(subjects(Kind::Received), (QStringList{"subject 1", "subject 3"}));
    EXPECT_EQ(subjects(Kind::Junk), (QStringList{"subject 2"}));
    // The list follows, and the mail that took the moved one's place is shown.
    EXPECT_EQ(form->rowCount(), 2);
    EXPECT_EQ(form->shownRow(), 2);
    EXPECT_EQ(shownSubject(), QStringLiteral("subject 3"));
    if (counts)
        EXPECT_EQ(JunkFilter::instance().learnedJunk(), junkBefore + 1);

    // 迷惑メール is reached from 着信履歴's menu, and lists like it.
    action("mopenjunk")->trigger();
    EXPECT_EQ(form->windowTitle(), QStringLiteral("迷惑メール"));
    EXPECT_EQ(historyState().kind(), Kind::Junk);
    EXPECT_FALSE(action("mjunk")->isVisible());
    EXPECT_TRUE(action("mnotjunk")->isVisible());
    EXPECT_EQ(action("mnotjunk")->text(), QStringLiteral("迷惑メールではない(&N)"));
    EXPECT_EQ(form->rowCount(), 1);
    EXPECT_EQ(shownSubject(), QStringLiteral("subject 2"));  // the last one, as 着信履歴 opens
    const int goodBefore = JunkFilter::instance().learnedGood();

    action("mnotjunk")->trigger();
    EXPECT_EQ(subjects(Kind::Junk), QStringList{});
    EXPECT_EQ(subjects(Kind::Received), (QStringList{"subject 1", "subject 3", "subject 2"}));
    EXPECT_EQ(form->rowCount(), 0);
    EXPECT_EQ(form->shownRow(), 0);
    EXPECT_TRUE(prompt.boxes.isEmpty());
    if (counts) {
        EXPECT_EQ(JunkFilter::instance().learnedGood(), goodBefore + 1);
        EXPECT_EQ(JunkFilter::instance().learnedJunk(), junkBefore);  // unlearnt as junk
        EXPECT_TRUE(JunkFilter::instance().trustedSenders().contains(QStringLiteral("from2@example.jp")));
    }

    // With nothing shown there is nothing to move.
    action("mnotjunk")->trigger();
    ASSERT_EQ(prompt.boxes.size(), 1);
    EXPECT_EQ(prompt.boxes[0].text, QStringLiteral("データが選択されていません"));
    action("mopenreceived")->trigger();
    EXPECT_EQ(form->windowTitle(), QStringLiteral("着信履歴"));
    EXPECT_EQ(form->rowCount(), 3);
}

TEST_F(JunkHistoryTest, SeveralSelectedRowsMoveTogetherInTheirOrder)
{
    store(Kind::Received, 1, 5);
    store(Kind::Junk, 6, 6);
    form = TyakuForm::openHistory(Kind::Received);
    clickRow(1);
    clickRow(3, Qt::ControlModifier);
    clickRow(4, Qt::ControlModifier);
    EXPECT_EQ(form->selectedRows(), (QList<int>{1, 3, 4}));
    action("mjunk")->trigger();
    EXPECT_EQ(subjects(Kind::Received), (QStringList{"subject 2", "subject 5"}));
    EXPECT_EQ(subjects(Kind::Junk), (QStringList{"subject 6", "subject 1", "subject 3", "subject 4"}));
    EXPECT_EQ(shownSubject(), QStringLiteral("subject 2"));

    form = TyakuForm::openHistory(Kind::Junk);
    clickRow(2);
    clickRow(4, Qt::ShiftModifier);
    action("mnotjunk")->trigger();
    EXPECT_EQ(subjects(Kind::Junk), (QStringList{"subject 6"}));
    EXPECT_EQ(subjects(Kind::Received), (QStringList{"subject 2", "subject 5", "subject 1", "subject 3", "subject 4"}));
}

TEST_F(JunkHistoryTest, DeletingInTheJunkListTouchesOnlyTheJunkHistory)
{
    store(Kind::Received, 1, 2);
    store(Kind::Junk, 3, 5);
    const QByteArray received = Sandbox::readFile(HistoryFile(Kind::Received).path());
    form = TyakuForm::openHistory(Kind::Junk);
    clickRow(2);
    QTest::mouseClick(form->findChild<QPushButton *>(QStringLiteral("Command3")), Qt::LeftButton);
    EXPECT_EQ(subjects(Kind::Junk), (QStringList{"subject 3", "subject 5"}));
    EXPECT_EQ(form->rowCount(), 2);
    EXPECT_EQ(Sandbox::readFile(HistoryFile(Kind::Received).path()), received);

    prompt.answerBox(Prompt::Answer::Yes);
    QTest::mouseClick(form->findChild<QPushButton *>(QStringLiteral("Command6")), Qt::LeftButton);
    EXPECT_EQ(subjects(Kind::Junk), QStringList{});
    EXPECT_EQ(Sandbox::readFile(HistoryFile(Kind::Received).path()), received);
}

TEST_F(JunkHistoryTest, TheSpoofLineIsShownAndMarkedButNeverSavedQuotedOrStored)
{
    store(Kind::Received, 1, 2);
    const QByteArray stored = Sandbox::readFile(HistoryFile(Kind::Received).path());
    const QByteArray first = *HistoryFile(Kind::Received).readBytes(1);
    JunkFilter::instance().noteSpoofed(ReceivedMailIds::headKey(first));
    if (!JunkFilter::instance().isSpoofed(ReceivedMailIds::headKey(first)))
        GTEST_SKIP() << "the junk filter keeps no marks yet";
    const QString line = QStringLiteral("差出人のドメインの認証に失敗しています（なりすましの可能性があります）");

    form = TyakuForm::openHistory(Kind::Received);
    // The last mail is shown on opening; its sender passed.
    EXPECT_TRUE(form->warningText().isEmpty());
    const QAbstractItemModel *rows = form->mailList()->model();
    EXPECT_FALSE(rows->index(0, 0).data(Qt::DecorationRole).isNull());
    EXPECT_FALSE(rows->index(0, 0).data(Qt::AccessibleDescriptionRole).toString().isEmpty());
    EXPECT_TRUE(rows->index(1, 0).data(Qt::DecorationRole).isNull());
    EXPECT_TRUE(rows->index(1, 0).data(Qt::AccessibleDescriptionRole).toString().isEmpty());

    clickRow(1);
    EXPECT_EQ(form->warningText(), line);
    auto *label = form->findChild<QLabel *>(QStringLiteral("spoofWarning"));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->accessibleName(), line);
    EXPECT_LE(label->geometry().bottom(), form->editor()->geometry().top());
    EXPECT_FALSE(form->bodyText().contains(line));

    QTest::mouseClick(form->findChild<QPushButton *>(QStringLiteral("Command2")), Qt::LeftButton);
    const QString saved = AppPaths::resolve(AppPaths::kQuickSaveFolder) + QStringLiteral("subject 1.txt");
    EXPECT_FALSE(Cp932::decode(Sandbox::readFile(saved)).contains(line));

    clickRow(1);
    QTest::mouseClick(form->findChild<QPushButton *>(QStringLiteral("Command5")), Qt::LeftButton);
    BackForm *back = Forms::existing<BackForm>();
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(back->bodyText(), QStringLiteral("body 1"));
    EXPECT_EQ(Sandbox::readFile(HistoryFile(Kind::Received).path()), stored);

    clickRow(2);
    EXPECT_TRUE(form->warningText().isEmpty());
    EXPECT_TRUE(label->isHidden());
}

TEST_F(JunkHistoryTest, AReplyFromTheReceivedHistoryTeachesTheFilterTheMailIsGood)
{
    if (!filterCounts())
        GTEST_SKIP() << "the junk filter keeps no counts yet";
    store(Kind::Received, 1, 1);
    const int before = JunkFilter::instance().learnedGood();
    form = TyakuForm::openHistory(Kind::Received);
    clickRow(1);
    QTest::mouseClick(form->findChild<QPushButton *>(QStringLiteral("Command5")), Qt::LeftButton);
    for (int i = 0; i < 100 && JunkFilter::instance().learnedGood() == before; ++i)
        QTest::qWait(20);
    EXPECT_EQ(JunkFilter::instance().learnedGood(), before + 1);
}
