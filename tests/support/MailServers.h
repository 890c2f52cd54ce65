#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <ostream>

// Readable QString values in test failures.
inline void PrintTo(const QString &text, std::ostream *os)
{
    *os << '"' << text.toStdString() << '"';
}

// The real servers the harness started for this test run (tests/harness).
class MailServers {
public:
    // Nothing when the harness is not running; the test then skips.
    static const MailServers *get();

    QString host;
    int pop3 = 0;
    int pop3s = 0;
    int smtp = 0;        // STARTTLS; AUTH once under TLS
    int submission = 0;  // STARTTLS and AUTH required
    int smtps = 0;       // implicit TLS, AUTH
    // Any user name logs in with this password; a mail to <user>@anything lands in
    // that user's mailbox, which the POP3 server reads.
    QString password;
    QString certificate;
    QString maildirs;
    int uid = -1;
    int gid = -1;
    // The OAuth 2.0 authorization server (plain HTTP on host) and the Dovecot that
    // takes only its tokens (SASL OAUTHBEARER/XOAUTH2), on the same mailboxes.
    int oauth = 0;
    int oauthPop3 = 0;   // STLS
    int oauthPop3s = 0;  // implicit TLS

    QString pop3Server() const { return QStringLiteral("%1:%2").arg(host).arg(pop3); }
    QString pop3sServer() const { return QStringLiteral("pop3s://%1:%2").arg(host).arg(pop3s); }

    // The folder of the harness's scripts, for a test that runs a server of its own.
    static QString harnessFolder();

    // A user name no other test uses, so tests may run side by side.
    static QString freshUser();

    // Puts a mail into the user's mailbox as the last waiting one.
    void deliver(const QString &user, const QByteArray &raw) const;
    // Mails waiting in the mailbox.
    int waiting(const QString &user) const;
    // What the SMTP server delivered to the user's mailbox and nobody fetched yet, oldest first.
    QList<QByteArray> delivered(const QString &user) const;

    // How the SMTP server's TLS session went for each mail to the user, oldest first:
    // "full", "resumed" or "plain".
    QStringList tlsSessions(const QString &user) const;

    // Makes the harness's self-signed certificate trusted by this process.
    void trustCertificate() const;
    static void distrustAll();
};

