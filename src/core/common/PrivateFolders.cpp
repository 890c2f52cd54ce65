#include "core/common/PrivateFolders.h"

#include "core/common/AppPaths.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace PrivateFolders {

namespace {

const QString kMark = QStringLiteral("\\★MAilData\\private-folders.txt");

QString withoutTrailingSlash(QString path)
{
    while (path.size() > 1 && path.endsWith(u'/'))
        path.chop(1);
    return path;
}

// Takes the group's and others' permissions from one entry of the user's; a
// link, and anything of another user's, is left as it is.
bool tighten(const QString &path)
{
    const QByteArray native = QFile::encodeName(path);
    struct stat info {};
    if (::lstat(native.constData(), &info) != 0 || S_ISLNK(info.st_mode) || info.st_uid != ::geteuid()
        || (info.st_mode & 077) == 0)
        return false;
    if (!S_ISDIR(info.st_mode) && !S_ISREG(info.st_mode))
        return false;
    return ::chmod(native.constData(), info.st_mode & 07700) == 0;
}

} // namespace

QStringList mailFolders()
{
    return {AppPaths::kDataFolder, AppPaths::kAttachmentFolder, AppPaths::kSentMailFolder, AppPaths::kQuickSaveFolder};
}

bool make(const QString &given)
{
    const QString path = withoutTrailingSlash(given);
    if (QFileInfo(path).isDir())
        return true;
    const qsizetype slash = path.lastIndexOf(u'/');
    if (slash > 0 && !QDir().mkpath(path.left(slash)))
        return false;
    const QByteArray native = QFile::encodeName(path);
    if (::mkdir(native.constData(), 0700) == 0)
        ::chmod(native.constData(), 0700);
    return QFileInfo(path).isDir();
}

QStringList tightenOnce()
{
    const QString mark = AppPaths::resolve(kMark);
    if (QFileInfo::exists(mark))
        return {};
    QStringList changed;
    for (const QString &relative : mailFolders()) {
        const QString folder = withoutTrailingSlash(AppPaths::resolve(relative));
        // A folder the user put elsewhere through a link is the user's to set.
        if (QFileInfo(folder).isSymLink() || !QFileInfo(folder).isDir())
            continue;
        if (tighten(folder))
            changed << folder;
        QDirIterator entries(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                             QDirIterator::Subdirectories);
        while (entries.hasNext()) {
            const QString path = entries.next();
            if (tighten(path))
                changed << path;
        }
    }
    const int fd = ::open(QFile::encodeName(mark).constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                          0600);
    if (fd >= 0) {
        static const char text[] = "The mail folders of this installation were made private (0700, files 0600).\n";
        [[maybe_unused]] const ssize_t written = ::write(fd, text, sizeof text - 1);
        ::close(fd);
    }
    return changed;
}

} // namespace PrivateFolders
