#include "ui/common/TrustHooks.h"

#include "core/settings/TrustRules.h"
#include "ui/common/TrustQuestions.h"

void TrustHooks::install(SessionHooks &hooks)
{
    TrustRules::install(hooks, {[](const CertificateProblem &problem) {
                                    switch (TrustQuestions::askCertificate(problem.host, problem.port,
                                                                           problem.certificate, problem.errors)) {
                                    case TrustQuestions::CertificateAnswer::Always:
                                        return CertificateAnswer::Always;
                                    case TrustQuestions::CertificateAnswer::Once:
                                        return CertificateAnswer::Once;
                                    case TrustQuestions::CertificateAnswer::Cancel:
                                        break;
                                    }
                                    return CertificateAnswer::Cancel;
                                },
                                [](const QString &host, quint16 port) {
                                    return TrustQuestions::askPlaintextPassword(host, port);
                                },
                                [](const QString &host, quint16 port, const QString &provider) {
                                    return TrustQuestions::askSignInElsewhere(host, port, provider);
                                }});
}

void TrustHooks::installQuiet(SessionHooks &hooks, std::function<void()> needsUser)
{
    TrustRules::installQuiet(hooks, std::move(needsUser));
}

void TrustHooks::forgetThisRun()
{
    TrustRules::forgetThisRun();
}
