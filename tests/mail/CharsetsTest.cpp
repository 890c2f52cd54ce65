#include "core/mail/mime/Charsets.h"
#include "core/mail/mime/CharsetGuess.h"

#include "support/MailServers.h"

#include <gtest/gtest.h>

#include <random>

namespace {

QByteArray hex(const char *text)
{
    return QByteArray::fromHex(text);
}

struct HeaderCase {
    const char *name;
    QByteArray raw;
    QString expected;
};

void PrintTo(const HeaderCase &c, std::ostream *os) { *os << c.name; }

class DecodesHeader : public ::testing::TestWithParam<HeaderCase> {};

TEST_P(DecodesHeader, ToTheExpectedText)
{
    EXPECT_EQ(Charsets::decodeHeader(GetParam().raw), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rfc2047, DecodesHeader,
    ::testing::Values(
        HeaderCase{"plain", "Hello world", QStringLiteral("Hello world")},
        HeaderCase{"iso2022jp_b", "=?ISO-2022-JP?B?GyRCRnxLXDhsGyhC?=", QStringLiteral("日本語")},
        HeaderCase{"iso2022jp_lowercase_label", "=?iso-2022-jp?b?GyRCRnxLXDhsGyhC?=", QStringLiteral("日本語")},
        HeaderCase{"words_of_one_charset_joined",
                   "=?ISO-2022-JP?B?GyRCN29MPhsoQg==?=\r\n =?ISO-2022-JP?B?GyRCJUYlOSVIGyhC?=",
                   QStringLiteral("件名テスト")},
        // "日本語" in UTF-8 split inside the second character: E6 97 A5 E6 | 9C AC E8 AA 9E
        HeaderCase{"utf8_split_mid_character", "=?UTF-8?B?5pel5g==?= =?UTF-8?B?nKzoqp4=?=",
                   QStringLiteral("日本語")},
        // ISO-2022-JP split inside a two-byte character: ESC $ B 46 7C 4B | 5C ESC ( B
        HeaderCase{"jis_split_mid_character", "=?ISO-2022-JP?B?GyRCRnxL?= =?ISO-2022-JP?B?XBsoQg==?=",
                   QStringLiteral("日本")},
        HeaderCase{"q_encoding", "=?UTF-8?Q?caf=C3=A9_au_lait?=", QStringLiteral("café au lait")},
        HeaderCase{"text_around_words", "Re: =?ISO-2022-JP?B?GyRCRnxLXDhsGyhC?= (fwd)",
                   QStringLiteral("Re: 日本語 (fwd)")},
        HeaderCase{"shift_jis_label", "=?Shift_JIS?B?k/qWe4zq?=", QStringLiteral("日本語")},
        HeaderCase{"raw_8bit_shift_jis", hex("93fa967b8cea"), QStringLiteral("日本語")},
        HeaderCase{"raw_8bit_utf8", "日本語", QStringLiteral("日本語")},
        HeaderCase{"different_charsets_stay_apart", "=?UTF-8?B?5pel?= =?ISO-2022-JP?B?GyRCS1wbKEI=?=",
                   QStringLiteral("日本")},
        HeaderCase{"broken_word_left_as_is", "=?UTF-8?X?abc?=", QStringLiteral("=?UTF-8?X?abc?=")}));

struct BodyCase {
    const char *name;
    QByteArray bytes;
    QByteArray charset;
    QString expected;
};

void PrintTo(const BodyCase &c, std::ostream *os) { *os << c.name; }

class DecodesText : public ::testing::TestWithParam<BodyCase> {};

TEST_P(DecodesText, ToTheExpectedText)
{
    EXPECT_EQ(Charsets::decode(GetParam().bytes, GetParam().charset), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Japanese, DecodesText,
    ::testing::Values(
        BodyCase{"iso2022jp", hex("1b2442467c4b5c386c1b2842"), "ISO-2022-JP", QStringLiteral("日本語")},
        // ① ～ － ㍉ Ⅰ from row 13 and the CP932 forms of the wave and minus, then ESC ( I kana ｱｲ
        BodyCase{"windows_iso2022jp",
                 hex("1b24422d212141215d2d402d351b284931321b2842"),
                 "ISO-2022-JP", QStringLiteral("①～－㍉Ⅰｱｲ")},
        BodyCase{"so_si_half_width_kana", hex("0e31320f41"), "iso-2022-jp", QStringLiteral("ｱｲA")},
        BodyCase{"line_end_resets_to_ascii", hex("1b2442467c0d0a41"), "ISO-2022-JP",
                 QStringLiteral("日\r\nA")},
        BodyCase{"shift_jis_as_cp932", hex("93fa8740"), "Shift_JIS", QStringLiteral("日①")},
        BodyCase{"x_sjis", hex("93fa8740"), "x-sjis", QStringLiteral("日①")},
        BodyCase{"windows_31j", hex("93fa8740"), "windows-31j", QStringLiteral("日①")},
        BodyCase{"ms932", hex("93fa8740"), "MS932", QStringLiteral("日①")},
        BodyCase{"euc_jp_as_ms", hex("c6fcada1"), "EUC-JP", QStringLiteral("日①")},
        BodyCase{"utf8", "日本語", "utf-8", QStringLiteral("日本語")},
        BodyCase{"no_label_valid_utf8", "日本語", "", QStringLiteral("日本語")},
        BodyCase{"no_label_shift_jis", hex("93fa967b8cea"), "", QStringLiteral("日本語")},
        BodyCase{"unknown_label_shift_jis", hex("93fa967b8cea"), "x-no-such-charset",
                 QStringLiteral("日本語")},
        BodyCase{"us_ascii_label_on_8bit", hex("93fa967b8cea"), "us-ascii", QStringLiteral("日本語")},
        BodyCase{"latin1", hex("636166e9"), "iso-8859-1", QStringLiteral("café")}));

TEST(Charsets, ParsesRfc2231ContinuationsWithCharsetAndLanguage)
{
    const auto field = Charsets::parseField(
        "attachment;\r\n filename*0*=UTF-8'ja'%E6%97%A5%E6%9C%AC;\r\n filename*1*=%E8%AA%9E.txt");
    EXPECT_EQ(field.value, "attachment");
    EXPECT_EQ(field.params.value("filename"), QStringLiteral("日本語.txt"));
}

TEST(Charsets, ParsesRfc2231SingleValueInShiftJis)
{
    const auto field = Charsets::parseField("attachment; filename*=Shift_JIS''%93%FA%96%7B.doc");
    EXPECT_EQ(field.params.value("filename"), QStringLiteral("日本.doc"));
}

TEST(Charsets, PrefersTheRfc2231FormOverThePlainOne)
{
    const auto field = Charsets::parseField(
        "application/pdf; name=\"old.pdf\"; name*=UTF-8''%E6%96%B0.pdf");
    EXPECT_EQ(field.value, "application/pdf");
    EXPECT_EQ(field.params.value("name"), QStringLiteral("新.pdf"));
}

TEST(Charsets, DecodesRfc2047InsideAQuotedFileName)
{
    const auto field = Charsets::parseField(
        "attachment; filename=\"=?ISO-2022-JP?B?GyRCRTpJVTtxTkEbKEIudHh0?=\"");
    EXPECT_EQ(field.params.value("filename"), QStringLiteral("添付資料.txt"));
}

TEST(Charsets, KeepsQuotedSemicolonsAndReadsCharsetOfContentType)
{
    const auto field = Charsets::parseField("Text/Plain; charset=\"ISO-2022-JP\"; name=\"a;b.txt\"");
    EXPECT_EQ(field.value, "text/plain");
    EXPECT_EQ(field.params.value("charset"), QStringLiteral("ISO-2022-JP"));
    EXPECT_EQ(field.params.value("name"), QStringLiteral("a;b.txt"));
}

TEST(Charsets, ReadsRawShiftJisFileNames)
{
    const auto field = Charsets::parseField("attachment; filename=\"" + hex("93fa967b") + ".txt\"");
    EXPECT_EQ(field.params.value("filename"), QStringLiteral("日本.txt"));
}

} // namespace


namespace {

// The reading before runs of kanji got their own loop, kept as the reference.
QByteArray referenceJisToShiftJis(const QByteArray &jis, Carrier carrier)
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


QByteArray randomJis(std::mt19937 &random)
{
    static const QList<QByteArray> pieces = {"\x1b$B", "\x1b(B", "\x1b(J", "\x1b(I", "\x1b$@", "\x1b$(Q",
                                             "\x1b$(D", "\x0e", "\x0f", "\r\n", "\n", "\r", "\x1b", "\x1b$"};
    QByteArray jis;
    for (int i = 0, n = int(random() % 40); i < n; ++i) {
        switch (random() % 4) {
        case 0:
            jis += pieces[random() % pieces.size()];
            break;
        case 1:
            jis += char(random() % 0x100);
            break;
        default:
            for (int k = 0, run = int(random() % 12); k < run; ++k)
                jis += char(0x21 + random() % 0x5E);
        }
    }
    return jis;
}

struct ParamCase {
    const char *name;
    QByteArray field;
    QByteArray param;
    QString expected;
};

void PrintTo(const ParamCase &c, std::ostream *os) { *os << c.name; }

class ReadsParameter : public ::testing::TestWithParam<ParamCase> {};

TEST_P(ReadsParameter, ToTheExpectedValue)
{
    EXPECT_EQ(Charsets::parseField(GetParam().field).params.value(GetParam().param), GetParam().expected);
}

// What senders get wrong, and the well-formed values next to it that must not change.
INSTANTIATE_TEST_SUITE_P(
    Quoting, ReadsParameter,
    ::testing::Values(
        ParamCase{"unquoted_word", "attachment; filename==?UTF-8?B?5pel5pys?=.txt; size=3", "filename",
                  QStringLiteral("日本.txt")},
        ParamCase{"unquoted_word_keeps_the_next_parameter", "attachment; filename==?UTF-8?B?5pel5pys?=.txt; size=3",
                  "size", QStringLiteral("3")},
        ParamCase{"unquoted_q_word_holding_a_semicolon", "attachment; filename==?UTF-8?Q?a;b.txt?=; size=3",
                  "filename", QStringLiteral("a;b.txt")},
        ParamCase{"unclosed_quote_at_the_end", "attachment; filename=\"=?UTF-8?B?5pel5pys?=.txt", "filename",
                  QStringLiteral("日本.txt")},
        ParamCase{"unclosed_quote_keeps_the_next_parameter",
                  "attachment; filename=\"report.txt; modification-date=\"Mon, 7 Dec 2026\"", "modification-date",
                  QStringLiteral("Mon, 7 Dec 2026")},
        ParamCase{"fold_inside_a_q_word_is_the_senders_line_break",
                  "attachment; filename=\"=?UTF-8?Q?=E6=97=A5\r\n =E6=9C=AC.txt?=\"", "filename",
                  QStringLiteral("日本.txt")},
        ParamCase{"quoted_semicolon_and_equals", "attachment; filename=\"a; b=c.txt\"", "filename",
                  QStringLiteral("a; b=c.txt")},
        ParamCase{"text_after_the_closing_quote", "attachment; filename=\"abc.txt\"xyz; size=3", "filename",
                  QStringLiteral("abc.txt")},
        ParamCase{"escaped_quote", "attachment; filename=\"say \\\"hi\\\".txt\"", "filename",
                  QStringLiteral("say \"hi\".txt")},
        ParamCase{"unquoted_plain_value", "text/plain; charset=iso-2022-jp; format=flowed", "format",
                  QStringLiteral("flowed")}));

// RFC 2231 values in the charsets iconv reads, each continuation in its own.
INSTANTIATE_TEST_SUITE_P(
    Rfc2231Charsets, ReadsParameter,
    ::testing::Values(
        ParamCase{"iso_8859_1", "attachment; filename*=iso-8859-1''B%F6rse.pdf", "filename",
                  QStringLiteral("Börse.pdf")},
        ParamCase{"iso_8859_2", "attachment; filename*=ISO-8859-2'pl'%B1.txt", "filename", QStringLiteral("ą.txt")},
        ParamCase{"windows_1252", "attachment; filename*=windows-1252''%80.txt", "filename", QStringLiteral("€.txt")},
        ParamCase{"windows_1251", "attachment; filename*=windows-1251''%CF%F0%E8%E2%E5%F2.txt", "filename",
                  QStringLiteral("Привет.txt")},
        ParamCase{"koi8_r", "attachment; filename*=KOI8-R''%F0%D2%C9%D7%C5%D4.txt", "filename",
                  QStringLiteral("Привет.txt")},
        ParamCase{"latin1_piece_then_plain_piece", "attachment; filename*0*=iso-8859-1''B%F6r; filename*1=se.pdf",
                  "filename", QStringLiteral("Börse.pdf")},
        ParamCase{"utf8_character_split_between_pieces", "attachment; filename*0*=UTF-8''%E6%97; filename*1*=%A5.txt",
                  "filename", QStringLiteral("日.txt")},
        ParamCase{"pieces_in_two_charsets",
                  "attachment; filename*0*=iso-8859-1''B%F6rse-; filename*1*=Shift_JIS''%93%FA%96%7B.pdf", "filename",
                  QStringLiteral("Börse-日本.pdf")},
        ParamCase{"bad_byte_inside_jis", "attachment; filename*=iso-2022-jp''%1B$B%25F%FF%259%25H%1B(B.txt",
                  "filename", QStringLiteral("テ\uFFFDスト.txt")},
        ParamCase{"bad_byte_inside_utf8", "attachment; filename*=UTF-8''%E6%97%A5%FF%E6%9C%AC.txt", "filename",
                  QStringLiteral("日\uFFFD本.txt")},
        ParamCase{"utf8_mislabelled_as_jis", "attachment; filename*=iso-2022-jp''%E6%97%A5%E6%9C%AC.txt",
                  "filename", QStringLiteral("日本.txt")}));

} // namespace

TEST(Charsets, JisReadsAsItDidBeforeKanjiRunsGotTheirOwnLoop)
{
    std::mt19937 random(2026);
    for (int round = 0; round < 20000; ++round) {
        const QByteArray jis = randomJis(random);
        for (const Carrier carrier : {Carrier::Unknown, Carrier::Au})
            ASSERT_EQ(Charsets::jisToShiftJis(jis, carrier), referenceJisToShiftJis(jis, carrier))
                << jis.toHex().constData();
    }
    // Every kanji pair, in a run and alone at the end.
    QByteArray all = "\x1b$B";
    for (int a = 0x21; a <= 0x7E; ++a)
        for (int b = 0x20; b <= 0x7F; ++b)
            all += QByteArray() + char(a) + char(b);
    for (qsizetype cut : {all.size(), all.size() - 1, qsizetype(1001)})
        EXPECT_EQ(Charsets::jisToShiftJis(all.left(cut)), referenceJisToShiftJis(all.left(cut), Carrier::Unknown));
}

TEST(Charsets, OnlyCarrierPictographsMayBeEightBitInJis)
{
    EXPECT_TRUE(CharsetGuess::onlyPictographBytes("plain seven-bit text, longer than a word or two"));
    EXPECT_TRUE(CharsetGuess::onlyPictographBytes("\x1b$B$3$s\x1b(B and a pictograph \xf8\x9f at the end"));
    EXPECT_FALSE(CharsetGuess::onlyPictographBytes("seven-bit text until here: \x82\xa0"));
    EXPECT_FALSE(CharsetGuess::onlyPictographBytes("a lone lead at the very end \xf8"));
    EXPECT_FALSE(CharsetGuess::onlyPictographBytes(QByteArray(64, 'a') + "\x80"));
    // An eight-bit byte at every place in and around a word is seen.
    for (int at = 0; at < 24; ++at) {
        QByteArray bytes(24, 'x');
        bytes[at] = '\xa4';
        EXPECT_FALSE(CharsetGuess::onlyPictographBytes(bytes)) << at;
        bytes[at] = '\xf8';
        EXPECT_EQ(CharsetGuess::onlyPictographBytes(bytes), at < 23) << at;  // F8 xx is a pair, F8 'x' is not
    }
}
