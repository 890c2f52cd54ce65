#include "core/exchange/HistoryExchange.h"

#include "core/common/AppPaths.h"
#include "core/common/FileError.h"
#include "core/common/SafeFile.h"
#include "core/common/ImportFile.h"
#include "core/common/Mbox.h"
#include "core/exchange/RecordMessage.h"
#include "core/history/WholeMailLink.h"
#include "core/mail/mime/AttachmentWriter.h"
#include "core/mail/mime/HeaderEncoder.h"
#include "core/mail/MailLibrary.h"
#include "core/check/ReceivedRecord.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>

#include <cerrno>
#include <fcntl.h>
#include <future>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace HistoryExchange {

namespace {

constexpr int kRecordsPerRead = 128;
constexpr qsizetype kWriteChunk = qsizetype(4) << 20;
constexpr qint64 kCopyChunk = qint64(1) << 20;

// The sequential reader of a history file: whole records, in blocks. The next
// block is read on a thread of its own while the current one is worked on.
class RecordStream {
public:
    explicit RecordStream(const QString &path) : m_path(path) {}
    ~RecordStream()
    {
        if (m_pending.valid())
            m_pending.wait();
        if (m_fd >= 0)
            ::close(m_fd);
    }
    RecordStream(const RecordStream &) = delete;
    RecordStream &operator=(const RecordStream &) = delete;

    bool open(QString *error)
    {
        m_fd = ::open(QFile::encodeName(m_path).constData(), O_RDONLY | O_CLOEXEC);
        if (m_fd < 0) {
            // A history never written is an empty one.
            if (errno == ENOENT)
                return true;
            *error = FileError::cannotRead(m_path, errno);
            return false;
        }
        struct stat info {};
        if (::fstat(m_fd, &info) != 0) {
            *error = FileError::cannotRead(m_path, errno);
            return false;
        }
        m_size = info.st_size;
        ::posix_fadvise(m_fd, 0, 0, POSIX_FADV_SEQUENTIAL);
        startRead();
        return true;
    }
    qint64 size() const { return m_size; }
    qint64 position() const { return qMin(m_readOffset, m_size); }
    // Set when a read failed: what was read so far is all there is.
    const QString &error() const { return m_error; }

    // The next whole record, or null at the end.
    const char *next()
    {
        if (m_offset + HistoryRecord::kSize > m_block.size()) {
            if (!m_pending.valid())
                return nullptr;
            const qint64 got = m_pending.get();
            if (got < 0) {
                m_error = FileError::cannotRead(m_path, static_cast<int>(-got));
                return nullptr;
            }
            std::swap(m_block, m_spare);
            m_block.resize(got);
            m_offset = 0;
            startRead();
            if (m_block.size() < HistoryRecord::kSize)
                return nullptr;
        }
        const char *record = m_block.constData() + m_offset;
        m_offset += HistoryRecord::kSize;
        return record;
    }

private:
    static constexpr qint64 kBlockBytes = qint64(HistoryRecord::kSize) * kRecordsPerRead;

    // Whole blocks, or a negative errno.
    static qint64 readFully(int fd, char *data, qint64 size, qint64 offset)
    {
        qint64 done = 0;
        while (done < size) {
            const ssize_t got = ::pread(fd, data + done, static_cast<size_t>(size - done), offset + done);
            if (got < 0 && errno == EINTR)
                continue;
            if (got < 0)
                return -errno;
            if (got == 0)
                break;
            done += got;
        }
        return done;
    }

    void startRead()
    {
        if (m_readOffset >= m_size)
            return;
        m_spare.resize(kBlockBytes);
        char *data = m_spare.data();
        const qint64 offset = m_readOffset;
        const int fd = m_fd;
        m_readOffset += kBlockBytes;
        m_pending = std::async(std::launch::async, [fd, data, offset] { return readFully(fd, data, kBlockBytes, offset); });
    }

