#include "JunkSamples.h"

#include "core/junk/JunkTokens.h"

#include <gtest/gtest.h>

namespace {

const QString kSubject = QStringLiteral("【重要】アカウント確認のお願い ｶｰﾄﾞ Ｎｏ．１２");
const QString kBody = QStringLiteral("お客様のアカウントが一時停止されました。\n"
                                     "下記のURLからログインしてください。\n"
                                     "https://secure-login.example-bank.co.jp/verify?id=12345\n"
                                     "ｶｽﾀﾏｰｾﾝﾀｰ Customer Service Team\n");

QStringList tokensIn(const QString &charset)
{
    return JunkTokens::of(JunkSamples::junkMail(
        JunkSamples::mail(charset, QStringLiteral("銀行 サポート <support@example-bank.co.jp>"), kSubject, kBody)));
}

TEST(JunkTokens, OneMailInEachJapaneseCharsetGivesTheSameTokens)
{
    const QStringList utf8 = tokensIn(QStringLiteral("UTF-8"));
    EXPECT_EQ(tokensIn(QStringLiteral("ISO-2022-JP")), utf8);
    EXPECT_EQ(tokensIn(QStringLiteral("Shift_JIS")), utf8);

    // What the reader sees, not what the charset made of it.
    for (const char *expected : {"アカ", "カウ", "停止", "ログ", "customer", "service", "subject:確認", "subject:重要",
                                 "subject-tag:重要", "from:銀行", "from-addr:support@example-bank.co.jp",
                                 "from-domain:example-bank.co.jp", "url-host:secure-login.example-bank.co.jp",
                                 "url-host:example-bank.co.jp"})
        EXPECT_TRUE(utf8.contains(QString::fromUtf8(expected))) << expected;
    for (const QString &token : utf8) {
        EXPECT_FALSE(token.contains(QChar(0x1b))) << qPrintable(token);
        EXPECT_FALSE(token.contains(QLatin1String("$b"))) << qPrintable(token);
    }
}

TEST(JunkTokens, HalfWidthKanaAndFullWidthLettersReadAsTheirCommonForms)
{
    QStringList half, full;
    JunkTokens::addText(half, QStringLiteral("ｶｽﾀﾏｰｾﾝﾀｰ ＣＵＳＴＯＭＥＲ　Ｓｅｒｖｉｃｅ ﾊﾟｽﾜｰﾄﾞ"));
    JunkTokens::addText(full, QStringLiteral("カスタマーセンター customer service パスワード"));
    // addText takes text already normalised, as JunkTokens::of hands it over.
    QStringList normalisedHalf;
    JunkTokens::addText(normalisedHalf, QStringLiteral("ｶｽﾀﾏｰｾﾝﾀｰ ＣＵＳＴＯＭＥＲ　Ｓｅｒｖｉｃｅ ﾊﾟｽﾜｰﾄﾞ")
                                            .normalized(QString::NormalizationForm_KC).toCaseFolded());
    EXPECT_EQ(normalisedHalf, full);

    JunkMail halfMail;
    halfMail.body = QStringLiteral("ﾊﾟｽﾜｰﾄﾞ ＲＥＳＥＴ");
    JunkMail fullMail;
    fullMail.body = QStringLiteral("パスワード reset");
    EXPECT_EQ(JunkTokens::of(halfMail), JunkTokens::of(fullMail));
    EXPECT_TRUE(JunkTokens::of(fullMail).contains(QStringLiteral("スワ")));
}

TEST(JunkTokens, WordsGramsAndTheirLimits)
{
    QStringList tokens;
    JunkTokens::addText(tokens, QStringLiteral("free money!!! 今すぐ登録 a x1 ") + QString(45, u'z') + QStringLiteral(" ok。猫"));
    EXPECT_EQ(tokens, (QStringList{QStringLiteral("free"), QStringLiteral("money"), QStringLiteral("今す"),
                                   QStringLiteral("すぐ"), QStringLiteral("ぐ登"), QStringLiteral("登録"),
                                   QStringLiteral("x1"), QStringLiteral("long:40"), QStringLiteral("ok"),
                                   QStringLiteral("猫")}));
    QStringList thai;
    JunkTokens::addText(thai, QStringLiteral("ภาษา"));
    EXPECT_EQ(thai.size(), 3);
}

TEST(JunkTokens, ServerVerdictsTagsAndLinksBecomeTokensOfTheirOwn)
{
    const QByteArray raw = JunkSamples::mail(QStringLiteral("UTF-8"), QStringLiteral("<x@spam.example>"),
                                             QStringLiteral("[meiwaku] [SPAM] 【迷惑メール】当選しました"),
                                             QStringLiteral("see http://user@Click.Example.COM/a and www.shop.example.net now"),
                                             "X-Spam-Flag: YES\r\nX-Spam-Status: Yes, score=9.1\r\n");
    const QStringList tokens = JunkTokens::of(JunkSamples::junkMail(raw));
    for (const char *expected : {"x-spam-flag:yes", "x-spam-status:yes", "subject-tag:meiwaku", "subject-tag:spam",
                                 "subject-tag:迷惑メール", "url-host:click.example.com", "url-host:example.com",
                                 "url-host:www.shop.example.net", "url-host:example.net", "msgid-domain:spam.example"})
        EXPECT_TRUE(tokens.contains(QString::fromUtf8(expected))) << expected;

    JunkMail spoofed = JunkSamples::junkMail(raw);
    EXPECT_FALSE(tokens.contains(JunkTokens::kSpoofed));
    spoofed.spoofed = true;
    EXPECT_TRUE(JunkTokens::of(spoofed).contains(JunkTokens::kSpoofed));
}

TEST(JunkTokens, MultipartMailsCountTheirTextsAndFileNamesNotTheirMimeBody)
{
    const QByteArray raw = "From: a@example.jp\r\nSubject: files\r\nMIME-Version: 1.0\r\n"
                           "Content-Type: multipart/mixed; boundary=b\r\n\r\n"
                           "--b\r\nContent-Type: text/plain; charset=UTF-8\r\n\r\nplease open the invoice\r\n"
                           "--b\r\nContent-Type: application/octet-stream; name=invoice.exe\r\n"
                           "Content-Disposition: attachment; filename=invoice.exe\r\n"
                           "Content-Transfer-Encoding: base64\r\n\r\nTVqQAAMAAAAEAAAA\r\n--b--\r\n";
    const QStringList tokens = JunkTokens::of(JunkSamples::junkMail(raw));
    EXPECT_TRUE(tokens.contains(QStringLiteral("invoice")));
    EXPECT_TRUE(tokens.contains(QStringLiteral("file-ext:exe")));
    EXPECT_TRUE(tokens.contains(QStringLiteral("file:invoice")));
    EXPECT_FALSE(tokens.contains(QStringLiteral("tvqqaamaaaaeaaaa")));
    EXPECT_FALSE(tokens.contains(QStringLiteral("boundary")));
}

} // namespace
