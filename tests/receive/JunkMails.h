#pragma once

#include "core/junk/JunkFilter.h"
#include "core/junk/JunkMail.h"
#include "core/mail/MailLibrary.h"

#include <QByteArray>
#include <QString>

// Mails a filter trained by trainJunkFilter() tells apart at once.
namespace JunkMails {

inline QByteArray junk(int n, const QByteArray &from = "prize@win-lottery.example")
{
    return "From: " + from + "\r\nTo: you@example.jp\r\nSubject: WINNER casino bonus prize " + QByteArray::number(n)
        + "\r\nDate: Mon, 7 Dec 2026 10:00:00 +0900\r\n\r\n"
          "Congratulations WINNER! Claim your free casino bonus prize now at "
          "http://claim.win-lottery.example/bonus cheap viagra pills, unlimited jackpot cash, act now.\r\n";
}

inline QByteArray good(int n, const QByteArray &from = "colleague@example.jp")
{
    return "From: " + from + "\r\nTo: you@example.jp\r\nSubject: project meeting minutes " + QByteArray::number(n)
        + "\r\nDate: Mon, 7 Dec 2026 10:00:00 +0900\r\n\r\n"
          "Hello, attached are the minutes of our project meeting. The schedule review moves to "
          "Thursday; please check the draft agenda and the budget figures before then. Regards\r\n";
}

inline QString junkSubject(int n)
{
    return QStringLiteral("WINNER casino bonus prize %1").arg(n);
}

inline QString goodSubject(int n)
{
    return QStringLiteral("project meeting minutes %1").arg(n);
}

// Learns enough of both, as the check reads them, for the filter to give verdicts.
inline bool train()
{
    JunkFilter &filter = JunkFilter::instance();
    for (int n = 0; n < JunkFilter::kTrainedAfter + 2; ++n) {
        if (!filter.learn(JunkMail::of(MailLibrary::parse(junk(1000 + n))), true)
            || !filter.learn(JunkMail::of(MailLibrary::parse(good(1000 + n))), false))
            return false;
    }
    return true;
}

} // namespace JunkMails
