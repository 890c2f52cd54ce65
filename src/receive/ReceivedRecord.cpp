#include "receive/ReceivedRecord.h"

#include "common/LineEnds.h"
#include "history/RecordText.h"
#include "history/WholeMailLink.h"
#include "mail/MailLibrary.h"
#include "receive/MailCheck.h"

namespace {

// What the history window's boxes and editor would hand back: one-line boxes
// keep at most this many characters, the editor gives CR LF line ends.
constexpr int kLineBoxLimit = 32767;

} // namespace

namespace ReceivedRecord {

std::optional<HistoryRecord> build(FetchedMail &mail, bool attachmentNote, QString *error)
{
    RecordText::keepPictographs(mail);
    QString body = LineEnds::toCrLf(LineEnds::toWidget(mail.body));
    if (attachmentNote)
        body += QStringLiteral("\r\n") + MailCheck::kAttachmentNote;

    HistoryRecord record;
    record.Subject = mail.subject.left(kLineBoxLimit);
    record.Correspondent = mail.from.left(kLineBoxLimit);
    record.MailDate = mail.date.left(kLineBoxLimit);
    record.Body = body;

    const bool whole = WholeMailLink::survives(record) && record.Subject == mail.subject
        && record.Correspondent == mail.from && record.MailDate == mail.date;
    if ((!whole || mail.needsWholeCopy) && !WholeMailLink::keepReceived(record, mail.raw, mail.subject, error))
        return std::nullopt;
    return record;
}

} // namespace ReceivedRecord
