#include "ui/viewer/HistoryWorker.h"

#include "core/common/BackgroundJob.h"
#include "core/common/WindowThread.h"
#include "core/common/JobProgress.h"
#include "ui/shell/Forms.h"

#include <QEventLoop>
#include <QTimer>

#include <memory>

namespace HistoryWorker {

namespace {

int g_running = 0;

} // namespace

bool isRunning()
{
    return g_running > 0;
}

void run(const QString &title, const QString &text, QWidget *parent,
         const std::function<void(const Report &report, const std::atomic_bool &cancel)> &work)
{
    std::shared_ptr<JobProgress> progress = Forms::openProgress(title, parent);
    progress->setText(text);
    // Reports still on their way when the work ended find the window gone.
    const std::weak_ptr<JobProgress> shown = progress;
    const Report report = [shown](int done, int total) {
        WindowThread::post([shown, done, total] {
            if (const auto window = shown.lock())
                window->setProgress(done, total);
        });
    };
    auto *job = new BackgroundJob([work, report](const std::atomic_bool &cancel) { work(report, cancel); });
    progress->onCancel(job, [job] { job->cancel(); });
    // A quick one shows no window at all.
    QTimer::singleShot(300, job, [shown] {
        if (const auto window = shown.lock())
            window->show();
    });
    QEventLoop loop;
    QObject::connect(job, &BackgroundJob::finished, &loop, &QEventLoop::quit);
    ++g_running;
    job->start();
    loop.exec();
    --g_running;
    progress->stopListening(job);
    job->deleteLater();
    progress.reset();
}

} // namespace HistoryWorker
