#pragma once

#include <QList>
#include <QSslError>
#include <QString>

class QSslCertificate;
class QWidget;

// The questions a connection asks the user before it trusts a server, asked
// on the window thread. Decisions to trust for good are kept in ServerTrustFile.
namespace TrustQuestions {

enum class CertificateAnswer { Always, Once, Cancel };

// A certificate that did not verify. One pinned for host:port passes without a
// question; otherwise the box says why it failed and what the certificate is,
// with a warning when another certificate was trusted for that server before.
// Always pins it.
CertificateAnswer askCertificate(const QString &host, quint16 port, const QSslCertificate &certificate,
                                 const QList<QSslError> &errors, QWidget *parent = nullptr);

// Before a password goes out in clear. True when the user allowed it, now or
// for good earlier.
bool askPlaintextPassword(const QString &host, quint16 port, QWidget *parent = nullptr);

// Before a provider's access token goes to a mail server its hosts= do not name.
bool askSignInElsewhere(const QString &host, quint16 port, const QString &provider, QWidget *parent = nullptr);

// The reasons of the failed checks in Japanese, each said once.
QStringList reasons(const QList<QSslError> &errors);

} // namespace TrustQuestions
