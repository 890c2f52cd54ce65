#include "ui/receive/MailCheck.h"

#include "core/check/CheckEngine.h"
#include "ui/receive/WindowCheckListener.h"
#include "core/common/JobProgress.h"
#include "ui/shell/Forms.h"

#include <QEventLoop>
#include <QPointer>

#include <vector>

namespace {

QPointer<MailCheck> g_current;

struct FinishListener {
    QPointer<QObject> context;
    std::function<void(const MailCheck::Outcome &, MailCheck::Mode)> call;
};

std::vector<FinishListener> &finishListeners()
{
    static std::vector<FinishListener> listeners;
    return listeners;
}

} // namespace

MailCheck::MailCheck() = default;

MailCheck::~MailCheck() = default;

MailCheck *MailCheck::current()
{
    return g_current;
}

bool MailCheck::isRunning()
{
    return g_current != nullptr;
}

void MailCheck::addFinishListener(QObject *context, std::function<void(const Outcome &, Mode)> listener)
{
    finishListeners().push_back({context, std::move(listener)});
}

MailCheck *MailCheck::start(SignInPolicy policy)
{
    return start(Mode::User, policy);
}

MailCheck *MailCheck::start(Mode mode, SignInPolicy policy)
{
    // A second click while a check runs does not start another.
    if (g_current)
        return nullptr;
    auto *check = new MailCheck;
    g_current = check;
    check->m_mode = mode;
    const CheckSettings settings = CheckSettings::current(mode, policy);
    check->m_engine = new CheckEngine(settings, std::make_unique<WindowCheckListener>(), check);
    connect(check->m_engine, &CheckEngine::finished, check, &MailCheck::end);

    if (!settings.server.isEmpty() && mode == Mode::User) {
        check->m_progress = Forms::openProgress(QStringLiteral("メールの受信"));
        check->m_progress->setText(kChecking);
        check->m_progress->onCancel(check, [check] { check->cancel(); });
        Forms::onLauncherStatus(check, [check](const QString &text) {
            if (check->m_progress)
                check->m_progress->setText(text);
        });
        check->m_progress->show();
    }
    check->m_engine->start();
    return check;
}

MailCheck::Outcome MailCheck::run(SignInPolicy policy)
{
    MailCheck *check = start(Mode::User, policy);
    if (!check)
        return {};
    Outcome outcome;
    QEventLoop loop;
    connect(check, &MailCheck::finished, &loop, [&] {
        outcome = check->outcome();
        loop.quit();
    });
    loop.exec();
    return outcome;
}

void MailCheck::cancel()
{
    if (m_engine)
        m_engine->cancel();
}

void MailCheck::end()
{
    m_outcome = m_engine->outcome();
    m_progress.reset();
    g_current = nullptr;
    auto &listeners = finishListeners();
    std::erase_if(listeners, [](const FinishListener &listener) { return listener.context.isNull(); });
    const auto now = listeners;
    for (const FinishListener &listener : now)
        if (listener.context)
            listener.call(m_outcome, m_mode);
    emit finished();
    deleteLater();
}
