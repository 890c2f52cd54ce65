#include "core/auth/OAuthProviders.h"

#include "core/common/AppPaths.h"
#include "core/common/Cp932.h"

#include <QFile>
#include <QHostAddress>

namespace {

QString readText(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    // A provider file is small; anything larger is not one.
    return Cp932::decode(file.read(1 << 20));
}

QStringList splitList(const QString &value, QChar separator)
{
    QStringList items;
    for (const QString &item : value.split(separator, Qt::SkipEmptyParts))
        if (!item.trimmed().isEmpty())
            items << item.trimmed();
    return items;
}

bool isLoopbackHost(const QString &host)
{
    if (host.compare(QLatin1String("localhost"), Qt::CaseInsensitive) == 0)
        return true;
    const QHostAddress ip(host);
    return !ip.isNull() && ip.isLoopback();
}

} // namespace

bool OAuthProvider::serves(const QString &host) const
{
    return !host.isEmpty() && hosts.contains(host.toLower());
}

QUrl OAuthProvider::redirectFor(quint16 port) const
{
    QString text = redirect.trimmed().isEmpty() ? QStringLiteral("http://127.0.0.1:{port}/") : redirect.trimmed();
    text.replace(QStringLiteral("{port}"), QString::number(port));
    return QUrl(text);
}

QString OAuthProviders::installedPath()
{
    return AppPaths::appDir() + QStringLiteral("/oauth2.ini");
}

QString OAuthProviders::userPath()
{
    return AppPaths::resolve(QStringLiteral("\\★MAilData\\oauth2.ini"));
}

OAuthProviders OAuthProviders::load()
{
    OAuthProviders providers;
    providers.add(readText(installedPath()));
    providers.add(readText(userPath()));
    return providers;
}

void OAuthProviders::add(const QString &text)
{
    QList<OAuthProvider> found;
    OAuthProvider *current = nullptr;
    QString normalized = text;
    normalized.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    for (const QString &raw : normalized.split(u'\n')) {
        const QString line = raw.trimmed();
        if (line.isEmpty() || line.startsWith(u';') || line.startsWith(u'#'))
            continue;
        if (line.startsWith(u'[')) {
            const qsizetype close = line.indexOf(u']');
            const QString name = close > 1 ? line.mid(1, close - 1).trimmed() : QString();
            current = nullptr;
            if (name.isEmpty())
                continue;
            found.append(OAuthProvider{});
            current = &found.last();
            current->name = name;
            continue;
        }
        const qsizetype eq = line.indexOf(u'=');
        if (!current || eq < 1)
            continue;
        const QString key = line.left(eq).trimmed().toLower();
        const QString value = line.mid(eq + 1).trimmed();
        if (key == QLatin1String("authorize"))
            current->authorize = QUrl(value);
        else if (key == QLatin1String("token"))
            current->token = QUrl(value);
        else if (key == QLatin1String("device"))
            current->device = QUrl(value);
        else if (key == QLatin1String("client_id"))
            current->clientId = value;
        else if (key == QLatin1String("client_secret"))
            current->clientSecret = value;
        else if (key == QLatin1String("scope"))
            current->scopes = splitList(value, u' ');
        else if (key == QLatin1String("hosts"))
            current->hosts = splitList(value.toLower(), u',');
        else if (key == QLatin1String("redirect"))
            current->redirect = value;
    }
    for (const OAuthProvider &provider : std::as_const(found)) {
        bool replaced = false;
        for (OAuthProvider &existing : m_list) {
            if (existing.name.compare(provider.name, Qt::CaseInsensitive) == 0) {
                existing = provider;
                replaced = true;
            }
        }
        if (!replaced)
            m_list.append(provider);
    }
}

std::optional<OAuthProvider> OAuthProviders::find(const QString &name) const
{
    for (const OAuthProvider &provider : m_list)
        if (provider.name.compare(name, Qt::CaseInsensitive) == 0)
            return provider;
    return std::nullopt;
}

QString OAuthProviders::hostOf(const QString &server)
{
    QString rest = server.trimmed();
    const qsizetype scheme = rest.indexOf(QStringLiteral("://"));
    if (scheme >= 0)
        rest = rest.mid(scheme + 3);
    if (rest.startsWith(u'[')) {
        const qsizetype close = rest.indexOf(u']');
        return close > 0 ? rest.mid(1, close - 1).toLower() : QString();
    }
    const qsizetype colon = rest.indexOf(u':');
    if (colon >= 0 && rest.lastIndexOf(u':') == colon)
        rest = rest.left(colon);
    while (rest.endsWith(u'/'))
        rest.chop(1);
    return rest.toLower();
}

std::optional<OAuthProvider> OAuthProviders::serving(const QStringList &servers) const
{
    for (const QString &server : servers) {
        const QString host = hostOf(server);
        for (const OAuthProvider &provider : m_list)
            if (provider.serves(host))
                return provider;
    }
    return std::nullopt;
}

QString OAuthProviders::missingClientIdText(const QString &provider)
{
    return QStringLiteral("「%1」にはクライアントIDがないため、サインインできません。%1 の開発者向けサイトでデスクトップアプリを登録し"
                          "（リダイレクトURI: http://127.0.0.1）、受け取ったIDを ★MAilData\\oauth2.ini の [%1] に "
                          "client_id= として書いてください（詳しくは README）。")
        .arg(provider);
}

bool OAuthProviders::endpointAllowed(const QUrl &url)
{
    if (!url.isValid() || url.host().isEmpty())
        return false;
    if (url.scheme() == QLatin1String("https"))
        return true;
    return url.scheme() == QLatin1String("http") && isLoopbackHost(url.host());
}
