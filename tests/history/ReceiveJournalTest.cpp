#include "core/history/ReceiveJournal.h"

#include "core/common/AppPaths.h"
#include "core/history/HistoryFile.h"
#include "core/history/HistoryRecord.h"
#include "core/history/HistoryRecovery.h"
#include "core/history/ReceivedMailIds.h"
#include "core/common/SafeFile.h"
#include "support/Sandbox.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>

#include <gtest/gtest.h>

namespace {

QString attachments()
{
    return QDir(AppPaths::resolve(AppPaths::kAttachmentFolder)).absolutePath();
}

HistoryRecord mail(int n)
{
    HistoryRecord record;
    record.Subject = QStringLiteral("mail %1").arg(n);
    record.Correspondent = QStringLiteral("a@example.jp");
    record.Body = QStringLiteral("body %1").arg(n);
    return record;
}

QByteArray uidOf(int n)
{
    return "uid-" + QByteArray::number(n);
}

// Where the check of these tests puts mail n: every third one is junk.
HistoryFile::Kind kindOf(int n)
{
    return n % 3 == 0 ? HistoryFile::Kind::Junk : HistoryFile::Kind::Received;
}

// Every file a check touches, as bytes, so a state can be put back exactly.
struct DiskState {
    QMap<QString, QByteArray> files;

    static DiskState take(const QStringList &paths)
    {
        DiskState state;
        for (const QString &path : paths)
            if (QFileInfo::exists(path))
                state.files[path] = Sandbox::readFile(path);
        return state;
    }

