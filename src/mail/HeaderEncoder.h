#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

// Outgoing text in the charsets Japanese readers expect: ISO-2022-JP when every
// character is ASCII or JIS X 0208, UTF-8 otherwise, and header values as
// RFC 2047 encoded words that each stand alone.
namespace HeaderEncoder {

enum class Charset { Ascii, Iso2022Jp, Utf8 };

// The charset a text goes out in.
Charset charsetFor(const QString &text);
QByteArray charsetName(Charset charset);
// The text's bytes in that charset; ISO-2022-JP ends in ASCII.
QByteArray encode(const QString &text, Charset charset);

// Encoded words of at most 75 characters each, whole characters only. The
// first word fits in firstRoom characters when that is less.
QList<QByteArray> encodedWords(const QString &text, Charset charset, int firstRoom = 75);

// A header value for a header whose name and colon take `used` characters,
// folded with CR LF and a space, without the line end of the field. Line
// breaks inside the text become spaces, so it never starts a header of its own.
QByteArray unstructured(const QString &text, int used);

// One mailbox of an address list.
struct Mailbox {
    QString name;
    QString address;
};

// Addresses separated by "," or line breaks, each bare or "name<address>".
// Nothing when an address holds characters no mail address can carry;
// bad then names the offending entry.
std::optional<QList<Mailbox>> parseAddresses(const QString &text, QString *bad = nullptr);

// An address list header value, folded as above.
QByteArray addressList(const QList<Mailbox> &mailboxes, int used);

// Text with every CR and LF turned into a space.
QString singleLine(const QString &text);

} // namespace HeaderEncoder
