#include "receive/MailCheck.h"

#include "common/AppPaths.h"
#include "common/BackgroundJob.h"
#include "common/FixedField.h"
#include "common/LineEnds.h"
#include "common/Prompt.h"
#include "common/SafeFile.h"
#include "common/WindowThread.h"
#include "history/HistoryFile.h"
#include "history/HistoryRecord.h"
#include "history/ReceivedMailIds.h"
#include "history/RecordText.h"
#include "history/WholeMailLink.h"
#include "mail/MailLibrary.h"
#include "mail/SessionHooks.h"
#include "settings/AccountFile.h"
#include "settings/IdPassForm.h"
#include "settings/OptionForm.h"
#include "settings/RuntimeSettings.h"
#include "settings/TrustHooks.h"
#include "shell/Forms.h"
#include "shell/MainForm.h"
#include "shell/ProgressWindow.h"
#include "viewer/TyakuForm.h"

#include <QEventLoop>
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

// What the history window's boxes and editor would hand back: one-line boxes
// keep at most this many characters, the editor gives CR LF line ends.
constexpr int kLineBoxLimit = 32767;

struct Account {
    QString id;
    QString password;
};

class Run {
public:
    Run(const std::atomic_bool &cancel, MailCheck::Outcome &outcome, bool quiet)
        : m_outcome(outcome), m_quiet(quiet)
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
        showStatus((m_outcome.waiting > 0 ? MailCheck::kNewMail : MailCheck::kNoNewMail) + line);
        // Nobody saw a box, so the line keeps the reason.
        if (m_quiet && !m_outcome.failure.isEmpty())
            showStatus(m_outcome.failure.section(u'\n', 0, 0));
    }

