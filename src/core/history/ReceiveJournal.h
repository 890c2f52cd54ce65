#pragma once

#include "core/history/HistoryFile.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// What a running check is about to write, so that a crash or a power cut at
// any moment leaves nothing half: at the next start a record counts as stored
// only if it is on disk exactly as announced, and everything announced for a
// record that is not is removed. One journal per installation, beside the
// received history; it exists only while a check stores mail or after a crash.
//
// A check stores into two histories, the received one and the junk one; the
// journal covers both.
//
// Lines, each on disk before what it announces where a power cut matters:
//   S <history length> <id file>        the check's first record is about to go
//   J <junk history length>              the same for the junk history
//   P <mail> <file> ...                  files about to be made for a mail
//   R <mail> <offset> <sha256> <uid> <kept> [J]   its record about to go at
//                                        offset, J: in the junk history
// A journal of an older version has no J lines and recovers as it always did.
class ReceiveJournal {
public:
    ReceiveJournal() = default;
    ~ReceiveJournal();
    ReceiveJournal(const ReceiveJournal &) = delete;
    ReceiveJournal &operator=(const ReceiveJournal &) = delete;

    static QString path();

    bool isOpen() const { return m_fd >= 0; }
    // Starts the journal with both histories' lengths; on disk when it returns true.
    bool begin(qint64 historyLength, qint64 junkLength, const QString &idsPath);
    // The files of mail number mail, on disk before any of them is made.
    bool plan(int mail, const QStringList &files);
    // The record of mail about to be written at offset of the history of kind
    // (received or junk), with the id that says it is stored (empty for a
    // server without ids) and whether it stays on the server.
    bool intend(int mail, HistoryFile::Kind kind, qint64 offset, const QByteArray &record, const QByteArray &uid,
                bool kept);
    // Puts every line on disk: before the ids are written, as a start-up that
    // finds the journal keeps only the records its lines vouch for.
    bool sync();
    // Everything the journal guards is on disk: it goes.
    void close();
    const QString &errorText() const { return m_error; }

    struct Recovery {
        bool found = false;     // a journal was left behind
        int confirmed = 0;      // records found whole, in either history
        int dropped = 0;        // announced records not found whole
        QStringList removed;    // files of those records
        QString error;          // what could not be put right (the journal then stays)
    };
    // Run at start under the installation's lock, before any window can edit:
    // in each history keeps the records found whole and notes their ids, cuts
    // everything after the last of them, removes the files of the rest.
    static Recovery recover();

private:
    bool writeLine(const QByteArray &line, bool sync);

    int m_fd = -1;
    QString m_error;
};
