#include "core/mail/net/LineSession.h"

#include "core/mail/net/LineSession_p.h"
#include "core/mail/net/SessionHooks.h"

#include <QCryptographicHash>
#include <QElapsedTimer>
#include <QHash>
#include <QHostAddress>
#include <QNetworkProxy>
#include <QSslConfiguration>
#include <QSslSocket>
#include <QStringList>
#include <QTcpSocket>


#include <condition_variable>
#include <mutex>
#include <thread>

#include <linux/sockios.h>
#include <netdb.h>
#include <sys/ioctl.h>
#include <sys/socket.h>

using namespace LineSessionWaits;

namespace {

LineSession::Timeouts g_defaultTimeouts = LineSession::kDefaultTimeouts;
LineSession::NameLookup g_nameLookup;


QList<QHostAddress> systemLookup(const QString &host, QString *error)
{
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo *found = nullptr;
    QList<QHostAddress> addresses;
    const QByteArray name = QUrl::toAce(host);
    const int code = ::getaddrinfo(name.isEmpty() ? host.toUtf8().constData() : name.constData(), nullptr, &hints,
                                   &found);
    if (code != 0) {
        *error = QString::fromLocal8Bit(::gai_strerror(code));
        return addresses;
    }
    for (const addrinfo *entry = found; entry; entry = entry->ai_next) {
        const QHostAddress address(entry->ai_addr);
        if (!address.isNull() && !addresses.contains(address))
            addresses << address;
    }
    ::freeaddrinfo(found);
    return addresses;
}

// What a lookup left behind by a cancel still writes into.
struct LookupState {
    std::mutex lock;
    std::condition_variable done;
    bool finished = false;
    QList<QHostAddress> addresses;
    QString error;
};

// A dot block larger than this is not a mail but a runaway server.
constexpr qsizetype kMaxBlockSize = qsizetype(512) << 20;
// The most a block takes on the server's word before its bytes come: a size
// the server only says must not cost memory the mail never fills.
constexpr qsizetype kMaxBlockReserve = qsizetype(4) << 20;

} // namespace

void LineSession::setDefaultTimeouts(const Timeouts &timeouts)
{
    g_defaultTimeouts = timeouts;
}

LineSession::Timeouts LineSession::defaultTimeouts()
{
    return g_defaultTimeouts;
}

void LineSession::setNameLookup(NameLookup lookup)
{
    g_nameLookup = std::move(lookup);
}

LineSession::LineSession() : m_timeouts(g_defaultTimeouts)
{
    m_clock.start();
}

LineSession::~LineSession()
{
    abort();
}

bool LineSession::fail(const QString &text)
{
    m_error = text;
    return false;
}

bool LineSession::failAndAbort(const QString &text)
{
    // A connection that timed out is not asked for anything more: no goodbye, no second wait.
    abort();
    return fail(text);
}

bool LineSession::cancelRequested() const
{
    return m_hooks && m_hooks->cancel && m_hooks->cancel->load();
}

bool LineSession::checkCancel()
{
    if (!m_cancellable || !cancelRequested())
        return true;
    m_cancelled = true;
    return failAndAbort(QStringLiteral("中止しました。"));
}

QString LineSession::socketError() const
{
    return m_socket ? m_socket->errorString() : QString();
}

void LineSession::noteActivity()
{
    m_lastActivity = m_clock.elapsed();
}

std::optional<QList<QHostAddress>> LineSession::lookUp(const QString &host, qint64 deadline)
{
    if (QHostAddress literal; literal.setAddress(host))
        return QList<QHostAddress>{literal};
    auto state = std::make_shared<LookupState>();
    NameLookup lookup = g_nameLookup ? g_nameLookup : NameLookup(systemLookup);
    std::thread([state, lookup, host] {
        QString error;
        QList<QHostAddress> addresses = lookup(host, &error);
        const std::lock_guard<std::mutex> guard(state->lock);
        state->addresses = std::move(addresses);
        state->error = error;
        state->finished = true;
        state->done.notify_all();
    }).detach();

    std::unique_lock<std::mutex> guard(state->lock);
    while (!state->finished) {
        if (!checkCancel())
            return std::nullopt;
        if (m_clock.elapsed() >= deadline) {
            fail(QStringLiteral("サーバー %1 の名前を %2 秒以内に調べられませんでした。")
                     .arg(host)
                     .arg(seconds(m_timeouts.connect)));
            return std::nullopt;
        }
        state->done.wait_for(guard, std::chrono::milliseconds(kSliceMs));
    }
    if (state->addresses.isEmpty()) {
        fail(QStringLiteral("サーバー %1 が見つかりませんでした（%2）。").arg(host, state->error));
        return std::nullopt;
    }
    return state->addresses;
}

