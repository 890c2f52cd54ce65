#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <atomic>
#include <optional>

// May a flow that finds the sign-in gone open the browser on its own? Timed
// checks and bulk sends never do: they stop and say so.
enum class SignInPolicy { MayOpenBrowser, NeverOpenBrowser };

// The access token a check or a send signs in with, fresh for the session.
namespace OAuthAccess {

struct Access {
    enum class Status { Ok, NeedsSignIn, Failed };
    Status status = Status::Failed;
    QByteArray token;
    QString provider;           // for Ok: the provider's name and its mail servers (hosts=)
    QStringList hosts;
    QString error;              // for Failed and NeedsSignIn: the sentence for the box
};

// A token that ends within this many seconds is refreshed before a session.
constexpr qint64 kRefreshMargin = 5 * 60;

inline const QString kExpiredText = QStringLiteral("サインインの有効期限が切れました。もう一度サインインしてください。");
inline const QString kTokenUrlChangedText =
    QStringLiteral("oauth2.ini の「%1」のトークンのアドレスが、サインインしたときと変わっています。もう一度サインインしてください。");
inline const QString kNotSignedInText =
    QStringLiteral("OAuth 2.0 でのサインインがまだ済んでいません。ID/PASS の画面で「ブラウザでサインイン」を押してサインインしてください。");

// The provider named by the account file's NAME4 value "oauth2:<section>", or nothing for a password.
std::optional<QString> providerOf(const QString &authValue);
QString authValueFor(const QString &provider);

// Loads the account's tokens and refreshes them when they end soon. Waits on
// the network: for workers only, never the window thread.
Access prepare(const QString &provider, const QString &account, const std::atomic_bool *cancel = nullptr);

} // namespace OAuthAccess
