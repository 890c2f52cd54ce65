#pragma once

#include <functional>

struct SessionHooks;

// The trust questions of a session asked in boxes on the window thread (see TrustRules).
namespace TrustHooks {

void install(SessionHooks &hooks);
// The same without asking: what the user decided before still holds; anything
// that would need a question refuses and calls needsUser (on the session's thread).
void installQuiet(SessionHooks &hooks, std::function<void()> needsUser);
// Forgets the certificates accepted for this run only, as a new start of the program does.
void forgetThisRun();

} // namespace TrustHooks
