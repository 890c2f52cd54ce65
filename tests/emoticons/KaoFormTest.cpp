#include "ui/emoticons/KaoForm.h"

#include "ui/common/Clipboard.h"
#include "ui/compose/WriteForm.h"
#include "core/emoticons/EmoticonStore.h"
#include "ui/emoticons/RowTabs.h"
#include "ui/shell/Forms.h"
#include "ui/shell/MainForm.h"
#include "support/FileFaults.h"
#include "support/Sandbox.h"
#include "support/ScriptedPrompt.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

QByteArray fileBytes(int index)
{
    return Sandbox::readFile(EmoticonStore::path(index));
}

ino_t inode(const QString &path)
{
    struct stat info {};
    ::stat(QFile::encodeName(path).constData(), &info);
    return info.st_ino;
}

void select(QPlainTextEdit *box, int start, int length)
{
    QTextCursor cursor = box->textCursor();
    cursor.setPosition(start);
    cursor.setPosition(start + length, QTextCursor::KeepAnchor);
    box->setTextCursor(cursor);
}

// Fresh collections "collection 0" … "collection 11" in every case.
class Palette : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (int i = 0; i < EmoticonStore::kCount; ++i)
            Sandbox::writeFile(EmoticonStore::path(i), QStringLiteral("collection %1\r\n").arg(i).toLatin1());
        Clipboard::clear();
        form = Forms::open<KaoForm>();
    }

    // The user clicks a button on the tab it stands on.
    void click(int number)
    {
        auto *button = form->findChild<QPushButton *>(QStringLiteral("Command%1").arg(number));
        ASSERT_NE(button, nullptr) << number;
        for (int tab = 0; tab < EmoticonStore::kCount; ++tab)
            if (form->tabs()->widget(tab)->isAncestorOf(button))
                form->tabs()->setCurrentIndex(tab);
        QTest::mouseClick(button, Qt::LeftButton);
    }

    Sandbox sandbox;
    ScriptedPrompt prompt;
    KaoForm *form = nullptr;
};

} // namespace

