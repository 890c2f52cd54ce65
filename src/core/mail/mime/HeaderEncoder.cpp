#include "core/mail/mime/HeaderEncoder.h"

#include <QStringList>

#include <algorithm>
#include <cctype>

#include <iconv.h>

namespace HeaderEncoder {

namespace {

constexpr int kWordLimit = 75;
constexpr int kLineLimit = 76;
constexpr int kHardLineLimit = 998;

// Converts UTF-8 to ISO-2022-JP strictly; nothing when a character has no form there.
std::optional<QByteArray> toIso2022Jp(const QString &text)
{
    iconv_t cd = iconv_open("ISO-2022-JP", "UTF-8");
    if (cd == reinterpret_cast<iconv_t>(-1))
        return std::nullopt;
    QByteArray in = text.toUtf8();
    QByteArray out(in.size() * 4 + 16, '\0');
    char *inPtr = in.data();
    size_t inLeft = static_cast<size_t>(in.size());
    char *outPtr = out.data();
    size_t outLeft = static_cast<size_t>(out.size());
    bool ok = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) != static_cast<size_t>(-1) && inLeft == 0
        && iconv(cd, nullptr, nullptr, &outPtr, &outLeft) != static_cast<size_t>(-1);
    iconv_close(cd);
    if (!ok)
        return std::nullopt;
    out.truncate(out.size() - static_cast<qsizetype>(outLeft));
    // Only ASCII and JIS X 0208 are plain ISO-2022-JP; JIS-Roman (the yen sign)
    // and the older 1978 set are left to UTF-8.
    for (qsizetype i = 0; i < out.size(); ++i) {
        if (out[i] != '\x1b')
            continue;
        const QByteArray escape = out.mid(i, 3);
        if (escape != "\x1b$B" && escape != "\x1b(B")
            return std::nullopt;
    }
    return out;
}

bool isAscii(const QString &text)
{
    for (QChar c : text)
        if (c.unicode() >= 0x80)
            return false;
    return true;
}

QByteArray word(const QByteArray &charset, const QByteArray &bytes)
{
    return "=?" + charset + "?B?" + bytes.toBase64() + "?=";
}

// Whole characters: a surrogate pair is never cut.
QStringList characters(const QString &text)
{
    QStringList chars;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            chars << text.mid(i, 2);
            ++i;
        } else {
            chars << QString(text[i]);
        }
    }
    return chars;
}

// Tokens joined by a space, or by CR LF and a space where the line would grow too long.
QByteArray fold(const QList<QByteArray> &tokens, int used)
{
    QByteArray value;
    int column = used;
    for (qsizetype i = 0; i < tokens.size(); ++i) {
        const QByteArray &token = tokens[i];
        if (i > 0) {
            if (column + 1 + token.size() > kLineLimit) {
                value += "\r\n";
                column = 0;
            }
            value += ' ';
            ++column;
        }
        value += token;
        column += static_cast<int>(token.size());
    }
    return value;
}

// ESC, SO and SI switch character sets in ISO-2022-JP, and a reader may take
// them for such a switch even in plain ASCII: text holding one goes as UTF-8.
bool holdsShift(const QString &text)
{
    return text.contains(QChar(0x1b)) || text.contains(QChar(0x0e)) || text.contains(QChar(0x0f));
}

bool isAtext(QChar c)
{
    return c.isLetterOrNumber() || QStringLiteral("!#$%&'*+-/=?^_`{|}~").contains(c);
}

QByteArray phrase(const QString &name)
{
    // A control character (a line break above all) never goes into a header as it is.
    const bool printable = std::all_of(name.cbegin(), name.cend(),
                                       [](QChar c) { return c.unicode() >= 0x20 && c.unicode() < 0x7f; });
    if (printable) {
        bool plain = !name.isEmpty();
        for (QChar c : name)
            plain = plain && (isAtext(c) || c == u' ');
        if (plain && !name.startsWith(u' ') && !name.endsWith(u' ') && !name.contains(QStringLiteral("  ")))
            return name.toLatin1();
        QByteArray quoted = "\"";
        for (QChar c : name) {
            if (c == u'"' || c == u'\\')
                quoted += '\\';
            quoted += static_cast<char>(c.unicode());
        }
        return quoted + '"';
    }
    return {};
}

// The content of a quoted-string, its backslash escapes undone.
QString unquoted(const QString &quoted)
{
    QString text;
    for (qsizetype i = 1; i + 1 < quoted.size(); ++i) {
        if (quoted[i] == u'\\' && i + 2 < quoted.size())
            ++i;
        text += quoted[i];
    }
    return text;
}

