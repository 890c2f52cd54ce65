// vCard 2.1, 3.0 and 4.0 in, vCard 3.0 out.
#include "core/exchange/AddressExchange.h"

#include "core/common/Cp932.h"
#include "core/exchange/AddressExchange_p.h"
#include "core/mail/mime/CharsetGuess.h"
#include "core/mail/mime/Charsets.h"

#include <QMap>
#include <QRegularExpression>

namespace AddressExchange {

namespace {

constexpr int kFoldBytes = 75;

struct Property {
    QByteArray name;  // upper case, without its group
    QMap<QByteArray, QByteArray> params;  // upper-case names; a bare 2.1 parameter is its own value
    QByteArray value;
};

QByteArray decodeQuotedPrintable(const QByteArray &text)
{
    QByteArray out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != '=') {
            out += text[i];
            continue;
        }
        if (i + 2 < text.size() && std::isxdigit(static_cast<unsigned char>(text[i + 1]))
            && std::isxdigit(static_cast<unsigned char>(text[i + 2]))) {
            out += static_cast<char>(text.mid(i + 1, 2).toInt(nullptr, 16));
            i += 2;
        } else if (i + 1 < text.size() && (text[i + 1] == '\r' || text[i + 1] == '\n')) {
            // A soft line break.
            ++i;
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
        } else if (i + 1 == text.size()) {
            break;
        } else {
            out += '=';
        }
    }
    return out;
}

bool isQuotedPrintable(const Property &property)
{
    return property.params.value("ENCODING").toUpper() == "QUOTED-PRINTABLE"
        || property.params.contains("QUOTED-PRINTABLE");
}

std::optional<Property> parseProperty(const QByteArray &line)
{
    qsizetype colon = -1;
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (line[i] == '"')
            quoted = !quoted;
        else if (line[i] == ':' && !quoted) {
            colon = i;
            break;
        }
    }
    if (colon <= 0)
        return std::nullopt;
    const QList<QByteArray> head = line.left(colon).split(';');
    Property property;
    property.name = head.first().trimmed().toUpper();
    if (const qsizetype dot = property.name.lastIndexOf('.'); dot >= 0)
        property.name = property.name.mid(dot + 1);
    for (qsizetype i = 1; i < head.size(); ++i) {
        const QByteArray param = head[i].trimmed();
        const qsizetype equals = param.indexOf('=');
        if (equals < 0)
            property.params.insert(param.toUpper(), param.toUpper());
        else
            property.params.insert(param.left(equals).trimmed().toUpper(), param.mid(equals + 1).trimmed());
    }
    property.value = line.mid(colon + 1);
    return property;
}

// Physical lines joined into logical ones: folding (a line that starts with a
// space or tab) and, in quoted-printable values, a line ending in "=".
QList<QByteArray> logicalLines(const QByteArray &bytes)
{
    QByteArray text = bytes;
    text.replace("\r\n", "\n");
    text.replace('\r', '\n');
    const QList<QByteArray> physical = text.split('\n');
    QList<QByteArray> lines;
    bool softBreak = false;
    for (const QByteArray &line : physical) {
        if (!lines.isEmpty() && softBreak) {
            lines.last().chop(1);
            lines.last() += line;
        } else if (!lines.isEmpty() && (line.startsWith(' ') || line.startsWith('\t'))) {
            lines.last() += line.mid(1);
        } else {
            lines << line;
        }
        const QByteArray &current = lines.last();
        softBreak = false;
        if (current.endsWith('=')) {
            const auto property = parseProperty(current);
            softBreak = property && isQuotedPrintable(*property);
        }
    }
    return lines;
}

// Splits a structured value at unescaped ";" and undoes the escapes.
QStringList components(const QString &value)
{
    QStringList parts;
    QString current;
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value[i];
        if (c == u'\\' && i + 1 < value.size()) {
            const QChar next = value[++i];
            current += (next == u'n' || next == u'N') ? QChar(u' ') : next;
        } else if (c == u';') {
            parts << current;
            current.clear();
        } else {
            current += c;
        }
    }
    parts << current;
    return parts;
}

