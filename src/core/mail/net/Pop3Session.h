#pragma once

#include "core/mail/net/LineSession.h"
#include "core/mail/net/SessionHooks.h"

#include <QByteArray>
#include <QMap>
#include <QString>

#include <optional>

// One POP3 conversation. Every failure leaves the server's reply, verbatim, or
// our own sentence about the connection in errorText().
class Pop3Session {
public:
    static const ServerAddress::Schemes kSchemes;

    Pop3Session() = default;

    // The cancel flag, progress and questions of the running job; may be null.
    void setHooks(const SessionHooks *hooks)
    {
        m_hooks = hooks;
        m_line.setHooks(hooks);
    }

    // Connects, reads the greeting, and switches to TLS by STLS whenever the
    // server offers it.
    bool open(const QString &serverText);
    // Logs in and returns the number of waiting mails, or nothing on failure.
    // With an access token in the hooks it signs in by SASL instead of the password.
    std::optional<int> login(const QString &id, const QString &password, bool apop);
    // The size the server gives for mail n, in bytes as sent (CR LF counted).
    // The first call asks for every size at once, saving a round trip per mail.
    std::optional<qint64> size(int n);
    // The unique id of every waiting mail by number (UIDL), or nothing: then
    // errorText() is empty for a server without UIDL and says why otherwise.
    std::optional<QMap<int, QByteArray>> uniqueIds();
    // The mails retrieve() will be asked for, in that order. A server that
    // announced PIPELINING gets several RETR at once (bounded in bytes), and
    // DELE without waiting for each answer.
    // False when the connection was lost over the size listing.
    bool planRetrievals(const QList<int> &numbers);
    // The header block of mail n (TOP n 0).
    std::optional<QByteArray> header(int n);
    // Mail n exactly as stored: CR LF kept, dot-stuffing removed.
    std::optional<QByteArray> retrieve(int n);
    // With pipelining the answer is read later; a refusal then shows in quit().
    bool remove(int n);
    // Says goodbye (the server applies the deletions now) and closes.
    bool quit();
    void abort() { m_line.abort(); }

    bool isOpen() const { return m_line.isConnected(); }
    bool isEncrypted() const { return m_line.isEncrypted(); }
    // Whether the server announced PIPELINING (known once logged in).
    bool pipelines() const { return m_pipelining; }
    bool cancelled() const { return m_line.cancelled(); }
    const QString &errorText() const { return m_error; }

    // The APOP digest of a greeting's timestamp and the password, or nothing
    // when the greeting carries no <...@...> timestamp of printable ASCII within
    // 256 bytes.
    static std::optional<QByteArray> apopDigest(const QByteArray &greeting, const QByteArray &password);

private:
    // Sends a command and reads its status line; false on -ERR or a lost line.
    bool command(const QByteArray &line, QByteArray *status = nullptr);
    bool readStatus(QByteArray *status);
    bool fail(const QString &text);
    bool failFromLine();

    bool refuseDowngrade();
    std::optional<int> refusedLogin();
    bool passwordMayGoInClear();
    std::optional<int> loginWithToken(const QString &id);
    std::optional<int> mailCount();

    const SessionHooks *m_hooks = nullptr;
    struct InFlight {
        bool retrieve = false;  // RETR, else DELE
        int number = 0;
    };
    bool sendAhead();
    bool settleUntil(int retrieveNumber);
    std::optional<QByteArray> readBlockReply(int n);

    bool m_pipelining = false;
    QList<InFlight> m_inFlight;
    QList<int> m_plan;
    qsizetype m_planned = 0;   // how many of m_plan were sent
    QStringList m_deleteRefusals;
    std::optional<QMap<int, qint64>> m_sizes;
    LineSession m_line;
    QByteArray m_greeting;
    QList<QByteArray> m_sasl;    // mechanisms of CAPA's SASL line, upper case
    bool m_capaInClear = false;  // read before STLS, so void under TLS
    QString m_error;
};
