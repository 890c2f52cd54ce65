#include "ui/compose/BackForm.h"

#include "ui/compose/SendJob.h"
#include "ui/shell/Forms.h"

#include <QCloseEvent>
#include <QEventLoop>

#include "ui/common/Accelerators.h"
#include "ui/common/TabKeys.h"
#include "ui/common/Clipboard.h"
#include "core/common/FixedField.h"
#include "ui/common/Fonts.h"
#include "core/common/LineEnds.h"
#include "ui/common/OneLineBox.h"
#include "ui/common/Twips.h"
#include "ui/common/Prompt.h"
#include "ui/compose/BackFormLayout.h"
#include "ui/compose/Sender.h"
#include "core/mail/MailLibrary.h"
#include "core/settings/RuntimeSettings.h"
#include "core/history/HistoryState.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStatusBar>
#include <QTextEdit>

namespace {

constexpr int kBodyTop = 1680;
constexpr int kBoxHeight = 300;

QLabel *addLabel(QWidget *parent, const QString &caption, int top)
{
    auto *label = new QLabel(caption, parent);
    Twips::place(label, 0, top, 1095, kBoxHeight);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

} // namespace

BackForm::BackForm(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("BackForm"));
    setWindowTitle(QStringLiteral("返事を書く"));

    m_send = Twips::add<QPushButton>(this, QStringLiteral("Command2"), 120, 120, 1215, 300, QStringLiteral("送信"));
    connect(m_send, &QPushButton::clicked, this, &BackForm::send);
    auto *stop = Twips::add<QPushButton>(this, QStringLiteral("Command3"), 1440, 120, 1215, 300, QStringLiteral("送信中止"));
    auto *quoteButton = Twips::add<QPushButton>(this, QStringLiteral("Command4"), 2760, 120, 1215, 300, QStringLiteral("本文に貼付"));
    // While a send runs, 送信中止 stops it and the window keeps what was written.
    connect(stop, &QPushButton::clicked, this, [this] {
        if (m_job)
            m_job->cancel();
        else
            close();
    });
    connect(quoteButton, &QPushButton::clicked, this, &BackForm::quote);

    QLabel *toLabel = addLabel(this, QStringLiteral("宛先"), 600);
    QLabel *subjectLabel = addLabel(this, QStringLiteral("題名"), 960);
    QLabel *attachLabel = addLabel(this, QStringLiteral("添付File"), 1320);
    m_to = Twips::add<QLineEdit>(this, QStringLiteral("ToText"), 1080, 600, 5415, kBoxHeight);
    m_subject = Twips::add<QLineEdit>(this, QStringLiteral("SubjectText"), 1080, 960, 5415, kBoxHeight);
    // A line break between addresses means what a comma means.
    OneLine::guard(m_to, QStringLiteral(","));
    OneLine::guard(m_subject);
    m_attach = Twips::add<QLineEdit>(this, QStringLiteral("AttachText"), 1080, 1320, 5415, kBoxHeight);

    m_attachButton = Twips::add<QPushButton>(this, QStringLiteral("AttachCommand"), 3880, 1320, 735, kBoxHeight, QStringLiteral("添付"));
    m_add = Twips::add<QPushButton>(this, QStringLiteral("Command9"), 4700, 1320, 735, kBoxHeight, QStringLiteral("追加"));
    m_remove = Twips::add<QPushButton>(this, QStringLiteral("Command10"), 5580, 1320, 855, kBoxHeight, QStringLiteral("取り消し"));

    m_attachList = new QListWidget(this);
    m_attachList->setObjectName(QStringLiteral("List2"));
    Twips::place(m_attachList, 1080, 1320, 3975, 1860);

    m_body = new QTextEdit(this);
    m_body->setObjectName(QStringLiteral("BodyText"));
    m_body->setAcceptRichText(false);
    m_body->setAccessibleName(QStringLiteral("本文"));
    TabKeys::ctrlTabLeaves(m_body);
    m_body->setFont(Fonts::font(Fonts::kPGothic, 9));
    Twips::place(m_body, 0, kBodyTop, 7000, 3000);

    toLabel->setBuddy(m_to);
    subjectLabel->setBuddy(m_subject);
    attachLabel->setBuddy(m_attach);
    // The same keys as in the compose window.
    for (const auto &[control, letter] : {std::pair<QWidget *, char>{m_send, 'S'}, {stop, 'Q'}, {quoteButton, 'P'},
                                          {m_to, 'T'}, {m_subject, 'J'}, {m_attachButton, 'F'}, {m_add, 'D'},
                                          {m_remove, 'X'}, {m_body, 'B'}})
        Accelerators::bind(control, QChar::fromLatin1(letter));

    m_statusBar = new QStatusBar(this);
    m_statusBar->setSizeGripEnabled(false);

    // The load step.
    Twips::place(m_attach, 1080, 1320, 2800, kBoxHeight);
    m_attachmentWidgets = {m_attachButton, m_add, m_remove, m_attach, m_attachList};
    m_attachmentWidgets.bind(this, m_attachments);

    resize(Twips::toPixels(7200), Twips::toPixels(6000));
}

QString BackForm::toText() const { return m_to->text(); }
bool BackForm::holdsUnsentText() const
{
    return !m_to->text().isEmpty() || !m_subject->text().isEmpty() || !m_body->toPlainText().isEmpty();
}
QString BackForm::subjectText() const { return m_subject->text(); }
void BackForm::setToText(const QString &text) { m_to->setText(text); }
void BackForm::setSubjectText(const QString &text) { m_subject->setText(text); }

