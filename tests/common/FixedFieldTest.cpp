#include "core/common/FixedField.h"

#include <gtest/gtest.h>

TEST(FixedField, TrimRemovesOnlyAsciiSpacesAtBothEnds)
{
    EXPECT_EQ(FixedField::trimSpaces(QStringLiteral("  a b  ")), QStringLiteral("a b"));
    EXPECT_EQ(FixedField::trimSpaces(QStringLiteral("\t a\t")), QStringLiteral("\t a\t"));
    EXPECT_EQ(FixedField::trimSpaces(QStringLiteral("　全角　")), QStringLiteral("　全角　"));
    EXPECT_EQ(FixedField::trimSpaces(QStringLiteral("    ")), QString());
    EXPECT_EQ(FixedField::trimTrailingSpaces(QStringLiteral("  a  ")), QStringLiteral("  a"));
}

TEST(FixedField, CutAtNulKeepsTextWithoutNul)
{
    EXPECT_EQ(FixedField::cutAtNul(QStringLiteral("abc  ")), QStringLiteral("abc  "));
    EXPECT_EQ(FixedField::cutAtNul(QString::fromUtf16(u"ab\0cd", 5)), QStringLiteral("ab"));
    EXPECT_EQ(FixedField::cutAtNul(QString::fromUtf16(u"\0x", 2)), QString());
}
