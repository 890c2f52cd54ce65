#include "core/check/KnownIds.h"

#include "core/check/ReceivedRecord.h"
#include "core/common/FixedField.h"
#include "core/common/LineEnds.h"
#include "core/history/HistoryFile.h"
#include "core/history/HistoryRecord.h"
#include "core/history/RecordText.h"
#include "core/mail/MailLibrary.h"

#include <QFile>
#include <QHash>

#include <optional>

namespace {

QByteArray headKeyOfMail(FetchedMail headers)
{
    return ReceivedMailIds::headKey(HistoryFile(HistoryFile::Kind::Received).bytesOf(ReceivedRecord::headOf(headers)));
}

} // namespace

namespace KnownIds {

QByteArray headKeyOf(const MailStatus &status)
{
    FetchedMail headers;
    headers.subject = status.subject;
    headers.from = status.from;
    headers.date = status.date;
    return headKeyOfMail(std::move(headers));
}

namespace {

// Enough of a body to tell a re-sent alert from the mail stored before it.
constexpr qsizetype kComparedBody = 2000;

// The head key of mail n: from TOP, or from the whole mail once the server
// showed it has no TOP (then kept in raw). Empty when the mail cannot be read;
// null when the connection is gone.
std::optional<QByteArray> headKeyAt(const Server &server, int n, bool *withoutTop, QByteArray *raw)
{
    if (!*withoutTop) {
        if (const auto status = server.library.pop3GetMailStatus(server.handle, n))
            return headKeyOf(*status);
        if (!server.library.pop3IsOpen(server.handle))
            return std::nullopt;
        *withoutTop = true;
    }
    const auto whole = server.library.pop3GetRawMail(server.handle, n);
    if (!whole)
        return server.library.pop3IsOpen(server.handle) ? std::optional<QByteArray>(QByteArray()) : std::nullopt;
    *raw = *whole;
    const qsizetype end = raw->indexOf("\r\n\r\n");
    return headKeyOfMail(MailLibrary::parse(end < 0 ? *raw : raw->left(end + 4)));
}

// The body as a check stores it, trimmed as the history shows it.
QString storedBodyOf(const QByteArray &raw)
{
    FetchedMail mail = MailLibrary::parse(raw);
    // What a check stores once attachments are unpacked, without writing them.
    mail.body = MailLibrary::unpackedText(mail);
    RecordText::keepPictographs(mail);
    HistoryRecord record;
    record.Body = LineEnds::anyToCrLf(mail.body);
    const QByteArray bytes = HistoryFile(HistoryFile::Kind::Received).bytesOf(record);
    return FixedField::trimSpaces(HistoryRecord::fromBytes(bytes).Body);
}

// Records' bodies end in notes a check adds (attachments, a linked whole
// mail), so the stored one starts with the candidate's.
bool sameBody(const QString &stored, const QString &candidate)
{
    const qsizetype compared = qMin(candidate.size(), kComparedBody);
    return stored.left(compared) == candidate.left(compared);
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
    // Records no id claims yet, by their head key. A mail moved to 迷惑メール was stored all the same.
    struct Stored {
        HistoryFile::Kind kind;
        int number;
    };
    QHash<QByteArray, QList<Stored>> unclaimed;
    for (const HistoryFile::Kind kind : {HistoryFile::Kind::Received, HistoryFile::Kind::Junk}) {
        const HistoryFile history(kind);
        if (kind == HistoryFile::Kind::Junk && !QFile::exists(history.path()))
            continue;
        const QByteArray heads = history.readHeads();
        for (qsizetype at = 0; at + HistoryRecord::kHeadSize <= heads.size(); at += HistoryRecord::kHeadSize)
            unclaimed[ReceivedMailIds::headKey(heads.mid(at, HistoryRecord::kHeadSize))]
                << Stored{kind, int(at / HistoryRecord::kHeadSize) + 1};  // records count from 1
    }
    if (unclaimed.isEmpty())
        return true;
    for (const ReceivedMailIds::Entry &entry : std::as_const(known))
        if (const auto it = unclaimed.find(entry.head); !entry.head.isEmpty() && it != unclaimed.end() && !it->isEmpty())
            it->removeFirst();
    const QSet<QByteArray> kept = ReceivedMailIds::keptHeads();
    const qint64 now = ReceivedMailIds::now();
    bool withoutTop = false;
    for (int n = 1; n <= server.waiting; ++n) {
        const QByteArray key = server.keyOf(n);
        if (key.isEmpty() || known.contains(key))
            continue;
        if (server.stopped())
            return false;
        QByteArray raw;
        const auto head = headKeyAt(server, n, &withoutTop, &raw);
        if (!head)
            return false;
        // A mail that cannot be read is not matched: it is fetched and stored, never skipped.
        const auto candidates = unclaimed.find(*head);
        if (head->isEmpty() || candidates == unclaimed.end() || candidates->isEmpty())
            continue;
        // The same subject, sender and date is not yet the same mail (a re-sent
        // alert, mails without a date): the bodies must agree too.
        if (raw.isEmpty()) {
            const auto whole = server.library.pop3GetRawMail(server.handle, n);
            if (!whole && !server.library.pop3IsOpen(server.handle))
                return false;
            if (!whole)
                continue;
            raw = *whole;
        }
        const QString body = storedBodyOf(raw);
        for (qsizetype i = 0; i < candidates->size(); ++i) {
            const auto record = HistoryFile(candidates->at(i).kind).read(candidates->at(i).number);
            if (record && sameBody(FixedField::trimSpaces(record->Body), body)) {
                candidates->removeAt(i);
                known.insert(key, {kept.contains(*head), now, *head});
                break;
            }
        }
    }
    return true;
}

} // namespace KnownIds
