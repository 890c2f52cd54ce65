#include "core/auth/OAuthAccess.h"
#include "core/auth/OAuthProviders.h"
#include "core/auth/OAuthTokenStore.h"
#include "core/auth/Pkce.h"
#include "core/common/AppPaths.h"
#include "core/common/Cp932.h"
#include "core/mail/net/SaslOAuth.h"
#include "support/Sandbox.h"

#include <QDateTime>
#include <QFile>
#include <QRegularExpression>
#include <QTcpServer>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

const QString kUserProviders = QStringLiteral("\\★MAilData\\oauth2.ini");

} // namespace

TEST(OAuthProviders, ShippedFileHasMicrosoftAndGoogleWithoutAClientId)
{
    QFile file(QStringLiteral(PINTORA_SHIPPED_PROVIDERS));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    OAuthProviders providers;
    providers.add(Cp932::decode(file.readAll()));

    const auto microsoft = providers.find(QStringLiteral("Microsoft"));
    ASSERT_TRUE(microsoft);
    EXPECT_FALSE(microsoft->hasClientId());
    EXPECT_EQ(microsoft->authorize.host(), QStringLiteral("login.microsoftonline.com"));
    EXPECT_TRUE(microsoft->authorize.path().startsWith(QStringLiteral("/common/")));
    EXPECT_EQ(microsoft->scopes, (QStringList{QStringLiteral("https://outlook.office.com/POP.AccessAsUser.All"),
                                              QStringLiteral("https://outlook.office.com/SMTP.Send"),
                                              QStringLiteral("offline_access")}));
    EXPECT_TRUE(microsoft->serves(QStringLiteral("outlook.office365.com")));
    EXPECT_TRUE(microsoft->serves(QStringLiteral("smtp.office365.com")));
    EXPECT_FALSE(microsoft->device.isEmpty());

    const auto google = providers.find(QStringLiteral("google"));
    ASSERT_TRUE(google);
    EXPECT_FALSE(google->hasClientId());
    EXPECT_EQ(google->authorize.host(), QStringLiteral("accounts.google.com"));
    EXPECT_EQ(google->scopes, QStringList{QStringLiteral("https://mail.google.com/")});
    for (const OAuthProvider &provider : providers.list()) {
        EXPECT_TRUE(OAuthProviders::endpointAllowed(provider.authorize)) << provider.name.toStdString();
        EXPECT_TRUE(OAuthProviders::endpointAllowed(provider.token)) << provider.name.toStdString();
    }
}

TEST(OAuthProviders, UsersSectionWinsAndHostsMatchWhateverTheServerTextLooksLike)
{
    Sandbox sandbox;
    Sandbox::writeFile(AppPaths::appDir() + QStringLiteral("/oauth2.ini"),
                       "[Microsoft]\r\nauthorize=https://a.example/auth\r\ntoken=https://a.example/token\r\n"
                       "client_id=\r\nhosts=outlook.office365.com, smtp.office365.com\r\n"
                       "[Other]\r\nauthorize=https://o.example/a\r\ntoken=https://o.example/t\r\nclient_id=x\r\n"
                       "hosts=mail.example.jp\r\n");
    Sandbox::writeFile(sandbox.dataPath(kUserProviders),
                       "; mine\r\n[microsoft]\r\nauthorize=https://b.example/auth\r\ntoken=https://b.example/token\r\n"
                       "client_id=my-id\r\nscope=a  b\r\nhosts=OUTLOOK.office365.com\r\nredirect=http://localhost:{port}/cb\r\n");
    const OAuthProviders providers = OAuthProviders::load();
    ASSERT_EQ(providers.list().size(), 2);
    const auto microsoft = providers.find(QStringLiteral("Microsoft"));
    ASSERT_TRUE(microsoft);
    EXPECT_EQ(microsoft->clientId, QStringLiteral("my-id"));
    EXPECT_EQ(microsoft->authorize, QUrl(QStringLiteral("https://b.example/auth")));
    EXPECT_EQ(microsoft->scopes, (QStringList{QStringLiteral("a"), QStringLiteral("b")}));
    EXPECT_EQ(microsoft->redirectFor(4321), QUrl(QStringLiteral("http://localhost:4321/cb")));
    EXPECT_EQ(providers.find(QStringLiteral("Other"))->redirectFor(80), QUrl(QStringLiteral("http://127.0.0.1:80/")));

    struct Row {
        QStringList servers;
        QString provider;
    };
    for (const Row &row : {Row{{QStringLiteral("pop3s://Outlook.Office365.com:995")}, QStringLiteral("microsoft")},
                           Row{{QStringLiteral("mail.example.jp:110")}, QStringLiteral("Other")},
                           Row{{QStringLiteral("pop.isp.example"), QStringLiteral("smtps://mail.example.jp")},
                               QStringLiteral("Other")},
                           Row{{QStringLiteral("pop.isp.example")}, QString()},
                           Row{{QString()}, QString()}}) {
        const auto found = providers.serving(row.servers);
        EXPECT_EQ(found ? found->name : QString(), row.provider) << row.servers.join(u' ').toStdString();
    }
}

