#pragma once

#include "core/history/HistoryFile.h"
#include "core/history/HistoryRecord.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

// One history record as a message of its own, the way the history window shows
// it: for the exports of the histories.
namespace RecordMessage {

struct Shown {
    HistoryRecord record;  // trimmed, as stored
    QString subject;
    QString correspondent;
    QString date;
    QString body;
    QByteArray id;  // the Message-ID, from the record's bytes
};

// A record as stored (32284 bytes) as the window shows it.
Shown read(const char *data, bool sent);

// The Date header line of a record's date text (empty when it names no
// moment), and the moment.
struct DateParts {
    QByteArray header;
    QDateTime moment;
};
DateParts dateParts(const QString &dateText);

// The whole message, CR LF line ends.
QByteArray build(const Shown &record, HistoryFile::Kind kind, const QString &ownAddress, const DateParts &date);
QByteArray build(const Shown &record, HistoryFile::Kind kind, const QString &ownAddress);

// The bare address of a From or To text, or empty.
QByteArray envelopeAddress(const QString &text);

} // namespace RecordMessage
