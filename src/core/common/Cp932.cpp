#include "core/common/Cp932.h"

#include <cerrno>
#include <cstring>
#include <iconv.h>

namespace {

// iconv_open is costly next to a short field, so each direction keeps one descriptor.
class Converter {
public:
    Converter(const char *to, const char *from) : m_cd(iconv_open(to, from)) {}
    ~Converter()
    {
        if (m_cd != reinterpret_cast<iconv_t>(-1))
            iconv_close(m_cd);
    }
    Converter(const Converter &) = delete;
    Converter &operator=(const Converter &) = delete;

    iconv_t handle()
    {
        iconv(m_cd, nullptr, nullptr, nullptr, nullptr);
        return m_cd;
    }

private:
    iconv_t m_cd;
};

Converter &decoder()
{
    thread_local Converter c("UTF-16LE", "CP932");
    return c;
}

Converter &encoder()
{
    thread_local Converter c("CP932", "UTF-16LE");
    return c;
}

bool isAscii(const char *data, qsizetype size)
{
    for (qsizetype i = 0; i < size; ++i)
        if (static_cast<unsigned char>(data[i]) >= 0x80)
            return false;
    return true;
}

// A mail's text passes through here several times, and an iconv call per field
// costs more than the text itself. CP932 is stateless, so every answer glibc
// gives is asked once, for each byte, pair and character, and kept in tables:
// the results stay glibc's to the byte.
constexpr char16_t kNoChar = 0xFFFF;  // no reading: U+FFFF is no CP932 character

struct Tables {
    char16_t single[256];           // a byte read alone, or kNoChar
    char16_t pair[256][256];        // a lead byte with its trail, or kNoChar
    quint16 toBytes[0x10000];       // a character: one byte (< 0x100), two (hi << 8 | lo), or 0 for none
    // A character's bytes when it reads back as itself on its own (1 or 2), kNoForm,
    // or kAskWhole when only the whole text can tell (its bytes read otherwise alone).
    quint8 alone[0x10000];
};
constexpr quint8 kNoForm = 0;
constexpr quint8 kAskWhole = 3;

// One character or byte sequence through glibc, as the whole-text loop would see it.
qsizetype convertOnce(iconv_t cd, const char *in, size_t inSize, char *out, size_t outSize, size_t *consumed)
{
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    char *inPtr = const_cast<char *>(in);
    size_t inLeft = inSize;
    char *outPtr = out;
    size_t outLeft = outSize;
    const size_t result = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
    *consumed = inSize - inLeft;
    if (result == static_cast<size_t>(-1) && *consumed == 0)
        return -1;
    iconv(cd, nullptr, nullptr, &outPtr, &outLeft);
    return outPtr - out;
}

const Tables *buildTables()
{
    auto *t = new Tables;
    iconv_t dec = decoder().handle();
    iconv_t enc = encoder().handle();
    char out[16];
    size_t consumed = 0;
    for (int b = 0; b < 256; ++b) {
        const char in[1] = {static_cast<char>(b)};
        char16_t u = kNoChar;
        if (convertOnce(dec, in, 1, out, sizeof out, &consumed) == 2 && consumed == 1)
            memcpy(&u, out, 2);
        t->single[b] = u;
        for (int c = 0; c < 256; ++c) {
            const char two[2] = {static_cast<char>(b), static_cast<char>(c)};
            char16_t v = kNoChar;
            if (Cp932::isLeadByte(static_cast<unsigned char>(b))
                && convertOnce(dec, two, 2, out, sizeof out, &consumed) == 2 && consumed == 2)
                memcpy(&v, out, 2);
            t->pair[b][c] = v;
        }
    }
    for (int u = 0; u < 0x10000; ++u) {
        const char16_t unit = static_cast<char16_t>(u);
        char in[2];
        memcpy(in, &unit, 2);
        quint16 bytes = 0;
        const qsizetype n = convertOnce(enc, in, 2, out, sizeof out, &consumed);
        if (consumed == 2 && n == 1)
            bytes = static_cast<unsigned char>(out[0]);
        else if (consumed == 2 && n == 2)
            bytes = static_cast<quint16>((static_cast<unsigned char>(out[0]) << 8) | static_cast<unsigned char>(out[1]));
        t->toBytes[u] = bytes;  // NUL's own 0 is told apart where it is read
    }
    for (int u = 0; u < 0x10000; ++u) {
        const quint16 bytes = t->toBytes[u];
        const auto hi = static_cast<unsigned char>(bytes >> 8);
        const auto lo = static_cast<unsigned char>(bytes & 0xFF);
        if (u == 0)
            t->alone[u] = 1;
        else if (bytes == 0)
            t->alone[u] = kNoForm;
        else if (bytes >= 0x100)
            t->alone[u] = Cp932::isLeadByte(hi) && t->pair[hi][lo] == u ? 2 : kAskWhole;
        else
            t->alone[u] = !Cp932::isLeadByte(lo) && t->single[lo] == u ? 1 : kAskWhole;
    }
    return t;
}

const Tables &tables()
{
    static const Tables *t = buildTables();
    return *t;
}

// The one reading loop. stop sees each double-byte character (lead, trail,
// reading) and may end the reading, which then gives nothing.
template <typename Stop>
std::optional<QString> readPairs(const char *data, qsizetype size, Stop stop)
{
    const Tables &t = tables();
    QString out(size, Qt::Uninitialized);
    char16_t *o = reinterpret_cast<char16_t *>(out.data());
    const auto *p = reinterpret_cast<const unsigned char *>(data);
    const auto *end = p + size;
    while (p < end) {
        const unsigned char b = *p;
        if (b < 0x80) {
            *o++ = b;
            ++p;
            continue;
        }
        if (Cp932::isLeadByte(b) && p + 1 < end) {
            const char16_t u = t.pair[b][p[1]];
            if (stop(b, p[1], u))
                return std::nullopt;
            if (u != kNoChar) {
                *o++ = u;
                p += 2;
                continue;
            }
        }
        // A byte without a reading (or a lone lead byte at the end): one replacement, and the next byte starts afresh.
        const char16_t u = Cp932::isLeadByte(b) ? kNoChar : t.single[b];
        *o++ = u == kNoChar ? char16_t(0xFFFD) : u;
        ++p;
    }
    out.resize(o - reinterpret_cast<char16_t *>(out.data()));
    return out;
}

} // namespace

