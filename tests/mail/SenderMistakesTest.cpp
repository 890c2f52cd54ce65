// Mail from senders who broke the rules in ways other mail readers are known to
// stumble over: what the record is made from and the files written.
#include "core/mail/MailLibrary.h"
#include "core/mail/mime/MimeReader.h"

#include "support/MailServers.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QByteArray hex(const char *text)
{
    return QByteArray::fromHex(text);
}

QByteArray mail(const QByteArray &headers, const QByteArray &body)
{
    return "From: sender@example.jp\r\nTo: you@example.jp\r\nDate: Mon, 7 Dec 2026 10:00:00 +0900\r\n"
           "Subject: test\r\n" + headers + "\r\n" + body;
}

// A short text part and one more part whose headers are the case's own.
QByteArray withPart(const QByteArray &partHeaders, const QByteArray &partBody)
{
    return mail("MIME-Version: 1.0\r\nContent-Type: multipart/mixed; boundary=\"b\"\r\n",
                "--b\r\nContent-Type: text/plain; charset=ISO-2022-JP\r\n\r\n" + hex("1b24424b5c4a381b2842")
                    + "\r\n--b\r\n" + partHeaders + "\r\n" + partBody + "\r\n--b--\r\n");
}


struct MistakeCase {
    const char *name;
    QByteArray raw;
    QString text;       // the body the record keeps, before any note of the program's
    QStringList files;  // the names written into the attachment folder, in order
};

void PrintTo(const MistakeCase &c, std::ostream *os) { *os << c.name; }

class SenderMistakes : public ::testing::TestWithParam<MistakeCase> {};

TEST_P(SenderMistakes, TextAndFiles)
{
    QTemporaryDir dir;
    FetchedMail fetched = MailLibrary::parse(GetParam().raw);
    QStringList written;
    const int unpacked = MailLibrary::instance().unpackAttachments(fetched, dir.path(), &written);
    EXPECT_EQ(unpacked, GetParam().files.isEmpty() ? MailLibrary::kNothingToUnpack : MailLibrary::kUnpacked);
    EXPECT_EQ(fetched.subject, QStringLiteral("test"));
    EXPECT_EQ(fetched.body, GetParam().text);
    QStringList names;
    for (const QString &path : written)
        names << QFileInfo(path).fileName();
    EXPECT_EQ(names, GetParam().files);
}

const QByteArray kMitsumori = "=?ISO-2022-JP?B?GyRCOCtAUT1xGyhC?=";  // 見積書

// Encoded words in parameters the sender forgot to quote, or quoted halfway.
INSTANTIATE_TEST_SUITE_P(
    BrokenNames, SenderMistakes,
    ::testing::Values(
        MistakeCase{"unquoted_word_before_more_parameters",
                    withPart("Content-Type: application/pdf; name=" + kMitsumori + ".pdf; x-mac-type=50444620\r\n"
                             "Content-Disposition: attachment; filename=" + kMitsumori + ".pdf; size=4\r\n",
                             "%PDF"),
                    QStringLiteral("本文"), {QStringLiteral("見積書.pdf")}},
        MistakeCase{"quote_never_closed",
                    withPart("Content-Type: application/pdf\r\n"
                             "Content-Disposition: attachment; filename=\"" + kMitsumori + ".pdf; size=4\r\n",
                             "%PDF"),
                    QStringLiteral("本文"), {QStringLiteral("見積書.pdf")}},
        MistakeCase{"quote_never_closed_before_a_quoted_parameter",
                    withPart("Content-Type: application/pdf; name=\"" + kMitsumori + ".pdf;\r\n"
                             " x-unix-mode=\"0644\"\r\n",
                             "%PDF"),
                    QStringLiteral("本文"), {QStringLiteral("見積書.pdf")}},
        MistakeCase{"quote_closed_but_never_opened",
                    withPart("Content-Type: application/pdf; name=" + kMitsumori + ".pdf\"; x-mac-type=50444620\r\n",
                             "%PDF"),
                    QStringLiteral("本文"), {QStringLiteral("見積書.pdf")}},
        MistakeCase{"raw_space_inside_a_q_word",
                    withPart("Content-Type: application/octet-stream;\r\n"
                             " name=\"=?ISO-8859-1?Q?special character.bin?=\"\r\n",
                             "data"),
                    QStringLiteral("本文"), {QStringLiteral("special character.bin")}},
        MistakeCase{"raw_space_inside_an_unquoted_q_word",
                    withPart("Content-Type: application/octet-stream\r\n"
                             "Content-Disposition: attachment; filename==?UTF-8?Q?special_=E6=97=A5 x.bin?=; size=4\r\n",
                             "data"),
                    QStringLiteral("本文"), {QStringLiteral("special 日 x.bin")}}));

