#pragma once

#include "core/auth/OAuthProviders.h"
#include "core/auth/OAuthTokenStore.h"

#include <QString>

#include <atomic>
#include <optional>

class QNetworkAccessManager;
class QNetworkReply;

// The answer of a token endpoint.
struct TokenReply {
    bool ok = false;
    OAuthTokens tokens;   // expires already counted from now
    QString error;        // the OAuth error code: "invalid_grant", "authorization_pending", ...
    QString description;  // the server's or the network's own words
};

// A device authorization: what the user types where.
struct DeviceReply {
    bool ok = false;
    QString deviceCode;
    QString userCode;
    QString verificationUri;
    int interval = 5;     // seconds between polls
    int expiresIn = 600;
    QString error;
};

// Requests to a provider's token and device endpoints, on Qt's asynchronous
// network access (the replies belong to the caller's thread).
namespace TokenEndpoint {

// Why the provider cannot be used, or nothing: no client ID, or an endpoint
// that is neither https nor on this machine.
std::optional<QString> unusable(const OAuthProvider &provider, bool device = false);

QNetworkReply *exchangeCode(QNetworkAccessManager &network, const OAuthProvider &provider,
                            const QByteArray &code, const QByteArray &verifier, const QUrl &redirect);
QNetworkReply *refresh(QNetworkAccessManager &network, const OAuthProvider &provider, const QString &refreshToken);
QNetworkReply *startDevice(QNetworkAccessManager &network, const OAuthProvider &provider);
QNetworkReply *pollDevice(QNetworkAccessManager &network, const OAuthProvider &provider, const QString &deviceCode);

// Reads a finished reply (now: seconds since the epoch).
TokenReply readToken(QNetworkReply *reply, qint64 now);
DeviceReply readDevice(QNetworkReply *reply);

// A refresh that waits for its answer, for the workers of checks and sends;
// it ends early when cancel is set. On any thread but the window's.
TokenReply refreshAndWait(const OAuthProvider &provider, const QString &refreshToken,
                          const std::atomic_bool *cancel = nullptr);

// A failed reply in a sentence, without any token in it.
QString describe(const QString &provider, const TokenReply &reply);

// How long a token request may take.
constexpr int kTimeoutMs = 30000;

} // namespace TokenEndpoint
