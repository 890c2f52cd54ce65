#include "ui/compose/SendJob.h"

#include "core/send/SendEngine.h"
#include "ui/common/TrustHooks.h"
#include "core/common/JobProgress.h"
#include "ui/shell/Forms.h"

namespace {

QString megabytes(qint64 bytes)
{
    return QString::number(double(bytes) / (1024.0 * 1024.0), 'f', 1);
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

SendJob::SendJob(const OutgoingMail &mail, int pass, int passes, JobProgress *progress, QObject *parent)
    : QObject(parent), m_mail(mail), m_pass(pass), m_passes(passes), m_progress(progress)
{
}

// A shared progress forgets this job by itself: the job is its listeners' context.
SendJob::~SendJob() = default;

void SendJob::start()
{
    m_engine = new SendEngine(m_mail, &TrustHooks::install, this);
    m_engine->setWholeCopy(m_wholeCopy);
    connect(m_engine, &SendEngine::progress, this, &SendJob::showProgress);
    connect(m_engine, &SendEngine::handedOver, this, &SendJob::showHandedOver);
    connect(m_engine, &SendEngine::finished, this, [this] {
        m_result = m_engine->result();
        if (m_ownProgress) {
            m_ownProgress.reset();
            m_progress = nullptr;
        } else if (m_progress) {
            m_progress->stopListening(this);
        }
        emit done();
    });

    if (!m_progress) {
        m_ownProgress = Forms::openProgress(QStringLiteral("メールの送信"));
        m_progress = m_ownProgress.get();
    }
    m_progress->setText(m_passes > 0 ? QStringLiteral("送信中 %1/%2").arg(m_pass).arg(m_passes)
                                     : QStringLiteral("メールを送信中です…"));
    m_progress->onCancel(this, [this] { cancel(); });
    m_progress->setProgress(0, 0);
    m_progress->show();
    if (m_passes > 0)
        Forms::setLauncherStatus(QStringLiteral("送信中 %1/%2").arg(m_pass).arg(m_passes));
    m_engine->start();
}

void SendJob::cancel()
{
    if (m_engine)
        m_engine->cancel();
    if (m_handedOver && m_progress)
        m_progress->setText(QStringLiteral("送り終えたメールは取り消せません。サーバーの返事を待っています…"));
}

void SendJob::showHandedOver()
{
    m_handedOver = true;
    if (!m_progress)
        return;
    m_progress->setText(m_engine && m_engine->cancelRequested()
                          ? QStringLiteral("送り終えたメールは取り消せません。サーバーの返事を待っています…")
                          : QStringLiteral("メールを送り終えました。サーバーの返事を待っています…"));
}

void SendJob::showProgress(qint64 sent, qint64 total)
{
    const QString bytes = progressText(sent, total);
    const QString text = m_passes > 0 ? QStringLiteral("送信中 %1/%2　%3").arg(m_pass).arg(m_passes).arg(bytes) : bytes;
    Forms::setLauncherStatus(m_passes > 0 ? QStringLiteral("送信中 %1/%2").arg(m_pass).arg(m_passes) : bytes);
    if (m_progress) {
        if (!m_handedOver)
            m_progress->setText(text);
        m_progress->setProgress(sent, total);
    }
}
