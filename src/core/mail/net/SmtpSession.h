#pragma once

#include "core/mail/net/LineSession.h"
#include "core/mail/net/SessionHooks.h"

#include <QByteArray>
#include <QList>
#include <QSet>
#include <QString>

#include <optional>

struct BuiltMail;

// One SMTP conversation on a line session. Every failure leaves the server's
// reply, verbatim, or our own sentence about the connection in errorText().
class SmtpSession {
public:
    static const ServerAddress::Schemes kSchemes;

    struct Credentials {
        QString id;
        QString password;
    };

    SmtpSession() = default;

    // The cancel flag, progress and questions of the running job; may be null.
    void setHooks(const SessionHooks *hooks)
    {
        m_hooks = hooks;
        m_line.setHooks(hooks);
    }

    // Connects, reads the greeting, says EHLO (HELO when EHLO is refused) and
    // switches to TLS by STARTTLS whenever the server offers it.
    bool open(const QString &serverText);
    // Logs in when the server offers AUTH and the line is safe for a password:
    // encrypted, or to this machine. Nothing to do counts as success.
    // With an access token in the hooks it signs in by SASL OAUTHBEARER/XOAUTH2
    // instead, only over TLS, and a server without them is a failure.
    bool authenticate(const Credentials &credentials);
    // MAIL, one RCPT per recipient and DATA with the dot-stuffed message.
    bool transfer(const BuiltMail &mail);
    // Says goodbye and closes; a goodbye the server fumbles is no failure.
    void quit();

    bool isEncrypted() const { return m_line.isEncrypted(); }
    bool cancelled() const { return m_line.cancelled(); }
    // The whole mail with its final "." went to the network and no answer came:
    // the server may have it.
    bool mayHaveDelivered() const { return m_dotHanded && !m_dotAnswered; }
    bool authenticated() const { return m_authenticated; }
    const QString &errorText() const { return m_error; }

    // A password may cross an encrypted line, or a plain one that never leaves this machine.
    static bool safeForPassword(bool encrypted, const QString &host);

private:
    struct Reply {
        int code = 0;
        QList<QByteArray> lines;
    };

    std::optional<Reply> readReply();
    // Sends a line and reads the reply; false unless its code is expected.
    bool command(const QByteArray &line, int expected, Reply *reply = nullptr);
    bool hello();
    bool fail(const QString &text);
    bool failWith(const Reply &reply);
    bool authenticateWithToken(const QString &id);

    const SessionHooks *m_hooks = nullptr;
    LineSession m_line;
    QSet<QByteArray> m_extensions;   // upper-case keywords of the EHLO reply
    QList<QByteArray> m_authMethods; // upper case
    qint64 m_sizeLimit = 0;          // bytes the server takes in one mail; 0: no limit said
    bool m_authenticated = false;
    bool m_dotHanded = false;
    bool m_dotAnswered = false;
    QString m_error;
};
