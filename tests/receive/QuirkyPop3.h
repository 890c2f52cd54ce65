#pragma once

#include "support/ScriptedServer.h"

#include <QByteArray>
#include <QList>
#include <QSet>
#include <QString>

#include <memory>
#include <mutex>

// A POP3 mailbox that follows RFC 1939 but uses its freedoms, for the
// behaviours a real server cannot be made to show: ids reused once a mail is
// gone, no TOP, no UIDL, odd ids, a lost answer to QUIT, DELE refused.
// Deletions take effect at QUIT, as the RFC says; each connection sees the
// mailbox as it was when it began.
class QuirkyPop3 {
public:
    struct Mail {
        QByteArray id;  // what UIDL says, verbatim
        QByteArray text;
    };
    struct Quirks {
        bool top = true;
        bool uidl = true;
        bool answerQuit = true;   // false: the server deletes, then hangs up without a word
        bool deleteAtQuit = true; // false: the QUIT is lost before the server acts on it
        bool refuseDele = false;
    };

    explicit QuirkyPop3(QList<Mail> mails = {}, int connections = 8)
        : m_server([this](ScriptedServer::Peer &peer) { serve(peer); }, connections)
    {
        m_mails = std::move(mails);
    }

    QString address() const { return m_server.address(); }

    void setQuirks(const Quirks &quirks)
    {
        std::lock_guard lock(m_mutex);
        m_quirks = quirks;
    }
    void setMails(QList<Mail> mails)
    {
        std::lock_guard lock(m_mutex);
        m_mails = std::move(mails);
    }
    void add(const Mail &mail)
    {
        std::lock_guard lock(m_mutex);
        m_mails << mail;
    }
    QList<QByteArray> ids() const
    {
        std::lock_guard lock(m_mutex);
        QList<QByteArray> list;
        for (const Mail &mail : m_mails)
            list << mail.id;
        return list;
    }
    // Ids of mails fetched whole with RETR, over every connection.
    QList<QByteArray> retrieved() const
    {
        std::lock_guard lock(m_mutex);
        return m_retrieved;
    }

    int connections() const
    {
        std::lock_guard lock(m_mutex);
        return m_connections;
    }

private:
    void serve(ScriptedServer::Peer &peer)
    {
        QList<Mail> mails;
        Quirks quirks;
        {
            std::lock_guard lock(m_mutex);
            ++m_connections;
            mails = m_mails;
            quirks = m_quirks;
        }
        QSet<int> deleted;
        const auto mailAt = [&](const QByteArray &arg) -> const Mail * {
            bool ok = false;
            const int n = arg.toInt(&ok);
            return ok && n >= 1 && n <= mails.size() && !deleted.contains(n) ? &mails[n - 1] : nullptr;
        };
        peer.send("+OK ready\r\n");
        for (;;) {
            const auto line = peer.nextLine();
            if (!line)
                return;  // a hang-up: nothing is deleted
            const QList<QByteArray> words = line->split(' ');
            const QByteArray command = words.value(0).toUpper();
            const QByteArray arg = words.value(1);
            if (command == "CAPA") {
                peer.send(QByteArray("+OK\r\nUSER\r\n") + (quirks.uidl ? "UIDL\r\n" : "") + (quirks.top ? "TOP\r\n" : "")
                          + ".\r\n");
            } else if (command == "USER" || command == "PASS" || command == "NOOP" || command == "RSET") {
                if (command == "RSET")
                    deleted.clear();
                peer.send("+OK\r\n");
            } else if (command == "STAT") {
                qint64 total = 0;
                for (const Mail &mail : mails)
                    total += mail.text.size();
                peer.send("+OK " + QByteArray::number(mails.size()) + ' ' + QByteArray::number(total) + "\r\n");
            } else if (command == "UIDL" && !quirks.uidl) {
                peer.send("-ERR no UIDL here\r\n");
            } else if ((command == "UIDL" || command == "LIST") && arg.isEmpty()) {
                QByteArray out = "+OK\r\n";
                for (int n = 1; n <= mails.size(); ++n)
                    if (!deleted.contains(n))
                        out += QByteArray::number(n) + ' '
                            + (command == "UIDL" ? mails[n - 1].id : QByteArray::number(mails[n - 1].text.size()))
                            + "\r\n";
                peer.send(out + ".\r\n");
            } else if (command == "LIST" || command == "UIDL") {
                const Mail *mail = mailAt(arg);
                if (!mail)
                    peer.send("-ERR no such message\r\n");
                else
                    peer.send("+OK " + arg + ' '
                              + (command == "UIDL" ? mail->id : QByteArray::number(mail->text.size())) + "\r\n");
            } else if (command == "RETR" || (command == "TOP" && quirks.top)) {
                const Mail *mail = mailAt(arg);
                if (!mail) {
                    peer.send("-ERR no such message\r\n");
                    continue;
                }
                QByteArray text = mail->text;
                if (command == "TOP")
                    text = text.left(text.indexOf("\r\n\r\n") + 4);
                else {
                    std::lock_guard lock(m_mutex);
                    m_retrieved << mail->id;
                }
                peer.send("+OK\r\n" + text + (text.endsWith("\r\n") ? "" : "\r\n") + ".\r\n");
            } else if (command == "DELE") {
                const Mail *mail = mailAt(arg);
                if (!mail || quirks.refuseDele) {
                    peer.send("-ERR cannot delete\r\n");
                    continue;
                }
                deleted.insert(arg.toInt());
                peer.send("+OK\r\n");
            } else if (command == "QUIT") {
                if (quirks.deleteAtQuit) {
                    std::lock_guard lock(m_mutex);
                    QList<Mail> left;
                    for (int n = 1; n <= mails.size(); ++n)
                        if (!deleted.contains(n))
                            left << mails[n - 1];
                    // Mails that arrived during the session stay.
                    for (qsizetype k = mails.size(); k < m_mails.size(); ++k)
                        left << m_mails[k];
                    m_mails = left;
                }
                if (quirks.answerQuit)
                    peer.send("+OK bye\r\n");
                return;
            } else {
                peer.send("-ERR\r\n");
            }
        }
    }

    mutable std::mutex m_mutex;
    QList<Mail> m_mails;
    QList<QByteArray> m_retrieved;
    Quirks m_quirks;
    int m_connections = 0;
    ScriptedServer m_server;  // last: its thread ends before the rest goes
};
