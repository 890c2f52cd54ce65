#pragma once

#include "core/mail/net/SessionHooks.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

// SASL sign-in with an OAuth 2.0 bearer token: OAUTHBEARER and the
// older XOAUTH2, whichever the server offers, OAUTHBEARER first.
namespace SaslOAuth {

enum class Mechanism { OAuthBearer, XOAuth2 };

// From the upper-case mechanism names a server offers.
std::optional<Mechanism> choose(const QList<QByteArray> &offered);
QByteArray name(Mechanism mechanism);
// The client's first message, not yet base64; empty when the user or token
// holds characters that would break the message apart.
QByteArray initialResponse(Mechanism mechanism, const QByteArray &user, const QByteArray &token,
                           const QString &host, quint16 port);
// What answers a failure challenge so the server can end the exchange (base64).
QByteArray failureAcknowledgement(Mechanism mechanism);
// The "status" of a failure challenge's JSON (base64), e.g. "invalid_token"; empty if none.
QString failureStatus(const QByteArray &challenge);

// A token may cross only an encrypted line. Tests may let it cross a plain one
// that never leaves this machine.
bool lineMayCarry(bool encrypted, const QString &host);
void allowPlainLoopback(bool allow);

// The access token goes to the provider's own servers, and to another only with the user's yes.
bool tokenMayGo(const SessionHooks &hooks, const QString &host, quint16 port);
// Why a session stopped before its token went to host.
QString notTheProvidersServer(const QString &kind, const QString &host, const QString &provider);

} // namespace SaslOAuth
