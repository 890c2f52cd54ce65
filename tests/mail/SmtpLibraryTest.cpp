#include "core/mail/net/LineSession.h"
#include "core/mail/MailLibrary.h"
#include "core/mail/mime/OutgoingMail.h"
#include "core/mail/net/SmtpSession.h"
#include "core/settings/AccountFile.h"
#include "core/settings/RuntimeSettings.h"

#include "support/MailServerTest.h"
#include "support/ScriptedServer.h"
#include "support/MailReader.h"
#include "support/Sandbox.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QProcess>
#include <QSslCertificate>
#include <QSslConfiguration>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

namespace {

class SmtpLibrary : public MailServerTest {
protected:
    void SetUp() override
    {
        MailServerTest::SetUp();
        if (IsSkipped())
            return;
    }
    void TearDown() override { LineSession::setDefaultTimeouts(LineSession::kDefaultTimeouts); }

    QString address(const QString &local) const { return local + QStringLiteral("@example.jp"); }

    OutgoingMail mailTo(const QString &to, const QString &subject, const QString &body) const
    {
        OutgoingMail mail;
        mail.server = QStringLiteral("%1:%2").arg(servers->host).arg(servers->smtp);
        mail.to = to;
        mail.from = QStringLiteral("sender@example.jp");
        mail.subject = subject;
        mail.body = body;
        mail.accountId = accountId;
        mail.accountPassword = accountPassword;
        return mail;
    }

    void storeAccount(const QString &id, const QString &password)
    {
        accountId = id;
        accountPassword = password;
    }

    QString accountId;
    QString accountPassword;

    Sandbox sandbox;
    MailLibrary &library = MailLibrary::instance();
};

struct TextRow {
    const char *label;
    const char16_t *subject;
    const char16_t *body;
    const char16_t *fileName;
};

class SmtpRoundTrip : public SmtpLibrary, public ::testing::WithParamInterface<TextRow> {};

} // namespace

TEST_P(SmtpRoundTrip, TheReceivedMailReadsBackExactly)
{
    QTemporaryDir dir;
    const QString fileName = QString::fromUtf16(GetParam().fileName);
    const QString attachment = dir.filePath(fileName);
    QFile file(attachment);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("attached\r\n.line with a dot\r\n");
    file.close();

    const QString subject = QString::fromUtf16(GetParam().subject);
    const QString body = QString::fromUtf16(GetParam().body);
    OutgoingMail mail = mailTo(QStringLiteral("受取人<%1>").arg(address(user)), subject, body);
    mail.attachments = attachment;
    ASSERT_EQ(library.smtpSendMail(mail), 0) << library.lastError().toStdString();

    const QList<QByteArray> mails = servers->delivered(user);
    ASSERT_EQ(mails.size(), 1);
    const QJsonObject seen = MailReader::read(mails[0]);
    EXPECT_EQ(seen[QStringLiteral("subject")].toString(), subject);
    QString expected = body;
    expected.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    EXPECT_EQ(seen[QStringLiteral("body")].toString(), expected + u'\n');
    const QJsonArray parts = seen[QStringLiteral("attachments")].toArray();
    ASSERT_EQ(parts.size(), 1);
    EXPECT_EQ(parts[0][QStringLiteral("filename")].toString(), fileName);
    EXPECT_EQ(QByteArray::fromBase64(parts[0][QStringLiteral("data")].toString().toLatin1()),
              QByteArray("attached\r\n.line with a dot\r\n"));
    EXPECT_EQ(seen[QStringLiteral("to")].toArray()[0].toArray()[0].toString(), QStringLiteral("受取人"));
}

INSTANTIATE_TEST_SUITE_P(
    Charsets, SmtpRoundTrip,
    ::testing::Values(TextRow{"ascii", u"Plain subject", u"Hello\r\n.a line starting with a dot\r\n..two",
                              u"notes 2026.txt"},
                      TextRow{"jis", u"ご案内：来週の会議", u"いつもお世話になっております。\r\n.点で始まる行",
                              u"議事録（第３回）.txt"},
                      TextRow{"cp932", u"①～ⅱ㈱の件", u"丸数字①、波ダッシュ～、ｶﾅ、😀", u"添付①～ｶﾅ.txt"}),
    [](const auto &info) { return std::string(info.param.label); });

