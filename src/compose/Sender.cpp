#include "compose/Sender.h"

#include "addressbook/AddressBook.h"
#include "common/Prompt.h"
#include "compose/Fortune.h"
#include "history/HistoryFile.h"
#include "history/WholeMailLink.h"
#include "mail/MailLibrary.h"
#include "shell/ClockText.h"
#include "shell/Forms.h"
#include "shell/MainForm.h"
#include "settings/RuntimeSettings.h"

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

namespace {

struct Installed {
    Sender::Transport transport;
    Sender::ErrorText errorText;
};

Installed &installed()
{
    static Installed hooks;
    return hooks;
}

} // namespace

void Sender::installTransport(Transport transport, ErrorText errorText)
{
    installed() = {std::move(transport), std::move(errorText)};
}

Sender::Sender(SendFields &fields, QWidget *parent) : m_fields(fields), m_parent(parent)
{
    if (installed().transport) {
        m_transport = installed().transport;
        m_errorText = installed().errorText;
    } else {
        m_transport = [](const OutgoingMail &mail) { return MailLibrary::instance().smtpSendMail(mail); };
        // The callers' message buffer holds this many characters with its NUL.
        m_errorText = [] {
            const MailLibrary &library = MailLibrary::instance();
            return library.lastError().left(library.bufferSize() - 1);
        };
    }
}

QString Sender::clockText()
{
    if (const MainForm *launcher = Forms::existing<MainForm>())
        return launcher->clockText();
    return ClockText::now();
}

void Sender::run()
{
    m_fields.prepareAttachmentsForSend();
    m_fields.setStatus(sendingText());
    // The number of passes is a 16-bit count.
    const int passes = m_fields.bulkChosen() ? qMin(m_fields.listCount(), int(INT16_MAX)) : 1;
    for (int i = 1; i <= passes; ++i)
        pass(i);
    m_fields.setStatus(doneText());
}

void Sender::pass(int i)
{
    QString recipient;
    if (m_fields.bulkChosen()) {
        const auto address = AddressBook().bulkAddress(i);
        // A list filled from the read-only address list can be longer than the book.
        if (!address) {
            Prompt::instance().ask(
                {QStringLiteral("アドレス帳に %1 番目のデータがないため、送信しませんでした。").arg(i),
                 errorTitle(), Prompt::Icon::None, Prompt::Buttons::Ok},
                m_parent);
            return;
        }
        recipient = *address;
    } else {
        recipient = m_fields.recipient();
    }

    m_fields.setStatus(sendingText());

    HistoryRecord copy;
    copy.Subject = m_fields.subject();
    copy.MailDate = clockText();
    copy.Correspondent = m_fields.recipient();
    copy.Body = m_fields.mailBody();
    const QString wholeCopy = WholeMailLink::reserveSent(copy);
    const auto stored = HistoryFile(HistoryFile::Kind::Sent).append(copy);
    // A full or unwritable history must not keep the mail from going out.
    if (!stored.ok)
        Prompt::warn(QStringLiteral("送信済みメールの控えを保存できませんでした。メールは送信します。\n")
                         + stored.error,
                     {}, m_parent);

    if (m_fields.fortuneTicked())
        m_fields.setMailBody(m_fields.mailBody() + Fortune::block(Fortune::numberFor(Fortune::draw())));

    const RuntimeSettings &settings = runtimeSettings();
    OutgoingMail mail;
    mail.server = settings.SmtpServer;
    mail.to = recipient;
    mail.from = settings.SenderAddress;
    mail.subject = m_fields.subject();
    mail.body = m_fields.mailBody();
    mail.attachments = m_fields.attachmentText();
    mail.option = 0;
    WholeMailLink::fillSent(wholeCopy, mail);
    if (m_transport(mail) < 0)
        Prompt::instance().ask({m_errorText(), errorTitle(), Prompt::Icon::None, Prompt::Buttons::Ok},
                               m_parent);
}
