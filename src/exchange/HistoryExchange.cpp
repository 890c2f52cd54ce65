#include "exchange/HistoryExchange.h"

#include "common/AppPaths.h"
#include "common/Cp932.h"
#include "common/FileError.h"
#include "common/LineEnds.h"
#include "common/SafeFile.h"
#include "exchange/Mbox.h"
#include "history/RecordText.h"
#include "history/WholeMailLink.h"
#include "mail/AttachmentWriter.h"
#include "mail/HeaderEncoder.h"
#include "mail/MailLibrary.h"
#include "mail/MimeWriter.h"
#include "receive/ReceivedRecord.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <cerrno>
#include <fcntl.h>
#include <future>
#include <sys/stat.h>
#include <unistd.h>
#include <cstring>
#include <optional>

namespace HistoryExchange {

namespace {

constexpr int kRecordsPerRead = 128;
constexpr qsizetype kWriteChunk = qsizetype(4) << 20;
constexpr qint64 kCopyChunk = qint64(1) << 20;
constexpr int kHardLineLimit = 998;

bool isAscii(const QString &text)
{
    for (QChar c : text)
        if (c.unicode() >= 0x80)
            return false;
    return true;
}

// A field as the boxes show it, decoded without its pad spaces. A space byte is
// never the second byte of a CP932 character, so cutting at it is safe.
QString field(const char *data, int width, qsizetype *usedEnd = nullptr)
{
    int start = 0;
    int end = width;
    // Most of a body field is padding: skip it a kilobyte, then eight bytes at a time.
    static const QByteArray kSpaces(1024, ' ');
    while (end >= kSpaces.size() && std::memcmp(data + end - kSpaces.size(), kSpaces.constData(), kSpaces.size()) == 0)
        end -= kSpaces.size();
    static constexpr quint64 kEightSpaces = 0x2020202020202020ULL;
    while (end >= 8) {
        quint64 word;
        std::memcpy(&word, data + end - 8, 8);
        if (word != kEightSpaces)
            break;
        end -= 8;
    }
    while (end > 0 && data[end - 1] == ' ')
        --end;
    while (start < end && data[start] == ' ')
        ++start;
    if (usedEnd)
        *usedEnd = end;
    return Cp932::decode(data + start, end - start);
}

// One record as the history window shows it when it has no whole mail of its own.
struct Shown {
    HistoryRecord record;  // trimmed, as stored
    QString subject;
    QString correspondent;
    QString date;
    QString body;
    QByteArray id;  // the Message-ID, from the record's bytes
};

QByteArray messageId(const char *data, qsizetype bodyEnd, bool sent)
{
    QCryptographicHash hash(QCryptographicHash::Sha1);
    hash.addData(QByteArrayView(data, HistoryRecord::kBodyOffset + bodyEnd));
    return "<" + hash.result().toHex().left(32) + (sent ? ".sent" : ".received") + "@pintora.invalid>";
}

Shown shown(const char *data, bool sent)
{
    Shown s;
    s.record.Subject = field(data + HistoryRecord::kSubjectOffset, HistoryRecord::kSubjectWidth);
    s.record.MailDate = field(data + HistoryRecord::kDateOffset, HistoryRecord::kDateWidth);
    s.record.Correspondent = field(data + HistoryRecord::kCorrespondentOffset, HistoryRecord::kCorrespondentWidth);
    qsizetype bodyEnd = 0;
    s.record.Body = field(data + HistoryRecord::kBodyOffset, HistoryRecord::kBodyWidth, &bodyEnd);
    s.id = messageId(data, bodyEnd, sent);
    const QString &from = s.record.Correspondent;
    s.subject = RecordText::forScreen(s.record.Subject, from);
    s.correspondent = RecordText::forScreen(from, from);
    s.date = RecordText::forScreen(s.record.MailDate, from);
    s.body = RecordText::forScreen(s.record.Body, from);
    return s;
}

QString headerText(QString text)
{
    text.remove(QChar(u'\0'));
    return HeaderEncoder::singleLine(text).trimmed();
}

// RFC 2047 words in UTF-8, each of whole characters and at most 75 long, folded
// onto lines of their own after the first; used counts the characters before
// the first word. A history holds many thousands of mails, so this stays off iconv.
QByteArray utf8Words(const QString &text, int used)
{
    constexpr int kWordBytes = 45;  // "=?UTF-8?B?" + base64 of 45 bytes + "?=" is 74 long
    QByteArray out;
    QByteArray piece;
    int room = qBound(9, (76 - used - 12) / 4 * 3, kWordBytes);
    const auto flush = [&] {
        if (piece.isEmpty())
            return;
        if (!out.isEmpty())
            out += "\r\n ";
        out += "=?UTF-8?B?" + piece.toBase64() + "?=";
        piece.clear();
        room = kWordBytes;
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const bool pair = text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
        const QByteArray character = QStringView(text).mid(i, pair ? 2 : 1).toUtf8();
        if (pair)
            ++i;
        if (piece.size() + character.size() > room)
            flush();
        piece += character;
    }
    flush();
    return out;
}

// Plain ASCII goes as it stands, so it reads back the same; anything else as words.
QByteArray unstructuredValue(const QString &text, int used)
{
    if (isAscii(text) && !text.contains(QStringLiteral("=?")) && used + text.size() <= kHardLineLimit)
        return text.toLatin1();
    return utf8Words(text, used);
}

QByteArray addressHeader(const QByteArray &name, const QString &value)
{
    const QString text = headerText(value);
    if (text.isEmpty())
        return {};
    const int used = static_cast<int>(name.size()) + 2;
    QByteArray folded;
    if (isAscii(text) && !text.contains(QStringLiteral("=?"))) {
        folded = text.toLatin1();
    } else if (const auto mailboxes = HeaderEncoder::parseAddresses(text); mailboxes && !mailboxes->isEmpty()) {
        for (const HeaderEncoder::Mailbox &mailbox : *mailboxes) {
            if (!folded.isEmpty())
                folded += ",\r\n ";
            if (mailbox.name.isEmpty()) {
                folded += mailbox.address.toLatin1();
                continue;
            }
            if (isAscii(mailbox.name))
                folded += HeaderEncoder::mailboxText(mailbox).toLatin1();
            else
                folded += utf8Words(mailbox.name, folded.isEmpty() ? used : 1) + " <" + mailbox.address.toLatin1() + ">";
        }
    } else {
        folded = utf8Words(text, used);
    }
    return name + ": " + folded + "\r\n";
}

// The bare address of a From or To text, for the separator line.
QByteArray envelopeAddress(const QString &text)
{
    const auto mailboxes = HeaderEncoder::parseAddresses(headerText(text));
    if (!mailboxes || mailboxes->isEmpty())
        return {};
    const QString address = mailboxes->first().address;
    return isAscii(address) ? address.toLatin1() : QByteArray();
}

QByteArray hexByte(unsigned char byte)
{
    static const char digits[] = "0123456789ABCDEF";
    const char hex[] = {'=', digits[byte >> 4], digits[byte & 15]};
    return QByteArray(hex, 3);
}

// Quoted-printable of CR LF text; a body that does not end with a line break
// ends with a soft one, so readers see no line break the record never had.
QByteArray quotedPrintable(const QByteArray &text)
{
    QByteArray out;
    out.reserve(text.size() * 2);
    const QList<QByteArray> lines = text.split('\n');
    for (qsizetype l = 0; l < lines.size(); ++l) {
        QByteArray line = lines[l];
        const bool last = l + 1 == lines.size();
        if (line.endsWith('\r'))
            line.chop(1);
        if (last && line.isEmpty())
            break;
        int column = 0;
        for (qsizetype i = 0; i < line.size(); ++i) {
            const auto byte = static_cast<unsigned char>(line[i]);
            const bool atEnd = i + 1 == line.size();
            QByteArray piece;
            if ((byte == ' ' || byte == '\t') && !atEnd)
                piece = QByteArray(1, char(byte));
            else if (byte >= 33 && byte <= 126 && byte != '=')
                piece = QByteArray(1, char(byte));
            else
                piece = hexByte(byte);
            // 76 characters a line at most, a soft break "=" included.
            if (column + piece.size() > 75) {
                out += "=\r\n";
                column = 0;
            }
            out += piece;
            column += static_cast<int>(piece.size());
        }
        out += last ? "=\r\n" : "\r\n";
    }
    return out;
}

const QRegularExpression &zoneComment()
{
    static const QRegularExpression comment(QStringLiteral("\\s*\\([^)]*\\)"));
    return comment;
}

QDateTime parseMailDate(QString text)
{
    if (text.contains(u'('))
        text.remove(zoneComment());
    text = text.simplified();
    static const struct {
        const char *name;
        const char *offset;
    } zones[] = {{" GMT", " +0000"}, {" UT", " +0000"}, {" UTC", " +0000"}, {" JST", " +0900"}};
    for (const auto &zone : zones)
        if (text.endsWith(QLatin1String(zone.name)))
            text = text.left(text.size() - qstrlen(zone.name)) + QLatin1String(zone.offset);
    QDateTime moment = QDateTime::fromString(text, Qt::RFC2822Date);
    if (!moment.isValid()) {
        // Hours and minutes without seconds.
        static const QRegularExpression shortTime(QStringLiteral("(\\d{1,2}:\\d{2})( [+-]\\d{4})$"));
        QString withSeconds = text;
        withSeconds.replace(shortTime, QStringLiteral("\\1:00\\2"));
        moment = QDateTime::fromString(withSeconds, Qt::RFC2822Date);
    }
    return moment;
}

QDateTime parseClockText(const QString &text)
{
    static const char *formats[] = {"yyyy/MM/dd  HH:mm:ss", "yyyy/M/d  H:mm:ss", "yyyy-MM-dd  HH:mm:ss",
                                    "yyyy/MM/dd HH:mm:ss", "yyyy/M/d H:mm:ss"};
    for (const char *format : formats) {
        QDateTime moment = QDateTime::fromString(text.trimmed(), QString::fromLatin1(format));
        if (moment.isValid())
            return moment;
    }
    return {};
}

struct DateParts {
    QByteArray header;  // the whole Date line, or empty
    QDateTime moment;
};

DateParts dateParts(const QString &dateText)
{
    DateParts parts;
    const QString text = headerText(dateText);
    if (text.isEmpty())
        return parts;
    parts.moment = parseMailDate(text);
    // A mail's own date goes as it came, so it reads back the same.
    if (parts.moment.isValid() && isAscii(text)) {
        parts.header = "Date: " + text.toLatin1() + "\r\n";
        return parts;
    }
    if (!parts.moment.isValid())
        parts.moment = parseClockText(text);
    if (parts.moment.isValid())
        parts.header = "Date: " + MimeWriter::dateText(parts.moment) + "\r\n";
    return parts;
}

// Record text with its line breaks as CR LF, in UTF-8.
QByteArray crLfUtf8(const QString &text)
{
    QByteArray bytes = text.toUtf8();
    qsizetype lone = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
            ++i;
        else if (bytes[i] == '\r' || bytes[i] == '\n')
            ++lone;
    }
    if (lone == 0)
        return bytes;
    return LineEnds::toCrLf(LineEnds::toWidget(text)).toUtf8();
}

QByteArray message(const Shown &record, HistoryFile::Kind kind, const QString &ownAddress, const DateParts &date)
{
    const bool received = kind == HistoryFile::Kind::Received;
    QByteArray message;
    message.reserve(512 + record.body.size() * 3);
    message += addressHeader("From", received ? record.correspondent : ownAddress);
    if (!received)
        message += addressHeader("To", record.correspondent);
    message += "Subject: " + unstructuredValue(headerText(record.subject), 9) + "\r\n";
    message += date.header;
    message += "Message-ID: " + record.id + "\r\n";
    message += "MIME-Version: 1.0\r\n";

    const QByteArray body = crLfUtf8(record.body);
    bool shortLines = !body.contains('\0');
    bool ascii = true;
    for (qsizetype start = 0; shortLines && start < body.size();) {
        qsizetype end = body.indexOf('\n', start);
        if (end < 0)
            end = body.size();
        shortLines = end - start <= kHardLineLimit;
        start = end + 1;
    }
    for (qsizetype i = 0; ascii && i < body.size(); i += 8) {
        quint64 word = 0;
        std::memcpy(&word, body.constData() + i, qMin<qsizetype>(8, body.size() - i));
        ascii = (word & 0x8080808080808080ULL) == 0;
    }
    const bool endsLine = body.isEmpty() || body.endsWith("\r\n");
    message += "Content-Type: text/plain; charset=UTF-8\r\n";
    if (shortLines && endsLine) {
        message += ascii ? "Content-Transfer-Encoding: 7bit\r\n\r\n" : "Content-Transfer-Encoding: 8bit\r\n\r\n";
        message += body;
    } else {
        message += "Content-Transfer-Encoding: quoted-printable\r\n\r\n";
        message += quotedPrintable(body);
    }
    return message;
}

QByteArray message(const Shown &record, HistoryFile::Kind kind, const QString &ownAddress)
{
    return message(record, kind, ownAddress, dateParts(record.date));
}

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
std::optional<QString> wholeMailFile(const Shown &record)
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

QByteArray separatorFor(const Shown &record, HistoryFile::Kind kind, const QString &ownAddress, const QDateTime &moment)
{
    const QByteArray sender =
        envelopeAddress(kind == HistoryFile::Kind::Received ? record.correspondent : ownAddress);
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
    Outcome &m_outcome;
    QString m_folder = AppPaths::resolve(AppPaths::kAttachmentFolder);
};

std::optional<QByteArray> readWhole(const QString &path, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = FileError::cannotRead(path, errno);
        return std::nullopt;
    }
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        *error = FileError::cannotRead(path, errno);
        return std::nullopt;
    }
    return bytes;
}

} // namespace

