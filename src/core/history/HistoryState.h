#pragma once

#include "core/history/HistoryFile.h"
#include "core/history/HistoryRecord.h"

// What the history window leaves behind for the whole program: which history
// is current, and the last record read of each history (the mail actions work
// on it).
struct HistoryState {
    static constexpr qint16 kReceived = 1;
    static constexpr qint16 kSent = 2;

    qint16 mode = 0;
    HistoryRecord receivedBuffer;
    HistoryRecord sentBuffer;

    HistoryFile::Kind kind() const
    {
        return mode == kSent ? HistoryFile::Kind::Sent : HistoryFile::Kind::Received;
    }
    HistoryRecord &buffer() { return mode == kSent ? sentBuffer : receivedBuffer; }
};

HistoryState &historyState();
