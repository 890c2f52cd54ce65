#pragma once

#include <QString>
#include <QStringList>

// A query matches a mail exactly when its normal form (NormalText) is a
// substring of the normal form of a field.
namespace SearchText {

// The grams the index keeps for a query term, as UTF-8 strings: the term
// itself when it is one or two characters of one run; otherwise the two-character
// grams of each run (and single characters for runs of one), which every
// match contains. exact tells whether finding them all is already a match.
struct Grams {
    QList<QByteArray> grams;
    bool exact = false;
};
Grams gramsOf(const QString &normalizedTerm);

} // namespace SearchText
