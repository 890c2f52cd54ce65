#include "core/check/CheckRun.h"

#include "core/check/CheckListener.h"
#include "core/check/CheckStore.h"
#include "core/check/CheckTexts.h"
#include "core/check/KnownIds.h"
#include "core/common/AppPaths.h"
#include "core/common/FixedField.h"
#include "core/common/WindowThread.h"
#include "core/history/HistoryFile.h"
#include "core/history/HistoryRecord.h"
#include "core/history/ReceivedMailIds.h"
#include "core/mail/MailLibrary.h"
#include "core/mail/net/SessionHooks.h"
#include "core/settings/AccountFile.h"
#include "core/settings/RuntimeSettings.h"
#include "core/settings/TrustRules.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QSet>

#include <optional>

namespace {

void showStatusOf(CheckListener &listener, CheckOutcome &outcome, const QString &text)
{
    outcome.status = text;
    listener.status(text);
}

struct Account {
    QString id;
    QString password;
};

class Run {
public:
    Run(const CheckSettings &settings, const std::atomic_bool &cancel, CheckListener &listener,
        CheckOutcome &outcome)
        : m_outcome(outcome),
          m_rules(settings),
          m_policy(settings.mode == CheckMode::Timed ? SignInPolicy::NeverOpenBrowser : settings.policy),
          m_quiet(settings.mode == CheckMode::Timed),
          m_listener(listener)
    {
        m_hooks.cancel = &cancel;
        if (m_quiet)
            TrustRules::installQuiet(m_hooks, [this] { m_needsUser = true; });
        else
            listener.askAboutServer(m_hooks);
    }

    void start(const QString &server, bool apop)
    {
        if (server.isEmpty() && m_quiet) {
            report(CheckTexts::kNoServer);
        } else if (server.isEmpty()) {
            // Not a quiet "no new mail": the user learns what is missing and where to set it.
            m_outcome.failed = true;
            m_listener.noServer();
        } else {
            check(server, apop);
        }
        if (m_outcome.cancelled) {
            showStatus(CheckTexts::kStopped);
            return;
        }
        if (m_outcome.attachment)
            showStatus(CheckTexts::kAttachmentMail);
        // Whether the mail crossed the network encrypted, once a server answered.
        const QString line = m_connected ? (m_outcome.encrypted ? CheckTexts::kEncrypted : CheckTexts::kNotEncrypted)
                                         : QString();
        // Mails left on the server are not new at every check.
        const bool newMail = m_rules.keep ? m_newMails > 0 : m_outcome.waiting > 0;
        QString status = CheckTexts::endLine(newMail, m_outcome.stored, m_outcome.junk) + line;
        if (m_outcome.deletedFromServer > 0)
            status += QStringLiteral("　") + CheckTexts::kDeletedFromServer.arg(m_outcome.deletedFromServer);
        if (m_rebuilt)
            status += QStringLiteral("　") + CheckTexts::kRebuilt;
        showStatus(status);
        // Nobody saw a box, so the line keeps the reason.
        if (m_quiet && !m_outcome.failure.isEmpty())
            showStatus(m_outcome.failure.section(u'\n', 0, 0));
        m_outcome.needsUser = m_needsUser;
    }

private:
    CheckOutcome &m_outcome;
    const CheckSettings m_rules;
    SignInPolicy m_policy;
    const bool m_quiet;
    CheckListener &m_listener;
    std::atomic_bool m_needsUser{false};  // a quiet check met a question only the user can answer
    SessionHooks m_hooks;
    MailLibrary &m_library = MailLibrary::instance();
    int m_handle = -1;
    QString m_folder;
    std::optional<HistoryRecord> m_lastShown;
    bool m_connected = false;
    std::optional<ReceivedMailIds> m_ids;
    std::optional<QMap<int, QByteArray>> m_uids;
    ReceivedMailIds::Ids m_known;  // ids on file when the check began
    ReceivedMailIds::Ids m_keep;   // ids to remember: stored and still on the server
    QSet<QByteArray> m_deleted;
    QList<ReceivedMailIds::DeletedMark> m_marksFound;  // marks of records deleted here whose mails go now
    int m_expired = 0;                    // mails left on the server that go now
    int m_newMails = 0;                   // mails no earlier check stored
    bool m_rebuilt = false;               // the list of stored mails was made again from the headers
    QStringList m_left;
    std::optional<HistoryFile::AppendSession> m_session;
    std::optional<HistoryFile::AppendSession> m_junkSession;
    static constexpr qint64 kCountEveryMs = 100;
    QElapsedTimer m_counted;

