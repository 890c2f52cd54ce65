#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <optional>

// One authorization server the program can sign in with.
struct OAuthProvider {
    QString name;          // the section name
    QUrl authorize;
    QUrl token;
    QUrl device;           // empty: no sign-in by code
    QString clientId;
    QString clientSecret;
    QStringList scopes;
    QStringList hosts;     // mail servers it serves, lower case
    QString redirect;      // "{port}" stands for the loopback port

    bool hasClientId() const { return !clientId.trimmed().isEmpty(); }
    bool serves(const QString &host) const;
    // The loopback address the browser is sent back to.
    QUrl redirectFor(quint16 port) const;
};

// The providers of "oauth2.ini" beside the executable, and of the user's own
// "★MAilData/oauth2.ini", whose section wins over one of the same name.
class OAuthProviders {
public:
    static OAuthProviders load();
    // Parses one file's text; later files replace earlier sections of the same name.
    void add(const QString &text);

    const QList<OAuthProvider> &list() const { return m_list; }
    std::optional<OAuthProvider> find(const QString &name) const;
    // The provider that serves one of the server texts ("host", "host:port", "pop3s://host").
    std::optional<OAuthProvider> serving(const QStringList &servers) const;

    static QString installedPath();
    static QString userPath();
    // Why a provider without a client ID cannot sign in, and how to give it one.
    static QString missingClientIdText(const QString &provider);
    // Only https, or plain http that never leaves this machine.
    static bool endpointAllowed(const QUrl &url);
    // The host of a server text as the server options hold it.
    static QString hostOf(const QString &server);

private:
    QList<OAuthProvider> m_list;
};
