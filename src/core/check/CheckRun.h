#pragma once

#include "core/check/CheckOutcome.h"

#include <atomic>

class CheckListener;

// One whole check, on the calling (worker) thread: logs in to the POP3 server,
// stores every waiting mail in the received history and deletes it from the
// server unless it is kept there, telling the listener how it goes.
namespace CheckRun {

void run(const CheckSettings &settings, const std::atomic_bool &cancel, CheckListener &listener,
         CheckOutcome &outcome);

} // namespace CheckRun
