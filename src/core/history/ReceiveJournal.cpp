#include "core/history/ReceiveJournal.h"

#include "core/common/AppPaths.h"
#include "core/common/FileOwner.h"
#include "core/common/SafeFile.h"
#include "core/history/HistoryFile.h"
#include "core/history/HistoryRecord.h"
#include "core/history/ReceivedMailIds.h"
#include "core/mail/mime/AttachmentWriter.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QMap>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <openssl/evp.h>
#include <unistd.h>

namespace {

QByteArray encoded(const QString &text)
{
    return text.toUtf8().toPercentEncoding();
}

QString decoded(const QByteArray &field)
{
    return QString::fromUtf8(QByteArray::fromPercentEncoding(field));
}

// OpenSSL's digest uses the processor's SHA instructions; every record of a check passes here.
QByteArray checksum(const QByteArray &bytes)
{
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned int length = 0;
    if (EVP_Digest(bytes.constData(), static_cast<size_t>(bytes.size()), digest, &length, EVP_sha256(), nullptr) != 1)
        return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
    return QByteArray(reinterpret_cast<const char *>(digest), static_cast<qsizetype>(length)).toHex();
}

QString systemError(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

struct Intent {
    qint64 offset = -1;
    QByteArray sum;
    QByteArray uid;
    bool kept = false;
    int mail = 0;
};

// What the journal says of one history.
struct Announced {
    qint64 startLength = -1;    // -1: the journal never reached it
    QMap<qint64, Intent> intents;  // by offset
};

// Keeps the run of announced records found whole from where the check began,
// cuts the rest; false when the file cannot be put right.
bool confirm(HistoryFile &history, const Announced &announced, ReceiveJournal::Recovery &result,
             QSet<int> &confirmedMails, ReceivedMailIds::Ids &stored)
{
    // A cut made by a recovery killed before is on disk before the journal goes.
    const auto flushed = [&] { return SafeFile::flush(history.path()) || !QFileInfo::exists(history.path()); };
    if (announced.startLength < 0)
        return flushed();
    const QMap<qint64, Intent> &intents = announced.intents;
    std::lock_guard owner(FileOwner::lockFor(history.path()));
    qint64 end = intents.isEmpty() ? announced.startLength : qMin(announced.startLength, intents.firstKey());
    QFile records(history.path());
    const bool readable = records.open(QIODevice::ReadOnly);
    int confirmed = 0;
    for (auto it = intents.cbegin(); readable && it != intents.cend(); ++it) {
        if (it.key() != end)
            break;
        if (!records.seek(it.key()))
            break;
        const QByteArray record = records.read(HistoryRecord::kSize);
        if (record.size() != HistoryRecord::kSize || checksum(record) != it->sum)
            break;
        end = it.key() + HistoryRecord::kSize;
        ++confirmed;
        confirmedMails << it->mail;
        if (!it->uid.isEmpty())
            stored[it->uid] = {it->kept, ReceivedMailIds::now(), ReceivedMailIds::headKey(record)};
    }
    records.close();
    result.confirmed += confirmed;
    result.dropped += int(intents.size()) - confirmed;
    // Whatever lies after the last record found whole was never confirmed.
    if (history.length() > end && !history.truncate(end))
        return false;
    return flushed();
}

} // namespace

ReceiveJournal::~ReceiveJournal()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

QString ReceiveJournal::path()
{
    return AppPaths::resolve(AppPaths::kDataFolder + QStringLiteral("\\receive-journal.txt"));
}

bool ReceiveJournal::writeLine(const QByteArray &line, bool sync)
{
    const QByteArray whole = line + '\n';
    qsizetype done = 0;
    while (done < whole.size()) {
        const ssize_t n = ::write(m_fd, whole.constData() + done, size_t(whole.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            m_error = QStringLiteral("%1: %2").arg(path(), systemError(n < 0 ? errno : EIO));
            return false;
        }
        done += n;
    }
    if (sync && ::fdatasync(m_fd) != 0) {
        m_error = QStringLiteral("%1: %2").arg(path(), systemError(errno));
        return false;
    }
    return true;
}

bool ReceiveJournal::begin(qint64 historyLength, qint64 junkLength, const QString &idsPath)
{
    m_fd = ::open(QFile::encodeName(path()).constData(),
                  O_WRONLY | O_CREAT | O_TRUNC | O_APPEND | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (m_fd < 0) {
        m_error = QStringLiteral("%1: %2").arg(path(), systemError(errno));
        return false;
    }
    // One write: a journal with an S line and no J line is an older version's.
    if (!writeLine("S " + QByteArray::number(historyLength) + ' ' + encoded(idsPath) + "\nJ "
                       + QByteArray::number(junkLength),
                   true))
        return false;
    SafeFile::syncFolderOf(path());
    return true;
}

bool ReceiveJournal::plan(int mail, const QStringList &files)
{
    QByteArray line = "P " + QByteArray::number(mail);
    for (const QString &file : files)
        line += ' ' + encoded(file);
    return writeLine(line, true);
}

bool ReceiveJournal::intend(int mail, HistoryFile::Kind kind, qint64 offset, const QByteArray &record,
                            const QByteArray &uid, bool kept)
{
    // Not synced: a record that reaches the disk without its line is cut at the next start.
    return writeLine("R " + QByteArray::number(mail) + ' ' + QByteArray::number(offset) + ' ' + checksum(record)
                         + ' ' + (uid.isEmpty() ? QByteArray("-") : uid) + ' ' + (kept ? '1' : '0')
                         + (kind == HistoryFile::Kind::Junk ? " J" : ""),
                     false);
}

bool ReceiveJournal::sync()
{
    if (m_fd >= 0 && ::fdatasync(m_fd) != 0) {
        m_error = QStringLiteral("%1: %2").arg(path(), systemError(errno));
        return false;
    }
    return true;
}

void ReceiveJournal::close()
{
    if (m_fd < 0)
        return;
    ::close(m_fd);
    m_fd = -1;
    ::unlink(QFile::encodeName(path()).constData());
    SafeFile::syncFolderOf(path());
}

ReceiveJournal::Recovery ReceiveJournal::recover()
{
    Recovery result;
    QFile file(path());
    if (!file.open(QIODevice::ReadOnly))
        return result;
    result.found = true;
    const QByteArray all = file.readAll();
    file.close();

    Announced received;
    Announced junk;
    QString idsPath;
    QMap<int, QStringList> files;
    const QList<QByteArray> lines = all.split('\n');
    // The last line counts only when whole: a crash may have cut it.
    for (qsizetype i = 0; i + 1 < lines.size(); ++i) {
        const QList<QByteArray> f = lines[i].split(' ');
        if (f.value(0) == "S" && f.size() >= 3 && received.startLength < 0) {
            bool ok = false;
            received.startLength = f[1].toLongLong(&ok);
            if (!ok || received.startLength < 0)
                received.startLength = -1;
            idsPath = decoded(f[2]);
        } else if (f.value(0) == "J" && f.size() == 2 && junk.startLength < 0) {
            bool ok = false;
            junk.startLength = f[1].toLongLong(&ok);
            if (!ok || junk.startLength < 0)
                junk.startLength = -1;
        } else if (f.value(0) == "P" && f.size() >= 2) {
            const int mail = f[1].toInt();
            for (qsizetype k = 2; k < f.size(); ++k)
                files[mail] << decoded(f[k]);
        } else if (f.value(0) == "R" && (f.size() == 6 || (f.size() == 7 && f[6] == "J"))) {
            bool ok = false;
            Intent intent{f[2].toLongLong(&ok), f[3], f[4] == "-" ? QByteArray() : f[4], f[5] == "1", f[1].toInt()};
            if (ok && intent.offset >= 0 && intent.offset % HistoryRecord::kSize == 0)
                (f.size() == 7 ? junk : received).intents[intent.offset] = intent;
        }
    }

    QSet<int> confirmedMails;
    ReceivedMailIds::Ids stored;
    for (auto [kind, announced] : {std::pair{HistoryFile::Kind::Received, &received},
                                   std::pair{HistoryFile::Kind::Junk, &junk}}) {
        HistoryFile history(kind);
        if (!confirm(history, *announced, result, confirmedMails, stored)) {
            result.error = QStringLiteral("%1 を修復できませんでした。").arg(history.path());
            return result;
        }
    }

    // Only what a check makes, in the folder it makes it in, is ever removed.
    const QString folder = QDir(AppPaths::resolve(AppPaths::kAttachmentFolder)).absolutePath();
    bool removing = false;
    for (auto it = files.cbegin(); it != files.cend(); ++it) {
        if (confirmedMails.contains(it.key()))
            continue;
        removing = removing || !it->isEmpty();
        for (const QString &made : *it) {
            const QFileInfo info(made);
            if (info.absolutePath() != folder || !info.isFile() || info.isSymLink())
                continue;
            if (QFile::remove(made))
                result.removed << made;
        }
    }

    // The files the kept records point to are on disk before the ids that say
    // they are stored, and the removals before the journal that announced them
    // goes: otherwise a power cut brings a file back that no record names. A
    // file already gone may be gone only in the cache of a recovery killed
    // before, so the folder is synced whenever files were announced.
    if ((!stored.isEmpty() || removing) && QFileInfo::exists(folder)) {
        AttachmentWriter writer(folder);
        if (!writer.sync()) {
            result.error = writer.errorText();
            return result;
        }
    }
    // A journal names an id file of this installation and nothing else: whatever
    // else it says is not ours to overwrite.
    const QFileInfo idsFile(idsPath);
    const bool ownIds = !idsPath.isEmpty() && idsFile.fileName().startsWith(QStringLiteral("uidl-"))
        && idsFile.fileName().endsWith(QStringLiteral(".txt")) && idsFile.fileName() != QStringLiteral("uidl-deleted.txt")
        && idsFile.absolutePath() == QDir(AppPaths::resolve(AppPaths::kDataFolder)).absolutePath();
    if (!stored.isEmpty() && ownIds) {
        QList<QByteArray> kept;
        for (const ReceivedMailIds::Entry &entry : std::as_const(stored))
            if (entry.kept)
                kept << entry.head;
        if (!ReceivedMailIds::noteKept(kept)) {
            result.error = QStringLiteral("%1 に書き込めませんでした。").arg(AppPaths::resolve(AppPaths::kDataFolder));
            return result;
        }
        ReceivedMailIds ids = ReceivedMailIds::atPath(idsPath);
        ReceivedMailIds::Ids known = ids.load();
        for (auto it = stored.cbegin(); it != stored.cend(); ++it)
            known.insert(it.key(), it.value());
        if (!ids.rewrite(known)) {
            result.error = ids.errorText();
            return result;
        }
    }
    ::unlink(QFile::encodeName(path()).constData());
    SafeFile::syncFolderOf(path());
    return result;
}