    void showStatus(const QString &text) { showStatusOf(m_listener, m_outcome, text); }

    bool stopped()
    {
        if (m_hooks.cancel->load())
            m_outcome.cancelled = true;
        return m_outcome.cancelled;
    }

    // Reports a failure unless the user's own cancel caused it.
    void report(const QString &text)
    {
        if (stopped())
            return;
        m_outcome.failed = true;
        tell(text);
    }

    // A failure in words: a box for the user's own check, the outcome for a timed one.
    void tell(const QString &text)
    {
        if (!m_quiet) {
            m_listener.failed(FixedField::cutAtNul(text));
            return;
        }
        const QString reason = m_needsUser ? CheckTexts::kAskTheUser : FixedField::cutAtNul(text);
        if (!m_outcome.failure.contains(reason))
            m_outcome.failure += (m_outcome.failure.isEmpty() ? QString() : QStringLiteral("\n")) + reason;
        showStatus(reason.section(u'\n', 0, 0));
    }

    void notice(const QString &text)
    {
        if (m_quiet)
            showStatus(text);
        else
            m_listener.notice(text);
    }

    // Read on the window thread, where the account file and the settings have their owner.
    Account loadAccount()
    {
        const Account stored = WindowThread::call([] {
            const AccountFile account;
            Account stored{account.id(), account.password()};
            RuntimeSettings &settings = runtimeSettings();
            settings.AccountId = stored.id;
            settings.AccountPassword = stored.password;
            return stored;
        });
        m_listener.accountRead(stored.id, stored.password);
        return stored;
    }

    // An account that signs in with OAuth 2.0 gets a fresh access token before
    // any connection; false when the check cannot go on.
    bool prepareSignIn()
    {
        const auto [provider, id] = WindowThread::call([] {
            const AccountFile account;
            return std::pair{OAuthAccess::providerOf(account.authMethod()), account.id()};
        });
        if (!provider || id.isEmpty())
            return true;
        showStatus(CheckTexts::kChecking);
        const OAuthAccess::Access access = OAuthAccess::prepare(*provider, id, m_hooks.cancel);
        if (stopped())
            return false;
        switch (access.status) {
        case OAuthAccess::Access::Status::Ok:
            m_hooks.accessToken = [token = access.token] { return token; };
            m_hooks.tokenProvider = access.provider;
            m_hooks.tokenHosts = access.hosts;
            return true;
        case OAuthAccess::Access::Status::NeedsSignIn: {
            m_outcome.failed = true;
            m_outcome.needsSignIn = true;
            const bool openBrowser = m_policy == SignInPolicy::MayOpenBrowser;
            if (m_quiet)
                m_needsUser = true;
            m_listener.signInNeeded(access.error, openBrowser);
            return false;
        }
        case OAuthAccess::Access::Status::Failed:
            break;
        }
        report(access.error);
        return false;
    }

    void check(const QString &server, bool apop)
    {
        // An import or a deletion under way is waited for before the server
        // hears from us, so no session idles meanwhile; a stop ends the wait.
        // The session also settles a journal left by a failed flush, so its
        // records have their ids before anything is fetched.
        m_session.emplace(HistoryFile::Kind::Received, m_hooks.cancel,
                          [this] { showStatus(CheckTexts::kWaitingForHistory); });
        // Junk goes to a history of its own, which the journal covers too.
        if (m_session->acquired())
            m_junkSession.emplace(HistoryFile::Kind::Junk, m_hooks.cancel,
                                  [this] { showStatus(CheckTexts::kWaitingForHistory); });
        if (!m_session->acquired() || !m_junkSession->acquired()) {
            stopped();
            return;
        }
        if (!m_session->unsettled().isEmpty()) {
            report(m_session->unsettled());
            return;
        }
        if (!prepareSignIn())
            return;
        m_handle = m_library.pop3Connect(server, &m_hooks);
        showStatus(CheckTexts::kChecking);
        if (m_handle == -1) {
            // An unreachable server is not "no new mail": the user learns why.
            report(m_library.lastError());
            return;
        }
        m_outcome.encrypted = m_library.pop3IsEncrypted(m_handle);
        m_connected = true;

        const Account account = loadAccount();
        if (account.id.isEmpty() || (account.password.isEmpty() && !m_hooks.accessToken)) {
            if (m_quiet) {
                // Its own words, not the general "answer a question" line.
                report(CheckTexts::kNoAccount);
                m_needsUser = true;
            } else {
                m_listener.accountMissing();
            }
            m_library.pop3Close(m_handle);
            return;
        }
        m_outcome.waiting = m_library.pop3Authenticate(m_handle, account.id, account.password, apop);
        if (m_outcome.waiting < 0) {
            report(m_library.lastError());
            m_library.pop3Close(m_handle);
            return;
        }
        m_folder = AppPaths::resolve(AppPaths::kAttachmentFolder);
        m_ids.emplace(server, account.id);
        if (m_outcome.waiting > 0 && !fetchAll()) {
            showLastMail();
            finishBroken();
            return;
        }
        showLastMail();
        finish();
    }