TEST_F(SmtpLibrary, SwitchesToTlsWheneverTheServerOffersStartTls)
{
    SmtpSession session;
    ASSERT_TRUE(session.open(QStringLiteral("%1:%2").arg(servers->host).arg(servers->smtp)))
        << session.errorText().toStdString();
    EXPECT_TRUE(session.isEncrypted());
    session.quit();
}

TEST_F(SmtpLibrary, LogsInOnTheSubmissionPortAfterStartTls)
{
    storeAccount(user, servers->password);
    OutgoingMail mail = mailTo(address(user), QStringLiteral("auth"), QStringLiteral("x"));
    mail.server = QStringLiteral("smtp://%1:%2").arg(servers->host).arg(servers->submission);
    ASSERT_EQ(library.smtpSendMail(mail), 0) << library.lastError().toStdString();
    EXPECT_EQ(servers->delivered(user).size(), 1);

    SmtpSession session;
    ASSERT_TRUE(session.open(mail.server));
    ASSERT_TRUE(session.authenticate({user, servers->password})) << session.errorText().toStdString();
    EXPECT_TRUE(session.authenticated());
    session.quit();
}

TEST_F(SmtpLibrary, AWrongPasswordIsTheServersRefusalVerbatim)
{
    storeAccount(user, QStringLiteral("wrong"));
    OutgoingMail mail = mailTo(address(user), QStringLiteral("auth"), QStringLiteral("x"));
    mail.server = QStringLiteral("%1:%2").arg(servers->host).arg(servers->submission);
    EXPECT_LT(library.smtpSendMail(mail), 0);
    EXPECT_TRUE(library.lastError().startsWith(QStringLiteral("535"))) << library.lastError().toStdString();
    EXPECT_TRUE(servers->delivered(user).isEmpty());
}

TEST_F(SmtpLibrary, SendsOverImplicitTls)
{
    storeAccount(user, servers->password);
    OutgoingMail mail = mailTo(address(user), QStringLiteral("smtps"), QStringLiteral("x"));
    mail.server = QStringLiteral("smtps://%1:%2").arg(servers->host).arg(servers->smtps);
    ASSERT_EQ(library.smtpSendMail(mail), 0) << library.lastError().toStdString();
    EXPECT_EQ(servers->delivered(user).size(), 1);
}

TEST_F(SmtpLibrary, ARefusedRecipientIsNamedWithTheServersWords)
{
    const QString rejected = address(QStringLiteral("reject550-") + user);
    EXPECT_LT(library.smtpSendMail(mailTo(rejected, QStringLiteral("s"), QStringLiteral("b"))), 0);
    EXPECT_EQ(library.lastError(),
              QStringLiteral("受け付けられなかった宛先があるため、メールはどの宛先にも送信されていません。\n"
                             "%1: 550 5.1.1 <%1>: Recipient address rejected: User unknown")
                  .arg(rejected));

    const QString later = address(QStringLiteral("tempfail451-") + user);
    EXPECT_LT(library.smtpSendMail(mailTo(later, QStringLiteral("s"), QStringLiteral("b"))), 0);
    EXPECT_TRUE(library.lastError().endsWith(
        QStringLiteral("\n%1: 451 4.3.0 <%1>: Temporary lookup failure, try again later").arg(later)));
}

TEST_F(SmtpLibrary, OneRefusedRecipientSendsToNobodyAndEveryRefusedOneIsListed)
{
    const QString rejected = address(QStringLiteral("reject550-") + user);
    const QString later = address(QStringLiteral("tempfail451-") + user);
    const QString to = address(user) + u',' + rejected + u',' + address(user + QStringLiteral("-b")) + u',' + later;
    EXPECT_LT(library.smtpSendMail(mailTo(to, QStringLiteral("s"), QStringLiteral("b"))), 0);
    EXPECT_TRUE(servers->delivered(user).isEmpty());
    EXPECT_TRUE(servers->delivered(user + QStringLiteral("-b")).isEmpty());
    const QStringList lines = library.lastError().split(u'\n');
    ASSERT_EQ(lines.size(), 3) << library.lastError().toStdString();
    EXPECT_EQ(lines[0], QStringLiteral("受け付けられなかった宛先があるため、メールはどの宛先にも送信されていません。"));
    EXPECT_TRUE(lines[1].startsWith(rejected + QStringLiteral(": 550 ")));
    EXPECT_TRUE(lines[2].startsWith(later + QStringLiteral(": 451 ")));
}

