#include "core/auth/Pkce.h"

#include <QCryptographicHash>
#include <QRandomGenerator>

namespace {

constexpr auto kBase64Url = QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals;

} // namespace

QByteArray Pkce::randomText(int count)
{
    QByteArray bytes(count, Qt::Uninitialized);
    QRandomGenerator *source = QRandomGenerator::system();
    for (char &byte : bytes)
        byte = static_cast<char>(source->bounded(256));
    return bytes.toBase64(kBase64Url);
}

QByteArray Pkce::verifier()
{
    return randomText(32);
}

QByteArray Pkce::challenge(const QByteArray &verifier)
{
    return QCryptographicHash::hash(verifier, QCryptographicHash::Sha256).toBase64(kBase64Url);
}
