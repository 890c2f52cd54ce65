#include "core/mail/mime/CharsetGuess.h"

#include "core/common/Cp932.h"

#include <uchardet.h>

#include <cerrno>
#include <cstring>
#include <iconv.h>

namespace CharsetGuess {

namespace {

using Byte = unsigned char;

// Walks one UTF-8 sequence from p; the code point, or -1 for a malformed
// beginning, with *length the bytes it covers (never more than its valid start).
int nextUtf8(const Byte *p, const Byte *end, int *length)
{
    const Byte b = p[0];
    *length = 1;
    if (b < 0x80)
        return b;
    int more;
    int code;
    Byte low = 0x80;
    Byte high = 0xBF;
    if (b >= 0xC2 && b <= 0xDF) { more = 1; code = b & 0x1F; }
    else if (b >= 0xE0 && b <= 0xEF) {
        more = 2;
        code = b & 0x0F;
        if (b == 0xE0) low = 0xA0;
        if (b == 0xED) high = 0x9F;
    } else if (b >= 0xF0 && b <= 0xF4) {
        more = 3;
        code = b & 0x07;
        if (b == 0xF0) low = 0x90;
        if (b == 0xF4) high = 0x8F;
    } else {
        return -1;
    }
    for (int i = 1; i <= more; ++i) {
        if (p + i >= end || p[i] < low || p[i] > high) {
            *length = i;
            return -1;
        }
        code = (code << 6) | (p[i] & 0x3F);
        low = 0x80;
        high = 0xBF;
    }
    *length = more + 1;
    return code;
}

// How much a decoded text looks like Japanese: kana and kanji count for it,
// stray half-width kana, replacement marks and private-use characters against.
long plausibility(const QString &text)
{
    long score = 0;
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if (u < 0x80)
            continue;
        if (u >= 0x3041 && u <= 0x30FF)
            score += 3;
        else if ((u >= 0x4E00 && u <= 0x9FFF) || (u >= 0x3000 && u <= 0x303F))
            score += 2;
        else if (u >= 0xFF01 && u <= 0xFF5E)
            score += 1;
        else if (u >= 0xFF61 && u <= 0xFF9F)
            score -= 2;
        else if (u == 0xFFFD)
            score -= 10;
        else if (u >= 0xE000 && u <= 0xF8FF)
            score -= 3;
        else
            score -= 1;
    }
    return score;
}

QByteArray uchardetOpinion(const QByteArray &bytes)
{
    uchardet_t detector = uchardet_new();
    if (!detector)
        return {};
    QByteArray name;
    if (uchardet_handle_data(detector, bytes.constData(), static_cast<size_t>(bytes.size())) == 0) {
        uchardet_data_end(detector);
        name = QByteArray(uchardet_get_charset(detector)).toUpper();
    }
    uchardet_delete(detector);
    return name;
}

} // namespace

bool isAscii(const QByteArray &bytes)
{
    for (char c : bytes)
        if (static_cast<Byte>(c) >= 0x80)
            return false;
    return true;
}

bool hasJisEscapes(const QByteArray &bytes)
{
    return bytes.contains("\x1B$B") || bytes.contains("\x1B$@") || bytes.contains("\x1B$(")
        || bytes.contains("\x1B(I");
}

bool onlyPictographBytes(const QByteArray &bytes)
{
    const qsizetype n = bytes.size();
    for (qsizetype i = 0; i < n; ++i) {
        // Seven-bit text, the usual case, is passed eight bytes at a time.
        quint64 word;
        while (i + 8 <= n && (memcpy(&word, bytes.constData() + i, 8), (word & 0x8080808080808080ULL) == 0))
            i += 8;
        if (i >= n)
            break;
        const auto b = static_cast<Byte>(bytes[i]);
        if (b < 0x80)
            continue;
        if (b < 0xF0 || b > 0xFC || i + 1 >= n)
            return false;
        const auto t = static_cast<Byte>(bytes[i + 1]);
        if (t < 0x40 || t == 0x7F || t > 0xFC)
            return false;
        ++i;
    }
    return true;
}

qsizetype invalidUtf8(const QByteArray &bytes)
{
    const auto *p = reinterpret_cast<const Byte *>(bytes.constData());
    const auto *end = p + bytes.size();
    qsizetype bad = 0;
    while (p < end) {
        int length;
        if (nextUtf8(p, end, &length) < 0)
            ++bad;
        p += length;
    }
    return bad;
}

qsizetype invalidEucJp(const QByteArray &bytes)
{
    const qsizetype n = bytes.size();
    qsizetype bad = 0;
    auto in = [&](qsizetype i, Byte lo, Byte hi) {
        return i < n && static_cast<Byte>(bytes[i]) >= lo && static_cast<Byte>(bytes[i]) <= hi;
    };
    for (qsizetype i = 0; i < n;) {
        const auto b = static_cast<Byte>(bytes[i]);
        if (b < 0x80) { ++i; continue; }
        if (b == 0x8E && in(i + 1, 0xA1, 0xDF)) { i += 2; continue; }
        if (b == 0x8F && in(i + 1, 0xA1, 0xFE) && in(i + 2, 0xA1, 0xFE)) { i += 3; continue; }
        if (b >= 0xA1 && b <= 0xFE && in(i + 1, 0xA1, 0xFE)) { i += 2; continue; }
        ++bad;
        ++i;
    }
    return bad;
}

