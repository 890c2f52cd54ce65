#include "compose/SendJob.h"

#include "auth/OAuthAccess.h"
#include "common/BackgroundJob.h"
#include "common/WindowThread.h"
#include "history/WholeMailLink.h"
#include "mail/MailLibrary.h"
#include "mail/SessionHooks.h"
#include "settings/TrustHooks.h"
#include "shell/Forms.h"
#include "shell/MainForm.h"
#include "shell/ProgressWindow.h"

namespace {

QString megabytes(qint64 bytes)
{
    return QString::number(double(bytes) / (1024.0 * 1024.0), 'f', 1);
}

void setLauncherStatus(const QString &text)
{
    if (MainForm *launcher = Forms::existing<MainForm>())
        launcher->setStatusText(text);
}

} // namespace

QString SendJob::progressText(qint64 sent, qint64 total)
{
    return QStringLiteral("メールを送信中です… %1 / %2 MB").arg(megabytes(sent), megabytes(total));
}

QString SendJob::withEncryption(const QString &text, bool encrypted)
{
    return text + (encrypted ? QStringLiteral("（暗号化）") : QStringLiteral("（暗号化なし）"));
}

SendJob::SendJob(const OutgoingMail &mail, int pass, int passes, ProgressWindow *window, QObject *parent)
    : QObject(parent), m_mail(mail), m_pass(pass), m_passes(passes), m_window(window)
{
}

SendJob::~SendJob()
{
    // The worker may still run; it writes into the shared result only.
    if (m_job)
        m_job->cancel();
    if (m_ownWindow)
        delete m_window;
}

void SendJob::start()
{
    QPointer<SendJob> self(this);
    const std::shared_ptr<Result> result = m_shared;
    const OutgoingMail mail = m_mail;
    const QString wholeCopy = m_wholeCopy;
    m_job = new BackgroundJob(
        [self, result, mail, wholeCopy](const std::atomic_bool &cancel) {
            SessionHooks hooks;
            hooks.cancel = &cancel;
            TrustHooks::install(hooks);
            hooks.uploadProgress = [self](qint64 sent, qint64 total) {
                WindowThread::post([self, sent, total] {
                    if (self)
                        self->showProgress(sent, total);
                });
            };
            if (!mail.oauthProvider.isEmpty()) {
                // A token that ends soon is renewed before the server sees it.
                const OAuthAccess::Access access = OAuthAccess::prepare(mail.oauthProvider, mail.accountId, &cancel);
                if (access.status != OAuthAccess::Access::Status::Ok) {
                    result->code = -1;
                    result->error = access.error;
                    result->needsSignIn = access.status == OAuthAccess::Access::Status::NeedsSignIn;
                    return;
                }
                hooks.accessToken = [token = access.token] { return token; };
            }
            hooks.handedOver = [self] {
                WindowThread::post([self] {
                    if (self)
                        self->showHandedOver();
                });
            };
            MailLibrary &library = MailLibrary::instance();
            result->code = library.smtpSendMail(mail, &hooks);
            result->error = library.lastError();
            result->encrypted = library.smtpWasEncrypted();
            result->outcome = library.lastSendOutcome();
            // The kept copy is the message that went out, Message-ID and all.
            if (!wholeCopy.isEmpty())
                WholeMailLink::fillSent(wholeCopy, library.lastBuiltMessage());
        },
        this);
    connect(m_job, &BackgroundJob::finished, this, [this] {
        m_result = *m_shared;
        m_result.cancelRequested = m_job->cancelRequested();
        m_result.cancelled = m_result.outcome == SendOutcome::Cancelled;
        if (m_ownWindow)
            delete m_window;
        else if (m_window)
            disconnect(m_window, nullptr, this, nullptr);
        emit done();
    });

    if (!m_window) {
        m_window = new ProgressWindow(QStringLiteral("メールの送信"), Forms::existing<MainForm>());
        m_ownWindow = true;
    }
    m_window->setText(m_passes > 0 ? QStringLiteral("送信中 %1/%2").arg(m_pass).arg(m_passes)
                                   : QStringLiteral("メールを送信中です…"));
    connect(m_window, &ProgressWindow::cancelRequested, this, &SendJob::cancel);
    m_window->setProgress(0, 0);
    m_window->show();
    if (m_passes > 0)
        setLauncherStatus(QStringLiteral("送信中 %1/%2").arg(m_pass).arg(m_passes));
    m_job->start();
}

void SendJob::cancel()
{
    if (m_job)
        m_job->cancel();
    if (m_handedOver && m_window)
        m_window->setText(QStringLiteral("送り終えたメールは取り消せません。サーバーの返事を待っています…"));
}

void SendJob::showHandedOver()
{
    m_handedOver = true;
    if (!m_window)
        return;
    m_window->setText(m_job && m_job->cancelRequested()
                          ? QStringLiteral("送り終えたメールは取り消せません。サーバーの返事を待っています…")
                          : QStringLiteral("メールを送り終えました。サーバーの返事を待っています…"));
}

void SendJob::showProgress(qint64 sent, qint64 total)
{
    const QString bytes = progressText(sent, total);
    const QString text = m_passes > 0 ? QStringLiteral("送信中 %1/%2　%3").arg(m_pass).arg(m_passes).arg(bytes) : bytes;
    setLauncherStatus(m_passes > 0 ? QStringLiteral("送信中 %1/%2").arg(m_pass).arg(m_passes) : bytes);
    if (m_window) {
        if (!m_handedOver)
            m_window->setText(text);
        m_window->setProgress(sent, total);
    }
}
