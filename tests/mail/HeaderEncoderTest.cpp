#include "core/mail/mime/HeaderEncoder.h"
#include "core/mail/mime/MimeReader.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

using HeaderEncoder::Charset;

namespace {

struct CharsetRow {
    const char16_t *text;
    Charset charset;
};

class CharsetChoice : public ::testing::TestWithParam<CharsetRow> {};

} // namespace

TEST_P(CharsetChoice, PicksTheNarrowestCharsetThatHoldsEveryCharacter)
{
    EXPECT_EQ(HeaderEncoder::charsetFor(QString::fromUtf16(GetParam().text)), GetParam().charset);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, CharsetChoice,
    ::testing::Values(CharsetRow{u"Hello, world", Charset::Ascii},
                      CharsetRow{u"こんにちは、世界", Charset::Iso2022Jp},
                      CharsetRow{u"漢字とカタカナと ASCII", Charset::Iso2022Jp},
                      CharsetRow{u"丸数字①", Charset::Utf8},
                      CharsetRow{u"波\uFF5E線", Charset::Utf8},
                      CharsetRow{u"ｶﾀｶﾅ", Charset::Utf8},
                      CharsetRow{u"絵文字😀", Charset::Utf8},
                      CharsetRow{u"円記号¥", Charset::Utf8}));

TEST(HeaderEncoder, Iso2022JpBytesEndInAscii)
{
    const QByteArray bytes = HeaderEncoder::encode(QStringLiteral("日本"), Charset::Iso2022Jp);
    EXPECT_TRUE(bytes.startsWith("\x1b$B"));
    EXPECT_TRUE(bytes.endsWith("\x1b(B"));
}

TEST(HeaderEncoder, EveryIso2022JpWordStandsAloneWithinSeventyFiveCharacters)
{
    const QString text = QString(40, QChar(u'あ')) + QStringLiteral("ABC") + QString(30, QChar(u'漢'));
    const QList<QByteArray> words = HeaderEncoder::encodedWords(text, Charset::Iso2022Jp);
    ASSERT_GT(words.size(), 2);
    QString decoded;
    for (const QByteArray &word : words) {
        EXPECT_LE(word.size(), 75);
        ASSERT_TRUE(word.startsWith("=?ISO-2022-JP?B?"));
        ASSERT_TRUE(word.endsWith("?="));
        const QByteArray bytes = QByteArray::fromBase64(word.mid(16, word.size() - 18));
        if (bytes.contains('\x1b'))
            EXPECT_TRUE(bytes.endsWith("\x1b(B")) << word.constData();
    }
}

TEST(HeaderEncoder, Utf8WordsNeverSplitASurrogatePair)
{
    const QString text = QString::fromUtf16(u"😀😀😀😀😀😀😀😀😀😀😀😀😀😀😀😀😀😀😀😀");
    QByteArray joined;
    for (const QByteArray &word : HeaderEncoder::encodedWords(text, Charset::Utf8)) {
        EXPECT_LE(word.size(), 75);
        const QByteArray bytes = QByteArray::fromBase64(word.mid(10, word.size() - 12));
        EXPECT_EQ(QString::fromUtf8(bytes).toUtf8(), bytes);
        EXPECT_FALSE(QString::fromUtf8(bytes).contains(QChar::ReplacementCharacter));
        joined += bytes;
    }
    EXPECT_EQ(QString::fromUtf8(joined), text);
}

TEST(HeaderEncoder, PlainAsciiSubjectStaysAsItIs)
{
    EXPECT_EQ(HeaderEncoder::unstructured(QStringLiteral("Meeting at 10"), 8), QByteArray("Meeting at 10"));
}

