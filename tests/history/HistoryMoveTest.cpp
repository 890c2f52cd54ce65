#include "core/history/HistoryMove.h"

#include "core/history/HistoryFile.h"
#include "core/history/HistoryRecord.h"
#include "core/history/HistoryRecovery.h"
#include "support/Sandbox.h"

#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QProcess>
#include <QRandomGenerator>

#include <gtest/gtest.h>

#include <optional>
#include <thread>

namespace {

using Kind = HistoryFile::Kind;

HistoryRecord movedMail(const QString &subject)
{
    HistoryRecord record;
    record.Subject = subject;
    record.Correspondent = QStringLiteral("差出人 <a@example.jp>");
    record.MailDate = QStringLiteral("Tue, 8 Dec 2026 10:00:00 +0900");
    record.Body = QStringLiteral("本文 %1\r\n").arg(subject).repeated(40);
    return record;
}

// Every record's bytes, in file order.
QList<QByteArray> recordsOf(Kind kind)
{
    const HistoryFile file(kind);
    QList<QByteArray> records;
    for (int n = 1; n <= file.count(); ++n)
        records << *file.readBytes(n);
    return records;
}

QString subjectOf(const QByteArray &record)
{
    return HistoryRecord::fromBytes(record).trimmed().Subject;
}

QStringList subjects(Kind kind)
{
    QStringList out;
    for (const QByteArray &record : recordsOf(kind))
        out << subjectOf(record);
    return out;
}

// count mails in the received history and two in the junk history; the bytes
// of each, by subject.
QMap<QString, QByteArray> fillHistories(int count)
{
    HistoryFile received(Kind::Received);
    HistoryFile junk(Kind::Junk);
    for (int n = 1; n <= count; ++n)
        EXPECT_TRUE(received.append(movedMail(QStringLiteral("受信 %1").arg(n))).ok);
    for (int n = 1; n <= 2; ++n)
        EXPECT_TRUE(junk.append(movedMail(QStringLiteral("迷惑 %1").arg(n))).ok);
    QMap<QString, QByteArray> all;
    for (const Kind kind : {Kind::Received, Kind::Junk})
        for (const QByteArray &record : recordsOf(kind))
            all[subjectOf(record)] = record;
    return all;
}

// Each mail in exactly one of the two histories, byte for byte as it was, and
// no journal left.
void expectEachOnce(const QMap<QString, QByteArray> &before, const std::string &where)
{
    EXPECT_FALSE(QFileInfo::exists(HistoryMove::journalPath())) << where;
    QMap<QString, int> seen;
    for (const Kind kind : {Kind::Received, Kind::Junk}) {
        EXPECT_EQ(HistoryFile(kind).length() % HistoryRecord::kSize, 0) << where << ": a torn record";
        for (const QByteArray &record : recordsOf(kind)) {
            const QString subject = subjectOf(record);
            ++seen[subject];
            EXPECT_EQ(record, before.value(subject)) << where << ": " << subject.toStdString() << " changed";
        }
    }
    for (auto it = before.cbegin(); it != before.cend(); ++it)
        EXPECT_EQ(seen.value(it.key()), 1) << where << ": " << it.key().toStdString();
}

int runChild(const Sandbox &sandbox, const QStringList &args, int killAfterMs = -1)
{
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QStringLiteral(PINTORA_MOVE_CHILD), QStringList{sandbox.appDir()} + args);
    EXPECT_TRUE(child.waitForStarted());
    if (killAfterMs >= 0 && !child.waitForFinished(killAfterMs))
        child.kill();
    if (child.state() != QProcess::NotRunning)
        EXPECT_TRUE(child.waitForFinished(60000));
    return child.exitStatus() == QProcess::CrashExit ? -1 : child.exitCode();
}

} // namespace

