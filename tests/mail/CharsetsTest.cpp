#include "mail/Charsets.h"

#include "support/MailServers.h"

#include <gtest/gtest.h>

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
