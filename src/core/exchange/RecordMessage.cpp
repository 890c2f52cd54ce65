#include "core/exchange/RecordMessage.h"

#include "core/common/Cp932.h"
#include "core/common/LineEnds.h"
#include "core/history/RecordText.h"
#include "core/mail/mime/HeaderEncoder.h"
#include "core/mail/mime/MimeWriter.h"

#include <QCryptographicHash>
#include <QRegularExpression>

#include <cstring>

namespace RecordMessage {

namespace {

constexpr int kMailLineLimit = 998;

bool isAsciiText(const QString &text)
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


QByteArray messageId(const char *data, qsizetype bodyEnd, bool sent)
{
    QCryptographicHash hash(QCryptographicHash::Sha1);
    hash.addData(QByteArrayView(data, HistoryRecord::kBodyOffset + bodyEnd));
    return "<" + hash.result().toHex().left(32) + (sent ? ".sent" : ".received") + "@pintora.invalid>";
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
    if (isAsciiText(text) && !text.contains(QStringLiteral("=?")) && used + text.size() <= kMailLineLimit)
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
    if (isAsciiText(text) && !text.contains(QStringLiteral("=?"))) {
        folded = text.toLatin1();
    } else if (const auto mailboxes = HeaderEncoder::parseAddresses(text); mailboxes && !mailboxes->isEmpty()) {
        for (const HeaderEncoder::Mailbox &mailbox : *mailboxes) {
            if (!folded.isEmpty())
                folded += ",\r\n ";
            if (mailbox.name.isEmpty()) {
                folded += mailbox.address.toLatin1();
                continue;
            }
            if (isAsciiText(mailbox.name))
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
    return LineEnds::anyToCrLf(text).toUtf8();
}

} // namespace

Shown read(const char *data, bool sent)
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

QByteArray envelopeAddress(const QString &text)
{
    const auto mailboxes = HeaderEncoder::parseAddresses(headerText(text));
    if (!mailboxes || mailboxes->isEmpty())
        return {};
    const QString address = mailboxes->first().address;
    return isAsciiText(address) ? address.toLatin1() : QByteArray();
}

DateParts dateParts(const QString &dateText)
{
    DateParts parts;
    const QString text = headerText(dateText);
    if (text.isEmpty())
        return parts;
    parts.moment = parseMailDate(text);
    // A mail's own date goes as it came, so it reads back the same.
    if (parts.moment.isValid() && isAsciiText(text)) {
        parts.header = "Date: " + text.toLatin1() + "\r\n";
        return parts;
    }
    if (!parts.moment.isValid())
        parts.moment = parseClockText(text);
    if (parts.moment.isValid())
        parts.header = "Date: " + MimeWriter::dateText(parts.moment) + "\r\n";
    return parts;
}

QByteArray build(const Shown &record, HistoryFile::Kind kind, const QString &ownAddress, const DateParts &date)
{
    const bool received = kind != HistoryFile::Kind::Sent;
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
        shortLines = end - start <= kMailLineLimit;
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

QByteArray build(const Shown &record, HistoryFile::Kind kind, const QString &ownAddress)
{
    return build(record, kind, ownAddress, dateParts(record.date));
}

} // namespace RecordMessage
