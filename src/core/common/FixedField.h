#pragma once

#include <QString>

// Text helpers for fixed-width record fields and values coming from outside.
namespace FixedField {

// Removes ASCII spaces at both ends; other white space stays.
QString trimSpaces(const QString &text);

// Removes ASCII spaces at the end only.
QString trimTrailingSpaces(const QString &text);

// The text before its first NUL, or the whole text when it holds none.
QString cutAtNul(const QString &text);

} // namespace FixedField
