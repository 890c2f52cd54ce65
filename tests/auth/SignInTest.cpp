#include "SignInFixture.h"

namespace {

TEST_F(SignIn, InTheBrowserThenChecksAndSendsThroughTheRealServers)
{
    signInAndKeep();
    EXPECT_TRUE(QString::fromUtf8(Sandbox::readFile(page)).contains(BrowserSignIn::kDonePage));
    EXPECT_TRUE(prompt.boxes.isEmpty());
    const OAuthTokens tokens = stored();
    EXPECT_TRUE(tokens.refresh.startsWith(QStringLiteral("rt-")));
    struct stat info {};
    ASSERT_EQ(::stat(QFile::encodeName(OAuthTokenStore::path()).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);

    servers->deliver(user, sample("through oauth"));
    const MailCheck::Outcome outcome = MailCheck::run();
    EXPECT_FALSE(outcome.failed);
    EXPECT_EQ(outcome.stored, 1);
    EXPECT_TRUE(outcome.encrypted);
    EXPECT_EQ(servers->waiting(user), 0);

    const QString recipient = MailServers::freshUser();
    const OutgoingMail mail = mailTo(recipient);
    EXPECT_EQ(mail.oauthProvider, QStringLiteral("Harness"));
    const SendJob::Result sent = send(mail);
    EXPECT_EQ(sent.code, 0) << sent.error.toStdString();
    EXPECT_TRUE(sent.encrypted);
    EXPECT_EQ(servers->delivered(recipient).size(), 1);

    // A token with an hour to go is used as it is.
    EXPECT_EQ(grants(QStringLiteral("refresh_token")), 0);
    EXPECT_EQ(grants(QStringLiteral("authorization_code")), 1);
    EXPECT_TRUE(prompt.boxes.isEmpty());
    expectNoTokenOutsideItsFile();
}

TEST_F(SignIn, TokenThatEndsSoonIsRefreshedBeforeTheSession)
{
    // Two minutes left is inside the five-minute margin.
    control({{QStringLiteral("expires_in"), 120}});
    signInAndKeep();
    const OAuthTokens first = stored();
    control({{QStringLiteral("expires_in"), 3600}});

    servers->deliver(user, sample("refreshed"));
    EXPECT_EQ(MailCheck::run().stored, 1);
    EXPECT_EQ(grants(QStringLiteral("refresh_token")), 1);
    const OAuthTokens second = stored();
    EXPECT_NE(second.access, first.access);
    EXPECT_EQ(second.refresh, first.refresh);
    EXPECT_GT(second.expires, QDateTime::currentSecsSinceEpoch() + 3000);

    // Long expired, with an access token the server no longer knows: refreshed for the send too.
    makeStale();
    const QString recipient = MailServers::freshUser();
    EXPECT_EQ(send(mailTo(recipient)).code, 0);
    EXPECT_EQ(grants(QStringLiteral("refresh_token")), 2);
    EXPECT_EQ(servers->delivered(recipient).size(), 1);
    EXPECT_TRUE(prompt.boxes.isEmpty());
    expectNoTokenOutsideItsFile();
}

TEST_F(SignIn, ALifetimeBeyondReasonIsHeldToAYear)
{
    control({{QStringLiteral("expires_in"), 9.2e18}});
    signInAndKeep();
    const qint64 now = QDateTime::currentSecsSinceEpoch();
    EXPECT_GT(stored().expires, now + 3000);
    EXPECT_LE(stored().expires, now + 367 * 86400);
    control({{QStringLiteral("expires_in"), 3600}});
}

TEST_F(SignIn, RevokedSignInGivesOneBoxAndTheSignInNeverThePassword)
{
    signInAndKeep();
    // The password is there and the password server would take it: it must not be tried.
    ASSERT_TRUE(AccountFile().store(user, servers->password));
    runtimeSettings().Pop3Server = servers->pop3Server();
    makeStale();
    control({{QStringLiteral("revoke"), true}});
    qputenv("PINTORA_BROWSER_STUB", "ignore");
    servers->deliver(user, sample("stays"));

    const MailCheck::Outcome outcome = MailCheck::run();
    EXPECT_TRUE(outcome.needsSignIn);
    EXPECT_EQ(outcome.stored, 0);
    EXPECT_EQ(servers->waiting(user), 1);
    ASSERT_EQ(prompt.boxes.size(), 1);
    EXPECT_EQ(prompt.boxes[0].text, QStringLiteral("サインインの有効期限が切れました。もう一度サインインしてください。"));
    IdPassForm *form = Forms::existing<IdPassForm>();
    ASSERT_NE(form, nullptr);
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(form->signInRunning());
    EXPECT_TRUE(form->oauthChosen());

    // 中止 ends it at once, without a box of its own.
    QSignalSpy ended(form, &IdPassForm::signInEnded);
    QTest::mouseClick(child<QPushButton>(form, "StopSignInCommand"), Qt::LeftButton);
    EXPECT_EQ(ended.count(), 1);
    EXPECT_FALSE(form->signInRunning());
    EXPECT_EQ(prompt.boxes.size(), 1);
    form->close();

    // A check that may not open the browser stops with the box alone; so does a bulk send.
    const MailCheck::Outcome quiet = MailCheck::run(SignInPolicy::NeverOpenBrowser);
    EXPECT_TRUE(quiet.needsSignIn);
    ASSERT_EQ(prompt.boxes.size(), 2);
    EXPECT_EQ(prompt.boxes[1].text, OAuthAccess::kNotSignedInText);
    EXPECT_EQ(Forms::existing<IdPassForm>(), nullptr);
    EXPECT_EQ(servers->waiting(user), 1);
}

class BulkFields : public SendFields {
public:
    QString recipient() const override { return QStringLiteral("all"); }
    QString subject() const override { return QStringLiteral("bulk"); }
    QString mailBody() const override { return body; }
    QString attachmentText() const override { return {}; }
    bool fortuneTicked() const override { return false; }
    bool bulkChosen() const override { return true; }
    int listCount() const override { return 3; }
    void setStatus(const QString &) override {}
    void prepareAttachmentsForSend() override {}
    QString body = QStringLiteral("body");
};

TEST_F(SignIn, BulkSendWithoutSignInStopsAfterOneBoxAndOpensNoBrowser)
{
    ASSERT_TRUE(AccountFile().store(user, QString()));
    ASSERT_TRUE(AccountFile().storeAuthMethod(QStringLiteral("oauth2:Harness")));
    QStringList recipients;
    for (int i = 0; i < 3; ++i) {
        recipients << MailServers::freshUser();
        ASSERT_TRUE(AddressBook().append(QStringLiteral("n"), recipients.last() + QStringLiteral("@example.jp")).ok);
    }
    BulkFields fields;
    Sender sender(fields);
    sender.run();
    EXPECT_EQ(sender.failures(), 1);
    ASSERT_EQ(prompt.boxes.size(), 1);
    EXPECT_EQ(prompt.boxes[0].text, OAuthAccess::kNotSignedInText);
    EXPECT_EQ(Forms::existing<IdPassForm>(), nullptr);
    for (const QString &recipient : recipients)
        EXPECT_TRUE(servers->delivered(recipient).isEmpty());
}

TEST_F(SignIn, RefusalEndsItWithABoxAndTheWindowSignsInAgainAtOnce)
{
    qputenv("PINTORA_BROWSER_STUB", "deny");
    // The redirect is anyone's to send: its words are shown, its markup is not.
    qputenv("PINTORA_BROWSER_ERROR_DESCRIPTION", kHostileHtml.toUtf8());
    IdPassForm *form = Forms::open<IdPassForm>();
    // The program's real box, its event loop running until the refused redirect's
    // connection is gone: the box must not stand on that connection's handler.
    bool boxDrewMarkup = true;
    prompt.holdNextOpen([&] {
        if (const auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget()))
            if (const auto *label = box->findChild<QLabel *>(QStringLiteral("qt_msgbox_label")))
                boxDrewMarkup = drawsAsMarkup(label);
        return QFile::exists(page) && listenerConnections(form) == 0;
    });
    EXPECT_EQ(signIn(), std::optional<bool>(false));
    ASSERT_EQ(prompt.boxes.size(), 1);
    EXPECT_TRUE(prompt.boxes[0].text.contains(QStringLiteral("access_denied"))) << prompt.boxes[0].text.toStdString();
    EXPECT_EQ(prompt.heldParentsAlive, QList<bool>{true});
    EXPECT_TRUE(QString::fromUtf8(Sandbox::readFile(page)).contains(BrowserSignIn::kFailedPage));
    EXPECT_FALSE(OAuthTokenStore::load(QStringLiteral("Harness"), user));
    EXPECT_FALSE(form->signInRunning());
    EXPECT_TRUE(child<QPushButton>(form, "SignInCommand")->isEnabled());
    EXPECT_TRUE(child<QLabel>(form, "OAuthStatus")->text().contains(QStringLiteral("access_denied")));
    EXPECT_TRUE(prompt.boxes[0].text.contains(QStringLiteral("<h1"))) << prompt.boxes[0].text.toStdString();
    EXPECT_FALSE(boxDrewMarkup);
    EXPECT_FALSE(drawsAsMarkup(child<QLabel>(form, "OAuthStatus")));
    qunsetenv("PINTORA_BROWSER_ERROR_DESCRIPTION");

    // The user changes their mind and signs in right away, in the same window.
    qputenv("PINTORA_BROWSER_STUB", "follow");
    EXPECT_EQ(signIn(), std::optional<bool>(true));
    EXPECT_EQ(Forms::existing<IdPassForm>(), form);
    EXPECT_TRUE(stored().refresh.startsWith(QStringLiteral("rt-")));
    EXPECT_EQ(prompt.boxes.size(), 1);
}

TEST_F(SignIn, ForgedStateIsTurnedAwayAndTheProvidersOwnRefusalStillEndsIt)
{
    // The browser comes back with a real code under a state that is not ours.
    qputenv("PINTORA_BROWSER_STUB", "wrong-state");
    IdPassForm *form = Forms::open<IdPassForm>();
    child<QLineEdit>(form, "IdText")->setText(user);
    form->chooseOAuth(true);
    QSignalSpy ended(form, &IdPassForm::signInEnded);
    QTest::mouseClick(child<QPushButton>(form, "SignInCommand"), Qt::LeftButton);
    auto *running = form->findChild<BrowserSignIn *>();
    ASSERT_NE(running, nullptr);
    const QUrlQuery asked(running->authorizationUrl());
    const QUrl redirect(asked.queryItemValue(QStringLiteral("redirect_uri"), QUrl::FullyDecoded));
    const QString state = asked.queryItemValue(QStringLiteral("state"), QUrl::FullyDecoded);
    ASSERT_TRUE(waitUntil([&] { return QFile::exists(page); }, 10000));
    EXPECT_TRUE(QString::fromUtf8(Sandbox::readFile(page)).contains(BrowserSignIn::kForeignPage));
    EXPECT_TRUE(form->signInRunning());

    // Anyone on this machine can reach the port: a refusal without our state, or
    // with another one, is turned away and the sign-in waits on.
    const QString path = redirect.path().isEmpty() ? QStringLiteral("/") : redirect.path();
    for (const QString &query : {QStringLiteral("error=access_denied"),
                                 QStringLiteral("error=access_denied&state=") + state.left(4),
                                 QStringLiteral("code=stolen&state=")}) {
        const QByteArray reply = askListener(redirect.port(), path + u'?' + query);
        EXPECT_TRUE(reply.startsWith("HTTP/1.1 400 ")) << query.toStdString() << ": " << reply.left(40).constData();
        EXPECT_TRUE(form->signInRunning()) << query.toStdString();
    }
    QTest::qWait(200);
    EXPECT_TRUE(form->signInRunning());
    EXPECT_EQ(ended.count(), 0);
    EXPECT_TRUE(prompt.boxes.isEmpty());
    EXPECT_EQ(grants(QStringLiteral("authorization_code")), 0);

    // Then the provider's own refusal, with the state it was given: that ends it, with one box
    // shown from the event loop while the refusal's connection closes.
    prompt.holdNextOpen([&] { return listenerConnections(form) == 0; });
    const QByteArray refused = askListener(
        redirect.port(), path + QStringLiteral("?error=access_denied&state=") + QString::fromLatin1(QUrl::toPercentEncoding(state)));
    EXPECT_TRUE(refused.startsWith("HTTP/1.1 200 ")) << refused.left(40).constData();
    EXPECT_TRUE(refused.contains(BrowserSignIn::kFailedPage.toUtf8()));
    ASSERT_TRUE(waitUntil([&] { return ended.count() > 0; }, 10000));
    EXPECT_FALSE(ended.first().first().toBool());
    ASSERT_EQ(prompt.boxes.size(), 1);
    EXPECT_TRUE(prompt.boxes[0].text.contains(QStringLiteral("access_denied"))) << prompt.boxes[0].text.toStdString();
    EXPECT_EQ(prompt.heldParentsAlive, QList<bool>{true});
    EXPECT_FALSE(form->signInRunning());
    EXPECT_FALSE(OAuthTokenStore::load(QStringLiteral("Harness"), user));

    // The listener is closed with it.
    QTcpSocket late;
    late.connectToHost(QHostAddress::LocalHost, redirect.port());
    EXPECT_FALSE(late.waitForConnected(2000));

    qputenv("PINTORA_BROWSER_STUB", "follow");
    EXPECT_EQ(signIn(), std::optional<bool>(true));
    EXPECT_EQ(grants(QStringLiteral("authorization_code")), 1);
}

TEST_F(SignIn, StrayRequestsLeaveItRunningAndNoAnswerInTimeEndsIt)
{
    qputenv("PINTORA_BROWSER_STUB", "ignore");
    BrowserSignIn::setTimeout(2500);
    IdPassForm *form = Forms::open<IdPassForm>();
    child<QLineEdit>(form, "IdText")->setText(user);
    form->chooseOAuth(true);
    QSignalSpy ended(form, &IdPassForm::signInEnded);
    QTest::mouseClick(child<QPushButton>(form, "SignInCommand"), Qt::LeftButton);
    auto *running = form->findChild<BrowserSignIn *>();
    ASSERT_NE(running, nullptr);
    const QUrl redirect(QUrlQuery(running->authorizationUrl()).queryItemValue(QStringLiteral("redirect_uri"),
                                                                             QUrl::FullyDecoded));
    ASSERT_EQ(redirect.host(), QStringLiteral("127.0.0.1"));

    // Garbage, an oversized request and another path: each is dropped, the sign-in waits on.
    for (const QByteArray &request : {QByteArray("\x00\xff garbage\r\n\r\n"), QByteArray(64 * 1024, 'A'),
                                      QByteArray("GET /favicon.ico HTTP/1.1\r\nHost: x\r\n\r\n")}) {
        QTcpSocket socket;
        socket.connectToHost(QHostAddress::LocalHost, redirect.port());
        ASSERT_TRUE(waitUntil([&] { return socket.state() == QAbstractSocket::ConnectedState; }, 5000));
        socket.write(request);
        waitUntil([&] { return socket.state() == QAbstractSocket::UnconnectedState; }, 1000);
        EXPECT_TRUE(form->signInRunning());
    }
    ASSERT_TRUE(waitUntil([&] { return ended.count() > 0; }, 10000));
    EXPECT_FALSE(ended.first().first().toBool());
    ASSERT_EQ(prompt.boxes.size(), 1);
    EXPECT_TRUE(prompt.boxes[0].text.contains(QStringLiteral("3 秒以内に"))) << prompt.boxes[0].text.toStdString();
    EXPECT_FALSE(form->signInRunning());
}

TEST_F(SignIn, ByCodeOnAMachineWithoutABrowser)
{
    IdPassForm *form = Forms::open<IdPassForm>();
    child<QLineEdit>(form, "IdText")->setText(user);
    child<QComboBox>(form, "AuthCombo")->setCurrentIndex(1);
    QPushButton *byCode = child<QPushButton>(form, "CodeSignInCommand");
    ASSERT_TRUE(byCode->isVisible());
    QSignalSpy ended(form, &IdPassForm::signInEnded);
    QTest::mouseClick(byCode, Qt::LeftButton);
    QLabel *status = child<QLabel>(form, "OAuthStatus");
    const QRegularExpression code(QStringLiteral("\\d{4}-\\d{4}"));
    ASSERT_TRUE(waitUntil([&] { return code.match(status->text()).hasMatch(); }, 10000)) << status->text().toStdString();
    EXPECT_TRUE(status->text().contains(base + QStringLiteral("/device/approve")));
    EXPECT_TRUE(form->signInRunning());
    call(QStringLiteral("/device/approve?user_code=%1&user=%2").arg(code.match(status->text()).captured(), user));
    ASSERT_TRUE(waitUntil([&] { return ended.count() > 0; }, 15000));
    EXPECT_TRUE(ended.first().first().toBool());
    EXPECT_TRUE(stored().refresh.startsWith(QStringLiteral("rt-")));
    EXPECT_EQ(grants(QStringLiteral("device_code")), 1);
}

TEST_F(SignIn, AccountWindowShowsTheMatchedProviderAndWhatAMissingClientIdNeeds)
{
    IdPassForm *form = Forms::open<IdPassForm>();
    auto *providers = child<QComboBox>(form, "ProviderCombo");
    EXPECT_FALSE(form->oauthChosen());
    EXPECT_TRUE(child<QLineEdit>(form, "PassText")->isEnabled());
    form->chooseOAuth(true);
    EXPECT_FALSE(child<QLineEdit>(form, "PassText")->isEnabled());
    // The configured servers are the harness's, which the provider serves: no choice needed.
    EXPECT_EQ(providers->currentText(), QStringLiteral("Harness"));
    EXPECT_FALSE(providers->isEnabled());
    EXPECT_TRUE(child<QPushButton>(form, "SignInCommand")->isEnabled());
    EXPECT_EQ(child<QPushButton>(form, "SignInCommand")->text(), QStringLiteral("ブラウザでサインイン(&B)"));
    form->close();

    // Servers no provider serves: the user chooses; one without a client ID explains itself.
    Sandbox::writeFile(AppPaths::appDir() + QStringLiteral("/oauth2.ini"),
                       "[Microsoft]\r\nauthorize=https://login.example/a\r\ntoken=https://login.example/t\r\nclient_id=\r\n"
                       "hosts=outlook.office365.com\r\n");
    runtimeSettings().Pop3Server = QStringLiteral("pop.isp.example");
    runtimeSettings().SmtpServer = QStringLiteral("smtp.isp.example");
    form = Forms::open<IdPassForm>();
    providers = child<QComboBox>(form, "ProviderCombo");
    form->chooseOAuth(true);
    EXPECT_TRUE(providers->isEnabled());
    providers->setCurrentIndex(providers->findText(QStringLiteral("Microsoft")));
    EXPECT_FALSE(child<QPushButton>(form, "SignInCommand")->isEnabled());
    EXPECT_EQ(child<QLabel>(form, "OAuthStatus")->text(), OAuthProviders::missingClientIdText(QStringLiteral("Microsoft")));
}

// The mail layer itself, against the real servers and a scripted one for what they cannot show.
class OAuthSasl : public SignIn {
protected:
    void TearDown() override
    {
        SaslOAuth::allowPlainLoopback(false);
        SignIn::TearDown();
    }
    MailLibrary &library = MailLibrary::instance();
};

TEST_F(OAuthSasl, RefusedTokenIsReportedWithTheServersStatus)
{
    SessionHooks hooks;
    hooks.accessToken = [] { return QByteArray("at-unknown"); };
    hooks.tokenHosts = {servers->host};
    const int handle = library.pop3Connect(QStringLiteral("pop3s://%1:%2").arg(servers->host).arg(servers->oauthPop3s), &hooks);
    ASSERT_NE(handle, -1) << library.lastError().toStdString();
    EXPECT_LT(library.pop3Authenticate(handle, user, QString(), false), 0);
    EXPECT_TRUE(library.lastError().contains(QStringLiteral("invalid_token"))) << library.lastError().toStdString();
    EXPECT_FALSE(library.lastError().contains(QStringLiteral("at-unknown")));
    library.pop3Close(handle);

    OutgoingMail mail;
    mail.server = runtimeSettings().SmtpServer;
    mail.to = QStringLiteral("someone@example.jp");
    mail.from = runtimeSettings().SenderAddress;
    mail.accountId = user;
    EXPECT_LT(library.smtpSendMail(mail, &hooks), 0);
    EXPECT_TRUE(library.lastError().contains(QStringLiteral("invalid_token"))) << library.lastError().toStdString();
    EXPECT_TRUE(library.lastError().contains(QStringLiteral("535"))) << library.lastError().toStdString();
}

TEST_F(OAuthSasl, TokenNeverCrossesALineWithoutTls)
{
    QByteArray afterCapa = "not read";
    ScriptedServer pop3([&](ScriptedServer::Peer &peer) {
        peer.send("+OK ready\r\n");
        peer.expect("CAPA", "+OK\r\nUSER\r\nSASL XOAUTH2 OAUTHBEARER\r\n.\r\n");
        afterCapa = peer.readLine();
    });
    SessionHooks hooks;
    hooks.accessToken = [] { return QByteArray("at-secret"); };
    hooks.tokenHosts = {QStringLiteral("127.0.0.1")};
    const int handle = library.pop3Connect(pop3.address(), &hooks);
    ASSERT_NE(handle, -1) << library.lastError().toStdString();
    EXPECT_LT(library.pop3Authenticate(handle, user, QString(), false), 0);
    EXPECT_TRUE(library.lastError().contains(QStringLiteral("暗号化されていない"))) << library.lastError().toStdString();
    library.pop3Close(handle);
    ASSERT_TRUE(waitUntil([&] { return afterCapa != "not read"; }, 5000));
    EXPECT_EQ(afterCapa, QByteArray());

    QByteArray afterEhlo = "not read";
    ScriptedServer smtp([&](ScriptedServer::Peer &peer) {
        peer.send("220 ready\r\n");
        peer.expect("EHLO", "250-here\r\n250 AUTH XOAUTH2 OAUTHBEARER\r\n");
        afterEhlo = peer.readLine();
    });
    OutgoingMail mail;
    mail.server = smtp.address();
    mail.to = QStringLiteral("someone@example.jp");
    mail.from = QStringLiteral("me@example.jp");
    mail.accountId = user;
    EXPECT_LT(library.smtpSendMail(mail, &hooks), 0);
    EXPECT_TRUE(library.lastError().contains(QStringLiteral("暗号化されていない"))) << library.lastError().toStdString();
    ASSERT_TRUE(waitUntil([&] { return afterEhlo != "not read"; }, 5000));
    EXPECT_EQ(afterEhlo, QByteArray());
}

TEST_F(OAuthSasl, LongTokenGoesAfterTheContinuationAndAFailureIsAcknowledged)
{
    // Only where a test allows it may a token cross a plain line to this machine.
    SaslOAuth::allowPlainLoopback(true);
    const QByteArray token(300, 'x');
    QList<QByteArray> seen;
    ScriptedServer pop3([&](ScriptedServer::Peer &peer) {
        peer.send("+OK ready\r\n");
        peer.expect("CAPA", "+OK\r\nSASL XOAUTH2\r\n.\r\n");
        seen << peer.readLine();
        peer.send("+ \r\n");
        seen << peer.readLine();
        peer.send("+ " + QByteArray(R"({"status":"401","schemes":"bearer"})").toBase64() + "\r\n");
        seen << peer.readLine();
        peer.send("-ERR [AUTH] Authentication failed.\r\n");
        peer.waitForHangUp();
    });
    SessionHooks hooks;
    hooks.accessToken = [token] { return token; };
    hooks.tokenHosts = {QStringLiteral("127.0.0.1")};
    const int handle = library.pop3Connect(pop3.address(), &hooks);
    ASSERT_NE(handle, -1);
    EXPECT_LT(library.pop3Authenticate(handle, user, QString(), false), 0);
    EXPECT_TRUE(library.lastError().contains(QStringLiteral("401: -ERR [AUTH] Authentication failed.")))
        << library.lastError().toStdString();
    library.pop3Close(handle);
    ASSERT_TRUE(waitUntil([&] { return seen.size() == 3; }, 5000));
    EXPECT_EQ(seen[0], QByteArray("AUTH XOAUTH2"));
    EXPECT_EQ(QByteArray::fromBase64(seen[1]), "user=" + user.toUtf8() + "\x01" "auth=Bearer " + token + "\x01\x01");
    EXPECT_EQ(seen[2], QByteArray());
}

} // namespace
