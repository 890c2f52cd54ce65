#include "core/common/CarrierPictographs.h"

#include <QHash>

#include <array>

namespace {

struct Row {
    int carrier;  // 1 docomo, 2 au, 3 SoftBank
    quint16 code;
    char32_t first;
    char32_t second;
};

// Built from Unicode's EmojiSources.txt when the program is built.
constexpr Row kRows[] = {
#include "EmojiTable.inc"
    {0, 0, 0, 0},
};

using Table = QHash<quint16, QString>;

const Table &tableOf(Carrier carrier)
{
    static const auto tables = [] {
        std::array<Table, 4> t;
        for (const Row &row : kRows) {
            if (row.carrier < 1 || row.carrier > 3)
                continue;
            QString text = QString::fromUcs4(&row.first, 1);
            if (row.second)
                text += QString::fromUcs4(&row.second, 1);
            t[static_cast<size_t>(row.carrier)].insert(row.code, text);
        }
        return t;
    }();
    return tables[static_cast<size_t>(carrier)];
}

bool domainIs(const QString &domain, const QString &parent)
{
    return domain == parent || domain.endsWith(u'.' + parent);
}

} // namespace

namespace CarrierPictographs {

Carrier carrierOf(const QString &address)
{
    QString text = address.trimmed();
    // "Name <user@host>" as well as a bare address.
    const qsizetype open = text.lastIndexOf(u'<');
    if (open >= 0) {
        const qsizetype close = text.indexOf(u'>', open);
        text = text.mid(open + 1, close < 0 ? -1 : close - open - 1);
    }
    const qsizetype at = text.lastIndexOf(u'@');
    if (at < 0)
        return Carrier::Unknown;
    const QString domain = text.mid(at + 1).trimmed().toLower();
    if (domainIs(domain, QStringLiteral("docomo.ne.jp")) || domainIs(domain, QStringLiteral("mopera.net")))
        return Carrier::Docomo;
    if (domainIs(domain, QStringLiteral("ezweb.ne.jp")) || domain == u"au.com"
        || domainIs(domain, QStringLiteral("ido.ne.jp")))
        return Carrier::Au;
    if (domainIs(domain, QStringLiteral("softbank.ne.jp")) || domain == u"i.softbank.jp"
        || domainIs(domain, QStringLiteral("vodafone.ne.jp")) || domainIs(domain, QStringLiteral("disney.ne.jp")))
        return Carrier::SoftBank;
    return Carrier::Unknown;
}

QString fromShiftJis(Carrier carrier, quint16 code)
{
    if (carrier != Carrier::Unknown)
        return tableOf(carrier).value(code);
    for (Carrier c : {Carrier::Docomo, Carrier::Au, Carrier::SoftBank}) {
        const QString text = tableOf(c).value(code);
        if (!text.isEmpty())
            return text;
    }
    return {};
}

QString fromAuJis(quint16 jisCode)
{
    const unsigned j1 = jisCode >> 8;
    const unsigned j2 = jisCode & 0xFF;
    if (j1 < 0x75 || j1 > 0x7C || j2 < 0x21 || j2 > 0x7E)
        return {};
    // Ordinary JIS to Shift_JIS gives lead bytes 0xEB to 0xEE, which au keeps
    // at 0xF3, 0xF4, 0xF6 and 0xF7.
    unsigned s1 = ((j1 - 0x21) >> 1) + 0xC1;
    const unsigned s2 = (j1 & 1) ? j2 + (j2 >= 0x60 ? 0x20 : 0x1F) : j2 + 0x7E;
    static constexpr unsigned kAuLead[] = {0xF3, 0xF4, 0xF6, 0xF7};
    s1 = kAuLead[s1 - 0xEB];
    return tableOf(Carrier::Au).value(static_cast<quint16>((s1 << 8) | s2));
}

bool isPictographArea(quint16 code)
{
    const unsigned lead = code >> 8;
    return lead >= 0xF0 && lead <= 0xFC;
}

} // namespace CarrierPictographs
