#pragma once

struct SessionHooks;

// Fills a session's trust questions (certificates, passwords in clear, servers
// that stopped offering TLS) from the user's decisions in ServerTrustFile and
// boxes asked on the window thread. A certificate accepted for this run only is
// not asked about again until the program starts anew.
namespace TrustHooks {

void install(SessionHooks &hooks);
// Forgets the certificates accepted for this run only, as a new start of the program does.
void forgetThisRun();

} // namespace TrustHooks
