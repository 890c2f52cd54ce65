#pragma once

#include <QAccessible>

class QWidget;

// What a screen reader is told beyond Qt's own answers: the program's plain
// windows are windows, not fillers, and a few drawn controls are buttons.
namespace Accessibility {

// Once, after the application object exists.
void install();

// The widget is announced in role; its "press" action (and Return or Space,
// which the widget handles itself) calls its invokable press(). keys is the
// accelerator as the user types it, or empty.
void announceAs(QWidget *widget, QAccessible::Role role, const QString &keys = QString());

} // namespace Accessibility
