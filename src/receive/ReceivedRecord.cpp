#include "receive/ReceivedRecord.h"

#include "common/AppPaths.h"
#include "common/LineEnds.h"
#include "history/RecordText.h"
#include "history/WholeMailLink.h"
#include "mail/AttachmentWriter.h"
#include "mail/MailLibrary.h"
#include "receive/MailCheck.h"

namespace {

// What the history window's boxes and editor would hand back: one-line boxes
// keep at most this many characters, the editor gives CR LF line ends.
constexpr int kLineBoxLimit = 32767;

} // namespace

namespace ReceivedRecord {

HistoryRecord headOf(FetchedMail &mail)
{
    RecordText::keepPictographs(mail);
    HistoryRecord record;
    record.Subject = mail.subject.left(kLineBoxLimit);
    record.Correspondent = mail.from.left(kLineBoxLimit);
    record.MailDate = mail.date.left(kLineBoxLimit);
    return record;
}

std::optional<HistoryRecord> build(FetchedMail &mail, bool attachmentNote, QString *error,
                                   const std::function<bool(const QString &path)> &beforeWriting)
{
    HistoryRecord record = headOf(mail);
    QString body = LineEnds::anyToCrLf(mail.body);
    if (attachmentNote)
        body += QStringLiteral("\r\n") + MailCheck::kAttachmentNote;
    record.Body = body;

    const bool whole = WholeMailLink::survives(record) && record.Subject == mail.subject
        && record.Correspondent == mail.from && record.MailDate == mail.date;
    if (whole && !mail.needsWholeCopy)
        return record;
    if (!WholeMailLink::keepReceived(record, mail.raw, mail.subject, error, beforeWriting))
        return std::nullopt;
    // The only complete copy of the mail is on disk before a record can vouch for it.
    AttachmentWriter folder(AppPaths::resolve(AppPaths::kAttachmentFolder));
    if (!folder.sync()) {
        if (error)
            *error = folder.errorText();
        return std::nullopt;
    }
    return record;
}

} // namespace ReceivedRecord
