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

#include <QEventLoop>
#include <QSet>


namespace {

QPointer<MailCheck> g_current;

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

class Run {
public:
    Run(const std::atomic_bool &cancel, MailCheck::Outcome &outcome) : m_outcome(outcome)
    {
        m_hooks.cancel = &cancel;
        TrustHooks::install(m_hooks);
    }

    void start(const QString &server, bool apop)
    {
        if (server.isEmpty()) {
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
    }

private:
    MailCheck::Outcome &m_outcome;
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
        showError(text);
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
        showError(QStringLiteral("次のメールは受信できなかったため、サーバーに残しました。\n") + m_left.join(u'\n'));
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
            showNotice(MailCheck::kCannotOpenAttachment);
        } else if (unpacked == MailLibrary::kPartsMissing) {
            showNotice(MailCheck::kPartsMissing);
        }
        // The note says the attachments were unpacked, so it needs one that was.
        m_outcome.attachment = unpacked == MailLibrary::kUnpacked;

        QString keepError;
        const auto built = ReceivedRecord::build(*mail, m_outcome.attachment, &keepError);
        if (!built)
            return leave(n, mail->subject, keepError);
        const HistoryRecord &record = *built;

        HistoryFile received(HistoryFile::Kind::Received);
        const RecordFile::Result stored = received.append(record);
        if (!stored.ok)
            return leave(n, mail->subject, stored.error);
        ++m_outcome.stored;
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

MailCheck *MailCheck::start()
{
    // A second click while a check runs does not start another.
    if (g_current)
        return nullptr;
    auto *check = new MailCheck;
    g_current = check;

    const RuntimeSettings &settings = runtimeSettings();
    const QString server = settings.Pop3Server;
    const bool apop = settings.UseApop != 0;
    Outcome *outcome = &check->m_outcome;
    check->m_job = new BackgroundJob(
        [server, apop, outcome](const std::atomic_bool &cancel) { Run(cancel, *outcome).start(server, apop); },
        check);
    connect(check->m_job, &BackgroundJob::finished, check, &MailCheck::end);

    if (!server.isEmpty()) {
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
    emit finished();
    deleteLater();
}