TEST(HeaderEncoder, NamesThatLookEncodedReadBackAsTyped)
{
    // Readers decode encoded words even in quoted parameters, so such a name must not go plain.
    for (const QString &name : {QStringLiteral("=?utf-8?B?notreally?= \"quoted\" <x>"),
                                QStringLiteral("=?iso-2022-jp?Q?a?=.txt"), QStringLiteral("plain name.txt")}) {
        const QByteArray mail = "MIME-Version: 1.0\r\nContent-Type: multipart/mixed; boundary=\"b\"\r\n\r\n"
                                "--b\r\nContent-Type: text/plain\r\n\r\nbody\r\n"
                                "--b\r\nContent-Type: application/octet-stream\r\nContent-Disposition: attachment"
            + HeaderEncoder::parameter("filename", name)
            + "\r\nContent-Transfer-Encoding: base64\r\n\r\nAAAA\r\n--b--\r\n";
        const MimeContent content = MimeReader::read(mail);
        ASSERT_EQ(content.attachments.size(), 1) << mail.toStdString();
        EXPECT_EQ(content.attachments[0].name, name) << mail.toStdString();
    }
}

TEST(HeaderEncoder, ShiftCharactersNeverSwitchTheReadersCharset)
{
    for (const QString &subject : {QStringLiteral("あ\x0e-8 rally"), QStringLiteral("plain \x1b$B$\"\x1b(B"),
                                   QStringLiteral("\x0f会議\x0e")}) {
        EXPECT_EQ(HeaderEncoder::charsetFor(subject), Charset::Utf8);
        const QByteArray mail = "Subject: " + HeaderEncoder::unstructured(subject, 9) + "\r\n\r\nbody\r\n";
        EXPECT_EQ(MimeReader::read(mail).subject, subject) << mail.toStdString();
    }
}

TEST(HeaderEncoder, LineBreaksNeverStartAHeaderOfTheirOwn)
{
    const QByteArray ascii = HeaderEncoder::unstructured(QStringLiteral("Hi\r\nBcc: victim@example.jp"), 8);
    EXPECT_FALSE(ascii.contains('\r'));
    EXPECT_FALSE(ascii.contains('\n'));
    const QByteArray japanese = HeaderEncoder::unstructured(QStringLiteral("件名\nBcc: v@example.jp"), 8);
    // Folding may add CR LF, but always followed by a space.
    for (qsizetype i = japanese.indexOf('\n'); i >= 0; i = japanese.indexOf('\n', i + 1))
        EXPECT_EQ(japanese.at(i + 1), ' ');
}

TEST(HeaderEncoder, FoldedLinesStayWithinSeventySixCharacters)
{
    const QByteArray value = HeaderEncoder::unstructured(QString(100, QChar(u'語')), 8);
    const QList<QByteArray> lines = ("Subject: " + value).split('\n');
    ASSERT_GT(lines.size(), 1);
    for (QByteArray line : lines) {
        if (line.endsWith('\r'))
            line.chop(1);
        EXPECT_LE(line.size(), 76) << line.constData();
    }
}

TEST(HeaderEncoder, NameCardAndSeveralAddressesAreParsed)
{
    const auto parsed = HeaderEncoder::parseAddresses(
        QStringLiteral("山田太郎<taro@example.jp>, hanako@example.jp,\"Doe, John\" <john@example.com>"));
    ASSERT_TRUE(parsed.has_value());
    ASSERT_EQ(parsed->size(), 3);
    EXPECT_EQ(parsed->at(0).name, QStringLiteral("山田太郎"));
    EXPECT_EQ(parsed->at(0).address, QStringLiteral("taro@example.jp"));
    EXPECT_EQ(parsed->at(1).name, QString());
    EXPECT_EQ(parsed->at(1).address, QStringLiteral("hanako@example.jp"));
    EXPECT_EQ(parsed->at(2).name, QStringLiteral("Doe, John"));
    EXPECT_EQ(parsed->at(2).address, QStringLiteral("john@example.com"));
}

