#include "core/mail/mime/MimeWriter.h"

#include "core/common/Cp932.h"
#include "core/common/LineEnds.h"
#include "core/mail/mime/AttachmentFile.h"
#include "core/mail/mime/GMimeOnce.h"
#include "core/mail/mime/HeaderEncoder.h"

#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QMimeDatabase>
#include <QRandomGenerator>

// Qt's signals keyword would break the glib headers.
#pragma push_macro("signals")
#undef signals
#include <gmime/gmime.h>
#pragma pop_macro("signals")

#include <memory>

namespace {

template <class T>
struct GUnref {
    void operator()(T *object) const
    {
        if (object)
            g_object_unref(object);
    }
};
template <class T>
using GPtr = std::unique_ptr<T, GUnref<T>>;

QByteArray crlfLines(const QString &text)
{
    return LineEnds::anyToCrLf(text).toUtf8();
}

bool hasLongLine(const QByteArray &bytes)
{
    qsizetype start = 0;
    while (start <= bytes.size()) {
        qsizetype end = bytes.indexOf('\n', start);
        if (end < 0)
            end = bytes.size();
        if (end - start > 998)
            return true;
        start = end + 1;
    }
    return false;
}

void setContent(GMimePart *part, const QByteArray &bytes)
{
    GPtr<GMimeStream> stream(g_mime_stream_mem_new_with_buffer(bytes.constData(), bytes.size()));
    GPtr<GMimeDataWrapper> wrapper(
        g_mime_data_wrapper_new_with_stream(stream.get(), GMIME_CONTENT_ENCODING_DEFAULT));
    g_mime_part_set_content(part, wrapper.get());
}

GMimePart *textPart(const QString &body)
{
    // Line ends are CR LF on the wire whatever the window held.
    QString text = QString::fromUtf8(crlfLines(body));
    // The last line ends like every other, whichever transfer encoding carries it.
    if (!text.isEmpty() && !text.endsWith(QLatin1String("\r\n")))
        text += QLatin1String("\r\n");
    const HeaderEncoder::Charset charset = HeaderEncoder::charsetFor(text);
    const QByteArray bytes = HeaderEncoder::encode(text, charset);
    GMimeTextPart *part = g_mime_text_part_new_with_subtype("plain");
    setContent(GMIME_PART(part), bytes);
    g_mime_object_set_content_type_parameter(GMIME_OBJECT(part), "charset",
                                             HeaderEncoder::charsetName(charset).constData());
    GMimeContentEncoding encoding = GMIME_CONTENT_ENCODING_BASE64;
    if (charset != HeaderEncoder::Charset::Utf8)
        encoding = hasLongLine(bytes) ? GMIME_CONTENT_ENCODING_BASE64 : GMIME_CONTENT_ENCODING_7BIT;
    g_mime_part_set_content_encoding(GMIME_PART(part), encoding);
    return GMIME_PART(part);
}

void setParameter(GMimeParamList *list, const char *name, const QString &value,
                  GMimeParamEncodingMethod method)
{
    const QByteArray utf8 = value.toUtf8();
    g_mime_param_list_set_parameter(list, name, utf8.constData());
    GMimeParam *param = g_mime_param_list_get_parameter(list, name);
    g_mime_param_set_encoding_method(param, method);
    g_mime_param_set_charset(param, "UTF-8");
}

// Sets a header of the message to a value this side has already encoded and folded.
void setRawHeader(GMimeObject *object, const char *name, const QByteArray &value)
{
    g_mime_object_append_header(object, name, "x", nullptr);
    GMimeHeaderList *headers = g_mime_object_get_header_list(object);
    GMimeHeader *header = g_mime_header_list_get_header_at(headers, g_mime_header_list_get_count(headers) - 1);
    QByteArray raw = " " + value + "\n";
    raw.replace("\r\n", "\n");
    g_mime_header_set_raw_value(header, raw.constData());
}

// The charset a reader needs for a text file's bytes, when they are clearly
// UTF-8 or CP932; nothing when they are neither.
QByteArray textCharset(const QByteArray &bytes)
{
    if (QString::fromUtf8(bytes).toUtf8() == bytes)
        return "UTF-8";
    const QString text = Cp932::decode(bytes);
    if (!text.contains(QChar::ReplacementCharacter) && Cp932::encode(text) == bytes)
        return "Shift_JIS";
    return {};
}

GMimePart *attachmentPart(const QString &path, qint64 &budget, QString *error)
{
    const auto read = AttachmentFile::read(path, budget, error);
    if (!read)
        return nullptr;
    const QByteArray &bytes = *read;
    const QString name = HeaderEncoder::singleLine(QFileInfo(path).fileName());
    QString type = QMimeDatabase().mimeTypeForFileNameAndData(name, bytes).name();
    if (!type.contains(u'/'))
        type = QStringLiteral("application/octet-stream");
    const QByteArray major = type.section(u'/', 0, 0).toLatin1();
    const QByteArray minor = type.section(u'/', 1).toLatin1();
    GMimePart *part = g_mime_part_new_with_type(major.constData(), minor.constData());
    setContent(part, bytes);
    g_mime_part_set_content_encoding(part, GMIME_CONTENT_ENCODING_BASE64);
    // Older readers look only at name=, which they expect as encoded words.
    setParameter(g_mime_content_type_get_parameters(g_mime_object_get_content_type(GMIME_OBJECT(part))),
                 "name", name, GMIME_PARAM_ENCODING_METHOD_RFC2047);
    if (type.startsWith(QLatin1String("text/")))
        if (const QByteArray charset = textCharset(bytes); !charset.isEmpty())
            g_mime_object_set_content_type_parameter(GMIME_OBJECT(part), "charset", charset.constData());
    // Both name forms are written here rather than by GMime, whose RFC 2231
    // segments may end inside a character and whose encoded words run past the line.
    GMimeHeader *typeHeader = g_mime_header_list_get_header(
        g_mime_object_get_header_list(GMIME_OBJECT(part)), "Content-Type");
    QByteArray typeValue = " " + major + '/' + minor;
    if (const char *charset = g_mime_object_get_content_type_parameter(GMIME_OBJECT(part), "charset"))
        typeValue += "; charset=" + QByteArray(charset);
    typeValue += HeaderEncoder::wordsParameter("name", name) + "\n";
    typeValue.replace("\r\n", "\n");
    g_mime_header_set_raw_value(typeHeader, typeValue.constData());
    setRawHeader(GMIME_OBJECT(part), "Content-Disposition",
                 "attachment" + HeaderEncoder::parameter("filename", name));
    return part;
}

QByteArray messageId(const QString &sender)
{
    QString domain = sender.section(u'@', -1);
    if (!sender.contains(u'@') || domain.isEmpty())
        domain = QStringLiteral("pintora.invalid");
    const quint64 a = QRandomGenerator::system()->generate64();
    const quint64 b = QRandomGenerator::system()->generate64();
    return "<" + QByteArray::number(a, 36) + "." + QByteArray::number(b, 36) + "@" + domain.toLatin1() + ">";
}

bool isHeaderName(const QString &name)
{
    if (name.isEmpty())
        return false;
    for (QChar c : name)
        if (c.unicode() <= 0x20 || c.unicode() >= 0x7f || c == u':')
            return false;
    return true;
}

} // namespace

