// The order in which the start-up's recovery puts things on disk, read from the
// system calls of a real start (recovery_child) under strace: a power cut
// between any two of them must never lose a change whose journal is gone.
#include "core/common/AppPaths.h"
#include "core/history/HistoryFile.h"
#include "core/history/HistoryRecord.h"
#include "core/history/ReceiveJournal.h"
#include "support/Sandbox.h"

#include <QDir>
#include <QHash>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <functional>
#include <optional>

namespace {

struct Call {
    QByteArray name;
    QStringList paths;  // every path argument, absolute, with descriptors shown as their files
    bool ok = false;
    QString line;
};

// Undoes strace's quoting (-x): \xHH, octal and the C escapes.
QString unquote(const QByteArray &text)
{
    QByteArray bytes;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            bytes += text[i];
            continue;
        }
        const char c = text[++i];
        if (c == 'x' && i + 2 < text.size()) {
            bytes += char(text.mid(i + 1, 2).toInt(nullptr, 16));
            i += 2;
        } else if (c >= '0' && c <= '7') {
            qsizetype end = i;
            while (end < text.size() && end < i + 3 && text[end] >= '0' && text[end] <= '7')
                ++end;
            bytes += char(text.mid(i, end - i).toInt(nullptr, 8));
            i = end - 1;
        } else {
            static const QByteArray from = "ntrvf", to = "\n\t\r\v\f";
            const qsizetype at = from.indexOf(c);
            bytes += at >= 0 ? to[at] : c;
        }
    }
    return QString::fromUtf8(bytes);
}

QString canonical(const QString &path)
{
    const QFileInfo info(path);
    const QString folder = QFileInfo(info.absolutePath()).canonicalFilePath();
    return folder.isEmpty() ? QDir::cleanPath(path) : folder + u'/' + info.fileName();
}

// One call of strace's log: "PID name(args) = result". Paths given relative to
// a descriptor or the working directory are made whole.
std::optional<Call> parse(const QByteArray &text, const QString &cwd)
{
    const qsizetype open = text.indexOf('(');
    if (open < 0)
        return std::nullopt;
    Call call;
    call.name = text.left(open).trimmed();
    QString base = cwd;
    qsizetype i = open + 1;
    QByteArray token;
    int depth = 0;
    bool afterFolder = false;
    const auto take = [&] {
        const QByteArray t = token.trimmed();
        token.clear();
        const qsizetype angle = t.indexOf('<');
        if (angle > 0 && t.endsWith('>') && std::all_of(t.begin(), t.begin() + angle, ::isdigit)) {
            base = unquote(t.mid(angle + 1, t.size() - angle - 2));
            call.paths << base;
            afterFolder = true;
        } else if (t.startsWith('"') && t.endsWith('"') && t.size() >= 2) {
            const QString path = unquote(t.mid(1, t.size() - 2));
            // A name relative to a folder's descriptor stands in for that folder.
            if (afterFolder && !path.startsWith(u'/'))
                call.paths.removeLast();
            call.paths << canonical(path.startsWith(u'/') ? path : base + u'/' + path);
            base = cwd;
            afterFolder = false;
        } else {
            if (t == "AT_FDCWD")
                base = cwd;
            afterFolder = false;
        }
    };
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '"' || c == '<') {
            const char close = c == '"' ? '"' : '>';
            token += c;
            for (++i; i < text.size() && text[i] != close; ++i) {
                token += text[i];
                if (text[i] == '\\' && i + 1 < text.size())
                    token += text[++i];
            }
            token += close;
        } else if (c == '(' || c == '[' || c == '{') {
            ++depth;
            token += c;
        } else if ((c == ')' || c == ']' || c == '}') && depth > 0) {
            --depth;
            token += c;
        } else if (c == ')' && depth == 0) {
            take();
            break;
        } else if (c == ',' && depth == 0) {
            take();
        } else {
            token += c;
        }
    }
    const QByteArray result = text.mid(i + 1).trimmed();
    call.ok = result.startsWith("= ") && !result.startsWith("= -1");
    // strace writes a path with any byte beyond ASCII wholly in hex.
    call.line = QString::fromLatin1(call.name) + u'(' + call.paths.join(QStringLiteral(", ")) + QStringLiteral(") ")
        + QString::fromUtf8(result);
    return call;
}

