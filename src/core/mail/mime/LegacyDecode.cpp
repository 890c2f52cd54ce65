#include "core/mail/mime/LegacyDecode.h"

#include "core/common/Cp932.h"
#include "core/mail/mime/CharsetGuess.h"

#include <cstring>

namespace LegacyDecode {

namespace {

int base64Value(char c)
{
    if (c >= 'A' && c <= 'Z') return c - 'A';
    if (c >= 'a' && c <= 'z') return c - 'a' + 26;
    if (c >= '0' && c <= '9') return c - '0' + 52;
    if (c == '+' || c == '-') return 62;
    if (c == '/' || c == '_') return 63;
    return -1;
}

bool isOctal(const QByteArray &text)
{
    if (text.size() < 3 || text.size() > 4)
        return false;
    for (char c : text)
        if (c < '0' || c > '7')
            return false;
    return true;
}

QByteArray chopLineEnd(QByteArray line)
{
    while (line.endsWith('\n') || line.endsWith('\r'))
        line.chop(1);
    return line;
}

// One line of uuencoded data, or nothing when the line is not one.
bool uuLine(const QByteArray &line, QByteArray *out)
{
    if (line.isEmpty())
        return false;
    const int count = (line[0] - 0x20) & 0x3F;
    qsizetype pos = 1;
    int produced = 0;
    while (produced < count) {
        unsigned char q[4];
        for (int k = 0; k < 4; ++k) {
            const char c = pos < line.size() ? line[pos] : ' ';
            if (c < 0x20 || c > 0x60)
                return false;
            q[k] = static_cast<unsigned char>((c - 0x20) & 0x3F);
            ++pos;
        }
        const unsigned char bytes[3] = {static_cast<unsigned char>((q[0] << 2) | (q[1] >> 4)),
                                        static_cast<unsigned char>((q[1] << 4) | (q[2] >> 2)),
                                        static_cast<unsigned char>((q[2] << 6) | q[3])};
        for (int k = 0; k < 3 && produced < count; ++k, ++produced)
            *out += static_cast<char>(bytes[k]);
    }
    return true;
}

} // namespace

void Base64Stream::flush(QByteArray &out)
{
    // A quad that ends early in padding still gives its whole bytes.
    if (m_have >= 2)
        out += static_cast<char>((m_quad[0] << 2) | (m_quad[1] >> 4));
    if (m_have >= 3)
        out += static_cast<char>(((m_quad[1] & 0x0F) << 4) | (m_quad[2] >> 2));
    if (m_have == 4)
        out += static_cast<char>(((m_quad[2] & 0x03) << 6) | m_quad[3]);
    m_have = 0;
    m_padding = 0;
}

void Base64Stream::feed(const char *data, qsizetype size, QByteArray &out)
{
    for (qsizetype i = 0; i < size; ++i) {
        const char c = data[i];
        if (c == '=') {
            if (m_have >= 2 && ++m_padding + m_have == 4)
                flush(out);
            else if (m_have < 2)
                m_have = 0;  // a stray '=' between chunks
            continue;
        }
        const int v = base64Value(c);
        if (v < 0)
            continue;
        if (m_padding > 0)
            flush(out);  // "xx=" followed at once by a new chunk
        m_quad[m_have++] = v;
        if (m_have == 4)
            flush(out);
    }
}

void Base64Stream::finish(QByteArray &out)
{
    flush(out);
}

QByteArray base64(const QByteArray &encoded)
{
    QByteArray out;
    out.reserve(encoded.size() * 3 / 4);
    Base64Stream stream;
    stream.feed(encoded.constData(), encoded.size(), out);
    stream.finish(out);
    return out;
}

namespace {

int upperHexValue(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

bool hasKanaOrKanji(const QString &text)
{
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if ((u >= 0x3041 && u <= 0x30FF) || (u >= 0x4E00 && u <= 0x9FFF))
            return true;
    }
    return false;
}

} // namespace

std::optional<QByteArray> undeclaredQuotedPrintable(const QByteArray &text)
{
    if (!text.contains('='))
        return std::nullopt;
    QByteArray out;
    out.reserve(text.size());
    // A character in Shift_JIS or UTF-8 takes two bytes or more, so an eight-bit
    // escape standing alone ("?id=AB12") is text with an equals sign, not QP.
    int highRun = 0;
    bool alone = false;
    bool eightBit = false;
    bool escape = false;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char c = text[i];
        if (static_cast<unsigned char>(c) >= 0x80)
            return std::nullopt;
        if (c != '=') {
            if (highRun == 1)
                alone = true;
            highRun = 0;
            out += c;
            continue;
        }
        qsizetype j = i + 1;
        while (j < n && (text[j] == ' ' || text[j] == '\t'))
            ++j;
        if (j >= n || text[j] == '\r' || text[j] == '\n') {
            // A soft line break; a character may go on after it.
            if (j < n && text[j] == '\r')
                ++j;
            if (j < n && text[j] == '\n')
                ++j;
            i = j - 1;
            continue;
        }
        if (i + 2 >= n || upperHexValue(text[i + 1]) < 0 || upperHexValue(text[i + 2]) < 0)
            return std::nullopt;
        const int b = upperHexValue(text[i + 1]) * 16 + upperHexValue(text[i + 2]);
        out += static_cast<char>(b);
        i += 2;
        if (b >= 0x80) {
            ++highRun;
            eightBit = true;
            continue;
        }
        if (highRun == 1)
            alone = true;
        highRun = 0;
        escape = escape || b == 0x1B;
    }
    if (highRun == 1)
        alone = true;
    if (alone || (!eightBit && !escape))
        return std::nullopt;
    switch (CharsetGuess::guess(out).reading) {
    case CharsetGuess::Reading::Jis:
    case CharsetGuess::Reading::Utf8:
        return out;
    case CharsetGuess::Reading::Cp932:
        if (CharsetGuess::invalidCp932(out) == 0 && hasKanaOrKanji(Cp932::decode(out)))
            return out;
        break;
    default:
        break;
    }
    return std::nullopt;
}

