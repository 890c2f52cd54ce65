#include "ui/compose/Sender.h"

#include "core/addressbook/AddressBook.h"
#include "core/common/FixedField.h"
#include "ui/common/Prompt.h"
#include "core/send/Fortune.h"
#include "ui/compose/SendJob.h"
#include "core/history/HistoryFile.h"
#include "core/history/WholeMailLink.h"
#include "core/mail/MailLibrary.h"
#include "core/settings/AccountFile.h"
#include "core/settings/RuntimeSettings.h"
#include "core/common/ClockText.h"
#include "core/common/JobProgress.h"
#include "ui/shell/Forms.h"

#include <QEventLoop>
#include <QFileInfo>

const QString &Sender::sendingText()
{
    static const QString text = QStringLiteral("メールを送信中です。しばらくお待ち下さい。");
    return text;
}

const QString &Sender::doneText()
{
    static const QString text = QStringLiteral("送信完了です。");
    return text;
}

const QString &Sender::errorTitle()
{
    static const QString text = QStringLiteral("送信エラー");
    return text;
}

const QString &Sender::cancelledText()
{
    static const QString text = QStringLiteral("送信を中止しました。");
    return text;
}

const QString &Sender::uncertainText()
{
    static const QString text = QStringLiteral("送信しましたが、届いたかどうか確かめられませんでした。");
    return text;
}

namespace {

struct Installed {
    Sender::Transport transport;
    Sender::ErrorText errorText;
};

Installed &installedTransport()
{
    static Installed hooks;
    return hooks;
}

} // namespace

void Sender::installTransport(Transport transport, ErrorText errorText)
{
    installedTransport() = {std::move(transport), std::move(errorText)};
}

void Sender::fillAccount(OutgoingMail &mail)
{
    const AccountFile account;
    mail.accountId = account.id();
    mail.accountPassword = account.password();
    mail.oauthProvider = OAuthAccess::providerOf(account.authMethod()).value_or(QString());
    if (mail.accountId.isEmpty()) {
        mail.accountId = runtimeSettings().AccountId;
        mail.accountPassword = runtimeSettings().AccountPassword;
    }
}

Sender::Sender(SendFields &fields, QWidget *parent)
    : m_fields(fields), m_parent(parent), m_transport(installedTransport().transport), m_errorText(installedTransport().errorText)
{
}

Sender::~Sender() = default;

QString Sender::clockText()
{
    if (Forms::launcher())
        return Forms::launcherClock();
    return ClockText::now();
}

void Sender::takeSnapshot()
{
    m_snapshot = {};
    m_snapshot.recipient = m_fields.recipient();
    m_snapshot.subject = m_fields.subject();
    m_snapshot.body = m_fields.mailBody();
    m_snapshot.attachments = m_fields.attachmentText();
    m_snapshot.fortune = m_fields.fortuneTicked();
    m_snapshot.bulk = m_fields.bulkChosen();
    // The number of passes is a 16-bit count.
    m_passes = m_snapshot.bulk ? qMin(m_fields.listCount(), int(INT16_MAX)) : 1;
    if (m_snapshot.bulk && m_passes > 0) {
        AddressBook().forEach([this](int n, const AddressBookRecord &record) {
            m_snapshot.bulkAddresses << FixedField::trimTrailingSpaces(record.MailAddress);
            return n < m_passes;
        });
    }
}

void Sender::start()
{
    if (m_running)
        return;
    m_running = true;
    m_cancelled = false;
    m_stopped = false;
    m_failures = 0;
    m_uncertain = 0;
    m_lastEncrypted.reset();
    m_fields.prepareAttachmentsForSend();
    m_fields.setStatus(sendingText());
    takeSnapshot();
    m_pass = 0;
    if (Forms::launcher() && !m_transport)
        m_launcherBefore = Forms::launcherStatus();
    if (!m_transport && m_snapshot.bulk) {
        m_progress = Forms::openProgress(QStringLiteral("メールの一括送信"));
        m_progress->onCancel(this, [this] { cancel(); });
        m_progress->show();
    }
    nextPass();
}

void Sender::run()
{
    QEventLoop loop;
    connect(this, &Sender::finished, &loop, &QEventLoop::quit);
    start();
    if (m_running)
        loop.exec();
}

void Sender::cancel()
{
    if (!m_running || m_cancelled)
        return;
    m_cancelled = true;
    if (m_job)
        m_job->cancel();
}

