#include "core/common/SafeFile.h"

#include "core/common/FileError.h"
#include "core/common/FileOwner.h"

#include <QFile>
#include <QFileInfo>
#include <QDir>
#include <QRandomGenerator>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <climits>
#include <cstring>
#include <functional>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int kRandomLength = 12;

QByteArray native(const QString &path)
{
    return QFile::encodeName(path);
}

QString randomPart()
{
    static const char letters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    QString part;
    for (int i = 0; i < kRandomLength; ++i)
        part += QLatin1Char(letters[QRandomGenerator::system()->bounded(62)]);
    return part;
}

QString directoryOf(const QString &path)
{
    const qsizetype slash = path.lastIndexOf(u'/');
    if (slash < 0)
        return QStringLiteral(".");
    return slash == 0 ? QStringLiteral("/") : path.left(slash);
}

} // namespace

void SafeFile::syncFolderOf(const QString &file)
{
    const int fd = ::open(native(directoryOf(file)).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

SafeFile::SafeFile(QString target, QString tmpHint, std::optional<mode_t> mode, Name name)
    : m_target(std::move(target)), m_hint(std::move(tmpHint)), m_mode(mode), m_name(name)
{
    if (m_hint.isEmpty())
        m_hint = m_target + QStringLiteral(".tmp");
}

SafeFile::~SafeFile()
{
    discard();
}

QString SafeFile::resolveLinks(const QString &path)
{
    QString current = path;
    // The kernel gives up after 40 links as well.
    for (int hops = 0; hops < 40; ++hops) {
        char buffer[PATH_MAX];
        const ssize_t length = ::readlink(native(current).constData(), buffer, sizeof buffer - 1);
        if (length < 0)
            return current;
        const QString link = QFile::decodeName(QByteArray(buffer, length));
        current = link.startsWith(u'/') ? link : directoryOf(current) + u'/' + link;
    }
    return current;
}

bool SafeFile::mayWrite(const QString &path)
{
    struct stat info {};
    if (::stat(native(path).constData(), &info) != 0)
        return true;
    if (::geteuid() == 0)
        return (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0;
    return ::faccessat(AT_FDCWD, native(path).constData(), W_OK, AT_EACCESS) == 0;
}

bool SafeFile::fail(int error)
{
    m_error = FileError::cannotWrite(m_target, error);
    discard();
    return false;
}

void SafeFile::discard()
{
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
        ::unlink(native(m_tmp).constData());
    }
}

QString SafeFile::refusalOfChosen(const QString &path)
{
    struct stat at {};
    if (::lstat(native(path).constData(), &at) != 0)
        return {};
    struct stat folder {};
    if (at.st_uid != ::geteuid() && ::stat(native(directoryOf(path)).constData(), &folder) == 0
        && (folder.st_mode & S_ISVTX))
        return FileError::ownedByAnother(path, S_ISLNK(at.st_mode));
    if (S_ISREG(at.st_mode) && !mayWrite(path))
        return FileError::writeProtected(path);
    return {};
}

bool SafeFile::open()
{
    const bool chosen = m_name == Name::Chosen;
    m_real = chosen ? m_target : resolveLinks(m_target);
    if (chosen) {
        m_error = refusalOfChosen(m_target);
        if (!m_error.isEmpty())
            return false;
    } else if (!mayWrite(m_real)) {
        m_error = FileError::writeProtected(m_target);
        return false;
    }

    mode_t mode = 0644;
    bool exact = false;
    struct stat existing {};
    if (m_mode) {
        mode = *m_mode;
        exact = true;
    } else if (chosen) {
        // Only a plain file there says what the user wants; a link's target is none of ours.
        exact = true;
        mode = ::lstat(native(m_real).constData(), &existing) == 0 && S_ISREG(existing.st_mode)
            ? existing.st_mode & 07777
            : 0600;
    } else if (::stat(native(m_real).constData(), &existing) == 0) {
        mode = existing.st_mode & 07777;
        exact = true;
    }

    // Beside the file really replaced, so the rename stays on one file system.
    const QString prefix = directoryOf(m_real) + u'/' + QFileInfo(m_hint).fileName() + u'.';
    for (int attempt = 0; attempt < 100; ++attempt) {
        m_tmp = prefix + randomPart();
        // Never follow or reuse whatever another process left under that name.
        m_fd = ::open(native(m_tmp).constData(),
                      O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, exact ? 0600 : mode);
        if (m_fd >= 0 || errno != EEXIST)
            break;
    }
    if (m_fd < 0)
        return fail(errno);
    if (exact && ::fchmod(m_fd, mode) != 0)
        return fail(errno);
    return true;
}

bool SafeFile::write(const QByteArray &bytes)
{
    if (m_fd < 0)
        return false;
    const char *data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(m_fd, data, static_cast<size_t>(left));
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return fail(errno);
        }
        data += written;
        left -= written;
    }
    return true;
}

