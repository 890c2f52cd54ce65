#include "core/check/KnownIds.h"

#include "core/check/ReceivedRecord.h"
#include "core/history/HistoryFile.h"
#include "core/history/HistoryRecord.h"
#include "core/mail/MailLibrary.h"

#include <QFileInfo>
#include <QHash>

#include <optional>

namespace KnownIds {

QByteArray headKeyOf(const MailStatus &status)
{
    FetchedMail headers;
    headers.subject = status.subject;
    headers.from = status.from;
    headers.date = status.date;
    return ReceivedMailIds::headKey(HistoryFile(HistoryFile::Kind::Received).bytesOf(ReceivedRecord::headOf(headers)));
}

namespace {

// The head key of mail n: from TOP, or from the whole mail once the server
// showed it has no TOP. Empty when the mail cannot be read; null when the
// connection is gone.
std::optional<QByteArray> headKeyAt(const Server &server, int n, bool *withoutTop)
{
    if (!*withoutTop) {
        if (const auto status = server.library.pop3GetMailStatus(server.handle, n))
            return headKeyOf(*status);
        if (!server.library.pop3IsOpen(server.handle))
            return std::nullopt;
        *withoutTop = true;
    }
    const auto raw = server.library.pop3GetRawMail(server.handle, n);
    if (!raw)
        return server.library.pop3IsOpen(server.handle) ? std::optional<QByteArray>(QByteArray()) : std::nullopt;
    const qsizetype end = raw->indexOf("\r\n\r\n");
    FetchedMail headers = MailLibrary::parse(end < 0 ? *raw : raw->left(end + 4));
    return ReceivedMailIds::headKey(
        HistoryFile(HistoryFile::Kind::Received).bytesOf(ReceivedRecord::headOf(headers)));
}

} // namespace

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
    // A mail the filter sent to the junk history is stored as much as any other.
    QByteArray heads = HistoryFile(HistoryFile::Kind::Received).readHeads();
    if (const HistoryFile junk(HistoryFile::Kind::Junk); QFileInfo::exists(junk.path()))
        heads += junk.readHeads();
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
    bool withoutTop = false;
    for (int n = 1; n <= server.waiting; ++n) {
        const QByteArray key = server.keyOf(n);
        if (key.isEmpty() || known.contains(key))
            continue;
        if (server.stopped())
            return false;
        const auto head = headKeyAt(server, n, &withoutTop);
        if (!head)
            return false;
        // A mail that cannot be read is not matched: it is fetched and stored, never skipped.
        if (!head->isEmpty() && unclaimed.value(*head) > 0) {
            --unclaimed[*head];
            known.insert(key, {kept.contains(*head), now, *head});
        }
    }
    return true;
}

} // namespace KnownIds
