#include "core/mail/mime/Charsets.h"

#include "core/common/Cp932.h"
#include "core/mail/mime/CharsetGuess.h"

#include <QList>
#include <QRegularExpression>

#include <cerrno>
#include <cstring>
#include <optional>
#include <iconv.h>

namespace Charsets {

namespace {

using CharsetGuess::Reading;

enum class Family { Unlabelled, Utf8, Cp932, Jis, EucJp, Utf16, Utf16Le, Utf16Be, Other };

struct Alias {
    const char *name;
    Family family;
    const char *iconvName;  // for Other
};

// The names old mailers, Outlook and webmail put on Japanese and other mail,
// each to the reading that fits it. Names not here go to iconv as they are.
constexpr Alias kAliases[] = {
    {"us-ascii", Family::Unlabelled, nullptr}, {"ascii", Family::Unlabelled, nullptr},
    {"ansi_x3.4-1968", Family::Unlabelled, nullptr}, {"unknown", Family::Unlabelled, nullptr},
    {"unknown-8bit", Family::Unlabelled, nullptr}, {"x-unknown", Family::Unlabelled, nullptr},
    {"x-user-defined", Family::Unlabelled, nullptr}, {"default", Family::Unlabelled, nullptr},
    {"8bit", Family::Unlabelled, nullptr}, {"none", Family::Unlabelled, nullptr},
    {"utf-8", Family::Utf8, nullptr}, {"utf8", Family::Utf8, nullptr}, {"x-utf-8", Family::Utf8, nullptr},
    {"utf-8-sig", Family::Utf8, nullptr},
    {"shift_jis", Family::Cp932, nullptr}, {"shift-jis", Family::Cp932, nullptr}, {"sjis", Family::Cp932, nullptr},
    {"x-sjis", Family::Cp932, nullptr}, {"x-shift_jis", Family::Cp932, nullptr}, {"ms932", Family::Cp932, nullptr},
    {"windows-31j", Family::Cp932, nullptr}, {"cp932", Family::Cp932, nullptr}, {"cp-932", Family::Cp932, nullptr},
    {"ms_kanji", Family::Cp932, nullptr}, {"csshiftjis", Family::Cp932, nullptr},
    {"x-ms-cp932", Family::Cp932, nullptr}, {"cswindows31j", Family::Cp932, nullptr},
    {"windows-932", Family::Cp932, nullptr}, {"x-mac-japanese", Family::Cp932, nullptr},
    {"shift_jis-2004", Family::Other, "SHIFT_JISX0213"},
    {"csiso2022jp", Family::Jis, nullptr}, {"iso2022jp", Family::Jis, nullptr}, {"jis", Family::Jis, nullptr},
    {"cp50220", Family::Jis, nullptr}, {"cp50221", Family::Jis, nullptr}, {"cp50222", Family::Jis, nullptr},
    {"euc-jp", Family::EucJp, nullptr}, {"x-euc-jp", Family::EucJp, nullptr}, {"eucjp", Family::EucJp, nullptr},
    {"euc_jp", Family::EucJp, nullptr}, {"x-euc", Family::EucJp, nullptr}, {"ujis", Family::EucJp, nullptr},
    {"euc-jp-ms", Family::EucJp, nullptr}, {"eucjp-ms", Family::EucJp, nullptr},
    {"cseucpkdfmtjapanese", Family::EucJp, nullptr}, {"x-eucjp", Family::EucJp, nullptr},
    {"utf-16", Family::Utf16, nullptr}, {"unicode", Family::Utf16, nullptr}, {"ucs-2", Family::Utf16, nullptr},
    {"utf-16le", Family::Utf16Le, nullptr}, {"ucs-2le", Family::Utf16Le, nullptr},
    {"utf-16be", Family::Utf16Be, nullptr}, {"ucs-2be", Family::Utf16Be, nullptr},
    {"utf-7", Family::Other, "UTF-7"}, {"utf7", Family::Other, "UTF-7"},
    {"unicode-1-1-utf-7", Family::Other, "UTF-7"}, {"x-unicode-2-0-utf-7", Family::Other, "UTF-7"},
    {"csunicode11utf7", Family::Other, "UTF-7"},
    {"ks_c_5601-1987", Family::Other, "CP949"}, {"ks_c_5601", Family::Other, "CP949"},
    {"ks_c_5601-1989", Family::Other, "CP949"}, {"ks_c_5601_1987", Family::Other, "CP949"},
    {"ksc5601", Family::Other, "CP949"}, {"ksc_5601", Family::Other, "CP949"}, {"korean", Family::Other, "CP949"},
    {"csksc56011987", Family::Other, "CP949"}, {"euc-kr", Family::Other, "CP949"}, {"x-euc-kr", Family::Other, "CP949"},
    {"windows-949", Family::Other, "CP949"}, {"uhc", Family::Other, "CP949"},
    // Mail labelled GB2312 is routinely GBK, and Big5 routinely carries HKSCS.
    {"gb2312", Family::Other, "GB18030"}, {"gbk", Family::Other, "GB18030"}, {"x-gbk", Family::Other, "GB18030"},
    {"cp936", Family::Other, "GB18030"}, {"csgb2312", Family::Other, "GB18030"}, {"euc-cn", Family::Other, "GB18030"},
    {"chinese", Family::Other, "GB18030"}, {"gb_2312-80", Family::Other, "GB18030"},
    {"big5", Family::Other, "BIG5-HKSCS"}, {"x-big5", Family::Other, "BIG5-HKSCS"},
    {"cn-big5", Family::Other, "BIG5-HKSCS"}, {"csbig5", Family::Other, "BIG5-HKSCS"},
    {"tis-620", Family::Other, "CP874"}, {"windows-874", Family::Other, "CP874"},
    {"latin1", Family::Other, "ISO-8859-1"}, {"x-ansi", Family::Other, "WINDOWS-1252"},
};

struct Label {
    Family family;
    QByteArray iconvName;
};

Label labelOf(const QByteArray &raw)
{
    QByteArray name = raw.trimmed().toLower();
    name.replace('"', QByteArray()).replace('\'', QByteArray());
    name = name.trimmed();
    if (name.isEmpty())
        return {Family::Unlabelled, {}};
    for (const Alias &alias : kAliases)
        if (name == alias.name)
            return {alias.family, alias.iconvName ? QByteArray(alias.iconvName) : QByteArray()};
    if (name.startsWith("iso-2022-jp") || name.startsWith("iso2022-jp"))
        return {Family::Jis, {}};
    for (const QByteArray &candidate : {name, name.startsWith("x-") ? name.mid(2) : QByteArray()}) {
        if (candidate.isEmpty())
            continue;
        iconv_t cd = iconv_open("UTF-8", candidate.constData());
        if (cd != reinterpret_cast<iconv_t>(-1)) {
            iconv_close(cd);
            return {Family::Other, candidate};
        }
    }
    return {Family::Unlabelled, {}};
}

bool hasUtf8Multibyte(const QByteArray &bytes)
{
    for (QChar c : CharsetGuess::fromUtf8(bytes))
        if (c.unicode() >= 0x80 && c != QChar(QChar::ReplacementCharacter))
            return true;
    return false;
}

QString utf16(const QByteArray &bytes, Family family)
{
    QByteArray data = bytes;
    bool little = family == Family::Utf16Le;
    if (data.startsWith("\xFF\xFE")) {
        little = true;
        data.remove(0, 2);
    } else if (data.startsWith("\xFE\xFF")) {
        little = false;
        data.remove(0, 2);
    } else if (family == Family::Utf16) {
        // Without a byte-order mark, the zero bytes of Latin text show the order.
        qsizetype evenZeros = 0;
        qsizetype oddZeros = 0;
        for (qsizetype i = 0; i < data.size(); ++i)
            if (data[i] == 0)
                ++(i % 2 ? oddZeros : evenZeros);
        little = oddZeros > evenZeros;
    }
    QString text = CharsetGuess::decodeWith(data, little ? "UTF-16LE" : "UTF-16BE").value_or(QString());
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    return text;
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

// The charset of an encoded-word without its RFC 2231 language suffix.
QByteArray bareCharset(const QByteArray &label)
{
    const qsizetype star = label.indexOf('*');
    return (star >= 0 ? label.left(star) : label).toLower();
}

} // namespace

QString decodeAs(const QByteArray &bytes, const CharsetGuess::Guess &guess, Carrier carrier)
{
    switch (guess.reading) {
    case Reading::Ascii:
        return QString::fromLatin1(bytes);
    case Reading::Utf8:
        return CharsetGuess::fromUtf8(bytes);
    case Reading::Jis:
        return shiftJisText(jisToShiftJis(bytes, carrier), carrier);
    case Reading::EucJp:
        return CharsetGuess::decodeWith(bytes, "EUC-JP-MS").value_or(QString());
    case Reading::Cp932:
        return shiftJisText(bytes, carrier);
    case Reading::Other:
        if (auto text = CharsetGuess::decodeWith(bytes, guess.charset.constData()))
            return *text;
        break;
    }
    return shiftJisText(bytes, carrier);
}

QString decodeUnlabelled(const QByteArray &bytes, Carrier carrier)
{
    return decodeAs(bytes, CharsetGuess::guess(bytes), carrier);
}

QString shiftJisText(const QByteArray &bytes, Carrier carrier)
{
    // Carriers keep their pictographs from lead byte F3 to F9, SoftBank also at
    // FB. Most text has none: one pass decodes it, and only a text with such a
    // lead byte (or a pair the table lacks) is walked pair by pair below.
    static constexpr auto kMayBePictograph = [] {
        struct Marks {
            bool lead[256] = {};
        } marks;
        for (int b = 0xF3; b <= 0xF9; ++b)
            marks.lead[b] = true;
        marks.lead[0xFB] = true;
        return marks;
    }();
    if (auto text = Cp932::decodeUnlessLead(bytes, kMayBePictograph.lead))
        return *std::move(text);
    const qsizetype n = bytes.size();
    QString out;
    qsizetype start = 0;
    for (qsizetype i = 0; i < n;) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        if (!Cp932::isLeadByte(b) || i + 1 >= n) {
            ++i;
            continue;
        }
        const auto t = static_cast<unsigned char>(bytes[i + 1]);
        if (t < 0x40 || t == 0x7F || t > 0xFC) {
            ++i;
            continue;
        }
        // Carriers keep their pictographs from lead byte F3 to F9, SoftBank also
        // at FB, where everyone else has IBM kanji.
        const bool pictograph = (b >= 0xF3 && b <= 0xF9) || (b == 0xFB && carrier == Carrier::SoftBank);
        if (pictograph) {
            out += Cp932::decode(bytes.constData() + start, i - start);
            const QString emoji = CarrierPictographs::fromShiftJis(carrier, static_cast<quint16>((b << 8) | t));
            out += emoji.isEmpty() ? QString(kUnknownPictograph) : emoji;
            start = i + 2;
        }
        i += 2;
    }
    if (start == 0)
        return Cp932::decode(bytes);
    out += Cp932::decode(bytes.constData() + start, n - start);
    return out;
}

QByteArray jisToShiftJis(const QByteArray &jis, Carrier carrier)
{
    enum class Mode { Ascii, Kanji, Kana, Unmapped };
    Mode mode = Mode::Ascii;
    bool shiftOut = false;  // SO/SI kana
    // Every input byte gives at most one output byte (a pair gives a pair), so
    // the result is written straight into one buffer of the input's size.
    QByteArray out(jis.size(), Qt::Uninitialized);
    char *o = out.data();
    const qsizetype n = jis.size();
    for (qsizetype i = 0; i < n; ++i) {
        // Runs of kanji, most of a Japanese mail, pass without the looks for escapes and line ends.
        if (mode == Mode::Kanji && !shiftOut) {
            while (i + 1 < n) {
                const auto k1 = static_cast<unsigned char>(jis[i]);
                const auto k2 = static_cast<unsigned char>(jis[i + 1]);
                if (k1 < 0x21 || k1 > 0x74 || k2 < 0x21 || k2 > 0x7E)
                    break;
                const unsigned s1 = ((k1 - 0x21) >> 1) + (k1 < 0x5F ? 0x81 : 0xC1);
                const unsigned s2 = (k1 & 1) ? k2 + (k2 >= 0x60 ? 0x20 : 0x1F) : k2 + 0x7E;
                *o++ = static_cast<char>(s1);
                *o++ = static_cast<char>(s2);
                i += 2;
            }
            if (i >= n)
                break;
        }
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
            *o++ = static_cast<char>(c);
            continue;
        }
        if ((shiftOut || mode == Mode::Kana) && c >= 0x21 && c <= 0x5F) {
            *o++ = static_cast<char>(c + 0x80);
            continue;
        }
        if ((mode == Mode::Kanji || mode == Mode::Unmapped) && c >= 0x21 && c <= 0x7E && i + 1 < n) {
            const auto c2 = static_cast<unsigned char>(jis[i + 1]);
            if (c2 >= 0x21 && c2 <= 0x7E) {
                ++i;
                if (mode == Mode::Unmapped) {
                    *o++ = '\x81';
                    *o++ = '\x48';  // a full-width question mark stands for the lost character
                    continue;
                }
                // au writes its pictographs as JIS rows 0x75 to 0x7C; the upper half
                // of them is also where Windows puts NEC-selected IBM kanji.
                if (c >= 0x75 && c <= 0x7C && (c <= 0x78 || carrier == Carrier::Au)) {
                    static constexpr unsigned char kAuLead[] = {0xF3, 0xF4, 0xF6, 0xF7};
                    const unsigned alias = ((c - 0x21) >> 1) + 0xC1;
                    *o++ = static_cast<char>(kAuLead[alias - 0xEB]);
                    *o++ = static_cast<char>((c & 1) ? c2 + (c2 >= 0x60 ? 0x20 : 0x1F) : c2 + 0x7E);
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
                *o++ = static_cast<char>(s1);
                *o++ = static_cast<char>(s2);
                continue;
            }
        }
        *o++ = static_cast<char>(c);
    }
    out.truncate(o - out.constData());
    return out;
}

QString decode(const QByteArray &bytes, const QByteArray &charset, Carrier carrier)
{
    const Label label = labelOf(charset);
    switch (label.family) {
    case Family::Unlabelled:
        return decodeUnlabelled(bytes, carrier);
    case Family::Utf8:
        // Mislabelled mail: UTF-8 with no UTF-8 in it, where another reading is
        // clean. One stray byte in real UTF-8 stays one replacement.
        if (CharsetGuess::invalidUtf8(bytes) > 1 && !hasUtf8Multibyte(bytes)) {
            const auto guess = CharsetGuess::guess(bytes);
            if ((guess.reading == Reading::Cp932 && CharsetGuess::invalidCp932(bytes) == 0)
                || (guess.reading == Reading::EucJp && CharsetGuess::invalidEucJp(bytes) == 0))
                return decodeAs(bytes, guess, carrier);
        }
        return CharsetGuess::fromUtf8(bytes);
    case Family::Cp932:
        if (CharsetGuess::invalidCp932(bytes) > 0 && !CharsetGuess::isAscii(bytes)
            && CharsetGuess::invalidUtf8(bytes) == 0)
            return CharsetGuess::fromUtf8(bytes);
        return shiftJisText(bytes, carrier);
    case Family::Jis:
        // ISO-2022-JP is seven-bit; eight-bit bytes other than carrier
        // pictographs mean the label is wrong.
        if (!CharsetGuess::onlyPictographBytes(bytes))
            return decodeUnlabelled(bytes, carrier);
        return shiftJisText(jisToShiftJis(bytes, carrier), carrier);
    case Family::EucJp:
        if (CharsetGuess::invalidEucJp(bytes) > 0) {
            const auto guess = CharsetGuess::guess(bytes);
            if (guess.reading == Reading::Utf8 || guess.reading == Reading::Cp932 || guess.reading == Reading::Jis)
                return decodeAs(bytes, guess, carrier);
        }
        return CharsetGuess::decodeWith(bytes, "EUC-JP-MS").value_or(QString());
    case Family::Utf16:
    case Family::Utf16Le:
    case Family::Utf16Be:
        return utf16(bytes, label.family);
    case Family::Other:
        break;
    }
    if (auto text = CharsetGuess::decodeWith(bytes, label.iconvName.constData()))
        return *text;
    return decodeUnlabelled(bytes, carrier);
}

namespace {

QString decodeWords(const QByteArray &raw, Carrier carrier, bool spacesAreText)
{
    // Lenient like the readers people compare us with: a word folded inside its
    // own payload, a stray quote, a charset in quotes.
    static const QRegularExpression word(
        QStringLiteral("=\\?([^?\\s]+)\\?([BbQq])\\?([^?]*?)\\?="));
    const QByteArray text = unfold(raw);
    const QString latin = QString::fromLatin1(text);

    QString out;
    QByteArray pendingBytes;
    QByteArray pendingCharset;
    auto flush = [&] {
        if (!pendingCharset.isNull())
            out += decode(pendingBytes, pendingCharset, carrier);
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
            out += decodeUnlabelled(between, carrier);
        }
        QByteArray charset = bareCharset(m.captured(1).toLatin1());
        charset.replace('"', QByteArray());
        QByteArray payload = m.captured(3).toLatin1();
        const bool base64 = m.captured(2).toUpper() == u"B";
        if (base64 || !spacesAreText)
            payload.replace(' ', QByteArray()).replace('\t', QByteArray());
        const QByteArray bytes = base64
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
    out += decodeUnlabelled(text.mid(pos), carrier);
    return out.trimmed();
}

} // namespace

QString decodeHeader(const QByteArray &raw, Carrier carrier)
{
    return decodeWords(raw, carrier, false);
}

QString decodeValueWords(const QByteArray &value, Carrier carrier)
{
    return decodeWords(value, carrier, true);
}

} // namespace Charsets
