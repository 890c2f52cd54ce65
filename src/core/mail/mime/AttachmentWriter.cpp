#include "core/mail/mime/AttachmentWriter.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// File systems allow 255 bytes; room is left for " (12345)".
constexpr qsizetype kMaxNameBytes = 200;
constexpr qsizetype kMaxExtensionChars = 16;

bool forbidden(QChar c)
{
    const char16_t u = c.unicode();
    if (u < 0x20 || (u >= 0x7F && u <= 0x9F))
        return true;
    switch (u) {
    case u'/': case u'\\': case u':': case u'*': case u'?': case u'"': case u'<': case u'>': case u'|':
        return true;
    default:
        return false;
    }
}

QString trimEnds(QString name)
{
    while (!name.isEmpty() && (name.back() == u' ' || name.back() == u'.' || name.back() == u'\u3000'))
        name.chop(1);
    while (!name.isEmpty() && (name.front() == u' ' || name.front() == u'\u3000'))
        name.remove(0, 1);
    return name;
}

QString cutToBytes(const QString &text, qsizetype maxBytes)
{
    QString out;
    qsizetype bytes = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const bool pair = text[i].isHighSurrogate() && i + 1 < text.size();
        const QString ch = pair ? text.mid(i, 2) : QString(text[i]);
        const qsizetype size = ch.toUtf8().size();
        if (bytes + size > maxBytes)
            break;
        out += ch;
        bytes += size;
        if (pair)
            ++i;
    }
    return out;
}

void splitExtension(const QString &name, QString *stem, QString *extension)
{
    const qsizetype dot = name.lastIndexOf(u'.');
    if (dot > 0 && name.size() - dot - 1 <= kMaxExtensionChars) {
        *stem = name.left(dot);
        *extension = name.mid(dot);
    } else {
        *stem = name;
        extension->clear();
    }
}

} // namespace

AttachmentWriter::AttachmentWriter(QString folder) : m_folder(std::move(folder))
{
    while (m_folder.size() > 1 && m_folder.endsWith(u'/'))
        m_folder.chop(1);
}

QString AttachmentWriter::safeName(const QString &name)
{
    QString base = name;
    const qsizetype cut = qMax(base.lastIndexOf(u'/'), base.lastIndexOf(u'\\'));
    if (cut >= 0)
        base = base.mid(cut + 1);
    QString clean;
    clean.reserve(base.size());
    for (QChar c : base) {
        // Format characters (bidi overrides, zero-width marks) could make a name
        // read as something else, ".exe" as ".txt" for one.
        if (c.unicode() < 0x20 || (c.unicode() >= 0x7F && c.unicode() <= 0x9F)
            || c.category() == QChar::Other_Format)
            continue;
        clean += forbidden(c) ? QChar(u'_') : c;
    }
    clean = trimEnds(clean);
    // A leading dot would hide the file from the user.
    while (clean.startsWith(u'.'))
        clean.remove(0, 1);
    clean = trimEnds(clean);
    if (clean.isEmpty())
        return kFallbackName;
    if (clean.toUtf8().size() > kMaxNameBytes) {
        QString stem;
        QString extension;
        splitExtension(clean, &stem, &extension);
        clean = trimEnds(cutToBytes(stem, kMaxNameBytes - extension.toUtf8().size())) + extension;
        if (clean.startsWith(u'.') || clean.isEmpty())
            clean = kFallbackName + extension;
    }
    return clean;
}

std::optional<QString> AttachmentWriter::plan(const QString &name)
{
    m_error.clear();
    const QString safe = safeName(name);
    QString stem;
    QString extension;
    splitExtension(safe, &stem, &extension);
    if (!m_scanned)
        scanFolder();
    const QString key = safe.toLower();
    int &next = m_nextNumber[key];
    // "report (2019).pdf" beside no "report.pdf" leaves "report.pdf" free.
    if (next >= 2)
        next = qMax(next, m_highestNumbered.value(key) + 1);
    for (int k = qMax(next, 1); k < 100000; ++k) {
        const QString file = k == 1 ? safe : QStringLiteral("%1 (%2)%3").arg(stem).arg(k).arg(extension);
        const QString path = m_folder + u'/' + file;
        next = k + 1;
        struct stat info {};
        // A file made by someone else since the scan only costs one more try.
        if (::lstat(QFile::encodeName(path).constData(), &info) == 0)
            continue;
        return path;
    }
    m_error = QStringLiteral("%1: 空いている名前がありません").arg(m_folder);
    return std::nullopt;
}

bool AttachmentWriter::writeAt(const QString &path, const QByteArray &bytes)
{
    m_error.clear();
    const QByteArray native = QFile::encodeName(path);
    // O_EXCL: a planned name taken meanwhile is never overwritten.
    const int fd = ::open(native.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0) {
        m_lastErrno = errno;
        m_error = QStringLiteral("%1: %2").arg(path, QString::fromLocal8Bit(strerror(errno)));
        return false;
    }
    const char *data = bytes.constData();
    qsizetype left = bytes.size();
    bool ok = true;
    while (left > 0) {
        const ssize_t written = ::write(fd, data, static_cast<size_t>(left));
        if (written < 0) {
            if (errno == EINTR)
                continue;
            ok = false;
            break;
        }
        data += written;
        left -= written;
    }
    const int savedErrno = errno;
    ::close(fd);
    if (!ok) {
        ::unlink(native.constData());
        m_lastErrno = savedErrno;
        m_error = QStringLiteral("%1: %2").arg(path, QString::fromLocal8Bit(strerror(savedErrno)));
        return false;
    }
    return true;
}

std::optional<QString> AttachmentWriter::write(const QString &name, const QByteArray &bytes)
{
    for (;;) {
        const auto path = plan(name);
        if (!path)
            return std::nullopt;
        if (writeAt(*path, bytes))
            return path;
        if (m_lastErrno != EEXIST)
            return std::nullopt;
    }
}

void AttachmentWriter::scanFolder()
{
    m_scanned = true;
    // One look at the folder tells, for every name, the first number that is
    // surely free after those already there.
    static const QRegularExpression numbered(QStringLiteral("^(.*) \\((\\d{1,5})\\)(\\.[^.]*)?$"));
    const QStringList present = QDir(m_folder).entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &file : present) {
        const auto m = numbered.match(file);
        if (m.hasMatch()) {
            const QString base = (m.captured(1) + m.captured(3)).toLower();
            int &highest = m_highestNumbered[base];
            highest = qMax(highest, m.captured(2).toInt());
        }
        int &next = m_nextNumber[file.toLower()];
        next = qMax(next, 2);
    }
}

bool AttachmentWriter::sync()
{
    m_error.clear();
    const int dir = ::open(QFile::encodeName(m_folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir < 0) {
        m_error = QStringLiteral("%1: %2").arg(m_folder, QString::fromLocal8Bit(strerror(errno)));
        return false;
    }
    // One flush of the whole file system costs what one file's fsync does, so
    // a mail with many files waits once, not once per file.
    const bool ok = ::syncfs(dir) == 0 && ::fsync(dir) == 0;
    if (!ok)
        m_error = QStringLiteral("%1: %2").arg(m_folder, QString::fromLocal8Bit(strerror(errno)));
    ::close(dir);
    return ok;
}
