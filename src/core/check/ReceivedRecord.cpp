#include "core/check/ReceivedRecord.h"

#include "core/common/AppPaths.h"
#include "core/common/LineEnds.h"
#include "core/history/RecordText.h"
#include "core/history/WholeMailLink.h"
#include "core/mail/mime/AttachmentWriter.h"
#include "core/mail/MailLibrary.h"
#include "core/check/CheckTexts.h"

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
        body += QStringLiteral("\r\n") + CheckTexts::kAttachmentNote;
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
