#include "support/MailServers.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QSslCertificate>
#include <QSslConfiguration>
#include <QUuid>

#include <gtest/gtest.h>

#include <atomic>
#include <unistd.h>

#ifndef PINTORA_SERVERS_INI
#define PINTORA_SERVERS_INI ""
#endif

namespace {

// The servers run as another user when the tests run as root; the mailbox must be theirs.
void handOver(const QString &path, int uid, int gid)
{
    if (uid >= 0)
        (void)!::chown(QFile::encodeName(path).constData(), uid, gid);
}

} // namespace

const MailServers *MailServers::get()
{
    static const MailServers *servers = [] () -> const MailServers * {
        QFile file(QString::fromUtf8(PINTORA_SERVERS_INI));
        if (!file.open(QIODevice::ReadOnly))
            return nullptr;
        auto *s = new MailServers;
        for (const QByteArray &line : file.readAll().split('\n')) {
            const qsizetype eq = line.indexOf('=');
            if (eq < 0)
                continue;
            const QByteArray key = line.left(eq);
            const QString value = QString::fromUtf8(line.mid(eq + 1));
            if (key == "host") s->host = value;
            else if (key == "pop3") s->pop3 = value.toInt();
            else if (key == "pop3s") s->pop3s = value.toInt();
            else if (key == "smtp") s->smtp = value.toInt();
            else if (key == "submission") s->submission = value.toInt();
            else if (key == "smtps") s->smtps = value.toInt();
            else if (key == "password") s->password = value;
            else if (key == "cert") s->certificate = value;
            else if (key == "maildirs") s->maildirs = value;
            else if (key == "uid") s->uid = value.toInt();
            else if (key == "gid") s->gid = value.toInt();
            else if (key == "oauth") s->oauth = value.toInt();
            else if (key == "oauth_pop3") s->oauthPop3 = value.toInt();
            else if (key == "oauth_pop3s") s->oauthPop3s = value.toInt();
        }
        return s;
    }();
    return servers;
}

QString MailServers::freshUser()
{
    const auto *info = ::testing::UnitTest::GetInstance()->current_test_info();
    QString name = info ? QString::fromUtf8(info->name()).toLower() : QStringLiteral("user");
    name = name.left(40);
    return name + u'-' + QUuid::createUuid().toString(QUuid::Id128).left(8);
}

void MailServers::deliver(const QString &user, const QByteArray &raw) const
{
    static std::atomic<int> counter{0};
    const QString maildir = maildirs + u'/' + user + QStringLiteral("/Maildir");
    for (const char *sub : {"/tmp", "/new", "/cur"})
        QDir().mkpath(maildir + QString::fromLatin1(sub));
    for (const QString &dir : {maildirs + u'/' + user, maildir, maildir + QStringLiteral("/tmp"),
                               maildir + QStringLiteral("/new"), maildir + QStringLiteral("/cur")})
        handOver(dir, uid, gid);
    // Dovecot numbers new mails in the order their names sort.
    const QString name = QStringLiteral("%1.%2_%3.pintora-test")
                             .arg(QDateTime::currentMSecsSinceEpoch() * 1000, 20, 10, QChar(u'0'))
                             .arg(counter++, 8, 10, QChar(u'0'))
                             .arg(::getpid());
    const QString tmp = maildir + QStringLiteral("/tmp/") + name;
    QFile file(tmp);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(raw), raw.size());
    file.close();
    handOver(tmp, uid, gid);
    ASSERT_TRUE(QFile::rename(tmp, maildir + QStringLiteral("/new/") + name));
}

int MailServers::waiting(const QString &user) const
{
    const QString maildir = maildirs + u'/' + user + QStringLiteral("/Maildir");
    return static_cast<int>(QDir(maildir + QStringLiteral("/new")).entryList(QDir::Files).size()
                            + QDir(maildir + QStringLiteral("/cur")).entryList(QDir::Files).size());
}

QList<QByteArray> MailServers::delivered(const QString &user) const
{
    QList<QByteArray> mails;
    const QDir dir(maildirs + u'/' + user + QStringLiteral("/Maildir/new"));
    for (const QString &name : dir.entryList(QDir::Files, QDir::Name)) {
        QFile file(dir.filePath(name));
        if (file.open(QIODevice::ReadOnly))
            mails << file.readAll();
    }
    return mails;
}

QString MailServers::harnessFolder()
{
    return QStringLiteral(PINTORA_HARNESS_DIR);
}

QStringList MailServers::tlsSessions(const QString &user) const
{
    QStringList states;
    QFile log(maildirs + QStringLiteral("/../tls-sessions.log"));
    if (!log.open(QIODevice::ReadOnly))
        return states;
    for (const QByteArray &line : log.readAll().split('\n')) {
        const QList<QByteArray> words = line.split(' ');
        if (words.size() == 2 && words[0].left(words[0].indexOf('@')) == user.toUtf8())
            states << QString::fromLatin1(words[1]);
    }
    return states;
}

void MailServers::trustCertificate() const
{
    QSslConfiguration config = QSslConfiguration::defaultConfiguration();
    config.addCaCertificates(QSslCertificate::fromPath(certificate));
    QSslConfiguration::setDefaultConfiguration(config);
}

void MailServers::distrustAll()
{
    QSslConfiguration config = QSslConfiguration::defaultConfiguration();
    config.setCaCertificates(QSslConfiguration::systemCaCertificates());
    QSslConfiguration::setDefaultConfiguration(config);
}