TEST(OAuthProviders, OnlyHttpsOrThisMachineIsAnEndpoint)
{
    EXPECT_TRUE(OAuthProviders::endpointAllowed(QUrl(QStringLiteral("https://login.example/token"))));
    EXPECT_TRUE(OAuthProviders::endpointAllowed(QUrl(QStringLiteral("http://127.0.0.1:8080/token"))));
    EXPECT_TRUE(OAuthProviders::endpointAllowed(QUrl(QStringLiteral("http://localhost/token"))));
    EXPECT_FALSE(OAuthProviders::endpointAllowed(QUrl(QStringLiteral("http://login.example/token"))));
    EXPECT_FALSE(OAuthProviders::endpointAllowed(QUrl(QStringLiteral("ftp://127.0.0.1/token"))));
    EXPECT_FALSE(OAuthProviders::endpointAllowed(QUrl()));
    const QString text = OAuthProviders::missingClientIdText(QStringLiteral("Google"));
    EXPECT_TRUE(text.contains(QStringLiteral("client_id="))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("★MAilData\\oauth2.ini"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("[Google]"))) << text.toStdString();
}

TEST(Pkce, ChallengeIsTheBase64UrlSha256OfTheVerifier)
{
    // As Python's hashlib and base64.urlsafe_b64encode compute it, the padding taken off.
    EXPECT_EQ(Pkce::challenge("pintora-pkce-verifier-0123456789-abcdefghijk"),
              QByteArray("3KIS4n1mYXR_2rpaqNzQxb9NXwXc14X7xdnq8PB047M"));
    const QByteArray one = Pkce::verifier();
    const QByteArray two = Pkce::verifier();
    EXPECT_EQ(one.size(), 43);
    EXPECT_NE(one, two);
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^[A-Za-z0-9_-]{43}$")).match(QString::fromLatin1(one)).hasMatch());
}

