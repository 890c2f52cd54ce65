#include "common/LineEnds.h"

namespace LineEnds {

// One pass each: a mail of many short lines must not cost the square of its length.

QString toWidget(const QString &text)
{
    if (!text.contains(u'\r'))
        return text;
    QString out(text.size(), Qt::Uninitialized);
    QChar *o = out.data();
    const QChar *p = text.constData();
    const QChar *end = p + text.size();
    for (; p < end; ++p) {
        if (*p == u'\r') {
            *o++ = u'\n';
            if (p + 1 < end && p[1] == u'\n')
                ++p;
        } else {
            *o++ = *p;
        }
    }
    out.truncate(o - out.constData());
    return out;
}

QString toCrLf(const QString &text)
{
    const qsizetype breaks = text.count(u'\n');
    if (breaks == 0)
        return text;
    QString out(text.size() + breaks, Qt::Uninitialized);
    QChar *o = out.data();
    const QChar *p = text.constData();
    const QChar *end = p + text.size();
    for (; p < end; ++p) {
        if (*p == u'\n')
            *o++ = u'\r';
        *o++ = *p;
    }
    return out;
}

QString anyToCrLf(const QString &text)
{
    // As many CR as LF, and a CR before every LF, means every CR sits in a pair.
    const qsizetype breaks = text.count(u'\n');
    if (text.count(u'\r') == breaks) {
        bool pairsOnly = true;
        for (qsizetype at = text.indexOf(u'\n'); at >= 0 && pairsOnly; at = text.indexOf(u'\n', at + 1))
            pairsOnly = at > 0 && text[at - 1] == u'\r';
        if (pairsOnly)
            return text;
    }
    return toCrLf(toWidget(text));
}

} // namespace LineEnds
