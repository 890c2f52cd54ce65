#include "JunkSamples.h"

#include "core/addressbook/AddressBook.h"
#include "core/common/Sqlite.h"
#include "core/history/WholeMailLink.h"
#include "core/junk/JunkFilter.h"
#include "core/junk/JunkTokens.h"
#include "core/junk/JunkWordStore.h"

#include "support/Sandbox.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace {

JunkMail junk(int n)
{
    static const QStringList lines = {QStringLiteral("今すぐ登録で現金プレゼント、当選おめでとうございます"),
                                      QStringLiteral("出会い 無料 ポイント 先着 限定 高収入 副業"),
                                      QStringLiteral("Click here for FREE bitcoin casino bonus, limited offer"),
                                      QStringLiteral("お客様のアカウントは停止されました。ログインして確認してください")};
    JunkMail mail;
    mail.from = QStringLiteral("promo%1@bulk-mailer%2.example").arg(n).arg(n % 3);
    mail.subject = QStringLiteral("【当選】ご当選のお知らせ No.%1").arg(100 + n);
    mail.body = lines[n % 4] + u'\n' + lines[(n + 1) % 4] + QStringLiteral("\nhttp://win.bulk-mailer.example/%1").arg(n);
    return mail;
}

JunkMail good(int n)
{
    static const QStringList lines = {QStringLiteral("来週の会議の資料をお送りします。ご確認ください"),
                                      QStringLiteral("お疲れさまです。明日の打ち合わせは十時からでお願いします"),
                                      QStringLiteral("Thanks for the review, I merged the branch this morning"),
                                      QStringLiteral("先日はありがとうございました。写真を添付します")};
    JunkMail mail;
    mail.from = QStringLiteral("tanaka%1@example.co.jp").arg(n % 4);
    mail.subject = QStringLiteral("Re: 打ち合わせの件 %1").arg(100 + n);
    mail.body = lines[n % 4] + u'\n' + lines[(n + 2) % 4];
    return mail;
}

class JunkFilterTest : public ::testing::Test {
protected:
    void SetUp() override { JunkFilter::instance().reset(); }
    void TearDown() override { JunkFilter::instance().reset(); }

    void train(int junkCount = 10, int goodCount = 10)
    {
        for (int n = 0; n < junkCount; ++n)
            ASSERT_TRUE(filter.learn(junk(n), true));
        for (int n = 0; n < goodCount; ++n)
            ASSERT_TRUE(filter.learn(good(n), false));
    }

    Sandbox sandbox;
    JunkFilter &filter = JunkFilter::instance();
};

TEST_F(JunkFilterTest, GivesNoVerdictUntilTenOfEachKindWereLearnt)
{
    EXPECT_EQ(filter.score(junk(1)).verdict, JunkVerdict::Untrained);
    train(10, 9);
    EXPECT_EQ(filter.learnedJunk(), 10);
    EXPECT_EQ(filter.learnedGood(), 9);
    EXPECT_EQ(filter.judge(junk(100), {}).verdict, JunkVerdict::Untrained);
    ASSERT_TRUE(filter.learn(good(9), false));
    EXPECT_NE(filter.judge(junk(100), {}).verdict, JunkVerdict::Untrained);
    EXPECT_TRUE(QFile::exists(sandbox.dataPath(QStringLiteral("\\★MAilData\\junk-words.sqlite"))));
}

TEST_F(JunkFilterTest, AfterLearningItSeparatesJunkFromGoodMail)
{
    train();
    for (int n = 50; n < 58; ++n) {
        const JunkScore junkScore = filter.judge(junk(n), {});
        const JunkScore goodScore = filter.judge(good(n), {});
        EXPECT_EQ(junkScore.verdict, JunkVerdict::Junk) << junkScore.score;
        EXPECT_EQ(goodScore.verdict, JunkVerdict::Good) << goodScore.score;
        EXPECT_GT(junkScore.score, 0.9);
        EXPECT_LT(goodScore.score, 0.1);
    }
    // A mail with nothing learnt in it is left to the user.
    JunkMail unknown;
    unknown.body = QStringLiteral("zzqv wkxp");
    EXPECT_EQ(filter.judge(unknown, {}).verdict, JunkVerdict::Unsure);
    EXPECT_DOUBLE_EQ(filter.judge(unknown, {}).score, 0.5);
}

