#include "core/mail/mime/MimeReader.h"

#include "core/mail/mime/GMimeOnce.h"

#include "core/common/LineEnds.h"
#include "core/mail/mime/Charsets.h"
#include "core/mail/mime/LegacyDecode.h"

#include <QHash>
#include <QMimeDatabase>
#include <QStringList>

#include <QTextDocument>

// GLib names a struct member "signals", which Qt defines as a keyword.
#pragma push_macro("signals")
#undef signals
#include <gmime/gmime.h>
#pragma pop_macro("signals")

#include <mutex>

namespace {

template <class T>
struct GObjectPtr {
    T *ptr = nullptr;
    explicit GObjectPtr(T *p) : ptr(p) {}
    ~GObjectPtr()
    {
        if (ptr)
            g_object_unref(ptr);
    }
    GObjectPtr(const GObjectPtr &) = delete;
    GObjectPtr &operator=(const GObjectPtr &) = delete;
};

// Where the header block ends and the body begins; a mail without a blank line is all header.
void splitMessage(const QByteArray &raw, QByteArray *header, QByteArray *body)
{
    qsizetype pos = 0;
    const qsizetype n = raw.size();
    // A mail may start with its blank line (no header at all).
    if (raw.startsWith("\r\n") || raw.startsWith("\n")) {
        header->clear();
        *body = raw.mid(raw.startsWith("\r\n") ? 2 : 1);
        return;
    }
    while (pos < n) {
        const qsizetype nl = raw.indexOf('\n', pos);
        if (nl < 0)
            break;
        const qsizetype next = nl + 1;
        if (next < n && raw[next] == '\n') {
            *header = raw.left(next);
            *body = raw.mid(next + 1);
            return;
        }
        if (next + 1 < n && raw[next] == '\r' && raw[next + 1] == '\n') {
            *header = raw.left(next);
            *body = raw.mid(next + 2);
            return;
        }
        pos = next;
    }
    *header = raw;
    body->clear();
}

// Where the body of a mail starts, or -1 for a mail that is all header.
qsizetype bodyStart(const QByteArray &raw)
{
    if (raw.startsWith("\r\n"))
        return 2;
    if (raw.startsWith("\n"))
        return 1;
    const qsizetype n = raw.size();
    for (qsizetype pos = 0; pos < n;) {
        const qsizetype nl = raw.indexOf('\n', pos);
        if (nl < 0)
            break;
        const qsizetype next = nl + 1;
        if (next < n && raw[next] == '\n')
            return next + 1;
        if (next + 1 < n && raw[next] == '\r' && raw[next + 1] == '\n')
            return next + 2;
        pos = next;
    }
    return -1;
}

QByteArray rawHeaderOf(GMimeObject *object, const char *name)
{
    GMimeHeaderList *headers = g_mime_object_get_header_list(object);
    if (!headers)
        return {};
    const int count = g_mime_header_list_get_count(headers);
    for (int i = 0; i < count; ++i) {
        GMimeHeader *header = g_mime_header_list_get_header_at(headers, i);
        const char *headerName = g_mime_header_get_name(header);
        if (headerName && g_ascii_strcasecmp(headerName, name) == 0) {
            const char *value = g_mime_header_get_raw_value(header);
            return value ? QByteArray(value) : QByteArray("");
        }
    }
    return {};
}

QByteArray contentOf(GMimePart *part)
{
    GMimeDataWrapper *wrapper = g_mime_part_get_content(part);
    if (!wrapper)
        return {};
    GObjectPtr<GMimeStream> mem(g_mime_stream_mem_new());
    if (g_mime_data_wrapper_get_encoding(wrapper) == GMIME_CONTENT_ENCODING_BASE64) {
        // GMime stops at the first padded chunk; some mailers pad every line. Read
        // straight into one array: a large part must not exist three times over.
        GMimeStream *encoded = g_mime_data_wrapper_get_stream(wrapper);
        g_mime_stream_reset(encoded);
        QByteArray decoded;
        const gint64 length = g_mime_stream_length(encoded);
        if (length > 0)
            decoded.reserve(length * 3 / 4 + 4);
        LegacyDecode::Base64Stream reader;
        char chunk[1 << 16];
        for (;;) {
            const ssize_t got = g_mime_stream_read(encoded, chunk, sizeof chunk);
            if (got <= 0)
                break;
            reader.feed(chunk, got, decoded);
        }
        reader.finish(decoded);
        return decoded;
    }
    g_mime_data_wrapper_write_to_stream(wrapper, mem.ptr);
    GByteArray *bytes = g_mime_stream_mem_get_byte_array(GMIME_STREAM_MEM(mem.ptr));
    return QByteArray(reinterpret_cast<const char *>(bytes->data), static_cast<qsizetype>(bytes->len));
}

QByteArray objectBytes(GMimeObject *object)
{
    GObjectPtr<GMimeStream> mem(g_mime_stream_mem_new());
    g_mime_object_write_to_stream(object, nullptr, mem.ptr);
    GByteArray *bytes = g_mime_stream_mem_get_byte_array(GMIME_STREAM_MEM(mem.ptr));
    return QByteArray(reinterpret_cast<const char *>(bytes->data), static_cast<qsizetype>(bytes->len));
}

QString normaliseLineEnds(const QString &text)
{
    return LineEnds::toWidget(text);
}

// The media type of a parsed Content-Type. A line with only parameters, or
// with a text type missing a half, is text/plain as RFC 2045 has it, so its
// charset is still read; any other type without a subtype stays a file.
QByteArray mediaType(const Charsets::Field &type)
{
    const QByteArray &value = type.value;
    const qsizetype slash = value.indexOf('/');
    const QByteArray major = slash < 0 ? value : value.left(slash).trimmed();
    const bool halfMissing = slash < 0 || major.isEmpty() || value.mid(slash + 1).trimmed().isEmpty();
    if (value.isEmpty() || (halfMissing && (major.isEmpty() || major == "text")))
        return "text/plain";
    return value;
}

QByteArray mimeTypeOf(GMimeObject *object)
{
    return mediaType(Charsets::parseField(rawHeaderOf(object, "Content-Type")));
}

// Types whose text goes into the body; every other part is a file.
bool isShownType(const QByteArray &type)
{
    return type == "text/plain" || type == "text/html" || type == "text/enriched" || type == "text/richtext";
}

QString extensionFor(const QByteArray &type)
{
    static const QHash<QByteArray, QString> known = {
        {"text/plain", QStringLiteral(".txt")},    {"text/html", QStringLiteral(".html")},
        {"text/calendar", QStringLiteral(".ics")}, {"text/vcard", QStringLiteral(".vcf")},
        {"text/x-vcard", QStringLiteral(".vcf")},  {"text/directory", QStringLiteral(".vcf")},
        {"message/rfc822", QStringLiteral(".eml")}, {"image/jpeg", QStringLiteral(".jpg")},
        {"image/pjpeg", QStringLiteral(".jpg")},   {"image/png", QStringLiteral(".png")},
        {"image/gif", QStringLiteral(".gif")},     {"application/pdf", QStringLiteral(".pdf")},
        {"application/octet-stream", QStringLiteral(".bin")},
    };
    if (const auto it = known.constFind(type); it != known.constEnd())
        return *it;
    const QString suffix = QMimeDatabase().mimeTypeForName(QString::fromLatin1(type)).preferredSuffix();
    return suffix.isEmpty() ? QStringLiteral(".bin") : u'.' + suffix;
}

// Whether a child of a multipart holds, at any depth, a part of the given type
// that would be shown.
bool holdsShown(GMimeObject *object, const QByteArray &wanted, int depth = 0)
{
    if (!object || depth > 16)
        return false;
    if (GMIME_IS_MULTIPART(object)) {
        GMimeMultipart *multipart = GMIME_MULTIPART(object);
        for (int i = 0; i < g_mime_multipart_get_count(multipart); ++i)
            if (holdsShown(g_mime_multipart_get_part(multipart, i), wanted, depth + 1))
                return true;
        return false;
    }
    if (!GMIME_IS_PART(object))
        return false;
    const Charsets::Field disposition = Charsets::parseField(rawHeaderOf(object, "Content-Disposition"));
    return disposition.value != "attachment" && mimeTypeOf(object) == wanted;
}

struct Walker {
    MimeContent &content;
    Carrier carrier = Carrier::Unknown;
    QStringList texts;
    int partNumber = 0;
    int depth = 0;

