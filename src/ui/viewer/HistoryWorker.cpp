#include "ui/viewer/HistoryWorker.h"

#include "core/common/BackgroundJob.h"
#include "core/common/WindowThread.h"
#include "ui/common/ProgressWindow.h"

#include <QEventLoop>
#include <QPointer>
#include <QTimer>

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
    QPointer<ProgressWindow> progress = new ProgressWindow(title, parent);
    progress->setText(text);
    const Report report = [progress](int done, int total) {
        WindowThread::post([progress, done, total] {
            if (progress)
                progress->setProgress(done, total);
        });
    };
    auto *job = new BackgroundJob([work, report](const std::atomic_bool &cancel) { work(report, cancel); });
    QObject::connect(progress, &ProgressWindow::cancelRequested, job, &BackgroundJob::cancel);
    // A quick one shows no window at all.
    QTimer::singleShot(300, progress, [progress] {
        if (progress)
            progress->show();
    });
    QEventLoop loop;
    QObject::connect(job, &BackgroundJob::finished, &loop, &QEventLoop::quit);
    ++g_running;
    job->start();
    loop.exec();
    --g_running;
    job->deleteLater();
    delete progress;
}

} // namespace HistoryWorker
