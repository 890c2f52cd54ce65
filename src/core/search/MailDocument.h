#pragma once

#include "core/history/HistoryFile.h"
#include "core/history/HistoryRecord.h"

#include <QString>

// One mail as the search sees it: its texts as the user sees them when the mail
// is opened (a record linking a whole mail gives that mail's decoded text).
struct MailDocument {
    QString subject;
    QString sender;      // received: the sender; sent: the whole mail's From, when kept
    QString recipients;  // sent: the To box; received: the whole mail's To and Cc, when kept
    QString body;
    QString files;       // attachment names, one a line
    QString dateText;    // as the list shows it
    QString correspondent;  // as the list shows it
    qint64 time = 0;     // seconds since the epoch; 0 when the date cannot be read

    static MailDocument of(HistoryFile::Kind kind, const HistoryRecord &record);
    // A record's date text as a moment, for ordering and since:/until:.
    static qint64 timeOf(const QString &dateText);
    // What tells records apart when their numbers move: a hash of the head bytes.
    static qint64 fingerprint(const QByteArray &headBytes);
};
