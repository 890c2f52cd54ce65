#pragma once

#include "support/SilentPrompt.h"

#include "core/common/AppPaths.h"

#include <QDir>
#include <QFile>
#include <QList>
#include <QMap>
#include <QProcess>
#include <QSslCertificate>
#include <QSslConfiguration>
#include <QString>
#include <QTemporaryDir>

#include <cstdio>

#include <unistd.h>

// The test harness's real mail servers for a benchmark, in a state folder of its own.
namespace BenchHarness {

inline bool start(const QString &state)
{
    return QProcess::execute(QStringLiteral("/usr/bin/python3"),
                             {QStringLiteral(PINTORA_HARNESS_SCRIPT), QStringLiteral("start"), state})
        == 0;
}

inline void stop(const QString &state)
{
    QProcess::execute(QStringLiteral("/usr/bin/python3"),
                      {QStringLiteral(PINTORA_HARNESS_SCRIPT), QStringLiteral("stop"), state});
}

// servers.ini as key -> value: host, pop3, smtp, password, cert, maildirs, uid, gid...
inline QMap<QString, QString> servers(const QString &state)
{
    QMap<QString, QString> values;
    QFile ini(state + QStringLiteral("/servers.ini"));
    ini.open(QIODevice::ReadOnly);
    for (const QByteArray &line : ini.readAll().split('\n'))
        if (line.contains('='))
            values[QString::fromUtf8(line.left(line.indexOf('=')))] = QString::fromUtf8(line.mid(line.indexOf('=') + 1));
    return values;
}

// Puts the mails into the user's mailbox, in this order, owned by the servers' user.
inline void deliver(const QString &maildirs, int uid, int gid, const QString &user, const QList<QByteArray> &mails)
{
    const QString maildir = maildirs + u'/' + user + QStringLiteral("/Maildir");
    const QStringList dirs{maildirs + u'/' + user, maildir, maildir + QStringLiteral("/tmp"),
                           maildir + QStringLiteral("/new"), maildir + QStringLiteral("/cur")};
    for (const QString &dir : dirs) {
        QDir().mkpath(dir);
        (void)!::chown(QFile::encodeName(dir).constData(), uid, gid);
    }
    for (int i = 0; i < mails.size(); ++i) {
        // Dovecot numbers new mails in the order their names sort.
        const QString path = maildir + QStringLiteral("/new/%1.bench").arg(i, 8, 10, QChar(u'0'));
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write(mails[i]);
        f.close();
        (void)!::chown(QFile::encodeName(path).constData(), uid, gid);
    }
}

// The servers for as long as it lives, in a temporary state folder of their own.
class RunningServers {
public:
    RunningServers() : m_state(m_work.filePath(QStringLiteral("harness"))), m_started(start(m_state))
    {
        if (m_started)
            m_ini = servers(m_state);
        else
            std::fprintf(stderr, "the mail servers did not start\n");
    }
    ~RunningServers()
    {
        if (m_started)
            stop(m_state);
    }
    RunningServers(const RunningServers &) = delete;
    RunningServers &operator=(const RunningServers &) = delete;

    bool started() const { return m_started; }
    const QString &state() const { return m_state; }
    const QMap<QString, QString> &ini() const { return m_ini; }
    // A file beside the state folder, gone with it.
    QString workPath(const QString &name) const { return m_work.filePath(name); }

private:
    QTemporaryDir m_work;
    QString m_state;
    bool m_started;
    QMap<QString, QString> m_ini;
};

} // namespace BenchHarness

// A fresh installation in a temporary folder that trusts the harness's certificate
// and answers every box silently, for as long as it lives.
class BenchInstallation {
public:
    explicit BenchInstallation(const QString &certificate)
    {
        QSslConfiguration ssl = QSslConfiguration::defaultConfiguration();
        ssl.addCaCertificates(QSslCertificate::fromPath(certificate));
        QSslConfiguration::setDefaultConfiguration(ssl);
        AppPaths::setAppDir(m_dir.path());
        AppPaths::ensureInstallationFolders();
        Prompt::install(&prompt);
    }
    ~BenchInstallation() { Prompt::install(nullptr); }
    BenchInstallation(const BenchInstallation &) = delete;
    BenchInstallation &operator=(const BenchInstallation &) = delete;

    SilentPrompt prompt;

private:
    QTemporaryDir m_dir;
};
