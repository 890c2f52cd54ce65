#include "common/LineEnds.h"

namespace LineEnds {

// One pass each: a mail of many short lines must not cost the square of its length.

QString toWidget(const QString &text)
{
    if (!text.contains(u'\r'))
        return text;
    QString out;
    out.reserve(text.size());
    const QChar *p = text.constData();
    const QChar *end = p + text.size();
    for (; p < end; ++p) {
        if (*p == u'\r') {
            out += u'\n';
            if (p + 1 < end && p[1] == u'\n')
                ++p;
        } else {
            out += *p;
        }
    }
    return out;
}

QString toCrLf(const QString &text)
{
    const qsizetype breaks = text.count(u'\n');
    if (breaks == 0)
        return text;
    QString out;
    out.reserve(text.size() + breaks);
    const QChar *p = text.constData();
    const QChar *end = p + text.size();
    for (; p < end; ++p) {
        if (*p == u'\n')
            out += u'\r';
        out += *p;
    }
    return out;
}

} // namespace LineEnds
