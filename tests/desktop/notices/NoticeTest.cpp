#include "ui/desktop/DesktopIntegration.h"
#include "ui/desktop/Notices.h"
#include "ui/desktop/TimedCheck.h"
#include "core/history/HistoryFile.h"
#include "receive/CheckTest.h"
#include "receive/JunkMails.h"
#include "ui/receive/MailCheck.h"
#include "ui/settings/IdPassForm.h"
#include "ui/shell/Forms.h"
#include "support/Wait.h"
#include "ui/viewer/TyakuForm.h"

#include <QApplication>
#include <QDBusArgument>
#include <QDialog>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTreeView>

#include <gtest/gtest.h>

namespace {

const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");
const QString kMock = QStringLiteral("org.freedesktop.DBus.Mock");

struct Notify {
    QString appName;
    QString icon;
    QString summary;
    QString body;
    QStringList actions;
};

QDBusMessage callMock(const QString &method, const QVariantList &arguments = {})
{
    QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kMock, method);
    call.setArguments(arguments);
    return QDBusConnection::sessionBus().call(call, QDBus::Block, 5000);
}

// What the notification service was asked to show, oldest first.
QList<Notify> notifies()
{
    QList<Notify> list;
    const QDBusMessage reply = callMock(QStringLiteral("GetCalls"));
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return list;
    const QDBusArgument calls = reply.arguments().at(0).value<QDBusArgument>();
    calls.beginArray();
    while (!calls.atEnd()) {
        quint64 time = 0;
        QString method;
        QVariantList arguments;
        calls.beginStructure();
        calls >> time >> method >> arguments;
        calls.endStructure();
        if (method != QLatin1String("Notify") || arguments.size() < 8)
            continue;
        Notify notify;
        notify.appName = arguments[0].toString();
        notify.icon = arguments[2].toString();
        notify.summary = arguments[3].toString();
        notify.body = arguments[4].toString();
        notify.actions = qdbus_cast<QStringList>(arguments[5]);
        list << notify;
    }
    calls.endArray();
    return list;
}

QByteArray japaneseMail(const QByteArray &encodedSubject, const QByteArray &from)
{
    return "From: " + from + "\r\nTo: you@example.jp\r\nSubject: " + encodedSubject
        + "\r\nDate: Mon, 7 Dec 2026 10:00:00 +0900\r\nMIME-Version: 1.0\r\n"
          "Content-Type: text/plain; charset=ISO-2022-JP\r\n\r\n"
        + QByteArray::fromHex("1b244224332473244b2441244f1b2842") + "\r\n";
}

// Notices are sent without waiting; the service may take a moment.
QList<Notify> notifiesAfterSettling(qsizetype atLeast)
{
    QList<Notify> seen;
    waitUntil(
        [&] {
            seen = notifies();
            return seen.size() >= atLeast;
        },
        2000);
    // Whatever else was on its way arrives meanwhile.
    waitUntil([] { return false; }, 300);
    return notifies();
}

class TimedNotices : public CheckTest {
protected:
    void SetUp() override
    {
        CheckTest::SetUp();
        if (IsSkipped())
            return;
        if (!QDBusConnection::sessionBus().isConnected() || callMock(QStringLiteral("ClearCalls")).type()
                != QDBusMessage::ReplyMessage)
            GTEST_SKIP() << "no recording notification service on the session bus (tests/harness/notification_bus.py)";
        runtimeSettings().CheckMinutes = 1;
    }

    // Lets timed checks with "minutes" of minuteMs run until the n-th has started,
    // then lets no further one start and waits for the n-th to end.
    bool runTimedChecks(DesktopIntegration &desktop, int n, int minuteMs = 300)
    {
        runtimeSettings().CheckMinutes = 1;
        if (!spy) {
            spy = std::make_unique<QSignalSpy>(&desktop.timedCheck(), &TimedCheck::checkStarted);
            desktop.timedCheck().setMinuteLength(std::chrono::milliseconds(minuteMs));
        }
        const bool started = waitUntil(
            [&] {
                if (spy->size() < n)
                    return false;
                runtimeSettings().CheckMinutes = 0;
                return true;
            },
            30000);
        return started && waitUntil([] { return !MailCheck::isRunning(); }, 30000);
    }

    std::unique_ptr<QSignalSpy> spy;
};

} // namespace

