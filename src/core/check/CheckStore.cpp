#include "core/check/CheckStore.h"

#include "core/check/CheckTexts.h"
#include "core/check/ReceivedRecord.h"
#include "core/common/AppPaths.h"
#include "core/common/SafeFile.h"
#include "core/junk/AuthResults.h"
#include "core/junk/JunkFilter.h"
#include "core/junk/JunkMail.h"
#include "core/mail/mime/AttachmentWriter.h"

#include <QFileInfo>

namespace {

// The raw header block, without the blank line, for what servers said of the mail.
QByteArray headerBlockOf(const QByteArray &raw)
{
    const qsizetype crlf = raw.indexOf("\r\n\r\n");
    const qsizetype lf = raw.indexOf("\n\n");
    const qsizetype end = crlf >= 0 && (lf < 0 || crlf < lf) ? crlf + 2 : lf >= 0 ? lf + 1 : raw.size();
    return raw.left(end);
}

// Whether the check asks the filter at all: not before it has learnt enough.
bool filterTrained()
{
    // A user who never marked junk has no word store, and the check makes none.
    if (!QFileInfo::exists(JunkFilter::storePath()))
        return false;
    JunkFilter &filter = JunkFilter::instance();
    return filter.learnedJunk() >= JunkFilter::kTrainedAfter && filter.learnedGood() >= JunkFilter::kTrainedAfter;
}

} // namespace

CheckStore::CheckStore(const QString &folder, const QString &idsPath, const QStringList &authIds,
                       const std::atomic_bool *cancel, std::function<void(const QString &)> notice)
    : m_folder(folder),
      m_idsPath(idsPath),
      m_authIds(authIds),
      m_trained(filterTrained()),
      m_cancel(cancel),
      m_notice(std::move(notice)),
      m_store([this](Parsed &parsed) { return store(parsed); },
              [](const Parsed &parsed) { return qint64(parsed.mail.raw.size()); }, kWaitingBytes),
      m_judge(
          [this](Parsed &parsed) {
              judge(parsed);
              return m_store.push(std::move(parsed), m_cancel);
          },
          [](const Parsed &parsed) { return qint64(parsed.mail.raw.size()); }, kWaitingBytes),
      m_reader(
          [this](Fetched &fetched) {
              if (m_cancel->load())
                  return false;
              Parsed parsed{fetched.number, fetched.uid, MailLibrary::parse(fetched.raw), fetched.size};
              fetched.raw = {};
              parsed.spoofed = spoofed(parsed.mail.raw);
              if (m_trained)
                  return m_judge.push(std::move(parsed), m_cancel);
              return m_store.push(std::move(parsed), m_cancel);
          },
          [](const Fetched &fetched) { return qint64(fetched.raw.size()); }, kWaitingBytes)
{
}

CheckStore::~CheckStore() = default;

bool CheckStore::push(Fetched fetched)
{
    return m_reader.push(std::move(fetched), m_cancel);
}

QList<CheckStore::Stored> CheckStore::takeDone()
{
    return m_store.takeDone();
}

QList<CheckStore::Stored> CheckStore::finish()
{
    m_reader.finish();
    m_judge.finish();
    return m_store.finish();
}

// Runs on the reader's thread.
bool CheckStore::spoofed(const QByteArray &raw) const
{
    if (m_authIds.isEmpty())
        return false;
    const QByteArray header = headerBlockOf(raw);
    // Most mail carries no results at all, and is not read for them.
    return header.toLower().contains("authentication-results") && AuthResults::spoofed(header, m_authIds);
}

// Runs on a thread of its own, between the reader's and the store's.
void CheckStore::judge(Parsed &parsed)
{
    JunkFilter &filter = JunkFilter::instance();
    if (!m_trusted)
        m_trusted = filter.trustedSenders();
    JunkMail mail = JunkMail::of(parsed.mail);
    // Most mail comes from people the user knows, and is never junk: not scored at all.
    if (m_trusted->contains(mail.senderAddress()))
        return;
    if (mail.header.isEmpty())
        mail.header = headerBlockOf(parsed.mail.raw);
    mail.spoofed = parsed.spoofed;
    parsed.junk = filter.judge(mail, *m_trusted).verdict == JunkVerdict::Junk;
}

