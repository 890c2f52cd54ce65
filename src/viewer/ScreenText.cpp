#include "viewer/ScreenText.h"

#include "common/CarrierPictographs.h"

namespace {

// CP932's user-defined area F040-F9FC reads as U+E000-U+E757, 188 codes per lead byte.
constexpr char16_t kFirst = 0xE000;
constexpr char16_t kLast = 0xE757;
constexpr int kPerLead = 188;

quint16 shiftJisOf(char16_t c)
{
    const int index = c - kFirst;
    const int lead = 0xF0 + index / kPerLead;
    const int cell = index % kPerLead;
    // Trail bytes 40-7E, then 80-FC: 7F is never one.
    const int trail = cell < 0x3F ? 0x40 + cell : 0x41 + cell;
    return static_cast<quint16>((lead << 8) | trail);
}

} // namespace

namespace ScreenText {

QString of(const QString &stored, const QString &correspondent)
{
    qsizetype i = 0;
    while (i < stored.size() && (stored[i].unicode() < kFirst || stored[i].unicode() > kLast))
        ++i;
    if (i == stored.size())
        return stored;

    const Carrier carrier = CarrierPictographs::carrierOf(correspondent);
    QString shown = stored.left(i);
    for (; i < stored.size(); ++i) {
        const char16_t c = stored[i].unicode();
        const QString emoji =
            c >= kFirst && c <= kLast ? CarrierPictographs::fromShiftJis(carrier, shiftJisOf(c)) : QString();
        if (emoji.isEmpty())
            shown += stored[i];
        else
            shown += emoji;
    }
    return shown;
}

} // namespace ScreenText
