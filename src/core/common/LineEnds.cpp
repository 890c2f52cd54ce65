#include "core/common/LineEnds.h"

namespace LineEnds {

// One pass each: a mail of many short lines must not cost the square of its length.

QString toWidget(const QString &text)
{
    qsizetype at = text.indexOf(u'\r');
    if (at < 0)
        return text;
    // Copied a line at a time: the search for the next CR is the quick part.
    QString out;
    out.reserve(text.size());
    qsizetype from = 0;
    for (; at >= 0; at = text.indexOf(u'\r', from)) {
        out.append(text.constData() + from, at - from);
        out.append(u'\n');
        from = at + 1;
        if (from < text.size() && text[from] == u'\n')
            ++from;
    }
    out.append(text.constData() + from, text.size() - from);
    return out;
}

QString toCrLf(const QString &text)
{
    qsizetype at = text.indexOf(u'\n');
    if (at < 0)
        return text;
    QString out;
    out.reserve(text.size() + text.size() / 16 + 16);
    qsizetype from = 0;
    for (; at >= 0; at = text.indexOf(u'\n', from)) {
        out.append(text.constData() + from, at - from);
        out.append(QStringView(u"\r\n"));
        from = at + 1;
    }
    out.append(text.constData() + from, text.size() - from);
    return out;
}

QString anyToCrLf(const QString &text)
{
    if (!text.contains(u'\r'))
        return toCrLf(text);
    // Every LF after a CR and every CR before an LF: nothing to change.
    bool pairsOnly = true;
    qsizetype lf = 0;
    for (qsizetype at = text.indexOf(u'\n'); at >= 0 && pairsOnly; at = text.indexOf(u'\n', at + 1)) {
        pairsOnly = at > 0 && text[at - 1] == u'\r';
        ++lf;
    }
    if (pairsOnly) {
        qsizetype cr = 0;
        for (qsizetype at = text.indexOf(u'\r'); at >= 0 && cr <= lf; at = text.indexOf(u'\r', at + 1))
            ++cr;
        if (cr == lf)
            return text;
    }
    return toCrLf(toWidget(text));
}

} // namespace LineEnds
