#pragma once

#include "core/mail/mime/OutgoingMail.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>

#include <optional>

// A mail ready for the SMTP conversation: the envelope and the message with
// CR LF line ends (not yet dot-stuffed).
struct BuiltMail {
    QByteArray sender;
    QList<QByteArray> recipients;  // To, Cc and Bcc
    QByteArray data;
};

// Builds the message of an outgoing mail on GMime: headers, a text part and
// one base64 part per attachment.
class MimeWriter {
public:
    // Nothing when the mail cannot be built (no recipient, an unusable address,
    // an attachment that cannot be read or is no regular file of a bounded
    // size, see AttachmentFile); error says why.
    static std::optional<BuiltMail> build(const OutgoingMail &mail, const QDateTime &date,
                                          QString *error);

    // "Tue, 07 Dec 2026 09:30:00 +0900"
    static QByteArray dateText(const QDateTime &date);
};
