#pragma once

#include <QObject>
#include <QPointer>
#include <QSystemTrayIcon>

class TimedCheck;

// What ties the running program to the desktop: timed checks, notices of new
// mail and of failed timed checks, and the tray icon where the desktop has a tray.
class DesktopIntegration : public QObject {
    Q_OBJECT
public:
    explicit DesktopIntegration(QObject *parent = nullptr);
    ~DesktopIntegration() override;

    TimedCheck &timedCheck() { return *m_timed; }
    // Mails received since the received history was last opened.
    int unseenCount() const { return m_unseen; }
    QSystemTrayIcon *tray() const { return m_tray; }
    QString trayToolTip() const;

    // The received history, on its newest mail.
    static void openNewestReceived();

private:
    void checked(int stored);
    void seen();
    void buildTray();
    void updateTray();

    TimedCheck *m_timed;
    QPointer<QSystemTrayIcon> m_tray;
    int m_unseen = 0;
};
