// What an OAuth 2.0 provider says: the provider file (oauth2.ini, shipped or the
// user's own) and the token endpoint's answers, read through a network reply
// that holds the fuzz input as its body.
#include "FuzzSupport.h"

#include "core/auth/OAuthProviders.h"
#include "core/auth/TokenEndpoint.h"

#include <QNetworkReply>
#include <QNetworkRequest>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    fuzz::startApplication(argc, argv);
    fuzz::AllocationBound::install();
    fuzz::scratch();
    return 0;
}

namespace {

// A finished reply whose body and status come from the input.
class CannedReply : public QNetworkReply {
public:
    CannedReply(QByteArray body, int status, bool failed) : m_body(std::move(body))
    {
        setAttribute(QNetworkRequest::HttpStatusCodeAttribute, status);
        if (failed)
            setError(QNetworkReply::ProtocolInvalidOperationError, QStringLiteral("HTTP error"));
        open(QIODevice::ReadOnly);
        setFinished(true);
    }
    void abort() override {}
    qint64 bytesAvailable() const override { return m_body.size() - m_pos + QNetworkReply::bytesAvailable(); }
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char *data, qint64 maxSize) override
    {
        const qint64 n = qMin<qint64>(maxSize, m_body.size() - m_pos);
        memcpy(data, m_body.constData() + m_pos, static_cast<size_t>(n));
        m_pos += n;
        return n;
    }

private:
    QByteArray m_body;
    qint64 m_pos = 0;
};

void checkProviders(const QByteArray &raw)
{
    OAuthProviders providers;
    providers.add(QString::fromUtf8(raw));
    providers.add(QString::fromUtf8(raw));  // a second file naming the same sections replaces them
    QStringList names;
    for (const OAuthProvider &provider : providers.list()) {
        fuzz::requireValidUtf16(provider.name);
        fuzz::require(!names.contains(provider.name, Qt::CaseInsensitive), "a provider listed twice");
        names << provider.name;
        (void)provider.redirectFor(49152).isValid();
        (void)TokenEndpoint::unusable(provider);
        (void)TokenEndpoint::unusable(provider, true);
        // A host written as a server text would be ("pop.example.jp") is found by it.
        if (!provider.hosts.isEmpty() && OAuthProviders::hostOf(provider.hosts.first()) == provider.hosts.first())
            fuzz::require(providers.serving({provider.hosts.first()}).has_value(), "a listed host is not served");
        fuzz::require(providers.find(provider.name).has_value(), "a listed provider is not found");
    }
    (void)OAuthProviders::hostOf(QString::fromUtf8(raw.left(200)));
}

void checkAnswers(const QByteArray &raw, uint8_t mode)
{
    const int status = (mode & 1) ? 400 : 200;
    {
        CannedReply reply(raw, status, mode & 2);
        const TokenReply token = TokenEndpoint::readToken(&reply, 1'796'000'000);
        fuzz::requireValidUtf16(token.error);
        fuzz::requireValidUtf16(token.description);
        fuzz::require(!token.ok || token.tokens.expires > 1'796'000'000, "a token that expired before it came");
        const QString said = TokenEndpoint::describe(QStringLiteral("example"), token);
        fuzz::requireValidUtf16(said);
        if (!token.tokens.access.isEmpty())
            fuzz::require(!said.contains(token.tokens.access) || token.tokens.access.size() < 4,
                          "a failure's sentence carries the token");
    }
    {
        CannedReply reply(raw, status, mode & 2);
        const DeviceReply device = TokenEndpoint::readDevice(&reply);
        fuzz::requireValidUtf16(device.error);
        fuzz::require(device.interval >= 1 && device.interval <= 60, "poll interval");
        fuzz::require(device.expiresIn >= 10 && device.expiresIn <= 3600, "device code lifetime");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const QByteArray raw = fuzz::bytes(data + 1, size - 1);
    fuzz::AllocationBound bound(size, 64);
    checkProviders(raw);
    checkAnswers(raw, data[0]);
    return 0;
}
