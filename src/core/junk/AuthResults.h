#pragma once

#include <QByteArray>
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

} // namespace AuthResults
