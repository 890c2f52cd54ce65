#pragma once

#include "core/search/SearchIndex.h"

#include <QObject>
#include <QPointer>

#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

// The program's one owner of the search index. Catch-ups run on a thread of
// its own at the lowest priority, newest mail first; it looks at the histories
// now and then, so whatever a check, a send, an import or a deletion changed is
// taken in without anyone waiting for it. Searches use the same index from any
// worker (never from the window thread).
class SearchService : public QObject {
    Q_OBJECT
public:
    static SearchService &instance();

    // Opens the index and starts the first catch-up; the histories are looked
    // at every pollMs afterwards.
    void start(int pollMs = 1000);
    // Stops the catch-up between two batches and waits for its thread.
    void stop();
    bool isStarted() const;

    // Asks for a catch-up at once, and has done run on context's thread once
    // everything stored so far is indexed (or the catch-up failed).
    void catchUpSoon(QObject *context = nullptr, std::function<void()> done = {});

    // The index of the installation the service was started for (or of the current one).
    SearchIndex &index();

signals:
    // From the catch-up's thread; a queued connection brings them to a window.
    void progress(int indexed, int total);
    void notice(const QString &line);

private:
    SearchService() = default;
    void loop(int pollMs);

    std::unique_ptr<SearchIndex> m_index;
    std::thread m_thread;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::atomic_bool m_stop{false};
    bool m_asked = false;
    struct Waiter {
        QPointer<QObject> context;
        std::function<void()> done;
    };
    QList<Waiter> m_waiters;
};
