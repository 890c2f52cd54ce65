#include "core/mail/mime/MimeReader.h"

#include "support/MailServers.h"

#include <gtest/gtest.h>

namespace {

QByteArray hex(const char *text)
{
    return QByteArray::fromHex(text);
}

QByteArray mail(const QByteArray &headers, const QByteArray &body)
{
    return "From: sender@example.jp\r\nTo: you@example.jp\r\nDate: Mon, 7 Dec 2026 10:00:00 +0900\r\n"
        + headers + "\r\n" + body;
}

QStringList names(const MimeContent &content)
{
    QStringList list;
    for (const auto &a : content.attachments)
        list << a.name;
    return list;
}

struct BodyCase {
    const char *name;
    QByteArray raw;
    QString subject;
    QString text;
};

void PrintTo(const BodyCase &c, std::ostream *os) { *os << c.name; }

class ReadsMail : public ::testing::TestWithParam<BodyCase> {};

TEST_P(ReadsMail, SubjectAndText)
{
    const MimeContent content = MimeReader::read(GetParam().raw);
    EXPECT_EQ(content.subject, GetParam().subject);
    EXPECT_EQ(content.text, GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Samples, ReadsMail,
    ::testing::Values(
        BodyCase{"iso2022jp",
                 mail("Subject: =?ISO-2022-JP?B?GyRCRnxLXDhsGyhC?=\r\nMIME-Version: 1.0\r\n"
                      "Content-Type: text/plain; charset=ISO-2022-JP\r\nContent-Transfer-Encoding: 7bit\r\n",
                      hex("1b2442467c4b5c386c1b28420d0a6c696e6520320d0a")),
                 QStringLiteral("日本語"), QStringLiteral("日本語\nline 2\n")},
        BodyCase{"windows_iso2022jp",
                 mail("Subject: =?ISO-2022-JP?B?GyRCLSEtIhsoQg==?=\r\n"
                      "Content-Type: text/plain; charset=iso-2022-jp\r\n",
                      hex("1b24422d212d222141215d1b284931321b28420d0a")),
                 QStringLiteral("①②"), QStringLiteral("①②～－ｱｲ\n")},
        BodyCase{"shift_jis_8bit",
                 mail("Subject: =?Shift_JIS?B?k/qWe4zq?=\r\nContent-Type: text/plain; charset=Shift_JIS\r\n"
                      "Content-Transfer-Encoding: 8bit\r\n",
                      hex("93fa967b8cea87400d0a")),
                 QStringLiteral("日本語"), QStringLiteral("日本語①\n")},
        BodyCase{"euc_jp",
                 mail("Subject: euc\r\nContent-Type: text/plain; charset=EUC-JP\r\n",
                      hex("c6fccbdcb8ec0d0a")),
                 QStringLiteral("euc"), QStringLiteral("日本語\n")},
        BodyCase{"utf8_base64",
                 mail("Subject: =?UTF-8?B?5pel5pys6Kqe?=\r\nContent-Type: text/plain; charset=UTF-8\r\n"
                      "Content-Transfer-Encoding: base64\r\n",
                      "5pel5pys6KqeDQrjg4bjgrnjg4g=\r\n"),
                 QStringLiteral("日本語"), QStringLiteral("日本語\nテスト")},
        BodyCase{"utf8_quoted_printable",
                 mail("Subject: qp\r\nContent-Type: text/plain; charset=utf-8\r\n"
                      "Content-Transfer-Encoding: quoted-printable\r\n",
                      "=E6=97=A5=E6=9C=AC=\r\n=E8=AA=9E caf=C3=A9\r\n"),
                 QStringLiteral("qp"), QStringLiteral("日本語 café\n")},
        BodyCase{"subject_in_many_words",
                 mail("Subject: =?UTF-8?B?5pel5g==?=\r\n =?UTF-8?B?nKzoqp4=?=\r\n =?UTF-8?Q?_OK?=\r\n",
                      "x\r\n"),
                 QStringLiteral("日本語 OK"), QStringLiteral("x\n")},
        BodyCase{"no_mime_headers_raw_shift_jis", mail("Subject: old\r\n", hex("93fa967b0d0a")),
                 QStringLiteral("old"), QStringLiteral("日本\n")},
        BodyCase{"html_only",
                 mail("Subject: html\r\nContent-Type: text/html; charset=UTF-8\r\n",
                      "<html><body><p>Hello&nbsp;<b>world</b></p><p>&#26085;&#26412;</p></body></html>\r\n"),
                 QStringLiteral("html"), QStringLiteral("Hello world\n日本")},
        BodyCase{"alternative_prefers_plain",
                 mail("Subject: alt\r\nMIME-Version: 1.0\r\nContent-Type: multipart/alternative; boundary=\"b1\"\r\n",
                      "--b1\r\nContent-Type: text/html; charset=UTF-8\r\n\r\n<p>html part</p>\r\n"
                      "--b1\r\nContent-Type: text/plain; charset=UTF-8\r\n\r\nplain part\r\n--b1--\r\n"),
                 QStringLiteral("alt"), QStringLiteral("plain part")}));

TEST(MimeReader, FindsTextAndAttachmentsInNestedMultipart)
{
    const QByteArray raw = mail(
        "Subject: nested\r\nMIME-Version: 1.0\r\nContent-Type: multipart/mixed; boundary=\"outer\"\r\n",
        "preamble\r\n"
        "--outer\r\nContent-Type: multipart/alternative; boundary=\"inner\"\r\n\r\n"
        "--inner\r\nContent-Type: text/plain; charset=ISO-2022-JP\r\n\r\n"
        + hex("1b2442467c4b5c1b2842") + "\r\n"
        "--inner\r\nContent-Type: text/html; charset=UTF-8\r\n\r\n<p>html</p>\r\n--inner--\r\n"
        "--outer\r\nContent-Type: application/octet-stream; name=\"data.bin\"\r\n"
        "Content-Transfer-Encoding: base64\r\nContent-Disposition: attachment;\r\n"
        " filename*=UTF-8''%E8%B3%87%E6%96%99.bin\r\n\r\nAAECAw==\r\n"
        "--outer\r\nContent-Type: image/png; name=\"=?ISO-2022-JP?B?GyRCRTpJVTtxTkEbKEI=?=.png\"\r\n"
        "Content-Transfer-Encoding: base64\r\n\r\niVBORw==\r\n"
        "--outer\r\nContent-Type: text/plain; charset=UTF-8\r\nContent-Disposition: attachment; filename=note.txt\r\n"
        "\r\nattached text\r\n--outer--\r\n");
    const MimeContent content = MimeReader::read(raw);
    EXPECT_TRUE(content.multipart);
    EXPECT_EQ(content.text, QStringLiteral("日本"));
    ASSERT_EQ(names(content), (QStringList{QStringLiteral("資料.bin"), QStringLiteral("添付資料.png"),
                                          QStringLiteral("note.txt")}));
    EXPECT_EQ(content.attachments[0].content, QByteArray("\x00\x01\x02\x03", 4));
    EXPECT_EQ(content.attachments[1].content, QByteArray("\x89PNG"));
    EXPECT_EQ(content.attachments[2].content, QByteArray("attached text"));
    EXPECT_TRUE(content.rawBody.startsWith("preamble\r\n--outer"));
    EXPECT_TRUE(content.rawBody.contains("Content-Disposition: attachment"));
}

TEST(MimeReader, KeepsTheHeaderFieldsAsDelivered)
{
    const MimeContent content = MimeReader::read(
        "From: =?ISO-2022-JP?B?GyRCRnxLXBsoQg==?= <taro@example.jp>\r\n"
        "Date: Mon, 7 Dec 2026 10:00:00 +0900\r\nSubject: hi\r\n\r\nbody\r\n");
    EXPECT_EQ(content.from, QStringLiteral("日本 <taro@example.jp>"));
    EXPECT_EQ(content.date, QStringLiteral("Mon, 7 Dec 2026 10:00:00 +0900"));
    EXPECT_TRUE(content.headerText.startsWith(QStringLiteral("From: =?ISO-2022-JP?B?")));
    EXPECT_EQ(content.rawBody, QByteArray("body\r\n"));
}

TEST(MimeReader, MarksAFragmentOfASplitMail)
{
    const MimeContent content = MimeReader::read(
        mail("Subject: split\r\nMIME-Version: 1.0\r\n"
             "Content-Type: message/partial; id=\"abc@example.jp\"; number=1; total=3\r\n",
             "Subject: inner\r\n\r\npart one\r\n"));
    EXPECT_TRUE(content.incompletePartial);
}

TEST(MimeReader, SurvivesMailsWithoutHeaderOrBody)
{
    for (const QByteArray &raw : {QByteArray(), QByteArray("\r\n"), QByteArray("no header end"),
                                  QByteArray("Content-Type: multipart/mixed\r\n\r\n--x--\r\n")}) {
        const MimeContent content = MimeReader::read(raw);
        EXPECT_TRUE(content.attachments.isEmpty());
    }
}

} // namespace
