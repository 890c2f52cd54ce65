#pragma once

#include <QObject>

#include <atomic>
#include <functional>

class QThread;

// One piece of blocking work (a mail check, a send) on a thread of its own. Its
// end is reported by finished() on the thread that started it. While it runs it
// is listed in RunningWork, so Esc on the launcher or the end of the program can
// cancel it.
class BackgroundJob : public QObject {
    Q_OBJECT
public:
    explicit BackgroundJob(std::function<void(const std::atomic_bool &cancel)> work, QObject *parent = nullptr);
    ~BackgroundJob() override;

    void start();
    bool isRunning() const { return m_running; }
    // Asks the work to stop; it looks at the flag at every wait.
    void cancel() { m_cancel = true; }
    bool cancelRequested() const { return m_cancel; }
    const std::atomic_bool &cancelFlag() const { return m_cancel; }

signals:
    void finished();

private:
    std::function<void(const std::atomic_bool &)> m_work;
    std::atomic_bool m_cancel{false};
    QThread *m_thread = nullptr;
    bool m_running = false;
};

// The jobs running now, for whoever must stop them all.
class RunningWork : public QObject {
    Q_OBJECT
public:
    static RunningWork &instance();

    bool busy() const { return !m_jobs.isEmpty(); }
    void cancelAll();

signals:
    // The last running job ended.
    void idle();

private:
    friend class BackgroundJob;
    void add(BackgroundJob *job);
    void remove(BackgroundJob *job);

    QList<BackgroundJob *> m_jobs;
};