QDateTime recordMoment(const QString &dateText)
{
    return dateParts(dateText).moment;
}

QByteArray buildMessage(const HistoryRecord &stored, HistoryFile::Kind kind, const QString &ownAddress)
{
    const bool sent = kind == HistoryFile::Kind::Sent;
    return message(shown(stored.toBytes(sent).constData(), sent), kind, ownAddress);
}

Outcome exportMbox(HistoryFile::Kind kind, const QString &path, const Work &work, const QString &ownAddress)
{
    RecordStream records(HistoryFile(kind).path());
    QString error;
    if (!records.open(&error))
        return failed(error);
    SafeFile out(path);
    if (!out.open())
        return failed(out.errorString());

    Outcome outcome;
    QByteArray buffer;
    buffer.reserve(kWriteChunk + (1 << 16));
    const qint64 total = records.size();
    const auto flushBuffer = [&] {
        const bool ok = out.write(buffer);
        buffer.resize(0);  // keeps its memory for the next round
        return ok;
    };
    while (const char *data = records.next()) {
        if (work.cancelled()) {
            outcome.cancelled = true;
            return outcome;
        }
        const Shown record = shown(data, kind == HistoryFile::Kind::Sent);
        const DateParts date = dateParts(record.date);
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
            Mbox::appendEntry(buffer, separator, message(record, kind, ownAddress, date));
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
        const Shown record = shown(data, kind == HistoryFile::Kind::Sent);
        const QString subject = headerText(record.subject).left(40);
        const QString number = QString::number(n).rightJustified(5, u'0');
        const QString name = AttachmentWriter::safeName(
            (subject.isEmpty() ? number : number + u' ' + subject) + QStringLiteral(".eml"));
        const QString target = QDir(folder).filePath(name);
        QFile out(target);
        if (out.exists())
            return failed(QStringLiteral("%1 は既にあります。空のフォルダを選んでください。").arg(target), outcome.count);
        if (!out.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            return failed(FileError::cannotCreate(target, errno), outcome.count);
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
            const QByteArray built = message(record, kind, ownAddress);
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

    QFile probe(path);
    if (!probe.open(QIODevice::ReadOnly))
        return failed(FileError::cannotRead(path, errno));
    const QByteArray head = probe.read(1024);
    probe.close();
    if (!Mbox::Reader::looksLikeMbox(head) && !head.isEmpty()) {
        if (info.suffix().compare(QLatin1String("eml"), Qt::CaseInsensitive) != 0)
            return failed(QStringLiteral("%1 は mbox 形式のファイルではありません。").arg(path));
        QString error;
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
