#include "receive/MailCheck.h"

#include "common/AppPaths.h"
#include "common/Cp932.h"
#include "common/FixedField.h"
#include "common/Prompt.h"
#include "history/HistoryFile.h"
#include "history/HistoryRecord.h"
#include "history/WholeMailLink.h"
#include "mail/MailLibrary.h"
#include "settings/AccountFile.h"
#include "settings/IdPassForm.h"
#include "shell/Forms.h"
#include "shell/MainForm.h"
#include "settings/RuntimeSettings.h"
#include "viewer/TyakuForm.h"

#include <QCoreApplication>
#include <QFile>

#include <fcntl.h>
#include <unistd.h>

namespace {

bool g_running = false;

void showStatus(const QString &text)
{
    if (MainForm *launcher = Forms::existing<MainForm>())
        launcher->setStatusText(text);
    // Lets the status line repaint while the windows still take no input.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void showError(const QString &text)
{
    Prompt::instance().ask({FixedField::cutAtNul(text), MailCheck::kErrorTitle, Prompt::Icon::Critical,
                            Prompt::Buttons::Ok},
                           nullptr);
}

void showNotice(const QString &text)
{
    Prompt::instance().ask({text, {}, Prompt::Icon::None, Prompt::Buttons::Ok}, nullptr);
}

bool syncToDisk(const QString &path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool ok = ::fsync(fd) == 0;
    ::close(fd);
    return ok;
}

class Run {
public:
    MailCheck::Outcome outcome;

    void start()
    {
        RuntimeSettings &settings = runtimeSettings();
        if (!settings.Pop3Server.isEmpty())
            check(settings);
        if (outcome.attachment)
            showStatus(MailCheck::kAttachmentMail);
        showStatus(outcome.waiting > 0 ? MailCheck::kNewMail : MailCheck::kNoNewMail);
    }

private:
    MailLibrary &m_library = MailLibrary::instance();
    int m_handle = -1;
    QString m_folder;

    void check(RuntimeSettings &settings)
    {
        m_handle = m_library.pop3Connect(settings.Pop3Server);
        showStatus(MailCheck::kChecking);
        if (m_handle == -1) {
            // An unreachable server is not "no new mail": the user learns why.
            outcome.failed = true;
            showError(m_library.lastError());
            return;
        }

        const AccountFile account;
        const QString id = account.id();
        const QString password = account.password();
        IdPassForm *accountWindow = Forms::get<IdPassForm>();
        accountWindow->setId(id);
        accountWindow->setPassword(password);
        settings.AccountId = id;
        settings.AccountPassword = password;

        if (settings.AccountId.isEmpty() || settings.AccountPassword.isEmpty()) {
            Forms::show(accountWindow);
        } else {
            outcome.waiting = m_library.pop3Authenticate(m_handle, settings.AccountId,
                                                         settings.AccountPassword, settings.UseApop != 0);
            if (outcome.waiting < 0) {
                outcome.failed = true;
                showError(m_library.lastError());
            } else {
                m_folder = AppPaths::resolve(AppPaths::kAttachmentFolder);
                for (int n = 1; n <= outcome.waiting; ++n) {
                    showStatus(QStringLiteral("%1 %2/%3").arg(MailCheck::kChecking).arg(n).arg(outcome.waiting));
                    if (!handle(n)) {
                        outcome.failed = true;
                        break;
                    }
                }
            }
        }
        m_library.pop3Close(m_handle);
    }

    bool fail()
    {
        showError(m_library.lastError());
        return false;
    }

    // One mail: fetched whole, stored and on disk, and only then deleted. The
    // status call is left out: the fetch fills the same fields from the whole mail.
    bool handle(int n)
    {
        if (m_library.pop3GetMailSize(m_handle, n) < 0)
            return fail();
        auto mail = m_library.pop3GetMail(m_handle, n);
        if (!mail)
            return fail();

        outcome.attachment = mail->body.contains(QStringLiteral("attachment"));

        bool mayDelete = true;
        const int unpacked = m_library.unpackAttachments(*mail, m_folder);
        if (unpacked == MailLibrary::kCannotWrite) {
            // The attachment exists only on the server now, so the mail stays there.
            mayDelete = false;
            showNotice(MailCheck::kCannotOpenAttachment);
        } else if (unpacked == MailLibrary::kPartsMissing) {
            showNotice(MailCheck::kPartsMissing);
        }

        TyakuForm *history = Forms::get<TyakuForm>();
        history->setSubjectText(mail->subject);
        history->setFromText(mail->from);
        history->setDateText(mail->date);
        history->setBodyText(mail->body);
        if (outcome.attachment)
            history->setBodyText(history->bodyText() + QStringLiteral("\r\n") + MailCheck::kAttachmentNote);

        HistoryRecord record;
        record.Subject = history->subjectText();
        record.Correspondent = history->fromText();
        record.MailDate = history->dateText();
        // The history window already gives its body with CR LF line ends.
        record.Body = history->bodyText();

        const bool whole = WholeMailLink::survives(record) && record.Subject == mail->subject
            && record.Correspondent == mail->from && record.MailDate == mail->date;
        QString keepError;
        if (!whole && !WholeMailLink::keepReceived(record, mail->raw, mail->subject, &keepError)) {
            showError(keepError);
            return false;
        }

        HistoryFile received(HistoryFile::Kind::Received);
        const RecordFile::Result stored = received.append(record);
        if (!stored.ok) {
            showError(stored.error);
            return false;
        }
        if (!syncToDisk(received.path())) {
            showError(QStringLiteral("%1 を書き込めませんでした。").arg(received.path()));
            return false;
        }
        ++outcome.stored;

        if (mayDelete && !m_library.pop3DeleteMail(m_handle, n))
            return fail();
        return true;
    }
};

} // namespace

MailCheck::Outcome MailCheck::run()
{
    // A box of the check runs its own event loop; a second click must not start another check.
    if (g_running)
        return {};
    g_running = true;
    Run run;
    run.start();
    g_running = false;
    return run.outcome;
}

bool MailCheck::isRunning()
{
    return g_running;
}
