#pragma once

#include <QList>
#include <QtGlobal>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

// Does jobs one at a time on a thread of its own, in the order they were handed
// over, while the caller goes on with the next one. A caller that runs ahead is
// held once the jobs waiting weigh more than a bound, so memory stays bounded.
template <typename Job, typename Result>
class OrderedWorker {
public:
    using Work = std::function<Result(Job &)>;
    using Weight = std::function<qint64(const Job &)>;

    OrderedWorker(Work work, Weight weight, qint64 maxWeight)
        : m_work(std::move(work)), m_weight(std::move(weight)), m_maxWeight(maxWeight), m_thread([this] { loop(); })
    {
    }

    // Jobs still waiting are done before the thread ends.
    ~OrderedWorker()
    {
        {
            std::lock_guard lock(m_mutex);
            m_closing = true;
        }
        m_wake.notify_all();
        m_thread.join();
    }

    OrderedWorker(const OrderedWorker &) = delete;
    OrderedWorker &operator=(const OrderedWorker &) = delete;

    // Queues a job, waiting while the queue is full; false (and the job dropped)
    // when cancel is set meanwhile. A job heavier than the bound goes alone.
    bool push(Job job, const std::atomic_bool *cancel = nullptr)
    {
        const qint64 weight = m_weight(job);
        std::unique_lock lock(m_mutex);
        while (m_queuedWeight > 0 && m_queuedWeight + weight > m_maxWeight) {
            if (cancel && cancel->load())
                return false;
            m_changed.wait_for(lock, std::chrono::milliseconds(50));
        }
        m_jobs.push_back({std::move(job), weight});
        m_queuedWeight += weight;
        m_wake.notify_one();
        return true;
    }

    // The results finished since the last call, in order.
    QList<Result> takeDone()
    {
        std::lock_guard lock(m_mutex);
        return std::exchange(m_done, {});
    }

    // Waits until every job handed over is done; the results not yet taken.
    QList<Result> finish()
    {
        std::unique_lock lock(m_mutex);
        m_changed.wait(lock, [this] { return m_jobs.empty() && !m_busy; });
        return std::exchange(m_done, {});
    }

private:
    struct Entry {
        Job job;
        qint64 weight = 0;
    };

    void loop()
    {
        std::unique_lock lock(m_mutex);
        for (;;) {
            m_wake.wait(lock, [this] { return m_closing || !m_jobs.empty(); });
            if (m_jobs.empty())
                return;
            Entry entry = std::move(m_jobs.front());
            m_jobs.pop_front();
            m_busy = true;
            lock.unlock();
            Result result = m_work(entry.job);
            lock.lock();
            // A job weighs until it is done: its memory is held until then.
            m_queuedWeight -= entry.weight;
            m_busy = false;
            m_done.append(std::move(result));
            m_changed.notify_all();
        }
    }

    Work m_work;
    Weight m_weight;
    const qint64 m_maxWeight;
    std::mutex m_mutex;
    std::condition_variable m_wake;     // a job came, or the end
    std::condition_variable m_changed;  // a job is done
    std::deque<Entry> m_jobs;
    QList<Result> m_done;
    qint64 m_queuedWeight = 0;
    bool m_busy = false;
    bool m_closing = false;
    std::thread m_thread;  // last, so it starts once everything above exists
};