QList<Call> readLog(const QString &log, const QString &cwd)
{
    QFile file(log);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<Call> calls;
    QHash<QByteArray, QPair<qsizetype, QByteArray>> unfinished;  // by process: the call's place, its start
    for (const QByteArray &raw : file.readAll().split('\n')) {
        const qsizetype space = raw.indexOf(' ');
        if (space < 0)
            continue;
        const QByteArray pid = raw.left(space);
        QByteArray rest = raw.mid(space + 1).trimmed();
        if (rest.endsWith("<unfinished ...>")) {
            rest.chop(int(sizeof "<unfinished ...>" - 1));
            unfinished[pid] = {calls.size(), rest};
            calls << Call{};  // keeps the call's place in the order it began
            continue;
        }
        if (rest.startsWith("<... ")) {
            const auto started = unfinished.take(pid);
            const qsizetype resumed = rest.indexOf("resumed>");
            if (resumed < 0 || started.second.isEmpty())
                continue;
            if (const auto call = parse(started.second + rest.mid(resumed + 8), cwd))
                calls[started.first] = *call;
            continue;
        }
        if (const auto call = parse(rest, cwd))
            calls << *call;
    }
    calls.removeIf([](const Call &call) { return call.name.isEmpty(); });
    return calls;
}

bool isFlush(const Call &call)
{
    return call.ok && (call.name == "fsync" || call.name == "fdatasync");
}

bool isRemoval(const Call &call)
{
    return call.ok && (call.name == "unlink" || call.name == "unlinkat");
}

bool isRename(const Call &call)
{
    return call.ok && call.name.startsWith("rename");
}

// What a power cut needs of everything recovery changed: on disk before the
// journal that asks for it goes, and the journal's removal on disk at the end.
struct Recorded {
    QList<Call> calls;
    QString attachments, data, history, journal, lock;

    qsizetype find(const std::function<bool(const Call &)> &match, qsizetype from = 0) const
    {
        for (qsizetype k = from; k < calls.size(); ++k)
            if (match(calls[k]))
                return k;
        return -1;
    }
    bool flushedBetween(qsizetype from, qsizetype to, const QString &path) const
    {
        for (qsizetype k = from + 1; k < to && k < calls.size(); ++k)
            if ((isFlush(calls[k]) && calls[k].paths.value(0) == path) || (calls[k].ok && calls[k].name == "syncfs"))
                return true;
        return false;
    }
    qsizetype journalGoes() const
    {
        return find([&](const Call &c) { return isRemoval(c) && c.paths.contains(journal); });
    }
    QString dump() const
    {
        QString all;
        for (const Call &call : calls)
            all += call.line + u'\n';
        return all;
    }

    void expectDurableBeforeTheJournalGoes() const
    {
        const qsizetype gone = journalGoes();
        ASSERT_GE(gone, 0) << "the journal was never removed:\n" << qPrintable(dump());
        for (qsizetype k = 0; k < gone; ++k) {
            const Call &call = calls[k];
            const QString what = call.line;
            if (isRemoval(call) && QFileInfo(call.paths.value(0)).path() == attachments)
                EXPECT_TRUE(flushedBetween(k, gone, attachments)) << "removal not synced: " << qPrintable(what);
            if (call.ok && call.name.endsWith("truncate") && call.paths.value(0) == history)
                EXPECT_TRUE(flushedBetween(k, gone, history)) << "cut not synced: " << qPrintable(what);
            if (isRename(call) && call.paths.size() == 2 && QFileInfo(call.paths[1]).path() == data) {
                const QString from = call.paths[0];
                EXPECT_TRUE(find([&](const Call &c) { return isFlush(c) && c.paths.value(0) == from; }) < k
                            && find([&](const Call &c) { return isFlush(c) && c.paths.value(0) == from; }) >= 0)
                    << "content not synced before its rename: " << qPrintable(what);
                EXPECT_TRUE(flushedBetween(k, gone, data)) << "rename not synced: " << qPrintable(what);
            }
        }
        EXPECT_TRUE(flushedBetween(gone, calls.size(), data)) << "the journal's removal is never synced";
    }
};