bool isAddressChar(QChar c)
{
    const char16_t u = c.unicode();
    return u > 0x20 && u < 0x7f && u != u'<' && u != u'>' && u != u',' && u != u'(' && u != u')';
}

} // namespace

Charset charsetFor(const QString &text)
{
    if (holdsShift(text))
        return Charset::Utf8;
    if (isAscii(text))
        return Charset::Ascii;
    return toIso2022Jp(text) ? Charset::Iso2022Jp : Charset::Utf8;
}

QByteArray charsetName(Charset charset)
{
    switch (charset) {
    case Charset::Ascii: return "US-ASCII";
    case Charset::Iso2022Jp: return "ISO-2022-JP";
    case Charset::Utf8: break;
    }
    return "UTF-8";
}

QByteArray encode(const QString &text, Charset charset)
{
    switch (charset) {
    case Charset::Ascii: return text.toLatin1();
    case Charset::Iso2022Jp:
        if (const auto bytes = toIso2022Jp(text))
            return *bytes;
        break;
    case Charset::Utf8: break;
    }
    return text.toUtf8();
}

QList<QByteArray> encodedWords(const QString &text, Charset charset, int firstRoom)
{
    if (charset == Charset::Ascii)
        charset = Charset::Utf8;
    const QByteArray name = charsetName(charset);
    const QStringList chars = characters(text);
    QList<QByteArray> words;
    qsizetype start = 0;
    int room = qBound(16, firstRoom, kWordLimit);
    while (start < chars.size()) {
        // Grow the word one character at a time while it still fits.
        QString piece = chars[start];
        QByteArray best = word(name, encode(piece, charset));
        qsizetype end = start + 1;
        while (end < chars.size()) {
            const QString longer = piece + chars[end];
            const QByteArray candidate = word(name, encode(longer, charset));
            if (candidate.size() > room)
                break;
            piece = longer;
            best = candidate;
            ++end;
        }
        words << best;
        start = end;
        room = kWordLimit;
    }
    return words;
}

QString singleLine(const QString &text)
{
    QString line = text;
    line.replace(u'\r', u' ');
    line.replace(u'\n', u' ');
    return line;
}

QByteArray unstructured(const QString &text, int used)
{
    const QString line = singleLine(text);
    // Plain ASCII goes as it is unless it would pass for encoded words or
    // overflow the longest line a server must take.
    if (isAscii(line) && !line.contains(QStringLiteral("=?")) && !holdsShift(line)
        && used + 1 + line.size() <= kHardLineLimit)
        return line.toLatin1();
    return fold(encodedWords(line, charsetFor(line), kLineLimit - used - 1), used + 1);
}

std::optional<QList<Mailbox>> parseAddresses(const QString &text, QString *bad)
{
    QList<Mailbox> mailboxes;
    QStringList entries;
    QString current;
    bool inAngle = false, inQuote = false, escaped = false;
    for (QChar c : text) {
        if (escaped) {
            escaped = false;
            current += c;
            continue;
        }
        if (c == u'\\' && inQuote) {
            escaped = true;
            current += c;
            continue;
        }
        if (c == u'"' && !inAngle)
            inQuote = !inQuote;
        else if (c == u'<' && !inQuote)
            inAngle = true;
        else if (c == u'>' && !inQuote)
            inAngle = false;
        if (!inAngle && !inQuote && (c == u',' || c == u'\r' || c == u'\n')) {
            entries << current;
            current.clear();
        } else {
            current += c;
        }
    }
    entries << current;

    for (const QString &raw : entries) {
        const QString entry = singleLine(raw).trimmed();
        if (entry.isEmpty())
            continue;
        Mailbox mailbox;
        const qsizetype open = entry.lastIndexOf(u'<');
        if (open >= 0 && entry.endsWith(u'>')) {
            mailbox.name = entry.left(open).trimmed();
            if (mailbox.name.size() >= 2 && mailbox.name.startsWith(u'"') && mailbox.name.endsWith(u'"'))
                mailbox.name = unquoted(mailbox.name);
            mailbox.address = entry.mid(open + 1, entry.size() - open - 2).trimmed();
        } else {
            mailbox.address = entry;
        }
        bool good = !mailbox.address.isEmpty();
        for (QChar c : mailbox.address)
            good = good && isAddressChar(c);
        if (!good) {
            if (bad)
                *bad = entry;
            return std::nullopt;
        }
        mailboxes << mailbox;
    }
    return mailboxes;
}