QByteArray MimeWriter::dateText(const QDateTime &date)
{
    const QLocale c = QLocale::c();
    const int offset = date.offsetFromUtc() / 60;
    const int absolute = qAbs(offset);
    return c.toString(date, QStringLiteral("ddd, dd MMM yyyy hh:mm:ss")).toLatin1()
        + QString::asprintf(" %c%02d%02d", offset < 0 ? '-' : '+', absolute / 60, absolute % 60).toLatin1();
}

std::optional<BuiltMail> MimeWriter::build(const OutgoingMail &mail, const QDateTime &date, QString *error)
{
    GMimeOnce::ensure();
    QString bad;
    BuiltMail built;

    const auto from = HeaderEncoder::parseAddresses(mail.from, &bad);
    if (!from || from->isEmpty()) {
        *error = from ? QStringLiteral("送信者のメールアドレスが設定されていません。")
                      : QStringLiteral("送信者のメールアドレスが正しくありません: %1").arg(bad);
        return std::nullopt;
    }
    built.sender = from->first().address.toLatin1();

    QList<HeaderEncoder::Mailbox> lists[3];
    const std::optional<QString> texts[3] = {mail.to, mail.cc, mail.bcc};
    for (int i = 0; i < 3; ++i) {
        if (!texts[i])
            continue;
        const auto parsed = HeaderEncoder::parseAddresses(*texts[i], &bad);
        if (!parsed) {
            *error = QStringLiteral("宛先のメールアドレスが正しくありません: %1").arg(bad);
            return std::nullopt;
        }
        lists[i] = *parsed;
        for (const auto &mailbox : *parsed)
            built.recipients << mailbox.address.toLatin1();
    }
    if (built.recipients.isEmpty()) {
        *error = QStringLiteral("宛先が入力されていません。");
        return std::nullopt;
    }

    GPtr<GMimeObject> content(GMIME_OBJECT(textPart(mail.body)));
    const QStringList paths = mail.attachments.split(u',', Qt::SkipEmptyParts);
    if (!paths.isEmpty()) {
        GPtr<GMimeMultipart> mixed(g_mime_multipart_new_with_subtype("mixed"));
        g_mime_multipart_add(mixed.get(), content.get());
        qint64 budget = AttachmentFile::kMaxMailBytes;
        for (const QString &path : paths) {
            GPtr<GMimePart> part(attachmentPart(path.trimmed(), budget, error));
            if (!part)
                return std::nullopt;
            g_mime_multipart_add(mixed.get(), GMIME_OBJECT(part.get()));
        }
        content.reset(GMIME_OBJECT(mixed.release()));
    }

    GPtr<GMimeMessage> message(g_mime_message_new(FALSE));
    GMimeObject *object = GMIME_OBJECT(message.get());
    setRawHeader(object, "Date", dateText(date));
    setRawHeader(object, "Message-ID", messageId(from->first().address));
    setRawHeader(object, "MIME-Version", "1.0");
    setRawHeader(object, "From", HeaderEncoder::addressList(*from, 5));
    if (!lists[0].isEmpty())
        setRawHeader(object, "To", HeaderEncoder::addressList(lists[0], 3));
    if (!lists[1].isEmpty())
        setRawHeader(object, "Cc", HeaderEncoder::addressList(lists[1], 3));
    setRawHeader(object, "Subject", HeaderEncoder::unstructured(mail.subject, 8));
    if (mail.extraHeader) {
        static const QStringList kept = {
            QStringLiteral("date"), QStringLiteral("message-id"), QStringLiteral("mime-version"),
            QStringLiteral("from"), QStringLiteral("to"), QStringLiteral("cc"), QStringLiteral("bcc"),
            QStringLiteral("subject"), QStringLiteral("content-type"),
            QStringLiteral("content-transfer-encoding")};
        QString lines = *mail.extraHeader;
        lines.replace(u'\r', u'\n');
        for (const QString &line : lines.split(u'\n', Qt::SkipEmptyParts)) {
            const QString name = line.section(u':', 0, 0).trimmed();
            if (!line.contains(u':') || !isHeaderName(name) || kept.contains(name.toLower()))
                continue;
            const QByteArray field = name.toLatin1();
            setRawHeader(object, field.constData(),
                         HeaderEncoder::unstructured(line.section(u':', 1).trimmed(),
                                                     static_cast<int>(field.size()) + 1));
        }
    }
    g_mime_message_set_mime_part(message.get(), content.get());

    GMimeFormatOptions *options = g_mime_format_options_new();
    g_mime_format_options_set_newline_format(options, GMIME_NEWLINE_FORMAT_DOS);
    GPtr<GMimeStream> out(g_mime_stream_mem_new());
    g_mime_object_write_to_stream(object, options, out.get());
    g_mime_format_options_free(options);
    GByteArray *bytes = g_mime_stream_mem_get_byte_array(GMIME_STREAM_MEM(out.get()));
    built.data = QByteArray(reinterpret_cast<const char *>(bytes->data), static_cast<qsizetype>(bytes->len));
    return built;
}