    QString decodeText(const QByteArray &bytes, const QByteArray &charset, const QByteArray &type)
    {
        QString text = Charsets::decode(bytes, charset, carrier);
        if (text.contains(QChar(QChar::ReplacementCharacter)))
            content.lossy = true;
        if (type == "text/html")
            text = MimeReader::htmlToText(text);
        return normaliseLineEnds(text);
    }

    void addFile(QString name, const QByteArray &type, QByteArray bytes)
    {
        if (name.isEmpty())
            name = QStringLiteral("part-%1").arg(partNumber) + extensionFor(type);
        content.attachments.append({name, std::move(bytes)});
    }

    void walk(GMimeObject *object, bool showText)
    {
        // Nesting deeper than any real mail is a crafted one; its inner parts are kept whole.
        if (!object)
            return;
        if (depth > 64) {
            content.lossy = true;
            return;
        }
        ++depth;
        if (GMIME_IS_MULTIPART(object)) {
            GMimeMultipart *multipart = GMIME_MULTIPART(object);
            const int count = g_mime_multipart_get_count(multipart);
            if (count == 0) {
                // No boundary matched: what the part holds cannot be told apart.
                content.lossy = true;
            }
            const bool alternative = mimeTypeOf(object) == "multipart/alternative";
            int shown = -1;
            if (alternative && showText) {
                for (const char *wanted : {"text/plain", "text/html"}) {
                    for (int i = 0; i < count && shown < 0; ++i)
                        if (holdsShown(g_mime_multipart_get_part(multipart, i), wanted))
                            shown = i;
                    if (shown >= 0)
                        break;
                }
            }
            for (int i = 0; i < count; ++i)
                walk(g_mime_multipart_get_part(multipart, i), showText && (!alternative || i == shown));
        } else if (GMIME_IS_MESSAGE_PARTIAL(object)) {
            GMimeMessagePartial *partial = GMIME_MESSAGE_PARTIAL(object);
            if (g_mime_message_partial_get_total(partial) != 1)
                content.incompletePartial = true;
        } else if (GMIME_IS_MESSAGE_PART(object)) {
            message(object, showText);
        } else if (GMIME_IS_PART(object)) {
            part(GMIME_PART(object), showText);
        }
        --depth;
    }

