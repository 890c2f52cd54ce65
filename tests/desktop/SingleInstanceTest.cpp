#include "core/instance/SingleInstance.h"

#include "core/common/AppPaths.h"
#include "ui/shell/Startup.h"
#include "support/Sandbox.h"
#include "support/ScriptedPrompt.h"
#include "support/Wait.h"
#include "DesktopTestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QSignalSpy>

#include <QElapsedTimer>

#include <cstring>
#include <fcntl.h>
#include <optional>
#include <poll.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

namespace {

// A socket bound at the installation's name and listening, in its private folder.
int listeningSocket(const QString &name)
{
    QDir().mkpath(QFileInfo(name).path());
    ::chmod(QFile::encodeName(QFileInfo(name).path()).constData(), 0700);
    const QByteArray path = QFile::encodeName(name);
    ::unlink(path.constData());
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (fd < 0 || size_t(path.size()) >= sizeof address.sun_path)
        return -1;
    std::memcpy(address.sun_path, path.constData(), size_t(path.size()));
    if (::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) != 0 || ::listen(fd, 4) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

// What a run killed while it listened leaves behind: the socket's file, nobody behind it.
void leaveStaleSocket(const QString &name)
{
    const int fd = listeningSocket(name);
    ASSERT_GE(fd, 0);
    ::close(fd);
    ASSERT_TRUE(QFileInfo::exists(name));
}

// The lock a running first copy holds, taken on its own descriptor; -1 when it could not be.
int holdLock()
{
    const int fd = ::open(QFile::encodeName(SingleInstance::lockPath()).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd >= 0 && ::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

// XDG_RUNTIME_DIR as a test sets it, put back afterwards.
class RuntimeFolder {
public:
    explicit RuntimeFolder(const std::optional<QString> &folder)
        : m_had(qEnvironmentVariableIsSet("XDG_RUNTIME_DIR")), m_old(qgetenv("XDG_RUNTIME_DIR"))
    {
        if (folder)
            qputenv("XDG_RUNTIME_DIR", QFile::encodeName(*folder));
        else
            qunsetenv("XDG_RUNTIME_DIR");
    }
    ~RuntimeFolder()
    {
        if (m_had)
            qputenv("XDG_RUNTIME_DIR", m_old);
        else
            qunsetenv("XDG_RUNTIME_DIR");
    }

private:
    bool m_had;
    QByteArray m_old;
};

struct FolderState {
    uid_t owner = 0;
    mode_t mode = 0;
};

FolderState folderState(const QString &folder)
{
    struct stat status {};
    ::lstat(QFile::encodeName(folder).constData(), &status);
    return {status.st_uid, mode_t(status.st_mode & 07777)};
}

bool lockIsHeld()
{
    const int fd = ::open(QFile::encodeName(SingleInstance::lockPath()).constData(), O_RDWR | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool held = ::flock(fd, LOCK_EX | LOCK_NB) != 0;
    ::close(fd);
    return held;
}

// Runs a second start to its end while this process, the first, keeps answering.
int runSecondStart(const Sandbox &sandbox, const QStringList &arguments)
{
    QProcess second;
    startProgram(second, sandbox, arguments);
    if (!waitUntil([&] { return second.state() == QProcess::NotRunning; }, 30000)) {
        endProgram(second);
        return -1;
    }
    return second.exitStatus() == QProcess::NormalExit ? second.exitCode() : -2;
}

} // namespace

TEST(SingleInstance, SecondStartHandsItsArgumentsToTheFirstAndEnds)
{
    Sandbox sandbox;
    installProgram(sandbox);
    SingleInstance first;
    ASSERT_EQ(first.claim({}), SingleInstance::Claim::First);
    EXPECT_TRUE(lockIsHeld());
    QSignalSpy requests(&first, &SingleInstance::requested);

    const QString link = QStringLiteral("mailto:tanaka@example.jp?subject=%E4%BB%B6%E5%90%8D");
    EXPECT_EQ(runSecondStart(sandbox, {link}), 0);
    ASSERT_EQ(requests.size(), 1);
    EXPECT_EQ(requests[0][0].toStringList(), QStringList{link});

    // A bare start asks for the launcher, with nothing to pass on.
    EXPECT_EQ(runSecondStart(sandbox, {}), 0);
    ASSERT_EQ(requests.size(), 2);
    EXPECT_TRUE(requests[1][0].toStringList().isEmpty());
}

TEST(SingleInstance, SocketLeftByACrashedRunDoesNotDecideWhoIsFirst)
{
    Sandbox sandbox;
    installProgram(sandbox);
    leaveStaleSocket(SingleInstance::socketPaths().first());

    // This process finds the stale name but holds the lock, so it takes the name over...
    SingleInstance first;
    ASSERT_EQ(first.claim({}), SingleInstance::Claim::First);
    QSignalSpy requests(&first, &SingleInstance::requested);
    // ...and a later start reaches it, not the dead one.
    EXPECT_EQ(runSecondStart(sandbox, {QStringLiteral("mailto:a@example.jp")}), 0);
    EXPECT_EQ(requests.size(), 1);
}

TEST(SingleInstance, ProgramStartingOverAStaleSocketBecomesTheFirst)
{
    Sandbox sandbox;
    installProgram(sandbox);
    const QString name = SingleInstance::socketPaths().first();
    leaveStaleSocket(name);

    QProcess program;
    startProgram(program, sandbox, {});
    // It holds the installation and answers under the name the dead run left.
    const bool up = waitUntil(
        [&] {
            if (program.state() == QProcess::NotRunning || !lockIsHeld())
                return false;
            QLocalSocket probe;
            probe.connectToServer(name);
            return probe.waitForConnected(200);
        },
        30000);
    const bool stillRunning = program.state() == QProcess::Running;
    endProgram(program);
    // Killed, it left its own socket behind in turn.
    QLocalServer::removeServer(name);
    EXPECT_TRUE(up);
    EXPECT_TRUE(stillRunning);
}

TEST(SingleInstance, InstallationsInOtherFoldersDoNotMeet)
{
    Sandbox one;
    const QString first = SingleInstance::serverName(one.appDir());
    EXPECT_EQ(first, SingleInstance::serverName(one.appDir() + QStringLiteral("/./")));
    Sandbox two;
    EXPECT_NE(first, SingleInstance::serverName(two.appDir()));
    // A link to the folder is the same installation.
    const QString link = two.workPath(QStringLiteral("link"));
    ASSERT_TRUE(QFile::link(one.appDir(), link));
    EXPECT_EQ(first, SingleInstance::serverName(link));
}

TEST(SingleInstance, LockGoesWithTheHolder)
{
    Sandbox sandbox;
    {
        SingleInstance first;
        ASSERT_EQ(first.claim({}), SingleInstance::Claim::First);
        EXPECT_TRUE(lockIsHeld());
    }
    EXPECT_FALSE(lockIsHeld());
    SingleInstance again;
    EXPECT_EQ(again.claim({}), SingleInstance::Claim::First);
}

TEST(SingleInstance, CompactionLeftoversAreRemovedUnderTheLockAndNothingElse)
{
    Sandbox sandbox;
    const QString data = sandbox.dataPath(AppPaths::kDataFolder) + u'/';
    const QStringList leftovers = {QStringLiteral("TLVDATA2.TMP.a1B2c3D4e5F6"), QStringLiteral("TLVDATA5.TMP.zzzzzzzzzzzz"),
                                   QStringLiteral("TLVDATA20.TMP.000000000000")};
    const QStringList kept = {QStringLiteral("tlvdata2.data"), QStringLiteral("TLVDATA2.TMP"),
                              QStringLiteral("TLVDATA2.TMP.short"), QStringLiteral("TLVDATA2.TMP.a1B2c3D4e5F6x"),
                              QStringLiteral("TLVDATA2.TMP.a1B2c3D4e5-6"), QStringLiteral("notes.TMP.a1B2c3D4e5F6"),
                              QStringLiteral("iniIdPass.ini")};
    for (const QString &name : leftovers + kept)
        Sandbox::writeFile(data + name, "x");

    SingleInstance instance;
    ASSERT_EQ(Startup::claimInstallation(instance, {}), SingleInstance::Claim::First);
    for (const QString &name : leftovers)
        EXPECT_FALSE(QFileInfo::exists(data + name)) << qPrintable(name);
    for (const QString &name : kept)
        EXPECT_TRUE(QFileInfo::exists(data + name)) << qPrintable(name);
}

// Another user on the machine must find no name of ours to take first or to listen on.
struct RuntimeCase {
    const char *name;
    enum { Unset, Private, OpenToAll } runtime;
    mode_t dataSocketFolder;  // 0: not there before the start
    bool inRuntimeFolder;
};

class SocketFolder : public ::testing::TestWithParam<RuntimeCase> {};

TEST_P(SocketFolder, IsOneOnlyTheUserCanEnter)
{
    const RuntimeCase &param = GetParam();
    Sandbox sandbox;
    installProgram(sandbox);
    const QString runtime = sandbox.workPath(QStringLiteral("runtime"));
    QDir().mkpath(runtime);
    ::chmod(QFile::encodeName(runtime).constData(), param.runtime == RuntimeCase::OpenToAll ? 01777 : 0700);
    const RuntimeFolder environment(param.runtime == RuntimeCase::Unset ? std::nullopt : std::optional<QString>(runtime));
    const QString dataSocketFolder = sandbox.dataPath(QStringLiteral("\\★MAilData\\socket"));
    if (param.dataSocketFolder != 0) {
        QDir().mkpath(dataSocketFolder);
        ::chmod(QFile::encodeName(dataSocketFolder).constData(), param.dataSocketFolder);
    }

    SingleInstance first;
    ASSERT_EQ(first.claim({}), SingleInstance::Claim::First);
    EXPECT_TRUE(first.listenError().isEmpty()) << qPrintable(first.listenError());
    const QString socket = SingleInstance::socketPaths().first();
    EXPECT_EQ(socket.startsWith(runtime + u'/'), param.inRuntimeFolder) << qPrintable(socket);
    EXPECT_FALSE(socket.startsWith(QDir::tempPath() + QStringLiteral("/pintora"))) << qPrintable(socket);
    const FolderState folder = folderState(QFileInfo(socket).path());
    EXPECT_EQ(folder.owner, ::geteuid());
    EXPECT_EQ(folder.mode & 077, 0u) << std::oct << folder.mode;

    // A later start finds it there.
    QSignalSpy requests(&first, &SingleInstance::requested);
    EXPECT_EQ(runSecondStart(sandbox, {QStringLiteral("mailto:a@example.jp")}), 0);
    EXPECT_EQ(requests.size(), 1);
}

INSTANTIATE_TEST_SUITE_P(Runtime, SocketFolder,
                         ::testing::Values(RuntimeCase{"NoRuntimeFolder", RuntimeCase::Unset, 0, false},
                                           RuntimeCase{"PrivateRuntimeFolder", RuntimeCase::Private, 0, true},
                                           RuntimeCase{"RuntimeFolderOpenToAll", RuntimeCase::OpenToAll, 0, false},
                                           RuntimeCase{"DataSocketFolderLeftOpen", RuntimeCase::Unset, 0777, false}),
                         [](const auto &info) { return std::string(info.param.name); });

// A process of another user listening at the name (root can put one there; so can a
// misconfigured runtime folder) is handed nothing: not the link, not a byte.
TEST(SingleInstance, PeerRunningAsAnotherUserIsHandedNothing)
{
    const passwd *other = ::getpwnam("nobody");
    if (::geteuid() != 0 || !other || other->pw_uid == ::geteuid())
        GTEST_SKIP() << "needs root to run a listener as a second user (nobody)";
    const uid_t otherUid = other->pw_uid;
    const gid_t otherGid = other->pw_gid;
    Sandbox sandbox;
    const int lock = holdLock();
    ASSERT_GE(lock, 0);
    const QString name = SingleInstance::socketPaths().first();
    const int listener = listeningSocket(name);
    ASSERT_GE(listener, 0);
    // Listening again as the other user makes the socket theirs in its peer's eyes.
    int report[2];
    ASSERT_EQ(::pipe2(report, O_CLOEXEC), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ::close(report[0]);
        if (::setgid(otherGid) != 0 || ::setuid(otherUid) != 0 || ::listen(listener, 4) != 0)
            ::_exit(2);
        char ready = 'R';
        (void)!::write(report[1], &ready, 1);
        pollfd waiting{listener, POLLIN, 0};
        int received = -1;
        if (::poll(&waiting, 1, 10000) == 1) {
            const int connection = ::accept(listener, nullptr, nullptr);
            received = 0;
            char buffer[4096];
            pollfd reading{connection, POLLIN, 0};
            while (::poll(&reading, 1, 5000) == 1) {
                const ssize_t got = ::read(connection, buffer, sizeof buffer);
                if (got <= 0)
                    break;
                received += int(got);
            }
        }
        (void)!::write(report[1], &received, sizeof received);
        ::_exit(0);
    }
    ::close(report[1]);
    ::close(listener);
    char ready = 0;
    ASSERT_EQ(::read(report[0], &ready, 1), 1);

    {
        SingleInstance second;
        EXPECT_EQ(second.claim({QStringLiteral("mailto:tanaka@example.jp?body=secret")}), SingleInstance::Claim::Failed);
        EXPECT_TRUE(second.errorString().contains(QStringLiteral("別のユーザー"))) << qPrintable(second.errorString());
        EXPECT_TRUE(second.errorString().contains(QString::number(otherUid))) << qPrintable(second.errorString());
    }
    int received = -1;
    EXPECT_EQ(::read(report[0], &received, sizeof received), ssize_t(sizeof received));
    EXPECT_EQ(received, 0);
    ::close(report[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    ::close(lock);
    ::unlink(QFile::encodeName(name).constData());
}

// A program that holds the name but never answers costs a later start two seconds, and it says so.
TEST(SingleInstance, PeerThatNeverAnswersIsGivenUpWithinTwoSeconds)
{
    Sandbox sandbox;
    const int lock = holdLock();
    ASSERT_GE(lock, 0);
    const QString name = SingleInstance::socketPaths().first();
    const int silent = listeningSocket(name);
    ASSERT_GE(silent, 0);

    SingleInstance second;
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(second.claim({QStringLiteral("mailto:a@example.jp")}), SingleInstance::Claim::Failed);
    const qint64 took = clock.elapsed();
    EXPECT_GE(took, 1900);
    EXPECT_LT(took, 3500);
    EXPECT_TRUE(second.errorString().contains(QStringLiteral("2 秒待っても応答がありません"))) << qPrintable(second.errorString());
    ::close(silent);
    ::close(lock);
    ::unlink(QFile::encodeName(name).constData());
}

// When the name cannot be taken, the program still runs, and says once what later starts will miss.
TEST(SingleInstance, NameThatCannotBeTakenIsSaidOnceInABox)
{
    Sandbox sandbox;
    ScriptedPrompt prompt;
    const RuntimeFolder environment(std::nullopt);
    const QString name = SingleInstance::socketPaths().first();
    // Something of the user's own that is no socket and cannot be cleared away.
    ASSERT_TRUE(QDir().mkpath(name + QStringLiteral("/kept")));

    SingleInstance first;
    ASSERT_EQ(Startup::claimInstallation(first, {}), SingleInstance::Claim::First);
    ASSERT_EQ(prompt.boxes.size(), 1);
    EXPECT_TRUE(prompt.boxes[0].text.contains(QStringLiteral("呼び出しを受け付けられません"))) << qPrintable(prompt.boxes[0].text);
    EXPECT_TRUE(prompt.boxes[0].text.contains(name)) << qPrintable(prompt.boxes[0].text);
    EXPECT_TRUE(QFileInfo::exists(name + QStringLiteral("/kept")));
}
