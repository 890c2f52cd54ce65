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
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A request is a few arguments; anything larger is not one of ours.
constexpr qint64 kMaxRequestBytes = 1 << 20;
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

QString errnoText(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

int remaining(const QDeadlineTimer &deadline)
{
    return int(qBound(qint64(1), deadline.remainingTime(), qint64(1000000)));
}

// No one else may plant a socket where ours is looked for, nor reach ours.
bool isPrivateFolder(const QByteArray &path)
{
    struct stat status {};
    return ::lstat(path.constData(), &status) == 0 && S_ISDIR(status.st_mode) && status.st_uid == ::geteuid()
        && (status.st_mode & 077) == 0;
}

// Makes the folder, or tightens it when it is ours and open to others.
bool ensurePrivateFolder(const QString &folder, QString *why)
{
    const QByteArray path = QFile::encodeName(folder);
    if (::mkdir(path.constData(), 0700) != 0 && errno != EEXIST) {
        *why = QStringLiteral("%1 を作成できません（%2）").arg(folder, errnoText(errno));
        return false;
    }
    struct stat status {};
    if (::lstat(path.constData(), &status) != 0) {
        *why = QStringLiteral("%1 を調べられません（%2）").arg(folder, errnoText(errno));
        return false;
    }
    if (!S_ISDIR(status.st_mode) || status.st_uid != ::geteuid()) {
        *why = QStringLiteral("%1 はこのユーザーのフォルダではありません").arg(folder);
        return false;
    }
    if ((status.st_mode & 077) != 0 && ::chmod(path.constData(), 0700) != 0) {
        *why = QStringLiteral("%1 をほかのユーザーから閉じられません（%2）").arg(folder, errnoText(errno));
        return false;
    }
    return true;
}

// The user the process at the other end of a local socket runs as.
bool peerUser(qintptr descriptor, uid_t *user)
{
    ucred peer {};
    socklen_t size = sizeof peer;
    if (descriptor < 0 || ::getsockopt(int(descriptor), SOL_SOCKET, SO_PEERCRED, &peer, &size) != 0)
        return false;
    *user = peer.uid;
    return true;
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

SingleInstance::SingleInstance(QObject *parent) : QObject(parent)
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
    return QStringLiteral("pintora-%1").arg(QString::fromLatin1(hash));
}

QStringList SingleInstance::socketPaths()
{
    QStringList paths;
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    if (runtime.startsWith('/') && isPrivateFolder(runtime))
        paths << QFile::decodeName(runtime) + u'/' + serverName(AppPaths::appDir());
    paths << AppPaths::resolve(AppPaths::kDataFolder) + QStringLiteral("/socket/pintora");
    return paths;
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
        m_error = QStringLiteral("%1 を開けません（%2）。").arg(path, errnoText(errno));
        return Lock::Error;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        ::close(fd);
        if (error == EWOULDBLOCK)
            return Lock::Busy;
        m_error = QStringLiteral("%1 をロックできません（%2）。").arg(path, errnoText(error));
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
    // The lock keeps the data safe; only later starts cannot reach this one (listenError).
    listen();
    return Claim::First;
}

bool SingleInstance::listen()
{
    QStringList failures;
    for (const QString &path : socketPaths()) {
        QString why;
        if (!ensurePrivateFolder(QFileInfo(path).path(), &why)) {
            failures << why;
            continue;
        }
        auto *server = new QLocalServer(this);
        server->setSocketOptions(QLocalServer::UserAccessOption);
        // Holding the lock, whatever answers to the name was left by a run that ended badly.
        QLocalServer::removeServer(path);
        if (server->listen(path)) {
            m_server = server;
            connect(m_server, &QLocalServer::newConnection, this, &SingleInstance::accept);
            return true;
        }
        failures << QStringLiteral("%1: %2").arg(path, server->errorString());
        delete server;
    }
    m_listenError = QStringLiteral("ほかの起動からの呼び出しを受け付けられません。リンクや二つ目の起動は、この Pintora に届きません。\n%1")
                        .arg(failures.join(u'\n'));
    return false;
}

void SingleInstance::accept()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        uid_t user = 0;
        if (!peerUser(socket->socketDescriptor(), &user) || user != ::geteuid()) {
            socket->abort();
            socket->deleteLater();
            continue;
        }
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
    if (size > kMaxRequestBytes) {
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
    const QStringList paths = socketPaths();
    QString why;
    bool reached = false;
    do {
        for (const QString &path : paths) {
            QLocalSocket socket;
            socket.connectToServer(path);
            if (!socket.waitForConnected(remaining(deadline))) {
                why = socket.errorString();
                continue;
            }
            // A link may hold what the user is about to write: only our own program hears it.
            uid_t user = 0;
            if (!peerUser(socket.socketDescriptor(), &user) || user != ::geteuid()) {
                m_error = QStringLiteral("%1 で待っているのは別のユーザー（uid %2）のプログラムです。何も渡さずに終わります。")
                              .arg(path)
                              .arg(user);
                return Claim::Failed;
            }
            reached = true;
            socket.write(encode(arguments));
            QByteArray answer;
            while (answer.size() < kAck.size() && socket.waitForReadyRead(remaining(deadline)))
                answer += socket.readAll();
            if (answer.startsWith(kAck))
                return waitsForAnswer(arguments) ? awaitAnswer(socket, answer.mid(kAck.size())) : Claim::HandedOver;
            why = socket.errorString();
        }
        if (!deadline.hasExpired())
            QThread::msleep(100);
    } while (!deadline.hasExpired());
    const QString seconds = QString::number(waitMs / 1000.0, 'g', 3);
    m_error = reached ? QStringLiteral("Pintora はこのフォルダで既に動いていますが、%1 秒待っても応答がありません。").arg(seconds)
                      : QStringLiteral("Pintora はこのフォルダで既に動いていますが、呼び出しを受け付けていません（%1）。").arg(why);
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
        if (pending.size() > kMaxRequestBytes || !socket.waitForReadyRead(kAnswerSilenceMs))
            break;
        pending += socket.readAll();
    }
    m_error = QStringLiteral("起動中の Pintora から答えが返りませんでした（%1）。").arg(socket.errorString());
    return Claim::Failed;
}
