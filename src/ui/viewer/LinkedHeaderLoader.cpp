#include "ui/viewer/LinkedHeaderLoader.h"

#include "core/history/HistoryRecord.h"

#include <QMutex>
#include <QThread>
#include <QWaitCondition>

namespace {

// A few screens of rows; what scrolled past before it was read is given up.
constexpr int kMaxWaiting = 96;
// Rows read before their answers go to the window thread together.
constexpr int kBatch = 8;
// An idle reader ends; the next drawn row starts another.
constexpr unsigned long kIdleMs = 5000;
// Closing the window waits at most this long for a read under way.
constexpr unsigned long kEndWaitMs = 500;

struct Request {
    int row;
    QByteArray head;
};

std::optional<WholeMailLink::WholeHeader> readOne(HistoryFile::Kind kind, const Request &request)
{
    const auto record = WholeMailLink::readLinkPart(kind, request.row + 1);
    if (!record)
        return std::nullopt;
    const HistoryRecord listed = HistoryRecord::fromBytes(request.head);
    if (record->Subject != listed.Subject || record->MailDate != listed.MailDate
        || record->Correspondent != listed.Correspondent)
        return std::nullopt;
    return WholeMailLink::readHeader(*record, kind);
}

} // namespace

struct LinkedHeaderLoader::Shared {
    QMutex mutex;
    QWaitCondition wake;
    LinkedHeaderLoader *receiver = nullptr;  // null once the loader is gone
    HistoryFile::Kind kind = HistoryFile::Kind::Received;
    quint64 generation = 0;
    QList<Request> waiting;  // the newest last
    bool running = false;

    static void work(const std::shared_ptr<Shared> &shared);
};

void LinkedHeaderLoader::Shared::work(const std::shared_ptr<Shared> &shared)
{
    QMutexLocker lock(&shared->mutex);
    while (true) {
        if (shared->waiting.isEmpty() && shared->receiver)
            shared->wake.wait(&shared->mutex, kIdleMs);
        if (!shared->receiver || shared->waiting.isEmpty()) {
            shared->running = false;
            return;
        }
        const HistoryFile::Kind kind = shared->kind;
        const quint64 generation = shared->generation;
        QList<Request> batch;
        while (!shared->waiting.isEmpty() && batch.size() < kBatch)
            batch << shared->waiting.takeLast();
        lock.unlock();

        QList<Result> results;
        for (const Request &request : std::as_const(batch))
            results << Result{request.row, readOne(kind, request)};

        lock.relock();
        if (LinkedHeaderLoader *receiver = shared->receiver; receiver && generation == shared->generation)
            QMetaObject::invokeMethod(
                receiver, [receiver, generation, results] { receiver->deliver(generation, results); },
                Qt::QueuedConnection);
    }
}

LinkedHeaderLoader::LinkedHeaderLoader(QObject *parent) : QObject(parent), m_shared(std::make_shared<Shared>())
{
    m_shared->receiver = this;
}

LinkedHeaderLoader::~LinkedHeaderLoader()
{
    {
        QMutexLocker lock(&m_shared->mutex);
        m_shared->receiver = nullptr;
        m_shared->waiting.clear();
        m_shared->wake.wakeAll();
    }
    // A read under way ends on its own; a stuck one is left to end later.
    if (m_thread)
        m_thread->wait(kEndWaitMs);
}

void LinkedHeaderLoader::restart(HistoryFile::Kind kind)
{
    QMutexLocker lock(&m_shared->mutex);
    m_shared->kind = kind;
    m_shared->generation = ++m_generation;
    m_shared->waiting.clear();
    m_pending = 0;
}

int LinkedHeaderLoader::request(int row, const QByteArray &head)
{
    // The head may borrow the list's own bytes; the reader gets a copy of its own.
    QByteArray copy(head.constData(), head.size());
    QMutexLocker lock(&m_shared->mutex);
    m_shared->waiting.append({row, std::move(copy)});
    ++m_pending;
    int dropped = -1;
    if (m_shared->waiting.size() > kMaxWaiting) {
        dropped = m_shared->waiting.takeFirst().row;
        --m_pending;
    }
    if (m_shared->running) {
        m_shared->wake.wakeOne();
        return dropped;
    }
    m_shared->running = true;
    QThread *thread = QThread::create([shared = m_shared] { Shared::work(shared); });
    thread->setObjectName(QStringLiteral("LinkedHeaderLoader"));
    connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    m_thread = thread;
    thread->start(QThread::LowPriority);
    return dropped;
}

void LinkedHeaderLoader::deliver(quint64 generation, const QList<Result> &results)
{
    if (generation != m_generation)
        return;
    m_pending -= static_cast<int>(results.size());
    emit loaded(results);
}
