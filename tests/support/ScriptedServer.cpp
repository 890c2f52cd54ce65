#include "support/ScriptedServer.h"

#include <QString>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

void ScriptedServer::Peer::send(const QByteArray &bytes)
{
    const char *data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::send(m_fd, data, static_cast<size_t>(left), MSG_NOSIGNAL);
        if (n <= 0)
            return;
        data += n;
        left -= n;
    }
}

QByteArray ScriptedServer::Peer::readLine()
{
    return nextLine().value_or(QByteArray());
}

std::optional<QByteArray> ScriptedServer::Peer::nextLine(int waitMs)
{
    for (;;) {
        const qsizetype nl = m_buffer.indexOf('\n');
        if (nl >= 0) {
            QByteArray line = m_buffer.left(nl);
            m_buffer.remove(0, nl + 1);
            if (line.endsWith('\r'))
                line.chop(1);
            return line;
        }
        pollfd p{m_fd, POLLIN, 0};
        if (::poll(&p, 1, waitMs) <= 0)
            return std::nullopt;
        char chunk[4096];
        const ssize_t n = ::recv(m_fd, chunk, sizeof chunk, 0);
        if (n <= 0)
            return std::nullopt;
        m_buffer.append(chunk, n);
    }
}

void ScriptedServer::Peer::expect(const QByteArray &commandStart, const QByteArray &reply)
{
    const QByteArray line = readLine();
    if (!line.startsWith(commandStart))
        mismatched = true;
    send(reply);
}

void ScriptedServer::Peer::waitForHangUp()
{
    for (;;) {
        const QByteArray line = readLine();
        if (line.isEmpty())
            return;
        if (line.startsWith("QUIT")) {
            send("+OK bye\r\n");
            return;
        }
    }
}

ScriptedServer::ScriptedServer(std::function<void(Peer &)> script, int connections)
{
    m_listen = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    addr.sin_port = 0;
    ::bind(m_listen, reinterpret_cast<sockaddr *>(&addr), sizeof addr);
    ::listen(m_listen, 4);
    socklen_t len = sizeof addr;
    ::getsockname(m_listen, reinterpret_cast<sockaddr *>(&addr), &len);
    m_port = ntohs(addr.sin_port);
    m_thread = std::thread([this, script = std::move(script), connections] {
        for (int i = 0; i < connections; ++i) {
            pollfd p{m_listen, POLLIN, 0};
            if (::poll(&p, 1, 20000) <= 0)
                return;
            const int fd = ::accept(m_listen, nullptr, nullptr);
            if (fd < 0)
                return;
            Peer peer(fd);
            script(peer);
            if (peer.mismatched)
                m_mismatched = true;
            ::close(fd);
        }
    });
}

ScriptedServer::~ScriptedServer()
{
    ::shutdown(m_listen, SHUT_RDWR);
    if (m_thread.joinable())
        m_thread.join();
    ::close(m_listen);
}

QString ScriptedServer::address() const
{
    return QStringLiteral("127.0.0.1:%1").arg(m_port);
}
