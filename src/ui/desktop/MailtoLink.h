#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// A mailto: link (RFC 6068) as far as the compose window can take it. Its one
// recipient box gets "to" and "cc" together; "bcc", "attach" and whatever else
// the link carries are left out and named, so that a link can neither attach a
// local file nor send a hidden copy.
struct MailtoLink {
    QStringList recipients;
    QString subject;
    QString body;            // line breaks as "\n"
    QStringList ignored;     // the fields left out, by their names in the link, lower case

    // Nothing when text is not a mailto: link.
    static std::optional<MailtoLink> parse(const QString &text);
    static bool looksLike(const QString &text);

    QString recipientText() const { return recipients.join(u','); }
    // For the compose window's status line; empty when nothing was left out.
    QString ignoredNote() const;
};
