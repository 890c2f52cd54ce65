#include "receive/MailCheck.h"

#include "common/AppPaths.h"
#include "common/BackgroundJob.h"
#include "common/OrderedWorker.h"
#include "common/FixedField.h"
#include "common/LineEnds.h"
#include "common/Prompt.h"
#include "common/SafeFile.h"
#include "common/WindowThread.h"
#include "history/HistoryFile.h"
#include "history/HistoryRecord.h"
#include "history/ReceiveJournal.h"
#include "history/ReceivedMailIds.h"
#include "history/RecordText.h"
#include "history/WholeMailLink.h"
#include "mail/AttachmentWriter.h"
#include "mail/MailLibrary.h"
#include "mail/SessionHooks.h"
#include "receive/ReceivedRecord.h"
#include "settings/AccountFile.h"
#include "settings/IdPassForm.h"
#include "settings/OptionForm.h"
#include "settings/RuntimeSettings.h"
#include "settings/TrustHooks.h"
#include "shell/Forms.h"
#include "shell/MainForm.h"
#include "shell/ProgressWindow.h"
#include "viewer/TyakuForm.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QSet>


namespace {

QPointer<MailCheck> g_current;

struct FinishListener {
    QPointer<QObject> context;
    std::function<void(const MailCheck::Outcome &, MailCheck::Mode)> call;
};

std::vector<FinishListener> &finishListeners()
{
    static std::vector<FinishListener> listeners;
    return listeners;
}

// Everything below runs on the worker; each touch of a window goes through WindowThread.

void showStatus(const QString &text)
{
    WindowThread::post([text] {
        if (MainForm *launcher = Forms::existing<MainForm>())
            launcher->setStatusText(text);
    });
}

void showError(const QString &text)
{
    WindowThread::call([text] {
        Prompt::instance().ask({FixedField::cutAtNul(text), MailCheck::kErrorTitle, Prompt::Icon::Critical,
                                Prompt::Buttons::Ok},
                               nullptr);
    });
}

void showNotice(const QString &text)
{
    WindowThread::call(
        [text] { Prompt::instance().ask({text, {}, Prompt::Icon::None, Prompt::Buttons::Ok}, nullptr); });
}

struct Account {
    QString id;
    QString password;
};

// What happens to mails once stored, read from the settings when the check starts.
struct KeepRules {
    bool keep = false;  // left on the server
    int days = 0;       // then deleted this many days after they were first stored; 0 never
    bool sync = false;  // deleted from the server once deleted in the history
};

class Run {
public:
    Run(const std::atomic_bool &cancel, MailCheck::Outcome &outcome, const KeepRules &keep, SignInPolicy policy,
        bool quiet)
        : m_outcome(outcome), m_rules(keep), m_policy(policy), m_quiet(quiet)
    {
        m_hooks.cancel = &cancel;
        if (quiet)
            TrustHooks::installQuiet(m_hooks, [this] { m_needsUser = true; });
        else
            TrustHooks::install(m_hooks);
    }

