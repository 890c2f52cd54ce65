#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

// Desktop notifications over D-Bus (org.freedesktop.Notifications). Nothing
// happens where no notification service runs; nothing here ever waits for one.
class Notices : public QObject {
    Q_OBJECT
public:
    static Notices &instance();

    // "新着メール n 通", the first three "差出人: 件名" lines; its default action
    // opens the received history on the newest mail.
    void newMail(const QStringList &lines);
    // A timed check that failed, with the reason.
    void checkFailed(const QString &reason);

    static QString newMailSummary(int count);
    static QString newMailBody(const QStringList &lines);
    static inline const QString kFailedSummary = QStringLiteral("メールを受信できませんでした");

signals:
    // The user clicked a new-mail notice.
    void newMailOpened();

private:
    Notices();
    void send(const QString &summary, const QString &body, bool opensHistory);

private slots:
    void actionInvoked(uint id, const QString &action);
    void closed(uint id, uint reason);

private:
    QList<uint> m_opensHistory;  // ids of shown notices whose click opens the history
    bool m_listening = false;
    bool m_markupKnown = false;
    bool m_markup = false;
};
