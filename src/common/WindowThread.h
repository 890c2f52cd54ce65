#pragma once

#include <QCoreApplication>
#include <QMetaObject>
#include <QThread>

#include <type_traits>
#include <utility>

// Hand-over from a worker to the window thread, where every widget lives.
namespace WindowThread {

inline bool isCurrent()
{
    return !QCoreApplication::instance() || QThread::currentThread() == QCoreApplication::instance()->thread();
}

// Runs f on the window thread and waits for its result; on the window thread it
// simply runs. Used for boxes and answers the worker's flow must wait for.
template <class F>
auto call(F &&f) -> std::invoke_result_t<F>
{
    using Result = std::invoke_result_t<F>;
    if (isCurrent())
        return f();
    if constexpr (std::is_void_v<Result>) {
        QMetaObject::invokeMethod(QCoreApplication::instance(), std::forward<F>(f), Qt::BlockingQueuedConnection);
    } else {
        Result result{};
        QMetaObject::invokeMethod(QCoreApplication::instance(), std::forward<F>(f), Qt::BlockingQueuedConnection,
                                  &result);
        return result;
    }
}

// Queues f for the window thread without waiting (status texts, progress).
template <class F>
void post(F &&f)
{
    if (isCurrent()) {
        f();
        return;
    }
    QMetaObject::invokeMethod(QCoreApplication::instance(), std::forward<F>(f), Qt::QueuedConnection);
}

} // namespace WindowThread