TEST(HeaderEncoder, LineBreaksSeparateAddressesToo)
{
    const auto parsed = HeaderEncoder::parseAddresses(QStringLiteral("a@example.jp\r\nb@example.jp\n"));
    ASSERT_TRUE(parsed.has_value());
    ASSERT_EQ(parsed->size(), 2);
    EXPECT_EQ(parsed->at(1).address, QStringLiteral("b@example.jp"));
}

TEST(HeaderEncoder, AddressesWithSpacesOrJapaneseAreRefused)
{
    QString bad;
    EXPECT_FALSE(HeaderEncoder::parseAddresses(QStringLiteral("a b@example.jp"), &bad).has_value());
    EXPECT_EQ(bad, QStringLiteral("a b@example.jp"));
    EXPECT_FALSE(HeaderEncoder::parseAddresses(QStringLiteral("名前<あ@example.jp>")).has_value());
    EXPECT_FALSE(HeaderEncoder::parseAddresses(QStringLiteral("x<>")).has_value());
}

TEST(HeaderEncoder, DisplayNamesAreEncodedOrQuoted)
{
    const QByteArray japanese = HeaderEncoder::addressList({{QStringLiteral("山田"), QStringLiteral("y@example.jp")}}, 3);
    EXPECT_TRUE(japanese.startsWith("=?ISO-2022-JP?B?"));
    EXPECT_TRUE(japanese.endsWith(" <y@example.jp>"));
    EXPECT_EQ(HeaderEncoder::addressList({{QStringLiteral("Doe, John"), QStringLiteral("j@example.com")}}, 3),
              QByteArray("\"Doe, John\" <j@example.com>"));
    EXPECT_EQ(HeaderEncoder::addressList({{QString(), QStringLiteral("a@example.jp")},
                                          {QString(), QStringLiteral("b@example.jp")}},
                                         3),
              QByteArray("a@example.jp, b@example.jp"));
    // A line break in a name can never start a header of its own.
    const QByteArray broken = HeaderEncoder::addressList({{QStringLiteral("z\x01\nBcc: x@example.jp"),
                                                          QStringLiteral("a@example.jp")}}, 5);
    EXPECT_FALSE(broken.contains('\n') && !broken.contains("\r\n "));
    EXPECT_FALSE(broken.contains("Bcc"));
    EXPECT_TRUE(MimeReader::read("From: " + broken + "\r\n\r\nx\r\n").from.contains(QStringLiteral("a@example.jp")));
}

TEST(HeaderEncoder, MailboxTextsWithSpecialsInTheirNamesReadBackAsOneMailbox)
{
    const struct {
        const char16_t *shown;
        const char16_t *written;
        const char16_t *name;
    } rows[] = {
        {u"山田, 太郎 <bob@example.com>", u"\"山田, 太郎\" <bob@example.com>", u"山田, 太郎"},
        {u"\"山田, 太郎\" <bob@example.com>", u"\"山田, 太郎\" <bob@example.com>", u"山田, 太郎"},
        {u"Say \"hi\"; a\\b <bob@example.com>", u"\"Say \\\"hi\\\"; a\\\\b\" <bob@example.com>",
         u"Say \"hi\"; a\\b"},
        {u"山田 太郎 <bob@example.com>", u"山田 太郎 <bob@example.com>", u"山田 太郎"},
        {u"bob@example.com", u"bob@example.com", u""},
    };
    for (const auto &row : rows) {
        const QString written = HeaderEncoder::quotedMailbox(QString::fromUtf16(row.shown));
        EXPECT_EQ(written, QString::fromUtf16(row.written));
        const auto parsed = HeaderEncoder::parseAddresses(written + QStringLiteral(", c@example.jp"));
        ASSERT_TRUE(parsed.has_value()) << written.toStdString();
        ASSERT_EQ(parsed->size(), 2) << written.toStdString();
        EXPECT_EQ(parsed->at(0).name, QString::fromUtf16(row.name));
        EXPECT_EQ(parsed->at(0).address, QStringLiteral("bob@example.com"));
    }
}
