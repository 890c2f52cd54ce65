#include "settings/IdPassForm.h"

#include "common/Prompt.h"
#include "common/Twips.h"
#include "settings/AccountFile.h"
#include "settings/FieldRules.h"
#include "settings/RuntimeSettings.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProxyStyle>
#include <QPushButton>

namespace {

// Hidden characters show as "*" whatever the desktop style prefers.
class StarPasswordStyle : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *returnData) const override
    {
        if (hint == SH_LineEdit_PasswordCharacter)
            return u'*';
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

} // namespace

IdPassForm::IdPassForm(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("IdPassForm"));
    setWindowTitle(QStringLiteral("ID,PASS"));
    Twips::setClientSize(this, 2880, 1785);

    Twips::add<QLabel>(this, QStringLiteral("Label1"), 120, 180, 675, 255, QStringLiteral("ID"));
    m_id = new QLineEdit(this);
    m_id->setObjectName(QStringLiteral("IdText"));
    Twips::place(m_id, 960, 120, 1632, 264);

    Twips::add<QLabel>(this, QStringLiteral("Label2"), 120, 600, 795, 255, QStringLiteral("Password"));
    m_password = new QLineEdit(this);
    m_password->setObjectName(QStringLiteral("PassText"));
    auto *style = new StarPasswordStyle;
    style->setParent(m_password);
    m_password->setStyle(style);
    m_password->setEchoMode(QLineEdit::Password);
    Twips::place(m_password, 960, 600, 1632, 264);
    FieldRules::keepOnOneLine(m_id);
    FieldRules::keepOnOneLine(m_password);

    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OKCommand"));
    ok->setDefault(true);
    Twips::place(ok, 900, 1380, 852, 312);
    connect(ok, &QPushButton::clicked, this, &IdPassForm::accept);

    auto *cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("CancelCommand"));
    cancel->setAutoDefault(false);
    Twips::place(cancel, 1860, 1380, 852, 312);
    connect(cancel, &QPushButton::clicked, this, &IdPassForm::reject);

    m_save = new QCheckBox(this);
    m_save->setObjectName(QStringLiteral("Check1"));
    Twips::place(m_save, 420, 1020, 255, 255);
    Twips::add<QLabel>(this, QStringLiteral("Label2"), 780, 1020, 1875, 255, QStringLiteral("IDパスワードを保存する"));

    setTabOrder(m_id, m_password);
    setTabOrder(m_password, ok);
    setTabOrder(ok, cancel);
    setTabOrder(cancel, m_save);

    // The save box always starts unticked; only ID and password come from the file.
    const AccountFile file;
    m_id->setText(file.id());
    m_password->setText(file.password());
}

QString IdPassForm::id() const
{
    return m_id->text();
}

QString IdPassForm::password() const
{
    return m_password->text();
}

void IdPassForm::setId(const QString &id)
{
    m_id->setText(id);
}

void IdPassForm::setPassword(const QString &password)
{
    m_password->setText(password);
}

void IdPassForm::accept()
{
    // A character the account file cannot hold would be stored changed, and the
    // server would then refuse a password the user never typed.
    for (const auto &[field, text] : {std::pair{QStringLiteral("ID"), id()},
                                      std::pair{QStringLiteral("パスワード"), password()}}) {
        if (const auto refusal = FieldRules::unstorable(field, text)) {
            Prompt::warn(*refusal, {}, this);
            return;
        }
    }

    runtimeSettings().AccountId = id();
    runtimeSettings().AccountPassword = password();

    const AccountFile file;
    QString error;
    const bool stored = m_save->isChecked() ? file.store(id(), password(), &error)
                                            : file.storeNotSaved(&error);
    if (!stored)
        Prompt::error(error, {}, this);
    close();
}

void IdPassForm::reject()
{
    close();
}

void IdPassForm::closeEvent(QCloseEvent *event)
{
    // Closing is plain Cancel; QDialog's own handling would call reject() again.
    event->accept();
}
