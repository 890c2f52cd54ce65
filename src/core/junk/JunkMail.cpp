#include "core/junk/JunkMail.h"

#include "core/mail/MailLibrary.h"

// A stand-in until the filter lands.

JunkMail JunkMail::of(const FetchedMail &mail)
{
    JunkMail out;
    out.subject = mail.subject;
    out.from = mail.from;
    out.body = mail.body;
    return out;
}

JunkMail JunkMail::of(HistoryFile::Kind, const HistoryRecord &record)
{
    JunkMail out;
    out.subject = record.Subject;
    out.from = record.Correspondent;
    out.body = record.Body;
    return out;
}

QList<JunkMail> JunkMail::ofFile(const QString &, QString *) { return {}; }
QString JunkMail::senderAddress() const { return {}; }