// Runs on the store's thread: touches the files, the journal and nothing of the connection.
CheckStore::Stored CheckStore::store(Parsed &parsed)
{
    FetchedMail &mail = parsed.mail;
    Stored out;
    out.number = parsed.number;
    out.uid = parsed.uid;
    out.size = parsed.size;
    out.subject = mail.subject;
    // A mail that arrived whole is still only stored if the user did not stop meanwhile.
    if (m_cancel->load())
        return out;

    if (!m_journal.isOpen()
        && !m_journal.begin(HistoryFile(HistoryFile::Kind::Received).length(),
                            HistoryFile(HistoryFile::Kind::Junk).length(), m_idsPath)) {
        out.leftBecause = m_journal.errorText();
        return out;
    }
    const int mailNumber = ++m_mailNumber;
    const auto noteFiles = [&](const QStringList &paths) {
        m_wroteFiles = m_wroteFiles || !paths.isEmpty();
        return m_journal.plan(mailNumber, paths);
    };

    const int unpacked = m_library.unpackAttachments(mail, m_folder, nullptr, noteFiles);
    if (unpacked == MailLibrary::kCannotWrite) {
        // The attachment exists only on the server now, so the mail stays there.
        out.mayDelete = false;
        m_notice(CheckTexts::kCannotOpenAttachment);
    } else if (unpacked == MailLibrary::kPartsMissing) {
        m_notice(CheckTexts::kPartsMissing);
    }
    // The note says the attachments were unpacked, so it needs one that was.
    out.attachment = unpacked == MailLibrary::kUnpacked;

    QString keepError;
    auto built = ReceivedRecord::build(mail, *out.attachment, &keepError,
                                       [&](const QString &path) { return noteFiles({path}); });
    if (!built) {
        out.leftBecause = keepError;
        return out;
    }

    const HistoryFile::Kind kind = parsed.junk ? HistoryFile::Kind::Junk : HistoryFile::Kind::Received;
    Target &target = parsed.junk ? m_junk : m_received;
    if (!target.file)
        target.file.emplace(kind);
    const RecordFile::Result stored = target.file->append(*built, [&](qint64 offset, const QByteArray &bytes) {
        out.head = ReceivedMailIds::headKey(bytes);
        return m_journal.intend(mailNumber, kind, offset, bytes, parsed.uid, !out.mayDelete);
    });
    if (!stored.ok) {
        out.leftBecause = stored.error;
        return out;
    }
    // The flush before the goodbye then waits for the last few megabytes only.
    if (++target.sinceWriteback == kWritebackEvery) {
        SafeFile::startWriteback(target.file->path());
        target.sinceWriteback = 0;
    }
    // The history window marks it; the record itself cannot say so.
    if (parsed.spoofed)
        JunkFilter::instance().noteSpoofed(out.head);
    out.junk = parsed.junk;
    out.storedAt = ReceivedMailIds::now();
    out.record = std::move(*built);
    return out;
}

bool CheckStore::secure(ReceivedMailIds *ids, const ReceivedMailIds::Ids &keep, QString *error)
{
    if (!m_journal.isOpen())
        return true;
    QString why;
    AttachmentWriter folder(m_folder);
    // A missing folder holds nothing to flush; its mails stayed on the server.
    if (m_wroteFiles && QFileInfo::exists(m_folder) && !folder.sync()) {
        *error = QStringLiteral("%1 に書き込めませんでした。").arg(folder.errorText());
        return false;
    }
    for (const Target *target : {&m_received, &m_junk}) {
        if (!target->file)
            continue;
        const QString &records = target->file->path();
        if (!SafeFile::flush(records, &why)) {
            *error = QStringLiteral("%1 に書き込めませんでした（%2）。").arg(records, why);
            return false;
        }
    }
    if (!m_journal.sync()) {
        *error = QStringLiteral("%1 に書き込めませんでした。").arg(m_journal.errorText());
        return false;
    }
    if (ids) {
        // The flag of a mail kept on the server outlives the id file.
        QList<QByteArray> kept;
        for (const ReceivedMailIds::Entry &entry : keep)
            if (entry.kept && !entry.head.isEmpty())
                kept << entry.head;
        if (!ReceivedMailIds::noteKept(kept)) {
            *error = QStringLiteral("%1 に書き込めませんでした。").arg(AppPaths::resolve(AppPaths::kDataFolder));
            return false;
        }
        ReceivedMailIds::Ids all = ids->load();
        for (auto it = keep.cbegin(); it != keep.cend(); ++it)
            all.insert(it.key(), it.value());
        if (!ids->rewrite(all)) {
            *error = QStringLiteral("%1 に書き込めませんでした（%2）。").arg(ids->path(), ids->errorText());
            return false;
        }
    }
    m_journal.close();
    return true;
}
