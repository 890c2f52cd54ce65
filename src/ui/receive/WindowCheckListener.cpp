#include "ui/receive/WindowCheckListener.h"

#include "core/check/CheckTexts.h"
#include "core/common/WindowThread.h"
#include "core/history/HistoryRecord.h"
#include "ui/common/Prompt.h"
#include "ui/common/TrustHooks.h"
#include "ui/shell/Forms.h"

void WindowCheckListener::status(const QString &text)
{
    WindowThread::post([text] { Forms::setLauncherStatus(text); });
}

void WindowCheckListener::failed(const QString &text)
{
    WindowThread::call([text] {
        Prompt::instance().ask({text, CheckTexts::kErrorTitle, Prompt::Icon::Critical, Prompt::Buttons::Ok}, nullptr);
    });
}

void WindowCheckListener::notice(const QString &text)
{
    WindowThread::call(
        [text] { Prompt::instance().ask({text, {}, Prompt::Icon::None, Prompt::Buttons::Ok}, nullptr); });
}

void WindowCheckListener::noServer()
{
    WindowThread::call([] {
        Prompt::instance().ask(
            {CheckTexts::kNoServer, CheckTexts::kErrorTitle, Prompt::Icon::Critical, Prompt::Buttons::Ok}, nullptr);
        Forms::openServerSettings();
    });
}

void WindowCheckListener::accountRead(const QString &id, const QString &password)
{
    WindowThread::call([id, password] { Forms::fillAccount(id, password); });
}

void WindowCheckListener::accountMissing()
{
    WindowThread::call([] { Forms::openAccount(); });
}

void WindowCheckListener::signInNeeded(const QString &why, bool mayOpenBrowser)
{
    WindowThread::call([why, mayOpenBrowser] { Forms::askToSignIn(why, mayOpenBrowser); });
}

void WindowCheckListener::lastStored(const HistoryRecord &record)
{
    WindowThread::call([record] { Forms::showStoredMail(record); });
}

void WindowCheckListener::askAboutServer(SessionHooks &hooks)
{
    TrustHooks::install(hooks);
}
