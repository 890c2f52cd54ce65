#pragma once

#include "core/mail/MailLibrary.h"
#include "core/mail/mime/OutgoingMail.h"

#include <QObject>
#include <QString>

#include <functional>
#include <memory>

class BackgroundJob;
struct SessionHooks;

struct SendResult {
    int code = 0;         // the mail layer's result: below 0 failure
    QString error;        // its last error text then
    SendOutcome outcome = SendOutcome::Failed;
    bool cancelled = false;        // stopped before the mail could reach the server
    bool cancelRequested = false;  // the user asked to stop, whether or not it could be
    bool encrypted = false;
    bool needsSignIn = false;  // the OAuth 2.0 sign-in is gone; error says so
};

// One mail handed to the mail layer on a worker. It knows no window: progress
// and the hand-over come as signals on the thread that started it, the end as
// finished(). The engine may go before its worker ends; the worker then only
// writes into a result nobody reads.
class SendEngine : public QObject {
    Q_OBJECT
public:
    // Fills the questions the session may ask about the server (certificates,
    // passwords in clear); called on the worker.
    using ServerQuestions = std::function<void(SessionHooks &)>;

    SendEngine(const OutgoingMail &mail, ServerQuestions questions, QObject *parent = nullptr);
    ~SendEngine() override;

    // Where the whole sent mail is to be kept (empty: nowhere); written on the worker.
    void setWholeCopy(const QString &path) { m_wholeCopy = path; }
    void start();
    void cancel();
    bool cancelRequested() const;
    const SendResult &result() const { return m_result; }

signals:
    void progress(qint64 sent, qint64 total);
    // The whole mail has left: a cancel can only shorten the wait for the answer.
    void handedOver();
    void finished();

private:
    OutgoingMail m_mail;
    ServerQuestions m_questions;
    QString m_wholeCopy;
    BackgroundJob *m_job = nullptr;
    std::shared_ptr<SendResult> m_shared = std::make_shared<SendResult>();
    SendResult m_result;
};
