#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>

#include <functional>

// The launcher's clock text: short date, two spaces, time with seconds.
// It becomes the date of every sent mail, so its clock can be replaced in tests.
namespace ClockText {

using Source = std::function<QDateTime()>;

QString format(const QDateTime &moment, const QLocale &locale);
QString now();

// Replaces the clock; an empty source restores the system clock.
void setSource(Source source);

} // namespace ClockText
