#include "emoticons/KaoForm.h"

#include "common/AppPaths.h"
#include "common/Clipboard.h"
#include "compose/WriteForm.h"
#include "emoticons/EmoticonStore.h"
#include "emoticons/RowTabs.h"
#include "shell/Forms.h"
#include "shell/MainForm.h"
#include "support/Sandbox.h"
#include "support/ScriptedPrompt.h"

#include <QDir>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

QByteArray fileBytes(int index)
{
    return Sandbox::readFile(EmoticonStore::path(index));
}

void writeCollection(int index, const QString &text)
{
    Sandbox::writeFile(EmoticonStore::path(index), EmoticonStore::toFileBytes(text));
}

QPushButton *button(KaoForm *form, int number)
{
    auto *found = form->findChild<QPushButton *>(QStringLiteral("Command%1").arg(number));
    EXPECT_NE(found, nullptr) << number;
    return found;
}

// The user clicks a button on the tab it stands on.
void click(KaoForm *form, int number)
{
    QPushButton *target = button(form, number);
    for (int tab = 0; tab < form->tabs()->count(); ++tab)
        if (form->tabs()->widget(tab)->isAncestorOf(target))
            form->tabs()->setCurrentIndex(tab);
    QTest::mouseClick(target, Qt::LeftButton);
}

void select(QPlainTextEdit *box, int start, int length)
{
    QTextCursor cursor = box->textCursor();
    cursor.setPosition(start);
    cursor.setPosition(start + length, QTextCursor::KeepAnchor);
    box->setTextCursor(cursor);
}

void putCaret(QPlainTextEdit *box, int position)
{
    select(box, position, 0);
}

// Every test starts from a fresh installation with a few small collections.
class Palette : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (int i = 0; i < EmoticonStore::kCount; ++i)
            writeCollection(i, QStringLiteral("collection %1").arg(i));
        Clipboard::clear();
    }

    KaoForm *open() { return Forms::open<KaoForm>(); }

    Sandbox sandbox;
    ScriptedPrompt prompt;
};

} // namespace

TEST_F(Palette, OpensCaptionedOnTabThreeWithTwelveTabsInFourRowsOfThree)
{
    KaoForm *form = open();
    EXPECT_EQ(form->windowTitle(), QStringLiteral("顔、絵文字"));
    RowTabs *tabs = form->findChild<RowTabs *>(QStringLiteral("SSTab1"));
    ASSERT_EQ(tabs, form->tabs());
    ASSERT_EQ(tabs->count(), 12);
    EXPECT_EQ(tabs->currentIndex(), 3);
    EXPECT_EQ(tabs->currentWidget(), form->box(3)->parentWidget());
    EXPECT_TRUE(form->box(3)->isVisible());
    EXPECT_FALSE(form->box(0)->isVisible());

    for (int i = 0; i < 12; ++i) {
        EXPECT_EQ(tabs->tabText(i), EmoticonStore::collections()[i].caption);
        const QRect header = tabs->tabButton(i)->geometry();
        const QRect first = tabs->tabButton(i - i % 3)->geometry();
        const QRect top = tabs->tabButton(i % 3)->geometry();
        EXPECT_EQ(header.top(), first.top()) << i;    // same row as its row's first tab
        EXPECT_EQ(header.left(), top.left()) << i;    // same column as the top row's tab
        if (i >= 3)
            EXPECT_EQ(header.top(), tabs->tabButton(i - 3)->geometry().bottom() + 1) << i;
        EXPECT_LT(header.bottom(), form->box(i)->parentWidget()->mapTo(tabs, QPoint()).y());
    }
    EXPECT_GT(tabs->tabButton(1)->geometry().left(), tabs->tabButton(0)->geometry().left());
    EXPECT_GT(tabs->tabButton(2)->geometry().left(), tabs->tabButton(1)->geometry().left());
}

