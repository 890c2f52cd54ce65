#pragma once

#include "history/HistoryRecord.h"

#include <QString>

#include <optional>

struct FetchedMail;

namespace ReceivedRecord {

// The record a received mail is stored as, once its attachments are unpacked:
// pictographs kept as the record keeps them, CR LF line ends, the attachment
// note when attachments were unpacked, and a whole copy of the mail kept and
// linked when the record cannot hold it. Nothing, with error set, when that
// copy cannot be written.
std::optional<HistoryRecord> build(FetchedMail &mail, bool attachmentNote, QString *error);

} // namespace ReceivedRecord
