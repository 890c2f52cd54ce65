#include "settings/TrustHooks.h"

#include "common/WindowThread.h"
#include "mail/SessionHooks.h"
#include "settings/ServerTrustFile.h"
#include "settings/TrustQuestions.h"

#include <QSet>

namespace {

// Certificates accepted "今回のみ", as "host:port sha256"; touched on the window thread only.
QSet<QString> &acceptedThisRun()
{
    static QSet<QString> accepted;
    return accepted;
}

} // namespace

void TrustHooks::install(SessionHooks &hooks)
{
    hooks.certificate = [](const CertificateProblem &problem) {
        return WindowThread::call([problem] {
            const QString once = ServerTrustFile::key(problem.host, problem.port) + u' '
                + QString::fromLatin1(ServerTrustFile::fingerprint(problem.certificate));
            if (acceptedThisRun().contains(once))
                return CertificateAnswer::Once;
            switch (TrustQuestions::askCertificate(problem.host, problem.port, problem.certificate, problem.errors)) {
            case TrustQuestions::CertificateAnswer::Always:
                return CertificateAnswer::Always;
            case TrustQuestions::CertificateAnswer::Once:
                acceptedThisRun().insert(once);
                return CertificateAnswer::Once;
            case TrustQuestions::CertificateAnswer::Cancel:
                break;
            }
            return CertificateAnswer::Cancel;
        }, CertificateAnswer::Cancel);
    };
    hooks.plaintextPassword = [](const QString &host, quint16 port) {
        return WindowThread::call([host, port] { return TrustQuestions::askPlaintextPassword(host, port); }, false);
    };
    hooks.sawTlsBefore = [](const QString &host, quint16 port) {
        return ServerTrustFile().server(host, port).seenTls;
    };
    hooks.spokeTls = [](const QString &host, quint16 port) { ServerTrustFile().rememberTls(host, port); };
}

void TrustHooks::installQuiet(SessionHooks &hooks, std::function<void()> needsUser)
{
    install(hooks);
    hooks.certificate = [needsUser](const CertificateProblem &problem) {
        const bool known = WindowThread::call([problem] {
            const QByteArray fingerprint = ServerTrustFile::fingerprint(problem.certificate);
            if (acceptedThisRun().contains(ServerTrustFile::key(problem.host, problem.port) + u' '
                                           + QString::fromLatin1(fingerprint)))
                return true;
            const QByteArray pinned = ServerTrustFile().server(problem.host, problem.port).pinnedSha256;
            return !problem.certificate.isNull() && !pinned.isEmpty() && pinned == fingerprint;
        });
        if (known)
            return CertificateAnswer::Once;
        needsUser();
        return CertificateAnswer::Cancel;
    };
    hooks.plaintextPassword = [needsUser](const QString &host, quint16 port) {
        if (ServerTrustFile().server(host, port).plaintextAllowed)
            return true;
        needsUser();
        return false;
    };
}

void TrustHooks::forgetThisRun()
{
    acceptedThisRun().clear();
}
