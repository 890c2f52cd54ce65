#pragma once

#include "core/search/SearchIndex.h"

#include <QString>

// pintora --search "QUERY": one line per mail found, newest first, UTF-8 and
// tab-separated: received|sent, the record number as in the list, the date,
// the sender (the recipients for sent mail), the subject. Exit 0 with mails
// found, 1 with none (or on a failure, said on standard error), 2 on a query
// that cannot be read (the reason on one line). When the program runs, it
// brings its index up to date first and this reads it; otherwise this takes
// the installation's lock and brings the index up to date itself.
namespace SearchCommand {

enum Status { kFound = 0, kNone = 1, kBadQuery = 2 };

bool wanted(int argc, char **argv);
// The lines printed for an answer, each ended by a line feed.
QByteArray linesOf(const SearchIndex::Answer &answer);
int main(int argc, char **argv);

} // namespace SearchCommand
