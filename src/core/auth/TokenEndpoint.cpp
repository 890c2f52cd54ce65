#include "core/auth/TokenEndpoint.h"

#include <QDateTime>
#include <QEventLoop>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <QUrlQuery>

namespace {

QNetworkReply *post(QNetworkAccessManager &network, const QUrl &url, const OAuthProvider &provider,
                    QList<std::pair<QString, QString>> fields)
{
    fields.prepend({QStringLiteral("client_id"), provider.clientId});
    if (!provider.clientSecret.isEmpty())
        fields.append({QStringLiteral("client_secret"), provider.clientSecret});
    QByteArray body;
    for (const auto &[key, value] : std::as_const(fields)) {
        if (!body.isEmpty())
            body += '&';
        body += QUrl::toPercentEncoding(key) + '=' + QUrl::toPercentEncoding(value);
    }
    QNetworkRequest request(url);
    request.setHeader(QNetworkRequest::ContentTypeHeader, QByteArrayLiteral("application/x-www-form-urlencoded"));
    request.setRawHeader("Accept", "application/json");
    request.setTransferTimeout(TokenEndpoint::kTimeoutMs);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
    return network.post(request, body);
}

QJsonObject readObject(QNetworkReply *reply, QString *networkError)
{
    // An error status still carries the OAuth error in its JSON body.
    const QByteArray body = reply->readAll();
    const QJsonObject object = QJsonDocument::fromJson(body).object();
    if (object.isEmpty()) {
        const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        *networkError = reply->error() != QNetworkReply::NoError
            ? reply->errorString()
            : QStringLiteral("HTTP %1: 応答を読めません").arg(status);
    }
    return object;
}

} // namespace

std::optional<QString> TokenEndpoint::unusable(const OAuthProvider &provider, bool device)
{
    if (!provider.hasClientId())
        return OAuthProviders::missingClientIdText(provider.name);
    const QList<QUrl> endpoints = device ? QList<QUrl>{provider.device, provider.token}
                                         : QList<QUrl>{provider.authorize, provider.token};
    for (const QUrl &url : endpoints)
        if (!OAuthProviders::endpointAllowed(url))
            return QStringLiteral("oauth2.ini の [%1] のアドレス「%2」は使えません（https のアドレスが必要です）。")
                .arg(provider.name, url.toString());
    return std::nullopt;
}

QNetworkReply *TokenEndpoint::exchangeCode(QNetworkAccessManager &network, const OAuthProvider &provider,
                                           const QByteArray &code, const QByteArray &verifier, const QUrl &redirect)
{
    return post(network, provider.token, provider,
                {{QStringLiteral("grant_type"), QStringLiteral("authorization_code")},
                 {QStringLiteral("code"), QString::fromLatin1(code)},
                 {QStringLiteral("redirect_uri"), redirect.toString()},
                 {QStringLiteral("code_verifier"), QString::fromLatin1(verifier)}});
}

QNetworkReply *TokenEndpoint::refresh(QNetworkAccessManager &network, const OAuthProvider &provider,
                                      const QString &refreshToken)
{
    return post(network, provider.token, provider,
                {{QStringLiteral("grant_type"), QStringLiteral("refresh_token")},
                 {QStringLiteral("refresh_token"), refreshToken},
                 {QStringLiteral("scope"), provider.scopes.join(u' ')}});
}

QNetworkReply *TokenEndpoint::startDevice(QNetworkAccessManager &network, const OAuthProvider &provider)
{
    return post(network, provider.device, provider, {{QStringLiteral("scope"), provider.scopes.join(u' ')}});
}

QNetworkReply *TokenEndpoint::pollDevice(QNetworkAccessManager &network, const OAuthProvider &provider,
                                         const QString &deviceCode)
{
    return post(network, provider.token, provider,
                {{QStringLiteral("grant_type"), QStringLiteral("urn:ietf:params:oauth:grant-type:device_code")},
                 {QStringLiteral("device_code"), deviceCode}});
}

TokenReply TokenEndpoint::readToken(QNetworkReply *reply, qint64 now)
{
    TokenReply result;
    const QJsonObject object = readObject(reply, &result.description);
    if (object.isEmpty())
        return result;
    result.error = object.value(QStringLiteral("error")).toString();
    if (!result.error.isEmpty()) {
        result.description = object.value(QStringLiteral("error_description")).toString();
        return result;
    }
    result.tokens.access = object.value(QStringLiteral("access_token")).toString();
    // Redirects are never followed, so this is the endpoint that answered.
    result.tokens.tokenUrl = reply->request().url().toString(QUrl::FullyEncoded);
    result.tokens.refresh = object.value(QStringLiteral("refresh_token")).toString();
    const qint64 lifetime = object.value(QStringLiteral("expires_in")).toVariant().toLongLong();
    // No token lives longer than a year, whatever the answer says.
    constexpr qint64 kLongestLifetime = 366 * 86400;
    result.tokens.expires = now + (lifetime > 0 ? qMin(lifetime, kLongestLifetime) : 3600);
    result.ok = !result.tokens.access.isEmpty();
    if (!result.ok)
        result.description = QStringLiteral("応答にアクセストークンがありません");
    return result;
}

DeviceReply TokenEndpoint::readDevice(QNetworkReply *reply)
{
    DeviceReply result;
    const QJsonObject object = readObject(reply, &result.error);
    if (object.isEmpty())
        return result;
    if (object.contains(QStringLiteral("error"))) {
        result.error = object.value(QStringLiteral("error")).toString() + QStringLiteral(": ")
            + object.value(QStringLiteral("error_description")).toString();
        return result;
    }
    result.deviceCode = object.value(QStringLiteral("device_code")).toString();
    result.userCode = object.value(QStringLiteral("user_code")).toString();
    result.verificationUri = object.value(QStringLiteral("verification_uri")).toString();
    if (result.verificationUri.isEmpty())
        result.verificationUri = object.value(QStringLiteral("verification_url")).toString();
    result.interval = qBound(1, object.value(QStringLiteral("interval")).toInt(5), 60);
    result.expiresIn = qBound(10, object.value(QStringLiteral("expires_in")).toInt(600), 3600);
    result.ok = !result.deviceCode.isEmpty() && !result.userCode.isEmpty() && !result.verificationUri.isEmpty();
    if (!result.ok)
        result.error = QStringLiteral("応答にコードがありません");
    return result;
}

TokenReply TokenEndpoint::refreshAndWait(const OAuthProvider &provider, const QString &refreshToken,
                                         const std::atomic_bool *cancel)
{
    QNetworkAccessManager network;
    QNetworkReply *reply = refresh(network, provider, refreshToken);
    QEventLoop loop;
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, &loop, [&] {
        if (cancel && cancel->load())
            reply->abort();
    });
    watch.start(50);
    if (!reply->isFinished())
        loop.exec();
    TokenReply result;
    if (cancel && cancel->load()) {
        result.description = QStringLiteral("中止しました。");
    } else {
        result = readToken(reply, QDateTime::currentSecsSinceEpoch());
        // A refresh may leave the refresh token out: the old one still holds.
        if (result.ok && result.tokens.refresh.isEmpty())
            result.tokens.refresh = refreshToken;
    }
    delete reply;
    return result;
}

QString TokenEndpoint::describe(const QString &provider, const TokenReply &reply)
{
    QString words = reply.error;
    if (!reply.description.isEmpty())
        words += (words.isEmpty() ? QString() : QStringLiteral(": ")) + reply.description;
    return QStringLiteral("%1 のトークンを取得できませんでした（%2）。").arg(provider, words);
}
