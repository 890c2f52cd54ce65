#include "core/instance/SingleInstance.h"

#include "core/common/AppPaths.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QPointer>
#include <QThread>
#include <QTimer>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

// A request is a few arguments; anything larger is not one of ours.
constexpr qint64 kMaxRequest = 1 << 20;
constexpr int kRequestTimeoutMs = 10000;
// A waiting request hears at least this often while the running program works on it.
constexpr int kAnswerSilenceMs = 120000;
const QByteArray kAck = QByteArrayLiteral("OK\n");
const QByteArray kProgress = QByteArrayLiteral("P ");
const QByteArray kResult = QByteArrayLiteral("R ");

QByteArray encode(const QStringList &arguments)
{
    QByteArray body;
    QDataStream out(&body, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_6_4);
    out << arguments;
    QByteArray packet;
    QDataStream head(&packet, QIODevice::WriteOnly);
    head << quint32(body.size());
    return packet + body;
}

QString systemError(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

} // namespace

InstanceReply::InstanceReply(QLocalSocket *socket) : QObject(socket), m_socket(socket)
{
}

void InstanceReply::progress(const QString &text)
{
    if (m_socket)
        m_socket->write(kProgress + text.simplified().toUtf8() + '\n');
}

void InstanceReply::finish(int status, const QString &text)
{
    if (!m_socket)
        return;
    m_socket->write(kResult + QByteArray::number(status) + ' ' + text.simplified().toUtf8() + '\n');
    m_socket->disconnectFromServer();
}

bool SingleInstance::waitsForAnswer(const QStringList &arguments)
{
    return arguments.value(0) == QLatin1String("--check") || arguments.value(0) == QLatin1String("--search");
}

SingleInstance::SingleInstance(QObject *parent) : QObject(parent), m_name(serverName(AppPaths::appDir()))
{
}

SingleInstance::~SingleInstance()
{
    if (m_server)
        m_server->close();
    if (m_lockFd >= 0)
        ::close(m_lockFd);  // closing the descriptor lets go of the lock
}

QString SingleInstance::serverName(const QString &appDir)
{
    QString canonical = QFileInfo(appDir).canonicalFilePath();
    if (canonical.isEmpty())
        canonical = QFileInfo(appDir).absoluteFilePath();
    const QByteArray hash =
        QCryptographicHash::hash(QFile::encodeName(canonical), QCryptographicHash::Sha256).toHex().left(24);
    return QStringLiteral("pintora-%1-%2").arg(::getuid()).arg(QString::fromLatin1(hash));
}

QString SingleInstance::lockPath()
{
    return AppPaths::resolve(AppPaths::kDataFolder) + QStringLiteral("/pintora.lock");
}

SingleInstance::Lock SingleInstance::lock()
{
    const QString path = lockPath();
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0644);
    if (fd < 0) {
        m_error = QStringLiteral("%1 を開けません（%2）。").arg(path, systemError(errno));
        return Lock::Error;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        ::close(fd);
        if (error == EWOULDBLOCK)
            return Lock::Busy;
        m_error = QStringLiteral("%1 をロックできません（%2）。").arg(path, systemError(error));
        return Lock::Error;
    }
    m_lockFd = fd;
    return Lock::Taken;
}

SingleInstance::Claim SingleInstance::claim(const QStringList &arguments, int waitMs)
{
    switch (lock()) {
    case Lock::Error:
        return Claim::Failed;
    case Lock::Busy:
        return handOver(arguments, waitMs);
    case Lock::Taken:
        break;
    }
    if (!listen()) {
        // The lock keeps the data safe; only later starts cannot reach this one.
        qWarning("%s", qPrintable(m_error));
    }
    return Claim::First;
}

bool SingleInstance::listen()
{
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    // Holding the lock, whatever answers to the name was left by a run that ended badly.
    QLocalServer::removeServer(m_name);
    if (!m_server->listen(m_name)) {
        m_error = QStringLiteral("ほかの起動からの呼び出しを受け付けられません（%1）。").arg(m_server->errorString());
        return false;
    }
    connect(m_server, &QLocalServer::newConnection, this, &SingleInstance::accept);
    return true;
}

