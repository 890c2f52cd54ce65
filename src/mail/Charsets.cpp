#include "mail/Charsets.h"

#include "common/Cp932.h"

#include <QList>
#include <QRegularExpression>

#include <cerrno>
#include <cstring>
#include <optional>
#include <iconv.h>

namespace Charsets {

namespace {

enum class Family { Unlabelled, Utf8, Cp932, Jis, EucJp, Other };

Family familyOf(const QByteArray &label)
{
    const QByteArray name = label.trimmed().toLower();
    if (name.isEmpty() || name == "us-ascii" || name == "ascii" || name == "unknown-8bit"
        || name == "x-unknown" || name == "x-user-defined" || name == "default")
        return Family::Unlabelled;
    if (name == "utf-8" || name == "utf8")
        return Family::Utf8;
    if (name == "shift_jis" || name == "shift-jis" || name == "sjis" || name == "x-sjis"
        || name == "ms932" || name == "windows-31j" || name == "cp932" || name == "ms_kanji"
        || name == "csshiftjis" || name == "x-ms-cp932" || name == "cswindows31j"
        || name == "windows-932")
        return Family::Cp932;
    if (name.startsWith("iso-2022-jp") || name == "csiso2022jp" || name == "iso2022jp")
        return Family::Jis;
    if (name == "euc-jp" || name == "x-euc-jp" || name == "eucjp" || name == "euc-jp-ms"
        || name == "cseucpkdfmtjapanese" || name == "eucjp-ms")
        return Family::EucJp;
    return Family::Other;
}

// Converts with glibc iconv, one U+FFFD per undecodable byte; nothing when iconv
// does not know the charset.
std::optional<QString> viaIconv(const QByteArray &bytes, const char *charset)
{
    iconv_t cd = iconv_open("UTF-8", charset);
    if (cd == reinterpret_cast<iconv_t>(-1))
        return std::nullopt;
    QByteArray out;
    out.resize(bytes.size() * 4 + 16);
    char *in = const_cast<char *>(bytes.constData());
    size_t inLeft = static_cast<size_t>(bytes.size());
    char *outPtr = out.data();
    size_t outLeft = static_cast<size_t>(out.size());
    while (inLeft > 0) {
        if (iconv(cd, &in, &inLeft, &outPtr, &outLeft) != static_cast<size_t>(-1))
            break;
        if (errno == E2BIG) {
            const qsizetype used = outPtr - out.data();
            out.resize(out.size() * 2);
            outPtr = out.data() + used;
            outLeft = static_cast<size_t>(out.size() - used);
            continue;
        }
        // An invalid or truncated sequence: mark it and go on after its first byte.
        if (outLeft < 3) {
            const qsizetype used = outPtr - out.data();
            out.resize(out.size() + 64);
            outPtr = out.data() + used;
            outLeft = static_cast<size_t>(out.size() - used);
        }
        memcpy(outPtr, "\xEF\xBF\xBD", 3);
        outPtr += 3;
        outLeft -= 3;
        ++in;
        --inLeft;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
    iconv(cd, nullptr, nullptr, &outPtr, &outLeft);
    iconv_close(cd);
    out.truncate(outPtr - out.data());
    return QString::fromUtf8(out);
}

bool isValidUtf8(const QByteArray &bytes)
{
    const auto *p = reinterpret_cast<const unsigned char *>(bytes.constData());
    const auto *end = p + bytes.size();
    while (p < end) {
        if (*p < 0x80) {
            ++p;
            continue;
        }
        int more;
        unsigned min;
        unsigned code;
        if ((*p & 0xE0) == 0xC0) { more = 1; min = 0x80; code = *p & 0x1F; }
        else if ((*p & 0xF0) == 0xE0) { more = 2; min = 0x800; code = *p & 0x0F; }
        else if ((*p & 0xF8) == 0xF0) { more = 3; min = 0x10000; code = *p & 0x07; }
        else return false;
        if (end - p <= more)
            return false;
        for (int i = 1; i <= more; ++i) {
            if ((p[i] & 0xC0) != 0x80)
                return false;
            code = (code << 6) | (p[i] & 0x3F);
        }
        if (code < min || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            return false;
        p += more + 1;
    }
    return true;
}

bool isAscii(const QByteArray &bytes)
{
    for (char c : bytes)
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    return true;
}

QByteArray unfold(const QByteArray &raw)
{
    QByteArray out;
    out.reserve(raw.size());
    for (qsizetype i = 0; i < raw.size(); ++i) {
        const char c = raw[i];
        if (c == '\r' || c == '\n')
            continue;
        out += c;
    }
    return out;
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

QByteArray decodeQ(const QByteArray &text)
{
    QByteArray out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '_') {
            out += ' ';
        } else if (c == '=' && i + 2 < text.size() && hexValue(text[i + 1]) >= 0
                   && hexValue(text[i + 2]) >= 0) {
            out += static_cast<char>(hexValue(text[i + 1]) * 16 + hexValue(text[i + 2]));
            i += 2;
        } else {
            out += c;
        }
    }
    return out;
}

QByteArray percentDecode(const QByteArray &text)
{
    QByteArray out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size() && hexValue(text[i + 1]) >= 0
            && hexValue(text[i + 2]) >= 0) {
            out += static_cast<char>(hexValue(text[i + 1]) * 16 + hexValue(text[i + 2]));
            i += 2;
        } else {
            out += text[i];
        }
    }
    return out;
}

// The charset of an encoded-word without its RFC 2231 language suffix.
QByteArray bareCharset(const QByteArray &label)
{
    const qsizetype star = label.indexOf('*');
    return (star >= 0 ? label.left(star) : label).toLower();
}

} // namespace

