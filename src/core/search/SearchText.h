#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// A query matches a mail exactly when its normal form (NormalText) is a
// substring of the normal form of a field.
namespace SearchText {

// The tokens of the index a query term is found by, as UTF-8 strings: the
// character itself for a term of one, else every pair of neighbouring
// characters in order, which stand one place apart wherever the term stands
// (see GramTokenizer). Empty for a term of whitespace alone.
QList<QByteArray> phraseOf(const QString &normalizedTerm);

} // namespace SearchText