TEST_F(TimedNotices, TwoNewMailsGiveOneNoticeWithTheirSubjectsAndNothingNewGivesNone)
{
    servers->deliver(user, japaneseMail("=?ISO-2022-JP?B?GyRCMnE1RE09RGobKEI=?=",
                                        "=?ISO-2022-JP?B?GyRCRURDZhsoQg==?= <tanaka@example.jp>"));
    servers->deliver(user, japaneseMail("=?ISO-2022-JP?B?GyRCN25Kc0RzPVAbKEI=?=", "suzuki@example.jp"));
    DesktopIntegration desktop;
    // Nothing before its time: the first check waits one "minute".
    EXPECT_GT(desktop.timedCheck().remainingMs(), 0);
    ASSERT_TRUE(runTimedChecks(desktop, 1));

    EXPECT_EQ(HistoryFile(HistoryFile::Kind::Received).count(), 2);
    EXPECT_EQ(servers->waiting(user), 0);
    const QList<Notify> shown = notifiesAfterSettling(1);
    ASSERT_EQ(shown.size(), 1);
    EXPECT_EQ(shown[0].appName, QStringLiteral("Pintora"));
    EXPECT_EQ(shown[0].icon, QStringLiteral("pintora"));
    EXPECT_EQ(shown[0].summary, QStringLiteral("新着メール 2 通"));
    const QStringList lines = shown[0].body.split(u'\n');
    ASSERT_EQ(lines.size(), 2) << qPrintable(shown[0].body);
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("田中"))) << qPrintable(lines[0]);
    EXPECT_TRUE(lines[0].endsWith(QStringLiteral(": 会議予定"))) << qPrintable(lines[0]);
    EXPECT_EQ(lines[1], QStringLiteral("suzuki@example.jp: 月報提出"));
    EXPECT_TRUE(shown[0].actions.contains(QStringLiteral("default")));
    EXPECT_TRUE(prompt.boxes.isEmpty());
    EXPECT_TRUE(prompt.choices.isEmpty());
    EXPECT_EQ(desktop.unseenCount(), 2);
    EXPECT_TRUE(desktop.trayToolTip().contains(QStringLiteral("2")));

    // The next timed check finds nothing: no notice.
    ASSERT_TRUE(runTimedChecks(desktop, 2));
    EXPECT_EQ(notifiesAfterSettling(2).size(), 1);
    EXPECT_EQ(launcher->statusText().left(MailCheck::kNoNewMail.size()), MailCheck::kNoNewMail);

    // Opening the history from the notice shows the newest mail and counts it as seen.
    callMock(QStringLiteral("EmitSignal"), {kService, QStringLiteral("ActionInvoked"), QStringLiteral("us"),
                                            QVariantList{uint(1), QStringLiteral("default")}});
    ASSERT_TRUE(waitUntil([] { return Forms::existing<TyakuForm>() && Forms::existing<TyakuForm>()->isVisible(); },
                          5000));
    TyakuForm *history = Forms::existing<TyakuForm>();
    EXPECT_EQ(history->windowTitle(), QStringLiteral("着信履歴"));
    EXPECT_EQ(history->selectedRow(), 2);
    EXPECT_EQ(desktop.unseenCount(), 0);
}

TEST_F(TimedNotices, FailingServerGivesOneFailureNoticeNoBoxAndTheNextCheckStillRuns)
{
    QTcpServer closed;
    ASSERT_TRUE(closed.listen(QHostAddress::LocalHost));
    const quint16 port = closed.serverPort();
    closed.close();
    runtimeSettings().Pop3Server = QStringLiteral("127.0.0.1:%1").arg(port);

    DesktopIntegration desktop;
    ASSERT_TRUE(runTimedChecks(desktop, 1));
    const QList<Notify> shown = notifiesAfterSettling(1);
    ASSERT_EQ(shown.size(), 1);
    EXPECT_EQ(shown[0].summary, QStringLiteral("メールを受信できませんでした"));
    EXPECT_FALSE(shown[0].body.isEmpty());
    EXPECT_TRUE(prompt.boxes.isEmpty());
    EXPECT_TRUE(prompt.choices.isEmpty());
    // The reason stays in the status line.
    EXPECT_EQ(launcher->statusText(), shown[0].body.section(u'\n', 0, 0));

    ASSERT_TRUE(runTimedChecks(desktop, 2));
    EXPECT_EQ(notifiesAfterSettling(2).size(), 2);
}

