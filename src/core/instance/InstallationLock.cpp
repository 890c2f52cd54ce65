#include "core/instance/InstallationLock.h"

#include "core/common/AppPaths.h"
#include "core/common/FileError.h"
#include "core/instance/SingleInstance.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace InstallationLock {

namespace {

int g_fd = -1;

} // namespace

bool installationInUse(QString *error)
{
    if (g_fd >= 0)
        return false;
    const QString path = SingleInstance::lockPath();
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0) {
        if (error)
            *error = FileError::cannotCreate(path, errno);
        return true;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int why = errno;
        ::close(fd);
        if (why != EWOULDBLOCK && error)
            *error = FileError::cannotWrite(path, why);
        return true;
    }
    g_fd = fd;
    return false;
}

void release()
{
    if (g_fd < 0)
        return;
    ::flock(g_fd, LOCK_UN);
    ::close(g_fd);
    g_fd = -1;
}

QString claimForCommand(bool *inUse)
{
    *inUse = false;
    const QString data = AppPaths::resolve(AppPaths::kDataFolder);
    if (!QFileInfo(data).isDir() && !AppPaths::ensureInstallationFolders().isEmpty())
        return QStringLiteral("データフォルダを作成できません: %1").arg(data);
    QString lockError;
    if (!installationInUse(&lockError))
        return {};
    if (!lockError.isEmpty())
        return lockError;
    *inUse = true;
    return QStringLiteral("Pintora が起動しているため実行できません。Pintora を終了してからもう一度実行してください。");
}

} // namespace InstallationLock
