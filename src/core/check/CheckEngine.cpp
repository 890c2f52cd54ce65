#include "core/check/CheckEngine.h"

#include "core/check/CheckListener.h"
#include "core/check/CheckRun.h"
#include "core/common/BackgroundJob.h"
#include "core/junk/AuthResults.h"
#include "core/settings/RuntimeSettings.h"

CheckSettings CheckSettings::current(CheckMode mode, SignInPolicy policy)
{
    const RuntimeSettings &settings = runtimeSettings();
    CheckSettings check;
    check.server = settings.Pop3Server;
    check.apop = settings.UseApop != 0;
    check.keep = settings.KeepOnServer != 0;
    check.days = settings.KeepDays;
    check.sync = settings.KeepSync != 0;
    check.authIds = AuthResults::trustedIds(settings.AuthServ, settings.Pop3Server);
    check.mode = mode;
    // A quiet check never opens the browser on its own.
    check.policy = mode == CheckMode::Timed ? SignInPolicy::NeverOpenBrowser : policy;
    return check;
}

CheckEngine::CheckEngine(const CheckSettings &settings, std::unique_ptr<CheckListener> listener, QObject *parent)
    : QObject(parent), m_settings(settings), m_listener(std::move(listener))
{
    CheckListener *heard = m_listener.get();
    CheckOutcome *outcome = &m_outcome;
    m_job = new BackgroundJob(
        [settings, heard, outcome](const std::atomic_bool &cancel) {
            CheckRun::run(settings, cancel, *heard, *outcome);
        },
        this);
    connect(m_job, &BackgroundJob::finished, this, [this] {
        if (m_job->cancelRequested())
            m_outcome.cancelled = true;
        emit finished();
    });
}

CheckEngine::~CheckEngine()
{
    // The worker uses the listener and the outcome until it ends.
    delete m_job;
}

void CheckEngine::start()
{
    m_job->start();
}

void CheckEngine::cancel()
{
    m_job->cancel();
}
