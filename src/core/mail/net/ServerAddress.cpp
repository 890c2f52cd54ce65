#include "core/mail/net/LineSession.h"

#include <QHostAddress>

std::optional<ServerAddress> ServerAddress::parse(const QString &text, const Schemes &schemes)
{
    ServerAddress address;
    QString rest = text.trimmed();
    const qsizetype schemeEnd = rest.indexOf(QStringLiteral("://"));
    if (schemeEnd >= 0) {
        const QString scheme = rest.left(schemeEnd).toLower();
        if (scheme == schemes.tls)
            address.implicitTls = true;
        else if (scheme != schemes.plain)
            return std::nullopt;
        rest = rest.mid(schemeEnd + 3);
    }
    while (rest.endsWith(u'/'))
        rest.chop(1);

    QString portText;
    if (rest.startsWith(u'[')) {
        const qsizetype close = rest.indexOf(u']');
        if (close < 0)
            return std::nullopt;
        address.host = rest.mid(1, close - 1);
        const QString after = rest.mid(close + 1);
        if (after.startsWith(u':'))
            portText = after.mid(1);
        else if (!after.isEmpty())
            return std::nullopt;
    } else {
        const qsizetype colon = rest.lastIndexOf(u':');
        // More than one colon without brackets is a bare IPv6 address.
        if (colon >= 0 && rest.indexOf(u':') == colon) {
            address.host = rest.left(colon);
            portText = rest.mid(colon + 1);
        } else {
            address.host = rest;
        }
    }
    if (address.host.isEmpty())
        return std::nullopt;
    if (portText.isEmpty()) {
        address.port = address.implicitTls ? schemes.tlsPort : schemes.plainPort;
    } else {
        bool ok = false;
        const uint port = portText.toUInt(&ok);
        if (!ok || port == 0 || port > 65535)
            return std::nullopt;
        address.port = static_cast<quint16>(port);
    }
    return address;
}

bool ServerAddress::isLoopback() const
{
    if (host.compare(QLatin1String("localhost"), Qt::CaseInsensitive) == 0)
        return true;
    const QHostAddress ip(host);
    return !ip.isNull() && ip.isLoopback();
}