QString valueText(const Property &property, bool fileIsUtf8)
{
    QByteArray bytes = property.value;
    const QByteArray encoding = property.params.value("ENCODING").toUpper();
    if (isQuotedPrintable(property))
        bytes = decodeQuotedPrintable(bytes);
    else if (encoding == "B" || encoding == "BASE64" || property.params.contains("BASE64"))
        bytes = QByteArray::fromBase64(bytes);
    const QByteArray charset = property.params.value("CHARSET").toUpper();
    if (charset.isEmpty())
        return fileIsUtf8 ? CharsetGuess::fromUtf8(bytes) : Cp932::decode(bytes);
    if (charset == "SHIFT_JIS" || charset == "SJIS" || charset == "CP932" || charset == "WINDOWS-31J"
        || charset == "SHIFT-JIS" || charset == "MS_KANJI")
        return Cp932::decode(bytes);
    if (charset == "UTF-8" || charset == "UTF8")
        return CharsetGuess::fromUtf8(bytes);
    return Charsets::decode(bytes, charset);
}

QString vcardEscape(const QString &text)
{
    QString escaped;
    for (QChar c : text) {
        if (c == u'\\' || c == u',' || c == u';')
            escaped += u'\\';
        escaped += c;
    }
    return escaped;
}

// A content line folded at 75 bytes, never inside a UTF-8 character.
QByteArray folded(const QString &line)
{
    const QByteArray bytes = line.toUtf8();
    QByteArray out;
    qsizetype start = 0;
    int room = kFoldBytes;
    while (bytes.size() - start > room) {
        qsizetype end = start + room;
        while (end > start && (static_cast<unsigned char>(bytes[end]) & 0xC0) == 0x80)
            --end;
        out += bytes.mid(start, end - start) + "\r\n ";
        start = end;
        room = kFoldBytes - 1;
    }
    return out + bytes.mid(start) + "\r\n";
}

} // namespace

QList<Entry> parseVCards(const QByteArray &input)
{
    QByteArray bytes = input;
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF"))
        bytes = decodeText(bytes).toUtf8();
    else if (bytes.startsWith(kUtf8Bom))
        bytes = bytes.mid(3);
    const bool utf8 = CharsetGuess::invalidUtf8(bytes) == 0;

    QList<Entry> entries;
    QString fullName, structuredName;
    QStringList addresses;
    bool inCard = false;
    for (const QByteArray &line : logicalLines(bytes)) {
        const auto property = parseProperty(line);
        if (!property)
            continue;
        if (property->name == "BEGIN" && property->value.trimmed().toUpper() == "VCARD") {
            inCard = true;
            fullName.clear();
            structuredName.clear();
            addresses.clear();
        } else if (property->name == "END" && property->value.trimmed().toUpper() == "VCARD" && inCard) {
            inCard = false;
            const QString name = fullName.isEmpty() ? structuredName : fullName;
            for (const QString &address : std::as_const(addresses))
                entries.append({name, address});
        } else if (inCard && property->name == "FN") {
            fullName = oneLine(components(valueText(*property, utf8)).join(u';'));
        } else if (inCard && property->name == "N") {
            const QStringList parts = components(valueText(*property, utf8));
            structuredName = oneLine(joinName(parts.value(0).trimmed(), parts.value(1).trimmed(), parts.value(2).trimmed()));
        } else if (inCard && property->name == "EMAIL") {
            QString address = oneLine(components(valueText(*property, utf8)).join(u';'));
            if (address.startsWith(QStringLiteral("mailto:"), Qt::CaseInsensitive))
                address = address.mid(7);
            if (!address.isEmpty())
                addresses << address;
        }
    }
    return entries;
}

QByteArray writeVCards(const QList<Entry> &entries)
{
    QByteArray out;
    for (const Entry &entry : entries) {
        out += "BEGIN:VCARD\r\nVERSION:3.0\r\n";
        out += folded(QStringLiteral("FN:") + vcardEscape(entry.name));
        // The family name comes first in a Japanese name, last in a western one.
        const QString name = entry.name.simplified();
        const qsizetype space = isAscii(name) ? name.lastIndexOf(u' ') : name.indexOf(QRegularExpression(QStringLiteral("[ \u3000]")));
        const QString family = space < 0 ? name : (isAscii(name) ? name.mid(space + 1) : name.left(space));
        const QString given = space < 0 ? QString() : (isAscii(name) ? name.left(space) : name.mid(space + 1).trimmed());
        out += folded(QStringLiteral("N:") + vcardEscape(family) + u';' + vcardEscape(given) + QStringLiteral(";;;"));
        if (!entry.address.isEmpty())
            out += folded(QStringLiteral("EMAIL;TYPE=INTERNET:") + vcardEscape(entry.address));
        out += "END:VCARD\r\n";
    }
    return out;
}

} // namespace AddressExchange
