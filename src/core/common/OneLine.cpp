#include "core/common/OneLine.h"

#include <QRegularExpression>

#include <algorithm>

namespace OneLine {

bool isBreak(QChar c)
{
    return c == u'\r' || c == u'\n' || c == QChar::ParagraphSeparator || c == QChar::LineSeparator;
}

bool hasBreak(const QString &text)
{
    return std::any_of(text.begin(), text.end(), isBreak);
}

QString joined(const QString &text, const QString &separator, bool trimEnds)
{
    static const QRegularExpression lineBreak(QStringLiteral("\\r\\n|[\\r\\n\\x{2028}\\x{2029}]"));
    qsizetype start = 0;
    qsizetype end = text.size();
    while (trimEnds && start < end && isBreak(text[start]))
        ++start;
    while (trimEnds && end > start && isBreak(text[end - 1]))
        --end;
    QString inside = text.mid(start, end - start);
    inside.replace(lineBreak, separator);
    return inside;
}

} // namespace OneLine
