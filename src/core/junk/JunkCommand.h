#pragma once

#include <QString>
#include <QStringList>

// The junk filter without a window:
//   pintora --junk-learn junk|good FILE...   learns the mails of EML or mbox files
//   pintora --junk-test FILE...              one line per mail: junk|good|unsure TAB score TAB file
// --junk-test stores nothing. Both hold the installation's lock, so neither runs
// beside the program, which owns the word store.
namespace JunkCommand {

enum Status { kDone = 0, kFailed = 1, kUsage = 2, kInUse = 3 };

struct Result {
    int status = kDone;
    QString output;  // for standard output, lines ended by a line feed
    QString error;   // for standard error
};

bool wanted(int argc, char **argv);
// Runs the form the arguments (without the program's name) name.
Result run(const QStringList &arguments);
// With a core application of its own; prints the result and gives the exit status.
int main(int argc, char **argv);

} // namespace JunkCommand
