#include "core/history/RecordText.h"

#include "core/common/CarrierPictographs.h"
#include "core/common/Cp932.h"
#include "core/mail/MailLibrary.h"

#include <QHash>

#include <array>

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

bool isUserDefined(QChar c)
{
    return c.unicode() >= kFirst && c.unicode() <= kLast;
}

// Each emoji of a carrier's table by the user-defined character that stands for it.
const QHash<QString, QChar> &codesOf(Carrier carrier)
{
    static const auto tables = [] {
        std::array<QHash<QString, QChar>, 4> all;
        for (Carrier c : {Carrier::Docomo, Carrier::Au, Carrier::SoftBank}) {
            auto &table = all[static_cast<size_t>(c)];
            for (char16_t u = kFirst; u <= kLast; ++u) {
                const QString emoji = CarrierPictographs::fromShiftJis(c, shiftJisOf(u));
                if (!emoji.isEmpty() && !table.contains(emoji))
                    table.insert(emoji, QChar(u));
            }
        }
        return all;
    }();
    return tables[static_cast<size_t>(carrier)];
}

bool hasCp932Form(const QString &text)
{
    return Cp932::decode(Cp932::encode(text)) == text;
}

} // namespace

namespace RecordText {

QString forScreen(const QString &stored, const QString &correspondent)
{
    qsizetype i = 0;
    while (i < stored.size() && !isUserDefined(stored[i]))
        ++i;
    if (i == stored.size())
        return stored;

    const Carrier carrier = CarrierPictographs::carrierOf(correspondent);
    QString shown = stored.left(i);
    for (; i < stored.size(); ++i) {
        const QString emoji = isUserDefined(stored[i])
            ? CarrierPictographs::fromShiftJis(carrier, shiftJisOf(stored[i].unicode()))
            : QString();
        if (emoji.isEmpty())
            shown += stored[i];
        else
            shown += emoji;
    }
    return shown;
}

QString forRecord(const QString &text, const QString &correspondent)
{
    const Carrier carrier = CarrierPictographs::carrierOf(correspondent);
    if (carrier == Carrier::Unknown || hasCp932Form(text))
        return text;
    const QHash<QString, QChar> &codes = codesOf(carrier);
    QString kept;
    kept.reserve(text.size());
    for (qsizetype i = 0; i < text.size();) {
        // The longest pictograph first: some are a character and a selector or keycap.
        qsizetype taken = 0;
        for (qsizetype length = qMin<qsizetype>(4, text.size() - i); length > 0 && !taken; --length) {
            const QString piece = text.mid(i, length);
            const auto found = codes.constFind(piece);
            if (found != codes.constEnd() && !hasCp932Form(piece)) {
                kept += *found;
                taken = length;
            }
        }
        if (!taken) {
            kept += text[i];
            taken = 1;
        }
        i += taken;
    }
    return kept;
}

void keepPictographs(FetchedMail &mail)
{
    mail.subject = forRecord(mail.subject, mail.from);
    mail.body = forRecord(mail.body, mail.from);
}

} // namespace RecordText
