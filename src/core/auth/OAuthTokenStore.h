#pragma once

#include <QString>

#include <optional>

// What a sign-in leaves: the refresh token that lasts, and the access token of
// the moment with its end (seconds since the epoch).
struct OAuthTokens {
    QString refresh;
    QString access;
    qint64 expires = 0;
    QString tokenUrl;  // the endpoint that issued them, the only one the refresh token goes to

    // The access token still holds this many seconds from now.
    bool freshFor(qint64 seconds, qint64 now) const { return !access.isEmpty() && expires - now > seconds; }
};

// "★MAilData/OAuthTokens.ini": one section per provider and account. The file
// is the user's alone (0600), replaced whole through SafeFile, and every read
// and write in the program goes through here, one at a time.
namespace OAuthTokenStore {

QString path();
std::optional<OAuthTokens> load(const QString &provider, const QString &account);
bool save(const QString &provider, const QString &account, const OAuthTokens &tokens, QString *error = nullptr);
bool remove(const QString &provider, const QString &account, QString *error = nullptr);

} // namespace OAuthTokenStore
