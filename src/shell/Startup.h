#pragma once

// The program's start and end.
namespace Startup {

// Reads the server options from the working directory, brings up the mail
// layer, opens the settings windows that are still needed and shows the launcher.
void run();

// Releases the mail layer and ends the program at once: other windows vanish
// without their close handling.
void end();

} // namespace Startup
