#include "ui/desktop/DesktopIntegration.h"

#include "core/check/CheckTexts.h"
#include "ui/desktop/Notices.h"
#include "ui/desktop/ProgramIcon.h"
#include "ui/desktop/TimedCheck.h"
#include "ui/receive/MailCheck.h"
#include "ui/shell/Forms.h"

#include <QAbstractItemModel>
#include <QMenu>
#include <QSystemTrayIcon>
#include <QTreeView>

DesktopIntegration::DesktopIntegration(QObject *parent) : QObject(parent), m_timed(new TimedCheck(this))
{
    MailCheck::addFinishListener(this, [this](const MailCheck::Outcome &outcome, MailCheck::Mode mode) {
        // Junk raises no notice: newMail names the received history's mails only.
        if (!outcome.newMail.isEmpty())
            Notices::instance().newMail(outcome.newMail);
        // The user's own check said its failure in a box already.
        if (mode == MailCheck::Mode::Timed && outcome.failed && !outcome.cancelled)
            Notices::instance().checkFailed(outcome.failure.isEmpty() ? MailCheck::kStopped : outcome.failure);
        checked(outcome.stored - outcome.junk);
    });
    Forms::onReceivedOpened(this, [this] { seen(); });
    connect(&Notices::instance(), &Notices::newMailOpened, this, &DesktopIntegration::openNewestReceived);
    buildTray();
}

DesktopIntegration::~DesktopIntegration()
{
    delete m_tray;
}

void DesktopIntegration::openNewestReceived()
{
    Forms::openNewestReceived();
}

void DesktopIntegration::checked(int stored)
{
    m_unseen += stored;
    updateTray();
}

void DesktopIntegration::seen()
{
    m_unseen = 0;
    updateTray();
}

QString DesktopIntegration::trayToolTip() const
{
    return m_unseen > 0 ? QStringLiteral("Pintora\n%1（着信履歴を開いてから）").arg(CheckTexts::newMailCount(m_unseen, 0))
                        : QStringLiteral("Pintora\n新着メールはありません");
}

void DesktopIntegration::buildTray()
{
    if (!QSystemTrayIcon::isSystemTrayAvailable())
        return;
    m_tray = new QSystemTrayIcon(ProgramIcon::icon());
    auto *menu = new QMenu;
    connect(m_tray, &QObject::destroyed, menu, &QObject::deleteLater);
    menu->addAction(QStringLiteral("受信"), [] { MailCheck::start(); });
    menu->addAction(QStringLiteral("新規作成"), [] { Forms::openCompose(); });
    menu->addAction(QStringLiteral("着信履歴"), [] { Forms::openHistory(HistoryFile::Kind::Received); });
    menu->addSeparator();
    // The same end as closing the launcher, with its questions.
    menu->addAction(QStringLiteral("終了"), [] {
        Forms::closeLauncher();
    });
    m_tray->setContextMenu(menu);
    connect(m_tray, &QSystemTrayIcon::activated, this, [](QSystemTrayIcon::ActivationReason reason) {
        if (reason != QSystemTrayIcon::Trigger)
            return;
        Forms::showLauncher();
    });
    updateTray();
    m_tray->show();
}

void DesktopIntegration::updateTray()
{
    if (m_tray)
        m_tray->setToolTip(trayToolTip());
}
