#include "desktop/Requests.h"

#include "common/Prompt.h"
#include "compose/WriteForm.h"
#include "desktop/MailtoLink.h"
#include "shell/Forms.h"
#include "shell/MainForm.h"

namespace {

void raise(QWidget *window)
{
    if (!window)
        return;
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    Forms::show(window);
    window->raise();
    window->activateWindow();
}

void compose(const MailtoLink &link)
{
    WriteForm *form = Forms::existing<WriteForm>();
    if (form && form->isSending()) {
        // A mail on its way keeps its window; the link waits for the user.
        raise(form);
        Prompt::inform(QStringLiteral("送信中のため、リンクのメールは作成できませんでした。送信が終わってからもう一度開いてください。"),
                       {}, form);
        return;
    }
    if (form && form->holdsUnsentText()) {
        raise(form);
        if (!Prompt::confirm(QStringLiteral("作成中のメールがあります。リンクの内容で置き換えますか？"), form))
            return;
    }
    form = Forms::get<WriteForm>();
    form->fillNewMail(link.recipientText(), link.subject, link.body, link.ignoredNote());
    raise(form);
}

} // namespace

namespace Requests {

void handle(const QStringList &arguments)
{
    raise(Forms::existing<MainForm>());
    openLinks(arguments);
}

bool openLinks(const QStringList &arguments)
{
    for (const QString &argument : arguments) {
        if (const auto link = MailtoLink::parse(argument)) {
            compose(*link);
            return true;
        }
    }
    return false;
}

} // namespace Requests