TEST(OAuthTokenStore, KeepsEachAccountForTheOwnerOnly)
{
    Sandbox sandbox;
    EXPECT_FALSE(OAuthTokenStore::load(QStringLiteral("P"), QStringLiteral("a@example.jp")));
    ASSERT_TRUE(OAuthTokenStore::save(QStringLiteral("P"), QStringLiteral("a@example.jp"),
                                      {QStringLiteral("rt-1"), QStringLiteral("at-1"), 1000}));
    ASSERT_TRUE(OAuthTokenStore::save(QStringLiteral("P"), QStringLiteral("b]=x@example.jp"),
                                      {QStringLiteral("rt-2"), QStringLiteral("at-2"), 2000}));
    struct stat info {};
    ASSERT_EQ(::stat(QFile::encodeName(OAuthTokenStore::path()).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);

    const auto a = OAuthTokenStore::load(QStringLiteral("P"), QStringLiteral("a@example.jp"));
    ASSERT_TRUE(a);
    EXPECT_EQ(a->refresh, QStringLiteral("rt-1"));
    EXPECT_EQ(a->access, QStringLiteral("at-1"));
    EXPECT_EQ(a->expires, 1000);
    const auto b = OAuthTokenStore::load(QStringLiteral("P"), QStringLiteral("b]=x@example.jp"));
    ASSERT_TRUE(b);
    EXPECT_EQ(b->refresh, QStringLiteral("rt-2"));
    EXPECT_FALSE(OAuthTokenStore::load(QStringLiteral("Q"), QStringLiteral("a@example.jp")));
    // A provider the user named in Japanese keeps its tokens like any other.
    ASSERT_TRUE(OAuthTokenStore::save(QStringLiteral("会社"), QStringLiteral("a@example.jp"),
                                      {QStringLiteral("rt-3"), QStringLiteral("at-3"), 3000}));
    EXPECT_EQ(OAuthTokenStore::load(QStringLiteral("会社"), QStringLiteral("a@example.jp"))->refresh, QStringLiteral("rt-3"));
    EXPECT_EQ(OAuthTokenStore::load(QStringLiteral("P"), QStringLiteral("a@example.jp"))->refresh, QStringLiteral("rt-1"));

    // A token that would break the file's lines is refused, the file stays as it was.
    const QByteArray before = Sandbox::readFile(OAuthTokenStore::path());
    QString error;
    EXPECT_FALSE(OAuthTokenStore::save(QStringLiteral("P"), QStringLiteral("a@example.jp"),
                                       {QStringLiteral("rt\r\n[x]"), QStringLiteral("at"), 1}, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(Sandbox::readFile(OAuthTokenStore::path()), before);

    ASSERT_TRUE(OAuthTokenStore::remove(QStringLiteral("P"), QStringLiteral("a@example.jp")));
    EXPECT_FALSE(OAuthTokenStore::load(QStringLiteral("P"), QStringLiteral("a@example.jp")));
    EXPECT_TRUE(OAuthTokenStore::load(QStringLiteral("P"), QStringLiteral("b]=x@example.jp")));

    EXPECT_TRUE((OAuthTokens{QStringLiteral("r"), QStringLiteral("a"), 1000}).freshFor(300, 600));
    EXPECT_FALSE((OAuthTokens{QStringLiteral("r"), QStringLiteral("a"), 1000}).freshFor(300, 700));
    EXPECT_FALSE((OAuthTokens{QStringLiteral("r"), QString(), 5000}).freshFor(300, 700));
}

TEST(OAuthAccess, AccountValueNamesTheProvider)
{
    EXPECT_EQ(OAuthAccess::providerOf(QStringLiteral("oauth2:Microsoft")), QStringLiteral("Microsoft"));
    EXPECT_EQ(OAuthAccess::providerOf(OAuthAccess::authValueFor(QStringLiteral("Google"))), QStringLiteral("Google"));
    EXPECT_FALSE(OAuthAccess::providerOf(QString()));
    EXPECT_FALSE(OAuthAccess::providerOf(QStringLiteral("oauth2:")));
    EXPECT_FALSE(OAuthAccess::providerOf(QStringLiteral("password")));
}

TEST(SaslOAuth, ClientMessagesOfBothMechanisms)
{
    using SaslOAuth::Mechanism;
    EXPECT_EQ(SaslOAuth::choose({"PLAIN", "XOAUTH2", "OAUTHBEARER"}), Mechanism::OAuthBearer);
    EXPECT_EQ(SaslOAuth::choose({"PLAIN", "XOAUTH2"}), Mechanism::XOAuth2);
    EXPECT_FALSE(SaslOAuth::choose({"PLAIN", "LOGIN"}));

    EXPECT_EQ(SaslOAuth::initialResponse(Mechanism::XOAuth2, "me@example.jp", "tok", QStringLiteral("h"), 1),
              QByteArray("user=me@example.jp\x01" "auth=Bearer tok\x01\x01"));
    EXPECT_EQ(SaslOAuth::initialResponse(Mechanism::OAuthBearer, "a,b=c@example.jp", "tok",
                                         QStringLiteral("pop.example.jp"), 995),
              QByteArray("n,a=a=2Cb=3Dc@example.jp,\x01" "host=pop.example.jp\x01" "port=995\x01"
                         "auth=Bearer tok\x01\x01"));
    // A control character or space would let one field spill into the next.
    EXPECT_TRUE(SaslOAuth::initialResponse(Mechanism::XOAuth2, "me\x01x", "tok", {}, 1).isEmpty());
    EXPECT_TRUE(SaslOAuth::initialResponse(Mechanism::XOAuth2, "me", "to k", {}, 1).isEmpty());
    EXPECT_TRUE(SaslOAuth::initialResponse(Mechanism::OAuthBearer, "me", "", {}, 1).isEmpty());

    EXPECT_EQ(SaslOAuth::failureAcknowledgement(Mechanism::OAuthBearer), QByteArray("AQ=="));
    EXPECT_EQ(SaslOAuth::failureAcknowledgement(Mechanism::XOAuth2), QByteArray());
    EXPECT_EQ(SaslOAuth::failureStatus(QByteArray(R"({"status":"invalid_token","scope":"mail"})").toBase64()),
              QStringLiteral("invalid_token"));
    EXPECT_EQ(SaslOAuth::failureStatus(QByteArray(R"({"status":"401"})").toBase64()), QStringLiteral("401"));
    EXPECT_EQ(SaslOAuth::failureStatus("not base64 json"), QString());

    EXPECT_TRUE(SaslOAuth::lineMayCarry(true, QStringLiteral("pop.example.jp")));
    EXPECT_FALSE(SaslOAuth::lineMayCarry(false, QStringLiteral("pop.example.jp")));
    EXPECT_FALSE(SaslOAuth::lineMayCarry(false, QStringLiteral("127.0.0.1")));
    SaslOAuth::allowPlainLoopback(true);
    EXPECT_TRUE(SaslOAuth::lineMayCarry(false, QStringLiteral("127.0.0.1")));
    EXPECT_FALSE(SaslOAuth::lineMayCarry(false, QStringLiteral("pop.example.jp")));
    SaslOAuth::allowPlainLoopback(false);
}

// A refresh token goes back only to the endpoint that issued it: with the provider file
// naming another one, or tokens kept without their issuer, the answer is a new sign-in and
// nothing reaches the endpoint the file names now.
TEST(OAuthAccess, RefreshTokenGoesNowhereButTheEndpointThatIssuedIt)
{
    struct Case {
        const char *name;
        QString issuedBy;
    };
    QTcpServer elsewhere;
    ASSERT_TRUE(elsewhere.listen(QHostAddress::LocalHost));
    const QString now = QStringLiteral("http://127.0.0.1:%1/token").arg(elsewhere.serverPort());
    for (const Case &c : {Case{"another endpoint", QStringLiteral("https://login.example.jp/token")},
                          Case{"kept without its issuer", QString()}}) {
        SCOPED_TRACE(c.name);
        Sandbox sandbox;
        Sandbox::writeFile(sandbox.dataPath(kUserProviders),
                           QStringLiteral("[P]\r\nauthorize=https://login.example.jp/authorize\r\ntoken=%1\r\n"
                                          "client_id=pintora-test\r\nhosts=pop.example.jp\r\n")
                               .arg(now)
                               .toLatin1());
        OAuthTokens stale{QStringLiteral("rt-secret"), QStringLiteral("at-old"), QDateTime::currentSecsSinceEpoch() - 10};
        stale.tokenUrl = c.issuedBy;
        ASSERT_TRUE(OAuthTokenStore::save(QStringLiteral("P"), QStringLiteral("a@example.jp"), stale));

        const OAuthAccess::Access access = OAuthAccess::prepare(QStringLiteral("P"), QStringLiteral("a@example.jp"));
        EXPECT_EQ(access.status, OAuthAccess::Access::Status::NeedsSignIn);
        EXPECT_TRUE(access.error.contains(QStringLiteral("トークンのアドレス"))) << access.error.toStdString();
        EXPECT_FALSE(elsewhere.waitForNewConnection(200));
        // The tokens stay: the user may put the file back.
        EXPECT_EQ(OAuthTokenStore::load(QStringLiteral("P"), QStringLiteral("a@example.jp"))->refresh, QStringLiteral("rt-secret"));
    }
}

// The access token goes to the servers the provider names, whatever their spelling;
// to any other only with the user's yes.
TEST(SaslOAuth, TokenGoesToTheProvidersServersAndElsewhereOnlyWhenAllowed)
{
    SessionHooks hooks;
    hooks.tokenProvider = QStringLiteral("P");
    hooks.tokenHosts = {QStringLiteral("pop.example.jp"), QStringLiteral("smtp.example.jp")};
    EXPECT_TRUE(SaslOAuth::tokenMayGo(hooks, QStringLiteral("pop.example.jp"), 995));
    EXPECT_TRUE(SaslOAuth::tokenMayGo(hooks, QStringLiteral("SMTP.Example.JP."), 465));
    EXPECT_FALSE(SaslOAuth::tokenMayGo(hooks, QStringLiteral("pop.example.jp.attacker.example"), 995));
    EXPECT_FALSE(SaslOAuth::tokenMayGo(hooks, QString(), 995));

    QStringList asked;
    hooks.tokenElsewhere = [&](const QString &host, quint16 port, const QString &provider) {
        asked << QStringLiteral("%1:%2 %3").arg(host).arg(port).arg(provider);
        return host == QLatin1String("allowed.example.jp");
    };
    EXPECT_TRUE(SaslOAuth::tokenMayGo(hooks, QStringLiteral("allowed.example.jp"), 995));
    EXPECT_FALSE(SaslOAuth::tokenMayGo(hooks, QStringLiteral("mail.attacker.example"), 995));
    EXPECT_EQ(asked, (QStringList{QStringLiteral("allowed.example.jp:995 P"), QStringLiteral("mail.attacker.example:995 P")}));
    EXPECT_TRUE(SaslOAuth::tokenMayGo(hooks, QStringLiteral("pop.example.jp"), 995));
    EXPECT_EQ(asked.size(), 2);
}

