#include "core/search/SearchIndex.h"

#include "core/history/HistoryMove.h"
#include "core/history/WholeMailLink.h"
#include "support/Sandbox.h"

#include <QFile>

#include <gtest/gtest.h>

#include <set>

namespace {

using Kind = HistoryFile::Kind;

HistoryRecord mail(const QString &subject, const QString &from, const QString &body,
                   const QString &date = QStringLiteral("Mon, 7 Dec 2026 10:00:00 +0900"))
{
    return {subject, date, from, body};
}

// What a query finds, as "r3" / "s1" (history and record number), newest first.
QStringList found(SearchIndex &index, const QString &text)
{
    const auto query = SearchQuery::parse(text);
    EXPECT_TRUE(query) << text.toStdString();
    if (!query)
        return {};
    const auto answer = index.search(*query);
    EXPECT_TRUE(answer.error.isEmpty()) << answer.error.toStdString();
    QStringList out;
    for (const auto &hit : answer.hits)
        out << (hit.kind == Kind::Received ? u'r' : u's') + QString::number(hit.number);
    return out;
}

QStringList list(std::initializer_list<const char *> items)
{
    QStringList out;
    for (const char *item : items)
        out << QString::fromUtf8(item);
    return out;
}

class SearchHistory : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(index.open()); }

    void caughtUp()
    {
        ASSERT_TRUE(index.catchUp());
        const auto counts = index.counts();
        ASSERT_EQ(counts.indexed, counts.total);
    }

    Sandbox sandbox;
    SearchIndex index;
    HistoryFile received{Kind::Received};
    HistoryFile sent{Kind::Sent};
};

TEST_F(SearchHistory, FieldsPrefixesDatesAndBothHistories)
{
    received.append(mail(QStringLiteral("遠足のお知らせ"), QStringLiteral("学校 <school@example.jp>"),
                         QStringLiteral("明日は遠足です。\r\nお弁当を持ってきてください。"),
                         QStringLiteral("Tue, 5 Mar 2024 09:00:00 +0900")));
    received.append(mail(QStringLiteral("会議の件"), QStringLiteral("山田 <yamada@example.com>"),
                         QStringLiteral("Meeting in Tokyo, room ＡＢＣ."), QStringLiteral("Fri, 1 Nov 2024 18:30:00 +0900")));
    sent.append(mail(QStringLiteral("Re: 遠足のお知らせ"), QStringLiteral("school@example.jp"),
                     QStringLiteral("承知しました。ｶﾀｶﾅ"), QStringLiteral("2024/03/06  08:00:00")));
    caughtUp();

    const struct {
        const char *query;
        QStringList expected;
    } cases[] = {
        {"遠足", list({"s1", "r1"})},
        {"遠", list({"s1", "r1"})},
        {"in:received 遠足", list({"r1"})},
        {"in:sent 遠足", list({"s1"})},
        {"from:school", list({"r1"})},
        {"to:school", list({"s1"})},
        {"school", list({"s1", "r1"})},
        {"subject:お弁当", list({})},
        {"body:お弁当", list({"r1"})},
        {"subject:会議", list({"r2"})},
        {"meeting tokyo", list({"r2"})},
        {"MEET", list({"r2"})},
        {"abc", list({"r2"})},
        {"カタカナ", list({"s1"})},
        {"\"in tokyo\"", list({"r2"})},
        {"\"tokyo in\"", list({})},
        {"since:2024-03-06", list({"r2", "s1"})},
        {"until:2024-03-05", list({"r1"})},
        {"since:2024-03-05 until:2024-03-05 遠足", list({"r1"})},
        {"from:山田 since:2024-11-02", list({})},
        {"yamada@example.com", list({"r2"})},
        {"10:00", list({})},
    };
    for (const auto &c : cases)
        EXPECT_EQ(found(index, QString::fromUtf8(c.query)), c.expected) << c.query;
}

TEST_F(SearchHistory, BadQueriesSayWhy)
{
    for (const char *text : {"", "   ", "since:2024-13-01", "until:yesterday", "in:trash", "\"open", "from:",
                             "since:2024-05-01 until:2024-04-01"}) {
        QString why;
        EXPECT_FALSE(SearchQuery::parse(QString::fromUtf8(text), &why)) << text;
        EXPECT_FALSE(why.isEmpty()) << text;
        EXPECT_FALSE(why.contains(u'\n')) << text;
    }
}

