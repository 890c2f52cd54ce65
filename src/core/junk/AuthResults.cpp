#include "core/junk/AuthResults.h"

#include "core/mail/mime/Charsets.h"
#include "core/mail/mime/MimeReader.h"

#include <QHostAddress>
#include <QRegularExpression>
#include <QSet>

namespace AuthResults {

namespace {

// Second levels under which two-letter countries register names (co.jp, ne.jp, co.uk, com.au ...).
const QSet<QString> kCountrySecondLevels = {
    QStringLiteral("co"), QStringLiteral("ne"), QStringLiteral("or"), QStringLiteral("ac"), QStringLiteral("go"),
    QStringLiteral("ad"), QStringLiteral("ed"), QStringLiteral("gr"), QStringLiteral("lg"), QStringLiteral("com"),
    QStringLiteral("net"), QStringLiteral("org"), QStringLiteral("edu"), QStringLiteral("gov")};

// Every value of the header name in the block, unfolded.
QList<QByteArray> headerValues(const QByteArray &block, const QByteArray &name)
{
    QList<QByteArray> values;
    const QList<QByteArray> lines = block.split('\n');
    QByteArray *current = nullptr;
    for (QByteArray line : lines) {
        if (line.endsWith('\r'))
            line.chop(1);
        if (!line.isEmpty() && (line[0] == ' ' || line[0] == '\t')) {
            if (current)
                *current += ' ' + line.trimmed();
            continue;
        }
        current = nullptr;
        const qsizetype colon = line.indexOf(':');
        if (colon > 0 && line.left(colon).trimmed().compare(name, Qt::CaseInsensitive) == 0) {
            values << line.mid(colon + 1).trimmed();
            current = &values.last();
        }
    }
    return values;
}

// The value with comments (nested, escapes honoured) turned into spaces;
// quoted strings keep their quotes.
QString withoutComments(const QString &value)
{
    QString out;
    int depth = 0;
    bool quoted = false;
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value[i];
        if (c == u'\\' && i + 1 < value.size() && (quoted || depth > 0)) {
            if (quoted)
                out += value.mid(i, 2);
            ++i;
            continue;
        }
        if (depth == 0 && c == u'"')
            quoted = !quoted;
        if (!quoted && c == u'(') {
            ++depth;
            out += u' ';
            continue;
        }
        if (!quoted && depth > 0 && c == u')') {
            --depth;
            continue;
        }
        if (depth == 0)
            out += c;
    }
    return out;
}

// Splits at sep outside quoted strings.
QStringList splitOutsideQuotes(const QString &text, QChar sep)
{
    QStringList parts;
    QString part;
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\\' && quoted && i + 1 < text.size()) {
            part += text.mid(i, 2);
            ++i;
            continue;
        }
        if (c == u'"')
            quoted = !quoted;
        if (!quoted && (sep == u' ' ? c.isSpace() : c == sep)) {
            parts << part;
            part.clear();
            continue;
        }
        part += c;
    }
    parts << part;
    return parts;
}

QString unquoted(QString value)
{
    if (value.size() >= 2 && value.startsWith(u'"') && value.endsWith(u'"')) {
        value = value.mid(1, value.size() - 2);
        value.replace(QRegularExpression(QStringLiteral("\\\\(.)")), QStringLiteral("\\1"));
    }
    return value;
}

QString domainOf(const QString &addressOrDomain)
{
    const qsizetype at = addressOrDomain.lastIndexOf(u'@');
    return (at < 0 ? addressOrDomain : addressOrDomain.mid(at + 1)).toLower().trimmed();
}

QString fromDomain(const QByteArray &header)
{
    const QList<QByteArray> froms = headerValues(header, "From");
    if (froms.isEmpty())
        return {};
    static const QRegularExpression address(QStringLiteral("[^\\s<>\"@]+@([A-Za-z0-9.-]+)"));
    const auto match = address.match(Charsets::decodeHeader(froms.first()));
    return match.hasMatch() ? match.captured(1).toLower() : QString();
}

bool aligned(const QString &domain, const QString &from)
{
    return !domain.isEmpty() && organisationalDomain(domain) == organisationalDomain(from);
}

