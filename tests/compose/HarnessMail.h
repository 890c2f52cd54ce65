#pragma once

#include "core/mail/mime/OutgoingMail.h"
#include "support/MailServers.h"

// A short mail to local@example.jp through the harness's SMTP server.
inline OutgoingMail harnessMailTo(const MailServers &servers, const QString &local, const QString &subject)
{
    OutgoingMail mail;
    mail.server = QStringLiteral("%1:%2").arg(servers.host).arg(servers.smtp);
    mail.to = local + QStringLiteral("@example.jp");
    mail.from = QStringLiteral("me@example.jp");
    mail.subject = subject;
    mail.body = QStringLiteral("本文\r\n");
    return mail;
}
