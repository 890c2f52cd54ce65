#include "ui/desktop/Requests.h"

#include "core/check/CheckCommand.h"
#include "core/instance/SingleInstance.h"
#include "core/search/SearchService.h"
#include "ui/receive/MailCheck.h"

#include "ui/common/Prompt.h"
#include "ui/desktop/MailtoLink.h"
#include "ui/shell/Forms.h"

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

} // namespace

namespace Requests {

void handle(const QStringList &arguments)
{
    raise(Forms::launcher());
    openLinks(arguments);
}

void answer(const QStringList &arguments, InstanceReply *reply)
{
    if (!SingleInstance::waitsForAnswer(arguments))
        return reply->finish(CheckCommand::kUsage, QStringLiteral("使い方: pintora --check"));
    const QPointer<InstanceReply> waiting(reply);
    // pintora --search reads the index itself once everything stored so far is in it.
    if (arguments.value(0) == QLatin1String("--search")) {
        SearchService::instance().catchUpSoon(reply, [waiting] {
            if (waiting)
                waiting->finish(0, QString());
        });
        return;
    }
    MailCheck::addFinishListener(reply, [waiting](const MailCheck::Outcome &outcome, MailCheck::Mode) {
        if (!waiting)
            return;
        const CheckCommand::Answer answer = CheckCommand::answerFor(outcome);
        waiting->finish(answer.status, answer.line);
    });
    Forms::onLauncherStatus(reply, [waiting](const QString &text) {
        if (waiting)
            waiting->progress(text);
    });
    if (!MailCheck::isRunning())
        MailCheck::start(MailCheck::Mode::Timed);
}

bool openLinks(const QStringList &arguments)
{
    for (const QString &argument : arguments) {
        if (const auto link = MailtoLink::parse(argument)) {
            Forms::composeFromLink(link->recipientText(), link->subject, link->body, link->ignoredNote());
            return true;
        }
    }
    return false;
}

} // namespace Requests