    // Every waiting mail in server order; false when the connection is lost.
    bool fetchAll()
    {
        bool failed = false;
        m_uids = m_library.pop3UniqueIds(m_handle, &failed);
        if (failed)
            return fail();
        if (m_rules.keep && !m_uids) {
            // Without ids, a mail left on the server would come again at every check.
            report(CheckTexts::kNoUidl);
            return true;
        }
        bool whole = true;
        if (m_uids)
            m_known = m_ids->load(&whole);
        const auto uidOf = [&](int n) { return m_uids ? ReceivedMailIds::keyOf(m_uids->value(n)) : QByteArray(); };
        const KnownIds::Server server{m_library, m_handle, m_outcome.waiting, uidOf, [this] { return stopped(); }};
        if (!KnownIds::confirmLeaving(server, m_known))
            return fail();
        if (m_rules.keep && !whole) {
            if (!KnownIds::rebuild(server, m_known))
                return fail();
            m_rebuilt = true;
            // Written at once: otherwise every check matches again and the days start over.
            m_ids->rewrite(m_known);
        }
        const ReceivedMailIds::Ids &known = m_known;
        // Room is looked at before anything is fetched: a mail that cannot be
        // stored is neither downloaded nor unpacked, and stays on the server.
        HistoryFile received(HistoryFile::Kind::Received);
        int room = RecordFile::kMaxRecords - received.count();
        QList<int> plan;
        int full = 0;
        for (int n = 1; n <= m_outcome.waiting; ++n) {
            if (known.contains(uidOf(n)))
                continue;
            ++m_newMails;
            if (room-- > 0)
                plan << n;
            else
                ++full;
        }
        const QSet<int> planned(plan.cbegin(), plan.cend());
        if (full > 0)
            m_left << QStringLiteral("%1 通: 受信履歴がいっぱいです（%2件）。着信履歴で不要なメールを削除してください。")
                          .arg(full)
                          .arg(RecordFile::kMaxRecords);
        if (!m_library.pop3PlanFetches(m_handle, plan))
            return fail();
        m_store.emplace(m_folder, m_ids->path(), m_rules.authIds, m_hooks.cancel,
                        [this](const QString &text) { notice(text); });
        m_pipelines = m_library.pop3Pipelines(m_handle);

        // A mark bound to a mail of this account acts on that mail alone, and
        // goes once the server no longer has it; one not bound yet, by its head.
        QHash<QByteArray, int> deletedHere;
        QHash<QByteArray, ReceivedMailIds::DeletedMark> boundHere;
        if (m_rules.keep && m_rules.sync) {
            const QByteArray idFile = QFileInfo(m_ids->path()).fileName().toUtf8();
            QSet<QByteArray> listed;
            for (int n = 1; n <= m_outcome.waiting; ++n)
                listed.insert(uidOf(n));
            QList<ReceivedMailIds::DeletedMark> gone;
            for (const ReceivedMailIds::DeletedMark &mark : ReceivedMailIds::deletedHere()) {
                if (mark.idFile.isEmpty())
                    ++deletedHere[mark.head];
                else if (mark.idFile == idFile && !listed.contains(mark.key))
                    gone << mark;
                else if (mark.idFile == idFile)
                    boundHere.insert(mark.key, mark);
            }
            ReceivedMailIds::forgetDeletedHere(gone);
        }
        m_keep.reserve(m_outcome.waiting);
        for (int n = 1; n <= m_outcome.waiting; ++n) {
            if (stopped())
                return false;
            const QByteArray uid = uidOf(n);
            if (const auto it = known.constFind(uid); !uid.isEmpty() && it != known.constEnd()) {
                // Stored before: never again; deleted now when nothing keeps it on the server.
                ReceivedMailIds::Entry entry = *it;
                const qint64 age = ReceivedMailIds::ageOf(m_ids->path(), uid, &entry.storedAt);
                m_keep[uid] = entry;
                bool drop = !entry.kept;
                if (m_rules.keep) {
                    const bool old = !entry.kept && m_rules.days > 0 && age >= qint64(m_rules.days) * 24 * 60 * 60;
                    bool deletedByUser = true;
                    if (const auto bound = boundHere.constFind(uid); bound != boundHere.constEnd()) {
                        m_marksFound << *bound;
                    } else if (!entry.head.isEmpty() && deletedHere.value(entry.head) > 0) {
                        --deletedHere[entry.head];
                        m_marksFound.append({entry.head, QFileInfo(m_ids->path()).fileName().toUtf8(), uid});
                    } else {
                        deletedByUser = false;
                    }
                    drop = old || deletedByUser;
                    m_expired += drop;
                }
                if (drop) {
                    if (!m_library.pop3DeleteMail(m_handle, n))
                        return fail();
                    m_deleted << uid;
                }
                continue;
            }
            if (!planned.contains(n))
                continue;
            // The count moves at reading pace, not at the server's: a window thread
            // repainting for every mail of a fast server only slows the check down.
            if (!m_counted.isValid() || m_counted.elapsed() >= kCountEveryMs || n == m_outcome.waiting) {
                showStatus(QStringLiteral("%1 %2/%3").arg(CheckTexts::kChecking).arg(n).arg(m_outcome.waiting));
                m_counted.start();
            }
            if (!handle(n, uid))
                return false;
        }
        // A stop while the last mails were being stored leaves the rest on the server, without QUIT.
        return settleStore(true) && !stopped();
    }

