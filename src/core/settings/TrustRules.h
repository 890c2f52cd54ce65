#pragma once

#include "core/mail/net/SessionHooks.h"

#include <functional>

// Fills a session's trust questions (certificates, passwords in clear, servers
// that stopped offering TLS) from the user's decisions in ServerTrustFile and,
// where those do not decide, from questions the window floor asks. A
// certificate accepted for this run only is not asked about again until the
// program starts anew.
namespace TrustRules {

// The questions, asked on the window thread.
struct Questions {
    std::function<CertificateAnswer(const CertificateProblem &)> certificate;
    std::function<bool(const QString &host, quint16 port)> plaintextPassword;
    // Send the provider's sign-in to a server its hosts= do not name? Asked once; the answer is kept.
    std::function<bool(const QString &host, quint16 port, const QString &provider)> signInElsewhere;
};

void install(SessionHooks &hooks, Questions questions);
// The same without asking: what the user decided before still holds; anything
// that would need a question refuses and calls needsUser (on the session's thread).
void installQuiet(SessionHooks &hooks, std::function<void()> needsUser);
// Forgets the certificates accepted for this run only, as a new start of the program does.
void forgetThisRun();

} // namespace TrustRules
