#pragma once

#include <QString>

// What start-up puts right in the histories before any window can edit: a
// check or a move between histories cut short by a crash, and a record torn
// at the end of a file (which an append would otherwise turn into a listed,
// cut copy). Empty when all is well, otherwise what could not be put right,
// for a box. A journal that cannot be
// settled stays, and every later writer of the received history tries again
// and refuses until it is settled.
namespace HistoryRecovery {

QString atStart();

} // namespace HistoryRecovery
