#include "ui/compose/LimitedTextEdit.h"

#include "ui/common/Clipboard.h"

#include <QTest>

#include <gtest/gtest.h>

TEST(LimitedTextEdit, PastingStopsAtTheLimit)
{
    LimitedTextEdit box(10);
    box.setPlainText(QStringLiteral("12345678"));
    box.moveCursor(QTextCursor::End);
    Clipboard::setText(QStringLiteral("ABCDEF"));
    box.paste();
    EXPECT_EQ(box.toPlainText(), QStringLiteral("12345678AB"));
}

TEST(LimitedTextEdit, ReplacingASelectionFreesItsRoom)
{
    LimitedTextEdit box(5);
    box.setPlainText(QStringLiteral("abcde"));
    box.selectAll();
    QTest::keyClicks(&box, QStringLiteral("xyz"));
    EXPECT_EQ(box.toPlainText(), QStringLiteral("xyz"));
}

TEST(LimitedTextEdit, TextSetByTheProgramIsNotCut)
{
    LimitedTextEdit box(3);
    box.setPlainText(QStringLiteral("a long pasted recipient"));
    EXPECT_EQ(box.toPlainText(), QStringLiteral("a long pasted recipient"));
    box.moveCursor(QTextCursor::End);
    QTest::keyClicks(&box, QStringLiteral("x"));
    EXPECT_EQ(box.toPlainText(), QStringLiteral("a long pasted recipient"));
    QTest::keyClick(&box, Qt::Key_Backspace);
    EXPECT_EQ(box.toPlainText(), QStringLiteral("a long pasted recipien"));
}

TEST(LimitedTextEdit, JapaneseCommittedByAnInputMethodIsCutToo)
{
    LimitedTextEdit box(4);
    box.setPlainText(QStringLiteral("ab"));
    box.moveCursor(QTextCursor::End);
    QInputMethodEvent commit;
    commit.setCommitString(QStringLiteral("日本語"));
    QApplication::sendEvent(&box, &commit);
    EXPECT_EQ(box.toPlainText(), QStringLiteral("ab日本"));
}
