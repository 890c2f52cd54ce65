#include "core/settings/TrustRules.h"

#include "core/common/WindowThread.h"
#include "core/settings/ServerTrustFile.h"

#include <QSet>

namespace {

// Certificates accepted "今回のみ", as "host:port sha256"; touched on the window thread only.
QSet<QString> &acceptedThisRun()
{
    static QSet<QString> accepted;
    return accepted;
}

QString onceKey(const CertificateProblem &problem)
{
    return ServerTrustFile::key(problem.host, problem.port) + u' '
        + QString::fromLatin1(ServerTrustFile::fingerprint(problem.certificate));
}

void installMemory(SessionHooks &hooks)
{
    hooks.sawTlsBefore = [](const QString &host, quint16 port) {
        return ServerTrustFile().server(host, port).seenTls;
    };
    hooks.spokeTls = [](const QString &host, quint16 port) { ServerTrustFile().rememberTls(host, port); };
}

} // namespace

void TrustRules::install(SessionHooks &hooks, Questions questions)
{
    installMemory(hooks);
    hooks.certificate = [ask = questions.certificate](const CertificateProblem &problem) {
        return WindowThread::call([problem, ask] {
            const QString once = onceKey(problem);
            if (acceptedThisRun().contains(once))
                return CertificateAnswer::Once;
            const CertificateAnswer answer = ask ? ask(problem) : CertificateAnswer::Cancel;
            if (answer == CertificateAnswer::Once)
                acceptedThisRun().insert(once);
            return answer;
        }, CertificateAnswer::Cancel);
    };
    hooks.plaintextPassword = [ask = questions.plaintextPassword](const QString &host, quint16 port) {
        return WindowThread::call([host, port, ask] { return ask && ask(host, port); }, false);
    };
    hooks.tokenElsewhere = [ask = questions.signInElsewhere](const QString &host, quint16 port, const QString &provider) {
        return WindowThread::call([host, port, provider, ask] {
            const ServerTrustFile trust;
            if (const auto answer = trust.signInAnswer(host, port, provider))
                return *answer;
            if (!ask)
                return false;
            const bool allowed = ask(host, port, provider);
            // Kept either way: the question comes once, not at every check.
            trust.rememberSignInAnswer(host, port, provider, allowed);
            return allowed;
        }, false);
    };
}

void TrustRules::installQuiet(SessionHooks &hooks, std::function<void()> needsUser)
{
    installMemory(hooks);
    hooks.certificate = [needsUser](const CertificateProblem &problem) {
        const bool known = WindowThread::call([problem] {
            if (acceptedThisRun().contains(onceKey(problem)))
                return true;
            const QByteArray pinned = ServerTrustFile().server(problem.host, problem.port).pinnedSha256;
            return !problem.certificate.isNull() && !pinned.isEmpty()
                && pinned == ServerTrustFile::fingerprint(problem.certificate);
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
    hooks.tokenElsewhere = [needsUser](const QString &host, quint16 port, const QString &provider) {
        if (const auto answer = ServerTrustFile().signInAnswer(host, port, provider))
            return *answer;
        needsUser();
        return false;
    };
}

void TrustRules::forgetThisRun()
{
    acceptedThisRun().clear();
}