TEST_F(SmtpLibrary, ABadServerTextOrAMissingAttachmentFailsWithoutAConnection)
{
    OutgoingMail mail = mailTo(address(user), QStringLiteral("s"), QStringLiteral("b"));
    mail.server = QStringLiteral("ftp://example.jp");
    EXPECT_LT(library.smtpSendMail(mail), 0);
    EXPECT_TRUE(library.lastError().contains(QStringLiteral("ftp://example.jp")));
    mail.server = QStringLiteral("%1:%2").arg(servers->host).arg(servers->smtp);
    mail.attachments = QStringLiteral("/no/such/file.bin");
    EXPECT_LT(library.smtpSendMail(mail), 0);
    EXPECT_TRUE(library.lastError().contains(QStringLiteral("/no/such/file.bin")));
    EXPECT_TRUE(servers->delivered(user).isEmpty());
}

TEST_F(SmtpLibrary, FallsBackToHeloAndSendsDotStuffedData)
{
    QByteArray data;
    ScriptedServer server([&data](ScriptedServer::Peer &peer) {
        peer.send("220 old.example.jp ready\r\n");
        peer.expect("EHLO ", "502 5.5.2 Command not recognized\r\n");
        peer.expect("HELO ", "250 old.example.jp\r\n");
        peer.expect("MAIL FROM:<sender@example.jp>", "250 OK\r\n");
        peer.expect("RCPT TO:<a@example.jp>", "250 OK\r\n");
        peer.expect("DATA", "354 go ahead\r\n");
        // Blank lines belong to the message; a client that hung up gives nothing but them.
        for (int lines = 0; lines < 10000; ++lines) {
            const QByteArray line = peer.readLine();
            if (line == ".")
                break;
            data += line + "\r\n";
        }
        peer.send("250 queued\r\n");
        peer.waitForHangUp();
    });
    OutgoingMail mail = mailTo(QStringLiteral("a@example.jp"), QStringLiteral("s"), QStringLiteral(".dot\r\n.\r\nend"));
    mail.server = server.address();
    ASSERT_EQ(library.smtpSendMail(mail), 0) << library.lastError().toStdString();
    EXPECT_FALSE(server.scriptMismatched());
    EXPECT_TRUE(data.contains("\r\n..dot\r\n..\r\nend\r\n")) << data.constData();
}

TEST_F(SmtpLibrary, AMailLargerThanTheAnnouncedSizeFailsBeforeUploading)
{
    bool mailed = false;
    ScriptedServer server([&mailed](ScriptedServer::Peer &peer) {
        peer.send("220 small.example.jp ready\r\n");
        peer.expect("EHLO ", "250-small.example.jp\r\n250-SIZE 1000\r\n250 8BITMIME\r\n");
        const QByteArray next = peer.readLine();
        mailed = next.startsWith("MAIL");
        if (next.startsWith("QUIT"))
            peer.send("221 bye\r\n");
        peer.waitForHangUp();
    });
    OutgoingMail mail = mailTo(QStringLiteral("a@example.jp"), QStringLiteral("s"), QString(2000, u'x'));
    mail.server = server.address();
    EXPECT_LT(library.smtpSendMail(mail), 0);
    EXPECT_FALSE(mailed);
    EXPECT_TRUE(library.lastError().startsWith(QStringLiteral("メールが大きすぎるため送信できません。")))
        << library.lastError().toStdString();
    EXPECT_TRUE(library.lastError().endsWith(QStringLiteral("SMTPサーバーの上限: 1000 バイト")));
}

TEST_F(SmtpLibrary, AMultiLineRefusalIsShownWhole)
{
    ScriptedServer server([](ScriptedServer::Peer &peer) {
        peer.send("554-mail.example.jp no service\r\n554 5.7.1 go away\r\n");
        peer.waitForHangUp();
    });
    OutgoingMail mail = mailTo(QStringLiteral("a@example.jp"), QStringLiteral("s"), QStringLiteral("b"));
    mail.server = server.address();
    EXPECT_LT(library.smtpSendMail(mail), 0);
    EXPECT_EQ(library.lastError(), QStringLiteral("554-mail.example.jp no service\n554 5.7.1 go away"));
}

TEST_F(SmtpLibrary, ASilentServerEndsInAnErrorNotAFreeze)
{
    LineSession::setDefaultTimeouts({std::chrono::milliseconds(2000), std::chrono::milliseconds(300)});
    ScriptedServer server([](ScriptedServer::Peer &peer) { peer.waitForHangUp(); });
    OutgoingMail mail = mailTo(QStringLiteral("a@example.jp"), QStringLiteral("s"), QStringLiteral("b"));
    mail.server = server.address();
    EXPECT_LT(library.smtpSendMail(mail), 0);
    EXPECT_FALSE(library.lastError().isEmpty());
}

