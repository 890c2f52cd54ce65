#include "core/history/HistoryRecovery.h"

#include "core/history/HistoryFile.h"
#include "core/history/HistoryRecord.h"
#include "core/history/ReceiveJournal.h"

namespace HistoryRecovery {

QString atStart()
{
    const ReceiveJournal::Recovery recovered = ReceiveJournal::recover();
    if (!recovered.error.isEmpty())
        return recovered.error;
    for (const HistoryFile::Kind kind : {HistoryFile::Kind::Received, HistoryFile::Kind::Sent}) {
        HistoryFile file(kind);
        const qint64 whole = qint64(file.count()) * HistoryRecord::kSize;
        if (file.length() > whole && !file.truncate(whole))
            return QStringLiteral("%1 の壊れた末尾を修復できませんでした。").arg(file.path());
    }
    return {};
}

} // namespace HistoryRecovery