    void message(GMimeObject *object, bool showText)
    {
        ++partNumber;
        const Charsets::Field disposition = Charsets::parseField(rawHeaderOf(object, "Content-Disposition"));
        const Charsets::Field type = Charsets::parseField(rawHeaderOf(object, "Content-Type"));
        GMimeMessage *inner = g_mime_message_part_get_message(GMIME_MESSAGE_PART(object));
        if (!inner)
            return;
        QString name = disposition.params.value("filename");
        if (name.isEmpty())
            name = type.params.value("name");
        const QByteArray bytes = objectBytes(GMIME_OBJECT(inner));
        QByteArray header;
        QByteArray body;
        splitMessage(bytes, &header, &body);
        if (name.isEmpty()) {
            name = Charsets::decodeHeader(MimeReader::headerValue(header, "Subject"), carrier);
            if (name.isEmpty())
                name = QStringLiteral("message");
            name += QStringLiteral(".eml");
        }
        content.attachments.append({name, bytes});
        if (!showText || disposition.value == "attachment")
            return;

        // Shown as a forwarded mail would be: its main header lines, then its text.
        QString shown;
        for (const char *field : {"From", "To", "Cc", "Date", "Subject"}) {
            const QByteArray raw = MimeReader::headerValue(header, field);
            if (!raw.isNull())
                shown += QString::fromLatin1(field) + QStringLiteral(": ")
                    + Charsets::decodeHeader(raw, carrier) + u'\n';
        }
        MimeContent enclosed;
        Walker walker{enclosed, carrier, {}, 0, depth};
        walker.walk(g_mime_message_get_mime_part(inner), true);
        walker.finish();
        shown += u'\n' + enclosed.text;
        texts.append(shown);
        if (enclosed.lossy)
            content.lossy = true;
    }

