// The TLS half of LineSession: the handshake, its certificate question, and
// sessions kept for resumption.
#include "core/mail/net/LineSession.h"

#include "core/mail/net/LineSession_p.h"
#include "core/mail/net/SessionHooks.h"

#include <QCryptographicHash>
#include <QElapsedTimer>
#include <QHash>
#include <QSslConfiguration>
#include <QSslSocket>
#include <QStringList>

#include <mutex>

using namespace LineSessionWaits;

namespace {

// The last TLS session each server agreed to, so the next connection to it (the
// next mail of a bulk send) resumes instead of paying for a whole handshake. Only
// sessions whose certificate passed the checks on their own are kept, and each is
// filed under the certificates trusted then: a change of trust starts afresh.
std::mutex g_sessionsLock;
QHash<QString, QByteArray> g_sessions;

} // namespace

bool LineSession::startTls()
{
    if (!isConnected())
        return fail(QStringLiteral("サーバーとの接続が切れています。"));
    offerSavedSession();
    m_socket->startClientEncryption();
    return waitForEncrypted();
}

void LineSession::offerSavedSession()
{
    QSslConfiguration config = m_socket->sslConfiguration();
    QCryptographicHash trust(QCryptographicHash::Sha256);
    for (const QSslCertificate &ca : config.caCertificates())
        trust.addData(ca.digest(QCryptographicHash::Sha256));
    m_sessionKey = QStringLiteral("%1\n%2\n%3\n%4")
                       .arg(m_address.host)
                       .arg(m_address.port)
                       .arg(m_socket->peerVerifyName(), QString::fromLatin1(trust.result().toHex()));
    m_sessionTrusted = false;
    QByteArray saved;
    {
        std::lock_guard lock(g_sessionsLock);
        saved = g_sessions.value(m_sessionKey);
    }
    config.setSslOption(QSsl::SslOptionDisableSessionPersistence, false);
    if (!saved.isEmpty())
        config.setSessionTicket(saved);
    m_sessionOffered = !saved.isEmpty();
    m_socket->setSslConfiguration(config);
    // TLS 1.3 servers send their tickets after the handshake, with the first reply.
    QObject::connect(m_socket.get(), &QSslSocket::newSessionTicketReceived, m_socket.get(), [this] { keepSession(); });
}

void LineSession::keepSession()
{
    if (!m_socket || !m_sessionTrusted || m_sessionKey.isEmpty())
        return;
    const QByteArray ticket = m_socket->sslConfiguration().sessionTicket();
    if (ticket.isEmpty())
        return;
    std::lock_guard lock(g_sessionsLock);
    g_sessions.insert(m_sessionKey, ticket);
}

bool LineSession::waitForEncrypted()
{
    CertificateAnswer answer = CertificateAnswer::Cancel;
    bool asked = false;
    QList<QSslError> problems;
    // The handshake as a whole is bounded, less the user's time to think.
    const qint64 started = m_clock.elapsed();
    qint64 thinking = 0;
    const QMetaObject::Connection watch = QObject::connect(
        m_socket.get(), &QSslSocket::sslErrors, m_socket.get(), [&](const QList<QSslError> &errors) {
            problems = errors;
            if (!m_hooks || !m_hooks->certificate)
                return;
            asked = true;
            QElapsedTimer asking;
            asking.start();
            answer = m_hooks->certificate({m_address.host, m_address.port, m_socket->peerCertificate(), errors});
            thinking += asking.elapsed();
            noteActivity();
            if (answer != CertificateAnswer::Cancel)
                m_socket->ignoreSslErrors();
        });
    const auto finish = [&](bool ok) {
        QObject::disconnect(watch);
        if (!ok && m_sessionOffered) {
            // A session the server no longer takes, or a server that changed, is not offered again.
            std::lock_guard lock(g_sessionsLock);
            g_sessions.remove(m_sessionKey);
        }
        return ok;
    };
    const auto refused = [&] {
        QStringList reasons;
        for (const QSslError &error : problems)
            reasons << error.errorString();
        if (asked && answer == CertificateAnswer::Cancel)
            return QStringLiteral("サーバー %1 の証明書を信頼しなかったため、接続を中止しました（%2）。")
                .arg(m_address.host, reasons.join(QStringLiteral("; ")));
        if (reasons.isEmpty())
            reasons << socketError();
        return QStringLiteral("サーバー %1 との暗号化通信を始められませんでした（%2）。")
            .arg(m_address.host, reasons.join(QStringLiteral("; ")));
    };

    while (!m_socket->isEncrypted()) {
        if (!checkCancel())
            return finish(false);
        if (m_clock.elapsed() - started - thinking >= m_timeouts.connect.count())
            return finish(failAndAbort(QStringLiteral("サーバー %1 との暗号化通信を %2 秒以内に始められませんでした。")
                                           .arg(m_address.host).arg(seconds(m_timeouts.connect))));
        if (m_socket->waitForEncrypted(kSliceMs))
            break;
        const bool accepted = asked && answer != CertificateAnswer::Cancel;
        if (m_socket->state() != QAbstractSocket::ConnectedState || (asked && !accepted)
            || (!accepted && !problems.isEmpty())
            || (m_socket->error() != QAbstractSocket::SocketTimeoutError
                && m_socket->error() != QAbstractSocket::UnknownSocketError))
            return finish(failAndAbort(refused()));
    }
    noteActivity();
    m_sessionTrusted = problems.isEmpty();
    if (m_sessionTrusted)
        keepSession();  // a TLS 1.2 ticket comes within the handshake
    if (m_hooks && m_hooks->spokeTls)
        m_hooks->spokeTls(m_address.host, m_address.port);
    return finish(true);
}
