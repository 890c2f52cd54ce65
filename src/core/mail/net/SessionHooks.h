#pragma once

#include <QList>
#include <QSslCertificate>
#include <QSslError>
#include <QString>
#include <QStringList>

#include <atomic>
#include <functional>

// A certificate that did not verify, as the user is asked about it.
struct CertificateProblem {
    QString host;
    quint16 port = 0;
    QSslCertificate certificate;
    QList<QSslError> errors;
};

enum class CertificateAnswer { Always, Once, Cancel };

// What a session running on a worker may ask of the program around it. Every
// member may be empty; the callbacks are called on the session's own thread
// and must do their own hand-over to the window thread.
struct SessionHooks {
    // Set from any thread; every wait of the session looks at it.
    const std::atomic_bool *cancel = nullptr;
    // Bytes of a large upload handed to the network so far, and the total.
    std::function<void(qint64 sent, qint64 total)> uploadProgress;
    // A whole mail with its final "." has left: from now on it cannot be called back.
    std::function<void()> handedOver;
    // A certificate that does not verify: go on with it, or not.
    std::function<CertificateAnswer(const CertificateProblem &)> certificate;
    // Sending a password in clear to a server that never offered encryption: may we?
    std::function<bool(const QString &host, quint16 port)> plaintextPassword;
    // The server offered no encryption although it did before: a refusal follows. The
    // flows remember servers that spoke TLS; this asks whether this one ever did.
    std::function<bool(const QString &host, quint16 port)> sawTlsBefore;
    // The server spoke TLS (implicitly or after STLS/STARTTLS).
    std::function<void(const QString &host, quint16 port)> spokeTls;
    // When set, the session signs in with this OAuth 2.0 access token (SASL
    // OAUTHBEARER or XOAUTH2) and never with a password.
    std::function<QByteArray()> accessToken;
    // The token's provider and the mail servers it names (hosts=, lower case). The
    // token goes to those; to any other server only when tokenElsewhere says yes.
    QString tokenProvider;
    QStringList tokenHosts;
    std::function<bool(const QString &host, quint16 port, const QString &provider)> tokenElsewhere;
};