namespace Cp932 {

QString decode(const QByteArray &bytes)
{
    return decode(bytes.constData(), bytes.size());
}

QString decode(const char *data, qsizetype size)
{
    if (isAscii(data, size))
        return QString::fromLatin1(data, size);
    return *readPairs(data, size, [](unsigned char, unsigned char, char16_t) { return false; });
}

std::optional<QString> decodeUnlessLead(const QByteArray &bytes, const bool (&stop)[256])
{
    return readPairs(bytes.constData(), bytes.size(), [&stop](unsigned char lead, unsigned char trail, char16_t u) {
        return stop[lead] || u == kNoChar || trail < 0x40 || trail == 0x7F || trail > 0xFC;
    });
}

QByteArray encode(const QString &text)
{
    bool ascii = true;
    for (QChar c : text)
        if (c.unicode() >= 0x80) {
            ascii = false;
            break;
        }
    if (ascii)
        return text.toLatin1();

    const Tables &t = tables();
    QByteArray out(text.size() * 2, Qt::Uninitialized);
    char *o = out.data();
    const auto *p = reinterpret_cast<const char16_t *>(text.constData());
    const auto *end = p + text.size();
    while (p < end) {
        const char16_t u = *p;
        const quint16 bytes = t.toBytes[u];
        if (u == 0) {
            *o++ = 0;
        } else if (bytes >= 0x100) {
            *o++ = static_cast<char>(bytes >> 8);
            *o++ = static_cast<char>(bytes & 0xFF);
        } else if (bytes != 0) {
            *o++ = static_cast<char>(bytes);
        } else {
            // No CP932 form (or a lone surrogate): one '?' per character.
            *o++ = '?';
            if (QChar::isHighSurrogate(u) && p + 1 < end && QChar::isLowSurrogate(p[1]))
                ++p;
        }
        ++p;
    }
    out.resize(o - out.data());
    return out;
}

QByteArray cutAtCharBoundary(const QByteArray &bytes, qsizetype maxBytes)
{
    if (bytes.size() <= maxBytes)
        return bytes;
    // Walk from the start: a trail byte can look like a lead byte (表 = 95 5C).
    qsizetype pos = 0;
    while (pos < maxBytes) {
        const qsizetype step = isLeadByte(static_cast<unsigned char>(bytes[pos])) ? 2 : 1;
        if (pos + step > maxBytes)
            break;
        pos += step;
    }
    return bytes.left(pos);
}

void fitInto(const QString &text, qsizetype width, char *out)
{
    const Tables &t = tables();
    char *o = out;
    char *const end = out + width;
    const auto *p = reinterpret_cast<const char16_t *>(text.constData());
    const auto *last = p + text.size();
    for (; p < last; ++p) {
        const char16_t u = *p;
        const quint16 bytes = t.toBytes[u];
        if (bytes >= 0x100) {
            if (!isLeadByte(static_cast<unsigned char>(bytes >> 8)))
                break;  // not a pair the cut would keep whole: the careful way below
            if (end - o < 2)
                goto done;
            *o++ = static_cast<char>(bytes >> 8);
            *o++ = static_cast<char>(bytes & 0xFF);
            continue;
        }
        const unsigned char single = u == 0 ? 0 : bytes != 0 ? static_cast<unsigned char>(bytes) : '?';
        if (isLeadByte(single))
            break;
        if (o == end)
            goto done;
        *o++ = static_cast<char>(single);
        if (bytes == 0 && u != 0 && QChar::isHighSurrogate(u) && p + 1 < last && QChar::isLowSurrogate(p[1]))
            ++p;
    }
    if (p < last) {
        const QByteArray bytes = fit(text, width);
        memcpy(out, bytes.constData(), static_cast<size_t>(width));
        return;
    }
done:
    memset(o, ' ', static_cast<size_t>(end - o));
}

bool survives(const QString &text, qsizetype width)
{
    const Tables &t = tables();
    qsizetype used = 0;
    for (const QChar c : text) {
        const quint8 bytes = t.alone[c.unicode()];
        if (bytes == kNoForm)
            return false;  // written as '?', read back as '?'
        if (bytes == kAskWhole) {
            const QByteArray encoded = encode(text);
            return encoded.size() <= width && decode(encoded) == text;
        }
        used += bytes;
    }
    return used <= width;
}

QByteArray fit(const QString &text, qsizetype width)
{
    QByteArray bytes = cutAtCharBoundary(encode(text), width);
    if (bytes.size() < width)
        bytes.append(width - bytes.size(), ' ');
    return bytes;
}

} // namespace Cp932

std::optional<QString> Cp932::firstUnencodable(const QString &text)
{
    if (encode(text).count('?') == text.count(u'?'))
        return std::nullopt;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype width = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QString character = text.mid(i, width);
        i += width - 1;
        if (character != QLatin1String("?") && encode(character) == "?")
            return character;
    }
    return std::nullopt;
}
