#include "desktop/Requests.h"

#include "shell/Forms.h"
#include "shell/MainForm.h"

namespace {

void raise(QWidget *window)
{
    if (!window)
        return;
    window->setWindowState((window->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    Forms::show(window);
    window->raise();
    window->activateWindow();
}

} // namespace

namespace Requests {

void handle(const QStringList &arguments)
{
    Q_UNUSED(arguments);
    raise(Forms::existing<MainForm>());
}

} // namespace Requests
