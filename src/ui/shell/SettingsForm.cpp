#include "ui/shell/SettingsForm.h"

#include "ui/common/Twips.h"
#include "ui/shell/Forms.h"

#include <QKeySequence>
#include <QPushButton>
#include <QShortcut>

SettingsForm::SettingsForm(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("SettingsForm"));
    setWindowTitle(QStringLiteral("設定"));
    Twips::setClientSize(this, 3135, 615);

    auto *account = new QPushButton(QStringLiteral("ID/PASS"), this);
    account->setObjectName(QStringLiteral("Command1"));
    Twips::place(account, 120, 120, 1455, 375);
    connect(account, &QPushButton::clicked, this, [] { Forms::openAccount(); });

    auto *servers = new QPushButton(QStringLiteral("POPサーバー"), this);
    servers->setObjectName(QStringLiteral("Command2"));
    Twips::place(servers, 1560, 120, 1455, 375);
    connect(servers, &QPushButton::clicked, this, [] { Forms::openServerSettings(); });

    // A small chooser: Esc puts it away, as it would a dialog.
    auto *away = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(away, &QShortcut::activated, this, &QWidget::close);
}