// Whether a pass of spf or dkim speaks for the From domain. A pass that names no
// domain is taken as the server's word for the mail.
bool passFor(const Result &result, const QString &from)
{
    if (result.result != QLatin1String("pass"))
        return false;
    if (result.method == QLatin1String("dkim")) {
        QString domain = result.property(QStringLiteral("header.d"));
        if (domain.isEmpty())
            domain = domainOf(result.property(QStringLiteral("header.i")));
        return domain.isEmpty() || aligned(domain, from);
    }
    QString domain = domainOf(result.property(QStringLiteral("smtp.mailfrom")));
    if (domain.isEmpty())
        domain = domainOf(result.property(QStringLiteral("smtp.helo")));
    return domain.isEmpty() || aligned(domain, from);
}

} // namespace

QString Result::property(const QString &name) const
{
    for (const auto &[key, value] : properties) {
        if (key == name)
            return value;
    }
    return {};
}

bool parseValue(const QString &value, Header *out)
{
    const QStringList parts = splitOutsideQuotes(withoutComments(value), u';');
    // The id, then an optional version number, or "none".
    const QStringList head = parts.first().simplified().split(u' ', Qt::SkipEmptyParts);
    if (head.isEmpty())
        return false;
    out->authservId = unquoted(head.first()).toLower();
    out->results.clear();
    for (qsizetype i = 1; i < parts.size(); ++i) {
        // CFWS may stand around "=", "/" and "."; pull each item together first.
        static const QRegularExpression spacedSigns(QStringLiteral("\\s*([=/.])\\s*"));
        QString resultText = parts[i].trimmed();
        resultText.replace(spacedSigns, QStringLiteral("\\1"));
        const QStringList items = splitOutsideQuotes(resultText, u' ');
        Result result;
        for (const QString &item : items) {
            if (item.isEmpty())
                continue;
            const qsizetype equals = item.indexOf(u'=');
            if (equals <= 0)
                continue;
            const QString name = item.left(equals).toLower();
            const QString val = unquoted(item.mid(equals + 1));
            if (result.method.isEmpty()) {
                result.method = name.section(u'/', 0, 0);
                result.result = val.toLower();
            } else if (name != QLatin1String("reason")) {
                result.properties << qMakePair(name, val);
            }
        }
        if (!result.method.isEmpty())
            out->results << result;
    }
    return true;
}

QList<Header> parse(const QByteArray &header)
{
    QList<Header> headers;
    for (const QByteArray &value : headerValues(header, "Authentication-Results")) {
        Header parsed;
        if (parseValue(QString::fromUtf8(value), &parsed))
            headers << parsed;
    }
    return headers;
}

QString organisationalDomain(const QString &domain)
{
    const QStringList labels = domain.toLower().split(u'.', Qt::SkipEmptyParts);
    if (labels.size() <= 2)
        return labels.join(u'.');
    const bool countrySecondLevel = labels.last().size() == 2 && kCountrySecondLevels.contains(labels[labels.size() - 2]);
    return labels.mid(labels.size() - (countrySecondLevel ? 3 : 2)).join(u'.');
}

QStringList trustedIds(const QString &authserv, const QString &pop3Server)
{
    QStringList ids;
    if (!authserv.trimmed().isEmpty()) {
        for (const QString &id : authserv.split(u',', Qt::SkipEmptyParts)) {
            if (!id.trimmed().isEmpty())
                ids << id.trimmed().toLower();
        }
        return ids;
    }
    QString host = pop3Server.trimmed().toLower();
    if (host.isEmpty())
        return ids;
    if (!QHostAddress(host).isNull())
        return {host};
    static const QRegularExpression port(QStringLiteral(":\\d+$"));
    host.remove(port);
    while (host.endsWith(u'.'))
        host.chop(1);
    const QString organisation = organisationalDomain(host);
    ids << host;
    // Parents down to the organisation's domain, never a bare country or top level.
    while (host != organisation && host.count(u'.') > organisation.count(u'.')) {
        host = host.section(u'.', 1);
        ids << host;
    }
    return ids;
}

bool spoofed(const QByteArray &header, const QStringList &trustedIds)
{
    if (trustedIds.isEmpty())
        return false;
    const QString from = fromDomain(header);
    bool anyVerdict = false;
    bool anyPass = false;
    for (const Header &parsed : parse(header)) {
        if (!trustedIds.contains(parsed.authservId, Qt::CaseInsensitive))
            continue;
        for (const Result &result : parsed.results) {
            if (result.method == QLatin1String("dmarc") && result.result == QLatin1String("fail"))
                return true;
            if (result.method == QLatin1String("spf") || result.method == QLatin1String("dkim")) {
                anyVerdict = true;
                anyPass = anyPass || passFor(result, from);
            }
        }
    }
    return anyVerdict && !anyPass && !from.isEmpty();
}

} // namespace AuthResults
