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

// One mailbox as the user sees it: "name <address>", the name quoted when a
// comma, a quote or another special would otherwise split or change it.
QString mailboxText(const Mailbox &mailbox);
// A decoded header holding one mailbox, written so that parseAddresses reads
// it back as that one mailbox; a text without angle brackets stays as it is.
QString quotedMailbox(const QString &text);

// An address list header value, folded as above.
QByteArray addressList(const QList<Mailbox> &mailboxes, int used);

// One parameter of a structured header, starting with "; ": name="value" when
// the value is plain ASCII, otherwise RFC 2231 UTF-8 (name*=UTF-8''…, or the
// segments name*0*=UTF-8''…; name*1*=… when one line is too short), each on its own folded line and each holding
// whole characters only, so a reader that decodes segment by segment never
// sees half a character.
QByteArray parameter(const QByteArray &name, const QString &value);
// The same for readers that know only encoded words in parameters:
// name="=?…?= =?…?=", folded between the words.
QByteArray wordsParameter(const QByteArray &name, const QString &value);

// Text with every CR and LF turned into a space.
QString singleLine(const QString &text);

} // namespace HeaderEncoder
