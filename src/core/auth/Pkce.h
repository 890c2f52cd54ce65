#pragma once

#include <QByteArray>

// Proof Key for Code Exchange (S256): the verifier stays here, only its hash
// travels through the browser.
namespace Pkce {

// count random bytes from the system's source, base64url without padding.
QByteArray randomText(int count);
// 32 random bytes: 43 characters, within the 43..128 the verifier must have.
QByteArray verifier();
// base64url(SHA-256(verifier)) without padding.
QByteArray challenge(const QByteArray &verifier);

} // namespace Pkce
