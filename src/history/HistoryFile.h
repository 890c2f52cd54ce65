#pragma once

#include "common/RecordFile.h"
#include "history/HistoryRecord.h"

#include <optional>

// The received-mail or sent-mail history on disk.
class HistoryFile {
public:
    enum class Kind { Received, Sent };

    explicit HistoryFile(Kind kind);

    Kind kind() const { return m_kind; }
    const QString &path() const { return m_file.path(); }

    // A sent mail keeps its clock text date exactly as it stands.
    RecordFile::Result append(const HistoryRecord &record);

    // Record n as stored, or nothing past the end of the file.
    std::optional<HistoryRecord> read(int n) const;

    // The 280 head bytes of every whole record in file order, without the bodies.
    // Listing a missing file creates it empty.
    QByteArray readHeads() const;
    // The heads of count records from record first on, fewer at the end.
    QByteArray readHeads(int first, int count) const;
    // What a listing starts with: the number of whole records; a missing file
    // is created empty.
    int listCount() const;

    // Delete one record, or every record, by rewriting the file without them.
    RecordFile::Result remove(int n);
    RecordFile::Result removeAll();

    // Undoes the last append when nothing else has written since: the file is
    // cut back from lengthAfter to lengthBefore.
    bool takeBackAppend(qint64 lengthBefore, qint64 lengthAfter);
    int count() const { return m_file.wholeRecords(); }

private:
    Kind m_kind;
    QString m_tmpPath;
    mutable RecordFile m_file;
};
