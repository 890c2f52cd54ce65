#pragma once

#include "core/history/HistoryFile.h"
#include "core/history/HistoryRecord.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <functional>

struct FetchedMail;

// One mail as the junk filter reads it: its texts decoded as the user sees
// them, and the header block for what servers said about it.
struct JunkMail {
    QString subject;
    QString from;        // name and address, as the mail gives them
    QString to;          // To and Cc
    QString body;
    QString files;       // attachment names, one a line
    QByteArray header;   // the raw header block; empty when not kept
    // The user's own receiving server said the From domain failed authentication.
    bool spoofed = false;

    static JunkMail of(const FetchedMail &mail);
    // A stored record, through its linked whole mail when one is kept.
    static JunkMail of(HistoryFile::Kind kind, const HistoryRecord &record);
    // The mails of an EML or mbox file; empty with error set when it cannot be read.
    static QList<JunkMail> ofFile(const QString &path, QString *error);
    // The same one mail at a time, never the whole of an mbox in memory; stops
    // when visit returns false. False with error set when the file cannot be read.
    static bool forEachInFile(const QString &path, const std::function<bool(JunkMail &&mail)> &visit, QString *error);

    // The sender's address, lower case; empty when the From has none.
    QString senderAddress() const;
    // Every address written in a list of recipients, lower case.
    static QStringList addressesIn(const QString &recipients);
};
