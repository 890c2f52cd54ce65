#include "core/auth/OAuthAccess.h"

#include "core/auth/OAuthProviders.h"
#include "core/auth/OAuthTokenStore.h"
#include "core/auth/TokenEndpoint.h"

#include <QDateTime>

namespace {

const QString kPrefix = QStringLiteral("oauth2:");

OAuthAccess::Access failed(OAuthAccess::Access::Status status, const QString &text)
{
    OAuthAccess::Access access;
    access.status = status;
    access.error = text;
    return access;
}

} // namespace

std::optional<QString> OAuthAccess::providerOf(const QString &authValue)
{
    const QString value = authValue.trimmed();
    if (!value.startsWith(kPrefix, Qt::CaseInsensitive) || value.size() == kPrefix.size())
        return std::nullopt;
    return value.mid(kPrefix.size()).trimmed();
}

QString OAuthAccess::authValueFor(const QString &provider)
{
    return kPrefix + provider;
}

OAuthAccess::Access OAuthAccess::prepare(const QString &providerName, const QString &account,
                                         const std::atomic_bool *cancel)
{
    using Status = Access::Status;
    const auto provider = OAuthProviders::load().find(providerName);
    if (!provider)
        return failed(Status::Failed, QStringLiteral("サインインに使うプロバイダ「%1」が oauth2.ini にありません。").arg(providerName));
    if (const auto problem = TokenEndpoint::unusable(*provider))
        return failed(Status::Failed, *problem);
    const auto stored = OAuthTokenStore::load(provider->name, account);
    if (!stored)
        return failed(Status::NeedsSignIn, kNotSignedInText);
    const qint64 now = QDateTime::currentSecsSinceEpoch();
    Access access;
    access.status = Status::Ok;
    access.provider = provider->name;
    access.hosts = provider->hosts;
    if (stored->freshFor(kRefreshMargin, now)) {
        access.token = stored->access.toLatin1();
        return access;
    }
    // The refresh token goes back only to the endpoint that issued it; a provider
    // file that names another one now gets a new sign-in, never the token.
    if (stored->tokenUrl.isEmpty() || stored->tokenUrl != provider->token.toString(QUrl::FullyEncoded))
        return failed(Status::NeedsSignIn, kTokenUrlChangedText.arg(provider->name));
    const TokenReply reply = TokenEndpoint::refreshAndWait(*provider, stored->refresh, cancel);
    if (!reply.ok) {
        // The grant itself is gone: only a new sign-in helps, never a password.
        if (reply.error == QLatin1String("invalid_grant")) {
            OAuthTokenStore::remove(provider->name, account);
            return failed(Status::NeedsSignIn, kExpiredText);
        }
        return failed(Status::Failed, TokenEndpoint::describe(provider->name, reply));
    }
    QString why;
    if (!OAuthTokenStore::save(provider->name, account, reply.tokens, &why))
        return failed(Status::Failed,
                      QStringLiteral("サインインの情報を %1 に保存できませんでした（%2）。").arg(OAuthTokenStore::path(), why));
    access.token = reply.tokens.access.toLatin1();
    return access;
}
