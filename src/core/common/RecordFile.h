#pragma once

#include <QByteArray>
#include <QSet>
#include <QString>

#include <atomic>
#include <functional>
#include <optional>

// A flat file of fixed-size records numbered from 1, each with a 16-bit
// little-endian live flag. The file is opened and closed inside every call.
class RecordFile {
public:
    // Record numbers are 16-bit signed on disk, so 32767 is a hard limit.
    static constexpr int kMaxRecords = 32767;

    struct Result {
        bool ok = false;
        int number = 0;  // the record written, for append
        QString error;   // for a message box, with the file's name; empty when ok
    };

    RecordFile(QString path, int recordSize, int liveFlagOffset);

    const QString &path() const { return m_path; }
    int recordSize() const { return m_recordSize; }

    qint64 length() const;
    // Records a listing reads: a trailing partial record does not count.
    int wholeRecords() const;
    // length / size rounded half to even, as the delete-all marking counts.
    int roundedRecords() const;
    // The number an append writes at: length / size + 1 rounded half to even.
    int appendNumber() const;

    // Opening for record access creates an empty file when none exists.
    bool ensureExists() const;

    // Record n, or nothing when the file holds fewer than n whole records.
    std::optional<QByteArray> read(int n) const;

    // The first headBytes of every whole record, one after another, read in one
    // pass that skips the rest of each record.
    QByteArray readHeads(int headBytes) const;
    // The same for count records from record first on; fewer at the end of the file.
    // With headBytes the record size, whole records in one read.
    QByteArray readHeads(int headBytes, int first, int count) const;

    // A write that fails leaves the file as it was: bytes written over are put
    // back and the file is cut back to its old length. Refused for a file the
    // user may not write.
    Result write(int n, const QByteArray &record);
    Result append(const QByteArray &record);

    // Told the records read so far and the file's whole count as a rewrite goes.
    using Progress = std::function<void(int done, int total)>;

    // Rewrites the file without the records in drop and without records whose
    // live flag is 0, through a temporary file named after tmpPath (see SafeFile),
    // so a failure leaves the old file whole and a link keeps pointing at it.
    // A set cancel flag leaves the file as it was.
    Result compact(const QString &tmpPath, const QSet<int> &drop = {}, const Progress &progress = {},
                   const std::atomic_bool *cancel = nullptr);

    // Cuts the file back to length bytes (a torn or unconfirmed tail).
    bool truncate(qint64 length);

    bool isLive(const QByteArray &record) const;
    static void setLiveFlag(QByteArray &record, int offset, qint16 flag);

private:
    QString m_path;
    int m_recordSize;
    int m_liveFlagOffset;
};