const QByteArray kHonbun = hex("1b24424b5c4a381b2842");  // 本文 in ISO-2022-JP
const QByteArray kKoi8Privet = hex("f0d2c9d7c5d4");      // Привет in KOI8-R

// A Content-Type line with parameters but no media type is text/plain in its charset.
INSTANTIATE_TEST_SUITE_P(
    NoMediaType, SenderMistakes,
    ::testing::Values(
        MistakeCase{"only_a_charset", mail("Content-Type: ; charset=\"KOI8-R\"\r\n", kKoi8Privet + "\r\n"),
                    QStringLiteral("Привет\n"), {}},
        MistakeCase{"nothing_before_the_semicolon", mail("Content-Type:;charset=KOI8-R\r\n", kKoi8Privet),
                    QStringLiteral("Привет"), {}},
        MistakeCase{"empty_quoted_type", mail("Content-Type: \"\"; charset=KOI8-R\r\n", kKoi8Privet),
                    QStringLiteral("Привет"), {}},
        MistakeCase{"only_a_slash", mail("MIME-Version: 1.0\r\nContent-Type: /; charset=KOI8-R\r\n", kKoi8Privet),
                    QStringLiteral("Привет"), {}},
        MistakeCase{"empty_type_before_the_subtype", mail("Content-Type: /plain; charset=KOI8-R\r\n", kKoi8Privet),
                    QStringLiteral("Привет"), {}},
        MistakeCase{"text_without_a_subtype", mail("Content-Type: text; charset=KOI8-R\r\n", kKoi8Privet),
                    QStringLiteral("Привет"), {}},
        MistakeCase{"text_slash", mail("Content-Type: text/; charset=KOI8-R\r\n", kKoi8Privet),
                    QStringLiteral("Привет"), {}},
        MistakeCase{"base64_part", withPart("Content-Type: ; charset=\"KOI8-R\"\r\nContent-Transfer-Encoding: base64\r\n",
                                            kKoi8Privet.toBase64()),
                    QStringLiteral("本文\n") + MimeContent::kPartSeparator + QStringLiteral("\nПривет"), {}},
        MistakeCase{"another_type_without_a_subtype_stays_a_file",
                    withPart("Content-Type: image; name=\"a.gif\"\r\n", "GIF89a"), QStringLiteral("本文"),
                    {QStringLiteral("a.gif")}},
        MistakeCase{"iso2022jp_part_of_a_multipart",
                    withPart("Content-Type: ; charset=\"ISO-2022-JP\"\r\n", kHonbun),
                    QStringLiteral("本文\n") + MimeContent::kPartSeparator + QStringLiteral("\n本文"), {}}));

// RFC 2231 values: each piece in its charset, a bad byte costing only itself.
INSTANTIATE_TEST_SUITE_P(
    Rfc2231Names, SenderMistakes,
    ::testing::Values(
        MistakeCase{"latin1", withPart("Content-Type: application/pdf\r\n"
                                       "Content-Disposition: attachment; filename*=iso-8859-1''B%F6rse.pdf\r\n", "%PDF"),
                    QStringLiteral("本文"), {QStringLiteral("Börse.pdf")}},
        MistakeCase{"bad_byte_inside_jis",
                    withPart("Content-Type: application/pdf\r\nContent-Disposition: attachment;\r\n"
                             " filename*=ISO-2022-JP''%1B%24%42%38%2B%FF%40%51%3D%71%1B%28%42.pdf\r\n", "%PDF"),
                    QStringLiteral("本文"), {QStringLiteral("見\uFFFD積書.pdf")}},
        MistakeCase{"charset_repeated_on_every_piece",
                    withPart("Content-Type: application/pdf\r\nContent-Disposition: attachment;\r\n"
                             " filename*0*=UTF-8''%E6%97%A5; filename*1*=UTF-8''%E6%9C%AC.pdf\r\n", "%PDF"),
                    QStringLiteral("本文"), {QStringLiteral("日本.pdf")}}));

