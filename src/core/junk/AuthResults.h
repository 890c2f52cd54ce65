#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// Authentication-Results headers (RFC 8601), trusted only from the user's own
// receiving server: anyone can write one into a mail.
namespace AuthResults {

// The authserv-ids trusted: those of AUTHSERV= (comma separated) when set,
// otherwise the POP3 server's domain and its parent domains (not a bare top-level one).
QStringList trustedIds(const QString &authserv, const QString &pop3Server);

// Whether a trusted header of the raw header block says the From domain failed:
// dmarc=fail, or neither SPF nor DKIM passed for it.
bool spoofed(const QByteArray &header, const QStringList &trustedIds);

// One method's result of a header: "spf", "pass", and its properties
// ("smtp.mailfrom" -> "user@example.jp"), names in lower case.
struct Result {
    QString method;
    QString result;
    QList<QPair<QString, QString>> properties;
    QString property(const QString &name) const;
};

struct Header {
    QString authservId;
    QList<Result> results;  // empty for "none"
};

// Every Authentication-Results header of a raw header block, unfolded, comments
// removed; those that cannot be read are left out.
QList<Header> parse(const QByteArray &header);
// One header's value.
bool parseValue(const QString &value, Header *out);

// The domain an organisation registers: the last two labels, or three under the
// second levels of two-letter countries that hand out names below them
// (example.co.jp, example.ne.jp). Domains are compared by it for alignment.
QString organisationalDomain(const QString &domain);

} // namespace AuthResults
