#pragma once

#include "core/addressbook/AddressBook.h"
#include "core/auth/OAuthAccess.h"
#include "core/auth/OAuthTokenStore.h"
#include "core/auth/SignIn.h"
#include "core/common/AppPaths.h"
#include "ui/compose/SendJob.h"
#include "ui/compose/Sender.h"
#include "core/mail/MailLibrary.h"
#include "core/mail/mime/OutgoingMail.h"
#include "core/mail/net/SaslOAuth.h"
#include "core/mail/net/SessionHooks.h"
#include "ui/receive/MailCheck.h"
#include "core/settings/AccountFile.h"
#include "ui/settings/IdPassForm.h"
#include "core/settings/RuntimeSettings.h"
#include "ui/shell/Forms.h"
#include "ui/shell/MainForm.h"
#include "support/MailServerTest.h"
#include "support/Markup.h"
#include "support/Sandbox.h"
#include "support/ScriptedPrompt.h"
#include "support/ScriptedServer.h"
#include "support/Wait.h"

#include <QApplication>
#include <QComboBox>
#include <QDateTime>
#include <QEventLoop>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QMessageBox>
#include <QLineEdit>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTcpSocket>
#include <QTest>
#include <QUrlQuery>

#include <sys/stat.h>

template <class T>
inline T *child(QWidget *window, const char *name)
{
    T *found = window->findChild<T *>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

inline QByteArray sample(const QByteArray &subject)
{
    return "From: sender@example.jp\r\nTo: you@example.jp\r\nSubject: " + subject
        + "\r\nDate: Mon, 7 Dec 2026 10:00:00 +0900\r\n\r\nbody\r\n";
}

// The sign-in against the harness's authorization server, its Dovecot that takes
// only tokens, and its SMTP server; $BROWSER is the stub that plays the user.
class SignIn : public MailServerTest {
protected:
    void SetUp() override
    {
        MailServerTest::SetUp();
        if (IsSkipped())
            return;
        if (servers->oauth == 0)
            GTEST_SKIP() << "the harness runs without its OAuth servers";
        base = QStringLiteral("http://%1:%2").arg(servers->host).arg(servers->oauth);
        Sandbox::writeFile(sandbox.dataPath(QStringLiteral("\\★MAilData\\oauth2.ini")),
                           QStringLiteral("[Harness]\r\nauthorize=%1/authorize\r\ntoken=%1/token\r\ndevice=%1/device\r\n"
                                          "client_id=pintora-test\r\nscope=mail offline_access\r\nhosts=%2\r\n")
                               .arg(base, servers->host)
                               .toLatin1());
        qputenv("BROWSER", QByteArray("/usr/bin/python3 ") + PINTORA_BROWSER_STUB);
        qputenv("PINTORA_BROWSER_STUB", "follow");
        page = sandbox.workPath(QStringLiteral("page.html"));
        qputenv("PINTORA_BROWSER_PAGE", QFile::encodeName(page));
        RuntimeSettings &settings = runtimeSettings();
        settings.Pop3Server = QStringLiteral("%1:%2").arg(servers->host).arg(servers->oauthPop3);
        settings.SmtpServer = QStringLiteral("%1:%2").arg(servers->host).arg(servers->submission);
        settings.SenderAddress = user + QStringLiteral("@example.jp");
        Forms::get<MainForm>();
    }

    void TearDown() override
    {
        BrowserSignIn::setTimeout(0);
        if (IdPassForm *form = Forms::existing<IdPassForm>()) {
            form->stopSignIn();
            form->close();
        }
        qunsetenv("BROWSER");
        qunsetenv("PINTORA_BROWSER_STUB");
        qunsetenv("PINTORA_BROWSER_PAGE");
    }

    QJsonObject call(const QString &path, const QByteArray &json = {})
    {
        QNetworkAccessManager network;
        QNetworkRequest request(QUrl(base + path));
        request.setHeader(QNetworkRequest::ContentTypeHeader, QByteArrayLiteral("application/json"));
        QNetworkReply *reply = json.isEmpty() ? network.get(request) : network.post(request, json);
        QEventLoop loop;
        QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
        loop.exec();
        const QJsonObject object = QJsonDocument::fromJson(reply->readAll()).object();
        delete reply;
        return object;
    }

    void control(const QJsonObject &object)
    {
        QJsonObject withUser = object;
        withUser[QStringLiteral("user")] = user;
        call(QStringLiteral("/control"), QJsonDocument(withUser).toJson(QJsonDocument::Compact));
    }

    int grants(const QString &kind) { return call(QStringLiteral("/stats?user=") + user).value(kind).toInt(); }

    // Starts a sign-in from the account window the way the user does and waits for its end.
    std::optional<bool> signIn(const char *button = "SignInCommand")
    {
        IdPassForm *form = Forms::open<IdPassForm>();
        child<QLineEdit>(form, "IdText")->setText(user);
        child<QComboBox>(form, "AuthCombo")->setCurrentIndex(1);
        QSignalSpy ended(form, &IdPassForm::signInEnded);
        QTest::mouseClick(child<QPushButton>(form, button), Qt::LeftButton);
        if (!waitUntil([&] { return ended.count() > 0; }, 20000))
            return std::nullopt;
        return ended.first().first().toBool();
    }

    // Signs in and presses OK, so the account signs in with the harness's provider.
    void signInAndKeep()
    {
        ASSERT_EQ(signIn(), std::optional<bool>(true));
        QTest::mouseClick(child<QPushButton>(Forms::existing<IdPassForm>(), "OKCommand"), Qt::LeftButton);
        ASSERT_EQ(AccountFile().authMethod(), QStringLiteral("oauth2:Harness"));
        ASSERT_EQ(AccountFile().id(), user);
    }

    OAuthTokens stored() { return OAuthTokenStore::load(QStringLiteral("Harness"), user).value_or(OAuthTokens{}); }

    void makeStale()
    {
        OAuthTokens tokens = stored();
        tokens.access = QStringLiteral("at-stale");
        tokens.expires = QDateTime::currentSecsSinceEpoch() - 10;
        ASSERT_TRUE(OAuthTokenStore::save(QStringLiteral("Harness"), user, tokens));
    }

    OutgoingMail mailTo(const QString &recipient)
    {
        OutgoingMail mail;
        mail.server = runtimeSettings().SmtpServer;
        mail.to = recipient + QStringLiteral("@example.jp");
        mail.from = runtimeSettings().SenderAddress;
        mail.subject = QStringLiteral("OAuth");
        mail.body = QStringLiteral("本文\r\n");
        Sender::fillAccount(mail);
        return mail;
    }

    SendJob::Result send(const OutgoingMail &mail)
    {
        SendJob job(mail, 0, 0);
        QSignalSpy done(&job, &SendJob::done);
        job.start();
        EXPECT_TRUE(waitUntil([&] { return done.count() > 0; }));
        return job.result();
    }

    // No token may show in a box or be kept anywhere but the token file.
    void expectNoTokenOutsideItsFile()
    {
        const OAuthTokens tokens = stored();
        for (const Prompt::Box &box : prompt.boxes) {
            EXPECT_FALSE(box.text.contains(tokens.access)) << box.text.toStdString();
            EXPECT_FALSE(box.text.contains(tokens.refresh)) << box.text.toStdString();
        }
        const QByteArray account = Sandbox::readFile(AccountFile().path());
        EXPECT_FALSE(account.contains(tokens.refresh.toLatin1()));
        if (QFile::exists(page))
            EXPECT_FALSE(Sandbox::readFile(page).contains(tokens.access.toLatin1()));
    }

    // The connections the sign-in's listener holds open.
    static int listenerConnections(IdPassForm *form) { return int(form->findChildren<QTcpSocket *>().size()); }

    // One request to the sign-in's listener, as any program on this machine may send it;
    // the whole reply.
    static QByteArray askListener(quint16 port, const QString &target)
    {
        QTcpSocket socket;
        socket.connectToHost(QHostAddress::LocalHost, port);
        if (!waitUntil([&] { return socket.state() == QAbstractSocket::ConnectedState; }, 5000))
            return "not connected";
        socket.write("GET " + target.toUtf8() + " HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n");
        QByteArray reply;
        waitUntil([&] {
            reply += socket.readAll();
            return socket.state() == QAbstractSocket::UnconnectedState;
        }, 10000);
        return reply + socket.readAll();
    }

    Sandbox sandbox;
    ScriptedPrompt prompt;
    QString base;
    QString page;
};
