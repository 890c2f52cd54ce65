#include "mail/LineSession.h"

#include <QElapsedTimer>
#include <QNetworkProxy>
#include <QSslSocket>
#include <QStringList>

namespace {

LineSession::Timeouts g_defaultTimeouts = LineSession::kDefaultTimeouts;

// A dot block larger than this is not a mail but a runaway server.
constexpr qsizetype kMaxBlockSize = qsizetype(512) << 20;

int seconds(std::chrono::milliseconds ms)
{
    return static_cast<int>((ms.count() + 999) / 1000);
}

} // namespace

std::optional<ServerAddress> ServerAddress::parse(const QString &text, const Schemes &schemes)
{
    ServerAddress address;
    QString rest = text.trimmed();
    const qsizetype schemeEnd = rest.indexOf(QStringLiteral("://"));
    if (schemeEnd >= 0) {
        const QString scheme = rest.left(schemeEnd).toLower();
        if (scheme == schemes.tls)
            address.implicitTls = true;
        else if (scheme != schemes.plain)
            return std::nullopt;
        rest = rest.mid(schemeEnd + 3);
    }
    while (rest.endsWith(u'/'))
        rest.chop(1);

    QString portText;
    if (rest.startsWith(u'[')) {
        const qsizetype close = rest.indexOf(u']');
        if (close < 0)
            return std::nullopt;
        address.host = rest.mid(1, close - 1);
        const QString after = rest.mid(close + 1);
        if (after.startsWith(u':'))
            portText = after.mid(1);
        else if (!after.isEmpty())
            return std::nullopt;
    } else {
        const qsizetype colon = rest.lastIndexOf(u':');
        // More than one colon without brackets is a bare IPv6 address.
        if (colon >= 0 && rest.indexOf(u':') == colon) {
            address.host = rest.left(colon);
            portText = rest.mid(colon + 1);
        } else {
            address.host = rest;
        }
    }
    if (address.host.isEmpty())
        return std::nullopt;
    if (portText.isEmpty()) {
        address.port = address.implicitTls ? schemes.tlsPort : schemes.plainPort;
    } else {
        bool ok = false;
        const uint port = portText.toUInt(&ok);
        if (!ok || port == 0 || port > 65535)
            return std::nullopt;
        address.port = static_cast<quint16>(port);
    }
    return address;
}

void LineSession::setDefaultTimeouts(const Timeouts &timeouts)
{
    g_defaultTimeouts = timeouts;
}

LineSession::Timeouts LineSession::defaultTimeouts()
{
    return g_defaultTimeouts;
}

LineSession::LineSession() : m_timeouts(g_defaultTimeouts) {}

LineSession::~LineSession()
{
    abort();
}

bool LineSession::fail(const QString &text)
{
    m_error = text;
    return false;
}

QString LineSession::socketError() const
{
    return m_socket ? m_socket->errorString() : QString();
}

bool LineSession::connectTo(const ServerAddress &address)
{
    abort();
    m_error.clear();
    m_address = address;
    m_socket = std::make_unique<QSslSocket>();
    m_socket->setProxy(QNetworkProxy::NoProxy);
    m_socket->setPeerVerifyMode(QSslSocket::VerifyPeer);
    // Commands are short and each waits for its reply; Nagle would only add delay.
    m_socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    const QString where = QStringLiteral("%1:%2").arg(address.host).arg(address.port);

    if (address.implicitTls)
        m_socket->connectToHostEncrypted(address.host, address.port);
    else
        m_socket->connectToHost(address.host, address.port);
    if (!m_socket->waitForConnected(static_cast<int>(m_timeouts.connect.count()))) {
        if (m_socket->error() == QAbstractSocket::SocketTimeoutError)
            return fail(QStringLiteral("サーバー %1 に %2 秒以内に接続できませんでした。")
                            .arg(where).arg(seconds(m_timeouts.connect)));
        return fail(QStringLiteral("サーバー %1 に接続できませんでした（%2）。").arg(where, socketError()));
    }
    if (address.implicitTls && !waitForEncrypted())
        return false;
    return true;
}

bool LineSession::startTls()
{
    if (!isConnected())
        return fail(QStringLiteral("サーバーとの接続が切れています。"));
    m_socket->startClientEncryption();
    return waitForEncrypted();
}

bool LineSession::waitForEncrypted()
{
    if (m_socket->waitForEncrypted(static_cast<int>(m_timeouts.connect.count())))
        return true;
    QStringList reasons;
    for (const QSslError &error : m_socket->sslHandshakeErrors())
        reasons << error.errorString();
    if (reasons.isEmpty())
        reasons << socketError();
    return fail(QStringLiteral("サーバー %1 との暗号化通信を始められませんでした（%2）。")
                    .arg(m_address.host, reasons.join(QStringLiteral("; "))));
}