private:
    MailCheck::Outcome &m_outcome;
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
    QHash<QByteArray, bool> m_keep;  // ids to remember: stored, and whether the mail stays
    QSet<QByteArray> m_deleted;
    QStringList m_left;

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

    void check(const QString &server, bool apop)
    {
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
        if (account.id.isEmpty() || account.password.isEmpty()) {
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
        const QHash<QByteArray, bool> known = m_uids ? m_ids->load() : QHash<QByteArray, bool>();
        const auto uidOf = [&](int n) {
            const QByteArray uid = m_uids ? m_uids->value(n) : QByteArray();
            return ReceivedMailIds::isUsable(uid) ? uid : QByteArray();
        };
        QList<int> plan;
        for (int n = 1; n <= m_outcome.waiting; ++n)
            if (!known.contains(uidOf(n)))
                plan << n;
        if (!m_library.pop3PlanFetches(m_handle, plan))
            return fail();

        for (int n = 1; n <= m_outcome.waiting; ++n) {
            showStatus(QStringLiteral("%1 %2/%3").arg(MailCheck::kChecking).arg(n).arg(m_outcome.waiting));
            if (stopped())
                return false;
            const QByteArray uid = uidOf(n);
            if (const auto it = known.constFind(uid); !uid.isEmpty() && it != known.constEnd()) {
                // Stored by an earlier check that did not get to its goodbye: not again.
                m_keep[uid] = *it;
                if (!*it) {
                    if (!m_library.pop3DeleteMail(m_handle, n))
                        return fail();
                    m_deleted << uid;
                }
                continue;
            }
            if (!handle(n, uid))
                return false;
        }
        return true;
    }

    // Records and ids on disk, then the goodbye that lets the server delete.
    void finish()
    {
        if (m_outcome.stored > 0) {
            const QString records = HistoryFile(HistoryFile::Kind::Received).path();
            QString why;
            const bool recordsSafe = SafeFile::flush(records, &why);
            if (!recordsSafe || !SafeFile::flush(m_ids->path(), &why)) {
                // Without its records on disk nothing may leave the server.
                m_library.pop3Abort(m_handle);
                report(QStringLiteral("%1 に書き込めませんでした（%2）。メールはサーバーに残しました。")
                           .arg(recordsSafe ? m_ids->path() : records, why));
                return;
            }
        }
        if (!m_library.pop3Close(m_handle)) {
            report(m_library.lastError());
            reportLeft();
            return;
        }
        // Only ids of mails still waiting are worth keeping; an empty mailbox keeps none.
        if (m_outcome.waiting == 0 && !m_ids->load().isEmpty())
            m_ids->rewrite({});
        if (m_uids) {
            QHash<QByteArray, bool> still;
            for (const QByteArray &uid : std::as_const(*m_uids))
                if (m_keep.contains(uid) && !m_deleted.contains(uid))
                    still[uid] = m_keep[uid];
            m_ids->rewrite(still);
        }
        reportLeft();
    }

    // The connection is gone or the user stopped: no goodbye, so the server deletes
    // nothing; the ids already written keep the stored mails from coming twice.
    void finishBroken()
    {
        m_library.pop3Abort(m_handle);
        if (m_ids)
            SafeFile::flush(m_ids->path());
        if (!stopped())
            reportLeft();
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

    // A mail that cannot be fetched or stored stays on the server; the check goes on.
    bool leave(int n, const QString &subject, const QString &why)
    {
        if (!m_library.pop3IsOpen(m_handle))
            return fail();
        m_left << (subject.isEmpty() ? QStringLiteral("%1 通目: %2").arg(n).arg(why)
                                     : QStringLiteral("%1 通目「%2」: %3").arg(n).arg(subject.left(60), why));
        return true;
    }

    // One mail: fetched whole, its record and id written, then deleted (the
    // server carries the deletion out at the goodbye, after everything is on disk).
    // False when the check cannot go on.
    bool handle(int n, const QByteArray &uid)
    {
        if (m_library.pop3GetMailSize(m_handle, n) < 0)
            return leave(n, {}, m_library.lastError());
        auto mail = m_library.pop3GetMail(m_handle, n);
        if (!mail)
            return leave(n, {}, m_library.lastError());
        // A mail that arrived whole is still only stored if the user did not stop meanwhile.
        if (stopped())
            return false;

        bool mayDelete = true;
        const int unpacked = m_library.unpackAttachments(*mail, m_folder);
        if (unpacked == MailLibrary::kCannotWrite) {
            // The attachment exists only on the server now, so the mail stays there.
            mayDelete = false;
            notice(MailCheck::kCannotOpenAttachment);
        } else if (unpacked == MailLibrary::kPartsMissing) {
            notice(MailCheck::kPartsMissing);
        }
        // The note says the attachments were unpacked, so it needs one that was.
        m_outcome.attachment = unpacked == MailLibrary::kUnpacked;

        RecordText::keepPictographs(*mail);
        QString body = LineEnds::toCrLf(LineEnds::toWidget(mail->body));
        if (m_outcome.attachment)
            body += QStringLiteral("\r\n") + MailCheck::kAttachmentNote;

        HistoryRecord record;
        record.Subject = mail->subject.left(kLineBoxLimit);
        record.Correspondent = mail->from.left(kLineBoxLimit);
        record.MailDate = mail->date.left(kLineBoxLimit);
        record.Body = body;

        const bool whole = WholeMailLink::survives(record) && record.Subject == mail->subject
            && record.Correspondent == mail->from && record.MailDate == mail->date;
        QString keepError;
        if ((!whole || mail->needsWholeCopy)
            && !WholeMailLink::keepReceived(record, mail->raw, mail->subject, &keepError))
            return leave(n, mail->subject, keepError);

        HistoryFile received(HistoryFile::Kind::Received);
        const RecordFile::Result stored = received.append(record);
        if (!stored.ok)
            return leave(n, mail->subject, stored.error);
        ++m_outcome.stored;
        m_outcome.newMail << record.Correspondent + QStringLiteral(": ") + record.Subject;
        m_lastShown = record;
        // After the record, never before: a crash in between stores one mail twice, never none.
        if (!uid.isEmpty()) {
            m_ids->add(uid, !mayDelete);
            m_keep[uid] = !mayDelete;
        }

        if (mayDelete) {
            if (!m_library.pop3DeleteMail(m_handle, n))
                return fail();
            m_deleted << uid;
        }
        return true;
    }
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

MailCheck *MailCheck::start(Mode mode)
{
    // A second click while a check runs does not start another.
    if (g_current)
        return nullptr;
    auto *check = new MailCheck;
    g_current = check;
    check->m_mode = mode;
    const bool quiet = mode == Mode::Timed;

    const RuntimeSettings &settings = runtimeSettings();
    const QString server = settings.Pop3Server;
    const bool apop = settings.UseApop != 0;
    Outcome *outcome = &check->m_outcome;
    check->m_job = new BackgroundJob(
        [server, apop, outcome, quiet](const std::atomic_bool &cancel) {
            Run(cancel, *outcome, quiet).start(server, apop);
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

MailCheck::Outcome MailCheck::run()
{
    MailCheck *check = start();
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
