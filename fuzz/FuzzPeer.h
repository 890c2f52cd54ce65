// A server on loopback that says the fuzz input and nothing else: it sends the
// bytes as soon as the session connects, ends its side, and reads whatever the
// session sends until the session closes. The session reads it through its own
// socket, exactly as from a real server.
#pragma once

#include "FuzzSupport.h"

#include <QByteArray>
#include <QString>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <thread>

namespace fuzz {

class Peer {
public:
    explicit Peer(QByteArray script) : m_script(std::move(script))
    {
        m_thread = std::thread([this] { serve(); });
    }
    ~Peer() { m_thread.join(); }

    static QString address()
    {
        return QStringLiteral("127.0.0.1:%1").arg(port());
    }

private:
    static int listener()
    {
        static const int fd = [] {
            const int s = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
            sockaddr_in where{};
            where.sin_family = AF_INET;
            where.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
            if (s < 0 || bind(s, reinterpret_cast<sockaddr *>(&where), sizeof where) != 0 || listen(s, 4) != 0)
                fail("cannot listen on loopback");
            return s;
        }();
        return fd;
    }
    static quint16 port()
    {
        sockaddr_in where{};
        socklen_t length = sizeof where;
        getsockname(listener(), reinterpret_cast<sockaddr *>(&where), &length);
        return ntohs(where.sin_port);
    }
    void serve()
    {
        const int fd = accept(listener(), nullptr, nullptr);
        if (fd < 0)
            return;
        // Two pieces, so a line may arrive split.
        const qsizetype half = m_script.size() / 2;
        sendAll(fd, m_script.constData(), half);
        sendAll(fd, m_script.constData() + half, m_script.size() - half);
        shutdown(fd, SHUT_WR);
        char sink[4096];
        while (recv(fd, sink, sizeof sink, 0) > 0) {
        }
        close(fd);
    }
    static void sendAll(int fd, const char *data, qsizetype size)
    {
        while (size > 0) {
            const ssize_t sent = send(fd, data, static_cast<size_t>(size), MSG_NOSIGNAL);
            if (sent <= 0)
                return;
            data += sent;
            size -= sent;
        }
    }
    QByteArray m_script;
    std::thread m_thread;
};

} // namespace fuzz