void Sender::nextPass()
{
    if (m_cancelled && m_pass < m_passes)
        m_stopped = true;
    while (!m_cancelled && ++m_pass <= m_passes) {
        OutgoingMail mail;
        if (!prepare(m_pass, mail))
            continue;
        if (m_transport) {
            WholeMailLink::fillSent(m_wholeCopy, mail);
            const int code = m_transport(mail);
            passEnded(code, code < 0 && m_errorText ? m_errorText() : QString());
            continue;
        }
        m_job = new SendJob(mail, m_pass, m_snapshot.bulk ? m_passes : 0, m_progress.get(), this);
        // The kept copy reads the attachments: work for the worker, not the window thread.
        m_job->setWholeCopy(m_wholeCopy);
        connect(m_job, &SendJob::done, this, [this] {
            SendJob *job = m_job;
            const SendJob::Result result = job->result();
            job->deleteLater();
            if (result.cancelled) {
                m_cancelled = true;
                m_stopped = true;
                takeBackCopy();
                finish();
                return;
            }
            // A stop asked for too late for this mail still spares the ones after it.
            if (result.cancelRequested)
                m_cancelled = true;
            if (result.code >= 0)
                m_lastEncrypted = result.encrypted;
            if (result.needsSignIn) {
                // Every further pass would be refused the same way: one box, and the run ends.
                ++m_failures;
                const bool openBrowser = m_signInPolicy == SignInPolicy::MayOpenBrowser && !m_fields.bulkChosen();
                Forms::askToSignIn(result.error, openBrowser);
                m_pass = m_passes;
                nextPass();
                return;
            }
            // The callers' message buffer holds this many characters with its NUL.
            passEnded(result.code, result.error.left(MailLibrary::instance().bufferSize() - 1),
                      result.outcome == SendOutcome::MaybeDelivered);
            nextPass();
        });
        m_job->start();
        return;
    }
    finish();
}

bool Sender::prepare(int i, OutgoingMail &mail)
{
    QString recipient;
    if (m_snapshot.bulk) {
        const std::optional<QString> address = m_snapshot.bulkAddresses.value(i - 1);
        // A list filled from the read-only address list can be longer than the book.
        if (!address) {
            Prompt::instance().ask(
                {QStringLiteral("アドレス帳に %1 番目のデータがないため、送信しませんでした。").arg(i),
                 errorTitle(), Prompt::Icon::None, Prompt::Buttons::Ok},
                m_parent);
            return false;
        }
        recipient = *address;
    } else {
        recipient = m_snapshot.recipient;
    }

    m_fields.setStatus(sendingText());

    HistoryRecord copy;
    copy.Subject = m_snapshot.subject;
    copy.MailDate = clockText();
    copy.Correspondent = m_snapshot.recipient;
    copy.Body = m_snapshot.body;
    m_wholeCopy = WholeMailLink::reserveSent(copy);
    HistoryFile sent(HistoryFile::Kind::Sent);
    m_sentFileBefore = QFileInfo(sent.path()).size();
    const auto stored = sent.append(copy);
    m_sentFileAfter = stored.ok ? QFileInfo(sent.path()).size() : -1;
    // A full or unwritable history must not keep the mail from going out.
    if (!stored.ok)
        Prompt::warn(QStringLiteral("送信済みメールの控えを保存できませんでした。メールは送信します。\n")
                         + stored.error,
                     {}, m_parent);

    if (m_snapshot.fortune)
        m_snapshot.body += Fortune::block(Fortune::numberFor(Fortune::draw()));

    const RuntimeSettings &settings = runtimeSettings();
    mail.server = settings.SmtpServer;
    mail.to = recipient;
    mail.from = settings.SenderAddress;
    mail.subject = m_snapshot.subject;
    mail.body = m_snapshot.body;
    mail.attachments = m_snapshot.attachments;
    mail.option = 0;
    fillAccount(mail);
    return true;
}

void Sender::passEnded(int code, const QString &error, bool maybeDelivered)
{
    if (code >= 0)
        return;
    if (maybeDelivered)
        ++m_uncertain;
    else
        ++m_failures;
    Prompt::instance().ask({error, errorTitle(), Prompt::Icon::None, Prompt::Buttons::Ok}, m_parent);
}

void Sender::takeBackCopy()
{
    // The mail never left, so its copy goes.
    if (m_sentFileAfter >= 0)
        HistoryFile(HistoryFile::Kind::Sent).takeBackAppend(m_sentFileBefore, m_sentFileAfter);
    m_sentFileAfter = -1;
    if (!m_wholeCopy.isEmpty())
        QFile::remove(m_wholeCopy);
}

void Sender::finish()
{
    m_progress.reset();
    m_running = false;
    m_fields.setStatus(m_stopped                          ? cancelledText()
                           : m_passes == 1 && m_uncertain > 0 ? uncertainText()
                                                              : doneText());
    // The launcher showed the progress while it lasted; then what became of the mail.
    if (m_launcherBefore)
        Forms::setLauncherStatus(m_lastEncrypted ? SendJob::withEncryption(doneText(), *m_lastEncrypted)
                                          : *m_launcherBefore);
    emit finished();
}
