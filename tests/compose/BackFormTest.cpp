#include "ui/compose/BackForm.h"

#include "ui/common/Clipboard.h"
#include "ui/compose/BackFormLayout.h"
#include "ui/shell/Forms.h"
#include "support/Sandbox.h"
#include "core/history/HistoryState.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>

#include <gtest/gtest.h>

TEST(BackFormLayout, FollowsTheWindowSize)
{
    const BackFormLayout tall = BackFormLayout::compute(7200, 6000);
    EXPECT_EQ(tall.bodyHeight, 3600);
    const BackFormLayout wide = BackFormLayout::compute(10000, 6000);
    EXPECT_EQ(wide.toWidth, 7000);
    EXPECT_EQ(wide.subjectWidth, 7000);
    EXPECT_EQ(wide.attachWidth, 4000);
    EXPECT_EQ(wide.attachButtonLeft, 5240);
    EXPECT_EQ(wide.addButtonLeft, 6060);
    EXPECT_EQ(wide.removeButtonLeft, 6940);
    EXPECT_EQ(wide.bodyWidth, 9900);
    EXPECT_EQ(BackFormLayout::compute(100, 100).bodyHeight, 0);
}

TEST(BackForm, LoadsWithItsCaptionsAndHiddenAttachmentList)
{
    Sandbox sandbox;
    BackForm *form = Forms::get<BackForm>();
    EXPECT_EQ(form->windowTitle(), QStringLiteral("返事を書く"));
    EXPECT_EQ(form->findChild<QPushButton *>(QStringLiteral("Command2"))->text(), QStringLiteral("送信"));
    EXPECT_EQ(form->findChild<QPushButton *>(QStringLiteral("Command3"))->text(), QStringLiteral("送信中止"));
    EXPECT_EQ(form->findChild<QPushButton *>(QStringLiteral("Command4"))->text(), QStringLiteral("本文に貼付"));
    EXPECT_FALSE(form->findChild<QListWidget *>(QStringLiteral("List2"))->isVisibleTo(form));
    EXPECT_EQ(form->findChild<QTextEdit *>(QStringLiteral("BodyText"))->font().family(), QStringLiteral("ＭＳ Ｐゴシック"));
}

TEST(BackForm, ResizingMovesTheControls)
{
    Sandbox sandbox;
    BackForm *form = Forms::open<BackForm>();
    const QSize frame = form->frameGeometry().size() - form->size();
    form->resize(QSize(667, 400) - frame);  // about 10000 x 6000 twips
    QCoreApplication::processEvents();
    EXPECT_EQ(form->findChild<QLineEdit *>(QStringLiteral("ToText"))->width(), 467);
    EXPECT_EQ(form->findChild<QTextEdit *>(QStringLiteral("BodyText"))->height(), 240);
    form->resize(10, 10);
    QCoreApplication::processEvents();
    EXPECT_GE(form->findChild<QTextEdit *>(QStringLiteral("BodyText"))->height(), 0);
}

TEST(BackForm, QuotePutsTheClipboardBeforeTheAnsweredMail)
{
    Sandbox sandbox;
    historyState().mode = HistoryState::kReceived;
    historyState().receivedBuffer.Body = QStringLiteral("   answered B   ");
    BackForm *form = Forms::open<BackForm>();
    form->setBodyText(QStringLiteral("typed text"));
    Clipboard::setText(QStringLiteral("A"));
    QTest::mouseClick(form->findChild<QPushButton *>(QStringLiteral("Command4")), Qt::LeftButton);
    EXPECT_EQ(form->bodyText(), QStringLiteral("A\r\n\r\n\r\n\r\nanswered B"));
    EXPECT_EQ(Clipboard::text(), QStringLiteral("A\n\n\n\nanswered B"));

    Clipboard::clear();
    form->quote();
    EXPECT_EQ(form->bodyText(), QStringLiteral("\r\n\r\n\r\n\r\nanswered B"));
}

TEST(BackForm, StopClosesWithoutSending)
{
    Sandbox sandbox;
    BackForm *form = Forms::open<BackForm>();
    QTest::mouseClick(form->findChild<QPushButton *>(QStringLiteral("Command3")), Qt::LeftButton);
    EXPECT_EQ(Forms::existing<BackForm>(), nullptr);
}