TEST_F(Palette, OpensOnTabThreeWithTwelveNamedTabsInFourRowsOfThree)
{
    EXPECT_EQ(form->windowTitle(), QStringLiteral("顔、絵文字"));
    RowTabs *tabs = form->findChild<RowTabs *>(QStringLiteral("SSTab1"));
    ASSERT_EQ(tabs, form->tabs());
    ASSERT_EQ(tabs->count(), 12);
    EXPECT_EQ(tabs->currentIndex(), 3);
    const int buttons[12][3] = {{1, 2, 27},   {4, 3, 28},   {5, 6, 29},   {7, 8, 30},
                                {10, 9, 31},  {11, 12, 32}, {14, 13, 33}, {15, 16, 34},
                                {18, 17, 35}, {19, 20, 25}, {22, 21, 26}, {23, 24, 0}};
    const QStringList captions = {QStringLiteral("新規作成本文に挿入"), QStringLiteral("追加（貼付）"),
                                  QStringLiteral("お気に入りに追加")};
    for (int tab = 0; tab < 12; ++tab) {
        const QRect header = tabs->tabButton(tab)->geometry();
        EXPECT_EQ(header.topLeft(), QPoint(tabs->tabButton(tab % 3)->x(), tabs->tabButton(tab / 3 * 3)->y()));
        EXPECT_EQ(header.top(), tab / 3 * header.height());
        EXPECT_EQ(tabs->tabText(tab), EmoticonStore::collections()[tab].caption);
        QWidget *page = tabs->widget(tab);
        EXPECT_EQ(form->box(tab)->parentWidget(), page);
        EXPECT_EQ(form->box(tab)->objectName(), EmoticonStore::collections()[tab].box);
        EXPECT_EQ(form->box(tab)->toPlainText(), QStringLiteral("collection %1").arg(tab));
        for (int column = 0; column < 3; ++column) {
            auto *button = page->findChild<QPushButton *>(QStringLiteral("Command%1").arg(buttons[tab][column]));
            EXPECT_EQ(button ? button->text() : QString(), buttons[tab][column] ? captions[column] : QString());
        }
        EXPECT_EQ(page->findChild<QLabel *>()->text(),
                  QStringLiteral("本文に挿入したい部分をマウスで選択（青色反転）し、「新規作成本文に挿入」をクリック！"));
    }
    EXPECT_EQ(form->findChildren<QPushButton *>().size(), 35);
    EXPECT_EQ(form->findChild<QLabel *>(QStringLiteral("NoteLabel"))->text(),
              QStringLiteral("追加・削除、編集自由自在。自動で保存されます。県名や電話番号、氏名をあなた用に変更して下さい。"));

    QTest::mouseClick(tabs->tabButton(11), Qt::LeftButton);
    EXPECT_TRUE(form->box(11)->isVisible());
    ASSERT_TRUE(QTest::qWaitForWindowActive(form));
    QTest::keyClick(form->box(11), Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(tabs->currentIndex(), 0);
    EXPECT_EQ(Forms::open<KaoForm>(), form);  // opening again only brings it forward
}

TEST_F(Palette, CloseButtonStoresEditsEmptiedCollectionsAndAThousandLines)
{
    QStringList lines;
    for (int i = 1; i <= 1000; ++i)
        lines << QStringLiteral("%1行目　(^o^)").arg(i);
    form->box(10)->setPlainText(lines.join(u'\n'));
    form->box(2)->clear();
    EXPECT_TRUE(form->close());
    EXPECT_EQ(fileBytes(2), QByteArray("\r\n"));
    EXPECT_EQ(fileBytes(9), QByteArray("collection 9\r\n"));  // untouched: byte for byte

    const QByteArray thousand = fileBytes(10);
    form = Forms::open<KaoForm>();
    EXPECT_EQ(form->box(10)->toPlainText(), lines.join(u'\n'));
    EXPECT_EQ(form->box(2)->toPlainText(), QString());
    form->close();
    EXPECT_EQ(fileBytes(10), thousand);
    EXPECT_TRUE(prompt.boxes.isEmpty());
}

TEST_F(Palette, InsertionPutsTheTrimmedSelectionAtTheBodyCaretAndClosesThePalette)
{
    WriteForm *compose = Forms::open<WriteForm>();
    compose->body()->setPlainText(QStringLiteral("前後"));
    select(compose->body(), 1, 0);
    form->box(0)->setPlainText(QStringLiteral("あ (^_^)v い"));
    select(form->box(0), 1, 8);  // " (^_^)v "
    click(1);

    EXPECT_EQ(compose->bodyText(), QStringLiteral("前(^_^)v後"));
    EXPECT_EQ(compose->body()->textCursor().position(), 7);
    EXPECT_EQ(Clipboard::text(), QStringLiteral(" (^_^)v "));
    EXPECT_EQ(Forms::existing<KaoForm>(), nullptr);
    EXPECT_EQ(Forms::open<KaoForm>()->box(0)->toPlainText(), QStringLiteral("あ (^_^)v い"));
}

TEST_F(Palette, InsertionAfterTheComposeWindowClosedWaitsInANewHiddenOne)
{
    Forms::open<WriteForm>()->close();
    select(form->box(3), 0, 10);  // "collection"
    click(7);
    WriteForm *waiting = Forms::existing<WriteForm>();
    ASSERT_NE(waiting, nullptr);
    EXPECT_FALSE(waiting->isVisible());
    EXPECT_EQ(waiting->bodyText(), QStringLiteral("collection"));
}

TEST_F(Palette, FavouritesGrowAtTheirCaretAndTheSourceCaretStaysAtTheSelectionEnd)
{
    form->box(0)->setPlainText(QStringLiteral("x (*^^*) y"));
    select(form->box(0), 1, 8);  // " (*^^*) "
    click(27);
    select(form->box(5), 7, -4);  // "lect", made backwards
    click(32);

    EXPECT_EQ(form->box(11)->toPlainText(), QStringLiteral("(*^^*)lectcollection 11"));
    EXPECT_EQ(form->box(11)->textCursor().position(), 10);
    QTextCursor source = form->box(5)->textCursor();
    EXPECT_FALSE(source.hasSelection());
    EXPECT_EQ(source.position(), 7);
    EXPECT_EQ(form->tabs()->currentIndex(), 5);
    EXPECT_EQ(Forms::existing<KaoForm>(), form);
}

TEST_F(Palette, PasteOnTheFavouritesTabIsStoredWhenAnInsertionCloses)
{
    Clipboard::setText(QStringLiteral("  　☆彡　  "));
    select(form->box(11), 0, 10);  // "collection"
    click(24);
    EXPECT_EQ(form->box(11)->toPlainText(), QStringLiteral("　☆彡　 11"));
    Clipboard::clear();
    select(form->box(11), 4, 3);  // an empty clipboard pastes nothing over the selection
    click(24);
    select(form->box(6), 11, 1);
    click(14);
    EXPECT_EQ(Forms::existing<KaoForm>(), nullptr);
    EXPECT_EQ(EmoticonStore::load(11), QStringLiteral("　☆彡　"));
    EXPECT_EQ(Forms::existing<WriteForm>()->bodyText(), QStringLiteral("6"));
}

TEST_F(Palette, ClosingTheLauncherSavesThePalettesEditsAsClosingItWould)
{
    form->box(0)->setPlainText(QStringLiteral("edited"));
    Forms::open<MainForm>()->close();
    EXPECT_EQ(Forms::existing<KaoForm>(), nullptr);
    EXPECT_EQ(fileBytes(0), QByteArray("edited\r\n"));
    EXPECT_EQ(fileBytes(1), QByteArray("collection 1\r\n"));
    EXPECT_TRUE(prompt.boxes.isEmpty());
}

TEST_F(Palette, UneditedCollectionsAreNeverRewritten)
{
    form->close();
    const QByteArray utf8 = QStringLiteral("顔文字 (^_^)\n").toUtf8();
    const QByteArray crOnly = QByteArray("one\rtwo");
    Sandbox::writeFile(EmoticonStore::path(4), utf8);
    Sandbox::writeFile(EmoticonStore::path(5), crOnly);
    QList<ino_t> inodes;
    for (int i = 0; i < EmoticonStore::kCount; ++i)
        inodes << inode(EmoticonStore::path(i));
    form = Forms::open<KaoForm>();
    form->box(4)->moveCursor(QTextCursor::End);
    EXPECT_TRUE(form->close());
    EXPECT_TRUE(prompt.boxes.isEmpty());
    EXPECT_EQ(fileBytes(4), utf8);
    EXPECT_EQ(fileBytes(5), crOnly);
    // A rewrite would have put a new file in each place.
    for (int i = 0; i < EmoticonStore::kCount; ++i)
        EXPECT_EQ(inode(EmoticonStore::path(i)), inodes[i]) << i;
}

TEST_F(Palette, AnEditedCollectionThatWouldNotSaveByteForByteAsksFirst)
{
    form->close();
    const QByteArray utf8 = QStringLiteral("顔文字 (^_^)\r\n").toUtf8();
    Sandbox::writeFile(EmoticonStore::path(4), utf8);
    form = Forms::open<KaoForm>();
    form->box(4)->appendPlainText(QStringLiteral("more"));
    prompt.answerBox(Prompt::Answer::No);
    EXPECT_TRUE(form->close());
    ASSERT_EQ(prompt.boxes.size(), 1);
    EXPECT_EQ(prompt.boxes[0].title, QStringLiteral("確認"));
    EXPECT_TRUE(prompt.boxes[0].text.contains(EmoticonStore::collections()[4].caption));
    EXPECT_TRUE(prompt.boxes[0].text.contains(EmoticonStore::path(4)));
    EXPECT_EQ(fileBytes(4), utf8);

    // A character CP932 has no form for, typed into a clean collection.
    form = Forms::open<KaoForm>();
    form->box(3)->setPlainText(QStringLiteral("smile 😀"));
    prompt.answerBox(Prompt::Answer::Yes);
    EXPECT_TRUE(form->close());
    ASSERT_EQ(prompt.boxes.size(), 2);
    EXPECT_EQ(fileBytes(3), QByteArray("smile ?\r\n"));
    EXPECT_EQ(fileBytes(4), utf8);
}

TEST_F(Palette, SaveFailureAsksBeforeClosingAndStaysOpenOnNo)
{
    FileFaults::makeReadOnly(EmoticonStore::path(6));
    form->box(6)->setPlainText(QStringLiteral("edited"));
    prompt.answerBox(Prompt::Answer::No);
    EXPECT_FALSE(form->close());
    ASSERT_EQ(prompt.boxes.size(), 1);
    EXPECT_EQ(prompt.boxes[0].title, QStringLiteral("確認"));
    EXPECT_TRUE(prompt.boxes[0].text.startsWith(QStringLiteral("顔文字データを保存できませんでした。")));
    EXPECT_EQ(fileBytes(6), QByteArray("collection 6\r\n"));

    prompt.answerBox(Prompt::Answer::Yes);
    EXPECT_TRUE(form->close());
    EXPECT_EQ(Forms::existing<KaoForm>(), nullptr);
    EXPECT_EQ(fileBytes(6), QByteArray("collection 6\r\n"));
}

TEST_F(Palette, TabLeavesTheCollectionAndNoTabCharacterIsSaved)
{
    QPlainTextEdit *box = form->box(3);
    box->setFocus(Qt::TabFocusReason);
    box->moveCursor(QTextCursor::End);
    QTest::keyClicks(box, QStringLiteral(" (^_^)"));
    QTest::keyClick(box, Qt::Key_Tab);
    EXPECT_NE(form->focusWidget(), box);
    box->setFocus(Qt::TabFocusReason);
    QTest::keyClick(box, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_NE(form->focusWidget(), box);
    EXPECT_EQ(box->toPlainText(), QStringLiteral("collection 3 (^_^)"));
    EXPECT_TRUE(form->saveEdits().isEmpty());
    EXPECT_EQ(fileBytes(3), QByteArray("collection 3 (^_^)\r\n"));
    EXPECT_EQ(box->accessibleName(), EmoticonStore::collections()[3].caption);
}
