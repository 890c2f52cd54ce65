#include "ui/common/Accelerators.h"

#include <QAbstractButton>
#include <QKeySequence>
#include <QShortcut>
#include <QWidget>

namespace Accelerators {

void bind(QWidget *control, QChar letter)
{
    const QKeySequence keys(Qt::ALT | Qt::Key(letter.toUpper().unicode()));
    // A button's own shortcut is also what a screen reader reports as its key.
    if (auto *button = qobject_cast<QAbstractButton *>(control)) {
        button->setShortcut(keys);
        return;
    }
    auto *shortcut = new QShortcut(keys, control->window());
    QObject::connect(shortcut, &QShortcut::activated, control,
                     [control] { control->setFocus(Qt::ShortcutFocusReason); });
}

} // namespace Accelerators
