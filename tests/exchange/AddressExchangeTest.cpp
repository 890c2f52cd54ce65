#include "core/exchange/AddressExchange.h"

#include "core/addressbook/AddressBook.h"
#include "core/common/FixedField.h"
#include "support/Sandbox.h"

#include <gtest/gtest.h>

namespace {

using AddressExchange::Entry;

QString fixture(const char *name)
{
    return QStringLiteral(PINTORA_EXCHANGE_DATA "/") + QString::fromLatin1(name);
}

// The book as its window lists it: name and address, spaces removed.
QList<Entry> book()
{
    QList<Entry> entries;
    AddressBook().forEach([&](int, const AddressBookRecord &record) {
        entries.append({FixedField::trimSpaces(record.PersonName), FixedField::trimSpaces(record.MailAddress)});
        return true;
    });
    return entries;
}

struct Case {
    const char *file;
    QList<Entry> stored;
    QStringList rejected;  // names or addresses of the entries listed as not fitting
};

class AddressImport : public ::testing::Test {
protected:
    Sandbox sandbox;
};

} // namespace

TEST_F(AddressImport, CardsAndListsOfCommonProgramsBecomeRecords)
{
    const QList<Case> cases = {
        {"phone-2.1-shiftjis.vcf",
         {{QStringLiteral("山田太郎"), QStringLiteral("taro.yamada@docomo.ne.jp")},
          {QStringLiteral("山田太郎"), QStringLiteral("taro@example.jp")},
          {QStringLiteral("佐藤花子（大学のサークル仲間・テニス部）"), QStringLiteral("hanako-sato@ezweb.ne.jp")},
          {QStringLiteral("鈴木 ①"), QStringLiteral("ichiro@softbank.ne.jp")}},
         {}},
        {"phone-2.1-utf8.vcf", {{QStringLiteral("森 葵（スマートフォン・UTF-8）"), QStringLiteral("aoi.mori@au.com")}}, {}},
        {"smartphone-3.0.vcf",
         {{QStringLiteral("高橋 健一"), QStringLiteral("kenichi@example.co.jp")},
          {QStringLiteral("高橋 健一"), QStringLiteral("ken.t@icloud.com")},
          {QStringLiteral("John Smith"), QStringLiteral("john.smith@example.com")}},
         {}},
        {"contacts-4.0.vcf",
         {{QStringLiteral("伊藤 美咲"), QStringLiteral("misaki.ito@example.jp")},
          {QStringLiteral("伊藤 美咲"), QStringLiteral("misaki@example.net")}},
         {QStringLiteral("渡辺 𠮷男")}},
        {"outlook-ja-shiftjis.csv",
         {{QStringLiteral("中村 誠"), QStringLiteral("makoto.nakamura@example.co.jp")},
          {QStringLiteral("中村 誠"), QStringLiteral("makoto@example.ne.jp")},
          {QStringLiteral("小林 さくら"), QStringLiteral("sakura@example.jp")},
          {QString(), QStringLiteral("info@test.example.jp")}},
         {}},
        {"thunderbird-utf8-bom.csv",
         {{QStringLiteral("加藤 一郎"), QStringLiteral("ichiro.kato@example.jp")},
          {QStringLiteral("加藤 一郎"), QStringLiteral("kato@example.org")},
          {QString(), QStringLiteral("solo@example.jp")},
          {QStringLiteral("山本 花子, PTA"), QStringLiteral("hanako.yamamoto@example.jp")}},
         {}},
        {"google-contacts.csv",
         {{QStringLiteral("松本 大輔"), QStringLiteral("daisuke@example.jp")},
          {QStringLiteral("松本 大輔"), QStringLiteral("daisuke.m@example.com")},
          {QStringLiteral("松本 大輔"), QStringLiteral("matsumoto@example.co.jp")},
          {QStringLiteral("Emily Brown"), QStringLiteral("emily.brown@example.com")}},
         {}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.file);
        QFile::remove(AddressBook().path());
        const auto outcome = AddressExchange::importFile(fixture(c.file));
        ASSERT_TRUE(outcome.ok) << qPrintable(outcome.error);
        EXPECT_EQ(book(), c.stored);
        EXPECT_EQ(outcome.added, c.stored.size());
        QStringList rejected;
        for (const auto &entry : outcome.rejected)
            rejected << entry.entry.name;
        EXPECT_EQ(rejected, c.rejected);
    }
}

