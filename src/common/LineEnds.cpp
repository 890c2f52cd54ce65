#include "common/LineEnds.h"

namespace LineEnds {

QString toWidget(const QString &text)
{
    QString out = text;
    out.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    out.replace(u'\r', u'\n');
    return out;
}

QString toCrLf(const QString &text)
{
    QString out = text;
    out.replace(u'\n', QLatin1String("\r\n"));
    return out;
}

} // namespace LineEnds
