#pragma once

#include "core/mail/mime/OutgoingMail.h"
#include "core/send/SendEngine.h"

#include <QObject>
#include <QString>

#include <memory>

class JobProgress;

// One mail sent by a SendEngine, shown: progress goes to the launcher's status
// line and a job progress with 中止; the end comes as done().
class SendJob : public QObject {
    Q_OBJECT
public:
    using Result = SendResult;

    // pass/passes name a bulk send's place ("送信中 12/500"); passes 0 for a single mail.
    // Without the caller's progress (which must outlive the job), the job shows one of its own.
    SendJob(const OutgoingMail &mail, int pass, int passes, JobProgress *progress = nullptr,
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
    SendEngine *m_engine = nullptr;
    JobProgress *m_progress;
    std::unique_ptr<JobProgress> m_ownProgress;
    bool m_handedOver = false;  // the mail is with the server: a cancel can only shorten the wait
    Result m_result;
};
