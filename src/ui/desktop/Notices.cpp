#include "ui/desktop/Notices.h"

#include "core/check/CheckTexts.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QVariantMap>

namespace {

const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");
const QString kInterface = QStringLiteral("org.freedesktop.Notifications");
const QString kDefaultAction = QStringLiteral("default");
constexpr int kShownLines = 3;

} // namespace

Notices &Notices::instance()
{
    static Notices notices;
    return notices;
}

Notices::Notices() = default;

QString Notices::newMailSummary(int count)
{
    return CheckTexts::newMailCount(count, 0);
}

QString Notices::newMailBody(const QStringList &lines)
{
    QStringList shown;
    for (const QString &line : lines.mid(0, kShownLines))
        shown << QString(line).replace(u'\r', u' ').replace(u'\n', u' ');
    return shown.join(u'\n');
}

void Notices::newMail(const QStringList &lines)
{
    if (lines.isEmpty())
        return;
    send(newMailSummary(int(lines.size())), newMailBody(lines), true);
}

void Notices::checkFailed(const QString &reason)
{
    send(kFailedSummary, reason, false);
}

void Notices::send(const QString &summary, const QString &body, bool opensHistory)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return;
    if (!m_markupKnown) {
        // Whether the service reads bodies as markup decides how "<address>" must be written.
        QDBusMessage ask =
            QDBusMessage::createMethodCall(kService, kPath, kInterface, QStringLiteral("GetCapabilities"));
        auto *watcher = new QDBusPendingCallWatcher(bus.asyncCall(ask, 5000), this);
        connect(watcher, &QDBusPendingCallWatcher::finished, this, [=, this] {
            const QDBusPendingReply<QStringList> reply = *watcher;
            watcher->deleteLater();
            if (reply.isError())
                return;  // no service: nothing to show
            m_markupKnown = true;
            m_markup = reply.value().contains(QStringLiteral("body-markup"));
            send(summary, body, opensHistory);
        });
        return;
    }
    if (!m_listening) {
        // Any sender: the service's unique name changes when it restarts.
        bus.connect(QString(), kPath, kInterface, QStringLiteral("ActionInvoked"), this,
                    SLOT(actionInvoked(uint, QString)));
        bus.connect(QString(), kPath, kInterface, QStringLiteral("NotificationClosed"), this,
                    SLOT(closed(uint, uint)));
        m_listening = true;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kInterface, QStringLiteral("Notify"));
    const QStringList actions = opensHistory ? QStringList{kDefaultAction, QStringLiteral("着信履歴を開く")}
                                             : QStringList();
    QVariantMap hints;
    hints.insert(QStringLiteral("desktop-entry"), QStringLiteral("pintora"));
    call << QStringLiteral("Pintora") << uint(0) << QStringLiteral("pintora") << summary << (m_markup ? body.toHtmlEscaped() : body) << actions
         << hints << int(-1);
    // Answered later or never; the window thread goes on.
    auto *watcher = new QDBusPendingCallWatcher(bus.asyncCall(call, 5000), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, watcher, opensHistory] {
        const QDBusPendingReply<uint> reply = *watcher;
        if (!reply.isError() && opensHistory)
            m_opensHistory << reply.value();
        watcher->deleteLater();
    });
}

void Notices::actionInvoked(uint id, const QString &action)
{
    if (action == kDefaultAction && m_opensHistory.contains(id))
        emit newMailOpened();
}

void Notices::closed(uint id, uint)
{
    m_opensHistory.removeAll(id);
}
