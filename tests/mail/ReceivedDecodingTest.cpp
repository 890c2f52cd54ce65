// Mail as Japanese users really receive it, one group of cases per kind of
// trouble: checked on the fields and text the record is made from and on the
// files written.
#include "core/mail/MailLibrary.h"
#include "core/mail/mime/MimeReader.h"

#include "support/MailServers.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QByteArray hex(const char *text)
{
    return QByteArray::fromHex(text);
}

QByteArray mail(const QByteArray &headers, const QByteArray &body, const QByteArray &from = "sender@example.jp")
{
    return "From: " + from + "\r\nTo: you@example.jp\r\nDate: Mon, 7 Dec 2026 10:00:00 +0900\r\n" + headers
        + "\r\n" + body;
}

QByteArray mixed(const QByteArray &parts)
{
    return mail("Subject: mixed\r\nMIME-Version: 1.0\r\nContent-Type: multipart/mixed; boundary=\"b\"\r\n",
                parts + "--b--\r\n");
}

QStringList names(const MimeContent &content)
{
    QStringList list;
    for (const auto &a : content.attachments)
        list << a.name;
    return list;
}

bool hasHalfWidthKana(const QString &text)
{
    for (QChar c : text)
        if (c.unicode() >= 0xFF61 && c.unicode() <= 0xFF9F)
            return true;
    return false;
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

const QString sep = MimeContent::kPartSeparator;

// Every text part shown, every other part a file, and nothing only on the server.
TEST(EveryPartKept, TextPartsInOrderAndOtherPartsAsNamedFiles)
{
    const MimeContent content = MimeReader::read(mixed(
        "--b\r\nContent-Type: text/plain; charset=UTF-8\r\n\r\nfirst\r\n"
        "--b\r\nContent-Type: image/png\r\nContent-Transfer-Encoding: base64\r\n\r\niVBORw==\r\n"
        "--b\r\nContent-Type: text/plain; charset=ISO-2022-JP\r\n\r\n" + hex("1b2442467c4b5c1b2842") + "\r\n"
        "--b\r\nContent-Type: text/calendar; method=REQUEST\r\n\r\nBEGIN:VCALENDAR\r\nEND:VCALENDAR\r\n"
        "--b\r\nContent-Type: text/x-vcard; name=\"taro.vcf\"\r\n\r\nBEGIN:VCARD\r\n"));
    EXPECT_EQ(content.text, QStringLiteral("first\n") + sep + QStringLiteral("\n日本"));
    EXPECT_EQ(names(content), (QStringList{QStringLiteral("part-2.png"), QStringLiteral("part-4.ics"),
                                           QStringLiteral("taro.vcf")}));
    EXPECT_EQ(content.attachments[1].content, QByteArray("BEGIN:VCALENDAR\r\nEND:VCALENDAR"));
    EXPECT_FALSE(content.lossy);
}

TEST(EveryPartKept, AlternativeShowsOneTextAndKeepsTheInvitation)
{
    const QByteArray raw = mail(
        "Subject: invite\r\nMIME-Version: 1.0\r\nContent-Type: multipart/alternative; boundary=\"a\"\r\n",
        "--a\r\nContent-Type: text/plain; charset=UTF-8\r\n\r\nMeeting at ten\r\n"
        "--a\r\nContent-Type: text/html; charset=UTF-8\r\n\r\n<p>Meeting at <b>ten</b></p>\r\n"
        "--a\r\nContent-Type: text/calendar; charset=UTF-8; method=REQUEST\r\n\r\nBEGIN:VCALENDAR\r\n--a--\r\n");
    const MimeContent content = MimeReader::read(raw);
    EXPECT_EQ(content.text, QStringLiteral("Meeting at ten"));
    EXPECT_EQ(names(content), QStringList{QStringLiteral("part-3.ics")});

    const MimeContent htmlOnly = MimeReader::read(mail(
        "Subject: h\r\nContent-Type: multipart/alternative; boundary=\"a\"\r\n",
        "--a\r\nContent-Type: multipart/related; boundary=\"r\"\r\n\r\n"
        "--r\r\nContent-Type: text/html; charset=UTF-8\r\n\r\n<p>only html</p>\r\n"
        "--r\r\nContent-Type: image/gif; name=\"logo.gif\"\r\nContent-ID: <l>\r\n\r\nGIF89a\r\n--r--\r\n--a--\r\n"));
    EXPECT_EQ(htmlOnly.text, QStringLiteral("only html"));
    EXPECT_EQ(names(htmlOnly), QStringList{QStringLiteral("logo.gif")});
}

TEST(EveryPartKept, UnpackingWritesEveryFileAndAsksForAWholeCopyWhenTextIsLost)
{
    QTemporaryDir dir;
    FetchedMail whole = MailLibrary::parse(mixed(
        "--b\r\nContent-Type: text/plain\r\n\r\nhello\r\n"
        "--b\r\nContent-Type: application/pdf\r\nContent-Transfer-Encoding: base64\r\n\r\nJVBERg==\r\n"));
    EXPECT_EQ(MailLibrary::instance().unpackAttachments(whole, dir.path()), MailLibrary::kUnpacked);
    EXPECT_EQ(whole.body, QStringLiteral("hello"));
    EXPECT_EQ(readAll(dir.path() + QStringLiteral("/part-2.pdf")), QByteArray("%PDF"));
    EXPECT_FALSE(whole.needsWholeCopy);

    // The boundary never appears: nothing can be told apart, so the whole mail is kept.
    FetchedMail broken = MailLibrary::parse(mail(
        "Subject: x\r\nMIME-Version: 1.0\r\nContent-Type: multipart/mixed; boundary=\"nowhere\"\r\n",
        "--elsewhere\r\nContent-Type: text/plain\r\n\r\nlost text\r\n--elsewhere--\r\n"));
    MailLibrary::instance().unpackAttachments(broken, dir.path());
    EXPECT_TRUE(broken.needsWholeCopy);

    // Text after a NUL does not reach the record, so the mail is kept whole.
    FetchedMail withNul = MailLibrary::parse(mail("Subject: a\r\n", QByteArray("before\0after\r\n", 14)));
    EXPECT_EQ(withNul.body, QStringLiteral("before"));
    MailLibrary::instance().unpackAttachments(withNul, dir.path());
    EXPECT_EQ(withNul.body, QStringLiteral("before"));
    EXPECT_TRUE(withNul.needsWholeCopy);
}

struct TextCase {
    const char *name;
    QByteArray raw;
    QString subject;
    QString text;
};

void PrintTo(const TextCase &c, std::ostream *os) { *os << c.name; }

class DecodesReceivedText : public ::testing::TestWithParam<TextCase> {};

TEST_P(DecodesReceivedText, SubjectAndBody)
{
    const MimeContent content = MimeReader::read(GetParam().raw);
    EXPECT_EQ(content.subject, GetParam().subject);
    EXPECT_EQ(content.text, GetParam().text);
    EXPECT_FALSE(hasHalfWidthKana(content.text));
    EXPECT_FALSE(content.text.contains(QChar(0)));
}

// Bytes without a label: validity first, then what reads as Japanese.
INSTANTIATE_TEST_SUITE_P(
    Unlabelled, DecodesReceivedText,
    ::testing::Values(
        TextCase{"euc_jp", mail("Subject: " + hex("a5c6a5b9a5c8") + "\r\n", hex("a4b3a4f3a4cba4c1a4cf0d0a")),
                 QStringLiteral("テスト"), QStringLiteral("こんにちは\n")},
        TextCase{"raw_iso2022jp", mail("Subject: \x1b$B%F%9%H\x1b(B\r\n", "\x1b$B%F%9%H\x1b(B\r\n"),
                 QStringLiteral("テスト"), QStringLiteral("テスト\n")},
        TextCase{"cp932", mail("Subject: x\r\n", hex("93fa967b8cea82cc8365834c83588367")), QStringLiteral("x"),
                 QStringLiteral("日本語のテキスト")},
        TextCase{"utf8_charset_unknown",
                 mail("Subject: x\r\nContent-Type: text/plain; charset=unknown\r\n", hex("e38193e38293")),
                 QStringLiteral("x"), QStringLiteral("こん")}));

// A label that cannot be right for the bytes gives way to the guess.
INSTANTIATE_TEST_SUITE_P(
    Mislabelled, DecodesReceivedText,
    ::testing::Values(
        TextCase{"iso2022jp_holding_utf8",
                 mail("Subject: x\r\nContent-Type: text/plain; charset=ISO-2022-JP\r\n", hex("e38193e38293e381abe381a1e381af")),
                 QStringLiteral("x"), QStringLiteral("こんにちは")},
        TextCase{"iso2022jp_holding_euc_jp",
                 mail("Subject: x\r\nContent-Type: text/plain; charset=iso-2022-jp\r\n", hex("a4b3a4f3a4cba4c1a4cf")),
                 QStringLiteral("x"), QStringLiteral("こんにちは")}));

INSTANTIATE_TEST_SUITE_P(
    OldCharsetNames, DecodesReceivedText,
    ::testing::Values(
        TextCase{"ks_c_5601_1987", mail("Subject: =?ks_c_5601-1987?B?x9Gxub7u?=\r\n"
                                        "Content-Type: text/plain; charset=\"ks_c_5601-1987\"\r\n", hex("c7d1b1b9beee")),
                 QStringLiteral("한국어"), QStringLiteral("한국어")},
        TextCase{"x_sjis", mail("Subject: x\r\nContent-Type: text/plain; charset=x-sjis\r\n", hex("93fa967b")),
                 QStringLiteral("x"), QStringLiteral("日本")},
        TextCase{"utf7", mail("Subject: =?unicode-1-1-utf-7?Q?+ZeVnLIqe-?=\r\n"
                              "Content-Type: text/plain; charset=utf-7\r\n", "+ZeVnLIqe-"),
                 QStringLiteral("日本語"), QStringLiteral("日本語")},
        TextCase{"utf16le_with_bom", mail("Subject: x\r\nContent-Type: text/plain; charset=UTF-16LE\r\n"
                                          "Content-Transfer-Encoding: base64\r\n", "//7lZSxn\r\n"),
                 QStringLiteral("x"), QStringLiteral("日本")},
        TextCase{"utf16_without_bom", mail("Subject: x\r\nContent-Type: text/plain; charset=UTF-16\r\n"
                                           "Content-Transfer-Encoding: base64\r\n", "QQBCAA==\r\n"),
                 QStringLiteral("x"), QStringLiteral("AB")}));

INSTANTIATE_TEST_SUITE_P(
    BrokenEncodedWords, DecodesReceivedText,
    ::testing::Values(
        TextCase{"folded_inside_its_base64", mail("Subject: =?UTF-8?B?5pel5pys\r\n 6Kqe?=\r\n", "x"),
                 QStringLiteral("日本語"), QStringLiteral("x")},
        TextCase{"inside_a_quoted_string", mail("Subject: \"=?UTF-8?B?5pel5pys6Kqe?=\"\r\n", "x"),
                 QStringLiteral("\"日本語\""), QStringLiteral("x")},
        TextCase{"adjacent_words_in_two_charsets",
                 mail("Subject: =?UTF-8?B?5pel?= =?ISO-2022-JP?B?GyRCS1wbKEI=?=\r\n", "x"),
                 QStringLiteral("日本"), QStringLiteral("x")},
        TextCase{"stray_quote", mail("Subject: =?\"UTF-8\"?B?5pel5pys6Kqe\"?=\r\n", "x"),
                 QStringLiteral("日本語"), QStringLiteral("x")}));

// One bad byte is one replacement and takes nothing that follows it.
INSTANTIATE_TEST_SUITE_P(
    InvalidBytes, DecodesReceivedText,
    ::testing::Values(
        TextCase{"utf8_bad_byte_before_ascii",
                 mail("Subject: =?UTF-8?Q?Dij=E5at?=\r\nContent-Type: text/plain; charset=utf-8\r\n", "Dij\xE5" "at"),
                 QStringLiteral("Dij\uFFFDat"), QStringLiteral("Dij\uFFFDat")},
        TextCase{"utf8_truncated_at_the_end",
                 mail("Subject: x\r\nContent-Type: text/plain; charset=utf-8\r\n", "ab\xE6\x97"),
                 QStringLiteral("x"), QStringLiteral("ab\uFFFD")}));

INSTANTIATE_TEST_SUITE_P(
    Base64PaddedPerChunk, DecodesReceivedText,
    ::testing::Values(TextCase{"each_line_padded",
                               mail("Subject: x\r\nContent-Type: text/plain\r\nContent-Transfer-Encoding: base64\r\n",
                                    "aGk=\r\nIHRo\r\nZXJl\r\nIQ==\r\nYWI=\r\nYw==\r\n"),
                               QStringLiteral("x"), QStringLiteral("hi there!abc")}));

// Carrier pictographs become one emoji each, or 〓.
INSTANTIATE_TEST_SUITE_P(
    CarrierPictographs, DecodesReceivedText,
    ::testing::Values(
        TextCase{"docomo_shift_jis",
                 mail("Subject: =?Shift_JIS?B?k/r4nw==?=\r\nContent-Type: text/plain; charset=Shift_JIS\r\n",
                      hex("93fa" "f89f" "f840" "967b"), "taro@docomo.ne.jp"),
                 QStringLiteral("日\u2600"), QStringLiteral("日\u2600〓本")},
        TextCase{"au_iso2022jp",
                 mail("Subject: x\r\nContent-Type: text/plain; charset=ISO-2022-JP\r\n",
                      "\x1b$BF|yA\x1b(B", "hanako@ezweb.ne.jp"),
                 QStringLiteral("x"), QStringLiteral("日\u2600")},
        TextCase{"docomo_inside_iso2022jp",
                 mail("Subject: x\r\nContent-Type: text/plain; charset=ISO-2022-JP\r\n",
                      "\x1b$BF|\x1b(B" + hex("f89f"), "taro@docomo.ne.jp"),
                 QStringLiteral("x"), QStringLiteral("日\u2600")},
        TextCase{"windows_ibm_kanji_not_taken_for_au",
                 mail("Subject: x\r\nContent-Type: text/plain; charset=ISO-2022-JP\r\n", "\x1b$By!\x1b(B"),
                 QStringLiteral("x"), QStringLiteral("\u7E8A")}));

TEST(LegacyStructures, UuencodedBlocksInPlainTextBecomeFiles)
{
    const MimeContent content = MimeReader::read(
        mail("Subject: uu\r\n", "See below.\r\nbegin 644 hello.txt\r\n%:&5L;&\\`\r\n`\r\nend\r\nBye.\r\n"));
    EXPECT_EQ(content.text, QStringLiteral("See below.\nBye.\n"));
    ASSERT_EQ(names(content), QStringList{QStringLiteral("hello.txt")});
    EXPECT_EQ(content.attachments[0].content, QByteArray("hello"));

    const MimeContent part = MimeReader::read(mixed(
        "--b\r\nContent-Type: application/octet-stream\r\nContent-Transfer-Encoding: x-uuencode\r\n\r\n"
        "begin 644 a.bin\r\n%:&5L;&\\`\r\n`\r\nend\r\n"));
    ASSERT_EQ(part.attachments.size(), 1);
    EXPECT_EQ(part.attachments[0].content, QByteArray("hello"));
}

TEST(LegacyStructures, OnlyABeginAtTheStartOfALineOpensAUuencodedFile)
{
    const QByteArray block = "begin 644 a.txt\r\n%:&5L;&\\`\r\n`\r\nend\r\n";
    // At the very start of the body, and after a bare LF.
    EXPECT_EQ(names(MimeReader::read(mail("Subject: uu\r\n", block))), QStringList{QStringLiteral("a.txt")});
    EXPECT_EQ(names(MimeReader::read(mail("Subject: uu\r\n", "x\n" + block))), QStringList{QStringLiteral("a.txt")});
    // Inside a line it is only words, and the text stays whole.
    const MimeContent inside = MimeReader::read(mail("Subject: uu\r\n", "we begin 644 a.txt\r\nbegin\r\nbegin"));
    EXPECT_TRUE(inside.attachments.isEmpty());
    EXPECT_EQ(inside.text, QStringLiteral("we begin 644 a.txt\nbegin\nbegin"));
}

TEST(LegacyStructures, EnclosedMailIsShownLikeAForwardAndKeptAsEml)
{
    const MimeContent content = MimeReader::read(mixed(
        "--b\r\nContent-Type: text/plain\r\n\r\nsee attached\r\n"
        "--b\r\nContent-Type: message/rfc822\r\n\r\n"
        "From: inner@example.jp\r\nSubject: =?UTF-8?B?5pel5pys?=\r\nDate: Sun, 6 Dec 2026 09:00:00 +0900\r\n\r\ninner text\r\n"));
    EXPECT_EQ(content.text, QStringLiteral("see attached\n") + sep
                  + QStringLiteral("\nFrom: inner@example.jp\nDate: Sun, 6 Dec 2026 09:00:00 +0900\n"
                                   "Subject: 日本\n\ninner text"));
    ASSERT_EQ(names(content), QStringList{QStringLiteral("日本.eml")});
    EXPECT_TRUE(content.attachments[0].content.contains("inner text"));
}

TEST(LegacyStructures, PartWithoutHeadersHoldingBinaryIsAFile)
{
    const MimeContent content = MimeReader::read(mixed(
        "--b\r\nContent-Type: text/plain\r\n\r\ntext\r\n"
        "--b\r\n\r\n" + QByteArray("\x01\x02\x00\x03\x04\x05", 6) + "\r\n"));
    EXPECT_EQ(content.text, QStringLiteral("text"));
    ASSERT_EQ(content.attachments.size(), 1);
    EXPECT_EQ(content.attachments[0].name, QStringLiteral("part-2.bin"));
}

TEST(LegacyStructures, RawIso2022JpFileNameIsDecoded)
{
    const MimeContent content = MimeReader::read(mixed(
        "--b\r\nContent-Type: application/octet-stream; name=\"\x1b$B%F%9%H\x1b(B.txt\"\r\n\r\ndata\r\n"));
    EXPECT_EQ(names(content), QStringList{QStringLiteral("テスト.txt")});
}

} // namespace
