#pragma once

#include <QCoreApplication>
#include <QMetaObject>
#include <QThread>

#include <optional>
#include <type_traits>
#include <utility>

// Hand-over from a worker to the window thread, where every widget lives.
namespace WindowThread {

inline bool isCurrent()
{
    return !QCoreApplication::instance() || QThread::currentThread() == QCoreApplication::instance()->thread();
}

// Runs f on the window thread and waits for its result; on the window thread it
// simply runs. A call the window thread drops unanswered (the program is ending)
// gives unanswered, so a question left open is always a refusal.
template <class F, class R>
auto call(F &&f, R unanswered) -> std::invoke_result_t<F>
{
    using Result = std::invoke_result_t<F>;
    if (isCurrent())
        return f();
    std::optional<Result> result;
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [&result, &f] { result = f(); }, Qt::BlockingQueuedConnection);
    return result ? std::move(*result) : Result(std::move(unanswered));
}

// The same for work whose answer is no question (boxes, window updates).
template <class F>
auto call(F &&f) -> std::invoke_result_t<F>
{
    using Result = std::invoke_result_t<F>;
    if constexpr (std::is_void_v<Result>) {
        if (isCurrent())
            return f();
        QMetaObject::invokeMethod(QCoreApplication::instance(), std::forward<F>(f), Qt::BlockingQueuedConnection);
    } else {
        return call(std::forward<F>(f), Result{});
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
