#include "common/SafeFile.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

SafeFile::SafeFile(QString target, QString tmpPath, std::optional<mode_t> mode)
    : m_target(std::move(target)),
      m_tmp(tmpPath.isEmpty() ? m_target + QStringLiteral(".tmp") : std::move(tmpPath)),
      m_mode(mode)
{
}

SafeFile::~SafeFile()
{
    discard();
}

bool SafeFile::fail(const QString &what)
{
    m_error = QStringLiteral("%1: %2").arg(what, QString::fromLocal8Bit(strerror(errno)));
    discard();
    return false;
}

void SafeFile::discard()
{
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
        ::unlink(QFile::encodeName(m_tmp).constData());
    }
}

bool SafeFile::open()
{
    mode_t mode = 0644;
    bool exact = false;
    struct stat existing {};
    if (m_mode) {
        mode = *m_mode;
        exact = true;
    } else if (::stat(QFile::encodeName(m_target).constData(), &existing) == 0) {
        mode = existing.st_mode & 07777;
        exact = true;
    }
    m_fd = ::open(QFile::encodeName(m_tmp).constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC,
                  mode);
    if (m_fd < 0)
        return fail(m_tmp);
    if (exact && ::fchmod(m_fd, mode) != 0)
        return fail(m_tmp);
    return true;
}

bool SafeFile::write(const QByteArray &bytes)
{
    const char *data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(m_fd, data, static_cast<size_t>(left));
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return fail(m_tmp);
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
        return fail(m_tmp);
    if (::close(m_fd) != 0) {
        m_fd = -1;
        ::unlink(QFile::encodeName(m_tmp).constData());
        return fail(m_tmp);
    }
    m_fd = -1;
    if (::rename(QFile::encodeName(m_tmp).constData(), QFile::encodeName(m_target).constData())
        != 0) {
        const int saved = errno;
        ::unlink(QFile::encodeName(m_tmp).constData());
        errno = saved;
        m_error = QStringLiteral("%1: %2").arg(m_target, QString::fromLocal8Bit(strerror(errno)));
        return false;
    }
    return true;
}

bool SafeFile::replace(const QString &target, const QByteArray &bytes, const QString &tmpPath,
                       std::optional<mode_t> mode, QString *error)
{
    SafeFile file(target, tmpPath, mode);
    const bool ok = file.open() && file.write(bytes) && file.commit();
    if (!ok && error)
        *error = file.errorString();
    return ok;
}
