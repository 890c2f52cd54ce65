#include "ui/settings/OptionForm.h"

#include "core/common/AppPaths.h"
#include "ui/common/Prompt.h"
#include "ui/common/Twips.h"
#include "ui/settings/FieldRules.h"
#include "core/settings/OptionsFile.h"
#include "core/settings/RuntimeSettings.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QIntValidator>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

namespace {

QLineEdit *addField(QWidget *parent, const QString &name, int top)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(name);
    Twips::place(edit, 120, top + 240, 2652, 264);
    FieldRules::keepOnOneLine(edit);
    return edit;
}

void addLabel(QWidget *parent, const QString &name, const QString &caption, int width, int top,
              QWidget *buddy)
{
    auto *label = new QLabel(caption, parent);
    label->setObjectName(name);
    label->setBuddy(buddy);
    Twips::place(label, 120, top, width, 195);
}

} // namespace

OptionForm::OptionForm(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("OptionForm"));
    setWindowTitle(QStringLiteral("サーバー設定"));
    setWindowFlag(Qt::WindowStaysOnTopHint);
    // Below the four settings: the timed check and mail left on the server, then
    // the buttons. 120 twips wider than it was, for the last option's caption.
    Twips::setClientSize(this, 4320, 4755);

    m_smtp = addField(this, QStringLiteral("SmtpText"), 120);
    m_pop3 = addField(this, QStringLiteral("Pop3Text"), 720);
    m_mail = addField(this, QStringLiteral("MailText"), 1320);
    addLabel(this, QStringLiteral("Label1"), QStringLiteral("SMTPサーバー名(&S)"), 1575, 120, m_smtp);
    addLabel(this, QStringLiteral("Label2"), QStringLiteral("POP3サーバー名(&P)"), 1635, 720, m_pop3);
    addLabel(this, QStringLiteral("Label3"), QStringLiteral("メールアドレス(&M)"), 1635, 1320, m_mail);

    m_apop = new QCheckBox(QStringLiteral("APOP を使用する(&A)"), this);
    m_apop->setObjectName(QStringLiteral("ApopCheck"));
    Twips::place(m_apop, 660, 2040, 2172, 252);

    auto *ok = new QPushButton(QStringLiteral("設定"), this);
    ok->setObjectName(QStringLiteral("OkCommand"));
    // Return presses 設定, as in any dialog; what cannot be stored is refused there.
    ok->setDefault(true);
    Twips::place(ok, 660, 4260, 972, 372);
    connect(ok, &QPushButton::clicked, this, &OptionForm::accept);

    auto *cancel = new QPushButton(QStringLiteral("中止"), this);
    cancel->setObjectName(QStringLiteral("CancelCommand"));
    // Return on 中止 itself cancels.
    Twips::place(cancel, 1860, 4260, 912, 372);
    connect(cancel, &QPushButton::clicked, this, &OptionForm::reject);

    auto *every = new QLabel(QStringLiteral("自動受信(&T)"), this);
    every->setObjectName(QStringLiteral("Label4"));
    Twips::place(every, 120, 2580, 945, 264);
    m_checkMinutes = new QSpinBox(this);
    m_checkMinutes->setObjectName(QStringLiteral("CheckMinText"));
    m_checkMinutes->setRange(0, OptionsFile::kMaxCheckMinutes);
    m_checkMinutes->setSpecialValueText(QStringLiteral("しない"));
    m_checkMinutes->setAccelerated(true);
    every->setBuddy(m_checkMinutes);
    Twips::place(m_checkMinutes, 1080, 2520, 960, 312);
    auto *minutes = new QLabel(QStringLiteral("分ごと"), this);
    minutes->setObjectName(QStringLiteral("Label5"));
    Twips::place(minutes, 2100, 2580, 700, 264);
    // Mail left on the server, for those who also read it elsewhere.
    m_keep = new QCheckBox(QStringLiteral("サーバーにメールを残す(&K)"), this);
    m_keep->setObjectName(QStringLiteral("KeepCheck"));
    Twips::place(m_keep, 120, 3000, 3960, 252);
    m_keepDays = new QLineEdit(this);
    m_keepDays->setObjectName(QStringLiteral("KeepDaysText"));
    m_keepDays->setValidator(new QIntValidator(0, OptionsFile::kMaxKeepDays, m_keepDays));
    Twips::place(m_keepDays, 420, 3360, 600, 264);
    auto *days = new QLabel(QStringLiteral("日後にサーバーから削除(&D)"), this);
    days->setObjectName(QStringLiteral("KeepDaysLabel"));
    days->setBuddy(m_keepDays);
    Twips::place(days, 1080, 3390, 3000, 195);
    m_keepSync = new QCheckBox(QStringLiteral("着信履歴で削除したらサーバーからも削除(&Y)"), this);
    m_keepSync->setObjectName(QStringLiteral("KeepSyncCheck"));
    Twips::place(m_keepSync, 420, 3780, 3840, 252);
    const auto follow = [this] {
        m_keepDays->setEnabled(m_keep->isChecked());
        m_keepSync->setEnabled(m_keep->isChecked());
    };
    connect(m_keep, &QCheckBox::toggled, this, follow);

    // Reading order: the fields top down, then the buttons.
    setTabOrder(m_smtp, m_pop3);
    setTabOrder(m_pop3, m_mail);
    setTabOrder(m_mail, m_apop);
    setTabOrder(m_apop, m_checkMinutes);
    setTabOrder(m_checkMinutes, m_keep);
    setTabOrder(m_keep, m_keepDays);
    setTabOrder(m_keepDays, m_keepSync);
    setTabOrder(m_keepSync, ok);
    setTabOrder(ok, cancel);

    const RuntimeSettings &settings = runtimeSettings();
    m_smtp->setText(settings.SmtpServer);
    m_pop3->setText(settings.Pop3Server);
    m_mail->setText(settings.SenderAddress);
    // The mail check uses APOP for any value but 0, so the box shows it the same way.
    m_apop->setChecked(settings.UseApop != 0);
    m_checkMinutes->setValue(settings.CheckMinutes);
    m_keep->setChecked(settings.KeepOnServer != 0);
    m_keepDays->setText(QString::number(settings.KeepDays));
    m_keepSync->setChecked(settings.KeepSync != 0);
    follow();
}

