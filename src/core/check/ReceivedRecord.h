#pragma once

#include "core/history/HistoryRecord.h"

#include <QString>

#include <functional>
#include <optional>

struct FetchedMail;

namespace ReceivedRecord {

// The record a received mail is stored as, once its attachments are unpacked:
// pictographs kept as the record keeps them, CR LF line ends, the attachment
// note when attachments were unpacked, and a whole copy of the mail kept and
// linked when the record cannot hold it, on disk before this returns.
// beforeWriting is told that copy's path before it exists. Nothing, with error
// set, when that copy cannot be written.
// Only the subject, sender and date, as build gives them: what a record's head
// keeps of a mail known by its headers alone.
HistoryRecord headOf(FetchedMail &mail);

std::optional<HistoryRecord> build(FetchedMail &mail, bool attachmentNote, QString *error,
                                   const std::function<bool(const QString &path)> &beforeWriting = {});

} // namespace ReceivedRecord
