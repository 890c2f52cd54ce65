#include "core/mail/net/SaslOAuth.h"

#include "core/mail/net/LineSession.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <atomic>

namespace {

std::atomic_bool g_plainLoopback{false};

bool printable(const QByteArray &text)
{
    for (const char c : text)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            return false;
    return true;
}

} // namespace

std::optional<SaslOAuth::Mechanism> SaslOAuth::choose(const QList<QByteArray> &offered)
{
    if (offered.contains("OAUTHBEARER"))
        return Mechanism::OAuthBearer;
    if (offered.contains("XOAUTH2"))
        return Mechanism::XOAuth2;
    return std::nullopt;
}

QByteArray SaslOAuth::name(Mechanism mechanism)
{
    return mechanism == Mechanism::OAuthBearer ? QByteArrayLiteral("OAUTHBEARER") : QByteArrayLiteral("XOAUTH2");
}

QByteArray SaslOAuth::initialResponse(Mechanism mechanism, const QByteArray &user, const QByteArray &token,
                                      const QString &host, quint16 port)
{
    if (user.isEmpty() || token.isEmpty() || !printable(user) || !printable(token) || token.contains(' '))
        return {};
    if (mechanism == Mechanism::XOAuth2)
        return "user=" + user + "\x01" "auth=Bearer " + token + "\x01\x01";
    QByteArray saslName = user;
    saslName.replace("=", "=3D").replace(",", "=2C");
    return "n,a=" + saslName + ",\x01" "host=" + host.toUtf8() + "\x01" "port=" + QByteArray::number(port)
        + "\x01" "auth=Bearer " + token + "\x01\x01";
}

QByteArray SaslOAuth::failureAcknowledgement(Mechanism mechanism)
{
    // OAUTHBEARER's client answers a failure with a lone %x01; XOAUTH2's with nothing.
    return mechanism == Mechanism::OAuthBearer ? QByteArrayLiteral("AQ==") : QByteArray();
}

QString SaslOAuth::failureStatus(const QByteArray &challenge)
{
    const QJsonObject object = QJsonDocument::fromJson(QByteArray::fromBase64(challenge.trimmed())).object();
    const QJsonValue status = object.value(QStringLiteral("status"));
    const QString text = status.isDouble() ? QString::number(status.toInt()) : status.toString();
    return text.left(100);
}

bool SaslOAuth::lineMayCarry(bool encrypted, const QString &host)
{
    return encrypted || (g_plainLoopback.load() && ServerAddress{host}.isLoopback());
}

void SaslOAuth::allowPlainLoopback(bool allow)
{
    g_plainLoopback = allow;
}

bool SaslOAuth::tokenMayGo(const SessionHooks &hooks, const QString &host, quint16 port)
{
    QString name = host.toLower();
    if (name.endsWith(u'.'))
        name.chop(1);
    if (!name.isEmpty() && hooks.tokenHosts.contains(name))
        return true;
    return hooks.tokenElsewhere && hooks.tokenElsewhere(host, port, hooks.tokenProvider);
}

QString SaslOAuth::notTheProvidersServer(const QString &kind, const QString &host, const QString &provider)
{
    return QStringLiteral("%1サーバー %2 は %3 のサーバー（oauth2.ini の hosts=）ではないため、サインイン情報を送らずに中止しました。")
        .arg(kind, host, provider);
}