// A uuencoded file starts a line with "begin "; looking only at line starts
// is much quicker than searching the whole text for the word.
static bool hasBeginLine(const QByteArray &text)
{
    const char *line = text.constData();
    const char *const end = line + text.size();
    while (line < end) {
        if (end - line >= 6 && memcmp(line, "begin ", 6) == 0)
            return true;
        const void *nl = memchr(line, '\n', static_cast<size_t>(end - line));
        if (!nl)
            break;
        line = static_cast<const char *>(nl) + 1;
    }
    return false;
}

QList<UuFile> takeUuencoded(QByteArray &text)
{
    QList<UuFile> files;
    if (!hasBeginLine(text))
        return files;
    QByteArray kept;
    kept.reserve(text.size());
    qsizetype pos = 0;
    const qsizetype n = text.size();
    while (pos < n) {
        qsizetype nl = text.indexOf('\n', pos);
        const qsizetype next = nl < 0 ? n : nl + 1;
        const QByteArray line = chopLineEnd(text.mid(pos, next - pos));
        const QList<QByteArray> words = line.split(' ');
        if (line.startsWith("begin ") && words.size() >= 3 && isOctal(words[1])) {
            UuFile file;
            file.name = line.mid(words[0].size() + words[1].size() + 2).trimmed();
            qsizetype p = next;
            bool ended = false;
            bool ok = true;
            while (p < n) {
                const qsizetype e = text.indexOf('\n', p);
                const qsizetype after = e < 0 ? n : e + 1;
                const QByteArray data = chopLineEnd(text.mid(p, after - p));
                p = after;
                if (data == "end") {
                    ended = true;
                    break;
                }
                if (data.isEmpty() || data == "`")
                    continue;
                if (!uuLine(data, &file.content)) {
                    ok = false;
                    break;
                }
            }
            if (ended && ok) {
                files.append(file);
                pos = p;
                continue;
            }
        }
        kept += text.mid(pos, next - pos);
        pos = next;
    }
    text = kept;
    return files;
}

} // namespace LegacyDecode
