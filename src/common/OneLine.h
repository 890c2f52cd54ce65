#pragma once

#include <QString>

class QLineEdit;
class QPlainTextEdit;

// A value stored on one line of a settings file or in one field of a record,
// and the boxes meant for one line: pasted, typed or program-set line breaks
// never stay in them.
namespace OneLine {

// A line break or NUL inside a value would end it early and start a line,
// key or section of its own, so they are dropped.
inline QString clean(QString text)
{
    text.remove(u'\r');
    text.remove(u'\n');
    text.remove(QChar(u'\0'));
    return text;
}

inline bool isClean(const QString &text)
{
    return !text.contains(u'\r') && !text.contains(u'\n') && !text.contains(QChar(u'\0'));
}

// Each line break (CR LF, CR, LF, line and paragraph separators) replaced by
// separator; with trimEnds, those at either end are dropped instead.
QString joined(const QString &text, const QString &separator, bool trimEnds = true);

// Keeps the box free of line breaks from now on, whatever puts them there.
void guard(QLineEdit *box, const QString &separator = QStringLiteral(" "));
// Here every break becomes the separator, also a typed one at the end.
void guard(QPlainTextEdit *box, const QString &separator);

} // namespace OneLine
