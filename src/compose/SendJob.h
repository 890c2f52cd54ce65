#pragma once

#include "mail/MailLibrary.h"
#include "mail/OutgoingMail.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <memory>

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
        SendOutcome outcome = SendOutcome::Failed;
        bool cancelled = false;        // stopped before the mail could reach the server
        bool cancelRequested = false;  // the user asked to stop, whether or not it could be
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
    void showHandedOver();

    OutgoingMail m_mail;
    QString m_wholeCopy;
    int m_pass;
    int m_passes;
    BackgroundJob *m_job = nullptr;
    QPointer<ProgressWindow> m_window;
    bool m_ownWindow = false;
    bool m_handedOver = false;  // the mail is with the server: a cancel can only shorten the wait
    // The worker writes here, never into the job, which may be gone before it ends.
    std::shared_ptr<Result> m_shared = std::make_shared<Result>();
    Result m_result;
};