bool SafeFile::commit()
{
    if (m_fd < 0)
        return false;
    if (::fsync(m_fd) != 0)
        return fail(errno);
    const int fd = m_fd;
    m_fd = -1;
    if (::close(fd) != 0) {
        const int error = errno;
        ::unlink(native(m_tmp).constData());
        m_error = FileError::cannotWrite(m_target, error);
        return false;
    }
    if (::rename(native(m_tmp).constData(), native(m_real).constData()) != 0) {
        const int error = errno;
        ::unlink(native(m_tmp).constData());
        m_error = FileError::cannotWrite(m_target, error);
        return false;
    }
    syncFolderOf(m_real);
    return true;
}

namespace {

bool isRandomPart(QStringView rest)
{
    return rest.size() == kRandomLength && std::all_of(rest.begin(), rest.end(), [](QChar c) {
               return c.unicode() < 128 && std::isalnum(static_cast<unsigned char>(c.unicode()));
           });
}

// Removes the names in folder that ours accepts, plain files only: a link or
// a folder under such a name is not a leftover of ours.
QStringList removeNamed(const QString &folder, const QString &glob, const std::function<bool(const QString &)> &ours)
{
    QStringList removed;
    const QStringList names = QDir(folder).entryList({glob}, QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &name : names) {
        if (!ours(name))
            continue;
        const QString path = folder + u'/' + name;
        if (QFileInfo(path).isSymLink())
            continue;
        if (::unlink(native(path).constData()) == 0)
            removed << path;
    }
    return removed;
}

} // namespace

QStringList SafeFile::removeLeftovers(const QString &target, const QString &tmpHint)
{
    const QString hint = tmpHint.isEmpty() ? target + QStringLiteral(".tmp") : tmpHint;
    const QString prefix = QFileInfo(hint).fileName() + u'.';
    return removeNamed(directoryOf(resolveLinks(target)), prefix + u'*', [&](const QString &name) {
        return name.startsWith(prefix) && isRandomPart(QStringView(name).mid(prefix.size()));
    });
}

QStringList SafeFile::removeAllLeftovers(const QString &folder)
{
    // "<name>.tmp.<random>": the default temporary of any file replaced here.
    const QString infix = QStringLiteral(".tmp.");
    return removeNamed(folder, u'*' + infix + u'*', [&](const QString &name) {
        const qsizetype at = name.size() - kRandomLength - infix.size();
        return at > 0 && QStringView(name).mid(at, infix.size()) == infix
            && isRandomPart(QStringView(name).mid(at + infix.size()));
    });
}

bool SafeFile::replace(const QString &target, const QByteArray &bytes, const QString &tmpHint,
                       std::optional<mode_t> mode, QString *error)
{
    std::lock_guard owner(FileOwner::lockFor(target));
    SafeFile file(target, tmpHint, mode);
    const bool ok = file.open() && file.write(bytes) && file.commit();
    if (!ok && error)
        *error = file.errorString();
    return ok;
}

bool SafeFile::replaceChosen(const QString &target, const QByteArray &bytes, QString *error)
{
    std::lock_guard owner(FileOwner::lockFor(target));
    SafeFile file(target, {}, {}, Name::Chosen);
    const bool ok = file.open() && file.write(bytes) && file.commit();
    if (!ok && error)
        *error = file.errorString();
    return ok;
}

void SafeFile::startWriteback(const QString &path)
{
    const int fd = ::open(native(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return;
    // Only a head start: flush() still decides whether the data is on disk.
    ::sync_file_range(fd, 0, 0, SYNC_FILE_RANGE_WRITE);
    ::close(fd);
}

bool SafeFile::flush(const QString &path, QString *error)
{
    const int fd = ::open(native(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT)
            return true;
        if (error)
            *error = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    const bool ok = ::fsync(fd) == 0;
    if (!ok && error)
        *error = QString::fromLocal8Bit(std::strerror(errno));
    ::close(fd);
    return ok;
}