TEST_F(SmtpLibrary, LogsInWithPlainOnLoopbackEvenWithoutTls)
{
    ScriptedServer server([](ScriptedServer::Peer &peer) {
        peer.send("220 ready\r\n");
        peer.expect("EHLO ", "250-x\r\n250 AUTH PLAIN LOGIN\r\n");
        peer.expect("AUTH PLAIN AGlkAHB3", "235 ok\r\n");
        peer.waitForHangUp();
    });
    SmtpSession session;
    ASSERT_TRUE(session.open(server.address()));
    EXPECT_TRUE(session.authenticate({QStringLiteral("id"), QStringLiteral("pw")}));
    EXPECT_TRUE(session.authenticated());
    session.quit();
    EXPECT_FALSE(server.scriptMismatched());
}

TEST_F(SmtpLibrary, LogsInWithLoginWhenPlainIsNotOffered)
{
    ScriptedServer server([](ScriptedServer::Peer &peer) {
        peer.send("220 ready\r\n");
        peer.expect("EHLO ", "250-x\r\n250 AUTH LOGIN\r\n");
        peer.expect("AUTH LOGIN", "334 VXNlcm5hbWU6\r\n");
        peer.expect("aWQ=", "334 UGFzc3dvcmQ6\r\n");
        peer.expect("cHc=", "235 ok\r\n");
        peer.waitForHangUp();
    });
    SmtpSession session;
    ASSERT_TRUE(session.open(server.address()));
    EXPECT_TRUE(session.authenticate({QStringLiteral("id"), QStringLiteral("pw")}));
    session.quit();
    EXPECT_FALSE(server.scriptMismatched());
}

TEST(SmtpSessionRules, PasswordsGoOnlyOverTlsOrToThisMachine)
{
    EXPECT_TRUE(SmtpSession::safeForPassword(true, QStringLiteral("mail.example.jp")));
    EXPECT_FALSE(SmtpSession::safeForPassword(false, QStringLiteral("mail.example.jp")));
    EXPECT_FALSE(SmtpSession::safeForPassword(false, QStringLiteral("192.0.2.1")));
    EXPECT_TRUE(SmtpSession::safeForPassword(false, QStringLiteral("127.0.0.1")));
    EXPECT_TRUE(SmtpSession::safeForPassword(false, QStringLiteral("::1")));
    EXPECT_TRUE(SmtpSession::safeForPassword(false, QStringLiteral("localhost")));
}

TEST_F(SmtpLibrary, AnUntrustedCertificateStopsTheSendBeforeAnythingIsSent)
{
    MailServers::distrustAll();
    EXPECT_LT(library.smtpSendMail(mailTo(address(user), QStringLiteral("s"), QStringLiteral("b"))), 0);
    EXPECT_TRUE(library.lastError().contains(QStringLiteral("暗号化"))) << library.lastError().toStdString();
    EXPECT_TRUE(servers->delivered(user).isEmpty());
    servers->trustCertificate();
}

TEST_F(SmtpLibrary, EachSendAfterTheFirstResumesTheTlsSessionOfTheOneBefore)
{
    // STARTTLS and implicit TLS alike: one connection per mail, the handshake of
    // the second a resumption of the first's session.
    for (int i = 0; i < 2; ++i)
        ASSERT_EQ(library.smtpSendMail(mailTo(address(user), QStringLiteral("starttls"), QStringLiteral("b"))), 0)
            << library.lastError().toStdString();
    const QString implicitUser = MailServers::freshUser();
    for (int i = 0; i < 2; ++i) {
        OutgoingMail mail = mailTo(address(implicitUser), QStringLiteral("smtps"), QStringLiteral("b"));
        mail.server = QStringLiteral("smtps://%1:%2").arg(servers->host).arg(servers->smtps);
        ASSERT_EQ(library.smtpSendMail(mail), 0) << library.lastError().toStdString();
    }
    const QStringList starttls = servers->tlsSessions(user);
    const QStringList implicit = servers->tlsSessions(implicitUser);
    ASSERT_EQ(starttls.size(), 2);
    ASSERT_EQ(implicit.size(), 2);
    EXPECT_EQ(starttls[1], QStringLiteral("resumed"));
    EXPECT_EQ(implicit[1], QStringLiteral("resumed"));
    EXPECT_EQ(servers->delivered(user).size(), 2);
}