    void start(const QString &server, bool apop)
    {
        if (server.isEmpty() && m_quiet) {
            report(MailCheck::kNoServer);
        } else if (server.isEmpty()) {
            // Not a quiet "no new mail": the user learns what is missing and where to set it.
            m_outcome.failed = true;
            WindowThread::call([] {
                Prompt::instance().ask({MailCheck::kNoServer, MailCheck::kErrorTitle, Prompt::Icon::Critical,
                                        Prompt::Buttons::Ok},
                                       nullptr);
                Forms::open<OptionForm>();
            });
        } else {
            check(server, apop);
        }
        if (m_outcome.cancelled) {
            showStatus(MailCheck::kStopped);
            return;
        }
        if (m_outcome.attachment)
            showStatus(MailCheck::kAttachmentMail);
        // Whether the mail crossed the network encrypted, once a server answered.
        const QString line = m_connected ? (m_outcome.encrypted ? MailCheck::kEncrypted : MailCheck::kNotEncrypted)
                                         : QString();
        // Mails left on the server are not new at every check.
        const bool newMail = m_rules.keep ? m_newMails > 0 : m_outcome.waiting > 0;
        QString status = (newMail ? MailCheck::kNewMail : MailCheck::kNoNewMail) + line;
        if (m_outcome.deletedFromServer > 0)
            status += QStringLiteral("　") + MailCheck::kDeletedFromServer.arg(m_outcome.deletedFromServer);
        if (m_rebuilt)
            status += QStringLiteral("　") + MailCheck::kRebuilt;
        showStatus(status);
        // Nobody saw a box, so the line keeps the reason.
        if (m_quiet && !m_outcome.failure.isEmpty())
            showStatus(m_outcome.failure.section(u'\n', 0, 0));
    }

private:
    MailCheck::Outcome &m_outcome;
    const KeepRules m_rules;
    SignInPolicy m_policy;
    const bool m_quiet;
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
    QList<QByteArray> m_deletedHereDone;  // marks of records deleted here whose mails go now
    int m_expired = 0;                    // mails left on the server that go now
    int m_newMails = 0;                   // mails no earlier check stored
    bool m_rebuilt = false;               // the list of stored mails was made again from the headers
    QStringList m_left;
    std::optional<HistoryFile::AppendSession> m_session;
    std::optional<HistoryFile> m_received;
    static constexpr qint64 kCountEveryMs = 100;
    QElapsedTimer m_counted;
    ReceiveJournal m_journal;
    int m_mailNumber = 0;

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
            showError(text);
            return;
        }
        const QString reason = m_needsUser ? MailCheck::kAskTheUser : FixedField::cutAtNul(text);
        if (!m_outcome.failure.contains(reason))
            m_outcome.failure += (m_outcome.failure.isEmpty() ? QString() : QStringLiteral("\n")) + reason;
        showStatus(reason.section(u'\n', 0, 0));
    }

    void notice(const QString &text)
    {
        if (m_quiet)
            showStatus(text);
        else
            showNotice(text);
    }

    static Account loadAccount()
    {
        return WindowThread::call([] {
            const AccountFile account;
            Account stored{account.id(), account.password()};
            IdPassForm *accountWindow = Forms::get<IdPassForm>();
            accountWindow->setId(stored.id);
            accountWindow->setPassword(stored.password);
            RuntimeSettings &settings = runtimeSettings();
            settings.AccountId = stored.id;
            settings.AccountPassword = stored.password;
            return stored;
        });
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
        showStatus(MailCheck::kChecking);
        const OAuthAccess::Access access = OAuthAccess::prepare(*provider, id, m_hooks.cancel);
        if (stopped())
            return false;
        switch (access.status) {
        case OAuthAccess::Access::Status::Ok:
            m_hooks.accessToken = [token = access.token] { return token; };
            return true;
        case OAuthAccess::Access::Status::NeedsSignIn: {
            m_outcome.failed = true;
            m_outcome.needsSignIn = true;
            const bool openBrowser = m_policy == SignInPolicy::MayOpenBrowser;
            WindowThread::call([text = access.error, openBrowser] { IdPassForm::askToSignIn(text, openBrowser); });
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
        if (!prepareSignIn())
            return;
        m_handle = m_library.pop3Connect(server, &m_hooks);
        showStatus(MailCheck::kChecking);
        if (m_handle == -1) {
            // An unreachable server is not "no new mail": the user learns why.
            report(m_library.lastError());
            return;
        }
        m_outcome.encrypted = m_library.pop3IsEncrypted(m_handle);
        m_connected = true;

        const Account account = loadAccount();
        if (account.id.isEmpty() || (account.password.isEmpty() && !m_hooks.accessToken)) {
            if (m_quiet)
                report(MailCheck::kNoAccount);
            else
                WindowThread::call([] { Forms::show(Forms::get<IdPassForm>()); });
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
        m_session.emplace(HistoryFile::Kind::Received);
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
        // A journal left by a failed flush is settled first, so its records
        // have their ids before anything is fetched.
        if (QFile::exists(ReceiveJournal::path())) {
            const ReceiveJournal::Recovery recovered = ReceiveJournal::recover();
            if (!recovered.error.isEmpty()) {
                report(recovered.error);
                return false;
            }
        }
        if (m_rules.keep && !m_uids) {
            // Without ids, a mail left on the server would come again at every check.
            report(MailCheck::kNoUidl);
            return true;
        }
        bool whole = true;
        if (m_uids)
            m_known = m_ids->load(&whole);
        const auto uidOf = [&](int n) {
            const QByteArray uid = m_uids ? m_uids->value(n) : QByteArray();
            return ReceivedMailIds::isUsable(uid) ? uid : QByteArray();
        };
        if (m_rules.keep && !whole && !rebuildKnown(uidOf))
            return false;
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
        startStore();
        m_pipelines = m_library.pop3Pipelines(m_handle);

        QHash<QByteArray, int> deletedHere;
        if (m_rules.keep && m_rules.sync)
            for (const QByteArray &head : ReceivedMailIds::deletedHere())
                ++deletedHere[head];
        const qint64 now = ReceivedMailIds::now();
        m_keep.reserve(m_outcome.waiting);
        for (int n = 1; n <= m_outcome.waiting; ++n) {
            if (stopped())
                return false;
            const QByteArray uid = uidOf(n);
            if (const auto it = known.constFind(uid); !uid.isEmpty() && it != known.constEnd()) {
                // Stored before: never again; deleted now when nothing keeps it on the server.
                ReceivedMailIds::Entry entry = *it;
                if (entry.storedAt <= 0)
                    entry.storedAt = now;
                m_keep[uid] = entry;
                bool drop = !entry.kept;
                if (m_rules.keep) {
                    const bool old = !entry.kept && m_rules.days > 0
                        && now - entry.storedAt >= qint64(m_rules.days) * 24 * 60 * 60;
                    const bool deletedByUser = !entry.head.isEmpty() && deletedHere.value(entry.head) > 0;
                    if (deletedByUser) {
                        --deletedHere[entry.head];
                        m_deletedHereDone << entry.head;
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
                showStatus(QStringLiteral("%1 %2/%3").arg(MailCheck::kChecking).arg(n).arg(m_outcome.waiting));
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
        if (!secureStored()) {
            // Without its records on disk nothing may leave the server.
            m_library.pop3Abort(m_handle);
            report(m_secureError + QStringLiteral("メールはサーバーに残しました。"));
            return;
        }
        if (!m_library.pop3Close(m_handle)) {
            report(m_library.lastError());
            reportLeft();
            return;
        }
        m_outcome.deletedFromServer = m_expired;
        ReceivedMailIds::forgetDeletedHere(m_deletedHereDone);
        // Only ids of mails still waiting are worth keeping; an empty mailbox keeps none.
        if (m_outcome.waiting == 0 && !m_ids->load().isEmpty())
            m_ids->rewrite({});
        if (m_uids) {
            ReceivedMailIds::Ids still;
            still.reserve(m_keep.size());
            for (const QByteArray &uid : std::as_const(*m_uids))
                if (m_keep.contains(uid) && !m_deleted.contains(uid))
                    still[uid] = m_keep[uid];
            // Many mails left and none new is the usual check: the file is only written when it changes.
            if (still != m_known)
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
        if (!secureStored())
            report(m_secureError);
        if (!stopped())
            reportLeft();
    }

    QString m_secureError;
    static constexpr int kWritebackEvery = 128;  // records, about 4 MB
    int m_sinceWriteback = 0;
    bool m_wroteFiles = false;  // attachments or whole mails, which the folder's flush covers

    // Puts what this check stored on disk: the files the records point to, the
    // records, then the ids that say they are stored. On failure nothing says
    // they are stored, and the journal is left to sort it out before the next check.
    bool secureStored()
    {
        if (!m_journal.isOpen())
            return true;
        QString why;
        const QString records = HistoryFile(HistoryFile::Kind::Received).path();
        AttachmentWriter folder(m_folder);
        // A missing folder holds nothing to flush; its mails stayed on the server.
        if (m_wroteFiles && QFileInfo::exists(m_folder) && !folder.sync()) {
            m_secureError = QStringLiteral("%1 に書き込めませんでした。").arg(folder.errorText());
            return false;
        }
        if (!SafeFile::flush(records, &why)) {
            m_secureError = QStringLiteral("%1 に書き込めませんでした（%2）。").arg(records, why);
            return false;
        }
        if (!m_journal.sync()) {
            m_secureError = QStringLiteral("%1 に書き込めませんでした。").arg(m_journal.errorText());
            return false;
        }
        if (m_uids) {
            ReceivedMailIds::Ids ids = m_ids->load();
            for (auto it = m_keep.cbegin(); it != m_keep.cend(); ++it)
                ids.insert(it.key(), it.value());
            if (!m_ids->rewrite(ids)) {
                m_secureError = QStringLiteral("%1 に書き込めませんでした（%2）。").arg(m_ids->path(), m_ids->errorText());
                return false;
            }
        }
        m_journal.close();
        return true;
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
        WindowThread::call([shown] { Forms::get<TyakuForm>()->showStored(shown); });
    }

    // The list of stored mails is gone or cut: the mails waiting are matched to
    // the records by what a record keeps of their headers, before any is fetched.
    template <class UidOf>
    bool rebuildKnown(const UidOf &uidOf)
    {
        HistoryFile received(HistoryFile::Kind::Received);
        const QByteArray heads = received.readHeads();
        if (heads.isEmpty())
            return true;
        QHash<QByteArray, int> unclaimed;
        for (qsizetype at = 0; at + HistoryRecord::kHeadSize <= heads.size(); at += HistoryRecord::kHeadSize)
            ++unclaimed[ReceivedMailIds::headKey(heads.mid(at, HistoryRecord::kHeadSize))];
        for (const ReceivedMailIds::Entry &entry : std::as_const(m_known))
            if (!entry.head.isEmpty() && unclaimed.value(entry.head) > 0)
                --unclaimed[entry.head];
        const qint64 now = ReceivedMailIds::now();
        for (int n = 1; n <= m_outcome.waiting; ++n) {
            const QByteArray uid = uidOf(n);
            if (uid.isEmpty() || m_known.contains(uid))
                continue;
            if (stopped())
                return false;
            const auto status = m_library.pop3GetMailStatus(m_handle, n);
            if (!status)
                return fail();
            FetchedMail headers;
            headers.subject = status->subject;
            headers.from = status->from;
            headers.date = status->date;
            const HistoryRecord record = ReceivedRecord::headOf(headers);
            const QByteArray head = ReceivedMailIds::headKey(received.bytesOf(record));
            if (unclaimed.value(head) > 0) {
                --unclaimed[head];
                m_known.insert(uid, {false, now, head});
            }
        }
        m_rebuilt = true;
        return true;
    }

    bool startJournal()
    {
        return m_journal.begin(HistoryFile(HistoryFile::Kind::Received).length(), m_ids->path());
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

    // A mail fetched whole, on its way to be read and stored.
    struct Fetched {
        int number = 0;
        QByteArray uid;
        QByteArray raw;
    };
    struct Parsed {
        int number = 0;
        QByteArray uid;
        FetchedMail mail;
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
    };
    // Bytes of mails waiting at each step: enough to keep every thread busy, little memory.
    static constexpr qint64 kWaitingBytes = 4 << 20;

    // Reading a mail (MIME, charsets) and storing it (files, journal, history)
    // each get a thread, so the next mail travels while this one is read and
    // the one before is written. Records still land in the server's order.
    void startStore()
    {
        m_store.emplace([this](Parsed &parsed) { return store(parsed); },
                        [](const Parsed &parsed) { return qint64(parsed.mail.raw.size()); }, kWaitingBytes);
        m_reader.emplace(
            [this](Fetched &fetched) {
                if (m_hooks.cancel->load())
                    return false;
                Parsed parsed{fetched.number, fetched.uid, MailLibrary::parse(fetched.raw)};
                fetched.raw = {};
                return m_store->push(std::move(parsed), m_hooks.cancel);
            },
            [](const Fetched &fetched) { return qint64(fetched.raw.size()); }, kWaitingBytes);
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
        const bool alone = size > kWaitingBytes;
        if (alone && !settleStore(true))
            return false;
        auto raw = m_library.pop3GetRawMail(m_handle, n);
        if (!raw)
            return leave(n, {}, m_library.lastError());
        if (!m_reader->push({n, uid, std::move(*raw)}, m_hooks.cancel))
            return !stopped();
        // A server that takes one command at a time hears the deletion before the next RETR.
        if (alone || !m_pipelines)
            return settleStore(true);
        return takeStored(m_store->takeDone(), true);
    }

    // Runs on the store's thread: touches the files, the journal and nothing of the connection.
    Stored store(Parsed &parsed)
    {
        FetchedMail &mail = parsed.mail;
        Stored out;
        out.number = parsed.number;
        out.uid = parsed.uid;
        out.subject = mail.subject;
        // A mail that arrived whole is still only stored if the user did not stop meanwhile.
        if (m_hooks.cancel->load())
            return out;

        if (!m_journal.isOpen() && !startJournal()) {
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
            notice(MailCheck::kCannotOpenAttachment);
        } else if (unpacked == MailLibrary::kPartsMissing) {
            notice(MailCheck::kPartsMissing);
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

        // Where the history lives is looked up once per check, not per mail.
        if (!m_received)
            m_received.emplace(HistoryFile::Kind::Received);
        const RecordFile::Result stored = m_received->append(*built, [&](qint64 offset, const QByteArray &bytes) {
            out.head = ReceivedMailIds::headKey(bytes);
            return m_journal.intend(mailNumber, offset, bytes, parsed.uid, !out.mayDelete);
        });
        if (!stored.ok) {
            out.leftBecause = stored.error;
            return out;
        }
        // The flush before the goodbye then waits for the last few megabytes only.
        if (++m_sinceWriteback == kWritebackEvery) {
            SafeFile::startWriteback(m_received->path());
            m_sinceWriteback = 0;
        }
        out.storedAt = ReceivedMailIds::now();
        out.record = std::move(*built);
        return out;
    }

    // Takes in what the store's thread finished: counts and ids of every stored
    // mail, and, while the connection stands, the deletions. False when the
    // check cannot go on; the rest is still counted, so no stored mail loses its id.
    bool takeStored(const QList<Stored> &results, bool connected)
    {
        bool goOn = true;
        for (const Stored &result : results) {
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
            m_outcome.newMail << record.Correspondent + QStringLiteral(": ") + record.Subject;
            m_lastShown = record;
            if (!result.uid.isEmpty())
                m_keep[result.uid] = {!result.mayDelete, result.storedAt, result.head};
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
        m_reader->finish();
        return takeStored(m_store->finish(), connected);
    }

    bool m_pipelines = false;
    // Last, so these threads end before anything they use; the reader hands to the store.
    std::optional<OrderedWorker<Parsed, Stored>> m_store;
    std::optional<OrderedWorker<Fetched, bool>> m_reader;
};

} // namespace

MailCheck::MailCheck() = default;

MailCheck::~MailCheck()
{
    delete m_progress;
}

MailCheck *MailCheck::current()
{
    return g_current;
}

bool MailCheck::isRunning()
{
    return g_current != nullptr;
}

void MailCheck::addFinishListener(QObject *context, std::function<void(const Outcome &, Mode)> listener)
{
    finishListeners().push_back({context, std::move(listener)});
}

MailCheck *MailCheck::start(SignInPolicy policy)
{
    return start(Mode::User, policy);
}

MailCheck *MailCheck::start(Mode mode, SignInPolicy policy)
{
    // A second click while a check runs does not start another.
    if (g_current)
        return nullptr;
    auto *check = new MailCheck;
    g_current = check;
    check->m_mode = mode;
    const bool quiet = mode == Mode::Timed;
    // A timed check never opens the browser on its own.
    if (quiet)
        policy = SignInPolicy::NeverOpenBrowser;

    const RuntimeSettings &settings = runtimeSettings();
    const QString server = settings.Pop3Server;
    const bool apop = settings.UseApop != 0;
    const KeepRules keep{settings.KeepOnServer != 0, settings.KeepDays, settings.KeepSync != 0};
    Outcome *outcome = &check->m_outcome;
    check->m_job = new BackgroundJob(
        [server, apop, keep, outcome, policy, quiet](const std::atomic_bool &cancel) {
            Run(cancel, *outcome, keep, policy, quiet).start(server, apop);
        },
        check);
    connect(check->m_job, &BackgroundJob::finished, check, &MailCheck::end);

    if (!server.isEmpty() && !quiet) {
        check->m_progress = new ProgressWindow(QStringLiteral("メールの受信"), Forms::existing<MainForm>());
        check->m_progress->setText(kChecking);
        connect(check->m_progress, &ProgressWindow::cancelRequested, check, &MailCheck::cancel);
        if (MainForm *launcher = Forms::existing<MainForm>())
            connect(launcher, &MainForm::statusTextChanged, check->m_progress, &ProgressWindow::setText);
        check->m_progress->show();
    }
    check->m_job->start();
    return check;
}

MailCheck::Outcome MailCheck::run(SignInPolicy policy)
{
    MailCheck *check = start(Mode::User, policy);
    if (!check)
        return {};
    Outcome outcome;
    QEventLoop loop;
    connect(check, &MailCheck::finished, &loop, [&] {
        outcome = check->outcome();
        loop.quit();
    });
    loop.exec();
    return outcome;
}

void MailCheck::cancel()
{
    if (m_job)
        m_job->cancel();
}

void MailCheck::end()
{
    if (m_job && m_job->cancelRequested())
        m_outcome.cancelled = true;
    if (m_progress) {
        delete m_progress;
    }
    g_current = nullptr;
    auto &listeners = finishListeners();
    std::erase_if(listeners, [](const FinishListener &listener) { return listener.context.isNull(); });
    const auto now = listeners;
    for (const FinishListener &listener : now)
        if (listener.context)
            listener.call(m_outcome, m_mode);
    emit finished();
    deleteLater();
}