bool LineSession::isEncrypted() const
{
    return m_socket && m_socket->isEncrypted();
}

bool LineSession::isConnected() const
{
    return m_socket && m_socket->state() == QAbstractSocket::ConnectedState;
}

bool LineSession::write(const QByteArray &bytes)
{
    if (!isConnected())
        return fail(QStringLiteral("サーバーとの接続が切れました。"));
    if (m_socket->write(bytes) != bytes.size())
        return fail(QStringLiteral("サーバーへ送れませんでした（%1）。").arg(socketError()));
    // Bytes are handed to the kernel as they come; the reply wait flushes the rest.
    m_socket->flush();
    return true;
}

bool LineSession::writeDotBlock(const QByteArray &text)
{
    QByteArray block;
    block.reserve(text.size() + text.size() / 32 + 8);
    qsizetype pos = 0;
    const qsizetype n = text.size();
    while (pos < n) {
        qsizetype nl = text.indexOf('\n', pos);
        const qsizetype next = nl < 0 ? n : nl + 1;
        qsizetype end = nl < 0 ? n : nl;
        if (end > pos && text[end - 1] == '\r')
            --end;
        if (text[pos] == '.')
            block += '.';
        block.append(text.constData() + pos, end - pos);
        block += "\r\n";
        pos = next;
    }
    block += ".\r\n";
    return write(block);
}

bool LineSession::writeLine(const QByteArray &line)
{
    return write(line + "\r\n");
}

bool LineSession::waitForMore()
{
    if (m_pos > 0 && (m_pos >= m_buffer.size() || m_pos > (1 << 16))) {
        m_buffer.remove(0, m_pos);
        m_pos = 0;
    }
    if (m_socket && m_socket->bytesAvailable() > 0) {
        m_buffer += m_socket->readAll();
        return true;
    }
    if (!isConnected())
        return fail(QStringLiteral("サーバーとの接続が切れました。"));

    QElapsedTimer waited;
    waited.start();
    const qint64 limit = m_timeouts.reply.count();
    for (;;) {
        const qint64 left = limit - waited.elapsed();
        if (left <= 0)
            break;
        if (m_socket->waitForReadyRead(static_cast<int>(left))) {
            if (m_socket->bytesAvailable() > 0) {
                m_buffer += m_socket->readAll();
                return true;
            }
            continue;  // a TLS record that carried no data yet
        }
        if (m_socket->bytesAvailable() > 0) {
            m_buffer += m_socket->readAll();
            return true;
        }
        if (m_socket->error() != QAbstractSocket::SocketTimeoutError || !isConnected())
            return fail(QStringLiteral("サーバーとの接続が切れました。"));
    }
    return fail(QStringLiteral("サーバーから %1 秒間応答がありませんでした。").arg(seconds(m_timeouts.reply)));
}

std::optional<QByteArray> LineSession::readLine()
{
    for (;;) {
        const qsizetype nl = m_buffer.indexOf('\n', m_pos);
        if (nl >= 0) {
            qsizetype end = nl;
            if (end > m_pos && m_buffer[end - 1] == '\r')
                --end;
            QByteArray line = m_buffer.mid(m_pos, end - m_pos);
            m_pos = nl + 1;
            return line;
        }
        if (m_buffer.size() - m_pos > kMaxLineLength) {
            fail(QStringLiteral("サーバーの応答が長すぎます。"));
            abort();
            return std::nullopt;
        }
        if (!waitForMore())
            return std::nullopt;
    }
}

std::optional<QByteArray> LineSession::readDotBlock()
{
    QByteArray block;
    for (;;) {
        const qsizetype nl = m_buffer.indexOf('\n', m_pos);
        if (nl < 0) {
            if (block.size() + (m_buffer.size() - m_pos) > kMaxBlockSize) {
                fail(QStringLiteral("サーバーの応答が大きすぎます。"));
                abort();
                return std::nullopt;
            }
            if (!waitForMore())
                return std::nullopt;
            continue;
        }
        const char *line = m_buffer.constData() + m_pos;
        const qsizetype length = nl + 1 - m_pos;
        m_pos = nl + 1;
        if (line[0] == '.') {
            if (length == 2 || (length == 3 && line[1] == '\r'))
                return block;
            block.append(line + 1, length - 1);
        } else {
            block.append(line, length);
        }
    }
}

void LineSession::abort()
{
    if (m_socket) {
        m_socket->abort();
        m_socket.reset();
    }
    m_buffer.clear();
    m_pos = 0;
}