QString mailboxText(const Mailbox &mailbox)
{
    if (mailbox.name.isEmpty())
        return mailbox.address;
    static const QString specials = QStringLiteral("()<>[]:;@\\,.\"");
    bool plain = true;
    for (QChar c : mailbox.name)
        plain = plain && !specials.contains(c);
    if (plain)
        return mailbox.name + QStringLiteral(" <") + mailbox.address + u'>';
    QString quoted = QStringLiteral("\"");
    for (QChar c : mailbox.name) {
        if (c == u'"' || c == u'\\')
            quoted += u'\\';
        quoted += c;
    }
    return quoted + QStringLiteral("\" <") + mailbox.address + u'>';
}

QString quotedMailbox(const QString &text)
{
    const QString entry = singleLine(text).trimmed();
    const qsizetype open = entry.lastIndexOf(u'<');
    if (open < 0 || !entry.endsWith(u'>'))
        return entry;
    Mailbox mailbox;
    mailbox.name = entry.left(open).trimmed();
    if (mailbox.name.size() >= 2 && mailbox.name.startsWith(u'"') && mailbox.name.endsWith(u'"'))
        mailbox.name = unquoted(mailbox.name);
    mailbox.address = entry.mid(open + 1, entry.size() - open - 2).trimmed();
    return mailboxText(mailbox);
}

QByteArray parameter(const QByteArray &name, const QString &value)
{
    const QString line = singleLine(value);
    // A name that looks like an encoded word would be decoded by the reader.
    bool plain = isAscii(line) && !line.contains(QStringLiteral("=?")) && line.size() + name.size() + 6 <= kLineLimit;
    for (QChar c : line)
        plain = plain && c.unicode() >= 0x20 && c.unicode() < 0x7f;
    if (plain) {
        QByteArray quoted;
        for (QChar c : line) {
            if (c == u'"' || c == u'\\')
                quoted += '\\';
            quoted += static_cast<char>(c.unicode());
        }
        return ";\r\n " + name + "=\"" + quoted + '"';
    }

    static const QByteArray literal = "!#$&+-.^_`|~";
    QList<QByteArray> segments;
    QByteArray segment = "UTF-8''";
    bool holdsCharacter = false;
    for (const QString &character : characters(line)) {
        QByteArray piece;
        for (const char byte : character.toUtf8()) {
            const auto u = static_cast<unsigned char>(byte);
            if (std::isalnum(u) && u < 0x80)
                piece += byte;
            else if (literal.contains(byte))
                piece += byte;
            else
                piece += '%' + QByteArray::number(u, 16).toUpper().rightJustified(2, '0');
        }
        const QByteArray label = name + '*' + QByteArray::number(segments.size()) + "*=";
        // " " + label + segment + ";" must stay within one line.
        if (holdsCharacter && 1 + label.size() + segment.size() + piece.size() + 1 > kLineLimit) {
            segments << segment;
            segment.clear();
        }
        segment += piece;
        holdsCharacter = true;
    }
    segments << segment;

    if (segments.size() == 1)
        return ";\r\n " + name + "*=" + segments[0];
    QByteArray text;
    for (qsizetype i = 0; i < segments.size(); ++i)
        text += ";\r\n " + name + '*' + QByteArray::number(i) + "*=" + segments[i];
    return text;
}

QByteArray wordsParameter(const QByteArray &name, const QString &value)
{
    const QString line = singleLine(value);
    if (isAscii(line) && !line.contains(QStringLiteral("=?")) && !holdsShift(line))
        return parameter(name, line);
    const int used = static_cast<int>(name.size()) + 3;  // " name=\""
    QList<QByteArray> words = encodedWords(line, charsetFor(line), kLineLimit - used - 2);
    words.first().prepend('"');
    words.last().append('"');
    return ";\r\n " + name + '=' + fold(words, used - 1);
}

QByteArray addressList(const QList<Mailbox> &mailboxes, int used)
{
    QList<QByteArray> tokens;
    for (qsizetype i = 0; i < mailboxes.size(); ++i) {
        const Mailbox &mailbox = mailboxes[i];
        const QByteArray comma = i + 1 < mailboxes.size() ? "," : "";
        if (!mailbox.name.isEmpty()) {
            const QByteArray plain = phrase(mailbox.name);
            if (!plain.isEmpty())
                tokens << plain;
            else
                tokens << encodedWords(mailbox.name, charsetFor(mailbox.name));
        }
        const QByteArray address = mailbox.address.toLatin1();
        tokens << (mailbox.name.isEmpty() ? address : "<" + address + ">") + comma;
    }
    return fold(tokens, used + 1);
}

} // namespace HeaderEncoder
