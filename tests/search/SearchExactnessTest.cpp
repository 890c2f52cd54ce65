#include "core/common/NormalText.h"
#include "core/search/SearchIndex.h"

#include "support/Sandbox.h"
#include "SearchFixtures.h"

#include <QRandomGenerator>

#include <gtest/gtest.h>

#include <set>

namespace {

// Alphabets small enough that random pieces of text recur across mails.
QList<char32_t> range(char32_t first, char32_t last)
{
    QList<char32_t> out;
    for (char32_t c = first; c <= last; ++c)
        out << c;
    return out;
}

const QList<QList<char32_t>> &alphabets()
{
    static const QList<QList<char32_t>> all = [] {
        QList<QList<char32_t>> a;
        QList<char32_t> kanji;
        for (const char32_t c : QStringLiteral("東京都府大阪会議遠足学校山田川本日月火水木金土年時間社員").toUcs4())
            kanji << c;
        a << kanji;
        a << range(U'ぁ', U'ぉ') + range(U'か', U'こ') + QList<char32_t>{U'の', U'は', U'を', U'ん'};
        a << range(U'ア', U'オ') + range(U'カ', U'ゴ') + QList<char32_t>{U'ー', U'ン'};
        a << range(0xFF71, 0xFF7A) + QList<char32_t>{0xFF9E, 0xFF9F, 0xFF70};  // ｱ-ｺ, ﾞ ﾟ ｰ
        a << range(0xFF21, 0xFF26) + range(0xFF41, 0xFF46) + range(0xFF10, 0xFF13);  // ＡＢ… ａｂ… ０１…
        a << range(U'a', U'f') + range(U'A', U'F') + range(U'0', U'3');
        a << range(0x1F600, 0x1F606) + QList<char32_t>{0x2764, 0xFE0F};
        return a;
    }();
    return all;
}

QString randomText(QRandomGenerator &random, int length)
{
    QList<char32_t> codes;
    while (codes.size() < length) {
        // Runs of one script, as real text has, with spaces and line breaks between.
        const auto &alphabet = alphabets()[random.bounded(int(alphabets().size()))];
        const int run = 1 + random.bounded(12);
        for (int i = 0; i < run; ++i)
            codes << alphabet[random.bounded(int(alphabet.size()))];
        const int gap = random.bounded(10);
        if (gap == 0)
            codes << U' ';
        else if (gap == 1)
            codes << U'\n';
        else if (gap == 2)
            codes << 0x3000;  // ideographic space
    }
    return QString::fromUcs4(codes.constData(), codes.size());
}

MailDocument randomMail(QRandomGenerator &random)
{
    MailDocument doc;
    doc.subject = randomText(random, 5 + random.bounded(20));
    doc.sender = randomText(random, 3 + random.bounded(10));
    doc.recipients = randomText(random, 3 + random.bounded(10));
    doc.body = randomText(random, 20 + random.bounded(300));
    doc.files = random.bounded(4) == 0 ? randomText(random, 4 + random.bounded(8)) : QString();
    doc.dateText = QStringLiteral("Mon, 1 Jan 2024 00:00:00 +0000");
    doc.time = 1704067200 + random.bounded(100000);
    return doc;
}

// The truth: every mail whose normal form holds each term in the field searched.
QStringList normalFields(const MailDocument &m)
{
    return {NormalText::normalize(m.subject), NormalText::normalize(m.sender), NormalText::normalize(m.recipients),
            NormalText::normalize(m.body), NormalText::normalize(m.files)};
}

std::set<int> scan(const QList<QStringList> &mails, const SearchQuery &query)
{
    std::set<int> found;
    for (int n = 0; n < mails.size(); ++n) {
        const QStringList &fields = mails[n];
        bool all = true;
        for (const auto &term : query.terms) {
            const int column = term.field == SearchQuery::Field::Subject ? 0
                : term.field == SearchQuery::Field::From                 ? 1
                : term.field == SearchQuery::Field::To                   ? 2
                : term.field == SearchQuery::Field::Body                 ? 3
                : term.field == SearchQuery::Field::File                 ? 4
                                                                         : -1;
            bool any = false;
            for (int c = 0; c < fields.size(); ++c)
                any = any || ((column < 0 || column == c) && fields[c].contains(term.text));
            all = all && any;
        }
        if (all)
            found.insert(n + 1);
    }
    return found;
}

std::set<int> indexed(SearchIndex &index, const SearchQuery &query)
{
    std::set<int> found;
    const auto answer = index.search(query);
    EXPECT_TRUE(answer.error.isEmpty()) << answer.error.toStdString();
    for (const auto &hit : answer.hits)
        found.insert(hit.number);
    return found;
}

// One index of a few thousand random mails for every case; the cases only read it.
class SearchExactness : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        sandbox = new Sandbox;
        index = new SearchIndex;
        ASSERT_TRUE(index->open());
        QRandomGenerator random(36);
        const QList<qint64> prints = writePlainHistory(HistoryFile::Kind::Received, kMails);
        for (int n = 1; n <= kMails; ++n) {
            mails << randomMail(random);
            normal << normalFields(mails.last());
            ASSERT_TRUE(index->store(HistoryFile::Kind::Received, n, prints[n - 1], mails.last()));
        }
    }
    static void TearDownTestSuite()
    {
        delete index;
        delete sandbox;
    }

    static constexpr int kMails = 2500;
    static inline Sandbox *sandbox = nullptr;
    static inline SearchIndex *index = nullptr;
    static inline QList<MailDocument> mails;
    static inline QList<QStringList> normal;
};

