// The launcher and the windows it opens, used with the keyboard alone and read
// through the accessibility interfaces a screen reader sees.
#include "ui/addressbook/FriendForm.h"
#include "ui/compose/WriteForm.h"
#include "ui/emoticons/KaoForm.h"
#include "ui/settings/IdPassForm.h"
#include "ui/settings/OptionForm.h"
#include "ui/shell/Forms.h"
#include "ui/shell/MainForm.h"
#include "ui/shell/SettingsForm.h"
#include "ui/viewer/TyakuForm.h"
#include "support/Sandbox.h"
#include "support/ScriptedPrompt.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

namespace {

const QStringList kWords = {"新規作成", "受信", "着信履歴", "送信履歴", "アドレス帳", "初期設定", "HomePage", "Small"};

MainForm *activeLauncher()
{
    MainForm *form = Forms::open<MainForm>();
    form->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(form));
    return form;
}

QWidget *focused(QWidget *window)
{
    return window->focusWidget();
}

// Presses keys in whatever control of the window has the focus.
void press(QWidget *window, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWidget *target = QApplication::focusWidget() ? QApplication::focusWidget() : window;
    QTest::keyClick(target, key, modifiers);
}

} // namespace

TEST(LauncherKeyboard, TabVisitsTheEntriesInColumnsThenTheStatusLine)
{
    Sandbox sandbox;
    MainForm *form = activeLauncher();
    form->menuLabel(1)->setFocus(Qt::TabFocusReason);
    QStringList visited;
    for (int i = 0; i < 10; ++i) {
        visited << focused(form)->objectName();
        press(form, Qt::Key_Tab);
    }
    EXPECT_EQ(visited, (QStringList{"Label1", "Label2", "Label3", "Label4", "Label5", "Label6", "Label7",
                                    "Label8", "Text1", "Label1"}));
}

TEST(LauncherKeyboard, EntriesAreButtonsNamedByTheirWordsWithTheirKeys)
{
    Sandbox sandbox;
    MainForm *form = Forms::open<MainForm>();
    const QString keys = "NRISAOHM";
    for (int number = 1; number <= 8; ++number) {
        QAccessibleInterface *entry = QAccessible::queryAccessibleInterface(form->menuLabel(number));
        ASSERT_NE(entry, nullptr);
        EXPECT_EQ(entry->role(), QAccessible::Button);
        EXPECT_EQ(entry->text(QAccessible::Name), kWords[number - 1]);
        EXPECT_EQ(entry->text(QAccessible::Description), form->helpSentence(number));
        QAccessibleActionInterface *actions = entry->actionInterface();
        ASSERT_NE(actions, nullptr);
        EXPECT_TRUE(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
        EXPECT_EQ(actions->keyBindingsForAction(QAccessibleActionInterface::pressAction()),
                  QStringList(QStringLiteral("Alt+") + keys[number - 1]));
        // Still the label it was, caption and padding.
        EXPECT_TRUE(form->menuLabel(number)->text().endsWith(kWords[number - 1].right(1)));
    }
    EXPECT_EQ(QAccessible::queryAccessibleInterface(form)->role(), QAccessible::Window);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(form->findChild<QLineEdit *>("Text1"))->text(QAccessible::Name),
              QStringLiteral("状態"));
}

TEST(LauncherKeyboard, KeyboardFocusShowsTheHelpWithTheKey)
{
    Sandbox sandbox;
    MainForm *form = activeLauncher();
    auto *help = form->findChild<QLabel *>("Label9");
    press(form, Qt::Key_F10);
    EXPECT_EQ(focused(form), form->menuLabel(1));
    press(form, Qt::Key_Down);
    EXPECT_EQ(focused(form), form->menuLabel(2));
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(help->text(), QStringLiteral("新着メールの受信を行います。（Alt+R）"));
}