TEST_F(SearchHistory, AKeptWholeMailIsFoundBeyondItsRecord)
{
    const QByteArray raw =
        "From: =?UTF-8?B?5a2m5qCh?= <school@example.jp>\r\n"
        "To: parent@example.jp\r\nCc: teacher@example.jp\r\n"
        "Subject: =?UTF-8?B?6YGg6Laz?=\r\nDate: Tue, 5 Mar 2024 09:00:00 +0900\r\n"
        "MIME-Version: 1.0\r\nContent-Type: multipart/mixed; boundary=\"b\"\r\n\r\n"
        "--b\r\nContent-Type: text/plain; charset=UTF-8\r\nContent-Transfer-Encoding: 8bit\r\n\r\n"
        "\xE9\x81\xA0\xE8\xB6\xB3\xE3\x81\xAE\xE6\x97\xA5\xE7\xA8\x8B \xF0\x9F\x8E\x92 \xE9\x9B\xA8\xE5\xA4\xA9\xE6\xB1\xBA\xE8\xA1\x8C\r\n"
        "--b\r\nContent-Type: application/pdf; name=\"plan.pdf\"\r\n"
        "Content-Disposition: attachment; filename=\"plan-2024.pdf\"\r\nContent-Transfer-Encoding: base64\r\n\r\n"
        "JVBERg==\r\n--b--\r\n";
    HistoryRecord record = mail(QStringLiteral("遠足"), QStringLiteral("学校 <school@example.jp>"),
                                QStringLiteral("遠足の日程"), QStringLiteral("Tue, 5 Mar 2024 09:00:00 +0900"));
    QString error;
    ASSERT_TRUE(WholeMailLink::keepReceived(record, raw, record.Subject, &error)) << error.toStdString();
    received.append(record);
    received.append(mail(QStringLiteral("other"), QStringLiteral("x@example.jp"), QStringLiteral("雨天")));
    caughtUp();

    // 雨天決行 and the pictograph are only in the kept mail, not in its record.
    EXPECT_EQ(found(index, QStringLiteral("雨天決行")), list({"r1"}));
    EXPECT_EQ(found(index, QStringLiteral("🎒")), list({"r1"}));
    EXPECT_EQ(found(index, QStringLiteral("file:plan-2024")), list({"r1"}));
    EXPECT_EQ(found(index, QStringLiteral("file:pdf")), list({"r1"}));
    EXPECT_EQ(found(index, QStringLiteral("to:teacher")), list({"r1"}));
    EXPECT_EQ(found(index, QStringLiteral("雨天")), list({"r2", "r1"}));
    // The link line is the program's note, no text of the mail.
    EXPECT_EQ(found(index, QStringLiteral("全文")), list({}));
}

TEST_F(SearchHistory, DeletionsAndCompactionKeepEveryAnswerOnItsMail)
{
    for (int n = 1; n <= 6; ++n)
        received.append(mail(QStringLiteral("件名%1").arg(n), QStringLiteral("f@example.jp"),
                             QStringLiteral("本文 固有%1 共通").arg(QChar(u'A' + n))));
    caughtUp();
    EXPECT_EQ(found(index, QStringLiteral("固有e")).value(0), QStringLiteral("r4"));

    // Deleted mails leave the answers at once; the others keep pointing at their mail.
    ASSERT_TRUE(received.remove(2).ok);
    EXPECT_EQ(found(index, QStringLiteral("固有c")), list({}));
    EXPECT_EQ(found(index, QStringLiteral("固有e")), list({"r3"}));
    const QStringList all = found(index, QStringLiteral("共通"));
    ASSERT_EQ(all.size(), 5);
    for (int n : {1, 3, 4, 5, 6}) {
        const auto query = SearchQuery::parse(QStringLiteral("固有%1").arg(QChar(u'A' + n)));
        const auto hit = index.search(*query).hits.value(0);
        const auto record = received.read(hit.number);
        ASSERT_TRUE(record);
        EXPECT_TRUE(record->Body.contains(QStringLiteral("固有%1").arg(QChar(u'A' + n)))) << n;
    }

    // Deleting the first records (全件削除 of what was listed) while new mail came after.
    received.append(mail(QStringLiteral("新着"), QStringLiteral("n@example.jp"), QStringLiteral("固有Z")));
    ASSERT_TRUE(received.removeAll(5).ok);
    EXPECT_EQ(found(index, QStringLiteral("共通")), list({}));
    EXPECT_TRUE(found(index, QStringLiteral("固有z")).isEmpty() || found(index, QStringLiteral("固有z")) == list({"r1"}));
    caughtUp();
    EXPECT_EQ(found(index, QStringLiteral("固有z")), list({"r1"}));
}

TEST_F(SearchHistory, MailMovedToJunkLeavesTheAnswersAtOnceAndComesBackWithItsMove)
{
    for (int n = 1; n <= 4; ++n)
        received.append(mail(QStringLiteral("件名%1").arg(n), QStringLiteral("f@example.jp"),
                             QStringLiteral("本文 固有%1 共通").arg(QChar(u'A' + n))));
    caughtUp();
    ASSERT_TRUE(HistoryMove::run(Kind::Received, Kind::Junk, {2, 3}).ok);
    // 迷惑メール is not searched; the rest keep pointing at their mail.
    EXPECT_EQ(found(index, QStringLiteral("固有c")), list({}));
    EXPECT_EQ(found(index, QStringLiteral("固有e")), list({"r2"}));
    EXPECT_EQ(found(index, QStringLiteral("共通")), list({"r2", "r1"}));

    ASSERT_TRUE(HistoryMove::run(Kind::Junk, Kind::Received, {1}).ok);
    caughtUp();
    EXPECT_EQ(found(index, QStringLiteral("固有c")), list({"r3"}));
    EXPECT_EQ(found(index, QStringLiteral("固有d")), list({}));
    EXPECT_EQ(received.read(3)->trimmed().Subject, QStringLiteral("件名2"));
}

