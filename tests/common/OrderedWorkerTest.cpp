#include "core/common/OrderedWorker.h"

#include <gtest/gtest.h>

#include <QByteArray>

#include <atomic>
#include <chrono>
#include <thread>

namespace {

struct Job {
    int number = 0;
    qint64 weight = 1;
    int sleepUs = 0;
};

using Worker = OrderedWorker<Job, int>;

Worker::Weight byWeight()
{
    return [](const Job &job) { return job.weight; };
}

} // namespace

TEST(OrderedWorker, ResultsComeInTheOrderTheJobsWereGivenWhateverEachTakes)
{
    Worker worker([](Job &job) {
        std::this_thread::sleep_for(std::chrono::microseconds(job.sleepUs));
        return job.number;
    }, byWeight(), 5);
    QList<int> seen;
    for (int n = 1; n <= 200; ++n) {
        ASSERT_TRUE(worker.push({n, 1, (n * 37) % 7 * 50}));
        seen += worker.takeDone();
    }
    seen += worker.finish();
    ASSERT_EQ(seen.size(), 200);
    for (int n = 1; n <= 200; ++n)
        EXPECT_EQ(seen[n - 1], n);
    EXPECT_TRUE(worker.takeDone().isEmpty());
    EXPECT_TRUE(worker.finish().isEmpty());
}

TEST(OrderedWorker, AFastCallerIsHeldOnceTheWaitingJobsWeighTheBound)
{
    std::atomic_int started{0};
    std::atomic_bool release{false};
    Worker worker([&](Job &job) {
        ++started;
        while (!release)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        return job.number;
    }, byWeight(), 30);
    // 10 + 10 + 10 fill the bound; the fourth waits until room is made.
    for (int n = 1; n <= 3; ++n)
        ASSERT_TRUE(worker.push({n, 10}));
    std::atomic_bool fourthIn{false};
    std::thread caller([&] {
        worker.push({4, 10});
        fourthIn = true;
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(150));
    EXPECT_FALSE(fourthIn);
    EXPECT_EQ(started, 1);
    release = true;
    caller.join();
    EXPECT_TRUE(fourthIn);
    EXPECT_EQ(worker.finish(), (QList<int>{1, 2, 3, 4}));
}

TEST(OrderedWorker, AJobHeavierThanTheBoundStillGoesAlone)
{
    Worker worker([](Job &job) { return job.number; }, byWeight(), 10);
    ASSERT_TRUE(worker.push({1, 100}));
    ASSERT_TRUE(worker.push({2, 100}));
    EXPECT_EQ(worker.finish(), (QList<int>{1, 2}));
}

TEST(OrderedWorker, ACancelFreesAHeldCallerAndDropsItsJob)
{
    std::atomic_bool release{false};
    Worker worker([&](Job &job) {
        while (!release)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        return job.number;
    }, byWeight(), 1);
    ASSERT_TRUE(worker.push({1, 1}));
    std::atomic_bool cancel{false};
    std::thread stopper([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        cancel = true;
    });
    EXPECT_FALSE(worker.push({2, 1}, &cancel));
    stopper.join();
    release = true;
    EXPECT_EQ(worker.finish(), QList<int>{1});
}

TEST(OrderedWorker, JobsStillWaitingAreDoneBeforeItGoes)
{
    std::atomic_int done{0};
    {
        Worker worker([&](Job &job) {
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
            ++done;
            return job.number;
        }, byWeight(), 100);
        for (int n = 1; n <= 20; ++n)
            worker.push({n, 1});
    }
    EXPECT_EQ(done, 20);
}

TEST(OrderedWorker, AJobMovesItsDataToTheWorkerThread)
{
    // Implicitly shared bytes handed over and released on the other thread.
    OrderedWorker<QByteArray, qsizetype> worker([](QByteArray &bytes) {
        const qsizetype size = bytes.size();
        bytes = {};
        return size;
    }, [](const QByteArray &bytes) { return qint64(bytes.size()); }, 1 << 20);
    qsizetype total = 0;
    for (int n = 0; n < 500; ++n) {
        QByteArray bytes(4096 + n, 'x');
        ASSERT_TRUE(worker.push(std::move(bytes)));
        for (qsizetype size : worker.takeDone())
            total += size;
    }
    for (qsizetype size : worker.finish())
        total += size;
    EXPECT_EQ(total, 500 * 4096 + 499 * 500 / 2);
}
