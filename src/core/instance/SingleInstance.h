#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <QPointer>

class QLocalServer;
class QLocalSocket;

// The running program's way back to a later start that waits for an answer
// (pintora --check, --search): lines of progress, then the outcome. Gone with its caller.
class InstanceReply : public QObject {
    Q_OBJECT
public:
    explicit InstanceReply(QLocalSocket *socket);
    void progress(const QString &text);
    void finish(int status, const QString &text);

private:
    QPointer<QLocalSocket> m_socket;
};

// One program per installation. The first start holds an exclusive lock on a
// file in the data folder for its whole life and listens on a local socket
// named after the installation's folder, in a folder only the user can enter;
// a later start finds the lock taken, hands its arguments (a mailto link, or
// nothing) to the first through the socket and ends. The lock alone decides
// who is first: a socket left behind by a crashed run is taken over. Nothing
// is handed to a peer running as another user.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    enum class Claim {
        First,       // this process holds the installation
        HandedOver,  // another one does; it received the arguments
        Failed,      // neither: errorString() says why
    };

    // For the installation AppPaths points at.
    explicit SingleInstance(QObject *parent = nullptr);
    ~SingleInstance() override;
    SingleInstance(const SingleInstance &) = delete;
    SingleInstance &operator=(const SingleInstance &) = delete;

    // Waits at most waitMs for the first copy to take the request before giving up.
    Claim claim(const QStringList &arguments, int waitMs = 2000);
    // After First: why later starts cannot reach this one, or nothing when they can.
    const QString &listenError() const { return m_listenError; }
    bool holdsLock() const { return m_lockFd >= 0; }
    // After a hand-over of a request that waits (--check): the running
    // program's answer, once it came, with its exit status.
    int answerStatus() const { return m_answerStatus; }
    const QString &answerText() const { return m_answerText; }
    // Requests whose start waits for the running program's answer.
    static bool waitsForAnswer(const QStringList &arguments);
    const QString &errorString() const { return m_error; }

    // A socket name for the installation: the same for every start from one
    // folder (links and all), different for another folder.
    static QString serverName(const QString &appDir);
    // Where the installation's socket may be, in the order a first start tries
    // them: the session's runtime folder when it is private, then a private
    // folder inside the data folder.
    static QStringList socketPaths();
    static QString lockPath();

signals:
    // A later start asked for the program, with its arguments. From the event loop,
    // after the request's socket handler has returned.
    void requested(const QStringList &arguments);
    // The same for a request that waits for an answer; reply carries it back.
    void answerRequested(const QStringList &arguments, InstanceReply *reply);

private:
    enum class Lock { Taken, Busy, Error };
    Lock lock();
    bool listen();
    Claim handOver(const QStringList &arguments, int waitMs);
    Claim awaitAnswer(QLocalSocket &socket, QByteArray pending);
    void accept();
    void readRequest(QLocalSocket *socket);

    int m_lockFd = -1;
    QLocalServer *m_server = nullptr;
    QString m_error;
    QString m_listenError;
    int m_answerStatus = 0;
    QString m_answerText;
};
