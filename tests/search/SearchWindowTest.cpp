#include "core/search/SearchService.h"
#include "ui/search/SearchForm.h"
#include "ui/search/SearchStatus.h"
#include "ui/shell/Forms.h"
#include "ui/viewer/TyakuForm.h"

#include "support/Sandbox.h"
#include "support/ScriptedPrompt.h"
#include "support/Wait.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTest>
#include <QTreeView>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace {

using Kind = HistoryFile::Kind;

// Typed text as an input method hands it over, one character at a time.
void type(QWidget *box, const QString &text)
{
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(box, &press);
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(box, &release);
    }
}

class SearchWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        HistoryFile received(Kind::Received);
        received.append({QStringLiteral("お知らせ"), QStringLiteral("Tue, 5 Mar 2024 09:00:00 +0900"),
                         QStringLiteral("学校 <school@example.jp>"),
                         QStringLiteral("保護者各位\r\n来週の遠足は雨天決行です。\r\nよろしくお願いします。")});
        received.append({QStringLiteral("会議"), QStringLiteral("Wed, 6 Mar 2024 09:00:00 +0900"),
                         QStringLiteral("yamada@example.com"), QStringLiteral("議題は予算です。")});
        received.append({QStringLiteral("雑談"), QStringLiteral("Thu, 7 Mar 2024 09:00:00 +0900"),
                         QStringLiteral("friend@example.com"), QStringLiteral("天気がいいね")});
        SearchService::instance().start(50);
        bool done = false;
        SearchService::instance().catchUpSoon(qApp, [&] { done = true; });
        ASSERT_TRUE(waitUntil([&] { return done; }));
    }
    void TearDown() override
    {
        Forms::discardAll();
        SearchService::instance().stop();
    }

    Sandbox sandbox;
    ScriptedPrompt prompt;
};

TEST_F(SearchWindow, ByKeyboardFromTheHistoryToTheMailWithTheMatchSelected)
{
    TyakuForm *history = TyakuForm::openHistory(Kind::Received);
    history->activateWindow();
    QApplication::setActiveWindow(history);
    QTest::keyClick(history, Qt::Key_F, Qt::ControlModifier | Qt::ShiftModifier);
    SearchForm *search = Forms::existing<SearchForm>();
    ASSERT_TRUE(search);
    ASSERT_TRUE(search->isVisible());
    // What the window manager does with a window that asks to be active.
    QApplication::setActiveWindow(search);
    EXPECT_EQ(QApplication::focusWidget(), search->queryBox());

    QSignalSpy answered(search, &SearchForm::answered);
    type(search->queryBox(), QStringLiteral("遠足"));
    ASSERT_TRUE(waitUntil([&] { return answered.count() > 0 && search->results()->topLevelItemCount() > 0; }));
    EXPECT_EQ(search->countText(), QStringLiteral("1 件"));
    EXPECT_EQ(search->results()->topLevelItem(0)->text(2), QStringLiteral("お知らせ"));
    EXPECT_EQ(search->results()->topLevelItem(0)->text(3), QStringLiteral("着信"));
    EXPECT_TRUE(search->excerptText().contains(QStringLiteral(">遠足</b>"))) << search->excerptText().toStdString();

    // Enter in the query box opens the mail found on its row.
    QSignalSpy opened(search, &SearchForm::opened);
    QTest::keyClick(search->queryBox(), Qt::Key_Return);
    ASSERT_TRUE(waitUntil([&] { return opened.count() == 1; }));
    EXPECT_EQ(history->selectedRow(), 1);
    EXPECT_EQ(history->subjectText(), QStringLiteral("お知らせ"));
    EXPECT_EQ(history->editor()->textCursor().selectedText(), QStringLiteral("遠足"));

    // Typing on narrows or widens the list; Down and Enter open another mail.
    answered.clear();
    search->queryBox()->selectAll();
    type(search->queryBox(), QStringLiteral("天"));
    ASSERT_TRUE(waitUntil([&] { return answered.count() > 0 && search->results()->topLevelItemCount() == 2; }));
    EXPECT_EQ(search->countText(), QStringLiteral("2 件"));
    QTest::keyClick(search->queryBox(), Qt::Key_Down);
    QTest::keyClick(search->results(), Qt::Key_Down);
    QTest::keyClick(search->results(), Qt::Key_Return);
    ASSERT_TRUE(waitUntil([&] { return opened.count() == 2; }));
    EXPECT_EQ(history->selectedRow(), 1);
    EXPECT_EQ(history->editor()->textCursor().selectedText(), QStringLiteral("天"));

    // A query that cannot be read says why in the window, never in a box.
    answered.clear();
    search->queryBox()->setText(QStringLiteral("since:2024-99-01"));
    ASSERT_TRUE(waitUntil([&] { return answered.count() > 0; }));
    EXPECT_TRUE(search->countText().contains(QStringLiteral("YYYY-MM-DD")));
    EXPECT_EQ(search->results()->topLevelItemCount(), 0);
}

TEST_F(SearchWindow, AMailFoundBeforeADeletionOpensWhereItIsNow)
{
    SearchForm *search = SearchForm::open();
    QSignalSpy answered(search, &SearchForm::answered);
    QSignalSpy opened(search, &SearchForm::opened);
    search->queryBox()->setText(QStringLiteral("天気"));
    ASSERT_TRUE(waitUntil([&] { return answered.count() > 0; }));
    ASSERT_EQ(search->results()->topLevelItemCount(), 1);

    // 一件削除 of the first mail moves the one found from row 3 to row 2.
    ASSERT_TRUE(HistoryFile(Kind::Received).remove(1).ok);
    QTest::keyClick(search->queryBox(), Qt::Key_Return);
    ASSERT_TRUE(waitUntil([&] { return opened.count() == 1; }));
    TyakuForm *history = Forms::existing<TyakuForm>();
    ASSERT_TRUE(history);
    EXPECT_EQ(history->selectedRow(), 2);
    EXPECT_EQ(history->subjectText(), QStringLiteral("雑談"));
    EXPECT_EQ(history->editor()->textCursor().selectedText(), QStringLiteral("天気"));

    // A mail deleted since is not opened in its stead; the window says why.
    ASSERT_TRUE(HistoryFile(Kind::Received).remove(2).ok);
    QTest::keyClick(search->queryBox(), Qt::Key_Return);
    ASSERT_TRUE(waitUntil([&] { return opened.count() == 2; }));
    EXPECT_EQ(search->countText(), QStringLiteral("このメールは着信履歴から削除されたため、開けません。"));
}

TEST(SearchStatusText, CountsWithThousandsSeparators)
{
    EXPECT_EQ(SearchStatus::progressText(12000, 32767), QStringLiteral("検索用の索引を作成中 12,000 / 32,767"));
}

} // namespace
