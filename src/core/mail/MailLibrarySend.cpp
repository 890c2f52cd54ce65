#include "core/mail/MailLibrary.h"

#include "core/common/FixedField.h"
#include "core/mail/mime/MimeWriter.h"
#include "core/mail/mime/OutgoingMail.h"
#include "core/mail/net/SmtpSession.h"

namespace {

// The library reads every text only up to its first NUL.
std::optional<QString> cut(const std::optional<QString> &text)
{
    return text ? std::optional<QString>(FixedField::cutAtNul(*text)) : std::nullopt;
}

thread_local QByteArray t_lastBuilt;
thread_local SendOutcome t_outcome = SendOutcome::Failed;

} // namespace

std::optional<BuiltMail> MailLibrary::buildMail(const OutgoingMail &mail, QString *error)
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
    QString why;
    auto built = MimeWriter::build(clean, QDateTime::currentDateTime(), &why);
    if (!built && error)
        *error = why;
    return built;
}

QByteArray MailLibrary::lastBuiltMessage() const
{
    return t_lastBuilt;
}

SendOutcome MailLibrary::lastSendOutcome() const
{
    return t_outcome;
}

int MailLibrary::smtpSendMail(const OutgoingMail &mail, const SessionHooks *hooks)
{
    // A mail that cannot be built is refused before any connection is made.
    QString error;
    const auto built = buildMail(mail, &error);
    noteSmtpEncrypted(false);
    t_lastBuilt = built ? built->data : QByteArray();
    t_outcome = SendOutcome::Failed;
    if (!built) {
        setLastError(error);
        return -1;
    }

    SmtpSession session;
    session.setHooks(hooks);
    const bool sent = session.open(FixedField::cutAtNul(mail.server))
        && session.authenticate({mail.accountId, mail.accountPassword}) && session.transfer(*built);
    noteSmtpEncrypted(session.isEncrypted());
    // A cancel during the goodbye changes nothing: the server already took the mail.
    t_outcome = sent                         ? SendOutcome::Sent
        : session.mayHaveDelivered()         ? SendOutcome::MaybeDelivered
        : session.cancelled()                ? SendOutcome::Cancelled
                                             : SendOutcome::Failed;
    session.quit();
    if (!sent) {
        setLastError(session.errorText());
        return -1;
    }
    setLastError({});
    return 0;
}