namespace {

// An SMTP server of the harness's kind run by the test itself, so it can be
// restarted on the same port with another certificate.
class OwnSmtpServer {
public:
    explicit OwnSmtpServer(const QString &host) : m_host(host)
    {
        for (quint16 &port : m_ports) {
            QTcpServer probe;
            probe.listen(QHostAddress(host), 0);
            port = probe.serverPort();
        }
    }
    ~OwnSmtpServer() { stop(); }

    // A fresh self-signed certificate for the host each time.
    bool start()
    {
        QProcess openssl;
        openssl.setStandardOutputFile(QProcess::nullDevice());
        openssl.setStandardErrorFile(QProcess::nullDevice());
        openssl.start(
            QStringLiteral("openssl"),
            {QStringLiteral("req"), QStringLiteral("-x509"), QStringLiteral("-newkey"), QStringLiteral("rsa:2048"),
             QStringLiteral("-nodes"), QStringLiteral("-days"), QStringLiteral("2"), QStringLiteral("-subj"),
             QStringLiteral("/CN=localhost"), QStringLiteral("-addext"),
             QStringLiteral("subjectAltName=IP:%1,DNS:localhost").arg(m_host), QStringLiteral("-keyout"),
             m_run.filePath(QStringLiteral("key.pem")), QStringLiteral("-out"), certificate()});
        if (!openssl.waitForFinished(60000) || openssl.exitCode() != 0)
            return false;
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_process.start(QStringLiteral("/usr/bin/python3"),
                        {MailServers::harnessFolder() + QStringLiteral("/smtpserver.py"), m_run.path(), m_host,
                         QString::number(m_ports[0]), QString::number(m_ports[1]), QString::number(m_ports[2]),
                         QStringLiteral("secret")});
        QElapsedTimer waited;
        waited.start();
        while (waited.elapsed() < 20000) {
            QTcpSocket probe;
            probe.connectToHost(m_host, m_ports[0]);
            if (probe.waitForConnected(200))
                return true;
            if (m_process.state() == QProcess::NotRunning)
                return false;
            QThread::msleep(50);
        }
        return false;
    }

    void stop()
    {
        if (m_process.state() == QProcess::NotRunning)
            return;
        m_process.terminate();
        if (!m_process.waitForFinished(10000)) {
            m_process.kill();
            m_process.waitForFinished(5000);
        }
    }

    QString certificate() const { return m_run.filePath(QStringLiteral("cert.pem")); }
    QString server() const { return QStringLiteral("%1:%2").arg(m_host).arg(m_ports[0]); }
    QStringList sessions() const
    {
        QFile log(m_run.filePath(QStringLiteral("tls-sessions.log")));
        log.open(QIODevice::ReadOnly);
        QStringList states;
        for (const QByteArray &line : log.readAll().split('\n'))
            if (line.contains(' '))
                states << QString::fromLatin1(line.mid(line.indexOf(' ') + 1));
        return states;
    }

private:
    QString m_host;
    quint16 m_ports[3] = {};
    QTemporaryDir m_run;
    QProcess m_process;
};

} // namespace

TEST_F(SmtpLibrary, AServerBackWithAnotherCertificateIsRefusedThoughItsSessionWasKept)
{
    OwnSmtpServer own(servers->host);
    ASSERT_TRUE(own.start());
    QSslConfiguration config = QSslConfiguration::defaultConfiguration();
    config.addCaCertificates(QSslCertificate::fromPath(own.certificate()));
    QSslConfiguration::setDefaultConfiguration(config);

    OutgoingMail mail = mailTo(address(user), QStringLiteral("s"), QStringLiteral("b"));
    mail.server = own.server();
    mail.accountPassword = QStringLiteral("secret");
    ASSERT_EQ(library.smtpSendMail(mail), 0) << library.lastError().toStdString();
    ASSERT_EQ(library.smtpSendMail(mail), 0) << library.lastError().toStdString();
    EXPECT_EQ(own.sessions(), (QStringList{QStringLiteral("full"), QStringLiteral("resumed")}));

    // Same place, a new certificate nobody trusts: the kept session gets no say.
    own.stop();
    ASSERT_TRUE(own.start());
    EXPECT_LT(library.smtpSendMail(mail), 0);
    EXPECT_TRUE(library.lastError().contains(QStringLiteral("暗号化"))) << library.lastError().toStdString();
    EXPECT_EQ(own.sessions().size(), 2);
    MailServers::distrustAll();
}
