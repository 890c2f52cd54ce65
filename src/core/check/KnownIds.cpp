#include "core/check/KnownIds.h"

#include "core/check/ReceivedRecord.h"
#include "core/history/HistoryFile.h"
#include "core/history/HistoryRecord.h"
#include "core/mail/MailLibrary.h"

#include <QHash>

namespace KnownIds {

QByteArray headKeyOf(const MailStatus &status)
{
    FetchedMail headers;
    headers.subject = status.subject;
    headers.from = status.from;
    headers.date = status.date;
    return ReceivedMailIds::headKey(HistoryFile(HistoryFile::Kind::Received).bytesOf(ReceivedRecord::headOf(headers)));
}

bool confirmLeaving(const Server &server, ReceivedMailIds::Ids &known)
{
    for (int n = 1; n <= server.waiting; ++n) {
        const QByteArray key = server.keyOf(n);
        const auto it = known.find(key);
        if (key.isEmpty() || it == known.end() || !it->leaving)
            continue;
        if (server.stopped())
            return false;
        bool same = !it->head.isEmpty();
        if (same && it->size >= 0) {
            const qint64 size = server.library.pop3GetMailSize(server.handle, n);
            if (size < 0 && !server.library.pop3IsOpen(server.handle))
                return false;
            same = size == it->size;
        }
        if (same) {
            const auto status = server.library.pop3GetMailStatus(server.handle, n);
            if (!status && !server.library.pop3IsOpen(server.handle))
                return false;
            same = status && headKeyOf(*status) == it->head;
        }
        if (same)
            it->leaving = false;
        else
            known.erase(it);
    }
    // The marks of ids the server no longer lists go with the check's last rewrite.
    return true;
}

bool rebuild(const Server &server, ReceivedMailIds::Ids &known)
{
    HistoryFile received(HistoryFile::Kind::Received);
    const QByteArray heads = received.readHeads();
    if (heads.isEmpty())
        return true;
    QHash<QByteArray, int> unclaimed;
    for (qsizetype at = 0; at + HistoryRecord::kHeadSize <= heads.size(); at += HistoryRecord::kHeadSize)
        ++unclaimed[ReceivedMailIds::headKey(heads.mid(at, HistoryRecord::kHeadSize))];
    for (const ReceivedMailIds::Entry &entry : std::as_const(known))
        if (!entry.head.isEmpty() && unclaimed.value(entry.head) > 0)
            --unclaimed[entry.head];
    const QSet<QByteArray> kept = ReceivedMailIds::keptHeads();
    const qint64 now = ReceivedMailIds::now();
    for (int n = 1; n <= server.waiting; ++n) {
        const QByteArray key = server.keyOf(n);
        if (key.isEmpty() || known.contains(key))
            continue;
        if (server.stopped())
            return false;
        const auto status = server.library.pop3GetMailStatus(server.handle, n);
        if (!status)
            return false;
        const QByteArray head = headKeyOf(*status);
        if (unclaimed.value(head) > 0) {
            --unclaimed[head];
            known.insert(key, {kept.contains(head), now, head});
        }
    }
    return true;
}

} // namespace KnownIds
