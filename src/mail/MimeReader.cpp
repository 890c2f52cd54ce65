#include "mail/MimeReader.h"

#include "mail/Charsets.h"

#include <QTextDocument>

// GLib names a struct member "signals", which Qt defines as a keyword.
#pragma push_macro("signals")
#undef signals
#include <gmime/gmime.h>
#pragma pop_macro("signals")

#include <mutex>

namespace {

void ensureGMime()
{
    static std::once_flag once;
    std::call_once(once, [] { g_mime_init(); });
}

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

QString normaliseLineEnds(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    return text;
}

struct Walker {
    MimeContent &content;
    bool havePlain = false;
    bool haveHtml = false;
    QString html;
    int depth = 0;

    void walk(GMimeObject *object)
    {
        // Nesting deeper than any real mail is a crafted one; its inner parts are ignored.
        if (!object || depth > 64)
            return;
        ++depth;
        if (GMIME_IS_MULTIPART(object)) {
            GMimeMultipart *multipart = GMIME_MULTIPART(object);
            const int count = g_mime_multipart_get_count(multipart);
            for (int i = 0; i < count; ++i)
                walk(g_mime_multipart_get_part(multipart, i));
        } else if (GMIME_IS_MESSAGE_PARTIAL(object)) {
            GMimeMessagePartial *partial = GMIME_MESSAGE_PARTIAL(object);
            if (g_mime_message_partial_get_total(partial) != 1)
                content.incompletePartial = true;
        } else if (GMIME_IS_MESSAGE_PART(object)) {
            message(object);
        } else if (GMIME_IS_PART(object)) {
            part(GMIME_PART(object));
        }
        --depth;
    }

    void message(GMimeObject *object)
    {
        const Charsets::Field disposition = Charsets::parseField(rawHeaderOf(object, "Content-Disposition"));
        const Charsets::Field type = Charsets::parseField(rawHeaderOf(object, "Content-Type"));
        GMimeMessage *inner = g_mime_message_part_get_message(GMIME_MESSAGE_PART(object));
        if (!inner)
            return;
        QString name = disposition.params.value("filename");
        if (name.isEmpty())
            name = type.params.value("name");
        const QByteArray bytes = objectBytes(GMIME_OBJECT(inner));
        if (name.isEmpty()) {
            QByteArray header;
            QByteArray body;
            splitMessage(bytes, &header, &body);
            name = Charsets::decodeHeader(MimeReader::headerValue(header, "Subject"));
            if (name.isEmpty())
                name = QStringLiteral("message");
            name += QStringLiteral(".eml");
        }
        content.attachments.append({name, bytes});
    }

    void part(GMimePart *part)
    {
        GMimeObject *object = GMIME_OBJECT(part);
        const Charsets::Field type = Charsets::parseField(rawHeaderOf(object, "Content-Type"));
        const Charsets::Field disposition = Charsets::parseField(rawHeaderOf(object, "Content-Disposition"));
        QString name = disposition.params.value("filename");
        if (name.isEmpty())
            name = type.params.value("name");
        const QByteArray mimeType = type.value.isEmpty() ? QByteArray("text/plain") : type.value;
        const bool isText = mimeType.startsWith("text/");
        const bool attachment = disposition.value == "attachment" || (!isText && !name.isEmpty());

        if (attachment) {
            content.attachments.append({name, contentOf(part)});
            return;
        }
        if (mimeType == "text/plain" && !havePlain) {
            havePlain = true;
            content.text = normaliseLineEnds(Charsets::decode(contentOf(part), type.params.value("charset").toLatin1()));
        } else if (mimeType == "text/html" && !haveHtml) {
            haveHtml = true;
            html = Charsets::decode(contentOf(part), type.params.value("charset").toLatin1());
        }
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

MimeContent read(const QByteArray &raw)
{
    ensureGMime();
    MimeContent content;
    splitMessage(raw, &content.rawHeader, &content.rawBody);
    content.subject = Charsets::decodeHeader(headerValue(content.rawHeader, "Subject"));
    content.from = Charsets::decodeHeader(headerValue(content.rawHeader, "From"));
    content.date = Charsets::decodeHeader(headerValue(content.rawHeader, "Date"));
    content.headerText = normaliseLineEnds(Charsets::decodeUnlabelled(content.rawHeader));

    GObjectPtr<GMimeStream> stream(g_mime_stream_mem_new_with_buffer(raw.constData(), raw.size()));
    GObjectPtr<GMimeParser> parser(g_mime_parser_new_with_stream(stream.ptr));
    GObjectPtr<GMimeMessage> message(g_mime_parser_construct_message(parser.ptr, nullptr));
    if (!message.ptr) {
        content.text = normaliseLineEnds(Charsets::decodeUnlabelled(content.rawBody));
        return content;
    }
    GMimeObject *root = g_mime_message_get_mime_part(message.ptr);
    content.multipart = root && GMIME_IS_MULTIPART(root);
    Walker walker{content, false, false, {}, 0};
    walker.walk(root);
    if (!walker.havePlain) {
        if (walker.haveHtml)
            content.text = normaliseLineEnds(htmlToText(walker.html));
        else if (!root)
            content.text = normaliseLineEnds(Charsets::decodeUnlabelled(content.rawBody));
    }
    return content;
}

} // namespace MimeReader