void OptionForm::accept()
{
    for (const auto &[field, text] : {std::pair{QStringLiteral("SMTPサーバー名"), m_smtp->text()},
                                      std::pair{QStringLiteral("POP3サーバー名"), m_pop3->text()},
                                      std::pair{QStringLiteral("メールアドレス"), m_mail->text()}}) {
        if (const auto refusal = FieldRules::unstorable(field, text)) {
            Prompt::warn(*refusal, {}, this);
            return;
        }
    }

    RuntimeSettings &settings = runtimeSettings();
    settings.SmtpServer = m_smtp->text();
    settings.Pop3Server = m_pop3->text();
    settings.SenderAddress = m_mail->text();
    settings.UseApop = m_apop->isChecked() ? 1 : 0;
    settings.KeepOnServer = m_keep->isChecked() ? 1 : 0;
    settings.KeepDays = OptionsFile::wholeNumber(m_keepDays->text(), OptionsFile::kMaxKeepDays);
    settings.KeepSync = m_keepSync->isChecked() ? 1 : 0;
    settings.CheckMinutes = m_checkMinutes->value();

    ServerOptions options{settings.SmtpServer, settings.Pop3Server, settings.SenderAddress, settings.UseApop};
    options.checkMinutes = settings.CheckMinutes;
    options.keepOnServer = settings.KeepOnServer;
    options.keepDays = settings.KeepDays;
    options.keepSync = settings.KeepSync;
    // No box sets AUTHSERV=: the file's own line stays, even one written there since the start.
    const QString path = QDir::current().absoluteFilePath(AppPaths::kOptionsFile);
    if (const auto onDisk = OptionsFile::read(path))
        settings.AuthServ = onDisk->authserv;
    options.authserv = settings.AuthServ;
    QString error;
    if (!OptionsFile::write(path, options, &error))
        Prompt::error(error + QStringLiteral("\n設定はこのまま使えますが、次の起動では読み込まれません。"),
                      {}, this);
    close();
}

void OptionForm::reject()
{
    close();
}

void OptionForm::closeEvent(QCloseEvent *event)
{
    event->accept();
}
