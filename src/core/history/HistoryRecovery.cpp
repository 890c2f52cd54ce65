#include "core/history/HistoryRecovery.h"

#include "core/history/HistoryFile.h"
#include "core/history/HistoryRecord.h"

namespace HistoryRecovery {

QString atStart()
{
    if (const QString unsettled = HistoryFile::settleLeftJournal(); !unsettled.isEmpty())
        return unsettled;
    for (const HistoryFile::Kind kind :
         {HistoryFile::Kind::Received, HistoryFile::Kind::Sent, HistoryFile::Kind::Junk}) {
        HistoryFile file(kind);
        const qint64 whole = qint64(file.count()) * HistoryRecord::kSize;
        if (file.length() > whole && !file.truncate(whole))
            return QStringLiteral("%1 の壊れた末尾を修復できませんでした。").arg(file.path());
    }
    return {};
}

} // namespace HistoryRecovery