    void part(GMimePart *part, bool showText)
    {
        ++partNumber;
        GMimeObject *object = GMIME_OBJECT(part);
        const QByteArray rawType = rawHeaderOf(object, "Content-Type");
        const Charsets::Field type = Charsets::parseField(rawType);
        const Charsets::Field disposition = Charsets::parseField(rawHeaderOf(object, "Content-Disposition"));
        QString name = disposition.params.value("filename");
        if (name.isEmpty())
            name = type.params.value("name");
        if (name.isEmpty())
            name = type.params.value("filename");
        const QByteArray mimeType = mediaType(type);
        QByteArray bytes = contentOf(part);

        if (mimeType == "application/x-uuencode" || mimeType == "text/x-uuencode") {
            const auto files = LegacyDecode::takeUuencoded(bytes);
            for (const auto &file : files)
                addFile(Charsets::decodeUnlabelled(file.name, carrier), "application/octet-stream", file.content);
            if (!files.isEmpty())
                return;
        }

        const bool shown = isShownType(mimeType) && disposition.value != "attachment";
        if (!shown) {
            addFile(name, mimeType, std::move(bytes));
            return;
        }
        if (!showText)
            return;  // the same text as the alternative already shown
        // A part between boundaries without any header, holding what is plainly
        // not text, is a file whose headers were lost.
        if (rawType.isNull() && content.multipart && looksBinary(bytes)) {
            addFile(name, "application/octet-stream", std::move(bytes));
            return;
        }
        if (rawHeaderOf(object, "Content-Transfer-Encoding").isNull()) {
            if (auto decoded = LegacyDecode::undeclaredQuotedPrintable(bytes))
                bytes = *std::move(decoded);
        }
        // A named text part without a disposition is both read and kept as the file it is.
        if (!name.isEmpty() && disposition.value.isEmpty())
            addFile(name, mimeType, bytes);
        if (mimeType == "text/plain") {
            for (const auto &file : LegacyDecode::takeUuencoded(bytes))
                addFile(Charsets::decodeUnlabelled(file.name, carrier), "application/octet-stream", file.content);
        }
        texts.append(decodeText(bytes, type.params.value("charset").toLatin1(), mimeType));
    }

    static bool looksBinary(const QByteArray &bytes)
    {
        if (bytes.contains('\0'))
            return true;
        qsizetype control = 0;
        for (char c : bytes) {
            const auto b = static_cast<unsigned char>(c);
            if (b < 0x20 && b != '\r' && b != '\n' && b != '\t' && b != 0x1B && b != 0x0E && b != 0x0F && b != 0x0C)
                ++control;
        }
        return control * 20 > bytes.size();
    }

    // The shown texts in order, one line between them.
    void finish()
    {
        QString text;
        for (qsizetype i = 0; i < texts.size(); ++i) {
            if (i > 0) {
                if (!text.endsWith(u'\n'))
                    text += u'\n';
                text += MimeContent::kPartSeparator + u'\n';
            }
            text += texts[i];
        }
        content.text = text;
    }
};

} // namespace

