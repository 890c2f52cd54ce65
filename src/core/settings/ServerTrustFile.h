#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

class QSslCertificate;

// The user's trust decisions per mail server ("host:port"), kept in the data
// folder for the owner only: the certificate they chose to trust always,
// whether the server was ever seen speaking TLS (so a later offer without it
// is a downgrade, not a plain server), and whether they allowed a password in
// clear for good. The file is read inside every call and replaced as a whole.
class ServerTrustFile {
public:
    struct Server {
        QByteArray pinnedSha256;  // lower-case hex; empty when nothing is pinned
        QByteArray pinnedPem;
        bool seenTls = false;
        bool plaintextAllowed = false;
        // Providers whose sign-in the user let go to this server although their
        // hosts= do not name it, and those they refused.
        QStringList signInAllowed;
        QStringList signInRefused;

        bool operator==(const Server &) const = default;
    };

    // The file in the data folder.
    ServerTrustFile();
    explicit ServerTrustFile(QString path);

    const QString &path() const { return m_path; }

    // Host names are compared without regard to letter case.
    static QString key(const QString &host, quint16 port);
    // SHA-256 of the certificate's DER bytes, lower-case hex.
    static QByteArray fingerprint(const QSslCertificate &certificate);
    // The same as pairs of upper-case digits joined by ":", as people compare them.
    static QString displayFingerprint(const QSslCertificate &certificate);

    // A server never seen comes back with every field empty.
    Server server(const QString &host, quint16 port) const;
    bool isPinned(const QString &host, quint16 port, const QSslCertificate &certificate) const;

    // Each false with the reason in error when the file cannot be written.
    bool pin(const QString &host, quint16 port, const QSslCertificate &certificate,
             QString *error = nullptr) const;
    // Writes only when this is news.
    bool rememberTls(const QString &host, quint16 port, QString *error = nullptr) const;
    bool allowPlaintext(const QString &host, quint16 port, QString *error = nullptr) const;
    // The user's answer about sending the provider's sign-in to this server, if they gave one.
    std::optional<bool> signInAnswer(const QString &host, quint16 port, const QString &provider) const;
    bool rememberSignInAnswer(const QString &host, quint16 port, const QString &provider, bool allowed,
                              QString *error = nullptr) const;

private:
    template <class Change>
    bool update(const QString &host, quint16 port, Change change, QString *error) const;

    QString m_path;
};