TEST_F(AddressImport, AddsAtTheEndSkipsWhatIsThereAndListsWhatCannotFit)
{
    AddressBook existing;
    ASSERT_TRUE(existing.append(QStringLiteral("既存"), QStringLiteral("old@example.jp")).ok);
    ASSERT_TRUE(existing.append(QStringLiteral("高橋 健一"), QStringLiteral("kenichi@example.co.jp")).ok);

    const QString longAddress = QString(80, u'a') + QStringLiteral("@example.jp");
    const QString longName = QString(46, u'長');
    const QByteArray csv = "名前,メールアドレス\r\n"
                           "高橋 健一,kenichi@example.co.jp\r\n"
                           "新しい人,new@example.jp\r\n"
                           "新しい人,new@example.jp\r\n"
                           "寿司😊,sushi@example.jp\r\n"
                           + longName.toUtf8() + ",longname@example.jp\r\n"
                           "長いアドレス," + longAddress.toUtf8() + "\r\n";
    Sandbox::writeFile(sandbox.workPath(QStringLiteral("list.csv")), csv);
    const auto outcome = AddressExchange::importFile(sandbox.workPath(QStringLiteral("list.csv")));
    ASSERT_TRUE(outcome.ok);
    EXPECT_EQ(outcome.added, 1);
    EXPECT_EQ(outcome.alreadyThere, 2);
    EXPECT_EQ(book(), QList<Entry>({{QStringLiteral("既存"), QStringLiteral("old@example.jp")},
                                   {QStringLiteral("高橋 健一"), QStringLiteral("kenichi@example.co.jp")},
                                   {QStringLiteral("新しい人"), QStringLiteral("new@example.jp")}}));
    ASSERT_EQ(outcome.rejected.size(), 3);
    const QString box = AddressExchange::summary(outcome);
    EXPECT_TRUE(box.startsWith(QStringLiteral("1 件をアドレス帳に追加しました。")));
    EXPECT_TRUE(box.contains(QStringLiteral("次の 3 件は記録に収まらないため、追加しませんでした。")));
    EXPECT_TRUE(box.contains(QStringLiteral("・寿司😊 <sushi@example.jp>: 名前の「😊」はシフトJISにない文字です")));
    EXPECT_TRUE(box.contains(QStringLiteral("名前が長すぎます（92 バイト、90 バイトまで）")));
    EXPECT_TRUE(box.contains(QStringLiteral("メールアドレスが長すぎます（91 バイト、90 バイトまで）")));

    Sandbox::writeFile(sandbox.workPath(QStringLiteral("bad.csv")), "a,b\r\n1,2\r\n");
    const auto noColumn = AddressExchange::importFile(sandbox.workPath(QStringLiteral("bad.csv")));
    EXPECT_FALSE(noColumn.ok);
    EXPECT_TRUE(noColumn.error.contains(QStringLiteral("メールアドレスの列")));
    EXPECT_FALSE(AddressExchange::importFile(sandbox.workPath(QStringLiteral("none.vcf"))).ok);
    EXPECT_EQ(book().size(), 3);
}

TEST_F(AddressImport, ExportedCardsAndListsReadBackAsTheBook)
{
    AddressBook existing;
    ASSERT_TRUE(existing.append(QStringLiteral("山田 太郎"), QStringLiteral("taro@example.jp")).ok);
    ASSERT_TRUE(existing.append(QStringLiteral("Doe, John; Jr."), QStringLiteral("john@example.com")).ok);
    ASSERT_TRUE(existing.append(QStringLiteral("ｶﾅ①と長い名前の人ですよ、とても長い名前の人ですよ"), QStringLiteral("kana@example.jp")).ok);
    ASSERT_TRUE(existing.append(QString(), QStringLiteral("花子<hanako@example.jp>")).ok);

    const QString vcf = sandbox.workPath(QStringLiteral("book.vcf"));
    const QString csv = sandbox.workPath(QStringLiteral("book.csv"));
    ASSERT_TRUE(AddressExchange::exportFile(vcf).ok);
    ASSERT_TRUE(AddressExchange::exportFile(csv).ok);
    const QByteArray cards = Sandbox::readFile(vcf);
    EXPECT_TRUE(cards.startsWith("BEGIN:VCARD\r\nVERSION:3.0\r\nFN:山田 太郎\r\nN:山田;太郎;;;\r\nEMAIL;TYPE=INTERNET:taro@example.jp\r\nEND:VCARD\r\n"));
    EXPECT_TRUE(cards.contains("FN:Doe\\, John\\; Jr.\r\n"));
    for (const QByteArray &line : cards.split('\n'))
        EXPECT_LE(line.size(), 76);
    EXPECT_TRUE(Sandbox::readFile(csv).startsWith("\xEF\xBB\xBFName,E-mail Address\r\n山田 太郎,taro@example.jp\r\n\"Doe, John; Jr.\",john@example.com\r\n"));

    const QList<Entry> expected = {{QStringLiteral("山田 太郎"), QStringLiteral("taro@example.jp")},
                                   {QStringLiteral("Doe, John; Jr."), QStringLiteral("john@example.com")},
                                   {QStringLiteral("ｶﾅ①と長い名前の人ですよ、とても長い名前の人ですよ"), QStringLiteral("kana@example.jp")},
                                   {QStringLiteral("花子"), QStringLiteral("hanako@example.jp")}};
    EXPECT_EQ(AddressExchange::parseVCards(cards), expected);
    QString error;
    EXPECT_EQ(AddressExchange::parseCsv(Sandbox::readFile(csv), &error).value_or(QList<Entry>()), expected);
}

TEST(AddressText, HalfASurrogatePairInUtf16BecomesAReplacementCharacter)
{
    // "a", a lone high surrogate, "b", a lone low surrogate, then a whole pair (U+1F600).
    const QByteArray little("\xFF\xFE" "a\0" "\x3D\xD8" "b\0" "\x00\xDE" "\x3D\xD8\x00\xDE", 14);
    EXPECT_EQ(AddressExchange::decodeText(little), QStringLiteral("a\uFFFDb\uFFFD") + QString::fromUcs4(U"\U0001F600"));
    const QByteArray big("\xFE\xFF" "\xD8\x3D", 4);
    EXPECT_EQ(AddressExchange::decodeText(big), QStringLiteral("\uFFFD"));
}
