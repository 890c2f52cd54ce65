#include "core/junk/JunkCombine.h"

#include <algorithm>
#include <cmath>

namespace JunkCombine {

double wordProbability(Counts counts, Counts totals)
{
    const double goodRatio = double(counts.good) / double(std::max<qint64>(totals.good, 1));
    const double junkRatio = double(counts.junk) / double(std::max<qint64>(totals.junk, 1));
    if (goodRatio + junkRatio <= 0)
        return kUnknown;
    const double p = junkRatio / (junkRatio + goodRatio);
    const double n = double(counts.good + counts.junk);
    return (kStrength * kUnknown + n * p) / (kStrength + n);
}

double chi2Q(double x2, int degrees)
{
    const double m = x2 / 2.0;
    if (m <= 0)
        return 1.0;
    if (m < 700) {
        double term = std::exp(-m);
        double sum = term;
        for (int i = 1; i < degrees / 2; ++i) {
            term *= m / i;
            sum += term;
        }
        return std::min(sum, 1.0);
    }
    // Beyond that e^-m underflows: the same series in logarithms.
    double logTerm = -m;
    double logSum = logTerm;
    for (int i = 1; i < degrees / 2; ++i) {
        logTerm += std::log(m / i);
        const double high = std::max(logSum, logTerm);
        logSum = high + std::log1p(std::exp(-std::abs(logSum - logTerm)));
    }
    return std::min(std::exp(logSum), 1.0);
}

double combine(QList<double> probabilities, double minDeviation)
{
    probabilities.erase(std::remove_if(probabilities.begin(), probabilities.end(),
                                       [minDeviation](double f) { return std::abs(f - 0.5) < minDeviation; }),
                        probabilities.end());
    if (probabilities.isEmpty())
        return 0.5;
    if (probabilities.size() > kMaxTokens) {
        std::nth_element(probabilities.begin(), probabilities.begin() + kMaxTokens, probabilities.end(),
                         [](double a, double b) { return std::abs(a - 0.5) > std::abs(b - 0.5); });
        probabilities.resize(kMaxTokens);
    }
    double logGood = 0;  // sum of ln f: near 0 when every token says junk
    double logJunk = 0;  // sum of ln (1 - f)
    for (double f : probabilities) {
        f = std::clamp(f, 1e-6, 1 - 1e-6);
        logGood += std::log(f);
        logJunk += std::log(1 - f);
    }
    const int degrees = 2 * int(probabilities.size());
    const double junkness = 1.0 - chi2Q(-2.0 * logJunk, degrees);
    const double goodness = 1.0 - chi2Q(-2.0 * logGood, degrees);
    return (junkness - goodness + 1.0) / 2.0;
}

} // namespace JunkCombine
