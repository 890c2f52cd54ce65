#include "mail/MailLibrary.h"

#include "common/FixedField.h"
#include "mail/MimeWriter.h"
#include "mail/OutgoingMail.h"
#include "mail/SmtpSession.h"
#include "settings/AccountFile.h"
#include "settings/RuntimeSettings.h"

namespace {

// The library reads every text only up to its first NUL.
std::optional<QString> cut(const std::optional<QString> &text)
{
    return text ? std::optional<QString>(FixedField::cutAtNul(*text)) : std::nullopt;
}

SmtpSession::Credentials storedAccount()
{
    const AccountFile account;
    SmtpSession::Credentials credentials{account.id(), account.password()};
    if (credentials.id.isEmpty()) {
        credentials.id = runtimeSettings().AccountId;
        credentials.password = runtimeSettings().AccountPassword;
    }
    return credentials;
}

} // namespace

int MailLibrary::smtpSendMail(const OutgoingMail &mail)
{
    OutgoingMail clean = mail;
    clean.server = FixedField::cutAtNul(mail.server);
    clean.to = FixedField::cutAtNul(mail.to);
    clean.cc = cut(mail.cc);
    clean.bcc = cut(mail.bcc);
    clean.from = FixedField::cutAtNul(mail.from);
    clean.subject = FixedField::cutAtNul(mail.subject);
    clean.body = FixedField::cutAtNul(mail.body);
    clean.extraHeader = cut(mail.extraHeader);
    clean.attachments = FixedField::cutAtNul(mail.attachments);

    // A mail that cannot be built is refused before any connection is made.
    QString error;
    const auto built = MimeWriter::build(clean, QDateTime::currentDateTime(), &error);
    if (!built) {
        m_lastError = error;
        return -1;
    }

    SmtpSession session;
    const bool sent = session.open(clean.server) && session.authenticate(storedAccount())
        && session.transfer(*built);
    session.quit();
    if (!sent) {
        m_lastError = session.errorText();
        return -1;
    }
    m_lastError.clear();
    return 0;
}
