#include "core/mail/mime/MimeWriter.h"

#include "support/MailReader.h"

#include <QFile>
#include <QJsonArray>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QDateTime kDate(QDate(2026, 12, 7), QTime(9, 30, 5), Qt::OffsetFromUTC, 9 * 3600);

OutgoingMail mailOf(const QString &subject, const QString &body)
{
    OutgoingMail mail;
    mail.server = QStringLiteral("127.0.0.1");
    mail.to = QStringLiteral("to@example.jp");
    mail.from = QStringLiteral("me@example.jp");
    mail.subject = subject;
    mail.body = body;
    return mail;
}

QJsonObject readBack(const OutgoingMail &mail, BuiltMail *built = nullptr)
{
    QString error;
    const auto result = MimeWriter::build(mail, kDate, &error);
    EXPECT_TRUE(result.has_value()) << error.toStdString();
    if (!result)
        return {};
    if (built)
        *built = *result;
    const QJsonObject seen = MailReader::read(result->data);
    EXPECT_FALSE(seen.isEmpty()) << "the reader failed";
    EXPECT_TRUE(seen.value(QStringLiteral("defects")).toArray().isEmpty());
    return seen;
}

struct TextRow {
    const char *label;
    const char16_t *subject;
    const char16_t *body;
    const char *charset;
};

class TextsReadBack : public ::testing::TestWithParam<TextRow> {};

} // namespace

TEST_P(TextsReadBack, SubjectAndBodyComeBackExactly)
{
    const QString subject = QString::fromUtf16(GetParam().subject);
    const QString body = QString::fromUtf16(GetParam().body);
    const QJsonObject seen = readBack(mailOf(subject, body));
    EXPECT_EQ(seen[QStringLiteral("subject")].toString(), subject);
    QString expected = body;
    expected.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (!expected.endsWith(u'\n'))
        expected += u'\n';
    EXPECT_EQ(seen[QStringLiteral("body")].toString(), expected);
    EXPECT_EQ(seen[QStringLiteral("bodyCharset")].toString(), QString::fromLatin1(GetParam().charset));
}

INSTANTIATE_TEST_SUITE_P(
    Charsets, TextsReadBack,
    ::testing::Values(
        TextRow{"ascii", u"Hello there", u"Line one\r\nLine two", "us-ascii"},
        TextRow{"jis", u"会議の日程について", u"お世話になっております。\r\n来週の会議は１０時からです。", "iso-2022-jp"},
        TextRow{"cp932", u"①番\uFF5E②番のご案内", u"丸数字①と波\uFF5Eダッシュ、ｶﾀｶﾅ、絵文字😀", "utf-8"},
        TextRow{"long", u"長い件名長い件名長い件名長い件名長い件名長い件名長い件名長い件名長い件名長い件名長い件名長い件名",
                u"本文", "iso-2022-jp"}),
    [](const auto &info) { return std::string(info.param.label); });

TEST(MimeWriter, Iso2022JpBodyIsSevenBitWithEveryLineEndingInAscii)
{
    BuiltMail built;
    const QJsonObject seen = readBack(mailOf(QStringLiteral("件名"), QStringLiteral("一行目\n二行目")), &built);
    EXPECT_EQ(seen[QStringLiteral("bodyEncoding")].toString(), QStringLiteral("7bit"));
    for (const QByteArray &line : built.data.split('\n'))
        if (line.contains('\x1b'))
            EXPECT_TRUE(line.endsWith("\x1b(B\r") || line.endsWith("\x1b(B")) << line.constData();
    for (char c : built.data)
        EXPECT_LT(static_cast<unsigned char>(c), 0x80);
}

TEST(MimeWriter, HeadersCarryDateIdVersionFromToSubject)
{
    BuiltMail built;
    const QJsonObject seen = readBack(mailOf(QStringLiteral("s"), QStringLiteral("b")), &built);
    EXPECT_TRUE(built.data.startsWith("Date: Mon, 07 Dec 2026 09:30:05 +0900\r\n"));
    EXPECT_EQ(seen[QStringLiteral("date")].toString(), QStringLiteral("2026-12-07T09:30:05+09:00"));
    EXPECT_TRUE(seen[QStringLiteral("messageId")].toString().endsWith(QStringLiteral("@example.jp>")));
    EXPECT_EQ(seen[QStringLiteral("mimeVersion")].toString(), QStringLiteral("1.0"));
    EXPECT_EQ(built.sender, QByteArray("me@example.jp"));
    EXPECT_EQ(built.recipients, QList<QByteArray>{"to@example.jp"});
    EXPECT_LE(seen[QStringLiteral("longestLine")].toInt(), 998);
}

