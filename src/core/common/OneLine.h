#pragma once

#include <QString>

// A value stored on one line of a settings file or in one field of a record:
// line breaks never stay in it.
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

bool isBreak(QChar c);
bool hasBreak(const QString &text);

// Each line break (CR LF, CR, LF, line and paragraph separators) replaced by
// separator; with trimEnds, those at either end are dropped instead.
QString joined(const QString &text, const QString &separator, bool trimEnds = true);

} // namespace OneLine