TEST_F(SearchExactness, RandomPiecesFindExactlyTheMailsThatHoldThem)
{
    QRandomGenerator random(3600);
    const QStringList prefixes = {QString(), QString(), QString(), QStringLiteral("subject:"),
                                  QStringLiteral("from:"), QStringLiteral("to:"), QStringLiteral("body:"),
                                  QStringLiteral("file:")};
    int nonEmpty = 0;
    for (int round = 0; round < 600; ++round) {
        QString piece;
        if (round % 5 == 4) {
            // Text from no mail in particular, mostly found nowhere or in few.
            piece = randomText(random, 1 + random.bounded(8)).trimmed();
        } else {
            const MailDocument &m = mails[random.bounded(kMails)];
            const QList<uint> codes = (round % 3 ? m.body : m.subject).toUcs4();
            const int length = 1 + random.bounded(8);
            const int at = random.bounded(qMax(1, int(codes.size()) - length));
            piece = QString::fromUcs4(reinterpret_cast<const char32_t *>(codes.constData()) + at,
                                      qMin<int>(length, codes.size() - at));
        }
        if (piece.trimmed().isEmpty())
            continue;
        const QString text = prefixes[random.bounded(int(prefixes.size()))] + u'"' + piece + u'"';
        const auto query = SearchQuery::parse(text);
        if (!query)
            continue;
        const auto expected = scan(normal, *query);
        nonEmpty += expected.empty() ? 0 : 1;
        ASSERT_EQ(indexed(*index, *query), expected) << text.toStdString();
    }
    EXPECT_GT(nonEmpty, 300);
}

TEST_F(SearchExactness, WordsApartMustAllBeThere)
{
    QRandomGenerator random(361);
    for (int round = 0; round < 100; ++round) {
        const MailDocument &m = mails[random.bounded(kMails)];
        const QList<uint> codes = m.body.toUcs4();
        auto pick = [&] {
            const int at = random.bounded(int(codes.size()) - 3);
            return QString::fromUcs4(reinterpret_cast<const char32_t *>(codes.constData()) + at, 1 + random.bounded(3));
        };
        const QString text = u'"' + pick() + QStringLiteral("\" \"") + pick() + u'"';
        const auto query = SearchQuery::parse(text);
        if (!query)
            continue;
        ASSERT_EQ(indexed(*index, *query), scan(normal, *query)) << text.toStdString();
    }
}

TEST(SearchPhrase, APhraseIsNotItsGramsApart)
{
    Sandbox sandbox;
    SearchIndex index;
    ASSERT_TRUE(index.open());
    const QList<qint64> prints = writePlainHistory(HistoryFile::Kind::Received, 3);
    MailDocument apart;
    apart.body = QStringLiteral("東京都の会議、京都は雨、府の施設");
    MailDocument whole;
    whole.body = QStringLiteral("京都府の遠足");
    MailDocument wide;
    wide.body = QStringLiteral("ｶﾀｶﾅ と ＡＢＣ の話");
    ASSERT_TRUE(index.store(HistoryFile::Kind::Received, 1, prints[0], apart));
    ASSERT_TRUE(index.store(HistoryFile::Kind::Received, 2, prints[1], whole));
    ASSERT_TRUE(index.store(HistoryFile::Kind::Received, 3, prints[2], wide));

    const struct {
        const char *query;
        std::set<int> numbers;
    } cases[] = {
        {"京都府", {2}}, {"京都", {1, 2}}, {"府", {1, 2}}, {"東京都", {1}}, {"カタカナ", {3}}, {"abc", {3}},
        {"ＡＢＣ", {3}}, {"ｶﾀ", {3}}, {"\"と abc\"", {3}}, {"\"と  abc\"", {}}, {"京都府 遠足", {2}},
        {"京都府 雨", {}}, {"body:京都府", {2}}, {"subject:京都府", {}},
    };
    for (const auto &c : cases) {
        const auto query = SearchQuery::parse(QString::fromUtf8(c.query));
        ASSERT_TRUE(query) << c.query;
        EXPECT_EQ(indexed(index, *query), c.numbers) << c.query;
    }
}

} // namespace
