#include "support/ThrottlingRelay.h"

#include <QByteArray>

#include <arpa/inet.h>
#include <chrono>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

int connectTo(const QString &host, int port)
{
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<uint16_t>(port));
    ::inet_pton(AF_INET, host.toLatin1().constData(), &address.sin_addr);
    if (::connect(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

// How much one direction may pass now, given its rate and what it passed since it began.
qint64 allowance(qint64 rate, qint64 passed, Clock::time_point began)
{
    if (rate <= 0)
        return 1 << 16;
    const double seconds = std::chrono::duration<double>(Clock::now() - began).count();
    const qint64 allowed = static_cast<qint64>(rate * seconds) + qMin<qint64>(rate / 20 + 1, 4096);
    return qMax<qint64>(0, qMin<qint64>(allowed - passed, 1 << 16));
}

} // namespace

ThrottlingRelay::ThrottlingRelay(const QString &host, int port, Rules rules)
    : m_host(host), m_targetPort(port), m_rules(rules)
{
    m_listen = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    const int on = 1;
    ::setsockopt(m_listen, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
    // A small window, so a slowed client really waits instead of filling kernel buffers.
    const int window = 16 * 1024;
    ::setsockopt(m_listen, SOL_SOCKET, SO_RCVBUF, &window, sizeof window);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ::bind(m_listen, reinterpret_cast<sockaddr *>(&address), sizeof address);
    ::listen(m_listen, 16);
    socklen_t length = sizeof address;
    ::getsockname(m_listen, reinterpret_cast<sockaddr *>(&address), &length);
    m_port = ntohs(address.sin_port);
    m_acceptor = std::thread([this] { acceptLoop(); });
}

ThrottlingRelay::~ThrottlingRelay()
{
    m_stop = true;
    ::shutdown(m_listen, SHUT_RDWR);
    m_acceptor.join();
    for (std::thread &worker : m_workers)
        worker.join();
    ::close(m_listen);
}

QString ThrottlingRelay::address() const
{
    return QStringLiteral("127.0.0.1:%1").arg(m_port);
}

void ThrottlingRelay::acceptLoop()
{
    while (!m_stop) {
        pollfd waiting{m_listen, POLLIN, 0};
        if (::poll(&waiting, 1, 50) <= 0)
            continue;
        const int client = ::accept4(m_listen, nullptr, nullptr, SOCK_CLOEXEC);
        if (client < 0)
            continue;
        m_workers.emplace_back([this, client] { relay(client); });
    }
}

void ThrottlingRelay::setRules(Rules rules)
{
    std::lock_guard lock(m_rulesLock);
    m_rules = rules;
}

void ThrottlingRelay::relay(int client)
{
    Rules rules;
    {
        std::lock_guard lock(m_rulesLock);
        rules = m_rules;
    }
    if (rules.silent) {
        // Reads what comes so the client's writes succeed, and says nothing.
        char sink[4096];
        while (!m_stop) {
            pollfd waiting{client, POLLIN, 0};
            if (::poll(&waiting, 1, 50) > 0 && ::read(client, sink, sizeof sink) <= 0)
                break;
        }
        ::close(client);
        return;
    }
    const int server = connectTo(m_host, m_targetPort);
    if (server < 0) {
        ::close(client);
        return;
    }
    const Clock::time_point began = Clock::now();
    qint64 up = 0;
    qint64 down = 0;
    QByteArray buffer(1 << 16, Qt::Uninitialized);
    bool open = true;
    while (open && !m_stop) {
        const qint64 upAllowed = allowance(rules.upRate, up, began);
        qint64 downAllowed = allowance(rules.downRate, down, began);
        if (rules.cutAfterDown >= 0)
            downAllowed = qMin(downAllowed, rules.cutAfterDown - down);
        pollfd waiting[2] = {{client, short(upAllowed > 0 ? POLLIN : 0), 0},
                             {server, short(downAllowed > 0 ? POLLIN : 0), 0}};
        if (::poll(waiting, 2, 10) <= 0)
            continue;
        if (waiting[0].revents & (POLLIN | POLLHUP | POLLERR)) {
            const ssize_t n = ::read(client, buffer.data(), static_cast<size_t>(upAllowed));
            if (n <= 0 || ::send(server, buffer.constData(), static_cast<size_t>(n), MSG_NOSIGNAL) != n)
                open = false;
            else
                up += n, m_up += n;
        }
        if (open && (waiting[1].revents & (POLLIN | POLLHUP | POLLERR))) {
            const ssize_t n = ::read(server, buffer.data(), static_cast<size_t>(downAllowed));
            if (n <= 0 || ::send(client, buffer.constData(), static_cast<size_t>(n), MSG_NOSIGNAL) != n)
                open = false;
            else
                down += n;
        }
        if (rules.cutAfterDown >= 0 && down >= rules.cutAfterDown)
            open = false;
    }
    ::close(server);
    ::close(client);
}
