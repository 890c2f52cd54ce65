#pragma once

#include "core/auth/OAuthAccess.h"
#include "core/mail/mime/OutgoingMail.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <QList>

#include <functional>
#include <memory>
#include <optional>

class JobProgress;
class QWidget;
class SendJob;

// What a send reads from its window once, when it starts, and what it shows there.
class SendFields {
public:
    virtual ~SendFields() = default;

    virtual QString recipient() const = 0;
    virtual QString subject() const = 0;
    // The body with CR LF line breaks, as mails and history records keep it.
    virtual QString mailBody() const = 0;
    virtual QString attachmentText() const = 0;
    virtual bool fortuneTicked() const = 0;
    virtual bool bulkChosen() const = 0;
    virtual int listCount() const = 0;

    virtual void setStatus(const QString &text) = 0;
    virtual void prepareAttachmentsForSend() = 0;
};

// The send button's whole run: once, or once per address book record in bulk;
// before each sending a copy goes to the sent-mail history, then the fortune,
// then the mail library on a worker. Everything it sends is read from the window
// once, at the start; the window's text is never changed by it. A failure is
// shown and the next pass still runs. A cancel stops the run before the next
// mail reaches the server and takes back that mail's copy; a mail already handed
// over whole is finished, and its copy stays.
class Sender : public QObject {
    Q_OBJECT
public:
    // A replacement for the mail library's send operation (tests watch the calls):
    // below 0 is a failure, whose text the error source gives. It runs on the
    // window thread, one pass after the other.
    using Transport = std::function<int(const OutgoingMail &)>;
    using ErrorText = std::function<QString()>;

    static const QString &sendingText();
    static const QString &doneText();
    static const QString &errorTitle();
    static const QString &cancelledText();
    static const QString &uncertainText();

    Sender(SendFields &fields, QWidget *parent = nullptr);
    ~Sender() override;

    // What every send made from now on uses; empty functions restore the mail library.
    static void installTransport(Transport transport, ErrorText errorText);

    // The account the SMTP server may ask for: the stored one, else the one typed this run.
    static void fillAccount(OutgoingMail &mail);

    // Whether a send that finds its OAuth 2.0 sign-in gone may open the browser
    // sign-in; bulk sends never do, whatever is set here.
    void setSignInPolicy(SignInPolicy policy) { m_signInPolicy = policy; }

    // Starts the passes and returns; finished() follows.
    void start();
    // Starts the passes and lets the window thread's events run until they end.
    void run();
    void cancel();

    bool isRunning() const { return m_running; }
    // A cancel left a mail unsent.
    bool wasCancelled() const { return m_stopped; }
    // Mails the server refused or never got; not those that may have arrived.
    int failures() const { return m_failures; }
    // Mails handed over whole whose answer never came.
    int uncertain() const { return m_uncertain; }
    int passes() const { return m_passes; }

signals:
    void finished();

private:
    // The inputs of the whole run, read once at its start.
    struct Snapshot {
        QString recipient;
        QString subject;
        QString body;  // grows by a fortune each pass when the box was ticked
        QString attachments;
        bool fortune = false;
        bool bulk = false;
        QList<std::optional<QString>> bulkAddresses;  // per pass; none past the book's end
    };

    void takeSnapshot();
    // Everything of pass i up to the hand-over: false when the pass sends nothing.
    bool prepare(int i, OutgoingMail &mail);
    void nextPass();
    void passEnded(int code, const QString &error, bool maybeDelivered = false);
    void takeBackCopy();
    void finish();
    // The launcher's clock text, the sent mail's date.
    static QString clockText();

    SendFields &m_fields;
    QWidget *m_parent;
    Transport m_transport;
    ErrorText m_errorText;

    Snapshot m_snapshot;
    int m_passes = 0;
    int m_pass = 0;
    bool m_running = false;
    bool m_cancelled = false;  // asked to stop
    bool m_stopped = false;    // and something was left unsent
    int m_failures = 0;
    SignInPolicy m_signInPolicy = SignInPolicy::MayOpenBrowser;
    int m_uncertain = 0;
    QPointer<SendJob> m_job;
    std::unique_ptr<JobProgress> m_progress;  // a bulk send's, shared by its jobs
    // The copy of the mail in flight, so a cancel can take it back.
    qint64 m_sentFileBefore = -1;
    qint64 m_sentFileAfter = -1;
    QString m_wholeCopy;  // the sent mail kept whole, when its copy cannot hold it
    std::optional<QString> m_launcherBefore;
    std::optional<bool> m_lastEncrypted;  // of the last mail that went out
};