namespace MimeReader {

QByteArray headerValue(const QByteArray &headerBlock, const QByteArray &name)
{
    const qsizetype n = headerBlock.size();
    qsizetype pos = 0;
    while (pos < n) {
        qsizetype nl = headerBlock.indexOf('\n', pos);
        if (nl < 0)
            nl = n;
        if (nl - pos > name.size() && headerBlock[pos + name.size()] == ':'
            && qstrnicmp(headerBlock.constData() + pos, name.constData(), name.size()) == 0) {
            qsizetype end = nl;
            // Continuation lines start with white space.
            while (end + 1 < n && (headerBlock[end + 1] == ' ' || headerBlock[end + 1] == '\t')) {
                const qsizetype next = headerBlock.indexOf('\n', end + 1);
                end = next < 0 ? n : next;
            }
            return headerBlock.mid(pos + name.size() + 1, end - pos - name.size() - 1).trimmed();
        }
        pos = nl + 1;
    }
    return {};
}

QString htmlToText(const QString &html)
{
    QTextDocument document;
    document.setHtml(html);
    QString text = document.toPlainText();
    text.replace(QChar::Nbsp, u' ');
    while (!text.isEmpty() && text.back().isSpace())
        text.chop(1);
    return text;
}

namespace {

// The header block and the fields taken from it; the body is a view into the
// content's own raw bytes, not a second copy of them. Returns the carrier of the sender.
Carrier readHeaderInto(MimeContent &content)
{
    const qsizetype start = bodyStart(content.raw);
    if (start < 0) {
        content.rawHeader = content.raw;
    } else {
        const qsizetype headerEnd = start - (content.raw.startsWith("\r\n") || content.raw.startsWith("\n") ? start
                                             : content.raw.at(start - 2) == '\r' ? 2 : 1);
        content.rawHeader = content.raw.left(headerEnd);
        content.rawBody = QByteArray::fromRawData(content.raw.constData() + start, content.raw.size() - start);
    }
    content.from = Charsets::decodeHeader(headerValue(content.rawHeader, "From"));
    const Carrier carrier = CarrierPictographs::carrierOf(content.from);
    if (carrier != Carrier::Unknown)
        content.from = Charsets::decodeHeader(headerValue(content.rawHeader, "From"), carrier);
    content.subject = Charsets::decodeHeader(headerValue(content.rawHeader, "Subject"), carrier);
    content.date = Charsets::decodeHeader(headerValue(content.rawHeader, "Date"), carrier);
    return carrier;
}

} // namespace

bool holdsHeader(const QByteArray &start)
{
    return bodyStart(start) >= 0;
}

MimeContent readHeader(const QByteArray &start)
{
    MimeContent content;
    content.raw = start;
    readHeaderInto(content);
    content.raw.clear();
    content.rawBody.clear();
    return content;
}

MimeContent read(const QByteArray &raw)
{
    GMimeOnce::ensure();
    MimeContent content;
    content.raw = raw;
    const Carrier carrier = readHeaderInto(content);
    content.headerText = normaliseLineEnds(Charsets::decodeUnlabelled(content.rawHeader, carrier));

    // GMime reads the mail where it lies: the stream borrows the bytes, it does not copy them.
    GByteArray borrowed{reinterpret_cast<guint8 *>(const_cast<char *>(content.raw.constData())),
                        static_cast<guint>(content.raw.size())};
    GObjectPtr<GMimeStream> stream(g_mime_stream_mem_new());
    g_mime_stream_mem_set_byte_array(GMIME_STREAM_MEM(stream.ptr), &borrowed);
    g_mime_stream_mem_set_owner(GMIME_STREAM_MEM(stream.ptr), FALSE);
    GObjectPtr<GMimeParser> parser(g_mime_parser_new_with_stream(stream.ptr));
    GObjectPtr<GMimeMessage> message(g_mime_parser_construct_message(parser.ptr, nullptr));
    if (!message.ptr) {
        QByteArray body = content.rawBody;
        for (const auto &file : LegacyDecode::takeUuencoded(body))
            content.attachments.append({Charsets::decodeUnlabelled(file.name, carrier), file.content});
        content.text = normaliseLineEnds(Charsets::decodeUnlabelled(body, carrier));
        return content;
    }
    GMimeObject *root = g_mime_message_get_mime_part(message.ptr);
    content.multipart = root && GMIME_IS_MULTIPART(root);
    Walker walker{content, carrier, {}, 0, 0};
    if (root) {
        walker.walk(root, true);
        walker.finish();
    } else {
        QByteArray body = content.rawBody;
        for (const auto &file : LegacyDecode::takeUuencoded(body))
            content.attachments.append({Charsets::decodeUnlabelled(file.name, carrier), file.content});
        content.text = normaliseLineEnds(Charsets::decodeUnlabelled(body, carrier));
    }
    // Nothing shown and nothing kept of a body that has something: the whole mail must be kept.
    if (content.text.trimmed().isEmpty() && content.attachments.isEmpty() && !content.incompletePartial
        && !content.rawBody.trimmed().isEmpty())
        content.lossy = true;
    return content;
}

} // namespace MimeReader