    QString m_path;
    int m_fd = -1;
    qint64 m_size = 0;
    qint64 m_readOffset = 0;
    QByteArray m_block;
    QByteArray m_spare;
    qsizetype m_offset = 0;
    std::future<qint64> m_pending;
    QString m_error;
};

// The whole mail a record links to, when its file can be read.
std::optional<QString> wholeMailFile(const RecordMessage::Shown &record)
{
    if (!record.record.Body.endsWith(WholeMailLink::kSuffix))
        return std::nullopt;
    HistoryRecord linkOnly;
    linkOnly.Body = record.record.Body;
    const auto path = WholeMailLink::linkedFile(linkOnly);
    if (!path || QFileInfo(*path).size() == 0)
        return std::nullopt;
    return path;
}

QByteArray separatorFor(const RecordMessage::Shown &record, HistoryFile::Kind kind, const QString &ownAddress, const QDateTime &moment)
{
    const QByteArray sender =
        RecordMessage::envelopeAddress(kind != HistoryFile::Kind::Sent ? record.correspondent : ownAddress);
    return Mbox::separator(sender, moment);
}

void report(const Work &work, qint64 done, qint64 total)
{
    if (work.progress)
        work.progress(done, total);
}

Outcome failed(const QString &error, int count = 0)
{
    Outcome outcome;
    outcome.error = error;
    outcome.count = count;
    return outcome;
}

QByteArray withCrLf(const QByteArray &raw)
{
    const qsizetype lines = raw.count('\n');
    if (lines == raw.count("\r\n"))
        return raw;
    QByteArray out;
    out.reserve(raw.size() + lines);
    for (qsizetype i = 0; i < raw.size(); ++i) {
        if (raw[i] == '\n' && (i == 0 || raw[i - 1] != '\r'))
            out += '\r';
        out += raw[i];
    }
    return out;
}

// Stores messages in the received history the way a mail check does.
class Importer {
public:
    explicit Importer(Outcome &outcome) : m_outcome(outcome) {}

    // A check's leftover journal that could not be settled: nothing may be appended.
    const QString &unsettled() const { return m_session.unsettled(); }

    // False when the import cannot go on.
    bool store(const QByteArray &message)
    {
        // A separator with nothing after it is no mail.
        if (message.trimmed().isEmpty())
            return true;
        HistoryFile received(HistoryFile::Kind::Received);
        if (received.count() >= RecordFile::kMaxRecords) {
            m_outcome.full = true;
            return false;
        }
        MailLibrary &library = MailLibrary::instance();
        FetchedMail mail = MailLibrary::parse(withCrLf(message));
        const int unpacked = library.unpackAttachments(mail, m_folder);
        if (unpacked == MailLibrary::kCannotWrite || unpacked == MailLibrary::kPartsMissing)
            ++m_outcome.attachmentProblems;
        QString error;
        const auto record = ReceivedRecord::build(mail, unpacked == MailLibrary::kUnpacked, &error);
        if (!record) {
            m_outcome.error = error;
            return false;
        }
        const RecordFile::Result stored = received.append(*record);
        if (!stored.ok) {
            m_outcome.error = stored.error;
            return false;
        }
        ++m_outcome.count;
        return true;
    }

    void finish()
    {
        QString why;
        const QString path = HistoryFile(HistoryFile::Kind::Received).path();
        if (m_outcome.count > 0 && !SafeFile::flush(path, &why) && m_outcome.error.isEmpty())
            m_outcome.error = QStringLiteral("%1 に書き込めませんでした（%2）。").arg(path, why);
        m_outcome.ok = m_outcome.error.isEmpty() && !m_outcome.full && !m_outcome.cancelled;
    }

private:
    // Deletions in the history window wait until the import has appended its records.
    HistoryFile::AppendSession m_session{HistoryFile::Kind::Received};
    Outcome &m_outcome;
    QString m_folder = AppPaths::resolve(AppPaths::kAttachmentFolder);
};

// One mail in a file of its own, bounded as one in an mbox is.
std::optional<QByteArray> readWhole(const QString &path, QString *error)
{
    const QString tooLarge = ImportFile::mailTooLarge(path, 0);
    auto bytes = ImportFile::readAll(path, ImportFile::kMaxMailBytes, tooLarge, error);
    if (bytes && ImportFile::hasOverlongLine(*bytes)) {
        *error = tooLarge;
        return std::nullopt;
    }
    return bytes;
}

} // namespace