bool LineSession::connectTo(const ServerAddress &address)
{
    abort();
    m_error.clear();
    m_cancelled = false;
    m_cancellable = true;
    m_lastRawByte = -1;
    m_address = address;
    const QString where = QStringLiteral("%1:%2").arg(address.host).arg(address.port);
    const qint64 deadline = m_clock.elapsed() + m_timeouts.connect.count();
    const auto addresses = lookUp(address.host, deadline);
    if (!addresses)
        return false;

    QString refused;
    for (const QHostAddress &ip : *addresses) {
        m_socket = std::make_unique<QSslSocket>();
        m_socket->setProxy(QNetworkProxy::NoProxy);
        m_socket->setPeerVerifyMode(QSslSocket::VerifyPeer);
        // Connected by address, verified (and introduced by SNI) by name.
        m_socket->setPeerVerifyName(address.host);
        // Commands are short and each waits for its reply; Nagle would only add delay.
        m_socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
        if (address.implicitTls) {
            offerSavedSession();
            m_socket->connectToHostEncrypted(ip.toString(), address.port, address.host);
        }
        else
            m_socket->connectToHost(ip, address.port);
        // Under TLS nothing is readable until a whole record is in, which can take a
        // while on a slow line; the raw socket below still shows that bytes arrive.
        for (QTcpSocket *raw : m_socket->findChildren<QTcpSocket *>(Qt::FindDirectChildrenOnly))
            QObject::connect(raw, &QIODevice::readyRead, m_socket.get(), [this] {
                noteActivity();
                m_lastRawByte = m_lastActivity;
                ++m_rawReads;
            });
        while (m_socket->state() != QAbstractSocket::ConnectedState) {
            if (!checkCancel())
                return false;
            if (m_clock.elapsed() >= deadline)
                return failAndAbort(QStringLiteral("サーバー %1 に %2 秒以内に接続できませんでした。")
                                        .arg(where)
                                        .arg(seconds(m_timeouts.connect)));
            if (m_socket->waitForConnected(kSliceMs))
                break;
            if (m_socket->error() != QAbstractSocket::SocketTimeoutError
                && m_socket->state() == QAbstractSocket::UnconnectedState) {
                refused = socketError();
                break;
            }
        }
        if (m_socket->state() == QAbstractSocket::ConnectedState)
            break;
    }
    if (m_socket->state() != QAbstractSocket::ConnectedState)
        return failAndAbort(QStringLiteral("サーバー %1 に接続できませんでした（%2）。").arg(where, refused));
    noteActivity();
    if (address.implicitTls && !waitForEncrypted())
        return false;
    return true;
}

bool LineSession::isEncrypted() const
{
    return m_socket && m_socket->isEncrypted();
}

bool LineSession::isConnected() const
{
    return m_socket && m_socket->state() == QAbstractSocket::ConnectedState;
}

qint64 LineSession::queuedInProgram() const
{
    return m_socket ? m_socket->bytesToWrite() + m_socket->encryptedBytesToWrite() : 0;
}

qint64 LineSession::pending() const
{
    // The kernel's queue counts too: bytes the server has not yet acknowledged.
    int unsent = 0;
    if (m_socket && m_socket->socketDescriptor() >= 0
        && ::ioctl(static_cast<int>(m_socket->socketDescriptor()), SIOCOUTQ, &unsent) != 0)
        unsent = 0;
    return queuedInProgram() + unsent;
}

void LineSession::reportUpload()
{
    if (m_uploadTotal <= 0 || !m_hooks || !m_hooks->uploadProgress)
        return;
    const qint64 sent = m_uploadHanded - pending();
    if (m_lastProgress >= 0 && m_clock.elapsed() - m_lastProgress < 100 && sent < m_uploadTotal)
        return;
    m_lastProgress = m_clock.elapsed();
    m_hooks->uploadProgress(qBound<qint64>(0, sent, m_uploadTotal), m_uploadTotal);
}