    // Files, records and ids on disk, in that order, then the goodbye that lets the server delete.
    void finish()
    {
        QString error;
        if (!secureStored(&error)) {
            // Without its records on disk nothing may leave the server.
            m_library.pop3Abort(m_handle);
            report(error + QStringLiteral("メールはサーバーに残しました。"));
            return;
        }
        if (!markLeaving(&error)) {
            m_library.pop3Abort(m_handle);
            report(error + QStringLiteral("メールはサーバーに残しました。"));
            return;
        }
        if (!m_library.pop3Close(m_handle)) {
            // Whether the server deleted is not known: the marks stay for the next check to look at.
            report(m_library.lastError());
            reportLeft();
            return;
        }
        m_outcome.deletedFromServer = m_expired;
        ReceivedMailIds::forgetDeletedHere(m_marksFound);
        // Only ids of mails still waiting are worth keeping; an empty mailbox keeps none.
        const ReceivedMailIds::Ids onDisk = m_ids->load();
        if (m_outcome.waiting == 0 && !onDisk.isEmpty())
            m_ids->rewrite({});
        if (m_uids) {
            ReceivedMailIds::Ids still;
            still.reserve(m_keep.size());
            for (int n = 1; n <= m_outcome.waiting; ++n) {
                const QByteArray uid = ReceivedMailIds::keyOf(m_uids->value(n));
                if (m_keep.contains(uid) && !m_deleted.contains(uid))
                    still[uid] = m_keep[uid];
            }
            // Many mails left and none new is the usual check: the file is only written when it changes.
            if (still != onDisk)
                m_ids->rewrite(still);
        }
        reportLeft();
    }

    // The connection is gone or the user stopped: no goodbye, so the server deletes
    // nothing; the ids of what was stored keep those mails from coming twice.
    void finishBroken()
    {
        m_library.pop3Abort(m_handle);
        // Mails that arrived whole are still stored, and their ids kept, unless the user stopped.
        settleStore(false);
        QString error;
        if (!secureStored(&error))
            report(error);
        if (!stopped())
            reportLeft();
    }

    // The ids of mails about to go are marked before the goodbye: if its answer
    // is lost the server may have deleted them and given their ids to new mail.
    bool markLeaving(QString *error)
    {
        if (!ReceivedMailIds::bindDeletedHere(m_marksFound)) {
            *error = QStringLiteral("%1 に書き込めませんでした。").arg(AppPaths::resolve(AppPaths::kDataFolder));
            return false;
        }
        if (!m_uids || m_deleted.isEmpty())
            return true;
        ReceivedMailIds::Ids all = m_ids->load();
        for (const QByteArray &uid : std::as_const(m_deleted)) {
            if (uid.isEmpty())
                continue;
            ReceivedMailIds::Entry entry = m_keep.value(uid);
            entry.leaving = true;
            all[uid] = entry;
        }
        if (m_ids->rewrite(all))
            return true;
        *error = QStringLiteral("%1 に書き込めませんでした（%2）。").arg(m_ids->path(), m_ids->errorText());
        return false;
    }

