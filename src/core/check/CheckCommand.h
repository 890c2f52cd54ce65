#pragma once

#include "core/check/CheckOutcome.h"

#include <QString>

// pintora --check: one check without any window, for cron or a systemd timer.
// Under the installation's lock when the program does not run; otherwise the
// running program does it and answers. Prints one line; exit 0 on success,
// 1 on an error, 3 when the check needs the user (a question about the server,
// a missing password or sign-in): then nothing was asked and nothing changed.
namespace CheckCommand {

enum Status { kDone = 0, kFailed = 1, kUsage = 2, kNeedsUser = 3 };

struct Answer {
    int status = kDone;
    QString line;
};

bool wanted(int argc, char **argv);
// What a finished check says on the command line.
Answer answerFor(const CheckOutcome &outcome);
// Runs the form with a core application of its own; the exit status.
int main(int argc, char **argv);

} // namespace CheckCommand
