#include "core/search/SearchService.h"

#include <QMetaObject>

#include <sched.h>
#include <unistd.h>

SearchService &SearchService::instance()
{
    static SearchService service;
    return service;
}

bool SearchService::isStarted() const
{
    return m_thread.joinable();
}

void SearchService::start(int pollMs)
{
    if (m_thread.joinable())
        return;
    m_stop = false;
    m_index = std::make_unique<SearchIndex>();
    m_thread = std::thread([this, pollMs] { loop(pollMs); });
}

SearchIndex &SearchService::index()
{
    if (!m_index)
        m_index = std::make_unique<SearchIndex>();
    return *m_index;
}

void SearchService::stop()
{
    if (!m_thread.joinable())
        return;
    {
        std::lock_guard lock(m_mutex);
        m_stop = true;
    }
    m_wake.notify_all();
    m_thread.join();
    m_index->close();
}

void SearchService::catchUpSoon(QObject *context, std::function<void()> done)
{
    {
        std::lock_guard lock(m_mutex);
        m_asked = true;
        if (done)
            m_waiters.append({context, std::move(done)});
    }
    m_wake.notify_all();
}

void SearchService::loop(int pollMs)
{
    // The windows and a running check come first: a batch thread never takes
    // the processor from one that wakes. It is not lowered further, as a lowest
    // priority starves the build for as long as anything else on the machine is busy.
    sched_param normal{};
    sched_setscheduler(gettid(), SCHED_BATCH, &normal);
    QString notice;
    QString error;
    if (!m_index->open(&notice, &error))
        emit this->notice(error);
    else if (!notice.isEmpty())
        emit this->notice(notice);

    // A check or an import storing mail comes first: the catch-up waits behind
    // it and takes in what it stored once it is done, so the check is no slower.
    const auto storing = [] { return HistoryFile::storing(HistoryFile::Kind::Received); };
    while (!m_stop) {
        if (storing()) {
            std::unique_lock lock(m_mutex);
            m_wake.wait_for(lock, std::chrono::milliseconds(100), [this] { return m_stop.load(); });
            continue;
        }
        QList<Waiter> waiters;
        {
            std::lock_guard lock(m_mutex);
            m_asked = false;
            waiters = std::exchange(m_waiters, {});
        }
        m_index->catchUp([this](int indexed, int total) { emit progress(indexed, total); }, &m_stop, 200, storing);
        if (const QString mended = m_index->takeNotice(); !mended.isEmpty())
            emit this->notice(mended);
        if (storing()) {
            // Those waiting wait on, for the mail being stored now.
            std::lock_guard lock(m_mutex);
            m_waiters = waiters + m_waiters;
            continue;
        }
        for (const Waiter &waiter : waiters) {
            if (waiter.context)
                QMetaObject::invokeMethod(waiter.context, waiter.done, Qt::QueuedConnection);
        }
        m_index->tidy();
        std::unique_lock lock(m_mutex);
        m_wake.wait_for(lock, std::chrono::milliseconds(pollMs), [this] { return m_stop || m_asked; });
    }
}
