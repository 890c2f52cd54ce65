#pragma once

#include "core/common/OneLine.h"

class QLineEdit;
class QPlainTextEdit;

// Boxes meant for one line: pasted, typed or program-set line breaks never stay in them.
namespace OneLine {

// Keeps the box free of line breaks from now on, whatever puts them there.
void guard(QLineEdit *box, const QString &separator = QStringLiteral(" "));
// Here every break becomes the separator, also a typed one at the end.
void guard(QPlainTextEdit *box, const QString &separator);

} // namespace OneLine