    void restore(const QStringList &paths) const
    {
        for (const QString &path : paths) {
            QFile::remove(path);
            if (files.contains(path))
                Sandbox::writeFile(path, files[path]);
        }
    }
};

// The writes of a check that stores mails 1..count, with a file for every
// odd mail and every third mail as junk, through the same journal and
// histories the check uses; a snapshot
// after each write, together with what had been flushed by then.
struct CheckWrites {
    QList<DiskState> written;  // what the page cache holds: a kill -9 leaves this
    QList<DiskState> synced;   // what a power cut cannot take: the last flush of each file
    QStringList paths;
};

CheckWrites storeMails(int count, const QString &idsPath)
{
    CheckWrites run;
    const QString history = HistoryFile(HistoryFile::Kind::Received).path();
    const QString junk = HistoryFile(HistoryFile::Kind::Junk).path();
    run.paths << history << junk << ReceiveJournal::path() << idsPath;
    for (int n = 1; n <= count; n += 2)
        run.paths << attachments() + QStringLiteral("/file-%1.bin").arg(n);

    DiskState flushed = DiskState::take(run.paths);
    const auto step = [&](const QStringList &nowSynced) {
        const DiskState now = DiskState::take(run.paths);
        for (const QString &path : nowSynced) {
            if (now.files.contains(path))
                flushed.files[path] = now.files[path];
        }
        run.written << now;
        run.synced << flushed;
    };

    ReceiveJournal journal;
    HistoryFile received(HistoryFile::Kind::Received);
    HistoryFile junkFile(HistoryFile::Kind::Junk);
    EXPECT_TRUE(journal.begin(received.length(), junkFile.length(), idsPath));
    // The journal's start and every planned file are synced when written.
    step({ReceiveJournal::path()});
    for (int n = 1; n <= count; ++n) {
        if (n % 2 == 1) {
            const QString made = attachments() + QStringLiteral("/file-%1.bin").arg(n);
            EXPECT_TRUE(journal.plan(n, {made}));
            step({ReceiveJournal::path()});
            Sandbox::writeFile(made, "content " + QByteArray::number(n));
            step({made});  // the check flushes a mail's files before its record
        }
        HistoryFile &file = kindOf(n) == HistoryFile::Kind::Junk ? junkFile : received;
        const auto stored = file.append(mail(n), [&](qint64 offset, const QByteArray &bytes) {
            return journal.intend(n, kindOf(n), offset, bytes, uidOf(n), false);
        });
        EXPECT_TRUE(stored.ok);
        step({});
    }
    // The end of a check: history and journal, then ids, then the journal goes.
    EXPECT_TRUE(journal.sync());
    step({history, junk, ReceiveJournal::path()});
    ReceivedMailIds ids = ReceivedMailIds::atPath(idsPath);
    ReceivedMailIds::Ids all = ids.load();
    for (int n = 1; n <= count; ++n)
        all[uidOf(n)] = {};
    EXPECT_TRUE(ids.rewrite(all));
    step({idsPath});
    journal.close();
    step({ReceiveJournal::path()});
    return run;
}

// What a power cut may leave of one file: the flushed content, with the
// unflushed writes after it kept up to a page boundary (a torn write) or whole.
QList<QByteArray> cutsOf(const QByteArray &flushed, const QByteArray &written)
{
    if (flushed == written)
        return {written};
    QList<QByteArray> cuts{flushed, written};
    if (written.startsWith(flushed)) {
        for (qsizetype at = (flushed.size() / 4096 + 1) * 4096; at < written.size(); at += 4096 * 3)
            cuts << written.left(at);
    }
    return cuts;
}

// After recovery and the check that follows: every mail stored exactly once,
// in the history it was meant for, a file only beside a stored mail, and the
// journal gone.
void expectSettled(int count, const QString &idsPath, const std::string &where)
{
    const ReceiveJournal::Recovery recovered = ReceiveJournal::recover();
    ASSERT_TRUE(recovered.error.isEmpty()) << where;
    EXPECT_FALSE(QFileInfo::exists(ReceiveJournal::path())) << where;

    const ReceivedMailIds::Ids ids = ReceivedMailIds::atPath(idsPath).load();
    QMap<QString, int> stored;
    for (const HistoryFile::Kind kind : {HistoryFile::Kind::Received, HistoryFile::Kind::Junk}) {
        const HistoryFile file(kind);
        EXPECT_EQ(file.length() % HistoryRecord::kSize, 0) << where << ": a torn record";
        for (int r = 1; r <= file.count(); ++r) {
            const QString subject = file.read(r)->trimmed().Subject;
            ++stored[subject];
            const bool meant = subject == QStringLiteral("old") || kindOf(subject.mid(5).toInt()) == kind;
            EXPECT_TRUE(meant) << where << ": " << subject.toStdString() << " in the wrong history";
        }
    }
    for (int n = 1; n <= count; ++n) {
        const QString subject = QStringLiteral("mail %1").arg(n);
        const int inHistory = stored.value(subject);
        // The next check fetches what no id marks as stored.
        const int afterNextCheck = inHistory + (ids.contains(uidOf(n)) ? 0 : 1);
        EXPECT_EQ(afterNextCheck, 1) << where << ", mail " << n << ": " << inHistory << " in the history";
        if (ids.contains(uidOf(n)))
            EXPECT_EQ(inHistory, 1) << where << ", mail " << n << " has an id but no record";
        if (n % 2 == 1) {
            const bool made = QFileInfo::exists(attachments() + QStringLiteral("/file-%1.bin").arg(n));
            EXPECT_TRUE(!made || inHistory == 1) << where << ", mail " << n << ": a file left over";
        }
    }
}

TEST(ReceiveJournal, EveryStateAKillOrAPowerCutLeavesIsSettled)
{
    Sandbox sandbox;
    constexpr int kMails = 4;
    const QString idsPath = AppPaths::resolve(AppPaths::kDataFolder + QStringLiteral("\\uidl-test.txt"));
    // Records from before the check must come through every state untouched.
    HistoryFile file(HistoryFile::Kind::Received);
    HistoryRecord old = mail(0);
    old.Subject = QStringLiteral("old");
    ASSERT_TRUE(file.append(old).ok);
    ASSERT_TRUE(SafeFile::flush(file.path()));

    const DiskState before = DiskState::take({file.path()});
    const CheckWrites run = storeMails(kMails, idsPath);
    ASSERT_FALSE(run.written.isEmpty());

    int states = 0;
    for (qsizetype k = 0; k < run.written.size(); ++k) {
        const DiskState &written = run.written[k];
        const DiskState &flushed = run.synced[k];
        // kill -9: everything written survives.
        QList<DiskState> candidates{written};
        // Power cut: each file independently at its flushed content or any cut of what followed.
        QList<DiskState> cuts{DiskState{}};
        for (const QString &path : run.paths) {
            const bool wasWritten = written.files.contains(path);
            const bool wasFlushed = flushed.files.contains(path);
            QList<QByteArray> options;
            if (wasWritten)
                options = cutsOf(flushed.files.value(path), written.files[path]);
            QList<DiskState> next;
            for (const DiskState &partial : cuts) {
                if (!wasFlushed) {
                    // A file never flushed may not exist at all.
                    next << partial;
                }
                for (const QByteArray &option : options) {
                    DiskState with = partial;
                    with.files[path] = option;
                    next << with;
                }
                if (!wasWritten && wasFlushed)
                    next << partial;  // flushed, then removed: both are possible
            }
            cuts = next;
        }
        candidates += cuts;
        for (qsizetype c = 0; c < candidates.size(); ++c) {
            DiskState state = candidates[c];
            // Records from before the check were on disk all along.
            if (!state.files.contains(file.path()) || !state.files[file.path()].startsWith(before.files[file.path()]))
                continue;
            state.restore(run.paths);
            expectSettled(kMails, idsPath, "step " + std::to_string(k) + " state " + std::to_string(c));
            EXPECT_EQ(file.read(1)->trimmed().Subject, QStringLiteral("old"));
            ++states;
            if (::testing::Test::HasFailure())
                return;
        }
    }
    EXPECT_GT(states, 100);
}

TEST(ReceiveJournal, AJournalWithoutItsStartOrWithATornLineChangesNothingItCannotProve)
{
    Sandbox sandbox;
    HistoryFile file(HistoryFile::Kind::Received);
    ASSERT_TRUE(file.append(mail(1)).ok);
    // Cut before its end of line, the start says nothing.
    Sandbox::writeFile(ReceiveJournal::path(), "S 0 x");
    const auto recovered = ReceiveJournal::recover();
    EXPECT_TRUE(recovered.found);
    EXPECT_TRUE(recovered.error.isEmpty());
    EXPECT_EQ(file.count(), 1);
    EXPECT_FALSE(QFileInfo::exists(ReceiveJournal::path()));
    // No journal: nothing to do.
    EXPECT_FALSE(ReceiveJournal::recover().found);
}

TEST(ReceiveJournal, OnlyFilesInTheAttachmentFolderAreEverRemoved)
{
    Sandbox sandbox;
    const QString outside = sandbox.workPath(QStringLiteral("mine.txt"));
    const QString inside = attachments() + QStringLiteral("/planned.bin");
    Sandbox::writeFile(outside, "the user's own file");
    Sandbox::writeFile(inside, "half");
    ReceiveJournal journal;
    ASSERT_TRUE(journal.begin(0, 0, AppPaths::resolve(AppPaths::kDataFolder + QStringLiteral("\\uidl-x.txt"))));
    ASSERT_TRUE(journal.plan(1, {outside, inside}));
    const auto recovered = ReceiveJournal::recover();
    EXPECT_EQ(recovered.removed, QStringList{inside});
    EXPECT_TRUE(QFileInfo::exists(outside));
    EXPECT_FALSE(QFileInfo::exists(inside));
}

TEST(ReceiveJournal, OnlyAnIdFileOfTheDataFolderIsEverWritten)
{
    Sandbox sandbox;
    HistoryFile file(HistoryFile::Kind::Received);
    const QString outside = sandbox.workPath(QStringLiteral("uidl-mine.txt"));
    const QString deleted = AppPaths::resolve(AppPaths::kDataFolder + QStringLiteral("\\uidl-deleted.txt"));
    const QString own = AppPaths::resolve(AppPaths::kDataFolder + QStringLiteral("\\uidl-0123.txt"));
    for (const QString &named : {outside, deleted, own}) {
        Sandbox::writeFile(outside, "the user's own file\n");
        Sandbox::writeFile(deleted, "");
        QFile::remove(own);
        ASSERT_TRUE(QFile::resize(file.path(), 0) || !QFileInfo::exists(file.path()));
        // A journal that vouches for a whole record and names where its id goes.
        ReceiveJournal journal;
        ASSERT_TRUE(journal.begin(0, 0, named));
        const QByteArray record = mail(1).toBytes();
        ASSERT_TRUE(journal.intend(1, HistoryFile::Kind::Received, 0, record, uidOf(1), false));
        ASSERT_TRUE(journal.sync());
        ASSERT_TRUE(file.append(mail(1)).ok);
        const auto recovered = ReceiveJournal::recover();
        EXPECT_EQ(recovered.confirmed, 1);
        EXPECT_EQ(Sandbox::readFile(outside), "the user's own file\n");
        EXPECT_EQ(Sandbox::readFile(deleted), "");
        EXPECT_EQ(ReceivedMailIds::atPath(own).load().contains(uidOf(1)), named == own);
    }
}

// A check cut short after mail 1's record and mail 2's files: mail 2's record
// never arrived. Both mails come from a server with ids when uid is given.
TEST(ReceiveJournal, FilesOfAMailWhoseRecordNeverArrivedGoWithOrWithoutIds)
{
    for (const QByteArray &uid : {QByteArray(), uidOf(1)}) {
        Sandbox sandbox;
        const QString idsPath = AppPaths::resolve(AppPaths::kDataFolder + QStringLiteral("\\uidl-0123456789abcdef.txt"));
        const QString kept = attachments() + QStringLiteral("/A-att-01.bin");
        const QStringList unborn = {attachments() + QStringLiteral("/B-att-01.bin"),
                                    attachments() + QStringLiteral("/B-whole.eml")};
        HistoryFile file(HistoryFile::Kind::Received);
        {
            ReceiveJournal journal;
            ASSERT_TRUE(journal.begin(file.length(), 0, idsPath));
            ASSERT_TRUE(journal.plan(1, {kept}));
            Sandbox::writeFile(kept, "first");
            ASSERT_TRUE(file.append(mail(1), [&](qint64 offset, const QByteArray &bytes) {
                return journal.intend(1, HistoryFile::Kind::Received, offset, bytes, uid, false);
            }).ok);
            ASSERT_TRUE(journal.plan(2, unborn));
            for (const QString &made : unborn)
                Sandbox::writeFile(made, "second");
        }

        const auto recovered = ReceiveJournal::recover();
        const std::string with = uid.isEmpty() ? "without ids" : "with ids";
        ASSERT_TRUE(recovered.error.isEmpty()) << with;
        EXPECT_EQ(recovered.confirmed, 1) << with;
        EXPECT_EQ(recovered.removed, unborn) << with;
        for (const QString &made : unborn)
            EXPECT_FALSE(QFileInfo::exists(made)) << with;
        EXPECT_TRUE(QFileInfo::exists(kept)) << with;
        EXPECT_FALSE(QFileInfo::exists(ReceiveJournal::path())) << with;
        EXPECT_EQ(file.count(), 1) << with;
        EXPECT_EQ(ReceivedMailIds::atPath(idsPath).load().contains(uidOf(1)), !uid.isEmpty()) << with;
    }
}

// A journal written before the junk history existed has no J lines: it
// settles the received history as it always did and leaves the junk one alone.
TEST(ReceiveJournal, AnOlderJournalWithoutTheJunkHistoryStillSettlesTheReceivedOne)
{
    Sandbox sandbox;
    const QString idsPath = AppPaths::resolve(AppPaths::kDataFolder + QStringLiteral("\\uidl-0123.txt"));
    HistoryFile received(HistoryFile::Kind::Received);
    HistoryFile junk(HistoryFile::Kind::Junk);
    ASSERT_TRUE(junk.append(mail(9)).ok);
    const QByteArray junkBefore = Sandbox::readFile(junk.path());
    ASSERT_TRUE(received.append(mail(1)).ok);
    const QByteArray whole = Sandbox::readFile(received.path());
    // Mail 1 whole, mail 2 torn by the crash.
    Sandbox::writeFile(received.path(), whole + mail(2).toBytes().left(1000));
    QFile journal(ReceiveJournal::path());
    ASSERT_TRUE(journal.open(QIODevice::WriteOnly));
    QCryptographicHash sum(QCryptographicHash::Sha256);
    sum.addData(whole);
    journal.write("S 0 " + idsPath.toUtf8().toPercentEncoding() + "\nR 1 0 " + sum.result().toHex() + " "
                  + uidOf(1) + " 0\nR 2 " + QByteArray::number(HistoryRecord::kSize) + " 00 " + uidOf(2) + " 0\n");
    journal.close();

    const auto recovered = ReceiveJournal::recover();
    ASSERT_TRUE(recovered.error.isEmpty());
    EXPECT_EQ(recovered.confirmed, 1);
    EXPECT_EQ(recovered.dropped, 1);
    EXPECT_EQ(Sandbox::readFile(received.path()), whole);
    EXPECT_EQ(Sandbox::readFile(junk.path()), junkBefore);
    const ReceivedMailIds::Ids ids = ReceivedMailIds::atPath(idsPath).load();
    EXPECT_TRUE(ids.contains(uidOf(1)));
    EXPECT_FALSE(ids.contains(uidOf(2)));
}

// Each history is cut back on its own: a junk record torn by the crash goes,
// the received record written after it stays, and only its id is noted.
TEST(ReceiveJournal, BothHistoriesAreConfirmedAndCutTheSameWay)
{
    Sandbox sandbox;
    const QString idsPath = AppPaths::resolve(AppPaths::kDataFolder + QStringLiteral("\\uidl-0123.txt"));
    HistoryFile received(HistoryFile::Kind::Received);
    HistoryFile junk(HistoryFile::Kind::Junk);
    ASSERT_TRUE(junk.append(mail(0)).ok);
    const QByteArray junkBefore = Sandbox::readFile(junk.path());
    {
        ReceiveJournal journal;
        ASSERT_TRUE(journal.begin(received.length(), junk.length(), idsPath));
        for (int n = 1; n <= 3; ++n) {
            HistoryFile &file = n == 2 ? received : junk;
            ASSERT_TRUE(file.append(mail(n), [&](qint64 offset, const QByteArray &bytes) {
                return journal.intend(n, file.kind(), offset, bytes, uidOf(n), false);
            }).ok);
        }
        ASSERT_TRUE(journal.sync());
    }
    // The crash tore mail 3, the second junk record.
    const QByteArray junkWritten = Sandbox::readFile(junk.path());
    Sandbox::writeFile(junk.path(), junkWritten.left(junkWritten.size() - 100));

    const auto recovered = ReceiveJournal::recover();
    ASSERT_TRUE(recovered.error.isEmpty());
    EXPECT_EQ(recovered.confirmed, 2);
    EXPECT_EQ(recovered.dropped, 1);
    EXPECT_EQ(received.count(), 1);
    EXPECT_EQ(received.read(1)->trimmed().Subject, QStringLiteral("mail 2"));
    ASSERT_EQ(junk.length(), 2 * HistoryRecord::kSize);
    EXPECT_TRUE(Sandbox::readFile(junk.path()).startsWith(junkBefore));
    EXPECT_EQ(junk.read(2)->trimmed().Subject, QStringLiteral("mail 1"));
    const ReceivedMailIds::Ids ids = ReceivedMailIds::atPath(idsPath).load();
    EXPECT_TRUE(ids.contains(uidOf(1)));
    EXPECT_TRUE(ids.contains(uidOf(2)));
    EXPECT_FALSE(ids.contains(uidOf(3)));
    EXPECT_FALSE(QFileInfo::exists(ReceiveJournal::path()));
}

// Without a journal, the start still cuts a record torn at the end of the
// junk history, which the next check would otherwise append behind.
TEST(ReceiveJournal, TheStartCutsATornTailOfTheJunkHistoryToo)
{
    Sandbox sandbox;
    HistoryFile junk(HistoryFile::Kind::Junk);
    ASSERT_TRUE(junk.append(mail(1)).ok);
    const QByteArray whole = Sandbox::readFile(junk.path());
    Sandbox::writeFile(junk.path(), whole + mail(2).toBytes().left(500));
    EXPECT_EQ(HistoryRecovery::atStart(), QString());
    EXPECT_EQ(Sandbox::readFile(junk.path()), whole);
}

} // namespace
