#include "core/instance/SingleInstance.h"

#include "core/common/AppPaths.h"
#include "ui/shell/Startup.h"
#include "support/Sandbox.h"
#include "support/Wait.h"
#include "DesktopTestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QSignalSpy>

#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <gtest/gtest.h>

namespace {

// What a run killed while it listened leaves behind: the socket's file, nobody behind it.
void leaveStaleSocket(const QString &name)
{
    const QByteArray path = QFile::encodeName(QDir::tempPath() + u'/' + name);
    ::unlink(path.constData());
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(fd, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    ASSERT_LT(size_t(path.size()), sizeof address.sun_path);
    std::memcpy(address.sun_path, path.constData(), size_t(path.size()));
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof address), 0);
    ASSERT_EQ(::listen(fd, 1), 0);
    ::close(fd);
    ASSERT_TRUE(QFileInfo::exists(QFile::decodeName(path)));
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
    leaveStaleSocket(SingleInstance::serverName(sandbox.appDir()));

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
    const QString name = SingleInstance::serverName(sandbox.appDir());
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