TEST_F(JunkFilterTest, LearningAMailTheOtherWayMovesItsCountsInsteadOfAddingThem)
{
    train();
    const JunkMail mail = good(3);
    ASSERT_TRUE(filter.learn(mail, false));  // learnt as good already: nothing changes
    EXPECT_EQ(filter.learnedGood(), 10);
    const double before = filter.score(mail).score;

    ASSERT_TRUE(filter.learn(mail, true));
    EXPECT_EQ(filter.learnedGood(), 9);
    EXPECT_EQ(filter.learnedJunk(), 11);
    EXPECT_GT(filter.score(mail).score, before);

    ASSERT_TRUE(filter.learn(mail, false));
    EXPECT_EQ(filter.learnedGood(), 10);
    EXPECT_EQ(filter.learnedJunk(), 10);
    EXPECT_NEAR(filter.score(mail).score, before, 1e-9);

    // Many at once, with one of them learnt the other way before.
    EXPECT_EQ(filter.learnAll({junk(40), junk(41), good(5)}, true), 3);
    EXPECT_EQ(filter.learnedJunk(), 13);
    EXPECT_EQ(filter.learnedGood(), 9);
}

TEST_F(JunkFilterTest, WhatAnotherProcessLearntCountsAtOnce)
{
    train();
    const JunkMail mail = good(90);
    const double before = filter.score(mail).score;
    // Another connection to the same file, as --junk-learn run beside a window would be.
    JunkWordStore other;
    ASSERT_TRUE(other.open(JunkFilter::storePath()));
    QList<JunkWordStore::Mail> learnt;
    for (int n = 0; n < 5; ++n) {
        JunkMail copy = good(90);
        copy.subject += QString::number(n * 11);
        learnt << JunkWordStore::Mail{QByteArray::number(n), JunkTokens::keysOf(copy)};
    }
    ASSERT_EQ(other.learn(learnt, true), 5);
    EXPECT_EQ(filter.learnedJunk(), 15);
    EXPECT_GT(filter.score(mail).score, before);
}

TEST_F(JunkFilterTest, TrustedSendersAreNeverJunk)
{
    train();
    const JunkMail mail = junk(70);
    ASSERT_EQ(filter.judge(mail, {}).verdict, JunkVerdict::Junk);
    EXPECT_NE(filter.judge(mail, {mail.senderAddress()}).verdict, JunkVerdict::Junk);

    // The address book's addresses, those the user wrote to and those the user trusted count.
    AddressBook book;
    ASSERT_TRUE(book.append(QStringLiteral("友人"), QStringLiteral("Friend <Promo70@Bulk-Mailer1.example>")).ok);
    ASSERT_TRUE(filter.trust({QStringLiteral("Sender@Example.ORG")}));
    ASSERT_TRUE(HistoryFile(HistoryFile::Kind::Sent)
                    .append({QStringLiteral("Re: 会議"), QStringLiteral("2026/12/08  10:00:00"),
                             QStringLiteral("太郎 <Taro@Example.JP>, hanako@example.jp"), QStringLiteral("了解")})
                    .ok);
    const QSet<QString> trusted = filter.trustedSenders();
    EXPECT_TRUE(trusted.contains(QStringLiteral("promo70@bulk-mailer1.example")));
    EXPECT_TRUE(trusted.contains(QStringLiteral("sender@example.org")));
    EXPECT_TRUE(trusted.contains(QStringLiteral("taro@example.jp")));
    EXPECT_TRUE(trusted.contains(QStringLiteral("hanako@example.jp")));
    EXPECT_NE(filter.judge(mail, trusted).verdict, JunkVerdict::Junk);
}

