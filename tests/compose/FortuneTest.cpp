#include "core/send/Fortune.h"

#include <gtest/gtest.h>

TEST(Fortune, ZeroDrawGivesTheFirstFortune)
{
    EXPECT_EQ(Fortune::numberFor(0.0f), 1);
}

TEST(Fortune, DrawJustBelowOneGivesTheTwelfthFortune)
{
    EXPECT_EQ(Fortune::numberFor(std::nextafter(1.0f, 0.0f)), 12);
}

TEST(Fortune, EveryTwelfthOfTheRangeHasItsOwnFortune)
{
    for (int n = 1; n <= 12; ++n)
        EXPECT_EQ(Fortune::numberFor((n - 1) / 12.0f + 0.01f), n) << n;
}

TEST(Fortune, BlockIsTwoLineBreaksPrefaceTwoLineBreaksAndTheText)
{
    EXPECT_EQ(Fortune::block(7), QStringLiteral("\r\n\r\n") + Fortune::FortunePreface
                                     + QStringLiteral("\r\n\r\n")
                                     + QStringLiteral("中吉：両親からの教えを胸に刻んで行動すれば、意外なほどの好調に思わずニンマリ！\u3000"));
}

TEST(Fortune, PrefaceUsesIdeographicSpacesWhereTheyBelong)
{
    EXPECT_TRUE(Fortune::FortunePreface.startsWith(QStringLiteral("★★★\u3000この占いは アトランダム")));
    EXPECT_TRUE(Fortune::FortunePreface.contains(QStringLiteral("♪）\u3000送信者")));
    EXPECT_TRUE(Fortune::FortunePreface.endsWith(QStringLiteral("当たらぬも八卦。★★★")));
}

TEST(Fortune, TableHoldsThreeGreatFiveMiddleTwoGoodAndTwoBadFortunes)
{
    int great = 0, middle = 0, good = 0, bad = 0;
    for (int n = 1; n <= 12; ++n) {
        const QString &text = Fortune::FortuneTable(n);
        great += text.startsWith(QStringLiteral("大吉："));
        middle += text.startsWith(QStringLiteral("中吉："));
        good += text.startsWith(QStringLiteral("吉："));
        bad += text.startsWith(QStringLiteral("凶："));
    }
    EXPECT_EQ(great, 3);
    EXPECT_EQ(middle, 5);
    EXPECT_EQ(good, 2);
    EXPECT_EQ(bad, 2);
    EXPECT_TRUE(Fortune::FortuneTable(1).contains(QStringLiteral("良し！\u3000慎重")));
    EXPECT_TRUE(Fortune::FortuneTable(11).contains(QStringLiteral("注意！\u3000部屋")));
}

TEST(Fortune, DefaultDrawStaysBelowOne)
{
    Fortune::setRandomSource({});
    for (int i = 0; i < 100; ++i) {
        const float r0 = Fortune::draw();
        EXPECT_GE(r0, 0.0f);
        EXPECT_LT(r0, 1.0f);
    }
}

TEST(Fortune, InstalledSourceIsUsed)
{
    Fortune::setRandomSource([] { return 0.5f; });
    EXPECT_EQ(Fortune::draw(), 0.5f);
    Fortune::setRandomSource({});
}