    bool secureStored(QString *error)
    {
        return !m_store || m_store->secure(m_uids ? &*m_ids : nullptr, m_keep, error);
    }

    void reportLeft()
    {
        if (m_left.isEmpty() || stopped())
            return;
        m_outcome.failed = true;
        tell(QStringLiteral("次のメールは受信できなかったため、サーバーに残しました。\n") + m_left.join(u'\n'));
    }

    bool fail()
    {
        report(m_library.lastError());
        return false;
    }

    // The history window shows the last mail stored, filled once at the end.
    void showLastMail()
    {
        if (!m_lastShown)
            return;
        // What the record keeps, no more, goes through the window.
        const HistoryRecord shown = HistoryRecord::fromBytes(m_lastShown->toBytes());
        m_listener.lastStored(shown);
    }

    // A mail that cannot be fetched or stored stays on the server; the check goes on.
    bool leave(int n, const QString &subject, const QString &why)
    {
        if (!m_library.pop3IsOpen(m_handle))
            return fail();
        m_left << leftLine(n, subject, why);
        return true;
    }

    static QString leftLine(int n, const QString &subject, const QString &why)
    {
        return subject.isEmpty() ? QStringLiteral("%1 通目: %2").arg(n).arg(why)
                                 : QStringLiteral("%1 通目「%2」: %3").arg(n).arg(subject.left(60), why);
    }

    // One mail: fetched whole here, then read and written on the threads above
    // while the next one travels. Its deletion follows once it is stored (the
    // server carries it out at the goodbye, after everything is on disk).
    // False when the check cannot go on.
    bool handle(int n, const QByteArray &uid)
    {
        const qint64 size = m_library.pop3GetMailSize(m_handle, n);
        if (size < 0)
            return leave(n, {}, m_library.lastError());
        // A large mail is held alone, as it always was, so memory stays at one such mail.
        const bool alone = size > CheckStore::kWaitingBytes;
        if (alone && !settleStore(true))
            return false;
        auto raw = m_library.pop3GetRawMail(m_handle, n);
        if (!raw)
            return leave(n, {}, m_library.lastError());
        if (!m_store->push({n, uid, std::move(*raw), size}))
            return !stopped();
        // A server that takes one command at a time hears the deletion before the next RETR.
        if (alone || !m_pipelines)
            return settleStore(true);
        return takeStored(m_store->takeDone(), true);
    }

    // Takes in what the store's thread finished: counts and ids of every stored
    // mail, and, while the connection stands, the deletions. False when the
    // check cannot go on; the rest is still counted, so no stored mail loses its id.
    bool takeStored(const QList<CheckStore::Stored> &results, bool connected)
    {
        bool goOn = true;
        for (const CheckStore::Stored &result : results) {
            if (result.attachment)
                m_outcome.attachment = *result.attachment;
            if (!result.record) {
                if (result.leftBecause.isEmpty())
                    continue;  // stopped before it was stored
                if (!connected || !goOn)
                    m_left << leftLine(result.number, result.subject, result.leftBecause);
                else
                    goOn = leave(result.number, result.subject, result.leftBecause);
                continue;
            }
            const HistoryRecord &record = *result.record;
            ++m_outcome.stored;
            // Junk raises no notice and is not what the history window shows last.
            if (result.junk) {
                ++m_outcome.junk;
            } else {
                m_outcome.newMail << record.Correspondent + QStringLiteral(": ") + record.Subject;
                m_lastShown = record;
            }
            if (!result.uid.isEmpty()) {
                m_keep[result.uid] = {!result.mayDelete, result.storedAt, result.head, result.size};
                ReceivedMailIds::storedInThisRun(m_ids->path(), result.uid);
            }
            if (connected && goOn && result.mayDelete && !m_rules.keep) {
                if (m_library.pop3DeleteMail(m_handle, result.number))
                    m_deleted << result.uid;
                else
                    goOn = fail();
            }
        }
        return goOn;
    }

    // Waits for the store's thread to finish what it was given.
    bool settleStore(bool connected)
    {
        if (!m_store)
            return true;
        return takeStored(m_store->finish(), connected);
    }

    bool m_pipelines = false;
    // Last, so its threads end before anything they use.
    std::optional<CheckStore> m_store;
};

} // namespace

void CheckRun::run(const CheckSettings &settings, const std::atomic_bool &cancel, CheckListener &listener,
                   CheckOutcome &outcome)
{
    Run(settings, cancel, listener, outcome).start(settings.server, settings.apop);
}