TEST(HistoryMove, MovesRecordsBothWaysByteForByteKeepingTheOrderOfTheRest)
{
    Sandbox sandbox;
    const QMap<QString, QByteArray> before = fillHistories(5);

    const HistoryMove::Result toJunk = HistoryMove::run(Kind::Received, Kind::Junk, {4, 2, 4});
    ASSERT_TRUE(toJunk.ok) << toJunk.error.toStdString();
    EXPECT_EQ(toJunk.moved, 2);
    EXPECT_EQ(subjects(Kind::Received), (QStringList{"受信 1", "受信 3", "受信 5"}));
    EXPECT_EQ(subjects(Kind::Junk), (QStringList{"迷惑 1", "迷惑 2", "受信 2", "受信 4"}));
    expectEachOnce(before, "to junk");

    const HistoryMove::Result back = HistoryMove::run(Kind::Junk, Kind::Received, {3});
    ASSERT_TRUE(back.ok) << back.error.toStdString();
    EXPECT_EQ(subjects(Kind::Received), (QStringList{"受信 1", "受信 3", "受信 5", "受信 2"}));
    EXPECT_EQ(subjects(Kind::Junk), (QStringList{"迷惑 1", "迷惑 2", "受信 4"}));
    expectEachOnce(before, "back");

    // Nothing moves to or from the sent history, nor past the end of a history.
    EXPECT_FALSE(HistoryMove::run(Kind::Received, Kind::Sent, {1}).ok);
    const HistoryMove::Result missing = HistoryMove::run(Kind::Received, Kind::Junk, {1, 9});
    EXPECT_FALSE(missing.ok);
    EXPECT_FALSE(missing.error.isEmpty());
    expectEachOnce(before, "refused");
    EXPECT_EQ(subjects(Kind::Received).size(), 4);

    // A target that may not be written: nothing moves, and the box names the file.
    const QString junk = HistoryFile(Kind::Junk).path();
    ASSERT_TRUE(QFile::setPermissions(junk, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    const HistoryMove::Result refused = HistoryMove::run(Kind::Received, Kind::Junk, {1});
    QFile::setPermissions(junk, QFile::ReadOwner | QFile::WriteOwner);
    EXPECT_FALSE(refused.ok);
    EXPECT_TRUE(refused.error.contains(junk)) << refused.error.toStdString();
    EXPECT_EQ(subjects(Kind::Received).size(), 4);
    expectEachOnce(before, "not writable");
}

TEST(HistoryMove, WaitsForACheckStoringMailAndCanBeStoppedWhileItWaits)
{
    Sandbox sandbox;
    const QMap<QString, QByteArray> before = fillHistories(3);
    std::atomic_bool cancel = false;
    std::atomic_bool done = false;
    HistoryMove::Result result;
    std::optional<HistoryFile::AppendSession> check(std::in_place, Kind::Junk);
    std::thread mover([&] {
        result = HistoryMove::run(Kind::Received, Kind::Junk, {1}, {}, &cancel);
        done = true;
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    EXPECT_FALSE(done);
    cancel = true;
    mover.join();
    EXPECT_FALSE(result.ok);
    expectEachOnce(before, "stopped");
    EXPECT_EQ(subjects(Kind::Received).size(), 3);

    cancel = false;
    done = false;
    std::thread second([&] {
        result = HistoryMove::run(Kind::Received, Kind::Junk, {1}, {}, &cancel);
        done = true;
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    EXPECT_FALSE(done);
    // The check ends and the move goes on.
    check.reset();
    second.join();
    EXPECT_TRUE(result.ok) << result.error.toStdString();
    EXPECT_EQ(subjects(Kind::Junk).last(), QStringLiteral("受信 1"));
    expectEachOnce(before, "after the check");
}

TEST(HistoryMove, AKillAtEveryStepOrATornCopyLeavesEachMailInExactlyOneHistory)
{
    Sandbox sandbox;
    const QMap<QString, QByteArray> before = fillHistories(6);
    const QString received = HistoryFile(Kind::Received).path();
    const QString junk = HistoryFile(Kind::Junk).path();
    const QByteArray receivedBefore = Sandbox::readFile(received);
    const QByteArray junkBefore = Sandbox::readFile(junk);
    const auto restore = [&](const QByteArray &r, const QByteArray &j) {
        Sandbox::writeFile(received, r);
        Sandbox::writeFile(junk, j);
    };

    int killed = 0;
    for (int killAt = 1;; ++killAt) {
        restore(receivedBefore, junkBefore);
        const int exit = runChild(sandbox, {"received", "junk", QString::number(killAt), "2", "3", "6"});
        if (exit == 0)
            break;
        ASSERT_EQ(exit, -1) << "step " << killAt;
        ++killed;
        const bool journalLeft = QFileInfo::exists(HistoryMove::journalPath());
        const QByteArray r = Sandbox::readFile(received);
        const QByteArray j = Sandbox::readFile(junk);
        const QByteArray journal = journalLeft ? Sandbox::readFile(HistoryMove::journalPath()) : QByteArray();
        const std::string where = "killed at step " + std::to_string(killAt);
        if (killAt % 2 == 0) {
            ASSERT_TRUE(HistoryRecovery::atStart().isEmpty()) << where;
        } else {
            // Met first by a check storing junk, it is settled before anything is appended.
            const HistoryFile::AppendSession check(Kind::Junk);
            ASSERT_TRUE(check.unsettled().isEmpty()) << where;
        }
        expectEachOnce(before, where);

        // The same moment, with the last copy only half on disk (a power cut).
        if (journalLeft && r == receivedBefore && j.size() > junkBefore.size()) {
            restore(r, j.left(j.size() - HistoryRecord::kSize / 2));
            Sandbox::writeFile(HistoryMove::journalPath(), journal);
            ASSERT_TRUE(HistoryRecovery::atStart().isEmpty()) << where << ", torn";
            expectEachOnce(before, where + ", torn");
        }
        if (::testing::Test::HasFailure())
            return;
    }
    EXPECT_GE(killed, 6);  // the journal, three copies, the rewrite, the end
    expectEachOnce(before, "the move that ran through");
    EXPECT_EQ(subjects(Kind::Junk).mid(2), (QStringList{"受信 2", "受信 3", "受信 6"}));
}

TEST(HistoryMove, KillsAtRandomMomentsOfALargeMoveLeaveEachMailOnce)
{
    Sandbox sandbox;
    const QMap<QString, QByteArray> before = fillHistories(400);
    QStringList numbers;
    for (int n = 1; n <= 400; n += 7)
        numbers << QString::number(n);
    const QByteArray receivedBefore = Sandbox::readFile(HistoryFile(Kind::Received).path());
    const QByteArray junkBefore = Sandbox::readFile(HistoryFile(Kind::Junk).path());
    for (int run = 0; run < 12; ++run) {
        Sandbox::writeFile(HistoryFile(Kind::Received).path(), receivedBefore);
        Sandbox::writeFile(HistoryFile(Kind::Junk).path(), junkBefore);
        const int delay = int(QRandomGenerator::global()->bounded(5, 120));
        runChild(sandbox, QStringList{"received", "junk", "0"} + numbers, delay);
        const std::string where = "killed after " + std::to_string(delay) + " ms";
        ASSERT_TRUE(HistoryRecovery::atStart().isEmpty()) << where;
        expectEachOnce(before, where);
        if (::testing::Test::HasFailure())
            return;
    }
}

TEST(HistoryMove, AJournalThatDoesNotHoldTogetherChangesNothing)
{
    Sandbox sandbox;
    const QMap<QString, QByteArray> before = fillHistories(3);
    const QByteArray received = Sandbox::readFile(HistoryFile(Kind::Received).path());
    const QByteArray junk = Sandbox::readFile(HistoryFile(Kind::Junk).path());
    for (const QByteArray &text : {QByteArray("M 0 2 0 1\n"), QByteArray("M 0 2 0 1\nR 1 abc\nE 1\n"),
                                   QByteArray("garbage"), QByteArray("M 0 1 0 1\nR 1 ") + QByteArray(64, 'a')
                                       + "\nE 1\n"}) {
        Sandbox::writeFile(HistoryMove::journalPath(), text);
        EXPECT_TRUE(HistoryRecovery::atStart().isEmpty());
        EXPECT_EQ(Sandbox::readFile(HistoryFile(Kind::Received).path()), received);
        EXPECT_EQ(Sandbox::readFile(HistoryFile(Kind::Junk).path()), junk);
        expectEachOnce(before, text.toStdString());
    }
}
