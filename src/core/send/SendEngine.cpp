#include "core/send/SendEngine.h"

#include "core/auth/OAuthAccess.h"
#include "core/common/BackgroundJob.h"
#include "core/common/WindowThread.h"
#include "core/history/WholeMailLink.h"
#include "core/mail/net/SessionHooks.h"

#include <QPointer>

SendEngine::SendEngine(const OutgoingMail &mail, ServerQuestions questions, QObject *parent)
    : QObject(parent), m_mail(mail), m_questions(std::move(questions))
{
}

SendEngine::~SendEngine()
{
    // The worker may still run; it writes into the shared result only.
    if (m_job)
        m_job->cancel();
}

bool SendEngine::cancelRequested() const
{
    return m_job && m_job->cancelRequested();
}

void SendEngine::cancel()
{
    if (m_job)
        m_job->cancel();
}

void SendEngine::start()
{
    QPointer<SendEngine> self(this);
    const std::shared_ptr<SendResult> result = m_shared;
    m_job = new BackgroundJob(
        [self, result, mail = m_mail, wholeCopy = m_wholeCopy, questions = m_questions](
            const std::atomic_bool &cancel) {
            SessionHooks hooks;
            hooks.cancel = &cancel;
            if (questions)
                questions(hooks);
            hooks.uploadProgress = [self](qint64 sent, qint64 total) {
                WindowThread::post([self, sent, total] {
                    if (self)
                        emit self->progress(sent, total);
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
                hooks.tokenProvider = access.provider;
                hooks.tokenHosts = access.hosts;
            }
            hooks.handedOver = [self] {
                WindowThread::post([self] {
                    if (self)
                        emit self->handedOver();
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
        emit finished();
    });
    m_job->start();
}