class RecoveryOrder : public ::testing::Test {
protected:
    QString attachments() const { return QFileInfo(AppPaths::resolve(AppPaths::kAttachmentFolder)).canonicalFilePath(); }
    QString dataFolder() const { return QFileInfo(AppPaths::resolve(AppPaths::kDataFolder)).canonicalFilePath(); }
    QString attachment(const QString &name) const
    {
        return QDir(AppPaths::resolve(AppPaths::kAttachmentFolder)).absoluteFilePath(name);
    }
    QString idsPath() const
    {
        return AppPaths::resolve(AppPaths::kDataFolder + QStringLiteral("\\uidl-0123456789abcdef.txt"));
    }

    // A check cut short after mail 1's record and mail 2's files: mail 2's
    // record never arrived. With tornTail a record nothing vouches for
    // follows mail 1's, as a power cut during its write leaves it.
    void crashWithUnbornFiles(const QByteArray &uid, bool tornTail)
    {
        HistoryFile file(HistoryFile::Kind::Received);
        HistoryRecord old;
        old.Subject = QStringLiteral("old");
        ASSERT_TRUE(file.append(old).ok);
        ReceiveJournal journal;
        ASSERT_TRUE(journal.begin(file.length(), 0, idsPath()));
        ASSERT_TRUE(journal.plan(1, {attachment(QStringLiteral("A-att-01.bin"))}));
        Sandbox::writeFile(attachment(QStringLiteral("A-att-01.bin")), "first");
        HistoryRecord first;
        first.Subject = QStringLiteral("mail 1");
        ASSERT_TRUE(file.append(first, [&](qint64 offset, const QByteArray &bytes) {
            return journal.intend(1, HistoryFile::Kind::Received, offset, bytes, uid, false);
        }).ok);
        ASSERT_TRUE(journal.plan(2, {attachment(QStringLiteral("B-att-01.bin"))}));
        Sandbox::writeFile(attachment(QStringLiteral("B-att-01.bin")), "second");
        if (tornTail) {
            QFile raw(file.path());
            ASSERT_TRUE(raw.open(QIODevice::Append));
            raw.write(first.toBytes().left(HistoryRecord::kSize / 2));
        }
        // The journal is closed without going: a crash.
    }

