#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>

#include <QMutex>

#include <memory>
#include <functional>
#include <optional>

class Pop3Session;
struct SessionHooks;
struct MimeContent;

// What the status call gives for one waiting mail.
struct MailStatus {
    QString subject;
    QString date;
    QString from;
    QString header;
};

// One fetched mail. For a multipart mail the body is its raw MIME body (a part
// marked "Content-Disposition: attachment" shows the word); unpacking the
// attachments turns it into the readable text.
struct FetchedMail {
    QString subject;
    QString date;
    QString from;
    QString header;
    QString body;
    QByteArray raw;  // the whole mail exactly as the server sent it
    // Set by unpacking when something of the mail is neither in its fields nor in
    // a file: the caller keeps the whole mail before it is deleted from the server.
    bool needsWholeCopy = false;
    std::shared_ptr<const MimeContent> content;  // the parsed structure, kept for unpacking
};

struct OutgoingMail;
struct BuiltMail;

// How the last send of a thread ended, beyond its result.
enum class SendOutcome {
    Sent,
    Failed,          // nothing was delivered, or the server said no
    Cancelled,       // stopped by the user before the mail could reach the server
    MaybeDelivered,  // the whole mail went out, its answer never came
};

// The program's one door to the mail servers. Nothing above it knows a protocol.
// Results keep the meanings callers rely on: -1 no connection, a count or 0,
// a negative value for failure, and the text of the last error on request.
// Its calls block while the network works, so they are made on a worker thread;
// the last error is kept per thread, so a check and a send can run side by side.
class MailLibrary {
public:
    // Size of the text buffers the callers hand over (option 1).
    static constexpr int kDefaultBufferSize = 8192;

    static MailLibrary &instance();

    // Brings up the network layer once at start-up.
    void initialize();
    void setOption(int option, int value);
    // Releases the network layer at the end of the program.
    void end();

    bool isInitialized() const { return m_initialized; }
    int bufferSize() const { return m_bufferSize; }
    bool tlsAvailable() const { return m_tlsAvailable; }

    QString lastError() const;

    // Results of unpackAttachments.
    static constexpr int kUnpacked = 1;
    static constexpr int kNothingToUnpack = 0;
    static constexpr int kCannotWrite = -5;
    static constexpr int kPartsMissing = -6;

    // A connection handle, or -1 with the reason as the last error. The server
    // text may be "host", "host:port", "pop3://host[:port]" or "pop3s://host[:port]".
    // The hooks (cancel flag, questions) stay in use until the handle is closed.
    int pop3Connect(const QString &server, const SessionHooks *hooks = nullptr);
    // Whether the connection is encrypted; false for an unknown handle.
    bool pop3IsEncrypted(int handle);
    // Whether the connection still stands (a refused command leaves it standing).
    bool pop3IsOpen(int handle);
    // Whether commands may be sent ahead of their answers on this connection.
    bool pop3Pipelines(int handle);
    // The number of waiting mails, 0 for none, below 0 on failure.
    int pop3Authenticate(int handle, const QString &id, const QString &password, bool apop);
    std::optional<MailStatus> pop3GetMailStatus(int handle, int n);
    // The size in bytes, or -1 on failure.
    qint64 pop3GetMailSize(int handle, int n);
    // Nothing when the mail did not arrive whole; the reason is the last error.
    std::optional<FetchedMail> pop3GetMail(int handle, int n);
    // The same mail's bytes as stored, for parse() on another thread.
    std::optional<QByteArray> pop3GetRawMail(int handle, int n);
    // The unique id of each waiting mail; nothing when the server has none, and
    // then failed says whether the connection broke over the question.
    std::optional<QMap<int, QByteArray>> pop3UniqueIds(int handle, bool *failed = nullptr);
    // The mails that will be fetched, in order, so they can travel ahead.
    // False (last error) when the connection broke over it.
    bool pop3PlanFetches(int handle, const QList<int> &numbers);
    bool pop3DeleteMail(int handle, int n);
    // Says goodbye, so the server carries out the deletions, and forgets the handle.
    // False when the goodbye failed or the server refused a deletion (last error).
    bool pop3Close(int handle);
    // Cuts the connection without a goodbye, so the server deletes nothing, and forgets the handle.
    void pop3Abort(int handle);

    // Writes the attachments of a fetched mail into the folder and leaves the
    // readable text in its body: kUnpacked, kNothingToUnpack, kCannotWrite or
    // kPartsMissing. The paths written are added to written. beforeWriting is
    // told every path first and may refuse them all (kCannotWrite).
    using BeforeWriting = std::function<bool(const QStringList &paths)>;
    int unpackAttachments(FetchedMail &mail, const QString &folder, QStringList *written = nullptr,
                          const BeforeWriting &beforeWriting = {});

    // Keeps a whole mail as an .eml file in the folder; the path, or nothing.
    std::optional<QString> keepWholeMail(const FetchedMail &mail, const QString &folder);

    // Builds a fetched mail from raw bytes, as pop3GetMail does.
    static FetchedMail parse(const QByteArray &raw);
    // The text a mail's record keeps once its attachments are unpacked.
    static QString unpackedText(const FetchedMail &mail);

    // Sends one mail through the SMTP server named in it: 0 when the server took
    // it, below 0 on failure with the reason as the last error (a refusing
    // server's reply word for word).
    int smtpSendMail(const OutgoingMail &mail, const SessionHooks *hooks = nullptr);
    // The message a send builds, every text read up to its first NUL as the send reads it.
    static std::optional<BuiltMail> buildMail(const OutgoingMail &mail, QString *error = nullptr);
    // The message the last send of this thread built (sent or not); empty when none was built.
    QByteArray lastBuiltMessage() const;
    // Whether the last send of this thread went over an encrypted connection.
    bool smtpWasEncrypted() const;
    SendOutcome lastSendOutcome() const;

private:
    MailLibrary();
    ~MailLibrary();
    std::shared_ptr<Pop3Session> session(int handle);
    void setLastError(const QString &text);
    void noteSmtpEncrypted(bool encrypted);

    bool m_initialized = false;
    bool m_tlsAvailable = false;
    int m_bufferSize = kDefaultBufferSize;
    mutable QMutex m_mutex;  // guards the sessions and the next handle
    QMap<int, std::shared_ptr<Pop3Session>> m_sessions;
    int m_nextHandle = 1;
};