// A text part named as a file and given no disposition is read and also kept as that file.
INSTANTIATE_TEST_SUITE_P(
    NamedTextParts, SenderMistakes,
    ::testing::Values(
        MistakeCase{"jis_name_in_content_type",
                    withPart("Content-Type: text/plain; charset=ISO-2022-JP;\r\n"
                             " name=\"=?ISO-2022-JP?B?GyRCJUYlOSVIGyhCLnR4dA==?=\"\r\n", kHonbun),
                    QStringLiteral("本文\n") + MimeContent::kPartSeparator + QStringLiteral("\n本文"),
                    {QStringLiteral("テスト.txt")}},
        MistakeCase{"filename_in_content_type",
                    withPart("Content-Type: text/plain; charset=UTF-8; filename=\"memo.txt\"\r\n", "memo"),
                    QStringLiteral("本文\n") + MimeContent::kPartSeparator + QStringLiteral("\nmemo"),
                    {QStringLiteral("memo.txt")}},
        MistakeCase{"the_whole_mail",
                    mail("Content-Type: text/plain; charset=ISO-2022-JP; name=\"memo.txt\"\r\n", kHonbun),
                    QStringLiteral("本文"), {QStringLiteral("memo.txt")}},
        MistakeCase{"inline_disposition_stays_text_only",
                    withPart("Content-Type: text/plain; charset=UTF-8; name=\"memo.txt\"\r\n"
                             "Content-Disposition: inline\r\n", "memo"),
                    QStringLiteral("本文\n") + MimeContent::kPartSeparator + QStringLiteral("\nmemo"), {}}));

// Quoted-printable nobody declared: read as such only when it decodes to Japanese text.
INSTANTIATE_TEST_SUITE_P(
    UndeclaredQuotedPrintable, SenderMistakes,
    ::testing::Values(
        MistakeCase{"jis_without_any_header", mail("", "=1B$B$3$s$K$A$O=1B(B\r\n"), QStringLiteral("こんにちは\n"), {}},
        MistakeCase{"jis_with_soft_breaks", mail("", "=1B$B$3$s$K=\r\n$A$O=1B(B=\r\n!\r\n"),
                    QStringLiteral("こんにちは!\n"), {}},
        MistakeCase{"shift_jis", mail("MIME-Version: 1.0\r\n", "=82=B1=82=F1=82=C9=82=BF=82=CD ok\r\n"),
                    QStringLiteral("こんにちは ok\n"), {}},
        MistakeCase{"utf8_with_a_charset", mail("Content-Type: text/plain; charset=UTF-8\r\n",
                                                "=E3=81=93=E3=82=93=\r\n=E3=81=AB=E3=81=A1=E3=81=AF\r\n"),
                    QStringLiteral("こんにちは\n"), {}},
        MistakeCase{"equals_signs_in_plain_text", mail("", "a = b, x==y\r\n=====\r\nkey=value=\r\n"),
                    QStringLiteral("a = b, x==y\n=====\nkey=value=\n"), {}},
        MistakeCase{"hex_after_equals_in_a_link", mail("", "http://example.jp/?id=AB12&k=CD\r\n"),
                    QStringLiteral("http://example.jp/?id=AB12&k=CD\n"), {}},
        MistakeCase{"escapes_of_ascii_only", mail("", "=41=42=43\r\n"), QStringLiteral("=41=42=43\n"), {}},
        MistakeCase{"declared_seven_bit", mail("Content-Transfer-Encoding: 7bit\r\n", "=1B$B$3$s=1B(B\r\n"),
                    QStringLiteral("=1B$B$3$s=1B(B\n"), {}},
        MistakeCase{"escape_without_a_jis_sequence", mail("", "=1B[0m=1B=1B\r\n"),
                    QStringLiteral("=1B[0m=1B=1B\n"), {}},
        MistakeCase{"not_valid_in_any_reading", mail("", "=FF=FF=FE=80\r\n"), QStringLiteral("=FF=FF=FE=80\n"), {}}));

} // namespace
