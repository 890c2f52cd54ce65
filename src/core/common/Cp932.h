#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The one gateway between the program's text and CP932 bytes on disk.
// Decoding and encoding never fail: undecodable bytes become U+FFFD and
// characters without a CP932 form become '?'.
namespace Cp932 {

QString decode(const QByteArray &bytes);
QString decode(const char *data, qsizetype size);
// The same as decode in one pass, or nothing when a double-byte character starts
// with a byte that stop marks, or is not a whole character of the table: the
// caller then reads those bytes its own way.
std::optional<QString> decodeUnlessLead(const QByteArray &bytes, const bool (&stop)[256]);
QByteArray encode(const QString &text);

// True for the first byte of a double-byte character.
constexpr bool isLeadByte(unsigned char byte)
{
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

// The first character of text that has no CP932 form, if any.
std::optional<QString> firstUnencodable(const QString &text);

// Longest prefix of at most maxBytes that ends on a whole character.
QByteArray cutAtCharBoundary(const QByteArray &bytes, qsizetype maxBytes);

// Encodes, cuts at a whole character and pads with spaces to exactly width bytes.
QByteArray fit(const QString &text, qsizetype width);
// The same, written to out, which holds width bytes.
void fitInto(const QString &text, qsizetype width, char *out);

// Whether text encodes in at most width bytes and decodes back unchanged.
bool survives(const QString &text, qsizetype width);

} // namespace Cp932
