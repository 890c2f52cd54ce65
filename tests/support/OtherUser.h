#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>

#include <optional>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

// Files that belong to another Unix user, as someone else on the machine
// leaves them in a shared folder. Only root can give a file away; the
// machine's unprivileged "nobody" account is that other user.
namespace OtherUser {

struct Ids {
    uid_t uid;
    gid_t gid;
};

inline constexpr const char *kUnavailable =
    "skipped: giving a file to another user needs root and a 'nobody' account on this machine";

inline std::optional<Ids> ids()
{
    if (::geteuid() != 0)
        return std::nullopt;
    const passwd *entry = ::getpwnam("nobody");
    if (!entry || entry->pw_uid == 0)
        return std::nullopt;
    return Ids{entry->pw_uid, entry->pw_gid};
}

// A folder anyone may write and only owners may rename in, as /tmp.
inline QString stickyFolder(const QString &path)
{
    QDir().mkpath(path);
    ::chmod(QFile::encodeName(path).constData(), 01777);
    return path;
}

// A symbolic link at path, to target, that the other user owns.
inline bool plantLink(const QString &target, const QString &path, const Ids &who)
{
    const QByteArray name = QFile::encodeName(path);
    return ::symlink(QFile::encodeName(target).constData(), name.constData()) == 0
        && ::lchown(name.constData(), who.uid, who.gid) == 0;
}

} // namespace OtherUser

// Sets the file mode mask for one test and puts the old one back.
class Umask {
public:
    explicit Umask(mode_t mask) : m_saved(::umask(mask)) {}
    ~Umask() { ::umask(m_saved); }

private:
    mode_t m_saved;
};
