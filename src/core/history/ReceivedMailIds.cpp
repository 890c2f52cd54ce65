#include "core/history/ReceivedMailIds.h"

#include "core/common/AppPaths.h"
#include "core/common/FileOwner.h"
#include "core/common/SafeFile.h"
#include "core/history/HistoryRecord.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <mutex>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr char kKept[] = "kept";
constexpr char kLeaving[] = "del";
constexpr char kCountLine[] = "#ids ";

std::function<qint64()> &clockSource()
{
    static std::function<qint64()> source;
    return source;
}

std::function<qint64()> &monotonicSource()
{
    static std::function<qint64()> source;
    return source;
}

qint64 monotonicNow()
{
    if (monotonicSource())
        return monotonicSource()();
    if (clockSource())
        return clockSource()();
    static QElapsedTimer run = [] {
        QElapsedTimer timer;
        timer.start();
        return timer;
    }();
    return run.elapsed() / 1000;
}

// When this run stored each mail, by the monotonic clock.
struct StoredInRun {
    std::mutex mutex;
    QHash<QByteArray, qint64> at;
};

StoredInRun &storedInRun()
{
    static StoredInRun stored;
    return stored;
}

QByteArray runKey(const QString &idsPath, const QByteArray &key)
{
    return idsPath.toUtf8() + '\n' + key;
}

QString deletedHerePath()
{
    return AppPaths::resolve(AppPaths::kDataFolder + QStringLiteral("\\uidl-deleted.txt"));
}

QString keptPath()
{
    return AppPaths::resolve(AppPaths::kDataFolder + QStringLiteral("\\kept-on-server.txt"));
}

// Appends the lines and puts them on disk; the caller holds the file's owner lock.
bool appendLines(const QString &path, const QList<QByteArray> &keys)
{
    QByteArray lines;
    for (const QByteArray &key : keys)
        lines += key + '\n';
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC | O_NOFOLLOW,
                          0600);
    if (fd < 0)
        return false;
    const bool ok = ::write(fd, lines.constData(), size_t(lines.size())) == lines.size() && ::fdatasync(fd) == 0;
    ::close(fd);
    return ok;
}

bool isHexKey(const QByteArray &key)
{
    if (key.isEmpty() || key.size() > 64)
        return false;
    for (const char c : key)
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f')))
            return false;
    return true;
}

// Head keys, one a line; a line cut by a crash is not one.
QList<QByteArray> readKeys(const QString &path)
{
    QList<QByteArray> keys;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return keys;
    const QList<QByteArray> lines = file.readAll().split('\n');
    for (qsizetype i = 0; i + 1 < lines.size(); ++i)
        if (isHexKey(lines[i]))
            keys << lines[i];
    return keys;
}

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

QByteArray ReceivedMailIds::keyOf(const QByteArray &serverId)
{
    if (serverId.isEmpty() || isUsable(serverId))
        return serverId;
    return "~" + QCryptographicHash::hash(serverId, QCryptographicHash::Sha256).toHex().left(40);
}

QByteArray ReceivedMailIds::headKey(const QByteArray &recordOrHead)
{
    return QCryptographicHash::hash(recordOrHead.left(HistoryRecord::kHeadSize), QCryptographicHash::Sha256)
        .toHex()
        .left(24);
}

qint64 ReceivedMailIds::now()
{
    return clockSource() ? clockSource()() : QDateTime::currentSecsSinceEpoch();
}

void ReceivedMailIds::setClock(std::function<qint64()> source)
{
    clockSource() = std::move(source);
}

void ReceivedMailIds::setMonotonicClock(std::function<qint64()> source)
{
    monotonicSource() = std::move(source);
}

void ReceivedMailIds::storedInThisRun(const QString &idsPath, const QByteArray &key)
{
    StoredInRun &stored = storedInRun();
    std::lock_guard lock(stored.mutex);
    stored.at.insert(runKey(idsPath, key), monotonicNow());
}

qint64 ReceivedMailIds::ageOf(const QString &idsPath, const QByteArray &key, qint64 *storedAt)
{
    constexpr qint64 kYear = 366 * 24 * 60 * 60;
    const qint64 wall = now();
    if (*storedAt <= 0 || *storedAt > wall || wall - *storedAt > kYear)
        *storedAt = wall;
    qint64 age = wall - *storedAt;
    StoredInRun &stored = storedInRun();
    std::lock_guard lock(stored.mutex);
    if (const auto it = stored.at.constFind(runKey(idsPath, key)); it != stored.at.constEnd())
        age = qMin(age, monotonicNow() - *it);
    return age;
}

