// Every window the program opens, walked as a keyboard user and a screen reader
// meet it: names, texts that fit, controls inside the window, a Tab chain that
// reaches every input, and a window role. A new window gets a row in kWindows.
#include "ui/addressbook/FriendForm.h"
#include "ui/common/ProgressWindow.h"
#include "ui/compose/BackForm.h"
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

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <QTextEdit>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

namespace {

struct WindowCase {
    const char *name;
    std::function<QWidget *()> open;
};

const WindowCase kWindows[] = {
    {"launcher", [] { return static_cast<QWidget *>(Forms::open<MainForm>()); }},
    {"settings", [] { return static_cast<QWidget *>(Forms::open<SettingsForm>()); }},
    {"account", [] { return static_cast<QWidget *>(Forms::open<IdPassForm>()); }},
    {"server_options", [] { return static_cast<QWidget *>(Forms::open<OptionForm>()); }},
    {"compose", [] { return static_cast<QWidget *>(Forms::open<WriteForm>()); }},
    {"compose_widened",
     [] {
         WriteForm *form = Forms::open<WriteForm>();
         form->widen();
         form->fillAddressList();
         return static_cast<QWidget *>(form);
     }},
    {"reply", [] { return static_cast<QWidget *>(Forms::open<BackForm>()); }},
    {"emoticons", [] { return static_cast<QWidget *>(Forms::open<KaoForm>()); }},
    {"received", [] { return static_cast<QWidget *>(TyakuForm::openHistory(HistoryFile::Kind::Received)); }},
    {"sent", [] { return static_cast<QWidget *>(TyakuForm::openHistory(HistoryFile::Kind::Sent)); }},
    {"address_book", [] { return static_cast<QWidget *>(Forms::open<FriendForm>()); }},
    {"progress",
     [] {
         auto *window = new ProgressWindow(QStringLiteral("受信"));
         window->setAttribute(Qt::WA_DeleteOnClose);
         window->setText(QStringLiteral("メールを受信中です…"));
         window->show();
         return static_cast<QWidget *>(window);
     }},
};

QString describe(const QWidget *widget)
{
    return QStringLiteral("%1 (%2)").arg(widget->objectName(), QString::fromLatin1(widget->metaObject()->className()));
}

bool insideInnerWidget(const QWidget *widget, const QWidget *window)
{
    for (const QWidget *up = widget->parentWidget(); up && up != window; up = up->parentWidget())
        if (qobject_cast<const QAbstractScrollArea *>(up) || qobject_cast<const QComboBox *>(up)
            || qobject_cast<const QAbstractSpinBox *>(up))
            return true;
    return false;
}

// The controls a keyboard user stops at: what Tab should reach.
QList<QWidget *> inputs(QWidget *window)
{
    QList<QWidget *> found;
    for (QWidget *widget : window->findChildren<QWidget *>()) {
        if (widget->window() != window || !widget->isVisible() || !widget->isEnabled()
            || !(widget->focusPolicy() & Qt::TabFocus) || widget->focusProxy()
            || insideInnerWidget(widget, window))
            continue;
        found << widget;
    }
    return found;
}

bool carriesValue(const QWidget *widget)
{
    return qobject_cast<const QLineEdit *>(widget) || qobject_cast<const QComboBox *>(widget)
        || qobject_cast<const QAbstractSpinBox *>(widget) || qobject_cast<const QAbstractScrollArea *>(widget);
}

// What a reader says for the control: its name, else its label's. A box's
// value is no name, so boxes need a name or a label of their own.
QString spokenName(QWidget *widget)
{
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(widget);
    if (!iface)
        return {};
    if (!widget->accessibleName().trimmed().isEmpty())
        return widget->accessibleName();
    if (!carriesValue(widget) && !iface->text(QAccessible::Name).trimmed().isEmpty())
        return iface->text(QAccessible::Name);
    for (const auto &relation : iface->relations(QAccessible::Label))
        if (relation.first && !relation.first->text(QAccessible::Name).trimmed().isEmpty())
            return relation.first->text(QAccessible::Name);
    return {};
}

QString withoutMnemonic(QString text)
{
    text.replace(QLatin1String("&&"), QLatin1String("\x01"));
    text.remove(u'&');
    text.replace(u'\x01', u'&');
    return text;
}

// How much wider the text is than the room its control gives it (0: it fits).
int overflow(QWidget *widget)
{
    if (auto *label = qobject_cast<QLabel *>(widget)) {
        if (label->text().isEmpty() || label->textFormat() == Qt::RichText)
            return 0;
        if (label->wordWrap())
            return qMax(0, label->heightForWidth(label->width()) - label->height());
        const QString text = label->buddy() ? withoutMnemonic(label->text()) : label->text();
        return qMax(0, label->fontMetrics().horizontalAdvance(text) - label->contentsRect().width());
    }
    if (qobject_cast<QCheckBox *>(widget) || qobject_cast<QRadioButton *>(widget)) {
        auto *button = static_cast<QAbstractButton *>(widget);
        return button->text().isEmpty() ? 0 : qMax(0, button->sizeHint().width() - button->width());
    }
    if (auto *button = qobject_cast<QPushButton *>(widget)) {
        QStyleOptionButton option;
        option.initFrom(button);
        const QRect room = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        return qMax(0, button->fontMetrics().horizontalAdvance(withoutMnemonic(button->text())) - room.width());
    }
    return 0;
}

QStringList looseEnds(QWidget *window)
{
    QStringList problems;
    QAccessibleInterface *windowFace = QAccessible::queryAccessibleInterface(window);
    if (!windowFace || (windowFace->role() != QAccessible::Window && windowFace->role() != QAccessible::Dialog))
        problems << QStringLiteral("the window is no window or dialog to a reader");

    for (QWidget *widget : window->findChildren<QWidget *>()) {
        if (widget->window() != window || !widget->isVisible() || insideInnerWidget(widget, window))
            continue;
        const QRect placed(widget->mapTo(window, QPoint(0, 0)), widget->size());
        if (!window->rect().contains(placed))
            problems << describe(widget) + QStringLiteral(" lies outside the window");
        if (const int over = overflow(widget))
            problems << describe(widget) + QStringLiteral(" cuts its text by %1 px").arg(over);
    }
    for (QWidget *input : inputs(window))
        if (spokenName(input).trimmed().isEmpty())
            problems << describe(input) + QStringLiteral(" has no accessible name");
    return problems;
}

// Tab (Ctrl+Tab where Tab writes a tab) from the first control round the
// window; every input must come up.
QStringList unreached(QWidget *window)
{
    const QList<QWidget *> all = inputs(window);
    if (all.isEmpty())
        return {};
    all.first()->setFocus(Qt::TabFocusReason);
    QList<QWidget *> seen;
    for (int step = 0; step < 3 * all.size() + 5; ++step) {
        QWidget *at = window->focusWidget();
        if (!at)
            break;
        seen << at;
        QTest::keyClick(at, Qt::Key_Tab);
        if (window->focusWidget() == at)
            QTest::keyClick(at, Qt::Key_Tab, Qt::ControlModifier);
    }
    QStringList missing;
    for (QWidget *input : all) {
        if (seen.contains(input))
            continue;
        // Tab stops at one option of a group; the arrows go on to the others.
        auto *option = qobject_cast<QRadioButton *>(input);
        const bool groupSeen = option && option->autoExclusive()
            && std::any_of(seen.cbegin(), seen.cend(), [option](QWidget *at) {
                   return qobject_cast<QRadioButton *>(at) && at->parentWidget() == option->parentWidget();
               });
        if (!groupSeen)
            missing << describe(input) + QStringLiteral(" is not reached by Tab");
    }
    return missing;
}

class WindowWalk : public ::testing::TestWithParam<WindowCase> {
protected:
    Sandbox m_sandbox;
    ScriptedPrompt m_prompt;
};

TEST_P(WindowWalk, EveryControlIsNamedFitsAndIsReachedByTab)
{
    QWidget *window = GetParam().open();
    ASSERT_NE(window, nullptr);
    QTest::qWait(50);
    const QStringList problems = looseEnds(window) + unreached(window);
    EXPECT_TRUE(problems.isEmpty()) << problems.join(u'\n').toStdString();
    const QPointer<QWidget> held(window);
    Forms::discardAll();
    delete held.data();
}

INSTANTIATE_TEST_SUITE_P(Windows, WindowWalk, ::testing::ValuesIn(kWindows),
                         [](const ::testing::TestParamInfo<WindowCase> &info) { return std::string(info.param.name); });

} // namespace
