#pragma once

#include <QString>
#include <QtGlobal>

// Japanese mobile carriers put their pictographs in the user-defined area of
// Shift_JIS, each carrier its own way.
enum class Carrier { Unknown, Docomo, Au, SoftBank };

namespace CarrierPictographs {

// The carrier whose mail service the address belongs to, by its domain.
Carrier carrierOf(const QString &address);

// The Unicode emoji for a carrier's Shift_JIS pictograph code, empty if none is
// known. For an unknown carrier docomo, au and SoftBank are tried in that order.
QString fromShiftJis(Carrier carrier, quint16 code);

// au sends its pictographs in ISO-2022-JP mail as JIS codes in rows 0x75 to
// 0x7C; the emoji for one of them, empty if none.
QString fromAuJis(quint16 jisCode);

// Whether a Shift_JIS code lies where carriers keep pictographs (lead bytes
// 0xF0 to 0xFC), whatever its mapping.
bool isPictographArea(quint16 code);

} // namespace CarrierPictographs
