#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QHostAddress>
#include <QList>
#include <QSslCertificate>
#include <QString>

#include <chrono>
#include <functional>
#include <memory>
#include <optional>

class QSslSocket;

// Where a line protocol server lives, parsed from the text the user typed:
// "host", "host:port", "[v6]:port", "plain://host[:port]" or "tls://host[:port]".
struct ServerAddress {
    QString host;
    quint16 port = 0;
    bool implicitTls = false;

    struct Schemes {
        QString plain;        // "pop3", "smtp"
        QString tls;          // "pop3s", "smtps"
        quint16 plainPort;    // 110, 25
        quint16 tlsPort;      // 995, 465
    };

    // A line to this machine never crosses a network.
    bool isLoopback() const;

    // Nothing for an empty host or a port that is not a number from 1 to 65535.
    static std::optional<ServerAddress> parse(const QString &text, const Schemes &schemes);
};

// How long a line session waits. Replies and uploads measure silence: it starts
// again with each byte read or written, so a slow transfer that moves never ends.
// Silence counts from the later of the last byte and the start of the wait, so
// the program's own pauses (a box the user leaves open) are never the server's.
struct LineTimeouts {
    // The name lookup and connection together, and the TLS handshake as a whole:
    // a server that drips bytes cannot stretch either.
    std::chrono::milliseconds connect{15000};
    std::chrono::milliseconds reply{60000};    // silence while a reply is awaited
    // A one-line reply must be whole this long after its first byte, encrypted or not.
    std::chrono::milliseconds line{60000};
    // A multi-line reply may take this long, then must keep blockMinRate on average.
    std::chrono::milliseconds blockGrace{60000};
    qint64 blockMinRate = 1024;                  // bytes per second
    // After a whole mail is uploaded servers may scan it before they answer.
    std::chrono::milliseconds finalReply{600000};
};

struct SessionHooks;

// A client connection that speaks CR LF lines, over plain TCP or TLS (implicit, or
// started in mid-session by STARTTLS/STLS). Every wait is bounded and can be
// cancelled: a dead, silent or trickling server ends in an error, never a freeze.
// Blocking: it belongs on a worker thread, never on the window thread.
class LineSession {
public:
    using Timeouts = LineTimeouts;
    static constexpr Timeouts kDefaultTimeouts{};

    // Sessions made from now on wait this long (tests shorten it).
    static void setDefaultTimeouts(const Timeouts &timeouts);
    static Timeouts defaultTimeouts();

    // Turns a host name into addresses; it may block, so it runs on a thread of its
    // own that a cancel or the connect limit leaves behind. Empty: the system's resolver.
    using NameLookup = std::function<QList<QHostAddress>(const QString &host, QString *error)>;
    static void setNameLookup(NameLookup lookup);

    LineSession();
    ~LineSession();
    LineSession(const LineSession &) = delete;
    LineSession &operator=(const LineSession &) = delete;

    void setTimeouts(const Timeouts &timeouts) { m_timeouts = timeouts; }
    // The cancel flag, progress and questions of the running job; may be null.
    void setHooks(const SessionHooks *hooks) { m_hooks = hooks; }

    // Connects and, for implicit TLS, completes the handshake with the
    // certificate verified against the system store and the host name (or
    // accepted by the user through the hooks).
    bool connectTo(const ServerAddress &address);
    // Upgrades the connection after the server agreed to STARTTLS/STLS.
    bool startTls();
    bool isEncrypted() const;
    bool isConnected() const;

    bool writeLine(const QByteArray &line);  // CR LF is added
    bool write(const QByteArray &bytes);
    // A line that needs no answer yet: it leaves with the next write, or before
    // the next wait for the server, so pipelined commands share one TLS record.
    bool writeLineLater(const QByteArray &line);
    // Sends text as a dot-terminated block (SMTP DATA): every line ended by CR LF,
    // a leading dot doubled, then the line holding a single ".". Reports progress
    // through the hooks and returns once everything is handed to the network.
    bool writeDotBlock(const QByteArray &text);
    // The next reply may be awaited this long in silence (after a mail upload).
    void allowLongReply() { m_longReply = true; }
    // Once what was sent cannot be taken back, a cancel no longer cuts the line:
    // the reply is still awaited, though no longer than an ordinary one.
    void setCancellable(bool cancellable) { m_cancellable = cancellable; }

    // One line without its line end (CR LF or a bare LF).
    std::optional<QByteArray> readLine();
    // The lines up to a line holding a single ".", with their line ends kept
    // and the leading dot of dot-stuffed lines removed.
    // expectedSize, when the server said it, spares the block its regrowing.
    std::optional<QByteArray> readDotBlock(qint64 expectedSize = 0);

    // Closes at once, without a goodbye.
    void abort();

    // Why the last call failed, as a sentence for the user.
    const QString &errorText() const { return m_error; }
    // The last failure was the user's cancel.
    bool cancelled() const { return m_cancelled; }
    const ServerAddress &address() const { return m_address; }

    // Answer lines longer than this are treated as garbage.
    static constexpr qsizetype kMaxLineLength = 1 << 20;

private:
    // What a read is waiting for, so its own limit applies.
    struct ReadLimit {
        qint64 started = -1;      // ms on m_clock when the reply's first byte came, -1 before
        qint64 hardMs = -1;       // a one-line reply's whole time, -1 for none
        qint64 received = 0;      // bytes of a multi-line reply so far
        bool block = false;
    };

    bool fail(const QString &text);
    bool failAndAbort(const QString &text);
    bool cancelRequested() const;
    bool checkCancel();
    std::optional<QList<QHostAddress>> lookUp(const QString &host, qint64 deadline);
    bool waitForMore(ReadLimit &limit);
    bool waitForEncrypted();
    void offerSavedSession();
    void keepSession();
    bool drain(qint64 highWater, bool toTheWire = false);
    qint64 unsentInKernel() const;
    qint64 queuedInProgram() const;
    qint64 pending() const;
    void reportUpload();
    void noteActivity();
    QString socketError() const;

    std::unique_ptr<QSslSocket> m_socket;
    Timeouts m_timeouts;
    const SessionHooks *m_hooks = nullptr;
    QElapsedTimer m_clock;
    qint64 m_lastActivity = 0;
    qint64 m_lastRawByte = -1;  // encrypted bytes count as a reply's start too
    quint64 m_rawReads = 0;
    qint64 m_lastProgress = -1;
    bool m_longReply = false;
    qint64 m_uploadTotal = 0;   // the block being uploaded, for progress
    qint64 m_uploadHanded = 0;  // of it (and what was queued before) handed to the socket
    bool m_cancelled = false;
    bool m_cancellable = true;
    ServerAddress m_address;
    QString m_sessionKey;        // the saved TLS session this handshake may resume
    bool m_sessionOffered = false;
    bool m_sessionTrusted = false;  // the certificate passed without anyone's leave
    QByteArray m_buffer;
    QByteArray m_later;  // lines of writeLineLater not yet handed to the socket
    qsizetype m_pos = 0;
    QString m_error;
};
