#pragma once

#include "core/instance/SingleInstance.h"

// The program's start and end.
namespace Startup {

// Takes the installation for this process before anything else: the lock, then
// the clean-up that only the lock's holder may do. When another copy already
// runs it received the arguments and this one should end at once (HandedOver);
// Failed was said to the user.
SingleInstance::Claim claimInstallation(SingleInstance &instance, const QStringList &arguments);

// Run under the lock, before any window opens: what a run that ended badly left
// in the stores is put right here.
void removeCompactionLeftovers();
// The temporaries of files replaced whole (see SafeFile) that a kill or a
// power cut left beside them; nothing under another name.
void removeReplacementLeftovers();
void recoverStoresUnderLock();

// Reads the server options from the working directory, brings up the mail
// layer, opens the settings windows that are still needed and shows the launcher.
void run();

// Releases the mail layer and ends the program at once: other windows vanish
// without their close handling.
void end();

} // namespace Startup
