#pragma once

#include <QString>

#include <atomic>
#include <mutex>
#include <thread>
#include <vector>

// A loopback proxy in front of a real server that slows, silences or cuts the
// traffic as a test scripts it: the networks users are on, made repeatable.
class ThrottlingRelay {
public:
    struct Rules {
        qint64 upRate = 0;        // client to server, bytes per second; 0 for no limit
        qint64 downRate = 0;      // server to client
        bool silent = false;      // accept connections, never answer, never forward
        qint64 cutAfterDown = -1; // close both sides once this many bytes went to the client
    };

    ThrottlingRelay(const QString &host, int port, Rules rules);
    ~ThrottlingRelay();
    ThrottlingRelay(const ThrottlingRelay &) = delete;
    ThrottlingRelay &operator=(const ThrottlingRelay &) = delete;

    // For connections made from now on.
    void setRules(Rules rules);

    int port() const { return m_port; }
    // "127.0.0.1:port"
    QString address() const;
    // Bytes the relay passed from the client to the server so far.
    qint64 bytesUp() const { return m_up; }

private:
    void acceptLoop();
    void relay(int client);

    QString m_host;
    int m_targetPort;
    Rules m_rules;
    std::mutex m_rulesLock;
    int m_listen = -1;
    int m_port = 0;
    std::atomic_bool m_stop{false};
    std::atomic<qint64> m_up{0};
    std::thread m_acceptor;
    std::vector<std::thread> m_workers;
    std::vector<int> m_fds;
};