TEST_F(JunkFilterTest, ADamagedOrForeignStoreIsSetAsideAndBegunAnew)
{
    const QString path = JunkFilter::storePath();
    for (const QByteArray &bytes : {QByteArray("SQLite format 3\0", 16) + QByteArray(3000, '\x7f'),
                                    QByteArray("not a database at all"), QByteArray()}) {
        filter.reset();
        QDir().mkpath(QFileInfo(path).absolutePath());
        Sandbox::writeFile(path, bytes);
        if (bytes.isEmpty()) {
            // A database of another program: sound, but not the filter's.
            SqliteDb other;
            ASSERT_TRUE(other.open(path));
            ASSERT_TRUE(other.exec("CREATE TABLE words(x); PRAGMA user_version=7;"));
        }
        train();
        EXPECT_EQ(filter.learnedJunk(), 10);
        EXPECT_TRUE(QFile::exists(path + QStringLiteral(".broken")));
        EXPECT_FALSE(filter.errorText().isEmpty());
        EXPECT_TRUE(filter.errorText().isEmpty());  // said once
        QFile::remove(path + QStringLiteral(".broken"));
    }

    // Cut short under a running filter: the next open starts afresh.
    filter.reset();
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    file.resize(1500);
    file.close();
    QFile::remove(path + QStringLiteral("-wal"));
    EXPECT_EQ(filter.score(junk(1)).verdict, JunkVerdict::Untrained);
    EXPECT_TRUE(filter.learn(junk(1), true));
}

TEST_F(JunkFilterTest, SpoofedRecordsAreRememberedByTheirHeads)
{
    EXPECT_FALSE(filter.isSpoofed("head-1"));
    ASSERT_TRUE(filter.noteSpoofed("head-1"));
    ASSERT_TRUE(filter.noteSpoofed("head-1"));
    EXPECT_TRUE(filter.isSpoofed("head-1"));
    EXPECT_FALSE(filter.isSpoofed("head-2"));

    // After training, a failed authentication weighs towards junk as a token of its own.
    train();
    JunkMail mail;
    mail.from = QStringLiteral("someone@unknown.example");
    mail.body = QStringLiteral("zzqv wkxp");
    EXPECT_DOUBLE_EQ(filter.score(mail).score, 0.5);
    mail.spoofed = true;
    EXPECT_GT(filter.score(mail).score, 0.95);
}

TEST_F(JunkFilterTest, AStoredRecordReadsAsItsMail)
{
    HistoryRecord record;
    record.Subject = QStringLiteral("件名");
    record.Correspondent = QStringLiteral("山田 <yamada@example.jp>");
    record.Body = QStringLiteral("本文です");
    const JunkMail received = JunkMail::of(HistoryFile::Kind::Junk, record);
    EXPECT_EQ(received.senderAddress(), QStringLiteral("yamada@example.jp"));
    EXPECT_EQ(received.body, QStringLiteral("本文です"));
    const JunkMail sent = JunkMail::of(HistoryFile::Kind::Sent, record);
    EXPECT_TRUE(sent.senderAddress().isEmpty());
    EXPECT_EQ(sent.to, record.Correspondent);

    // A record that links its whole mail reads as that mail, header included.
    const QByteArray raw = JunkSamples::mail(QStringLiteral("ISO-2022-JP"), QStringLiteral("山田 <yamada@example.jp>"),
                                             QStringLiteral("件名"), QStringLiteral("全文の本文です"),
                                             "X-Spam-Flag: YES\r\n");
    QString error;
    ASSERT_TRUE(WholeMailLink::keepReceived(record, raw, record.Subject, &error)) << qPrintable(error);
    const JunkMail whole = JunkMail::of(HistoryFile::Kind::Junk, record);
    EXPECT_EQ(whole.body.trimmed(), QStringLiteral("全文の本文です"));
    EXPECT_TRUE(JunkTokens::of(whole).contains(QStringLiteral("x-spam-flag:yes")));
    EXPECT_EQ(JunkTokens::of(whole), JunkTokens::of(JunkSamples::junkMail(raw)));
}

} // namespace
