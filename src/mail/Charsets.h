#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>

// Text of real-world mail to QString: charsets, RFC 2047 encoded-words and
// RFC 2231 parameters, lenient where Japanese mailers are known to stray.
namespace Charsets {

// Bytes in a labelled charset. Shift_JIS and its aliases read as CP932, EUC-JP
// as EUC-JP-MS, ISO-2022-JP through Shift-JIS so Windows extensions survive.
// No label, or one iconv does not know: UTF-8 when valid, otherwise CP932.
QString decode(const QByteArray &bytes, const QByteArray &charset);

// Text that came without a label.
QString decodeUnlabelled(const QByteArray &bytes);

// ISO-2022-JP (with ESC ( I and SO/SI half-width kana) to Shift-JIS bytes.
QByteArray jisToShiftJis(const QByteArray &jis);

// An unstructured header value: unfolds it and decodes its encoded-words,
// joining adjacent words of one charset so characters split between them survive.
QString decodeHeader(const QByteArray &raw);

// A structured header such as Content-Type: its lower-case value and its
// parameters by lower-case name, RFC 2231 continuations and charsets applied
// and RFC 2047 words inside values decoded.
struct Field {
    QByteArray value;
    QMap<QByteArray, QString> params;
};
Field parseField(const QByteArray &raw);

} // namespace Charsets