QString BackForm::bodyText() const
{
    return LineEnds::toCrLf(m_body->toPlainText());
}

void BackForm::setBodyText(const QString &text)
{
    m_body->setPlainText(LineEnds::toWidget(text));
}

QString BackForm::attachmentText() const
{
    return m_attach->text();
}

void BackForm::send()
{
    if (m_job)
        return;
    const RuntimeSettings &settings = runtimeSettings();
    OutgoingMail mail;
    mail.server = settings.SmtpServer;
    mail.to = toText();
    mail.from = settings.SenderAddress;
    mail.subject = subjectText();
    mail.body = bodyText();
    mail.attachments = attachmentText();
    Sender::fillAccount(mail);

    const QString launcherBefore = Forms::launcherStatus();
    m_job = new SendJob(mail, 0, 0, nullptr, this);
    lockForSend(true);
    connect(m_job, &SendJob::done, this, [this, launcherBefore] {
        const SendJob::Result result = m_job->result();
        m_job->deleteLater();
        m_job = nullptr;
        lockForSend(false);
        const bool sent = result.code >= 0;
        if (Forms::launcher())
            Forms::setLauncherStatus(sent ? SendJob::withEncryption(Sender::doneText(), result.encrypted)
                                          : launcherBefore);
        if (result.cancelled) {
            emit sendEnded();
            return;
        }
        if (result.needsSignIn) {
            Forms::askToSignIn(result.error, true);
        } else if (!sent) {
            Prompt::instance().ask({result.error.left(MailLibrary::instance().bufferSize() - 1),
                                    Sender::errorTitle(), Prompt::Icon::None, Prompt::Buttons::Ok},
                                   this);
        }
        // A mail the server may have is not offered for a second send; a refused one
        // exists nowhere else, so its window stays.
        m_lastSendOk = sent;
        if (sent || result.outcome == SendOutcome::MaybeDelivered)
            closeWhenFree();
        emit sendEnded();
    });
    m_job->start();
}

void BackForm::closeWhenFree()
{
    if (Prompt::openOn(this)) {
        connect(Prompt::watch(), &PromptWatch::closed, this, &BackForm::closeWhenFree, Qt::UniqueConnection);
        return;
    }
    disconnect(Prompt::watch(), &PromptWatch::closed, this, &BackForm::closeWhenFree);
    if (!m_job)
        close();
}

void BackForm::lockForSend(bool locked)
{
    m_send->setEnabled(!locked);
    m_attach->setReadOnly(locked);
    if (locked) {
        for (QPushButton *control : {m_attachButton, m_add, m_remove})
            control->setEnabled(false);
    } else {
        m_attachmentWidgets.show(m_attachments);
    }
    // The history window's reply would overwrite the mail being sent.
    Forms::allowHistoryReply(!locked);
}

bool BackForm::sendAndWait()
{
    QEventLoop loop;
    connect(this, &BackForm::sendEnded, &loop, &QEventLoop::quit);
    m_lastSendOk = false;
    send();
    if (m_job)
        loop.exec();
    return m_lastSendOk;
}

void BackForm::closeEvent(QCloseEvent *event)
{
    // The mail in flight still needs this window's texts should it fail.
    if (m_job) {
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
}

void BackForm::quote()
{
    const QString answered = FixedField::trimSpaces(historyState().buffer().Body);
    setBodyText(Clipboard::text() + QStringLiteral("\r\n\r\n\r\n\r") + answered);
    Clipboard::clear();
    Clipboard::setText(m_body->toPlainText());
    setBodyText(FixedField::trimSpaces(Clipboard::text()));
}

void BackForm::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    applyLayout();
}

void BackForm::applyLayout()
{
    const QSize outer = frameGeometry().size();
    const BackFormLayout layout =
        BackFormLayout::compute(Twips::toTwips(outer.width()), Twips::toTwips(outer.height()), kBoxHeight);
    Twips::place(m_body, 0, kBodyTop, layout.bodyWidth, layout.bodyHeight);
    Twips::place(m_to, 1080, 600, layout.toWidth, kBoxHeight);
    Twips::place(m_subject, 1080, 960, layout.subjectWidth, kBoxHeight);
    Twips::place(m_attach, 1080, 1320, layout.attachWidth, kBoxHeight);
    Twips::place(m_attachButton, layout.attachButtonLeft, 1320, 735, kBoxHeight);
    Twips::place(m_add, layout.addButtonLeft, 1320, 735, kBoxHeight);
    Twips::place(m_remove, layout.removeButtonLeft, 1320, 855, kBoxHeight);
    m_statusBar->setGeometry(0, height() - Twips::toPixels(375), width(), Twips::toPixels(375));
}

bool BackForm::isSending() const
{
    return m_job != nullptr;
}

void BackForm::startReply(const QString &subject, const QString &to, const QString &body, QWidget *from)
{
    BackForm *back = Forms::get<BackForm>();
    // Its mail is on the way; a new reply would take the place of what it sends.
    if (back->isSending()) {
        Forms::show(back);
        Prompt::inform(QStringLiteral("返事を書く画面のメールを送信中です。送信が終わってから、もう一度「返事を書く」を押して下さい。"),
                       {}, from);
        return;
    }
    back->setSubjectText(subject);
    back->setToText(to);
    back->setBodyText(body);
    Forms::show(back);
}
