#pragma once

#include <QString>

struct FetchedMail;

// Carrier pictographs in the history records. Records have always kept them as
// the carrier's Shift_JIS codes, which CP932 reads as user-defined characters
// (U+E000-U+E757) that no font draws; on screen they are the matching Unicode
// emoji. The carrier is the one of the record's correspondent.
namespace RecordText {

// The stored text as the window shows it: user-defined characters a carrier
// table knows become their emoji.
QString forScreen(const QString &stored, const QString &correspondent);

// The text as a record keeps it: emoji without a CP932 form that are the
// correspondent's carrier's pictographs go back to that carrier's codes. Text
// from other addresses, and text that has a CP932 form, stays as it is.
QString forRecord(const QString &text, const QString &correspondent);

// A received mail's subject and body as its record keeps them.
void keepPictographs(FetchedMail &mail);

} // namespace RecordText