QString decodeUnlabelled(const QByteArray &bytes)
{
    if (isAscii(bytes) || isValidUtf8(bytes))
        return QString::fromUtf8(bytes);
    return Cp932::decode(bytes);
}

QByteArray jisToShiftJis(const QByteArray &jis)
{
    enum class Mode { Ascii, Kanji, Kana, Unmapped };
    Mode mode = Mode::Ascii;
    bool shiftOut = false;  // SO/SI kana
    QByteArray out;
    out.reserve(jis.size());
    const qsizetype n = jis.size();
    for (qsizetype i = 0; i < n; ++i) {
        const auto c = static_cast<unsigned char>(jis[i]);
        if (c == 0x1B && i + 2 < n) {
            const char a = jis[i + 1];
            const char b = jis[i + 2];
            if (a == '(' && (b == 'B' || b == 'J' || b == 'H')) { mode = Mode::Ascii; i += 2; continue; }
            if (a == '(' && b == 'I') { mode = Mode::Kana; i += 2; continue; }
            if (a == '$' && (b == '@' || b == 'B')) { mode = Mode::Kanji; i += 2; continue; }
            if (a == '$' && b == '(' && i + 3 < n) {
                const char d = jis[i + 3];
                // JIS X 0213 plane 1 shares its first rows with JIS X 0208; JIS X 0212 has no Shift-JIS form.
                mode = (d == 'O' || d == 'Q' || d == 'B') ? Mode::Kanji : Mode::Unmapped;
                i += 3;
                continue;
            }
        }
        if (c == 0x0E) { shiftOut = true; continue; }
        if (c == 0x0F) { shiftOut = false; continue; }
        if (c == '\r' || c == '\n') {
            // Some mailers forget ESC ( B before the line end; the next line starts in ASCII.
            mode = Mode::Ascii;
            shiftOut = false;
            out += static_cast<char>(c);
            continue;
        }
        if ((shiftOut || mode == Mode::Kana) && c >= 0x21 && c <= 0x5F) {
            out += static_cast<char>(c + 0x80);
            continue;
        }
        if ((mode == Mode::Kanji || mode == Mode::Unmapped) && c >= 0x21 && c <= 0x7E && i + 1 < n) {
            const auto c2 = static_cast<unsigned char>(jis[i + 1]);
            if (c2 >= 0x21 && c2 <= 0x7E) {
                ++i;
                if (mode == Mode::Unmapped) {
                    out += "\x81\x48";  // a full-width question mark stands for the lost character
                    continue;
                }
                unsigned s1 = ((c - 0x21) >> 1) + 0x81;
                if (s1 > 0x9F)
                    s1 += 0x40;
                unsigned s2;
                if (c & 1)
                    s2 = c2 + (c2 >= 0x60 ? 0x20 : 0x1F);
                else
                    s2 = c2 + 0x7E;
                out += static_cast<char>(s1);
                out += static_cast<char>(s2);
                continue;
            }
        }
        out += static_cast<char>(c);
    }
    return out;
}

QString decode(const QByteArray &bytes, const QByteArray &charset)
{
    switch (familyOf(charset)) {
    case Family::Unlabelled:
        return decodeUnlabelled(bytes);
    case Family::Utf8:
        return QString::fromUtf8(bytes);
    case Family::Cp932:
        return Cp932::decode(bytes);
    case Family::Jis:
        return Cp932::decode(jisToShiftJis(bytes));
    case Family::EucJp:
        if (auto text = viaIconv(bytes, "EUC-JP-MS"))
            return *text;
        return decodeUnlabelled(bytes);
    case Family::Other:
        break;
    }
    const QByteArray name = charset.trimmed();
    if (isAscii(bytes))
        return QString::fromLatin1(bytes);
    if (auto text = viaIconv(bytes, name.constData()))
        return *text;
    return decodeUnlabelled(bytes);
}

