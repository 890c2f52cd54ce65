#pragma once

#include "core/common/OrderedWorker.h"
#include "core/history/HistoryFile.h"
#include "core/history/HistoryRecord.h"
#include "core/history/ReceiveJournal.h"
#include "core/history/ReceivedMailIds.h"
#include "core/mail/MailLibrary.h"

#include <QByteArray>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

#include <atomic>
#include <functional>
#include <optional>

// The store stage of a check: each mail fetched whole is read (MIME, charsets)
// on one thread, judged by the junk filter on another and stored (attachments,
// journal, record) on a third, so the next mail travels while this one is read
// and the ones before are judged and written. Records land in the server's
// order; a mail judged junk goes to the junk history instead of the received
// one, and the journal covers both.
class CheckStore {
public:
    // A mail fetched whole, on its way to be read and stored.
    struct Fetched {
        int number = 0;
        QByteArray uid;
        QByteArray raw;
        qint64 size = -1;  // as the server listed it
    };
    // What became of it.
    struct Stored {
        int number = 0;
        QByteArray uid;
        QString subject;
        QString leftBecause;              // not stored: it stays on the server
        std::optional<bool> attachment;   // set once its attachments were looked at
        std::optional<HistoryRecord> record;
        bool mayDelete = true;
        qint64 storedAt = 0;
        QByteArray head;
        qint64 size = -1;
        bool junk = false;  // its record went to the junk history
    };
    // Bytes of mails waiting at each step: enough to keep every thread busy, little memory.
    static constexpr qint64 kWaitingBytes = 4 << 20;

    // notice is called on the store's thread for what the user should know about one mail.
    // authIds: the authserv-ids whose Authentication-Results are believed.
    CheckStore(const QString &folder, const QString &idsPath, const QStringList &authIds,
               const std::atomic_bool *cancel, std::function<void(const QString &)> notice);
    ~CheckStore();

    // Queues a mail; false when stopped meanwhile.
    bool push(Fetched fetched);
    // What was stored since the last look, without waiting.
    QList<Stored> takeDone();
    // Waits for everything queued.
    QList<Stored> finish();

    // Puts what was stored on disk: the files the records point to, the records,
    // then the ids that say they are stored (ids null: the server gives none).
    // On failure nothing says they are stored, and the journal is left to sort
    // it out before the next check.
    bool secure(ReceivedMailIds *ids, const ReceivedMailIds::Ids &keep, QString *error);

private:
    struct Parsed {
        int number = 0;
        QByteArray uid;
        FetchedMail mail;
        qint64 size = -1;
        bool junk = false;
        bool spoofed = false;
    };
    // One of the histories a check appends to.
    struct Target {
        std::optional<HistoryFile> file;  // where it lives is looked up once per check, not per mail
        int sinceWriteback = 0;
    };

    bool spoofed(const QByteArray &raw) const;
    void judge(Parsed &parsed);
    Stored store(Parsed &parsed);

    const QString m_folder;
    const QString m_idsPath;
    const QStringList m_authIds;
    const bool m_trained;  // read as the check starts; an untrained filter gives no verdict
    const std::atomic_bool *m_cancel;
    std::function<void(const QString &)> m_notice;
    MailLibrary &m_library = MailLibrary::instance();
    ReceiveJournal m_journal;
    int m_mailNumber = 0;
    Target m_received;
    Target m_junk;
    static constexpr int kWritebackEvery = 128;  // records, about 4 MB
    // The judge's own, read at its first mail: once per check.
    std::optional<QSet<QString>> m_trusted;
    bool m_wroteFiles = false;  // attachments or whole mails, which the folder's flush covers
    // Last, so these threads end before anything they use; the reader hands to
    // the judge, the judge to the store.
    OrderedWorker<Parsed, Stored> m_store;
    OrderedWorker<Parsed, bool> m_judge;
    OrderedWorker<Fetched, bool> m_reader;
};