TEST_F(Palette, EachTabCarriesItsBoxInstructionAndButtonsByName)
{
    KaoForm *form = open();
    const int buttons[12][3] = {{1, 2, 27},   {4, 3, 28},   {5, 6, 29},   {7, 8, 30},
                                {10, 9, 31},  {11, 12, 32}, {14, 13, 33}, {15, 16, 34},
                                {18, 17, 35}, {19, 20, 25}, {22, 21, 26}, {23, 24, 0}};
    for (int tab = 0; tab < 12; ++tab) {
        QWidget *page = form->tabs()->widget(tab);
        QPlainTextEdit *box = form->box(tab);
        EXPECT_EQ(box->objectName(), tab == 0 ? QStringLiteral("Kao1") : QStringLiteral("Text%1").arg(tab));
        EXPECT_EQ(box->parentWidget(), page);
        EXPECT_EQ(box->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        EXPECT_EQ(box->toPlainText(), QStringLiteral("collection %1").arg(tab));
        const QStringList captions = {QStringLiteral("新規作成本文に挿入"), QStringLiteral("追加（貼付）"),
                                      QStringLiteral("お気に入りに追加")};
        for (int column = 0; column < 3; ++column) {
            if (buttons[tab][column] == 0)
                continue;
            QPushButton *b = button(form, buttons[tab][column]);
            ASSERT_NE(b, nullptr);
            EXPECT_EQ(b->parentWidget(), page) << tab;
            EXPECT_EQ(b->text(), captions[column]);
        }
        EXPECT_EQ(page->findChildren<QPushButton *>().size(), tab == 11 ? 2 : 3);
        QLabel *howTo = page->findChild<QLabel *>();
        ASSERT_NE(howTo, nullptr);
        EXPECT_EQ(howTo->text(), QStringLiteral("本文に挿入したい部分をマウスで選択（青色反転）し、「新規作成本文に挿入」をクリック！"));
        // Insert above paste at the left, favourites to their right, the label beyond, the box below.
        const QRect insert = button(form, buttons[tab][0])->geometry();
        const QRect paste = button(form, buttons[tab][1])->geometry();
        EXPECT_EQ(insert.left(), paste.left());
        EXPECT_LT(insert.bottom(), paste.top());
        if (tab != 11)
            EXPECT_GT(button(form, buttons[tab][2])->geometry().left(), insert.right());
        EXPECT_GT(howTo->geometry().left(), insert.right());
        EXPECT_GT(box->geometry().top(), paste.bottom());
    }
    EXPECT_EQ(form->findChildren<QPushButton *>().size(), 35);

    QLabel *note = form->findChild<QLabel *>(QStringLiteral("NoteLabel"));
    QLabel *address = form->findChild<QLabel *>(QStringLiteral("AddressLabel"));
    ASSERT_TRUE(note && address);
    EXPECT_EQ(note->text(), QStringLiteral("追加・削除、編集自由自在。自動で保存されます。県名や電話番号、氏名をあなた用に変更して下さい。"));
    EXPECT_TRUE(address->text().startsWith(QStringLiteral("https://")));
    EXPECT_GT(note->geometry().left(), address->geometry().left());
    EXPECT_GT(address->geometry().top(), form->tabs()->geometry().bottom());
}

TEST_F(Palette, HeadersAndControlTabSwitchTheShownTab)
{
    KaoForm *form = open();
    QTest::mouseClick(form->tabs()->tabButton(11), Qt::LeftButton);
    EXPECT_EQ(form->tabs()->currentIndex(), 11);
    EXPECT_TRUE(form->box(11)->isVisible());
    EXPECT_TRUE(form->tabs()->tabButton(11)->isChecked());
    EXPECT_FALSE(form->tabs()->tabButton(3)->isChecked());

    ASSERT_TRUE(QTest::qWaitForWindowActive(form));
    form->box(11)->setFocus();
    QTest::keyClick(form->box(11), Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(form->tabs()->currentIndex(), 0);
    QTest::keyClick(form, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(form->tabs()->currentIndex(), 11);
}

TEST_F(Palette, EditsAreStoredWhenTheCloseButtonClosesAndShownOnReopening)
{
    KaoForm *form = open();
    form->box(6)->setPlainText(QStringLiteral("（　＾＾）／□　乾杯！"));
    form->box(2)->clear();
    EXPECT_TRUE(form->close());
    EXPECT_EQ(Forms::existing<KaoForm>(), nullptr);
    EXPECT_TRUE(prompt.boxes.isEmpty());

    // An emptied collection is a lone CR LF; an untouched one comes back as it was.
    EXPECT_EQ(fileBytes(2), QByteArray("\r\n"));
    EXPECT_EQ(fileBytes(9), QByteArray("collection 9\r\n"));
    KaoForm *again = open();
    EXPECT_NE(again, form);
    EXPECT_EQ(again->box(6)->toPlainText(), QStringLiteral("（　＾＾）／□　乾杯！"));
    EXPECT_EQ(again->box(2)->toPlainText(), QString());
    EXPECT_EQ(again->tabs()->currentIndex(), 3);
}

TEST_F(Palette, ThousandLinesSurviveCloseAndReopen)
{
    QStringList lines;
    for (int i = 0; i < 1000; ++i)
        lines << QStringLiteral("%1行目　(^o^)").arg(i + 1);
    writeCollection(10, lines.join(u'\n'));
    const QByteArray before = fileBytes(10);

    KaoForm *form = open();
    EXPECT_EQ(form->box(10)->blockCount(), 1000);
    form->close();
    EXPECT_EQ(fileBytes(10), before);
    EXPECT_EQ(open()->box(10)->toPlainText(), lines.join(u'\n'));
}

TEST_F(Palette, MissingCollectionOpensEmptyAndIsCreatedOnClosing)
{
    QFile::remove(EmoticonStore::path(8));
    KaoForm *form = open();
    EXPECT_EQ(form->box(8)->toPlainText(), QString());
    form->box(8)->setPlainText(QStringLiteral("♪"));
    form->close();
    EXPECT_EQ(fileBytes(8), QByteArray("\x81\xf4\r\n"));
}

TEST_F(Palette, InsertionPutsTheTrimmedSelectionAtTheBodyCaretAndCloses)
{
    WriteForm *compose = Forms::open<WriteForm>();
    compose->body()->setPlainText(QStringLiteral("前後"));
    putCaret(compose->body(), 1);

    KaoForm *form = open();
    form->box(0)->setPlainText(QStringLiteral("あ (^_^)v い"));
    select(form->box(0), 1, 8);  // " (^_^)v "
    click(form, 1);

    EXPECT_EQ(compose->bodyText(), QStringLiteral("前(^_^)v後"));
    EXPECT_EQ(compose->body()->textCursor().position(), 7);
    EXPECT_EQ(Clipboard::text(), QStringLiteral(" (^_^)v "));
    EXPECT_EQ(Forms::existing<KaoForm>(), nullptr);
    EXPECT_EQ(fileBytes(0), EmoticonStore::toFileBytes(QStringLiteral("あ (^_^)v い")));
    EXPECT_EQ(open()->box(0)->toPlainText(), QStringLiteral("あ (^_^)v い"));
}

TEST_F(Palette, InsertionReplacesTheBodySelectionAndKeepsLineBreaksAndFullWidthSpaces)
{
    WriteForm *compose = Forms::open<WriteForm>();
    compose->body()->setPlainText(QStringLiteral("[xx]"));
    select(compose->body(), 1, 2);

    KaoForm *form = open();
    form->box(1)->setPlainText(QStringLiteral("ab\n　★　\n  \ncd"));
    select(form->box(1), 2, 8);  // "\n　★　\n  \n" with the line breaks at both ends
    click(form, 4);

    EXPECT_EQ(compose->bodyText(), QStringLiteral("[\n　★　\n  \n]"));
}

TEST_F(Palette, InsertionWithNothingSelectedEmptiesTheClipboardAndStillCloses)
{
    Clipboard::setText(QStringLiteral("old"));
    WriteForm *compose = Forms::open<WriteForm>();
    compose->body()->setPlainText(QStringLiteral("abc"));
    select(compose->body(), 0, 1);
    KaoForm *form = open();
    putCaret(form->box(9), 4);
    click(form, 19);
    EXPECT_EQ(Clipboard::text(), QString());
    EXPECT_EQ(compose->bodyText(), QStringLiteral("bc"));
    EXPECT_EQ(Forms::existing<KaoForm>(), nullptr);
    EXPECT_TRUE(prompt.boxes.isEmpty());
}

TEST_F(Palette, InsertionAfterTheComposeWindowClosedWaitsInANewHiddenOne)
{
    WriteForm *compose = Forms::open<WriteForm>();
    KaoForm *form = open();
    compose->close();
    ASSERT_EQ(Forms::existing<WriteForm>(), nullptr);

    select(form->box(3), 0, 10);  // "collection"
    click(form, 7);
    WriteForm *waiting = Forms::existing<WriteForm>();
    ASSERT_NE(waiting, nullptr);
    EXPECT_FALSE(waiting->isVisible());
    EXPECT_EQ(waiting->bodyText(), QStringLiteral("collection"));
    EXPECT_EQ(Forms::existing<KaoForm>(), nullptr);
}

TEST_F(Palette, FavouritesAdditionsGoToTheStartInOrderWithoutSeparator)
{
    KaoForm *form = open();
    form->box(0)->setPlainText(QStringLiteral("x (*^^*) y"));
    form->box(5)->setPlainText(QStringLiteral("＝＝≡(((( ^^)"));
    select(form->box(0), 1, 8);  // " (*^^*) "
    click(form, 27);
    select(form->box(5), 0, 3);  // "＝＝≡"
    form->tabs()->setCurrentIndex(5);
    click(form, 32);

    EXPECT_EQ(form->box(11)->toPlainText(), QStringLiteral("(*^^*)＝＝≡collection 11"));
    EXPECT_EQ(form->box(11)->textCursor().position(), 9);
    EXPECT_EQ(Clipboard::text(), QStringLiteral("＝＝≡"));
    EXPECT_EQ(Forms::existing<KaoForm>(), form);
    EXPECT_EQ(form->tabs()->currentIndex(), 5);

    form->close();
    EXPECT_EQ(EmoticonStore::load(11), QStringLiteral("(*^^*)＝＝≡collection 11"));
}

TEST_F(Palette, FavouritesLeaveTheSourceCaretWhereTheSelectionEnded)
{
    KaoForm *form = open();
    select(form->box(4), 3, 4);
    click(form, 31);
    QTextCursor cursor = form->box(4)->textCursor();
    EXPECT_FALSE(cursor.hasSelection());
    EXPECT_EQ(cursor.position(), 7);
    EXPECT_TRUE(form->box(4)->hasFocus() || !QGuiApplication::focusWindow());

    // A selection made backwards ends at the same place.
    select(form->box(4), 7, -4);
    click(form, 31);
    EXPECT_EQ(form->box(4)->textCursor().position(), 7);

    // With nothing selected the caret goes to the start and nothing is added.
    putCaret(form->box(4), 5);
    click(form, 31);
    EXPECT_EQ(form->box(4)->textCursor().position(), 0);
    EXPECT_EQ(form->box(11)->toPlainText(), QStringLiteral("lectlectcollection 11"));
}

TEST_F(Palette, PasteTrimsSpacesAndReplacesTheBoxSelectionAlsoOnTheFavouritesTab)
{
    KaoForm *form = open();
    Clipboard::setText(QStringLiteral("  　☆彡　  "));
    form->tabs()->setCurrentIndex(11);
    select(form->box(11), 0, 10);  // "collection"
    click(form, 24);
    EXPECT_EQ(form->box(11)->toPlainText(), QStringLiteral("　☆彡　 11"));
    EXPECT_EQ(form->box(11)->textCursor().position(), 4);
    EXPECT_EQ(Clipboard::text(), QStringLiteral("  　☆彡　  "));

    // An empty clipboard replaces the selection with nothing.
    Clipboard::clear();
    select(form->box(2), 0, 11);
    click(form, 6);
    EXPECT_EQ(form->box(2)->toPlainText(), QStringLiteral("2"));

    form->close();
    EXPECT_EQ(EmoticonStore::load(11), QStringLiteral("　☆彡　 11"));
}

TEST_F(Palette, FavouritesPastedBeforeAnInsertionAreStoredWhenTheInsertionCloses)
{
    KaoForm *form = open();
    Clipboard::setText(QStringLiteral("(=^･ｪ･^=)"));
    click(form, 24);
    select(form->box(7), 0, 1);
    click(form, 15);
    EXPECT_EQ(Forms::existing<KaoForm>(), nullptr);
    EXPECT_EQ(EmoticonStore::load(11), QStringLiteral("(=^･ｪ･^=)collection 11"));
    EXPECT_EQ(Forms::existing<WriteForm>()->bodyText(), QStringLiteral("c"));
}

TEST_F(Palette, ClosingTheLauncherWhileThePaletteIsOpenSavesNothing)
{
    const QByteArray before = fileBytes(0);
    MainForm *launcher = Forms::open<MainForm>();
    KaoForm *form = open();
    form->box(0)->setPlainText(QStringLiteral("edited"));
    launcher->close();
    EXPECT_EQ(Forms::existing<KaoForm>(), nullptr);
    EXPECT_EQ(fileBytes(0), before);
    EXPECT_EQ(QDir(AppPaths::resolve(AppPaths::kEmoticonFolder)).entryList(QDir::Files).size(), 12);
}

TEST_F(Palette, SaveFailureAsksBeforeClosingAndStaysOpenOnNo)
{
    const QString blocker = EmoticonStore::path(6) + QStringLiteral(".tmp");
    ASSERT_TRUE(QDir().mkpath(blocker));
    KaoForm *form = open();
    form->box(6)->setPlainText(QStringLiteral("edited"));
    form->box(1)->setPlainText(QStringLiteral("also edited"));

    prompt.answerBox(Prompt::Answer::No);
    EXPECT_FALSE(form->close());
    ASSERT_EQ(prompt.boxes.size(), 1);
    EXPECT_EQ(prompt.boxes[0].title, QStringLiteral("確認"));
    EXPECT_TRUE(prompt.boxes[0].text.startsWith(QStringLiteral("顔文字データを保存できませんでした。")));
    EXPECT_TRUE(prompt.boxes[0].text.contains(QStringLiteral("Text6.txt")));
    EXPECT_EQ(Forms::existing<KaoForm>(), form);
    EXPECT_EQ(fileBytes(6), QByteArray("collection 6\r\n"));
    EXPECT_EQ(EmoticonStore::load(1), QStringLiteral("also edited"));

    QDir().rmdir(blocker);
    EXPECT_TRUE(form->close());
    EXPECT_EQ(prompt.boxes.size(), 1);
    EXPECT_EQ(EmoticonStore::load(6), QStringLiteral("edited"));
}

TEST_F(Palette, SaveFailureClosesWhenTheUserAgrees)
{
    ASSERT_TRUE(QDir().mkpath(EmoticonStore::path(0) + QStringLiteral(".tmp")));
    KaoForm *form = open();
    prompt.answerBox(Prompt::Answer::Yes);
    EXPECT_TRUE(form->close());
    EXPECT_EQ(prompt.boxes.size(), 1);
    EXPECT_EQ(Forms::existing<KaoForm>(), nullptr);
}
