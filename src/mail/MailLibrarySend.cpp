#include "mail/MailLibrary.h"

#include "mail/OutgoingMail.h"

int MailLibrary::smtpSendMail(const OutgoingMail &)
{
    m_lastError = QStringLiteral("送信できません。");
    return -1;
}
