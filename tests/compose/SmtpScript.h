#pragma once

#include "support/ScriptedServer.h"

#include <QByteArray>
#include <QList>
#include <QThread>

#include <atomic>
#include <mutex>

// An SMTP server that takes every mail and can hold back its answer to the
// final "." or to QUIT, or refuse the mail: what a real one cannot be made to do.
struct SmtpScript {
    enum class Hold { None, DotAnswer, QuitAnswer };

    Hold hold = Hold::None;
    QByteArray dotAnswer = "250 2.0.0 queued\r\n";
    // Set by the server as it goes.
    std::atomic_int inData{0};   // connections that reached the mail text
    std::atomic_int atDot{0};    // connections whose final "." arrived
    std::atomic_int atQuit{0};
    std::atomic_int ended{0};    // connections over
    // Set by the test: the held answers may go now.
    std::atomic_bool release{false};

    QList<QByteArray> recipients() const
    {
        std::lock_guard<std::mutex> guard(m_lock);
        return m_recipients;
    }

    void play(ScriptedServer::Peer &peer)
    {
        peer.send("220 scripted ESMTP\r\n");
        for (;;) {
            const auto line = peer.nextLine();
            if (!line)
                break;
            const QByteArray command = line->left(4).toUpper();
            if (command == "EHLO" || command == "HELO") {
                peer.send("250 scripted\r\n");
            } else if (command == "MAIL") {
                peer.send("250 2.1.0 ok\r\n");
            } else if (command == "RCPT") {
                {
                    std::lock_guard<std::mutex> guard(m_lock);
                    m_recipients << line->mid(8).trimmed();
                }
                peer.send("250 2.1.5 ok\r\n");
            } else if (command == "DATA") {
                peer.send("354 go ahead\r\n");
                ++inData;
                if (!readMailText(peer))
                    break;
                ++atDot;
                if (hold == Hold::DotAnswer)
                    waitForRelease();
                peer.send(dotAnswer);
            } else if (command == "QUIT") {
                ++atQuit;
                if (hold == Hold::QuitAnswer)
                    waitForRelease();
                peer.send("221 2.0.0 bye\r\n");
                break;
            } else {
                peer.send("502 5.5.2 what\r\n");
            }
        }
        ++ended;
    }

private:
    // True when the lone "." came; false when the client went first.
    static bool readMailText(ScriptedServer::Peer &peer)
    {
        for (;;) {
            const auto line = peer.nextLine();
            if (!line)
                return false;
            if (*line == ".")
                return true;
        }
    }

    void waitForRelease() const
    {
        for (int waited = 0; !release && waited < 20000; waited += 10)
            QThread::msleep(10);
    }

    mutable std::mutex m_lock;
    QList<QByteArray> m_recipients;
};
