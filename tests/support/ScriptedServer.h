#pragma once

#include <QByteArray>

#include <functional>
#include <optional>
#include <thread>

// A server on a free loopback port that plays a script for each connection, for
// the faults a real server cannot be made to show: cut connections, garbage, silence.
class ScriptedServer {
public:
    class Peer {
    public:
        explicit Peer(int fd) : m_fd(fd) {}
        void send(const QByteArray &bytes);
        // The next line from the client without its CR LF; empty once it hung up.
        QByteArray readLine();
        // The same, telling an empty line from a hang-up (nothing) or a silence of waitMs.
        std::optional<QByteArray> nextLine(int waitMs = 20000);
        // Reads a command and checks its start, then answers.
        void expect(const QByteArray &commandStart, const QByteArray &reply);
        // Waits until the client hangs up or says QUIT, which it answers.
        void waitForHangUp();
        bool mismatched = false;

    private:
        int m_fd;
        QByteArray m_buffer;
    };

    explicit ScriptedServer(std::function<void(Peer &)> script, int connections = 1);
    ~ScriptedServer();

    int port() const { return m_port; }
    QString address() const;
    bool scriptMismatched() const { return m_mismatched; }

private:
    int m_listen = -1;
    int m_port = 0;
    bool m_mismatched = false;
    std::thread m_thread;
};
