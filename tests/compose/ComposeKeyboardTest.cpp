#include "ComposeTestSupport.h"

#include "ui/compose/BackForm.h"
#include "ui/shell/Forms.h"
#include "support/Sandbox.h"
#include "support/ScriptedPrompt.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextEdit>

using namespace compose_test;

namespace {

class ComposeKeyboard : public ::testing::Test {
protected:
    WriteForm *activeCompose()
    {
        WriteForm *form = Forms::open<WriteForm>();
        form->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(form));
        return form;
    }

    Sandbox m_sandbox;
    ScriptedPrompt m_prompt;
};

} // namespace

TEST_F(ComposeKeyboard, TabLeavesTheRecipientWithoutWritingATab)
{
    WriteForm *form = activeCompose();
    auto *to = child<QPlainTextEdit>(form, "ToText");
    to->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(to, QStringLiteral("a@example.jp"));
    QTest::keyClick(to, Qt::Key_Tab);
    EXPECT_EQ(form->focusWidget(), child<QWidget>(form, "SubjectText"));
    QTest::keyClick(form->focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(form->focusWidget(), to);
    EXPECT_EQ(to->toPlainText(), QStringLiteral("a@example.jp"));
}

// The bodies keep Tab for tab characters; Ctrl+Tab moves on and Ctrl+Shift+Tab back.
TEST_F(ComposeKeyboard, BodiesWriteTabsAndCtrlTabLeavesThem)
{
    WriteForm *compose = activeCompose();
    BackForm *reply = Forms::open<BackForm>();
    for (QWidget *body : {static_cast<QWidget *>(compose->body()), static_cast<QWidget *>(child<QTextEdit>(reply, "BodyText"))}) {
        QWidget *window = body->window();
        body->setFocus(Qt::TabFocusReason);
        QTest::keyClick(body, Qt::Key_Tab);
        EXPECT_EQ(window->focusWidget(), body);
        QTest::keyClick(body, Qt::Key_Tab, Qt::ControlModifier);
        QWidget *next = window->focusWidget();
        EXPECT_NE(next, body) << window->objectName().toStdString();
        body->setFocus(Qt::TabFocusReason);
        QTest::keyClick(body, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
        EXPECT_NE(window->focusWidget(), body) << window->objectName().toStdString();
        EXPECT_NE(window->focusWidget(), next) << window->objectName().toStdString();
    }
    EXPECT_EQ(compose->bodyText(), QStringLiteral("\t"));
    EXPECT_EQ(reply->bodyText(), QStringLiteral("\t"));
}

TEST_F(ComposeKeyboard, AltKeysReachTheFieldsAndPressTheButtons)
{
    WriteForm *form = activeCompose();
    const struct {
        Qt::Key key;
        const char *focused;
    } fields[] = {{Qt::Key_T, "ToText"}, {Qt::Key_J, "SubjectText"}, {Qt::Key_G, "Combo1"}, {Qt::Key_B, "BodyText"}};
    for (const auto &field : fields) {
        QTest::keyClick(form->focusWidget() ? form->focusWidget() : form, field.key, Qt::AltModifier);
        ASSERT_NE(form->focusWidget(), nullptr);
        EXPECT_TRUE(form->focusWidget() == child<QWidget>(form, field.focused)
                    || child<QWidget>(form, field.focused)->isAncestorOf(form->focusWidget()))
            << field.focused;
    }

    // A button's key presses it the way a click looks: a moment later.
    QTest::keyClick(form->focusWidget(), Qt::Key_U, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([form] { return child<QCheckBox>(form, "Check1")->isChecked(); }, 1000));
    EXPECT_EQ(form->bodyText(), QString());

    EXPECT_FALSE(child<QListWidget>(form, "List1")->isVisible());
    QTest::keyClick(form->focusWidget(), Qt::Key_A, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([form] { return child<QListWidget>(form, "List1")->isVisible(); }, 1000));
    QTest::keyClick(form->focusWidget(), Qt::Key_R, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([form] { return !child<QListWidget>(form, "List1")->isVisible(); }, 1000));

    // A reader hears the key with the button.
    QAccessibleInterface *send = QAccessible::queryAccessibleInterface(child<QPushButton>(form, "Command1"));
    EXPECT_EQ(send->actionInterface()->keyBindingsForAction(QAccessibleActionInterface::pressAction()),
              QStringList(QStringLiteral("Alt+S")));
}

// Widened by hand the address list shows as with アドレス帳; beyond the edge it
// is hidden, so Tab and a reader do not stop on what cannot be seen.
TEST_F(ComposeKeyboard, TheAddressPanelShowsOnlyWhereTheWindowReaches)
{
    WriteForm *form = activeCompose();
    auto *list = child<QListWidget>(form, "List1");
    EXPECT_FALSE(list->isVisible());
    form->resize(list->x() + list->width() + 10, form->height());
    EXPECT_TRUE(QTest::qWaitFor([list] { return list->isVisible(); }, 1000));
    form->restore();
    EXPECT_TRUE(QTest::qWaitFor([list] { return !list->isVisible(); }, 1000));
}
