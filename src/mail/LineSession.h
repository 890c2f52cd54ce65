#pragma once

#include <QByteArray>
#include <QList>
#include <QSslCertificate>
#include <QString>

#include <chrono>
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

    // Nothing for an empty host or a port that is not a number from 1 to 65535.
    static std::optional<ServerAddress> parse(const QString &text, const Schemes &schemes);
};

// How long a line session waits: for the connection (and TLS handshake), and for
// each piece of a reply to arrive.
struct LineTimeouts {
    std::chrono::milliseconds connect{15000};
    std::chrono::milliseconds reply{60000};
};

// A client connection that speaks CR LF lines, over plain TCP or TLS (implicit, or
// started in mid-session by STARTTLS/STLS). Every wait is bounded: a dead or silent
// server ends in an error, never a freeze. Blocking, for use inside one user action.
class LineSession {
public:
    using Timeouts = LineTimeouts;
    static constexpr Timeouts kDefaultTimeouts{};

    // Sessions made from now on wait this long (tests shorten it).
    static void setDefaultTimeouts(const Timeouts &timeouts);
    static Timeouts defaultTimeouts();

    LineSession();
    ~LineSession();
    LineSession(const LineSession &) = delete;
    LineSession &operator=(const LineSession &) = delete;

    void setTimeouts(const Timeouts &timeouts) { m_timeouts = timeouts; }

    // Connects and, for implicit TLS, completes the handshake with the
    // certificate verified against the system store and the host name.
    bool connectTo(const ServerAddress &address);
    // Upgrades the connection after the server agreed to STARTTLS/STLS.
    bool startTls();
    bool isEncrypted() const;
    bool isConnected() const;

    bool writeLine(const QByteArray &line);  // CR LF is added
    bool write(const QByteArray &bytes);
    // Sends text as a dot-terminated block (SMTP DATA): every line ended by CR LF,
    // a leading dot doubled, then the line holding a single ".".
    bool writeDotBlock(const QByteArray &text);

    // One line without its line end (CR LF or a bare LF).
    std::optional<QByteArray> readLine();
    // The lines up to a line holding a single ".", with their line ends kept
    // and the leading dot of dot-stuffed lines removed.
    std::optional<QByteArray> readDotBlock();

    // Closes at once, without a goodbye.
    void abort();

    // Why the last call failed, as a sentence for the user.
    const QString &errorText() const { return m_error; }
    const ServerAddress &address() const { return m_address; }

    // Answer lines longer than this are treated as garbage.
    static constexpr qsizetype kMaxLineLength = 1 << 20;

private:
    bool fail(const QString &text);
    bool waitForMore();
    bool waitForEncrypted();
    QString socketError() const;

    std::unique_ptr<QSslSocket> m_socket;
    Timeouts m_timeouts;
    ServerAddress m_address;
    QByteArray m_buffer;
    qsizetype m_pos = 0;
    QString m_error;
};