    Recorded startUnderStrace(const Sandbox &sandbox)
    {
        Recorded recorded;
        const QString strace = QStandardPaths::findExecutable(QStringLiteral("strace"));
        EXPECT_FALSE(strace.isEmpty()) << "strace is needed (scripts/packages.sh installs it)";
        if (strace.isEmpty())
            return recorded;
        const QString log = sandbox.workPath(QStringLiteral("calls.log"));
        QProcess child;
        child.setProgram(strace);
        child.setArguments({QStringLiteral("-f"), QStringLiteral("-qq"), QStringLiteral("-x"), QStringLiteral("-y"),
                            QStringLiteral("-s"), QStringLiteral("4096"), QStringLiteral("-o"), log,
                            QStringLiteral("-e"), QStringLiteral("signal=none"), QStringLiteral("-e"),
                            QStringLiteral("trace=unlink,unlinkat,rename,renameat,renameat2,fsync,fdatasync,syncfs,"
                                           "truncate,ftruncate,flock"),
                            QStringLiteral(PINTORA_RECOVERY_CHILD), sandbox.appDir()});
        child.start();
        EXPECT_TRUE(child.waitForFinished(60000));
        EXPECT_EQ(child.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(child.exitCode(), 0) << child.readAllStandardError().toStdString();
        recorded.calls = readLog(log, QFileInfo(sandbox.workDir()).canonicalFilePath());
        recorded.attachments = attachments();
        recorded.data = dataFolder();
        recorded.history = canonical(HistoryFile(HistoryFile::Kind::Received).path());
        recorded.journal = canonical(ReceiveJournal::path());
        recorded.lock = canonical(dataFolder() + QStringLiteral("/pintora.lock"));
        return recorded;
    }
};

TEST_F(RecoveryOrder, WithoutIdsTheUnbornFilesRemovalIsSyncedBeforeTheJournalGoes)
{
    Sandbox sandbox;
    crashWithUnbornFiles({}, false);
    const Recorded recorded = startUnderStrace(sandbox);
    const QString unborn = canonical(attachment(QStringLiteral("B-att-01.bin")));
    const qsizetype removed = recorded.find([&](const Call &c) { return isRemoval(c) && c.paths.contains(unborn); });
    ASSERT_GE(removed, 0) << qPrintable(recorded.dump());
    EXPECT_LT(removed, recorded.journalGoes());
    EXPECT_FALSE(QFileInfo::exists(unborn));
    EXPECT_TRUE(QFileInfo::exists(attachment(QStringLiteral("A-att-01.bin"))));
    recorded.expectDurableBeforeTheJournalGoes();
}

// A recovery killed after its removals may find the files gone from the cache
// but not yet from the disk: it syncs their folder all the same.
TEST_F(RecoveryOrder, AnAnnouncedFileAlreadyGoneHasItsFolderSyncedBeforeTheJournalGoes)
{
    Sandbox sandbox;
    crashWithUnbornFiles({}, false);
    ASSERT_TRUE(QFile::remove(attachment(QStringLiteral("B-att-01.bin"))));
    const Recorded recorded = startUnderStrace(sandbox);
    const qsizetype gone = recorded.journalGoes();
    ASSERT_GE(gone, 0) << qPrintable(recorded.dump());
    EXPECT_TRUE(recorded.flushedBetween(-1, gone, recorded.attachments)) << qPrintable(recorded.dump());
}

TEST_F(RecoveryOrder, WithIdsTheCutTheIdsAndTheRemovalAreAllSyncedBeforeTheJournalGoes)
{
    Sandbox sandbox;
    crashWithUnbornFiles("uid-1", true);
    const Recorded recorded = startUnderStrace(sandbox);
    const qsizetype gone = recorded.journalGoes();
    const QString unborn = canonical(attachment(QStringLiteral("B-att-01.bin")));
    const QString ids = canonical(idsPath());
    EXPECT_GE(recorded.find([&](const Call &c) { return isRemoval(c) && c.paths.contains(unborn); }), 0);
    const qsizetype cut = recorded.find([&](const Call &c) {
        return c.ok && c.name.endsWith("truncate") && c.paths.value(0) == recorded.history;
    });
    EXPECT_GE(cut, 0) << qPrintable(recorded.dump());
    EXPECT_LT(cut, gone);
    const qsizetype renamed = recorded.find([&](const Call &c) { return isRename(c) && c.paths.value(1) == ids; });
    EXPECT_GE(renamed, 0) << qPrintable(recorded.dump());
    EXPECT_LT(renamed, gone);
    EXPECT_EQ(HistoryFile(HistoryFile::Kind::Received).count(), 2);
    EXPECT_FALSE(QFileInfo::exists(unborn));
    recorded.expectDurableBeforeTheJournalGoes();
}

TEST_F(RecoveryOrder, LeftoverIdFileTemporariesGoOnlyOnceTheLockIsHeld)
{
    Sandbox sandbox;
    const QString data = AppPaths::resolve(AppPaths::kDataFolder) + u'/';
    const QString leftover = data + QStringLiteral("uidl-0123456789abcdef.txt.tmp.a1B2c3D4e5F6");
    const QString mine = data + QStringLiteral("uidl-0123456789abcdef.txt.mine");
    Sandbox::writeFile(leftover, "#ids 1\nhalf");
    Sandbox::writeFile(mine, "the user's");
    const Recorded recorded = startUnderStrace(sandbox);
    const qsizetype locked =
        recorded.find([&](const Call &c) { return c.ok && c.name == "flock" && c.paths.value(0) == recorded.lock; });
    const qsizetype removed =
        recorded.find([&](const Call &c) { return isRemoval(c) && c.paths.contains(canonical(leftover)); });
    ASSERT_GE(locked, 0) << qPrintable(recorded.dump());
    ASSERT_GE(removed, 0) << qPrintable(recorded.dump());
    EXPECT_LT(locked, removed);
    EXPECT_FALSE(QFileInfo::exists(leftover));
    EXPECT_EQ(Sandbox::readFile(mine), "the user's");
}

} // namespace
