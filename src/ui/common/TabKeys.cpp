#include "ui/common/TabKeys.h"

#include <QAbstractScrollArea>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QPlainTextEdit>

namespace {

bool isCtrlTab(const QKeyEvent *key)
{
    return (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab)
        && (key->modifiers() & Qt::ControlModifier);
}

class CtrlTabFilter : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride)
            return false;
        auto *key = static_cast<QKeyEvent *>(event);
        if (!isCtrlTab(key))
            return false;
        // Claimed here, so no window shortcut on Ctrl+Tab takes it from the body.
        if (event->type() == QEvent::ShortcutOverride) {
            event->accept();
            return true;
        }
        const bool back = key->key() == Qt::Key_Backtab || (key->modifiers() & Qt::ShiftModifier);
        // The window moves the focus as a plain Tab does everywhere else.
        QKeyEvent tab(QEvent::KeyPress, back ? Qt::Key_Backtab : Qt::Key_Tab,
                      back ? Qt::ShiftModifier : Qt::NoModifier);
        QCoreApplication::sendEvent(static_cast<QWidget *>(watched)->window(), &tab);
        return true;
    }
};

} // namespace

namespace TabKeys {

void tabLeaves(QPlainTextEdit *box)
{
    box->setTabChangesFocus(true);
}

void ctrlTabLeaves(QAbstractScrollArea *body)
{
    body->installEventFilter(new CtrlTabFilter(body));
}

} // namespace TabKeys
