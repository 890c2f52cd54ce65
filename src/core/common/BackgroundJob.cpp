#include "core/common/BackgroundJob.h"

#include <QCoreApplication>
#include <QThread>

BackgroundJob::BackgroundJob(std::function<void(const std::atomic_bool &)> work, QObject *parent)
    : QObject(parent), m_work(std::move(work))
{
}

BackgroundJob::~BackgroundJob()
{
    if (m_thread) {
        // The work may be waiting for an answer from this thread, so events go on meanwhile.
        m_cancel = true;
        disconnect(m_thread, nullptr, this, nullptr);
        while (!m_thread->wait(10))
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        delete m_thread;
    }
    RunningWork::instance().remove(this);
}

void BackgroundJob::start()
{
    if (m_running)
        return;
    m_running = true;
    m_cancel = false;
    delete m_thread;
    m_thread = QThread::create([this] { m_work(m_cancel); });
    connect(m_thread, &QThread::finished, this, [this] {
        m_running = false;
        RunningWork::instance().remove(this);
        emit finished();
    }, Qt::QueuedConnection);
    RunningWork::instance().add(this);
    m_thread->start();
}

RunningWork &RunningWork::instance()
{
    static RunningWork work;
    return work;
}

void RunningWork::cancelAll()
{
    for (BackgroundJob *job : std::as_const(m_jobs))
        job->cancel();
}

void RunningWork::add(BackgroundJob *job)
{
    if (!m_jobs.contains(job))
        m_jobs << job;
}

void RunningWork::remove(BackgroundJob *job)
{
    if (m_jobs.removeAll(job) > 0 && m_jobs.isEmpty())
        emit idle();
}
