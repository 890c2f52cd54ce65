#include "ui/shell/LauncherEntry.h"

#include "ui/common/Accessibility.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QPainter>
#include <QStyleOptionFocusRect>

LauncherEntry::LauncherEntry(const QString &caption, const QString &words, const QString &help,
                             QChar key, QWidget *parent)
    : QLabel(caption, parent), m_key(key)
{
    // Tab only: a click keeps doing what it did and leaves no focus frame behind.
    setFocusPolicy(Qt::TabFocus);
    // Before the name: naming an entry may already make its interface for a reader.
    Accessibility::announceAs(this, QAccessible::Button, keyName());
    setAccessibleName(words);
    setAccessibleDescription(help);
}

QString LauncherEntry::keyName() const
{
    return QKeySequence(Qt::ALT | Qt::Key(m_key.unicode())).toString(QKeySequence::NativeText);
}

void LauncherEntry::press()
{
    emit pressed();
}

void LauncherEntry::keyPressEvent(QKeyEvent *event)
{
    if (!m_byKeyboard) {
        m_byKeyboard = true;
        update();
    }
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (!event->isAutoRepeat())
            press();
        return;
    case Qt::Key_Down:
    case Qt::Key_Right:
        focusNextChild();
        return;
    case Qt::Key_Up:
    case Qt::Key_Left:
        focusPreviousChild();
        return;
    default:
        QLabel::keyPressEvent(event);
    }
}

void LauncherEntry::focusInEvent(QFocusEvent *event)
{
    QLabel::focusInEvent(event);
    m_byKeyboard = event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason
        || event->reason() == Qt::ShortcutFocusReason || event->reason() == Qt::OtherFocusReason;
    update();
    if (m_byKeyboard)
        emit focusedByKeyboard();
}

void LauncherEntry::focusOutEvent(QFocusEvent *event)
{
    QLabel::focusOutEvent(event);
    m_byKeyboard = false;
    update();
}

void LauncherEntry::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    if (!hasFocus() || !m_byKeyboard)
        return;
    // Unfocused the entry is the plain label it always was.
    QPainter painter(this);
    QStyleOptionFocusRect frame;
    frame.initFrom(this);
    frame.rect = contentsRect();
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &frame, &painter, this);
}