void SingleInstance::accept()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { readRequest(socket); });
        // A caller that never finishes its request is not waited for.
        QTimer::singleShot(kRequestTimeoutMs, socket, [socket] {
            if (!socket->property("done").toBool())
                socket->abort();
        });
        readRequest(socket);
    }
}

void SingleInstance::readRequest(QLocalSocket *socket)
{
    if (socket->property("done").toBool())
        return;
    if (socket->bytesAvailable() < 4)
        return;
    QDataStream peek(socket->peek(4));
    quint32 size = 0;
    peek >> size;
    if (size > kMaxRequest) {
        socket->abort();
        return;
    }
    if (socket->bytesAvailable() < 4 + qint64(size))
        return;
    socket->read(4);
    QDataStream in(socket->read(size));
    in.setVersion(QDataStream::Qt_6_4);
    QStringList arguments;
    in >> arguments;
    if (in.status() != QDataStream::Ok) {
        socket->abort();
        return;
    }
    socket->setProperty("done", true);
    socket->write(kAck);
    socket->flush();
    // Not from inside the socket's handler: a request may lead to a box, and the caller
    // hanging up meanwhile frees the socket under it.
    if (waitsForAnswer(arguments)) {
        QPointer<InstanceReply> reply(new InstanceReply(socket));
        QMetaObject::invokeMethod(
            this,
            [this, arguments, reply] {
                if (reply)
                    emit answerRequested(arguments, reply);
            },
            Qt::QueuedConnection);
        return;
    }
    QMetaObject::invokeMethod(this, [this, arguments] { emit requested(arguments); }, Qt::QueuedConnection);
}

SingleInstance::Claim SingleInstance::handOver(const QStringList &arguments, int waitMs)
{
    // The first copy may still be starting: it holds the lock before it listens.
    QDeadlineTimer deadline(waitMs);
    QString why;
    do {
        QLocalSocket socket;
        socket.connectToServer(m_name);
        if (socket.waitForConnected(1000)) {
            socket.write(encode(arguments));
            QByteArray answer;
            while (answer.size() < kAck.size() && socket.waitForReadyRead(int(qMax<qint64>(deadline.remainingTime(), 1))))
                answer += socket.readAll();
            if (answer.startsWith(kAck))
                return waitsForAnswer(arguments) ? awaitAnswer(socket, answer.mid(kAck.size())) : Claim::HandedOver;
            why = socket.errorString();
        } else {
            why = socket.errorString();
        }
        QThread::msleep(100);
    } while (!deadline.hasExpired());
    m_error = QStringLiteral("Pintora はこのフォルダで既に動いていますが、応答がありません（%1）。").arg(why);
    return Claim::Failed;
}

SingleInstance::Claim SingleInstance::awaitAnswer(QLocalSocket &socket, QByteArray pending)
{
    // Progress lines keep the wait alive; silence for this long means the program hangs.
    for (;;) {
        while (pending.contains('\n')) {
            const qsizetype end = pending.indexOf('\n');
            const QByteArray line = pending.left(end);
            pending.remove(0, end + 1);
            if (line.startsWith(kResult)) {
                const QByteArray rest = line.mid(kResult.size());
                const qsizetype space = rest.indexOf(' ');
                m_answerStatus = rest.left(space).toInt();
                m_answerText = QString::fromUtf8(space < 0 ? QByteArray() : rest.mid(space + 1));
                return Claim::HandedOver;
            }
        }
        if (pending.size() > kMaxRequest || !socket.waitForReadyRead(kAnswerSilenceMs))
            break;
        pending += socket.readAll();
    }
    m_error = QStringLiteral("起動中の Pintora から答えが返りませんでした（%1）。").arg(socket.errorString());
    return Claim::Failed;
}