TEST(LauncherKeyboard, ReturnSpaceAndTheReadersPressOpenTheEntrysWindow)
{
    Sandbox sandbox;
    MainForm *form = activeLauncher();
    form->menuLabel(1)->setFocus(Qt::TabFocusReason);
    press(form, Qt::Key_Return);
    ASSERT_NE(Forms::existing<WriteForm>(), nullptr);
    EXPECT_TRUE(Forms::existing<WriteForm>()->isVisible());

    form = activeLauncher();
    form->menuLabel(5)->setFocus(Qt::TabFocusReason);
    press(form, Qt::Key_Space);
    ASSERT_NE(Forms::existing<FriendForm>(), nullptr);

    QAccessible::queryAccessibleInterface(form->menuLabel(6))->actionInterface()->doAction(
        QAccessibleActionInterface::pressAction());
    EXPECT_TRUE(QTest::qWaitFor([] { return Forms::existing<SettingsForm>() != nullptr; }, 1000));
}

// Every window of the program, opened from the launcher without the mouse.
TEST(LauncherKeyboard, EveryWindowOpensByKeyboardAlone)
{
    Sandbox sandbox;
    ScriptedPrompt prompt;
    const struct {
        Qt::Key key;
        std::function<QWidget *()> opened;
        QString title;
    } entries[] = {
        {Qt::Key_N, [] { return static_cast<QWidget *>(Forms::existing<WriteForm>()); }, "新規作成"},
        {Qt::Key_I, [] { return static_cast<QWidget *>(Forms::existing<TyakuForm>()); }, "着信履歴"},
        {Qt::Key_S, [] { return static_cast<QWidget *>(Forms::existing<TyakuForm>()); }, "送信履歴"},
        {Qt::Key_A, [] { return static_cast<QWidget *>(Forms::existing<FriendForm>()); }, "アドレス帳"},
        {Qt::Key_O, [] { return static_cast<QWidget *>(Forms::existing<SettingsForm>()); }, "設定"},
    };
    for (const auto &entry : entries) {
        MainForm *form = activeLauncher();
        press(form, entry.key, Qt::AltModifier);
        QWidget *window = entry.opened();
        ASSERT_NE(window, nullptr) << entry.title.toStdString();
        EXPECT_TRUE(window->isVisible());
        EXPECT_EQ(window->windowTitle(), entry.title);
        window->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // 初期設定 leads on to both settings windows; Esc puts the chooser away.
    MainForm *form = activeLauncher();
    press(form, Qt::Key_O, Qt::AltModifier);
    SettingsForm *settings = Forms::existing<SettingsForm>();
    ASSERT_NE(settings, nullptr);
    settings->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(settings));
    settings->findChild<QWidget *>("Command1")->setFocus(Qt::TabFocusReason);
    press(settings, Qt::Key_Space);
    EXPECT_NE(Forms::existing<IdPassForm>(), nullptr);
    settings->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(settings));
    press(settings, Qt::Key_Tab);
    press(settings, Qt::Key_Space);
    EXPECT_NE(Forms::existing<OptionForm>(), nullptr);
    settings->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(settings));
    press(settings, Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(Forms::existing<SettingsForm>(), nullptr);

    // The palette, from the compose window.
    form = activeLauncher();
    press(form, Qt::Key_N, Qt::AltModifier);
    WriteForm *compose = Forms::existing<WriteForm>();
    ASSERT_NE(compose, nullptr);
    compose->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(compose));
    press(compose, Qt::Key_K, Qt::AltModifier);
    // A button's key presses it the way a click looks: a moment later.
    ASSERT_TRUE(QTest::qWaitFor([] { return Forms::existing<KaoForm>() != nullptr; }, 1000));
    EXPECT_TRUE(Forms::existing<KaoForm>()->isVisible());
}


TEST(LauncherKeyboard, HoldingAltShowsEveryEntrysKeyInTheHelp)
{
    Sandbox sandbox;
    MainForm *form = activeLauncher();
    auto *help = form->findChild<QLabel *>("Label9");
    QTest::keyPress(form, Qt::Key_Alt, Qt::AltModifier);
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(help->text(), QStringLiteral("Alt＋新規作成(N)　受信(R)　着信履歴(I)　送信履歴(S)　アドレス帳(A)　"
                                           "初期設定(O)　HomePage(H)　Small(M)"));
    // The whole list fits the help's box.
    EXPECT_LE(help->heightForWidth(help->width()), help->height());
    QTest::keyRelease(form, Qt::Key_Alt);
    EXPECT_FALSE(help->isVisible());
}