TEST_F(SearchHistory, NewMailIsFoundAfterACatchUpAndASearchDuringTheBuildSaysItIsPartial)
{
    for (int n = 1; n <= 50; ++n)
        received.append(mail(QStringLiteral("s%1").arg(n), QStringLiteral("f"), QStringLiteral("本文%1").arg(n)));
    std::atomic_bool stop{false};
    // Stopped after the first batch: the newest are in, the search says it is not done.
    ASSERT_FALSE(index.catchUp([&](int, int) { stop = true; }, &stop, 10));
    EXPECT_EQ(index.counts().indexed, 10);
    const auto partial = index.search(*SearchQuery::parse(QStringLiteral("本文")));
    EXPECT_FALSE(partial.complete);
    ASSERT_EQ(partial.hits.size(), 10);
    EXPECT_EQ(partial.hits.first().number, 50);
    EXPECT_EQ(partial.hits.last().number, 41);

    caughtUp();
    EXPECT_TRUE(index.search(*SearchQuery::parse(QStringLiteral("本文"))).complete);
    sent.append(mail(QStringLiteral("送ったメール"), QStringLiteral("to@example.jp"), QStringLiteral("新しい本文")));
    caughtUp();
    EXPECT_EQ(found(index, QStringLiteral("新しい")), list({"s1"}));
}

TEST_F(SearchHistory, MailAppendedOrTakenBackBehindTheLastKnownIsSeenAsItIs)
{
    for (int n = 1; n <= 3; ++n)
        received.append(mail(QStringLiteral("件名%1").arg(n), QStringLiteral("f"), QStringLiteral("古い本文%1").arg(n)));
    caughtUp();
    received.append(mail(QStringLiteral("追加"), QStringLiteral("f"), QStringLiteral("追加の本文")));
    const qint64 before = received.length();
    received.append(mail(QStringLiteral("取り消し"), QStringLiteral("f"), QStringLiteral("取り消す本文")));
    caughtUp();
    EXPECT_EQ(found(index, QStringLiteral("追加の")), list({"r4"}));
    EXPECT_EQ(found(index, QStringLiteral("取り消す")), list({"r5"}));

    // The last append taken back in place, and another mail stored at its number.
    ASSERT_TRUE(received.takeBackAppend(before, received.length()));
    received.append(mail(QStringLiteral("代わり"), QStringLiteral("f"), QStringLiteral("代わりの本文")));
    caughtUp();
    EXPECT_EQ(found(index, QStringLiteral("取り消す")), list({}));
    EXPECT_EQ(found(index, QStringLiteral("代わりの")), list({"r5"}));
    EXPECT_EQ(found(index, QStringLiteral("古い本文2")), list({"r2"}));
}

TEST_F(SearchHistory, ManyDeletedMailsAreSweptOutAndTheRestFoundAgain)
{
    for (int n = 1; n <= 100; ++n)
        received.append(mail(QStringLiteral("件名%1").arg(n), QStringLiteral("f"), QStringLiteral("共通 本文%1番").arg(n)));
    caughtUp();
    ASSERT_TRUE(received.removeAll(80).ok);
    EXPECT_FALSE(found(index, QStringLiteral("本文85番")).contains(QStringLiteral("r85")));
    caughtUp();
    EXPECT_EQ(found(index, QStringLiteral("共通")).size(), 20);
    EXPECT_EQ(found(index, QStringLiteral("本文85番")), list({"r5"}));
    EXPECT_EQ(found(index, QStringLiteral("本文80番")), list({}));
}

TEST_F(SearchHistory, ADamagedOrForeignIndexIsBuiltAgain)
{
    received.append(mail(QStringLiteral("件名"), QStringLiteral("f"), QStringLiteral("遠足")));
    caughtUp();
    index.close();
    const QString path = SearchIndex::defaultPath();
    const QByteArray good = Sandbox::readFile(path);
    ASSERT_GE(good.size(), 4096 * 4);

    QByteArray otherVersion = good;
    otherVersion[63] = char(99);  // the header's user version
    const QList<QByteArray> damaged = {
        otherVersion,
        good.left(good.size() / 2),                                  // cut short
        QByteArray(good.size(), 'x'),                                // no database at all
        good.left(100) + QByteArray(good.size() - 100, '\0'),        // pages gone
        QByteArray(),                                                // empty
    };
    for (int i = 0; i < damaged.size(); ++i) {
        QFile::remove(path + QStringLiteral("-wal"));
        QFile::remove(path + QStringLiteral("-shm"));
        Sandbox::writeFile(path, damaged[i]);
        SearchIndex again;
        QString notice;
        QString error;
        ASSERT_TRUE(again.open(&notice, &error)) << i << error.toStdString();
        ASSERT_TRUE(again.catchUp()) << i;
        EXPECT_EQ(found(again, QStringLiteral("遠足")), list({"r1"})) << i;
        EXPECT_FALSE(notice.contains(u'\n')) << i;
        if (!damaged[i].isEmpty())
            EXPECT_FALSE(notice.isEmpty()) << i;
    }
}

} // namespace
