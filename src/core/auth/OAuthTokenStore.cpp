#include "core/auth/OAuthTokenStore.h"

#include "core/common/AppPaths.h"
#include "core/common/Cp932.h"
#include "core/common/SafeFile.h"

#include <QFile>
#include <QMap>
#include <QMutex>
#include <QUrl>

namespace {

QMutex g_lock;

using Sections = QMap<QString, QMap<QString, QString>>;

QString sectionName(const QString &provider, const QString &account)
{
    // Percent-encoded, so no account name can end the section line early.
    return provider + u'/' + QString::fromLatin1(QUrl::toPercentEncoding(account));
}

Sections readAll(const QString &path)
{
    Sections sections;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return sections;
    QString current;
    bool inSection = false;
    for (const QByteArray &raw : file.read(16 << 20).split('\n')) {
        const QString line = Cp932::decode(raw).trimmed();
        if (line.startsWith(u'[') && line.endsWith(u']')) {
            current = line.mid(1, line.size() - 2);
            inSection = true;
            sections[current];
            continue;
        }
        const qsizetype eq = line.indexOf(u'=');
        if (inSection && eq > 0)
            sections[current][line.left(eq).trimmed().toLower()] = line.mid(eq + 1).trimmed();
    }
    return sections;
}

bool writeAll(const QString &path, const Sections &sections, QString *error)
{
    QByteArray bytes;
    for (auto it = sections.constBegin(); it != sections.constEnd(); ++it) {
        bytes += '[' + Cp932::encode(it.key()) + "]\r\n";
        for (auto field = it->constBegin(); field != it->constEnd(); ++field)
            bytes += field.key().toLatin1() + '=' + field->toLatin1() + "\r\n";
    }
    return SafeFile::replace(path, bytes, {}, mode_t(0600), error);
}

// Tokens are printable ASCII; anything else would break the file's lines.
bool plainToken(const QString &text)
{
    for (const QChar c : text)
        if (c.unicode() < 0x21 || c.unicode() > 0x7E)
            return false;
    return true;
}

} // namespace

QString OAuthTokenStore::path()
{
    return AppPaths::resolve(QStringLiteral("\\★MAilData\\OAuthTokens.ini"));
}

std::optional<OAuthTokens> OAuthTokenStore::load(const QString &provider, const QString &account)
{
    QMutexLocker lock(&g_lock);
    const Sections sections = readAll(path());
    const auto it = sections.constFind(sectionName(provider, account));
    if (it == sections.constEnd() || it->value(QStringLiteral("refresh")).isEmpty())
        return std::nullopt;
    OAuthTokens tokens;
    tokens.refresh = it->value(QStringLiteral("refresh"));
    tokens.access = it->value(QStringLiteral("access"));
    tokens.expires = it->value(QStringLiteral("expires")).toLongLong();
    tokens.tokenUrl = it->value(QStringLiteral("token_url"));
    return tokens;
}

bool OAuthTokenStore::save(const QString &provider, const QString &account, const OAuthTokens &tokens,
                           QString *error)
{
    if (!plainToken(tokens.refresh) || !plainToken(tokens.access)
        || (!tokens.tokenUrl.isEmpty() && !plainToken(tokens.tokenUrl))) {
        if (error)
            *error = QStringLiteral("サーバーから受け取ったトークンに使えない文字が含まれています。");
        return false;
    }
    QMutexLocker lock(&g_lock);
    Sections sections = readAll(path());
    auto &section = sections[sectionName(provider, account)];
    section[QStringLiteral("refresh")] = tokens.refresh;
    section[QStringLiteral("access")] = tokens.access;
    section[QStringLiteral("expires")] = QString::number(tokens.expires);
    section[QStringLiteral("token_url")] = tokens.tokenUrl;
    return writeAll(path(), sections, error);
}

bool OAuthTokenStore::remove(const QString &provider, const QString &account, QString *error)
{
    QMutexLocker lock(&g_lock);
    Sections sections = readAll(path());
    if (!sections.remove(sectionName(provider, account)))
        return true;
    return writeAll(path(), sections, error);
}