qint64 LineSession::unsentInKernel() const
{
    int unsent = 0;
    if (!m_socket || m_socket->socketDescriptor() < 0
        || ::ioctl(static_cast<int>(m_socket->socketDescriptor()), SIOCOUTQNSD, &unsent) != 0)
        return 0;
    return unsent;
}

// Waits until at most highWater bytes are still queued in the program, and with
// toTheWire until the kernel has sent everything too. Every byte the server
// takes counts as activity, so only a server that stops reading runs into the limit.
bool LineSession::drain(qint64 highWater, bool toTheWire)
{
    qint64 lastPending = pending();
    const qint64 waitStart = m_clock.elapsed();
    while (queuedInProgram() > highWater || (toTheWire && unsentInKernel() > 0)) {
        if (!checkCancel())
            return false;
        if (!isConnected())
            return failAndAbort(QStringLiteral("サーバーとの接続が切れました。"));
        const qint64 silent = m_clock.elapsed() - qMax(m_lastActivity, waitStart);
        if (silent >= m_timeouts.reply.count())
            return failAndAbort(QStringLiteral("サーバーが %1 秒間データを受け取りませんでした。")
                                    .arg(seconds(std::chrono::milliseconds(silent))));
        if (queuedInProgram() > 0)
            m_socket->waitForBytesWritten(kSliceMs);
        else
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        const qint64 now = pending();
        if (now < lastPending) {
            lastPending = now;
            noteActivity();
            reportUpload();
        }
    }
    return true;
}

bool LineSession::write(const QByteArray &bytes)
{
    if (!checkCancel())
        return false;
    if (!isConnected())
        return fail(QStringLiteral("サーバーとの接続が切れました。"));
    const QByteArray out = m_later.isEmpty() ? bytes : m_later + bytes;
    m_later.clear();
    if (m_socket->write(out) != out.size())
        return failAndAbort(QStringLiteral("サーバーへ送れませんでした（%1）。").arg(socketError()));
    noteActivity();
    // Bytes are handed to the kernel as they come; the reply wait flushes the rest.
    m_socket->flush();
    return true;
}

bool LineSession::writeLineLater(const QByteArray &line)
{
    if (!checkCancel())
        return false;
    if (!isConnected())
        return fail(QStringLiteral("サーバーとの接続が切れました。"));
    m_later += line + "\r\n";
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

    if (!checkCancel())
        return false;
    if (!isConnected())
        return fail(QStringLiteral("サーバーとの接続が切れました。"));
    // Handed over in pieces, so the progress is real and a cancel arrives before the final dot.
    constexpr qint64 kPiece = 64 * 1024;
    const qint64 total = block.size();
    m_lastProgress = -1;
    m_uploadTotal = total;
    m_uploadHanded = pending();
    noteActivity();
    for (qint64 offset = 0; offset < total;) {
        const qint64 piece = qMin(kPiece, total - offset);
        if (offset + piece == total && !checkCancel())
            return false;
        if (m_socket->write(block.constData() + offset, piece) != piece)
            return failAndAbort(QStringLiteral("サーバーへ送れませんでした（%1）。").arg(socketError()));
        offset += piece;
        m_uploadHanded += piece;
        // The last piece is not away until the final "." has left this machine: till
        // then a cancel still keeps it from the server.
        if (!drain(offset == total ? 0 : kPiece, offset == total))
            return false;
    }
    return true;
}

bool LineSession::writeLine(const QByteArray &line)
{
    return write(line + "\r\n");
}

