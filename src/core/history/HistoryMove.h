#pragma once

#include "core/history/HistoryFile.h"

#include <QList>
#include <QString>

#include <atomic>
#include <functional>

// Moves records, their bytes exactly, from one received history to the other
// (着信履歴 and 迷惑メール) as one operation: they are appended to the target,
// then the source is rewritten without them. A journal on disk before the
// first append names the records by checksum, so that after a crash or a
// kill at any moment the start-up finds every mail in exactly one of the two
// files: a move whose source was not rewritten yet is undone, one whose source
// was rewritten is kept.
namespace HistoryMove {

struct Result {
    bool ok = false;
    int moved = 0;
    QString error;  // what failed and where, for a box; empty when ok
};

// Told as the move goes: 0 once the journal is on disk, then each record
// appended, then the source's rewrite, and total just before the journal goes.
using Progress = std::function<void(int done, int total)>;

// numbers: records of from, counted from 1. Waits for a running check's
// append session and for deletions of either history, as a deletion does;
// a set cancel ends the wait with nothing moved.
Result run(HistoryFile::Kind from, HistoryFile::Kind to, const QList<int> &numbers,
           const Progress &progress = {}, const std::atomic_bool *cancel = nullptr);

QString journalPath();

// Settles a move a crash cut short; run at start under the installation's
// lock, and by every later writer of the received histories, as a check's
// journal is (HistoryFile::settleLeftJournal). Empty when there was none or it
// is settled, otherwise what could not be put right (the journal then stays).
QString settle();

} // namespace HistoryMove
