#pragma once

#include <QList>

// Robinson's word probabilities combined by Fisher's method: each token's
// f(w) from how often it came in junk and in good mail, then the inverse
// chi-square of the strongest of them, both ways, to one score.
namespace JunkCombine {

// Robinson's s (how much a rarely seen word leans to x) and x. A small s, as
// measured: a word seen in a few mails of one kind only is told by its counts.
inline constexpr double kStrength = 0.1;
inline constexpr double kUnknown = 0.5;
// Tokens nearer 0.5 than this say nothing and are left out; while few mails were
// learnt, only clearer ones count (bench/junk_accuracy.py shows why).
inline constexpr double kMinDeviation = 0.2;
inline constexpr double kCarefulMinDeviation = 0.3;
// Only the strongest count: neighbouring grams of one phrase repeat one clue.
inline constexpr int kMaxTokens = 150;
// What a failed sender authentication weighs, whatever was learnt.
inline constexpr double kSpoofedProbability = 0.99;

struct Counts {
    qint64 good = 0;
    qint64 junk = 0;
};

// f(w) of a token seen in counts.good of totals.good good mails and counts.junk of totals.junk junk ones.
double wordProbability(Counts counts, Counts totals);

// 1 - the chi-square distribution's tail of x2 with an even number of degrees of freedom.
double chi2Q(double x2, int degrees);

// The score 0 (good) to 1 (junk) of a mail's token probabilities; 0.5 with no clue.
double combine(QList<double> probabilities, double minDeviation = kMinDeviation);

} // namespace JunkCombine