TEST(MimeWriter, NameCardsAndSeveralRecipientsKeepTheirNames)
{
    OutgoingMail mail = mailOf(QStringLiteral("s"), QStringLiteral("b"));
    mail.to = QStringLiteral("山田太郎<taro@example.jp>,hanako@example.jp");
    mail.from = QStringLiteral("送信者①<me@example.jp>");
    mail.bcc = QStringLiteral("hidden@example.jp");
    BuiltMail built;
    const QJsonObject seen = readBack(mail, &built);
    const QJsonArray to = seen[QStringLiteral("to")].toArray();
    ASSERT_EQ(to.size(), 2);
    EXPECT_EQ(to[0].toArray()[0].toString(), QStringLiteral("山田太郎"));
    EXPECT_EQ(to[0].toArray()[1].toString(), QStringLiteral("taro@example.jp"));
    EXPECT_EQ(to[1].toArray()[1].toString(), QStringLiteral("hanako@example.jp"));
    EXPECT_EQ(seen[QStringLiteral("from")].toArray()[0].toArray()[0].toString(), QStringLiteral("送信者①"));
    EXPECT_EQ(built.recipients,
              (QList<QByteArray>{"taro@example.jp", "hanako@example.jp", "hidden@example.jp"}));
    EXPECT_FALSE(built.data.contains("hidden@example.jp"));
}

TEST(MimeWriter, LineBreaksInHeaderTextsCannotInjectHeaders)
{
    OutgoingMail mail = mailOf(QStringLiteral("Hello\r\nBcc: victim@example.jp"), QStringLiteral("b"));
    mail.to = QStringLiteral("to@example.jp\r\nX-Injected: yes");
    QString error;
    EXPECT_FALSE(MimeWriter::build(mail, kDate, &error).has_value());
    mail.to = QStringLiteral("名前\r\nX-Injected: 1<to@example.jp>");
    EXPECT_FALSE(MimeWriter::build(mail, kDate, &error).has_value());
    mail.to = QStringLiteral("to@example.jp");
    mail.extraHeader = QStringLiteral("X-Note: a\r\nBcc: victim@example.jp\r\nX-Other: \u3042");
    BuiltMail built;
    const QJsonObject seen = readBack(mail, &built);
    const QJsonArray headers = seen[QStringLiteral("headers")].toArray();
    for (const auto &name : headers) {
        EXPECT_NE(name.toString().toLower(), QStringLiteral("bcc"));
        EXPECT_NE(name.toString().toLower(), QStringLiteral("x-injected"));
    }
    EXPECT_TRUE(headers.contains(QStringLiteral("X-Note")));
    EXPECT_EQ(seen[QStringLiteral("subject")].toString(), QStringLiteral("Hello  Bcc: victim@example.jp"));
}

TEST(MimeWriter, AttachmentsGoAsBase64WithBothNameForms)
{
    QTemporaryDir dir;
    const QString first = dir.filePath(QStringLiteral("資料 2026年版.pdf"));
    const QString second = dir.filePath(QStringLiteral("data①.bin"));
    QByteArray binary;
    for (int i = 0; i < 1000; ++i)
        binary += static_cast<char>(i % 256);
    for (const QString &path : {first, second}) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(binary);
    }
    OutgoingMail mail = mailOf(QStringLiteral("添付"), QStringLiteral("ファイルを送ります。"));
    mail.attachments = first + u',' + second;
    BuiltMail built;
    const QJsonObject seen = readBack(mail, &built);
    EXPECT_EQ(seen[QStringLiteral("body")].toString(), QStringLiteral("ファイルを送ります。\n"));
    const QJsonArray parts = seen[QStringLiteral("attachments")].toArray();
    ASSERT_EQ(parts.size(), 2);
    EXPECT_EQ(parts[0][QStringLiteral("filename")].toString(), QStringLiteral("資料 2026年版.pdf"));
    EXPECT_EQ(parts[0][QStringLiteral("name")].toString(), QStringLiteral("資料 2026年版.pdf"));
    EXPECT_EQ(parts[1][QStringLiteral("filename")].toString(), QStringLiteral("data①.bin"));
    EXPECT_EQ(parts[1][QStringLiteral("encoding")].toString(), QStringLiteral("base64"));
    EXPECT_EQ(QByteArray::fromBase64(parts[1][QStringLiteral("data")].toString().toLatin1()), binary);
    EXPECT_TRUE(built.data.contains("filename*="));
}

