#pragma once

#include <functional>

struct SessionHooks;

// Fills a session's trust questions (certificates, passwords in clear, servers
// that stopped offering TLS) from the user's decisions in ServerTrustFile and
// boxes asked on the window thread. A certificate accepted for this run only is
// not asked about again until the program starts anew.
namespace TrustHooks {

void install(SessionHooks &hooks);
// The same without asking: what the user decided before still holds; anything
// that would need a question refuses and calls needsUser (on the session's thread).
void installQuiet(SessionHooks &hooks, std::function<void()> needsUser);
// Forgets the certificates accepted for this run only, as a new start of the program does.
void forgetThisRun();

} // namespace TrustHooks
