#include "history/ReceivedMailIds.h"

#include "common/AppPaths.h"
#include "common/FileOwner.h"
#include "common/SafeFile.h"

#include <QCryptographicHash>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr char kKept[] = " kept";

} // namespace

ReceivedMailIds::ReceivedMailIds(const QString &server, const QString &account)
{
    const QByteArray key = QCryptographicHash::hash((server.trimmed().toLower() + u'\n' + account).toUtf8(),
                                                    QCryptographicHash::Sha256)
                               .toHex()
                               .left(16);
    m_path = AppPaths::resolve(AppPaths::kDataFolder + QStringLiteral("\\uidl-") + QString::fromLatin1(key)
                               + QStringLiteral(".txt"));
}

ReceivedMailIds ReceivedMailIds::atPath(const QString &path)
{
    ReceivedMailIds ids;
    ids.m_path = path;
    return ids;
}

bool ReceivedMailIds::isUsable(const QByteArray &id)
{
    if (id.isEmpty() || id.size() > 70)
        return false;
    for (const char c : id)
        if (c < 0x21 || c > 0x7e)
            return false;
    return true;
}

QHash<QByteArray, bool> ReceivedMailIds::load() const
{
    QHash<QByteArray, bool> ids;
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly))
        return ids;
    const QByteArray all = file.readAll();
    for (const QByteArray &line : all.split('\n')) {
        // Only whole lines count: the last one may have been cut by a crash.
        if (!all.endsWith('\n') && line.constData() + line.size() == all.constData() + all.size())
            break;
        QByteArray id = line;
        const bool kept = id.endsWith(kKept);
        if (kept)
            id.chop(int(std::strlen(kKept)));
        if (isUsable(id))
            ids[id] = kept;
    }
    return ids;
}

bool ReceivedMailIds::add(const QByteArray &id, bool kept)
{
    std::lock_guard owner(FileOwner::lockFor(m_path));
    const int fd = ::open(QFile::encodeName(m_path).constData(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC | O_NOFOLLOW,
                          0600);
    if (fd < 0) {
        m_error = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    const QByteArray line = id + (kept ? QByteArray(kKept) : QByteArray()) + '\n';
    const bool ok = ::write(fd, line.constData(), size_t(line.size())) == line.size();
    if (!ok)
        m_error = QString::fromLocal8Bit(std::strerror(errno));
    ::close(fd);
    return ok;
}

bool ReceivedMailIds::rewrite(const QHash<QByteArray, bool> &ids)
{
    QByteArray content;
    for (auto it = ids.constBegin(); it != ids.constEnd(); ++it)
        content += it.key() + (it.value() ? QByteArray(kKept) : QByteArray()) + '\n';
    std::lock_guard owner(FileOwner::lockFor(m_path));
    return SafeFile::replace(m_path, content, {}, mode_t(0600), &m_error);
}
