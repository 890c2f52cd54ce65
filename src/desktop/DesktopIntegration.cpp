#include "desktop/DesktopIntegration.h"

#include "compose/WriteForm.h"
#include "desktop/Notices.h"
#include "desktop/ProgramIcon.h"
#include "desktop/TimedCheck.h"
#include "receive/MailCheck.h"
#include "shell/Forms.h"
#include "shell/MainForm.h"
#include "viewer/TyakuForm.h"

#include <QAbstractItemModel>
#include <QMenu>
#include <QSystemTrayIcon>
#include <QTreeView>

DesktopIntegration::DesktopIntegration(QObject *parent) : QObject(parent), m_timed(new TimedCheck(this))
{
    MailCheck::addFinishListener(this, [this](const MailCheck::Outcome &outcome, MailCheck::Mode mode) {
        if (outcome.stored > 0)
            Notices::instance().newMail(outcome.newMail);
        // The user's own check said its failure in a box already.
        if (mode == MailCheck::Mode::Timed && outcome.failed && !outcome.cancelled)
            Notices::instance().checkFailed(outcome.failure.isEmpty() ? MailCheck::kStopped : outcome.failure);
        checked(outcome.stored);
    });
    TyakuForm::addReceivedOpenedListener(this, [this] { seen(); });
    connect(&Notices::instance(), &Notices::newMailOpened, this, &DesktopIntegration::openNewestReceived);
    buildTray();
}

DesktopIntegration::~DesktopIntegration()
{
    delete m_tray;
}

void DesktopIntegration::openNewestReceived()
{
    TyakuForm *form = TyakuForm::openHistory(HistoryFile::Kind::Received);
    QTreeView *list = form->mailList();
    if (QAbstractItemModel *model = list->model(); model && model->rowCount() > 0) {
        const QModelIndex newest = model->index(model->rowCount() - 1, 0);
        list->setCurrentIndex(newest);
        list->scrollTo(newest);
    }
    form->setWindowState(form->windowState() & ~Qt::WindowMinimized);
    form->raise();
    form->activateWindow();
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
    return m_unseen > 0 ? QStringLiteral("Pintora\n新着メール %1 通（着信履歴を開いてから）").arg(m_unseen)
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
    menu->addAction(QStringLiteral("新規作成"), [] { Forms::open<WriteForm>(); });
    menu->addAction(QStringLiteral("着信履歴"), [] { TyakuForm::openHistory(HistoryFile::Kind::Received); });
    menu->addSeparator();
    // The same end as closing the launcher, with its questions.
    menu->addAction(QStringLiteral("終了"), [] {
        if (MainForm *launcher = Forms::existing<MainForm>())
            launcher->close();
    });
    m_tray->setContextMenu(menu);
    connect(m_tray, &QSystemTrayIcon::activated, this, [](QSystemTrayIcon::ActivationReason reason) {
        if (reason != QSystemTrayIcon::Trigger)
            return;
        if (MainForm *launcher = Forms::existing<MainForm>()) {
            launcher->setWindowState(launcher->windowState() & ~Qt::WindowMinimized);
            Forms::show(launcher);
            launcher->raise();
            launcher->activateWindow();
        }
    });
    updateTray();
    m_tray->show();
}

void DesktopIntegration::updateTray()
{
    if (m_tray)
        m_tray->setToolTip(trayToolTip());
}
