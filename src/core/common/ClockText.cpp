#include "core/common/ClockText.h"

namespace {

ClockText::Source &source()
{
    static ClockText::Source current;
    return current;
}

QString timeFormatWithSeconds(const QLocale &locale)
{
    QString format = locale.timeFormat(QLocale::ShortFormat);
    if (!format.contains(u's')) {
        const qsizetype minutes = format.indexOf(QLatin1String("mm"));
        if (minutes >= 0)
            format.insert(minutes + 2, QLatin1String(":ss"));
        else
            format += QLatin1String(":ss");
    }
    return format;
}

} // namespace

namespace ClockText {

QString format(const QDateTime &moment, const QLocale &locale)
{
    // The C locale has no formats of its own worth showing: use the Japanese ones.
    if (locale.language() == QLocale::C)
        return moment.toString(QStringLiteral("yyyy/MM/dd  HH:mm:ss"));
    return locale.toString(moment.date(), locale.dateFormat(QLocale::ShortFormat))
        + QLatin1String("  ") + locale.toString(moment.time(), timeFormatWithSeconds(locale));
}

QString now()
{
    const QDateTime moment = source() ? source()() : QDateTime::currentDateTime();
    return format(moment, QLocale::system());
}

void setSource(Source replacement)
{
    source() = std::move(replacement);
}

} // namespace ClockText
