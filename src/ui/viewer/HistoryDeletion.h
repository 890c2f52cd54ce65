#pragma once

#include "core/common/RecordFile.h"
#include "core/history/HistoryFile.h"

#include <QStringList>

class QWidget;

// Deleting from a history rewrites a file of up to a gigabyte and may have to
// wait for a check that is still storing mail, so it runs on a worker, with a
// progress window once it takes a while; the window thread's events go on
// until it ends.
namespace HistoryDeletion {

// Record row, or with row 0 the first count records.
// While one runs another is refused.
RecordFile::Result run(HistoryFile::Kind kind, int row, int count, QWidget *parent);

// The whole-mail files the first count records link to, looked for the same way:
// finding them reads the end of every record.
QStringList linkedFiles(HistoryFile::Kind kind, int count, QWidget *parent);

} // namespace HistoryDeletion
