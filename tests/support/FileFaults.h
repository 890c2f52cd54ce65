#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>

#include <csignal>
#include <sys/resource.h>

// Makes writes past a file size fail, the way a full disk would.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &m_saved);
        rlimit limit = m_saved;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &m_saved); }

private:
    rlimit m_saved{};
};

namespace FileFaults {

// Moves the file at path into folder (created as needed) and leaves a
// symbolic link in its place; returns where the content now lives.
inline QString linkAway(const QString &path, const QString &folder)
{
    QDir().mkpath(folder);
    const QString target = folder + u'/' + QFileInfo(path).fileName();
    QFile::remove(target);
    if (QFileInfo::exists(path))
        QFile::rename(path, target);
    QFile::link(target, path);
    return target;
}

inline void makeReadOnly(const QString &path)
{
    QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
}

// Everything in a folder but the names given: a replace must leave no temporary file behind.
inline QStringList strays(const QString &folder, const QStringList &expected)
{
    QStringList found = QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
    for (const QString &name : expected)
        found.removeAll(name);
    return found;
}

} // namespace FileFaults
