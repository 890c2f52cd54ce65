// A check and reading the mail it brought, from the launcher, by keyboard alone.
#include "CheckTest.h"

#include "ui/receive/MailCheck.h"
#include "ui/viewer/TyakuForm.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QTest>
#include <QTreeView>

#include <gtest/gtest.h>

namespace {

QByteArray sample(const QByteArray &subject, const QByteArray &body)
{
    return "From: Sender <sender@example.jp>\r\nTo: you@example.jp\r\nSubject: " + subject
        + "\r\nDate: Mon, 7 Dec 2026 10:00:00 +0900\r\n\r\n" + body;
}

void activate(QWidget *window)
{
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
}

void press(QWidget *window, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(window->focusWidget() ? window->focusWidget() : window, key, modifiers);
}

class KeyboardCheck : public CheckTest {};

} // namespace

TEST_F(KeyboardCheck, CheckAndReadTheNewMailWithoutTheMouse)
{
    servers->deliver(user, sample("first", "one\r\n"));
    servers->deliver(user, sample("second", "two\r\n"));
    Forms::show(launcher);
    activate(launcher);

    press(launcher, Qt::Key_R, Qt::AltModifier);
    ASSERT_TRUE(QTest::qWaitFor([] { return records().size() == 2; }, 20000));
    ASSERT_TRUE(QTest::qWaitFor([this] { return launcher->statusText().startsWith(MailCheck::kNewMail); }, 20000))
        << launcher->statusText().toStdString();
    EXPECT_TRUE(prompt.boxes.isEmpty());

    activate(launcher);
    press(launcher, Qt::Key_I, Qt::AltModifier);
    TyakuForm *history = Forms::existing<TyakuForm>();
    ASSERT_NE(history, nullptr);
    ASSERT_TRUE(history->isVisible());
    activate(history);

    // Tab round the window to the list, then the arrows read the mails.
    for (int i = 0; i < 40 && history->focusWidget() != history->mailList(); ++i)
        press(history, Qt::Key_Tab);
    ASSERT_EQ(history->focusWidget(), history->mailList());
    press(history, Qt::Key_Home);
    press(history, Qt::Key_Down);
    press(history, Qt::Key_Up);
    EXPECT_EQ(history->subjectText(), QStringLiteral("first"));
    EXPECT_TRUE(history->editor()->toPlainText().contains(QStringLiteral("one")));
    press(history, Qt::Key_Down);
    EXPECT_EQ(history->subjectText(), QStringLiteral("second"));
    EXPECT_TRUE(history->editor()->toPlainText().contains(QStringLiteral("two")));
    EXPECT_TRUE(prompt.boxes.isEmpty()) << prompt.boxes.value(0).text.toStdString();
}
