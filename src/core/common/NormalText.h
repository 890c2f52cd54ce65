#pragma once

#include <QString>

// The one form text takes wherever the program compares what a user reads:
// NFKC (ｶﾀｶﾅ and カタカナ, ＡＢＣ and ABC are one text) and case folded.
namespace NormalText {

QString normalize(const QString &text);

// Whitespace never belongs to a gram or a word.
bool isSpace(char32_t c);

} // namespace NormalText
