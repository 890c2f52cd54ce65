#pragma once

#include "core/history/HistoryFile.h"
#include "core/search/MailDocument.h"

#include <QList>

// Real history records for the index to line its mails up with: count records
// with plain heads, and the fingerprint of each.
inline QList<qint64> writePlainHistory(HistoryFile::Kind kind, int count)
{
    HistoryFile file(kind);
    for (int n = 1; n <= count; ++n)
        file.append({QStringLiteral("mail %1").arg(n), QStringLiteral("d"), QStringLiteral("f"), QStringLiteral("b")});
    const QByteArray heads = file.readHeads();
    QList<qint64> prints;
    for (int n = 0; n < count; ++n)
        prints << MailDocument::fingerprint(heads.mid(qsizetype(n) * HistoryRecord::kHeadSize, HistoryRecord::kHeadSize));
    return prints;
}
