#include "ui/shell/Forms.h"

#include <QCloseEvent>
#include <QPointer>

#include <map>

namespace {

std::map<std::type_index, QPointer<QWidget>> &registry()
{
    static std::map<std::type_index, QPointer<QWidget>> windows;
    return windows;
}

// A closed window is deleted only when control returns to the event loop; it
// leaves the registry at once, so the next use in the same click loads afresh.
class CloseWatcher : public QObject {
public:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::Close)
            return false;
        watched->event(event);
        if (event->isAccepted()) {
            for (auto &[type, window] : registry())
                if (window == watched)
                    window.clear();
        }
        return true;
    }
};

CloseWatcher &closeWatcher()
{
    static CloseWatcher watcher;
    return watcher;
}

} // namespace

QWidget *Forms::lookup(std::type_index type)
{
    const auto found = registry().find(type);
    return found == registry().end() ? nullptr : found->second.data();
}

void Forms::add(std::type_index type, QWidget *window)
{
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->installEventFilter(&closeWatcher());
    registry()[type] = window;
}

void Forms::show(QWidget *window)
{
    if (window->isMinimized())
        window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    window->raise();
    window->activateWindow();
}

void Forms::discardAll(QWidget *except)
{
    for (auto &[type, window] : registry()) {
        if (window && window != except) {
            delete window.data();
            window.clear();
        }
    }
}