TEST(MimeWriter, LongAttachmentNamesAreSplitBetweenCharacters)
{
    QTemporaryDir dir;
    // Three-byte and four-byte characters after an odd number of ASCII ones,
    // so a split by length would fall inside one.
    const QString name = QStringLiteral("a") + QString(40, u'資') + QStringLiteral("𠮷𠮷𠮷") + QString(30, u'料')
        + QStringLiteral(".txt");
    QFile file(dir.filePath(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("x");
    file.close();
    OutgoingMail mail = mailOf(QStringLiteral("s"), QStringLiteral("b"));
    mail.attachments = file.fileName();
    BuiltMail built;
    const QJsonObject seen = readBack(mail, &built);
    EXPECT_EQ(seen[QStringLiteral("attachments")].toArray()[0][QStringLiteral("filename")].toString(), name);
    EXPECT_LE(seen[QStringLiteral("longestLine")].toInt(), 76) << built.data.toStdString();

    const QRegularExpression segment(QStringLiteral("filename\\*(\\d+)\\*=(?:UTF-8'')?([^;\\r\\n]*)"));
    int count = 0;
    for (auto it = segment.globalMatch(QString::fromLatin1(built.data)); it.hasNext(); ++count) {
        const auto match = it.next();
        EXPECT_EQ(match.captured(1).toInt(), count);
        const QByteArray bytes = QByteArray::fromPercentEncoding(match.captured(2).toLatin1());
        EXPECT_EQ(QString::fromUtf8(bytes).toUtf8(), bytes) << "segment " << count << " cuts a character";
        EXPECT_FALSE(QString::fromUtf8(bytes).contains(QChar::ReplacementCharacter)) << count;
    }
    EXPECT_GE(count, 3);
}

TEST(MimeWriter, TextAttachmentsSayTheirCharsetWhenTheirBytesShowIt)
{
    QTemporaryDir dir;
    const struct {
        const char *file;
        QByteArray bytes;
        QJsonValue charset;
    } rows[] = {
        {"utf8.txt", QStringLiteral("日本語のテキスト\r\n").toUtf8(), QStringLiteral("utf-8")},
        {"sjis.txt", QByteArray("\x93\xfa\x96\x7b\x8c\xea\x87\x40\r\n"), QStringLiteral("shift_jis")},
        {"neither.txt", QByteArray("\xff\xfe\x80\x81\x82"), QJsonValue::Null},
    };
    QStringList paths;
    for (const auto &row : rows) {
        QFile file(dir.filePath(QString::fromLatin1(row.file)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(row.bytes);
        paths << file.fileName();
    }
    OutgoingMail mail = mailOf(QStringLiteral("s"), QStringLiteral("b"));
    mail.attachments = paths.join(u',');
    const QJsonArray parts = readBack(mail)[QStringLiteral("attachments")].toArray();
    ASSERT_EQ(parts.size(), 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(parts[i][QStringLiteral("type")].toString(), QStringLiteral("text/plain")) << rows[i].file;
        EXPECT_EQ(parts[i][QStringLiteral("charset")].toString().toLower(), rows[i].charset.toString()) << rows[i].file;
        EXPECT_EQ(parts[i][QStringLiteral("charset")].isNull(), rows[i].charset.isNull()) << rows[i].file;
        EXPECT_EQ(QByteArray::fromBase64(parts[i][QStringLiteral("data")].toString().toLatin1()), rows[i].bytes);
    }
}

TEST(MimeWriter, MissingAttachmentIsReportedWithItsPath)
{
    OutgoingMail mail = mailOf(QStringLiteral("s"), QStringLiteral("b"));
    mail.attachments = QStringLiteral("/no/such/file.txt");
    QString error;
    EXPECT_FALSE(MimeWriter::build(mail, kDate, &error).has_value());
    EXPECT_TRUE(error.contains(QStringLiteral("/no/such/file.txt")));
}

TEST(MimeWriter, EmptyRecipientIsRefused)
{
    OutgoingMail mail = mailOf(QStringLiteral("s"), QStringLiteral("b"));
    mail.to = QString();
    QString error;
    EXPECT_FALSE(MimeWriter::build(mail, kDate, &error).has_value());
    EXPECT_FALSE(error.isEmpty());
}