TEST_F(TimedNotices, UnknownCertificateIsNotAskedButLeftForTheUsersCheck)
{
    MailServers::distrustAll();
    runtimeSettings().Pop3Server = servers->pop3sServer();
    servers->deliver(user, japaneseMail("x", "a@example.jp"));

    DesktopIntegration desktop;
    ASSERT_TRUE(runTimedChecks(desktop, 1));
    servers->trustCertificate();
    const QList<Notify> shown = notifiesAfterSettling(1);
    ASSERT_EQ(shown.size(), 1);
    EXPECT_EQ(shown[0].body, MailCheck::kAskTheUser);
    EXPECT_TRUE(prompt.choices.isEmpty());
    EXPECT_TRUE(prompt.boxes.isEmpty());
    // Nothing was fetched, so the mail waits for the user's own check.
    EXPECT_EQ(servers->waiting(user), 1);
}

TEST_F(TimedNotices, NoTimedCheckWhileAQuestionBoxIsOpen)
{
    DesktopIntegration desktop;
    QSignalSpy started(&desktop.timedCheck(), &TimedCheck::checkStarted);
    QDialog box;
    box.setModal(true);
    box.show();
    ASSERT_EQ(QApplication::activeModalWidget(), &box);
    desktop.timedCheck().setMinuteLength(std::chrono::milliseconds(50));
    waitUntil([] { return false; }, 500);
    EXPECT_EQ(started.size(), 0);
    box.close();
    EXPECT_TRUE(waitUntil([&] { return started.size() > 0; }, 5000));
    waitUntil([] { return !MailCheck::isRunning(); });
}

TEST_F(TimedNotices, UsersOwnCheckAlsoNoticesNewMailButNeverItsFailures)
{
    DesktopIntegration desktop;
    servers->deliver(user, japaneseMail("=?ISO-2022-JP?B?GyRCMnE1RE09RGobKEI=?=", "a@example.jp"));
    EXPECT_EQ(MailCheck::run().stored, 1);
    const QList<Notify> shown = notifiesAfterSettling(1);
    ASSERT_EQ(shown.size(), 1);
    EXPECT_EQ(shown[0].summary, QStringLiteral("新着メール 1 通"));
    EXPECT_EQ(shown[0].body, QStringLiteral("a@example.jp: 会議予定"));

    // The user saw the box; a notice would say it twice.
    runtimeSettings().Pop3Server = QStringLiteral("127.0.0.1:1");
    MailCheck::run();
    EXPECT_EQ(prompt.boxes.size(), 1);
    EXPECT_EQ(notifiesAfterSettling(2).size(), 1);
}

// Junk goes to its own history without a word: the notice and the count of
// unseen mail are the received history's alone.
TEST_F(TimedNotices, JunkRaisesNoNoticeAndIsNotCountedAsUnseen)
{
    JunkFilter::instance().reset();
    ASSERT_TRUE(JunkMails::train());
    DesktopIntegration desktop;
    servers->deliver(user, JunkMails::junk(1));
    servers->deliver(user, JunkMails::good(1));
    EXPECT_EQ(MailCheck::run().junk, 1);
    QList<Notify> shown = notifiesAfterSettling(1);
    ASSERT_EQ(shown.size(), 1);
    EXPECT_EQ(shown[0].summary, QStringLiteral("新着メール 1 通"));
    EXPECT_EQ(shown[0].body, QStringLiteral("colleague@example.jp: project meeting minutes 1"));
    EXPECT_EQ(desktop.unseenCount(), 1);

    servers->deliver(user, JunkMails::junk(2));
    EXPECT_EQ(MailCheck::run().junk, 1);
    EXPECT_EQ(notifiesAfterSettling(2).size(), 1);
    EXPECT_EQ(desktop.unseenCount(), 1);
    JunkFilter::instance().reset();
}

TEST_F(TimedNotices, TimedCheckWithoutAStoredAccountOpensNoWindow)
{
    ASSERT_TRUE(AccountFile().store(QString(), QString()));
    DesktopIntegration desktop;
    ASSERT_TRUE(runTimedChecks(desktop, 1));
    const QList<Notify> shown = notifiesAfterSettling(1);
    ASSERT_EQ(shown.size(), 1);
    EXPECT_EQ(shown[0].body, MailCheck::kNoAccount);
    EXPECT_TRUE(Forms::existing<IdPassForm>() == nullptr || !Forms::existing<IdPassForm>()->isVisible());
    EXPECT_TRUE(prompt.boxes.isEmpty());
}