qsizetype invalidCp932(const QByteArray &bytes)
{
    const qsizetype n = bytes.size();
    qsizetype bad = 0;
    for (qsizetype i = 0; i < n;) {
        const auto b = static_cast<Byte>(bytes[i]);
        if (b < 0x80 || (b >= 0xA1 && b <= 0xDF)) { ++i; continue; }
        if (Cp932::isLeadByte(b) && i + 1 < n) {
            const auto t = static_cast<Byte>(bytes[i + 1]);
            if (t >= 0x40 && t <= 0xFC && t != 0x7F) { i += 2; continue; }
        }
        ++bad;
        ++i;
    }
    return bad;
}

QString fromUtf8(const QByteArray &bytes)
{
    const auto *p = reinterpret_cast<const Byte *>(bytes.constData());
    const auto *end = p + bytes.size();
    QString out;
    out.reserve(bytes.size());
    while (p < end) {
        int length;
        const int code = nextUtf8(p, end, &length);
        if (code < 0) {
            out += QChar(QChar::ReplacementCharacter);
        } else if (code < 0x10000) {
            out += QChar(static_cast<char16_t>(code));
        } else {
            out += QChar(QChar::highSurrogate(static_cast<uint>(code)));
            out += QChar(QChar::lowSurrogate(static_cast<uint>(code)));
        }
        p += length;
    }
    return out;
}

Guess guess(const QByteArray &bytes)
{
    if (isAscii(bytes))
        return {hasJisEscapes(bytes) ? Reading::Jis : Reading::Ascii, {}};
    const qsizetype badUtf8 = invalidUtf8(bytes);
    if (badUtf8 == 0)
        return {Reading::Utf8, {}};
    if (hasJisEscapes(bytes) && onlyPictographBytes(bytes))
        return {Reading::Jis, {}};

    const qsizetype badEuc = invalidEucJp(bytes);
    const qsizetype badSjis = invalidCp932(bytes);
    const QByteArray opinion = uchardetOpinion(bytes);
    Reading preferred = Reading::Cp932;  // the most common of the two in Japanese mail
    if (opinion == "EUC-JP")
        preferred = Reading::EucJp;
    else if (opinion == "UTF-8")
        preferred = Reading::Utf8;

    // A Western or other charset uchardet recognises, when no Japanese reading is clean.
    if (badEuc > 0 && badSjis > 0 && !opinion.isEmpty() && opinion != "SHIFT_JIS" && opinion != "EUC-JP"
        && opinion != "UTF-8" && opinion != "ASCII" && !opinion.startsWith("ISO-2022")) {
        iconv_t cd = iconv_open("UTF-8", opinion.constData());
        if (cd != reinterpret_cast<iconv_t>(-1)) {
            iconv_close(cd);
            return {Reading::Other, opinion};
        }
    }

    struct Candidate {
        Reading reading;
        long score;
    };
    const Candidate candidates[] = {
        {Reading::Cp932, plausibility(Cp932::decode(bytes)) - 10 * long(badSjis)},
        {Reading::EucJp, plausibility(decodeWith(bytes, "EUC-JP-MS").value_or(QString())) - 10 * long(badEuc)},
        {Reading::Utf8, plausibility(fromUtf8(bytes)) - 10 * long(badUtf8)},
    };
    Candidate best = candidates[0];
    for (const Candidate &c : candidates)
        if (c.score > best.score || (c.score == best.score && c.reading == preferred))
            best = c;
    return {best.reading, {}};
}

std::optional<QString> decodeWith(const QByteArray &bytes, const char *charset)
{
    iconv_t cd = iconv_open("UTF-16LE", charset);
    if (cd == reinterpret_cast<iconv_t>(-1))
        return std::nullopt;
    QString out(bytes.size() + 8, Qt::Uninitialized);
    char *in = const_cast<char *>(bytes.constData());
    size_t inLeft = static_cast<size_t>(bytes.size());
    char *start = reinterpret_cast<char *>(out.data());
    char *outPtr = start;
    size_t outLeft = static_cast<size_t>(out.size()) * 2;
    while (inLeft > 0) {
        if (iconv(cd, &in, &inLeft, &outPtr, &outLeft) != static_cast<size_t>(-1))
            break;
        if (errno == E2BIG) {
            const qsizetype used = outPtr - start;
            out.resize(out.size() * 2);
            start = reinterpret_cast<char *>(out.data());
            outPtr = start + used;
            outLeft = static_cast<size_t>(out.size()) * 2 - static_cast<size_t>(used);
            continue;
        }
        if (outLeft < 2) {
            const qsizetype used = outPtr - start;
            out.resize(out.size() + 64);
            start = reinterpret_cast<char *>(out.data());
            outPtr = start + used;
            outLeft = static_cast<size_t>(out.size()) * 2 - static_cast<size_t>(used);
        }
        // One replacement for the byte that failed; the next byte starts afresh.
        const char16_t replacement = 0xFFFD;
        memcpy(outPtr, &replacement, 2);
        outPtr += 2;
        outLeft -= 2;
        ++in;
        --inLeft;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
    iconv(cd, nullptr, nullptr, &outPtr, &outLeft);
    iconv_close(cd);
    out.resize((outPtr - start) / 2);
    return out;
}

} // namespace CharsetGuess
