#pragma once

#include "core/junk/JunkMail.h"
#include "core/mail/MailLibrary.h"
#include "support/Encoded.h"
#include "support/MailServers.h"  // readable QString values in failures

#include <QByteArray>
#include <QString>


// Mails as servers hand them over, in the charsets Japanese mail comes in.
namespace JunkSamples {

// The mail's header and body in charset: "ISO-2022-JP", "Shift_JIS" or "UTF-8".
// Headers carry encoded words; the body goes as it is (base64 for UTF-8).
inline QByteArray mail(const QString &charset, const QString &from, const QString &subject, const QString &body,
                       const QByteArray &extraHeaders = {})
{
    const char *iconvName = charset == QLatin1String("Shift_JIS") ? "CP932" : charset.toLatin1() == "UTF-8" ? "UTF-8" : "ISO-2022-JP";
    const QByteArray label = charset.toLatin1();
    // ISO-2022-JP has no half-width kana: mailers send them full-width.
    const auto sendable = [&](const QString &text) {
        if (label != "ISO-2022-JP")
            return text;
        QString out;
        for (const QChar c : text)
            out += c.unicode() >= 0xFF61 && c.unicode() <= 0xFF9F ? QString(c).normalized(QString::NormalizationForm_KC) : QString(c);
        return out.normalized(QString::NormalizationForm_C);
    };
    const auto word = [&](const QString &text) {
        return "=?" + label + "?B?" + encodedIn(sendable(text), iconvName).toBase64() + "?=";
    };
    QString name = from.section(u'<', 0, 0).trimmed();
    const QString address = from.section(u'<', 1).section(u'>', 0, 0);
    QByteArray raw = "From: " + (name.isEmpty() ? QByteArray() : word(name) + ' ') + '<' + address.toLatin1() + ">\r\n"
                     "To: user@example.jp\r\n"
                     "Subject: " + word(subject) + "\r\n"
                     "Date: Tue, 08 Dec 2026 10:00:00 +0900\r\n"
                     "Message-ID: <1@" + address.section(u'@', 1).toLatin1() + ">\r\n"
                     "MIME-Version: 1.0\r\n" + extraHeaders;
    QByteArray text = encodedIn(sendable(body).replace(QStringLiteral("\n"), QStringLiteral("\r\n")), iconvName);
    if (label == "UTF-8") {
        raw += "Content-Type: text/plain; charset=UTF-8\r\nContent-Transfer-Encoding: base64\r\n\r\n";
        for (qsizetype i = 0; i < text.toBase64().size(); i += 76)
            raw += text.toBase64().mid(i, 76) + "\r\n";
    } else {
        raw += "Content-Type: text/plain; charset=" + label + "\r\nContent-Transfer-Encoding: "
               + (label == "ISO-2022-JP" ? "7bit" : "8bit") + "\r\n\r\n" + text + "\r\n";
    }
    return raw;
}

inline JunkMail junkMail(const QByteArray &raw)
{
    return JunkMail::of(MailLibrary::parse(raw));
}

} // namespace JunkSamples
