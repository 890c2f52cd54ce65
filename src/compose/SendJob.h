#pragma once

#include "mail/OutgoingMail.h"

#include <QObject>
#include <QPointer>
#include <QString>

class BackgroundJob;
class ProgressWindow;

// One mail handed to the mail layer on a worker. Progress goes to the
// launcher's status line and a small window with 中止; the end comes as done().
class SendJob : public QObject {
    Q_OBJECT
public:
    struct Result {
        int code = 0;         // the mail layer's result: below 0 failure
        QString error;        // its last error text then
        bool cancelled = false;
        bool encrypted = false;
        bool needsSignIn = false;  // the OAuth 2.0 sign-in is gone; error says so
    };

    // pass/passes name a bulk send's place ("送信中 12/500"); passes 0 for a single mail.
    // Without a window of the caller's, the job shows one of its own.
    SendJob(const OutgoingMail &mail, int pass, int passes, ProgressWindow *window = nullptr,
            QObject *parent = nullptr);
    ~SendJob() override;

    // Where the whole sent mail is to be kept (empty: nowhere); written on the worker.
    void setWholeCopy(const QString &path) { m_wholeCopy = path; }
    void start();
    void cancel();
    const Result &result() const { return m_result; }

    // "メールを送信中です… 3.2 / 5.0 MB"
    static QString progressText(qint64 sent, qint64 total);
    // "（暗号化）" or "（暗号化なし）" after a text, for the launcher's status line.
    static QString withEncryption(const QString &text, bool encrypted);

signals:
    void done();

private:
    void showProgress(qint64 sent, qint64 total);

    OutgoingMail m_mail;
    QString m_wholeCopy;
    int m_pass;
    int m_passes;
    BackgroundJob *m_job = nullptr;
    QPointer<ProgressWindow> m_window;
    bool m_ownWindow = false;
    Result m_result;
};
