#pragma once

#include <QString>

#include <optional>

// One mail handed to the send operation, in the order the callers fill it.
// An absent text is "none", which differs from an empty one only for Cc, Bcc
// and the extra header.
struct OutgoingMail {
    QString server;
    QString to;          // addresses or "name<address>" forms, separated by ","
    std::optional<QString> cc;
    std::optional<QString> bcc;
    QString from;
    QString subject;
    QString body;
    std::optional<QString> extraHeader;  // "Name: value" lines
    QString attachments;  // full paths joined by ","
    int option = 0;
    // The account for SMTP AUTH, where the server asks for one.
    QString accountId;
    QString accountPassword;
    // Not empty: the account signs in with this OAuth 2.0 provider's token, never the password.
    QString oauthProvider;
};