QString decodeHeader(const QByteArray &raw)
{
    static const QRegularExpression word(QStringLiteral("=\\?([^?\\s]+)\\?([BbQq])\\?([^?\\s]*)\\?="));
    const QByteArray text = unfold(raw);
    const QString latin = QString::fromLatin1(text);

    QString out;
    QByteArray pendingBytes;
    QByteArray pendingCharset;
    auto flush = [&] {
        if (!pendingCharset.isNull())
            out += decode(pendingBytes, pendingCharset);
        pendingBytes.clear();
        pendingCharset = QByteArray();
    };

    qsizetype pos = 0;
    bool lastWasWord = false;
    auto it = word.globalMatch(latin);
    while (it.hasNext()) {
        const auto m = it.next();
        const QByteArray between = text.mid(pos, m.capturedStart() - pos);
        const bool onlySpace = between.trimmed().isEmpty();
        if (!(lastWasWord && onlySpace)) {
            flush();
            out += decodeUnlabelled(between);
        }
        const QByteArray charset = bareCharset(m.captured(1).toLatin1());
        const QByteArray payload = m.captured(3).toLatin1();
        const QByteArray bytes = m.captured(2).toUpper() == u"B"
            ? QByteArray::fromBase64(payload)
            : decodeQ(payload);
        if (pendingCharset.isNull() || pendingCharset != charset) {
            flush();
            pendingCharset = charset;
        }
        pendingBytes += bytes;
        pos = m.capturedEnd();
        lastWasWord = true;
    }
    flush();
    out += decodeUnlabelled(text.mid(pos));
    return out.trimmed();
}

Field parseField(const QByteArray &raw)
{
    const QByteArray text = unfold(raw);
    Field field;
    qsizetype i = 0;
    const qsizetype n = text.size();
    const qsizetype firstSemicolon = text.indexOf(';');
    field.value = text.left(firstSemicolon < 0 ? n : firstSemicolon).trimmed().toLower();
    // A quoted value may hold a semicolon of its own; values are read with quotes in mind.
    if (field.value.startsWith('"') && field.value.endsWith('"') && field.value.size() >= 2)
        field.value = field.value.mid(1, field.value.size() - 2);
    if (firstSemicolon < 0)
        return field;
    i = firstSemicolon + 1;

    struct Segment {
        bool encoded;
        QByteArray value;
    };
    QMap<QByteArray, QMap<int, Segment>> extended;
    QMap<QByteArray, QByteArray> plain;

    while (i < n) {
        while (i < n && (text[i] == ' ' || text[i] == '\t' || text[i] == ';'))
            ++i;
        const qsizetype nameStart = i;
        while (i < n && text[i] != '=' && text[i] != ';')
            ++i;
        QByteArray name = text.mid(nameStart, i - nameStart).trimmed().toLower();
        if (i >= n || text[i] == ';')
            continue;  // a parameter without a value
        ++i;  // '='
        while (i < n && (text[i] == ' ' || text[i] == '\t'))
            ++i;
        QByteArray value;
        if (i < n && text[i] == '"') {
            ++i;
            while (i < n && text[i] != '"') {
                if (text[i] == '\\' && i + 1 < n)
                    ++i;
                value += text[i++];
            }
            if (i < n)
                ++i;
            while (i < n && text[i] != ';')
                ++i;
        } else {
            const qsizetype start = i;
            while (i < n && text[i] != ';')
                ++i;
            value = text.mid(start, i - start).trimmed();
        }
        if (name.isEmpty())
            continue;

        const bool encoded = name.endsWith('*');
        const QByteArray base = encoded ? name.left(name.size() - 1) : name;
        const qsizetype star = base.indexOf('*');
        if (star >= 0) {
            bool ok = false;
            const int index = base.mid(star + 1).toInt(&ok);
            if (ok && index >= 0 && index < 1000)
                extended[base.left(star)].insert(index, {encoded, value});
        } else if (encoded) {
            extended[base].insert(0, {true, value});
        } else if (!plain.contains(base)) {
            plain.insert(base, value);
        }
    }

    for (auto it = plain.cbegin(); it != plain.cend(); ++it) {
        const QByteArray &value = it.value();
        field.params.insert(it.key(), value.contains("=?") ? decodeHeader(value) : decodeUnlabelled(value));
    }
    for (auto it = extended.cbegin(); it != extended.cend(); ++it) {
        QByteArray charset;
        QByteArray bytes;
        int expected = it.value().firstKey();
        bool first = true;
        for (auto seg = it.value().cbegin(); seg != it.value().cend(); ++seg) {
            if (seg.key() != expected)
                break;  // a gap ends the value, as a missing piece cannot be guessed
            ++expected;
            QByteArray piece = seg.value().value;
            if (seg.value().encoded) {
                if (first) {
                    const qsizetype q1 = piece.indexOf('\'');
                    const qsizetype q2 = q1 >= 0 ? piece.indexOf('\'', q1 + 1) : -1;
                    if (q2 >= 0) {
                        charset = piece.left(q1);
                        piece = piece.mid(q2 + 1);
                    }
                }
                bytes += percentDecode(piece);
            } else {
                bytes += piece;
            }
            first = false;
        }
        QString value = decode(bytes, charset);
        if (charset.isEmpty() && value.contains(QStringLiteral("=?")))
            value = decodeHeader(bytes);
        field.params.insert(it.key(), value);
    }
    return field;
}

} // namespace Charsets
