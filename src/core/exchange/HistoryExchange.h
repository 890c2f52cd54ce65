#pragma once

#include "core/history/HistoryFile.h"
#include "core/history/HistoryRecord.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <atomic>
#include <functional>

// The histories as mail other programs read: out as an mbox file or a folder of
// .eml files, in as the messages of an mbox or of such a folder.
namespace HistoryExchange {

// How far a long run has come, and the user's wish to stop it.
struct Work {
    const std::atomic_bool *cancel = nullptr;
    std::function<void(qint64 done, qint64 total)> progress;

    bool cancelled() const { return cancel && cancel->load(); }
};

struct Outcome {
    bool ok = false;
    bool cancelled = false;
    bool full = false;          // import: the received history reached its last record number
    int count = 0;              // messages written or records stored
    int attachmentProblems = 0; // import: attachments that could not be written, or a split mail incomplete
    QString error;              // for a message box, naming the file; empty when ok
};

// The moment a record's date text stands for: a mail's Date header, or the
// clock text a sent mail was stored with (read as local time).
QDateTime recordMoment(const QString &dateText);

// The message a record without its whole mail stands for, CR LF line ends:
// From or To, Subject and Date as the history window shows them, a
// Message-ID made from the record, and the body as UTF-8 text. ownAddress
// (may be empty) is the From of a sent mail.
QByteArray buildMessage(const HistoryRecord &record, HistoryFile::Kind kind, const QString &ownAddress = {});

// Every record in order, written whole to an mbox (mboxrd) file that replaces
// path only once complete.
Outcome exportMbox(HistoryFile::Kind kind, const QString &path, const Work &work = {},
                   const QString &ownAddress = {});

// One file per record, "00001 件名.eml", into an existing folder; an existing
// file of the same name stops the export rather than being replaced.
Outcome exportEmlFolder(HistoryFile::Kind kind, const QString &folder, const Work &work = {},
                        const QString &ownAddress = {});

// Every message of an mbox file, of a single .eml file or of a folder of .eml
// files (in name order) appended to the received history as a mail check
// stores it. Stops at the history's last record number.
Outcome import(const QString &path, const Work &work = {});

} // namespace HistoryExchange