bool LineSession::waitForMore(ReadLimit &limit)
{
    if (m_pos > 0 && (m_pos >= m_buffer.size() || m_pos > (1 << 16))) {
        m_buffer.remove(0, m_pos);
        m_pos = 0;
    }
    const auto take = [&] {
        const QByteArray bytes = m_socket->readAll();
        m_buffer += bytes;
        limit.received += bytes.size();
        if (limit.started < 0)
            limit.started = m_clock.elapsed();
        noteActivity();
        return true;
    };
    if (m_socket && m_socket->bytesAvailable() > 0)
        return take();
    if (!isConnected())
        return fail(QStringLiteral("サーバーとの接続が切れました。"));
    if (!m_later.isEmpty() && !write({}))
        return false;

    const qint64 waitStart = m_clock.elapsed();
    const quint64 rawAtStart = m_rawReads;
    qint64 lastPending = pending();
    for (;;) {
        if (!checkCancel())
            return false;
        // A cancel the line can no longer honour still shortens the long wait after an upload.
        const bool longWait = m_longReply && !cancelRequested();
        const qint64 silenceLimit = longWait ? m_timeouts.finalReply.count() : m_timeouts.reply.count();
        const qint64 now = m_clock.elapsed();
        const qint64 silent = now - qMax(m_lastActivity, waitStart);
        // Encrypted bytes that do not yet make a record start the reply's clock all the same.
        if (limit.started < 0 && m_rawReads != rawAtStart)
            limit.started = m_lastRawByte;
        if (silent >= silenceLimit)
            return failAndAbort(QStringLiteral("サーバーから %1 秒間応答がありませんでした。")
                                    .arg(seconds(std::chrono::milliseconds(silent))));
        if (limit.started >= 0) {
            const qint64 running = now - limit.started;
            if (limit.hardMs >= 0 && running >= limit.hardMs)
                return failAndAbort(QStringLiteral("サーバーの応答が %1 秒たっても終わりませんでした。")
                                        .arg(seconds(std::chrono::milliseconds(running))));
            if (limit.block && running > m_timeouts.blockGrace.count()
                && limit.received * 1000 < m_timeouts.blockMinRate * running)
                return failAndAbort(QStringLiteral("サーバーからの受信が遅すぎます（%1 秒で %2 バイト）。")
                                        .arg(seconds(std::chrono::milliseconds(running)))
                                        .arg(limit.received));
        }
        const bool ready = m_socket->waitForReadyRead(kSliceMs);
        if (m_socket->bytesAvailable() > 0)
            return take();
        const qint64 stillPending = pending();
        if (stillPending < lastPending) {
            lastPending = stillPending;
            noteActivity();
            reportUpload();
        }
        if (ready)
            continue;  // a TLS record that carried no data yet
        if (m_socket->error() != QAbstractSocket::SocketTimeoutError || !isConnected())
            return failAndAbort(QStringLiteral("サーバーとの接続が切れました。"));
    }
}

std::optional<QByteArray> LineSession::readLine()
{
    ReadLimit limit;
    limit.hardMs = m_timeouts.line.count();
    if (m_pos < m_buffer.size())
        limit.started = m_clock.elapsed();
    for (;;) {
        const qsizetype nl = m_buffer.indexOf('\n', m_pos);
        if (nl >= 0) {
            qsizetype end = nl;
            if (end > m_pos && m_buffer[end - 1] == '\r')
                --end;
            QByteArray line = m_buffer.mid(m_pos, end - m_pos);
            m_pos = nl + 1;
            m_longReply = false;
            m_uploadTotal = 0;
            return line;
        }
        if (m_buffer.size() - m_pos > kMaxLineLength) {
            failAndAbort(QStringLiteral("サーバーの応答が長すぎます。"));
            return std::nullopt;
        }
        if (!waitForMore(limit))
            return std::nullopt;
    }
}

std::optional<QByteArray> LineSession::readDotBlock(qint64 expectedSize)
{
    ReadLimit limit;
    limit.block = true;
    limit.started = m_clock.elapsed();
    limit.received = m_buffer.size() - m_pos;
    QByteArray block;
    if (expectedSize > 0)
        block.reserve(qMin<qint64>(expectedSize + 1024, kMaxBlockReserve));
    for (;;) {
        const qsizetype nl = m_buffer.indexOf('\n', m_pos);
        if (nl < 0) {
            if (block.size() + (m_buffer.size() - m_pos) > kMaxBlockSize) {
                failAndAbort(QStringLiteral("サーバーの応答が大きすぎます。"));
                return std::nullopt;
            }
            if (!waitForMore(limit))
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
        // A reset, so what the kernel still holds (a final ".") is dropped, never sent.
        if (const qintptr fd = m_socket->socketDescriptor(); fd >= 0) {
            const linger reset{1, 0};
            ::setsockopt(static_cast<int>(fd), SOL_SOCKET, SO_LINGER, &reset, sizeof reset);
        }
        m_socket->abort();
        m_socket.reset();
    }
    m_buffer.clear();
    m_later.clear();
    m_pos = 0;
    m_longReply = false;
    m_uploadTotal = 0;
}
