#pragma once

#include <QString>
#include <QStringList>

// The forms that run an export or import without opening a window, for
// scripts and moves between programs:
//   pintora --export-mbox received|sent FILE
//   pintora --import-mbox FILE            (an mbox file or a folder of .eml files)
//   pintora --export-addresses FILE.vcf|FILE.csv
//   pintora --import-addresses FILE
namespace CommandLine {

enum Status { kDone = 0, kFailed = 1, kUsage = 2, kInUse = 3 };

struct Result {
    int status = kDone;
    QString output;  // for standard output: what was done
    QString error;   // one line for standard error
};

// Whether the arguments (the program's name first) ask for one of these forms.
bool wanted(int argc, char **argv);

// Runs the form the arguments (without the program's name) name, holding the
// installation's lock while it runs.
Result run(const QStringList &arguments);

// Runs it with a core application of its own and prints the result; the exit status.
int main(int argc, char **argv);

} // namespace CommandLine
