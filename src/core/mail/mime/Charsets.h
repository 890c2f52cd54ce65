#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>

#include "core/common/CarrierPictographs.h"

// Text of real-world mail to QString: charsets, RFC 2047 encoded-words and
// RFC 2231 parameters, lenient where Japanese mailers are known to stray.
namespace Charsets {

// A pictograph the carrier tables do not know.
inline constexpr QChar kUnknownPictograph = QChar(0x3013);  // 〓

// Bytes in a labelled charset. Shift_JIS and its aliases read as CP932, EUC-JP
// as EUC-JP-MS, ISO-2022-JP through Shift-JIS so Windows extensions survive.
// A label that cannot be right for the bytes, no label, or one iconv does not
// know: the likeliest reading. The carrier says whose pictographs to expect.
QString decode(const QByteArray &bytes, const QByteArray &charset, Carrier carrier = Carrier::Unknown);

// Text that came without a label.
QString decodeUnlabelled(const QByteArray &bytes, Carrier carrier = Carrier::Unknown);

// CP932 with the carriers' pictographs as emoji, or 〓 where none is known.
QString shiftJisText(const QByteArray &bytes, Carrier carrier = Carrier::Unknown);

// ISO-2022-JP (with ESC ( I and SO/SI half-width kana) to Shift-JIS bytes;
// au's pictograph rows become au's Shift_JIS codes.
QByteArray jisToShiftJis(const QByteArray &jis, Carrier carrier = Carrier::Unknown);

// An unstructured header value: unfolds it and decodes its encoded-words,
// joining adjacent words of one charset so characters split between them survive.
QString decodeHeader(const QByteArray &raw, Carrier carrier = Carrier::Unknown);

// Encoded-words inside a parameter value: a space a sender left raw in a Q word's
// text is part of the name, where decodeHeader takes it for a fold.
QString decodeValueWords(const QByteArray &value, Carrier carrier = Carrier::Unknown);

// A structured header such as Content-Type: its lower-case value and its
// parameters by lower-case name, RFC 2231 continuations and charsets applied
// and RFC 2047 words inside values decoded.
struct Field {
    QByteArray value;
    QMap<QByteArray, QString> params;
};
Field parseField(const QByteArray &raw);

} // namespace Charsets
