#include "core/common/ClockText.h"

#include <gtest/gtest.h>

namespace {
const QDateTime kMoment(QDate(2026, 12, 6), QTime(14, 10, 21));
}

TEST(ClockText, JapaneseFormIsDateTwoSpacesTimeWithSeconds)
{
    EXPECT_EQ(ClockText::format(kMoment, QLocale(QLocale::Japanese, QLocale::Japan)),
              QStringLiteral("2026/12/06  14:10:21"));
}

TEST(ClockText, CLocaleFallsBackToTheJapaneseForm)
{
    EXPECT_EQ(ClockText::format(kMoment, QLocale::c()), QStringLiteral("2026/12/06  14:10:21"));
}

TEST(ClockText, OtherLocalesKeepTheirOwnOrderButAlwaysShowSeconds)
{
    const QString text = ClockText::format(kMoment, QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_TRUE(text.startsWith(QStringLiteral("12/6/26  "))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("2:10:21"))) << text.toStdString();
}

TEST(ClockText, NowUsesTheInstalledSource)
{
    ClockText::setSource([] { return kMoment; });
    const QString text = ClockText::now();
    ClockText::setSource({});
    EXPECT_EQ(text, ClockText::format(kMoment, QLocale::system()));
}