QDateTime recordMoment(const QString &dateText)
{
    return RecordMessage::dateParts(dateText).moment;
}

QByteArray buildMessage(const HistoryRecord &stored, HistoryFile::Kind kind, const QString &ownAddress)
{
    const bool sent = kind == HistoryFile::Kind::Sent;
    return RecordMessage::build(RecordMessage::read(stored.toBytes(sent).constData(), sent), kind, ownAddress);
}

Outcome exportMbox(HistoryFile::Kind kind, const QString &path, const Work &work, const QString &ownAddress)
{
    RecordStream records(HistoryFile(kind).path());
    QString error;
    if (!records.open(&error))
        return failed(error);
    SafeFile out(path, {}, {}, SafeFile::Name::Chosen);
    if (!out.open())
        return failed(out.errorString());

    Outcome outcome;
    QByteArray buffer;
    buffer.reserve(kWriteChunk + (1 << 16));
    const qint64 total = records.size();
    // The disk starts on what is written while the rest is built, so the flush
    // at the end has little left to wait for.
    const int writeBack = ::open(QFile::encodeName(out.temporaryPath()).constData(), O_RDONLY | O_CLOEXEC);
    qint64 written = 0;
    const auto flushBuffer = [&] {
        const bool ok = out.write(buffer);
        if (ok && writeBack >= 0)
            ::sync_file_range(writeBack, written, buffer.size(), SYNC_FILE_RANGE_WRITE);
        written += buffer.size();
        buffer.resize(0);  // keeps its memory for the next round
        return ok;
    };
    const auto closeWriteBack = qScopeGuard([writeBack] {
        if (writeBack >= 0)
            ::close(writeBack);
    });
    while (const char *data = records.next()) {
        if (work.cancelled()) {
            outcome.cancelled = true;
            return outcome;
        }
        const RecordMessage::Shown record = RecordMessage::read(data, kind == HistoryFile::Kind::Sent);
        const RecordMessage::DateParts date = RecordMessage::dateParts(record.date);
        const QByteArray separator = separatorFor(record, kind, ownAddress, date.moment);
        bool written = false;
        if (const auto file = wholeMailFile(record)) {
            QFile mail(*file);
            if (mail.open(QIODevice::ReadOnly)) {
                Mbox::Quoter quoter;
                buffer += separator;
                while (true) {
                    const QByteArray chunk = mail.read(kCopyChunk);
                    if (chunk.isEmpty())
                        break;
                    buffer += quoter.feed(chunk);
                    if (buffer.size() >= kWriteChunk && !flushBuffer())
                        return failed(out.errorString(), outcome.count);
                }
                if (mail.error() != QFileDevice::NoError)
                    return failed(FileError::cannotRead(*file, errno), outcome.count);
                buffer += quoter.finish();
                if (!quoter.endedWithLineBreak())
                    buffer += '\n';
                buffer += '\n';
                written = true;
            }
        }
        if (!written)
            Mbox::appendEntry(buffer, separator, RecordMessage::build(record, kind, ownAddress, date));
        ++outcome.count;
        if (buffer.size() >= kWriteChunk) {
            if (!flushBuffer())
                return failed(out.errorString(), outcome.count);
            report(work, records.position(), total);
        }
    }
    if (!records.error().isEmpty())
        return failed(records.error(), outcome.count);
    if (!flushBuffer() || !out.commit())
        return failed(out.errorString(), outcome.count);
    report(work, total, total);
    outcome.ok = true;
    return outcome;
}