ReceivedMailIds::Ids ReceivedMailIds::load(bool *whole) const
{
    Ids ids;
    if (whole)
        *whole = false;
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly))
        return ids;
    const QByteArray all = file.readAll();
    // Read in place: a mailbox left on the server holds thousands of ids, read at every check.
    ids.reserve(all.count('\n'));
    qsizetype announced = -1;
    qsizetype lines = 0;
    qsizetype at = 0;
    for (bool first = true;; first = false) {
        const qsizetype end = all.indexOf('\n', at);
        // Only whole lines count: the last one may have been cut.
        if (end < 0)
            break;
        const QByteArrayView line = QByteArrayView(all).sliced(at, end - at).trimmed();
        at = end + 1;
        QList<QByteArrayView> fields;
        for (qsizetype from = 0; from <= line.size();) {
            qsizetype space = line.indexOf(' ', from);
            if (space < 0)
                space = line.size();
            fields << line.sliced(from, space - from);
            from = space + 1;
        }
        if (fields.isEmpty() || fields[0].isEmpty())
            continue;
        if (first && line.startsWith(kCountLine)) {
            bool ok = false;
            announced = fields.value(1).toLongLong(&ok);
            if (!ok)
                announced = -2;
            continue;
        }
        const QByteArray id = fields[0].toByteArray();
        if (!isUsable(id))
            continue;
        ++lines;
        Entry entry;
        for (qsizetype k = 1; k < fields.size(); ++k) {
            const QByteArrayView field = fields[k];
            if (field == kKept)
                entry.kept = true;
            else if (field.startsWith("t="))
                entry.storedAt = qMax<qint64>(0, field.sliced(2).toLongLong());
            else if (field.startsWith("h=") && isHexKey(field.sliced(2).toByteArray()))
                entry.head = field.sliced(2).toByteArray();
            else if (field.startsWith("s="))
                entry.size = qMax<qint64>(-1, field.sliced(2).toLongLong());
            else if (field == kLeaving)
                entry.leaving = true;
        }
        ids.insert(id, entry);
    }
    if (whole)
        *whole = announced == -1 ? all.isEmpty() || all.endsWith('\n') : announced == lines;
    return ids;
}

bool ReceivedMailIds::rewrite(const Ids &ids)
{
    QByteArray content = kCountLine + QByteArray::number(ids.size()) + '\n';
    for (auto it = ids.constBegin(); it != ids.constEnd(); ++it) {
        content += it.key();
        if (it->kept)
            content += QByteArray(" ") + kKept;
        if (it->storedAt > 0)
            content += " t=" + QByteArray::number(it->storedAt);
        if (!it->head.isEmpty())
            content += " h=" + it->head;
        if (it->size >= 0)
            content += " s=" + QByteArray::number(it->size);
        if (it->leaving)
            content += QByteArray(" ") + kLeaving;
        content += '\n';
    }
    std::lock_guard owner(FileOwner::lockFor(m_path));
    return SafeFile::replace(m_path, content, {}, mode_t(0600), &m_error);
}

bool ReceivedMailIds::noteDeletedHere(const QList<QByteArray> &heads)
{
    if (heads.isEmpty())
        return true;
    const QString path = deletedHerePath();
    std::lock_guard owner(FileOwner::lockFor(path));
    return appendLines(path, heads);
}

QList<ReceivedMailIds::DeletedMark> ReceivedMailIds::deletedHere()
{
    QList<DeletedMark> marks;
    const QString path = deletedHerePath();
    std::lock_guard owner(FileOwner::lockFor(path));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return marks;
    const QList<QByteArray> lines = file.readAll().split('\n');
    // The last line counts only when whole.
    for (qsizetype i = 0; i + 1 < lines.size(); ++i) {
        const QList<QByteArray> fields = lines[i].split(' ');
        if (!isHexKey(fields[0]))
            continue;
        if (fields.size() == 1)
            marks.append({fields[0], {}, {}});
        else if (fields.size() == 3 && isUsable(fields[1]) && isUsable(fields[2]))
            marks.append({fields[0], fields[1], fields[2]});
    }
    return marks;
}

namespace {

bool writeMarks(const QString &path, const QList<ReceivedMailIds::DeletedMark> &marks)
{
    if (marks.isEmpty())
        return QFile::remove(path) || !QFileInfo::exists(path);
    QByteArray lines;
    for (const ReceivedMailIds::DeletedMark &mark : marks)
        lines += mark.idFile.isEmpty() ? mark.head + '\n' : mark.head + ' ' + mark.idFile + ' ' + mark.key + '\n';
    return SafeFile::replace(path, lines, {}, mode_t(0600));
}

} // namespace

bool ReceivedMailIds::bindDeletedHere(const QList<DeletedMark> &found)
{
    if (found.isEmpty())
        return true;
    const QString path = deletedHerePath();
    std::lock_guard owner(FileOwner::lockFor(path));
    QList<DeletedMark> marks = deletedHere();
    for (const DeletedMark &mark : found) {
        if (marks.contains(mark))
            continue;  // bound before
        for (DeletedMark &line : marks)
            if (line.idFile.isEmpty() && line.head == mark.head) {
                line = mark;
                break;
            }
    }
    return writeMarks(path, marks);
}

bool ReceivedMailIds::forgetDeletedHere(const QList<DeletedMark> &done)
{
    if (done.isEmpty())
        return true;
    const QString path = deletedHerePath();
    std::lock_guard owner(FileOwner::lockFor(path));
    // Marks added since the check read them stay.
    QList<DeletedMark> left = deletedHere();
    for (const DeletedMark &mark : done)
        left.removeOne(mark);
    return writeMarks(path, left);
}

bool ReceivedMailIds::noteKept(const QList<QByteArray> &heads)
{
    if (heads.isEmpty())
        return true;
    const QString path = keptPath();
    std::lock_guard owner(FileOwner::lockFor(path));
    const QList<QByteArray> known = readKeys(path);
    QSet<QByteArray> noted(known.cbegin(), known.cend());
    QList<QByteArray> added;
    for (const QByteArray &head : heads)
        if (isHexKey(head) && !noted.contains(head)) {
            noted.insert(head);
            added << head;
        }
    return added.isEmpty() || appendLines(path, added);
}

QSet<QByteArray> ReceivedMailIds::keptHeads()
{
    const QString path = keptPath();
    std::lock_guard owner(FileOwner::lockFor(path));
    const QList<QByteArray> heads = readKeys(path);
    return QSet<QByteArray>(heads.cbegin(), heads.cend());
}

