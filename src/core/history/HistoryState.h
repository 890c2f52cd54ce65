#pragma once

#include "core/history/HistoryFile.h"
#include "core/history/HistoryRecord.h"

// What the history window leaves behind for the whole program: which history
// is current, and the last record read of each history (the mail actions work
// on it).
struct HistoryState {
    static constexpr qint16 kReceived = 1;
    static constexpr qint16 kSent = 2;
    static constexpr qint16 kJunk = 3;

    qint16 mode = 0;
    HistoryRecord receivedBuffer;
    HistoryRecord sentBuffer;
    HistoryRecord junkBuffer;

    HistoryFile::Kind kind() const
    {
        switch (mode) {
        case kSent: return HistoryFile::Kind::Sent;
        case kJunk: return HistoryFile::Kind::Junk;
        default: return HistoryFile::Kind::Received;
        }
    }
    HistoryRecord &buffer()
    {
        switch (mode) {
        case kSent: return sentBuffer;
        case kJunk: return junkBuffer;
        default: return receivedBuffer;
        }
    }
    static qint16 modeOf(HistoryFile::Kind kind)
    {
        switch (kind) {
        case HistoryFile::Kind::Sent: return kSent;
        case HistoryFile::Kind::Junk: return kJunk;
        case HistoryFile::Kind::Received: break;
        }
        return kReceived;
    }
};

HistoryState &historyState();
