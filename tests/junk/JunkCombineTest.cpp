#include "core/junk/JunkCombine.h"

#include <cmath>

#include <gtest/gtest.h>

namespace {

TEST(JunkCombine, ChiSquareTailMatchesItsClosedFormAtAnySize)
{
    // Two degrees of freedom: Q = e^(-x2/2).
    EXPECT_NEAR(JunkCombine::chi2Q(2.0, 2), std::exp(-1.0), 1e-12);
    EXPECT_NEAR(JunkCombine::chi2Q(0.0, 10), 1.0, 1e-12);
    // Four: e^-m (1 + m).
    EXPECT_NEAR(JunkCombine::chi2Q(10.0, 4), std::exp(-5.0) * 6.0, 1e-12);
    // Where e^-m underflows the series goes on in logarithms, without a jump.
    const double below = JunkCombine::chi2Q(2 * 699.9, 1600);
    const double above = JunkCombine::chi2Q(2 * 700.1, 1600);
    EXPECT_GT(below, 0.0);
    EXPECT_GT(below, above);
    EXPECT_LT(below / above, 1.1);
    EXPECT_NEAR(JunkCombine::chi2Q(2 * 750.0, 300), 0.0, 1e-100);
}

TEST(JunkCombine, ScoresLeanWithTheEvidenceAndIgnoreWeakTokens)
{
    EXPECT_DOUBLE_EQ(JunkCombine::combine({}), 0.5);
    EXPECT_DOUBLE_EQ(JunkCombine::combine({0.45, 0.55, 0.52}), 0.5);
    // The careful filter passes over tokens a confident one counts.
    EXPECT_GT(JunkCombine::combine({0.75, 0.77, 0.78}, 0.2), 0.6);
    EXPECT_DOUBLE_EQ(JunkCombine::combine({0.75, 0.77, 0.78}, 0.3), 0.5);
    EXPECT_GT(JunkCombine::combine({0.99, 0.95, 0.9, 0.98}), 0.95);
    EXPECT_LT(JunkCombine::combine({0.01, 0.05, 0.1, 0.02}), 0.05);
    EXPECT_NEAR(JunkCombine::combine({0.99, 0.01}), 0.5, 1e-9);
    // Hundreds of strong tokens: only the strongest count, and the score stays a number.
    QList<double> many(400, 0.999);
    many << 0.01;
    const double score = JunkCombine::combine(many);
    EXPECT_TRUE(std::isfinite(score));
    EXPECT_GT(score, 0.999);
}

TEST(JunkCombine, WordProbabilityFollowsRobinson)
{
    const JunkCombine::Counts totals{100, 100};
    EXPECT_DOUBLE_EQ(JunkCombine::wordProbability({0, 0}, totals), JunkCombine::kUnknown);
    // Seen once in junk only: pulled from 1 towards x by s.
    const double s = JunkCombine::kStrength;
    EXPECT_NEAR(JunkCombine::wordProbability({0, 1}, totals), (s * 0.5 + 1.0) / (s + 1.0), 1e-12);
    EXPECT_LT(JunkCombine::wordProbability({0, 1}, totals), JunkCombine::wordProbability({0, 3}, totals));
    EXPECT_GT(JunkCombine::wordProbability({0, 50}, totals), 0.99);
    EXPECT_LT(JunkCombine::wordProbability({50, 0}, totals), 0.01);
    // Ratios, not counts: 10 of 1000 good against 10 of 100 junk leans junk.
    EXPECT_GT(JunkCombine::wordProbability({10, 10}, {1000, 100}), 0.85);
}

} // namespace