Outcome exportEmlFolder(HistoryFile::Kind kind, const QString &folder, const Work &work, const QString &ownAddress)
{
    RecordStream records(HistoryFile(kind).path());
    QString error;
    if (!records.open(&error))
        return failed(error);
    if (!QFileInfo(folder).isDir())
        return failed(QStringLiteral("フォルダ %1 が見つかりません。").arg(folder));

    Outcome outcome;
    const qint64 total = records.size();
    int n = 0;
    while (const char *data = records.next()) {
        if (work.cancelled()) {
            outcome.cancelled = true;
            return outcome;
        }
        ++n;
        const RecordMessage::Shown record = RecordMessage::read(data, kind == HistoryFile::Kind::Sent);
        const QString subject = HeaderEncoder::singleLine(record.subject).remove(QChar(u'\0')).trimmed().left(40);
        const QString number = QString::number(n).rightJustified(5, u'0');
        const QString name = AttachmentWriter::safeName(
            (subject.isEmpty() ? number : number + u' ' + subject) + QStringLiteral(".eml"));
        const QString target = QDir(folder).filePath(name);
        QFile out;
        // A new file only, never through a link, and the user's alone whatever the umask.
        const int fd = ::open(QFile::encodeName(target).constData(),
                              O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd < 0 && errno == EEXIST)
            return failed(QStringLiteral("%1 は既にあります。空のフォルダを選んでください。").arg(target), outcome.count);
        if (fd < 0 || ::fchmod(fd, 0600) != 0 || !out.open(fd, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle)) {
            const int why = errno;
            if (fd >= 0) {
                ::close(fd);
                QFile::remove(target);
            }
            return failed(FileError::cannotCreate(target, why), outcome.count);
        }
        bool ok = true;
        const auto file = wholeMailFile(record);
        QFile mail(file.value_or(QString()));
        if (file && mail.open(QIODevice::ReadOnly)) {
            while (ok) {
                const QByteArray chunk = mail.read(kCopyChunk);
                if (chunk.isEmpty())
                    break;
                ok = out.write(chunk) == chunk.size();
            }
        } else {
            const QByteArray built = RecordMessage::build(record, kind, ownAddress);
            ok = out.write(built) == built.size();
        }
        if (!ok || !out.flush()) {
            const int why = errno;
            out.close();
            QFile::remove(target);
            return failed(FileError::cannotWrite(target, why), outcome.count);
        }
        out.close();
        ++outcome.count;
        if (n % 256 == 0)
            report(work, records.position(), total);
    }
    if (!records.error().isEmpty())
        return failed(records.error(), outcome.count);
    report(work, total, total);
    outcome.ok = true;
    return outcome;
}

Outcome import(const QString &path, const Work &work)
{
    const QFileInfo info(path);
    if (!info.exists())
        return failed(QStringLiteral("%1 が見つかりません。").arg(path));

    Outcome outcome;
    Importer importer(outcome);
    if (!importer.unsettled().isEmpty())
        return failed(importer.unsettled());
    if (info.isDir()) {
        QDir dir(path);
        const QStringList names = dir.entryList({QStringLiteral("*.eml")}, QDir::Files | QDir::Readable,
                                                QDir::Name | QDir::IgnoreCase);
        for (qsizetype i = 0; i < names.size(); ++i) {
            if (work.cancelled()) {
                outcome.cancelled = true;
                break;
            }
            QString error;
            const auto message = readWhole(dir.filePath(names[i]), &error);
            if (!message) {
                outcome.error = error;
                break;
            }
            if (!importer.store(*message))
                break;
            report(work, i + 1, names.size());
        }
        importer.finish();
        return outcome;
    }

    QFile probe;
    QString error;
    if (!ImportFile::open(probe, path, &error))
        return failed(error);
    const QByteArray head = probe.read(1024);
    probe.close();
    if (!Mbox::Reader::looksLikeMbox(head) && !head.isEmpty()) {
        if (info.suffix().compare(QLatin1String("eml"), Qt::CaseInsensitive) != 0)
            return failed(QStringLiteral("%1 は mbox 形式のファイルではありません。").arg(path));
        const auto message = readWhole(path, &error);
        if (!message)
            return failed(error);
        importer.store(*message);
        importer.finish();
        return outcome;
    }

    Mbox::Reader reader(path);
    if (!reader.open())
        return failed(reader.error());
    while (true) {
        if (work.cancelled()) {
            outcome.cancelled = true;
            break;
        }
        const auto message = reader.next();
        if (!message) {
            if (!reader.error().isEmpty())
                outcome.error = reader.error();
            break;
        }
        if (!importer.store(*message))
            break;
        report(work, reader.position(), reader.size());
    }
    importer.finish();
    return outcome;
}

} // namespace HistoryExchange
