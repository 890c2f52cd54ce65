#include "core/settings/ServerTrustFile.h"

#include "core/common/AppPaths.h"
#include "core/common/Cp932.h"
#include "core/common/OneLine.h"
#include "core/common/SafeFile.h"

#include <QCryptographicHash>
#include <QFile>
#include <QMap>
#include <QMutex>
#include <QSslCertificate>
#include <QUrl>

namespace {

const QString kFileName = QStringLiteral("\\ServerTrust.ini");

// Sessions may consult the file from another thread than the one answering
// the questions; one change at a time keeps every decision.
QMutex &fileLock()
{
    static QMutex lock;
    return lock;
}

using Servers = QMap<QString, ServerTrustFile::Server>;

// Provider names, percent-encoded so that none can break the list or the line.
QStringList names(const QString &value)
{
    QStringList list;
    for (const QString &part : value.split(u',', Qt::SkipEmptyParts))
        list << QUrl::fromPercentEncoding(part.trimmed().toLatin1());
    return list;
}

QString joined(const QStringList &list)
{
    QStringList parts;
    for (const QString &name : list)
        parts << QString::fromLatin1(QUrl::toPercentEncoding(name));
    return parts.join(u',');
}

Servers parse(const QByteArray &bytes)
{
    Servers servers;
    ServerTrustFile::Server *current = nullptr;
    const QStringList lines = Cp932::decode(bytes).split(u'\n');
    for (QString line : lines) {
        line = line.trimmed();
        if (line.startsWith(u'[') && line.endsWith(u']')) {
            current = &servers[line.mid(1, line.size() - 2).toLower()];
            continue;
        }
        const qsizetype eq = line.indexOf(u'=');
        if (!current || eq < 0)
            continue;
        const QString name = line.left(eq).trimmed();
        const QString value = line.mid(eq + 1).trimmed();
        if (name == QLatin1String("sha256"))
            current->pinnedSha256 = value.toLatin1().toLower();
        else if (name == QLatin1String("pem"))
            current->pinnedPem = QByteArray::fromBase64(value.toLatin1());
        else if (name == QLatin1String("tls"))
            current->seenTls = value == QLatin1String("1");
        else if (name == QLatin1String("plaintext"))
            current->plaintextAllowed = value == QLatin1String("1");
        else if (name == QLatin1String("signin"))
            current->signInAllowed = names(value);
        else if (name == QLatin1String("nosignin"))
            current->signInRefused = names(value);
    }
    return servers;
}

QByteArray format(const Servers &servers)
{
    QString text;
    for (auto it = servers.begin(); it != servers.end(); ++it) {
        const ServerTrustFile::Server &server = it.value();
        text += u'[' + OneLine::clean(it.key()) + QStringLiteral("]\r\n");
        if (!server.pinnedSha256.isEmpty())
            text += QStringLiteral("sha256=%1\r\n").arg(QString::fromLatin1(server.pinnedSha256));
        if (!server.pinnedPem.isEmpty())
            text += QStringLiteral("pem=%1\r\n").arg(QString::fromLatin1(server.pinnedPem.toBase64()));
        text += QStringLiteral("tls=%1\r\nplaintext=%2\r\n")
                    .arg(server.seenTls ? 1 : 0)
                    .arg(server.plaintextAllowed ? 1 : 0);
        if (!server.signInAllowed.isEmpty())
            text += QStringLiteral("signin=%1\r\n").arg(joined(server.signInAllowed));
        if (!server.signInRefused.isEmpty())
            text += QStringLiteral("nosignin=%1\r\n").arg(joined(server.signInRefused));
    }
    return Cp932::encode(text);
}

Servers readServers(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return parse(file.readAll());
}

} // namespace

ServerTrustFile::ServerTrustFile() : m_path(AppPaths::resolve(AppPaths::kDataFolder + kFileName)) {}

ServerTrustFile::ServerTrustFile(QString path) : m_path(std::move(path)) {}

QString ServerTrustFile::key(const QString &host, quint16 port)
{
    // International names in their ASCII form: the file is CP932, which holds few of them.
    const QByteArray ace = QUrl::toAce(host);
    const QString name = ace.isEmpty() ? host.toLower() : QString::fromLatin1(ace).toLower();
    // An IPv6 address carries colons of its own.
    return (name.contains(u':') ? u'[' + name + u']' : name) + u':' + QString::number(port);
}

QByteArray ServerTrustFile::fingerprint(const QSslCertificate &certificate)
{
    return certificate.digest(QCryptographicHash::Sha256).toHex();
}

QString ServerTrustFile::displayFingerprint(const QSslCertificate &certificate)
{
    return QString::fromLatin1(certificate.digest(QCryptographicHash::Sha256).toHex(':').toUpper());
}

ServerTrustFile::Server ServerTrustFile::server(const QString &host, quint16 port) const
{
    const QMutexLocker locker(&fileLock());
    return readServers(m_path).value(key(host, port));
}

bool ServerTrustFile::isPinned(const QString &host, quint16 port, const QSslCertificate &certificate) const
{
    if (certificate.isNull())
        return false;
    const QByteArray pinned = server(host, port).pinnedSha256;
    return !pinned.isEmpty() && pinned == fingerprint(certificate);
}

template <class Change>
bool ServerTrustFile::update(const QString &host, quint16 port, Change change, QString *error) const
{
    const QMutexLocker locker(&fileLock());
    Servers servers = readServers(m_path);
    Server &entry = servers[key(host, port)];
    const Server before = entry;
    change(entry);
    if (entry == before)
        return true;
    // Only the user needs to read which servers they trust.
    return SafeFile::replace(m_path, format(servers), {}, 0600, error);
}

bool ServerTrustFile::pin(const QString &host, quint16 port, const QSslCertificate &certificate,
                          QString *error) const
{
    return update(host, port, [&](Server &entry) {
        entry.pinnedSha256 = fingerprint(certificate);
        entry.pinnedPem = certificate.toPem();
    }, error);
}

bool ServerTrustFile::rememberTls(const QString &host, quint16 port, QString *error) const
{
    return update(host, port, [](Server &entry) { entry.seenTls = true; }, error);
}

bool ServerTrustFile::allowPlaintext(const QString &host, quint16 port, QString *error) const
{
    return update(host, port, [](Server &entry) { entry.plaintextAllowed = true; }, error);
}

std::optional<bool> ServerTrustFile::signInAnswer(const QString &host, quint16 port, const QString &provider) const
{
    const Server entry = server(host, port);
    if (entry.signInRefused.contains(provider))
        return false;
    if (entry.signInAllowed.contains(provider))
        return true;
    return std::nullopt;
}

bool ServerTrustFile::rememberSignInAnswer(const QString &host, quint16 port, const QString &provider, bool allowed,
                                           QString *error) const
{
    return update(host, port, [&](Server &entry) {
        entry.signInAllowed.removeAll(provider);
        entry.signInRefused.removeAll(provider);
        (allowed ? entry.signInAllowed : entry.signInRefused) << provider;
    }, error);
}
